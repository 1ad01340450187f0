// The kind-of-payer dialog: its items and the enabling of the
// kind-of-payer group as the focus enters and leaves the third-party group.

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "screens/DlgW3PayerKind.h"

namespace {

QStringList Texts(const auto& buttons) {
  QStringList texts;
  for (const QRadioButton* button : buttons) texts << button->text();
  return texts;
}

class PayerDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  }
  TDlgKindOfPayer dialog;
};

}  // namespace

TEST_F(PayerDialog, ShowsItsCaptionsItemsAndDefaults) {
  EXPECT_EQ(dialog.windowTitle(), "W-3 Kind of Payer");
  EXPECT_EQ(dialog.RadioGroupTPSickPay->title(), "Third-party sick pay");
  EXPECT_EQ(dialog.RadioGroupKindOfPayer->title(),
            "Kind of Payer (if not only Third-party sick pay)");
  EXPECT_EQ(Texts(dialog.TPSickPayButtons),
            (QStringList{"NO Third-party sick pay", "W-2's Include Third-party sick pay",
                         "Filing ONLY Third-party sick pay"}));
  EXPECT_EQ(Texts(dialog.KindOfPayerButtons),
            (QStringList{"941", "Military", "943 (Agricultural)", "CT-1 (Railroad)", "Hshld. empl.",
                         "Medicare gov. empl.", "944"}));
  EXPECT_EQ(dialog.TPSickPayIndex(), 0);
  EXPECT_EQ(dialog.KindOfPayerIndex(), 0);
  EXPECT_EQ(dialog.BitBtnOK->text(), "OK");
  EXPECT_TRUE(dialog.BitBtnOK->isDefault());
  EXPECT_EQ(dialog.BitBtnCancel->text(), "Cancel");
  // Two columns, filled column by column: 941 above Military, CT-1 beside 941.
  const auto pos = [&](int i) { return dialog.KindOfPayerButtons[i]->geometry().topLeft(); };
  EXPECT_EQ(pos(0).x(), pos(1).x());
  EXPECT_LT(pos(0).y(), pos(1).y());
  EXPECT_EQ(pos(0).y(), pos(3).y());
  EXPECT_LT(pos(0).x(), pos(3).x());
  // The third-party group comes first.
  EXPECT_TRUE(dialog.RadioGroupTPSickPay->isAncestorOf(QApplication::focusWidget()));
}

TEST_F(PayerDialog, OkAndCancelCloseWithTheirResults) {
  QTest::mouseClick(dialog.KindOfPayerButtons[4], Qt::LeftButton);
  QTest::mouseClick(dialog.BitBtnOK, Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.KindOfPayerIndex(), 4);
  dialog.show();
  QTest::mouseClick(dialog.BitBtnCancel, Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_FALSE(dialog.isVisible());
}

TEST_F(PayerDialog, OnlyThirdPartySickPayDisablesTheKindOfPayerOnLeavingItsGroup) {
  QTest::mouseClick(dialog.TPSickPayButtons[2], Qt::LeftButton);
  EXPECT_TRUE(dialog.RadioGroupKindOfPayer->isEnabled()) << "still in the group";
  dialog.BitBtnCancel->setFocus(Qt::TabFocusReason);
  EXPECT_FALSE(dialog.RadioGroupKindOfPayer->isEnabled());
  // Entering the group again enables it, so that the user can change it.
  dialog.TPSickPayButtons[2]->setFocus(Qt::TabFocusReason);
  EXPECT_TRUE(dialog.RadioGroupKindOfPayer->isEnabled());
  QTest::mouseClick(dialog.TPSickPayButtons[1], Qt::LeftButton);
  dialog.BitBtnOK->setFocus(Qt::TabFocusReason);
  EXPECT_TRUE(dialog.RadioGroupKindOfPayer->isEnabled());
}

TEST_F(PayerDialog, TabFromOnlyThirdPartySickPayGoesOnToOkAndCancel) {
  QTest::mouseClick(dialog.TPSickPayButtons[2], Qt::LeftButton);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_FALSE(dialog.RadioGroupKindOfPayer->isEnabled());
  EXPECT_EQ(QApplication::focusWidget(), dialog.BitBtnOK);
  QTest::keyClick(dialog.BitBtnOK, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), dialog.BitBtnCancel);
}

TEST_F(PayerDialog, SelectionsComeFromTheRecordAndAnIndexOutOfRangeSelectsNothing) {
  dialog.SetSelections(3, 2);
  EXPECT_EQ(dialog.KindOfPayerIndex(), 3);
  EXPECT_EQ(dialog.TPSickPayIndex(), 2);
  EXPECT_TRUE(dialog.KindOfPayerButtons[3]->isChecked());
  EXPECT_FALSE(dialog.RadioGroupKindOfPayer->isEnabled());
  dialog.SetSelections(9, -1);
  EXPECT_EQ(dialog.KindOfPayerIndex(), -1);
  EXPECT_EQ(dialog.TPSickPayIndex(), -1);
  EXPECT_TRUE(dialog.RadioGroupKindOfPayer->isEnabled());
}
