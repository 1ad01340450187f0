// Moving through the employees on the W-2 screen: the navigation buttons, the
// pick list, the SSN question, closing, Enter, refused saves, and the box 12
// dialog's round trip.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "data/EntryRules.h"
#include "rules/Box12Codes.h"
#include "screens/Box12Frame.h"
#include "screens/DlgW2Box12.h"
#include "screens/ErrorReportView.h"
#include "screens/FileNavFrame.h"
#include "screens/PickIndex.h"
#include "tests/screens/W2ScreenFixture.h"

namespace {

const std::string kFixSsn = "Do you wish to fix the SSN error before leaving this employee ?";
const std::string kChangedSsnOnFile =
    "SSN was changed and new number already on file, cannot save changes";

class W2NavigationTest : public W2ScreenTest {
 protected:
  // Three employees in file order Young, Adams, Mills.
  void AddThree() {
    AddEmployee("300-00-0003", "Zoe", "Young");
    AddEmployee("100-00-0001", "Al", "Adams");
    AddEmployee("200-00-0002", "Bo", "Mills");
  }
  QString ShownName() const { return Widget<QLineEdit>(*form, "EditLastName")->text(); }
  void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
  TFrameFileNav& Nav() { return *Widget<TFrameFileNav>(*form, "FrameFileNav1"); }
};

TEST_F(W2NavigationTest, ButtonsMoveInFileOrderAndReportTheEnds) {
  AddThree();
  TFormW2& screen = Open();
  EXPECT_EQ(ShownName(), "Young");
  Click(Nav().BitBtnNext);
  EXPECT_EQ(ShownName(), "Adams");
  Click(Nav().BitBtnLast);
  EXPECT_EQ(ShownName(), "Mills");
  EXPECT_TRUE(boxes.Shown().empty());

  boxes.Answer(MsgOk);
  Click(Nav().BitBtnNext);
  EXPECT_EQ(boxes.Texts(), Texts{"Next employee not found (or already on the last)"});
  EXPECT_EQ(ShownName(), "Mills");
  boxes.Clear();

  Click(Nav().BitBtnPrevs);
  EXPECT_EQ(ShownName(), "Adams");
  Click(Nav().BitBtnFirst);
  EXPECT_EQ(ShownName(), "Young");
  boxes.Answer(MsgOk);
  Click(Nav().BitBtnPrevs);
  EXPECT_EQ(boxes.Texts(), Texts{"Previous employee not found (or already on the first)"});
  EXPECT_EQ(Widget<QLineEdit>(screen, "MaskEditSocSecNum")->displayText(), "300-00-0003");
}

TEST_F(W2NavigationTest, AddNewShowsABlankEmployeeArmedForTheFill) {
  AddThree();
  TFormW2& screen = Open();
  Click(Nav().BitBtnAddNew);
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(Widget<QLineEdit>(screen, "EditLastName")->text(), "");
  EXPECT_EQ(Widget<QLineEdit>(screen, "MaskEditSocSecNum")->displayText(), "   -  -    ");
  EXPECT_EQ(Widget<QLineEdit>(screen, "Edit12a_code")->text(), " ");
  EXPECT_EQ(Widget<QLineEdit>(screen, "EditWages")->text(), "0.00");
  EXPECT_TRUE(screen.AutoFillArmed());
  EXPECT_EQ(file->RecPos(), file->Size());

  // Entered and saved on the way to the next employee.
  TypeAndLeave(Widget<QLineEdit>(screen, "MaskEditSocSecNum"), "400000004");
  TypeAndLeave(Widget<QLineEdit>(screen, "EditLastName"), "Nash");
  boxes.Answer(MsgYes);
  Click(Nav().BitBtnFirst);
  EXPECT_EQ(boxes.Texts(), Texts{"Save changes to W-2 for 400-00-0004   Nash ?"});
  EXPECT_EQ(ShownName(), "Young");
  EXPECT_EQ(file->SsnIndex().Entries().size(), 4u);
}

TEST_F(W2NavigationTest, AnInvalidSsnAsksBeforeLeaving) {
  AddThree();
  TFormW2& screen = Open();
  boxes.Answer(MsgOk);
  TypeAndLeave(Widget<QLineEdit>(screen, "MaskEditSocSecNum"), "123456789");
  EXPECT_EQ(boxes.Texts(), Texts{ValidationMessageText(ValidationKind::SSN)});
  boxes.Clear();

  // Yes: stay and fix it.
  boxes.Answer(MsgOk).Answer(MsgYes);
  Click(Nav().BitBtnNext);
  EXPECT_EQ(boxes.Texts(), (Texts{ValidationMessageText(ValidationKind::SSN), kFixSsn}));
  EXPECT_EQ(boxes.Shown()[1].icon, MsgIcon::Warning);
  EXPECT_EQ(boxes.Shown()[1].buttons, MsgYes | MsgNo);
  EXPECT_EQ(ShownName(), "Young");
  EXPECT_EQ(QApplication::focusWidget(), Widget<QLineEdit>(screen, "MaskEditSocSecNum"));
  boxes.Clear();

  // No: leave; the record kept its valid number, so nothing asks to be saved.
  // (Clicking the button leaves the SSN field first, which reports it too.)
  boxes.Answer(MsgOk).Answer(MsgOk).Answer(MsgNo);
  Click(Nav().BitBtnNext);
  EXPECT_EQ(boxes.Texts(), (Texts{ValidationMessageText(ValidationKind::SSN),
                                  ValidationMessageText(ValidationKind::SSN), kFixSsn}));
  EXPECT_EQ(ShownName(), "Adams");
}

TEST_F(W2NavigationTest, StayingToFixTheSsnAfterEnterChecksItAgainOnLeaving) {
  AddThree();
  TFormW2& screen = Open();
  Type(Widget<QLineEdit>(screen, "MaskEditSocSecNum"), "12");
  boxes.Answer(MsgOk).Answer(MsgOk).Answer(MsgYes);
  QTest::keyClick(Widget<QLineEdit>(screen, "MaskEditSocSecNum"), Qt::Key_Return);
  EXPECT_EQ(boxes.Texts(), (Texts{ValidationMessageText(ValidationKind::SSN),
                                  ValidationMessageText(ValidationKind::SSN), kFixSsn}));
  EXPECT_EQ(ShownName(), "Young");
  EXPECT_EQ(QApplication::focusWidget(), Widget<QLineEdit>(screen, "MaskEditSocSecNum"));
  boxes.Clear();

  // Leaving the field unfixed reports the number again, as every leave does.
  boxes.Answer(MsgOk);
  Leave();
  EXPECT_EQ(boxes.Texts(), Texts{ValidationMessageText(ValidationKind::SSN)});
  EXPECT_EQ(Work().SocSecNum.Str(), "300-00-0003");
}

TEST_F(W2NavigationTest, AVoidEmployeeIsLeftWithoutTheSsnQuestion) {
  AddEmployee("", "Ann", "Void");
  Work().Void = 1;
  ASSERT_TRUE(file->SaveCurrent(false));
  AddEmployee("100-00-0001", "Al", "Adams");
  TFormW2& screen = Open();
  EXPECT_TRUE(Widget<QCheckBox>(screen, "CheckBoxVoid")->isChecked());
  EXPECT_FALSE(Widget<QPushButton>(screen, "BitBtnErrorCheck")->isEnabled());
  EXPECT_FALSE(screen.SsnFixWanted());
  Click(Nav().BitBtnNext);
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(ShownName(), "Adams");
  EXPECT_TRUE(Widget<QPushButton>(screen, "BitBtnErrorCheck")->isEnabled());
}

TEST_F(W2NavigationTest, EnterCommitsTheFieldAndPressesNext) {
  AddThree();
  TFormW2& screen = Open();
  Type(Widget<QLineEdit>(screen, "EditFedTax"), "12.5");
  boxes.Answer(MsgYes);
  QTest::keyClick(Widget<QLineEdit>(screen, "EditFedTax"), Qt::Key_Return);
  EXPECT_EQ(boxes.Texts(), Texts{"Save changes to W-2 for 300-00-0003 Zoe  Young ?"});
  EXPECT_EQ(ShownName(), "Adams");
  boxes.Clear();
  Click(Nav().BitBtnFirst);
  EXPECT_EQ(file->OrigRec.w2.FedTax, Dollars(12.5));
  EXPECT_EQ(Widget<QLineEdit>(screen, "EditFedTax")->text(), "12.50");
}

TEST_F(W2NavigationTest, EnterInADropDownCommitsItsTextEachTime) {
  AddThree();
  TFormW2& screen = Open();
  Click(Nav().BitBtnLast);
  const std::string atTheEnd = "Next employee not found (or already on the last)";
  Type(Widget<QComboBox>(screen, "ComboBoxST2State"), "nj");
  boxes.Answer(MsgOk);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(boxes.Texts(), Texts{atTheEnd});
  EXPECT_EQ(Work().ST2State.Str(), "NJ");
  // Typed again without leaving the field, then Enter again.
  QLineEdit* edit = Widget<QComboBox>(screen, "ComboBoxST2State")->lineEdit();
  edit->selectAll();
  QTest::keyClicks(edit, "pa");
  boxes.Answer(MsgOk);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(boxes.Texts(), (Texts{atTheEnd, atTheEnd}));
  EXPECT_EQ(Work().ST2State.Str(), "PA");
  // Nothing new typed: Enter stores nothing and asks nothing more.
  boxes.Answer(MsgOk);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(boxes.Texts().size(), 3u);
}

TEST_F(W2NavigationTest, EnterCommitsACheckBoxToggledAgain) {
  AddThree();
  TFormW2& screen = Open();
  Click(Nav().BitBtnLast);
  Widget<QCheckBox>(screen, "CheckBoxStatEmpl")->setFocus(Qt::TabFocusReason);
  boxes.Answer(MsgOk).Answer(MsgOk);
  QTest::keyClick(Widget<QCheckBox>(screen, "CheckBoxStatEmpl"), Qt::Key_Space);
  QTest::keyClick(Widget<QCheckBox>(screen, "CheckBoxStatEmpl"), Qt::Key_Return);
  EXPECT_EQ(Work().StatEmpl, 1);
  QTest::keyClick(Widget<QCheckBox>(screen, "CheckBoxStatEmpl"), Qt::Key_Space);
  QTest::keyClick(Widget<QCheckBox>(screen, "CheckBoxStatEmpl"), Qt::Key_Return);
  EXPECT_EQ(Work().StatEmpl, 0);
  EXPECT_EQ(boxes.Texts().size(), 2u);
}

TEST_F(W2NavigationTest, ARefusedEntryIsReportedOnceWhenAButtonIsClicked) {
  AddThree();
  TFormW2& screen = Open();
  Type(Widget<QLineEdit>(screen, "EditFedTax"), "1x");
  boxes.Answer(MsgOk);
  Click(Nav().BitBtnNext);
  ASSERT_EQ(boxes.Texts().size(), 1u);
  EXPECT_EQ(boxes.Texts()[0].rfind(NumberErrorText("1x"), 0), 0u);
  // The message said the entry is ignored: the move goes ahead without it.
  EXPECT_EQ(ShownName(), "Adams");
}

TEST_F(W2NavigationTest, AnEntryRefusedOnEnterIsCheckedAgainWhenTheFieldIsLeft) {
  AddEmployee("123-45-6780", "Ann", "Lee", Dollars(10));
  TFormW2& screen = Open();
  Type(Widget<QLineEdit>(screen, "EditFedTax"), "12x");
  boxes.Answer(MsgOk).Answer(MsgOk);
  QTest::keyClick(Widget<QLineEdit>(screen, "EditFedTax"), Qt::Key_Return);
  ASSERT_EQ(boxes.Texts().size(), 2u);
  EXPECT_EQ(boxes.Texts()[0].rfind(NumberErrorText("12x"), 0), 0u);
  EXPECT_EQ(boxes.Texts()[1], "Next employee not found (or already on the last)");
  EXPECT_EQ(QApplication::focusWidget(), Widget<QLineEdit>(screen, "EditFedTax"));
  boxes.Clear();

  // Leaving the field with the refused entry still in it refuses it again.
  boxes.Answer(MsgOk);
  Leave();
  ASSERT_EQ(boxes.Texts().size(), 1u);
  EXPECT_EQ(boxes.Texts()[0].rfind(NumberErrorText("12x"), 0), 0u);
  EXPECT_EQ(QApplication::focusWidget(), Widget<QLineEdit>(screen, "EditFedTax"));
  EXPECT_EQ(Work().FedTax, 0);
  boxes.Clear();
  TypeAndLeave(Widget<QLineEdit>(screen, "EditFedTax"), "12");
  EXPECT_EQ(Work().FedTax, Dollars(12));
  EXPECT_TRUE(boxes.Shown().empty());

  // The same for a ZIP code, refused without a message.
  Type(Widget<QLineEdit>(screen, "MaskEditZip"), "123");
  boxes.Answer(MsgOk);
  QTest::keyClick(Widget<QLineEdit>(screen, "MaskEditZip"), Qt::Key_Return);
  EXPECT_EQ(boxes.Texts(), Texts{"Next employee not found (or already on the last)"});
  boxes.Clear();
  Leave();
  EXPECT_EQ(QApplication::focusWidget(), Widget<QLineEdit>(screen, "MaskEditZip"));
  EXPECT_EQ(Work().Zip.Str(), "");
  TypeAndLeave(Widget<QLineEdit>(screen, "MaskEditZip"), "12345");
  EXPECT_EQ(Work().Zip.Str(), "12345-    ");
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(W2NavigationTest, ClosingCommitsAndSavesWithTheQuestion) {
  AddThree();
  TFormW2& screen = Open();
  Type(Widget<QLineEdit>(screen, "EditCity"), "Utica");
  boxes.Answer(MsgYes);
  EXPECT_TRUE(screen.close());
  EXPECT_FALSE(screen.isVisible());
  EXPECT_EQ(boxes.Texts(), Texts{"Save changes to W-2 for 300-00-0003 Zoe  Young ?"});
  EXPECT_EQ(file->OrigRec.w2.City.Str(), "Utica");
}

TEST_F(W2NavigationTest, ClosingWithAnInvalidSsnCanStayToFixIt) {
  AddThree();
  TFormW2& screen = Open();
  Type(Widget<QLineEdit>(screen, "MaskEditSocSecNum"), "12");  // "12 -  -    ": refused on leaving
  boxes.Answer(MsgOk).Answer(MsgOk).Answer(MsgYes);
  EXPECT_FALSE(screen.close());
  EXPECT_TRUE(screen.isVisible());
  EXPECT_EQ(boxes.Texts(), (Texts{ValidationMessageText(ValidationKind::SSN),
                                  ValidationMessageText(ValidationKind::SSN), kFixSsn}));
  EXPECT_EQ(QApplication::focusWidget(), Widget<QLineEdit>(screen, "MaskEditSocSecNum"));
}

TEST_F(W2NavigationTest, ARefusedSaveKeepsTheEmployeeAndTheEntries) {
  AddThree();
  TFormW2& screen = Open();
  Type(Widget<QLineEdit>(screen, "MaskEditSocSecNum"), "100000001");  // Adams's number
  TypeAndLeave(Widget<QLineEdit>(screen, "EditLastName"), "Younger");
  boxes.Answer(MsgYes).Answer(MsgOk);
  Click(Nav().BitBtnNext);
  EXPECT_EQ(boxes.Texts(),
            (Texts{"Save changes to W-2 for 100-00-0001 Zoe  Younger ?", kChangedSsnOnFile}));
  EXPECT_EQ(boxes.Shown()[1].caption, "W-2/W-3 Update Program");
  EXPECT_EQ(ShownName(), "Younger");
  EXPECT_EQ(Widget<QLineEdit>(screen, "MaskEditSocSecNum")->displayText(), "100-00-0001");
  EXPECT_EQ(Work().LastName.Str(), "Younger");
  EXPECT_EQ(file->OrigRec.w2.LastName.Str(), "Young");
  boxes.Clear();

  // Closing cannot lose the entries either ...
  boxes.Answer(MsgYes).Answer(MsgOk);
  EXPECT_FALSE(screen.close());
  EXPECT_TRUE(screen.isVisible());
  EXPECT_EQ(Work().LastName.Str(), "Younger");
  boxes.Clear();
  // ... until the user drops them by answering No.
  boxes.Answer(MsgNo);
  EXPECT_TRUE(screen.close());
  EXPECT_EQ(file->OrigRec.w2.SocSecNum.Str(), "300-00-0003");
  EXPECT_EQ(Work().LastName.Str(), "Young");
}

TEST_F(W2NavigationTest, PickListLocatesTheChosenEmployee) {
  AddThree();
  TFormW2& screen = Open();
  int shown = 0;
  QString pick = "MILLS";
  screen.ExecDialog = [&](QDialog& dialog) {
    ++shown;
    EXPECT_EQ(&dialog, &screen.PickList());
    dialog.show();
    auto& list = static_cast<TFormW2PickList&>(dialog);
    if (pick.isEmpty()) {
      list.BitBtnCancelClick();
    } else {
      const QList<QListWidgetItem*> items = list.ListBox1->findItems(pick, Qt::MatchStartsWith);
      EXPECT_EQ(items.size(), 1);
      if (!items.isEmpty()) list.ListBox1Click(items.front());
    }
    return dialog.result();
  };
  Click(Nav().BitBtnIndex);
  EXPECT_EQ(ShownName(), "Mills");
  pick.clear();
  Click(Nav().BitBtnIndex);
  EXPECT_EQ(ShownName(), "Mills");
  EXPECT_EQ(shown, 2);
  EXPECT_TRUE(boxes.Shown().empty());

  // A key the file does not hold.
  screen.ExecDialog = [&](QDialog& dialog) {
    dialog.show();
    auto& list = static_cast<TFormW2PickList&>(dialog);
    auto* stranger = new QListWidgetItem(QStringLiteral("NOBODY, AT ALL"), list.ListBox1);
    stranger->setData(Qt::UserRole, QByteArray("NOBODY, AT ALL"));
    list.ListBox1Click(stranger);
    return dialog.result();
  };
  boxes.Answer(MsgOk);
  Click(Nav().BitBtnIndex);
  EXPECT_EQ(boxes.Texts(), Texts{"Could not locate employee with key = NOBODY, AT ALL"});
  EXPECT_EQ(ShownName(), "Mills");
}

TEST_F(W2NavigationTest, Box12DialogRoundTrip) {
  AddThree();
  TFormW2& screen = Open();
  TypeAndLeave(Widget<QLineEdit>(screen, "Edit12b_code"), "d");
  TypeAndLeave(Widget<QLineEdit>(screen, "Edit12b_amount"), "75");
  const std::array<TFrameBox12Item*, 4> items = screen.Box12Dialog().Items();
  const QString lineD =
      QString::fromLatin1(Box12CodeLines[3].data(), static_cast<int>(Box12CodeLines[3].size()));
  ASSERT_TRUE(lineD.startsWith("D Elective deferrals to a section 401(k)"));

  screen.ExecDialog = [&](QDialog& dialog) {
    EXPECT_EQ(&dialog, &screen.Box12Dialog());
    // Opened on the screen's entries.
    EXPECT_EQ(items[0]->ComboBox1->currentText(), "");
    EXPECT_EQ(items[0]->Edit1->text(), "0.00");
    EXPECT_EQ(items[1]->ComboBox1->currentText(), lineD);
    EXPECT_EQ(items[1]->Edit1->text(), "75");
    items[0]->ComboBox1->setCurrentIndex(3);
    items[0]->Edit1->setText("1500");
    items[1]->ComboBox1->setEditText("");
    items[1]->Edit1->setText("80");
    items[2]->ComboBox1->setEditText("z typed by hand");
    items[3]->Edit1->setText("1,5");
    return static_cast<int>(QDialog::Accepted);
  };
  boxes.Answer(MsgOk);
  Click(Widget<QPushButton>(screen, "BitBtnSetupBox12"));
  EXPECT_EQ(Work().Box12[0].Code, 'D');
  EXPECT_EQ(Work().Box12[0].Amount, Dollars(1500));
  EXPECT_EQ(Widget<QLineEdit>(screen, "Edit12a_code")->text(), "D");
  EXPECT_EQ(Widget<QLineEdit>(screen, "Edit12a_amount")->text(), "1500");
  EXPECT_EQ(Work().Box12[1].Code, ' ');
  EXPECT_EQ(Work().Box12[1].Amount, Dollars(80));
  EXPECT_EQ(Work().Box12[2].Code, 'Z');
  EXPECT_EQ(Widget<QLineEdit>(screen, "Edit12c_code")->text(), "z");
  // The bad amount is reported, keeps the old value and gets the focus.
  ASSERT_EQ(boxes.Texts().size(), 1u);
  EXPECT_EQ(boxes.Texts()[0].rfind(NumberErrorText("1,5"), 0), 0u);
  EXPECT_EQ(Work().Box12[3].Amount, 0);
  EXPECT_EQ(QApplication::focusWidget(), Widget<QLineEdit>(screen, "Edit12d_amount"));
  boxes.Clear();

  TypeAndLeave(Widget<QLineEdit>(screen, "Edit12d_amount"), "");

  // Cancel leaves the entries as they were, whatever changed in the dialog.
  const TRecordBuffer before = file->WorkRec;
  screen.ExecDialog = [&](QDialog&) {
    EXPECT_EQ(items[0]->ComboBox1->currentText(), lineD);
    EXPECT_EQ(items[0]->Edit1->text(), "1500");
    items[0]->ComboBox1->setCurrentIndex(0);
    items[0]->Edit1->setText("9");
    return static_cast<int>(QDialog::Rejected);
  };
  Click(Widget<QPushButton>(screen, "BitBtnSetupBox12"));
  EXPECT_TRUE(file->WorkRec.SameBytes(before));
  EXPECT_EQ(Widget<QLineEdit>(screen, "Edit12a_code")->text(), "D");
  EXPECT_EQ(Widget<QLineEdit>(screen, "Edit12a_amount")->text(), "1500");
  EXPECT_TRUE(boxes.Shown().empty());
}

struct RecordingReportView final : IErrorReportView {
  void ShowReport(const std::vector<std::string>& lines) override { shown.push_back(lines); }
  std::vector<Texts> shown;
};

// The field typed into is committed first; box 3 shows what the check lowered it to.
TEST_F(W2NavigationTest, ErrorCheckReportsToTheWindowAndShowsTheLoweredBoxThree) {
  AddThree();
  TFormW2& screen = Open();
  RecordingReportView view;
  screen.ErrorReportView = &view;
  TypeAndLeave(Widget<QLineEdit>(screen, "EditSSTips"), "1000");
  Type(Widget<QLineEdit>(screen, "EditSSWages"), "80000");
  Click(Widget<QPushButton>(screen, "BitBtnErrorCheck"));
  ASSERT_EQ(view.shown, std::vector<Texts>{screen.ErrorLines});
  const Texts& lines = view.shown[0];
  EXPECT_EQ(lines[0], "W-2 Error Report for: Zoe  Young,   SSN = 300-00-0003");
  const std::string reduced = "been reduced to 79400.00 so they add to the maximum of 80400.00";
  EXPECT_EQ(std::count(lines.begin(), lines.end(), reduced), 1);
  EXPECT_TRUE(Work().SSWages == Dollars(79400) &&
              Widget<QLineEdit>(screen, "EditSSWages")->text() == "79400.00");
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(W2NavigationTest, ErrorCheckWithoutACheckSaysSoAndChangesNothing) {
  AddThree();
  TFormW2& screen = Open();
  const TRecordBuffer before = file->WorkRec;
  boxes.Answer(MsgOk);
  Click(Widget<QPushButton>(screen, "BitBtnErrorCheck"));
  EXPECT_EQ(boxes.Texts(),
            std::vector<std::string>{
                "The W-2 Error Check is not available in this version of Quillmar."});
  EXPECT_TRUE(file->WorkRec.SameBytes(before));
}

}  // namespace

namespace {

TEST_F(W2NavigationTest, AnUntouchedNewEmployeeWithTheStateDefaultIsDroppedSilently) {
  SetEmployer(2001, "NY", "NY-1");  // the screen fills state line 1 of a new W-2
  AddThree();
  const std::int64_t size = file->Size();
  Open();
  Click(Nav().BitBtnAddNew);
  EXPECT_TRUE(form->FormCloseQuery());
  EXPECT_TRUE(boxes.Shown().empty());  // neither the SSN question nor the save question
  EXPECT_EQ(file->Size(), size);
}

TEST_F(W2NavigationTest, DeleteAsksNamingTheEmployeeAndShowsTheNextInItsPlace) {
  AddThree();
  TFormW2& screen = Open();  // Young, the first in file order
  boxes.Answer(MsgNo);
  Click(Widget<QPushButton>(screen, "BitBtnDeleteW2"));
  ASSERT_EQ(boxes.Texts(),
            Texts{"Delete the W-2 of Zoe Young (300-00-0003) from this file?\r\rIt cannot be "
                  "brought back. A W-2 that was issued to the employee is kept and marked Void "
                  "instead."});
  EXPECT_EQ(boxes.Shown()[0].buttons, MsgYes | MsgNo);
  EXPECT_EQ(file->NameIndex().Count(), 3);
  boxes.Clear();
  boxes.Answer(MsgYes);
  Click(Widget<QPushButton>(screen, "BitBtnDeleteW2"));
  EXPECT_EQ(file->NameIndex().Count(), 2);
  EXPECT_EQ(ShownName(), "Mills");  // the last record took the place
  Click(Nav().BitBtnLast);
  EXPECT_EQ(ShownName(), "Adams");
}

}  // namespace
