// The state dialog of the state W-2 file: it offers the file only for a state
// that takes one, and asks for a filer number only where the layout wants it.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "screens/DlgStateW2Export.h"

TEST(DlgStateW2Export, OffersTheFileOnlyForAFilingStateAndTheBenOnlyForIowa) {
  TDlgStateW2Export dialog({"CA", "IA", "PA", "TX"}, 2025);
  dialog.SetChoice({"CA", ""});
  EXPECT_EQ(dialog.LabelFiling->text(),
            "California takes no W-2 file: the wage data goes to the EDD on the quarterly DE 9C.");
  EXPECT_FALSE(dialog.BitBtnOK->isEnabled());
  EXPECT_TRUE(dialog.LabelStates->text().contains(
      "Texas has no income tax on wages: no W-2 filing is needed."));
  dialog.ComboBoxState->setCurrentIndex(1);
  EXPECT_TRUE(dialog.BitBtnOK->isEnabled());
  EXPECT_TRUE(dialog.EditFilerNumber->isEnabled());
  EXPECT_EQ(dialog.LabelFilerNumber->text(), "Iowa business e-file number (BEN)");
  QTest::keyClicks(dialog.EditFilerNumber, "12345678");
  EXPECT_EQ(dialog.Choice().State, "IA");
  EXPECT_EQ(dialog.Choice().FilerNumber, "12345678");
  dialog.ComboBoxState->setCurrentIndex(2);
  EXPECT_TRUE(dialog.BitBtnOK->isEnabled());
  EXPECT_FALSE(dialog.EditFilerNumber->isEnabled());
  EXPECT_EQ(dialog.Choice().State, "PA");
  EXPECT_EQ(dialog.Choice().FilerNumber, "");  // asked only where the layout wants it
}
