// The W-2 screen under the rules of its tax year.

#include <QComboBox>
#include <QPushButton>
#include <cstring>

#include "rules/Box12Codes.h"
#include "screens/Box12Frame.h"
#include "screens/DlgW2Box12.h"
#include "tests/screens/W2ScreenFixture.h"
#include "tests/screens/W3ScreenTyping.h"

namespace {

// Today's SSNs, two-letter codes typed and chosen, the Additional Medicare Tax.
TEST_F(W2ScreenTest, TaxYear2025) {
  SetEmployer(2025, "", "");
  TFormW2& screen = Open();
  TypeAndLeave(Widget<QLineEdit>(screen, "MaskEditSocSecNum"), "800123456");
  EXPECT_EQ(Work().SocSecNum.Str(), "800-12-3456");
  TypeAndLeave(Widget<QLineEdit>(screen, "EditWages"), "250000");
  EXPECT_TRUE(Work().MedTax == Dollars(4075) && Work().SSWages == Dollars(176100));
  TypeAndLeave(Widget<QLineEdit>(screen, "Edit12a_code"), "dd");
  EXPECT_TRUE(Work().Box12[0].Code == 'D' && Work().Box12[0].Code2 == 'D');
  const std::array<TFrameBox12Item*, 4> rows = screen.Box12Dialog().Items();
  const std::string lineAA = Box12CodeLinesOfYear(2025)[22];
  screen.ExecDialog = [&](QDialog&) {
    EXPECT_EQ(rows[0]->ComboBox1->count(), 30);
    EXPECT_EQ(rows[0]->ComboBox1->currentText(), "DD Cost of employer-sponsored health coverage");
    rows[2]->ComboBox1->setCurrentIndex(
        rows[2]->ComboBox1->findText(QString::fromStdString(lineAA)));
    return static_cast<int>(QDialog::Accepted);
  };
  QTest::mouseClick(Widget<QPushButton>(screen, "BitBtnSetupBox12"), Qt::LeftButton);
  EXPECT_TRUE(Work().Box12[2].Code == 'A' && Work().Box12[2].Code2 == 'A' &&
              Shown(Widget<QLineEdit>(screen, "Edit12c_code")) == "AA");
  EXPECT_TRUE(boxes.Shown().empty());
}

// Opened, edited and saved under the rules of 2001, a record holds exactly
// what those rules make of it: the byte after a box 12 code stays as the
// file had it, a code field takes one character, box 6 is 1.45 % only.
TEST_F(W2ScreenTest, A2001FileComesOutAsTheRulesOf2001MakeIt) {
  ASSERT_TRUE(file->GoFirst());
  file->WorkRec.w2.Box12[0].Code2 = 'Q';
  file->WorkRec.w2.Box12[1] = {'D', 'X', {}, Dollars(5)};
  file->WorkRec.w2.Unused559[0] = 0x5A;
  ASSERT_TRUE(file->SaveCurrent(false));
  const std::size_t at = static_cast<std::size_t>(file->RecPos());
  const std::string path = dir.File("acme.qmr");
  TRecordBuffer expected = RecordOnDisk(path, static_cast<int>(at / kRecSize));

  TFormW2& screen = Open();
  TypeAndLeave(Widget<QLineEdit>(screen, "MaskEditSocSecNum"), "123456780");
  TypeAndLeave(Widget<QLineEdit>(screen, "EditWages"), "250000");
  TypeAndLeave(Widget<QLineEdit>(screen, "Edit12a_code"), "e");
  TypeAndLeave(Widget<QLineEdit>(screen, "Edit12b_code"), "DD");
  EXPECT_EQ(Shown(Widget<QLineEdit>(screen, "Edit12b_code")), "D");
  boxes.Answer(MsgYes);  // save the employee
  screen.reject();

  W2Record& w2 = expected.w2;
  w2.SocSecNum = "123-45-6780";
  w2.Wages = w2.MedWage = w2.ST1StateWage = w2.ST1LocalWage = Dollars(250000);
  w2.SSWages = Dollars(80400), w2.SSTax = Dollars(4984.80), w2.MedTax = Dollars(3625);
  w2.Box12[0].Code = 'E';
  const std::string saved = FileBytes(path);
  std::memcpy(&w2.LastSaved, saved.data() + at, sizeof w2.LastSaved);
  EXPECT_EQ(std::memcmp(saved.data() + at, expected.bytes, kRecSize), 0);
}

}  // namespace

namespace {

// 2026: the SSN in box a, box 9 greyed, the suffix, and the two box 14b
// fields whose codes are typed or searched by title and checked on leaving.
TEST_F(W2ScreenTest, TaxYear2026TipCodesAreSearchedStoredAndChecked) {
  SetEmployer(2026, "", "");
  AddEmployee("123-45-6780", "Tom", "Waiter", Dollars(30000));
  Work().ST1State = "NY";  // box 15 follows 14b in the tab order
  ASSERT_TRUE(file->SaveCurrent(false));
  TFormW2& screen = Open();
  EXPECT_LT(Widget<QLineEdit>(screen, "MaskEditSocSecNum")->y(),
            Widget<QLineEdit>(screen, "EditControlNum")->y());
  EXPECT_FALSE(Widget<QLineEdit>(screen, "EditAdvEIC")->isEnabled());
  TypeAndLeave(Widget<QLineEdit>(screen, "EditSuffix"), "JR");
  EXPECT_EQ(Work().Suffix.Str(), "JR");
  TypeAndLeave(Widget<QLineEdit>(screen, "Edit12a_code"), "tp");
  TypeAndLeave(Widget<QLineEdit>(screen, "Edit12a_amount"), "5000");
  QComboBox* first = Widget<QComboBox>(screen, "ComboBoxTipCode1");
  QComboBox* second = Widget<QComboBox>(screen, "ComboBoxTipCode2");
  EXPECT_EQ(first->count(), 72);
  boxes.Answer(MsgOk);
  Visit(first);
  EXPECT_EQ(QApplication::focusWidget(), first);  // refused: TP needs a code
  TypeAndLeave(first, "bartend");
  EXPECT_EQ(Work().TipCodes[0].Str(), "101");
  EXPECT_EQ(Shown(first), "101 Bartenders");
  boxes.Answer(MsgOk);
  TypeAndLeave(second, "101");
  boxes.Answer(MsgOk);
  TypeAndLeave(second, "gambling");  // four titles: the user must pick one
  EXPECT_EQ(QApplication::focusWidget(), second);
  TypeAndLeave(second, "000");
  EXPECT_EQ(Work().TipCodes[1].Str(), "000");
  EXPECT_EQ(boxes.Texts(),
            (Texts{"Box 14b needs a tipped occupation code when box 12 has code TP.",
                   "Box 14b holds code 101 twice; one is enough.",
                   "Box 14b takes a three-digit tipped occupation code: \"gambling\" is none. Type "
                   "the code, or part of an occupation's title and pick it from the list."}));
  EXPECT_EQ(boxes.Shown()[1].icon, MsgIcon::Information);
}

// A 2025 employee visited field by field and left unchanged is not written:
// the file stays byte for byte what it was. There is no box 14b before 2026.
TEST_F(W2ScreenTest, A2025EmployeeVisitedAndLeftUnchangedStaysByteForByte) {
  SetEmployer(2025, "", "");
  AddEmployee("123-45-6780", "Ann", "Lee", Dollars(1234.5));
  const std::string before = FileBytes(dir.File("acme.qmr"));
  TFormW2& screen = Open();
  EXPECT_EQ(screen.findChild<QComboBox*>(QStringLiteral("ComboBoxTipCode1")), nullptr);
  for (const char* name : {"MaskEditSocSecNum", "EditFirstNameInitial", "EditLastName",
                           "EditSuffix", "EditWages", "Edit12a_code", "Edit14a_label"})
    Visit(Widget<QWidget>(screen, name));
  screen.reject();
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(FileBytes(dir.File("acme.qmr")), before);
}

}  // namespace
