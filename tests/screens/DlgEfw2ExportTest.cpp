// The submitter dialog of the SSA wage file: what it shows is what it gives back.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "screens/DlgEfw2Export.h"

TEST(DlgEfw2Export, GivesBackWhatItShowsAndWhatTheUserChanges) {
  TDlgEfw2Export dialog;
  Efw2Submitter shown;
  shown.UserId = "AB12CD34";
  shown.Name = "Mu\xF1oz & Sons";  // Windows-1252 n with tilde
  shown.Zip = "62701-0042";
  shown.PreparerCode = 'S';
  shown.KindOfEmployer = 4;
  shown.SuffixFromLastName = false;
  shown.ResubWfid = "ABC123";  // without a resubmission it is not kept
  dialog.SetSubmitter(shown, true);
  EXPECT_EQ(dialog.EditName->text(), QString::fromUtf8("Mu\u00F1oz & Sons"));
  EXPECT_EQ(dialog.ComboBoxPreparer->currentText(), "S  Service bureau");
  EXPECT_EQ(dialog.ComboBoxKindOfEmployer->currentText(), "State/local 501c");
  EXPECT_FALSE(dialog.ComboBoxKindOfEmployer->isEnabled());  // the W-3 chose it
  EXPECT_FALSE(dialog.EditResubWfid->isEnabled());
  Efw2Submitter back = dialog.Submitter();
  shown.ResubWfid.clear();
  EXPECT_EQ(back.Name, shown.Name);
  EXPECT_EQ(back.Zip, shown.Zip);
  EXPECT_EQ(back.PreparerCode, 'S');
  EXPECT_EQ(back.KindOfEmployer, 4);
  EXPECT_FALSE(back.SuffixFromLastName);
  EXPECT_EQ(back.ResubWfid, "");

  QTest::keyClicks(dialog.EditUserId, "XY");  // the field holds 8 characters
  dialog.CheckBoxResubmission->setChecked(true);
  EXPECT_TRUE(dialog.EditResubWfid->isEnabled());
  dialog.ComboBoxPreparer->setCurrentIndex(1);
  back = dialog.Submitter();
  EXPECT_EQ(back.UserId, "AB12CD34");
  EXPECT_TRUE(back.Resubmission);
  EXPECT_EQ(back.ResubWfid, "ABC123");
  EXPECT_EQ(back.PreparerCode, 'A');
}
