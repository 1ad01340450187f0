// The dialog of the plain-paper employee copies: the Copy A note, the choice
// it gives back, and a folder for the PDFs that must exist.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "screens/DlgPlainPaperW2.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempDir.h"

TEST(DlgPlainPaperW2, SaysWhereCopyAGoesAndGivesBackTheChoice) {
  TDlgPlainPaperW2 dialog;
  EXPECT_EQ(dialog.LabelCopyA->text(),
            "Copy A is not printed here: it goes to the SSA electronically (File, Export for SSA) "
            "or on the official form.");
  EXPECT_FALSE(dialog.EditFolder->isEnabled());
  dialog.CheckBoxCopyD->setChecked(true);
  EXPECT_TRUE(dialog.Choice().copyD);
  EXPECT_FALSE(dialog.Choice().onePdfPerEmployee);

  dialog.RadioPdfPerEmployee->setChecked(true);
  EXPECT_TRUE(dialog.EditFolder->isEnabled());
  EXPECT_FALSE(dialog.CheckBoxCopyD->isEnabled());  // the employees' PDFs hold no Copy D
  dialog.EditFolder->setText("  /tmp/w2s ");
  const PlainPaperChoice choice = dialog.Choice();
  EXPECT_TRUE(choice.onePdfPerEmployee);
  EXPECT_EQ(choice.folder, "/tmp/w2s");
}

TEST(DlgPlainPaperW2, OkForPdfsWantsAnExistingFolder) {
  ScriptedMessageBoxes boxes;
  const TempDir dir;
  TDlgPlainPaperW2 dialog;
  dialog.SetChoice({.onePdfPerEmployee = true, .folder = dir.File("missing")});
  boxes.Answer(MsgOk);
  dialog.BitBtnOK->click();
  EXPECT_EQ(boxes.Texts(),
            (std::vector<std::string>{"Choose an existing folder for the employees' PDF files."}));
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  dialog.EditFolder->setText(QString::fromStdString(dir.File("")));
  dialog.BitBtnOK->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}
