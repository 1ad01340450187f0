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
