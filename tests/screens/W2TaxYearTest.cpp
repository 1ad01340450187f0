// The W-2 screen under the rules of its tax year: today's SSNs, box 12
// codes of two letters and the Additional Medicare Tax in 2025, and a file
// of 2001 that comes out of the screen exactly as the rules of 2001 make it.

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <cstring>
#include <fstream>
#include <iterator>

#include "data/EntryRules.h"
#include "rules/Box12Codes.h"
#include "rules/SumToW3.h"
#include "screens/Box12Frame.h"
#include "screens/DlgW2Box12.h"
#include "tests/screens/W2ScreenFixture.h"

namespace {

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_F(W2ScreenTest, TaxYear2025TakesTodaysSsnsTwoLetterCodesAndTheAdditionalMedicareTax) {
  SetEmployer(2025, "", "");
  TFormW2& screen = Open();
  TypeAndLeave(screen.MaskEditSocSecNum, "800123456");
  EXPECT_EQ(Work().SocSecNum.Str(), "800-12-3456");
  EXPECT_TRUE(boxes.Shown().empty());

  TypeAndLeave(screen.EditWages, "250000");
  EXPECT_EQ(Work().MedTax, Dollars(4075))
      << "1.45 % of 250,000.00 and 0.9 % of the 50,000.00 above 200,000.00";
  EXPECT_EQ(Work().SSWages, Dollars(176100));

  EXPECT_EQ(screen.Edit12a_code->maxLength(), 2);
  TypeAndLeave(screen.Edit12a_code, "dd");
  EXPECT_TRUE(Work().Box12[0].Code == 'D' && Work().Box12[0].Code2 == 'D');
  TypeAndLeave(screen.Edit12b_code, "w");
  EXPECT_TRUE(Work().Box12[1].Code == 'W' && Work().Box12[1].Code2 == 0);

  // The dialog lists the codes of 2025 and pairs the two-letter one.
  const std::array<TFrameBox12Item*, 4> rows = screen.Box12Dialog().Items();
  const std::vector<std::string> lines = Box12CodeLinesOfYear(2025);
  screen.ExecDialog = [&](QDialog&) {
    EXPECT_EQ(rows[0]->ComboBox1->count(), static_cast<int>(lines.size()));
    EXPECT_EQ(rows[0]->ComboBox1->currentText().toStdString(),
              "DD Cost of employer-sponsored health coverage");
    EXPECT_EQ(rows[1]->ComboBox1->currentText().left(2), "W ");
    rows[2]->ComboBox1->setCurrentIndex(
        rows[2]->ComboBox1->findText(QString::fromStdString(lines[22])));
    rows[2]->Edit1->setText("900");
    return static_cast<int>(QDialog::Accepted);
  };
  QTest::mouseClick(screen.BitBtnSetupBox12, Qt::LeftButton);
  EXPECT_EQ(lines[22].substr(0, 3), "AA ");
  EXPECT_TRUE(Work().Box12[2].Code == 'A' && Work().Box12[2].Code2 == 'A');
  EXPECT_EQ(Work().Box12[2].Amount, Dollars(900));
  EXPECT_EQ(Shown(screen.Edit12c_code), "AA");
  EXPECT_TRUE(boxes.Shown().empty());
}

// Opened, edited and saved under the rules of 2001, a record holds exactly
// what those rules make of it: the byte after a box 12 code stays as the
// file had it, a code field takes one character, and box 6 has no
// additional tax.
TEST_F(W2ScreenTest, A2001FileComesOutAsTheRulesOf2001MakeIt) {
  ASSERT_TRUE(file->GoFirst());
  W2Record& blank = file->WorkRec.w2;
  blank.Box12[0].Code2 = 'Q';  // stray bytes after the codes
  blank.Box12[1] = {'D', 'X', {}, Dollars(5)};
  blank.Unused559[0] = 0x5A;
  ASSERT_TRUE(file->SaveCurrent(false));
  const std::int64_t at = file->RecPos();
  const std::string path = dir.File("acme.qmr");
  TRecordBuffer expected{};
  std::memcpy(expected.bytes, FileBytes(path).data() + at, kRecSize);

  TFormW2& screen = Open();
  EXPECT_EQ(screen.Edit12a_code->maxLength(), 1);
  EXPECT_EQ(Shown(screen.Edit12b_code), "D");
  TypeAndLeave(screen.MaskEditSocSecNum, "123456780");
  TypeAndLeave(screen.EditWages, "250000");
  TypeAndLeave(screen.Edit12a_code, "e");
  TypeAndLeave(screen.Edit12b_code, "DD");
  EXPECT_EQ(Shown(screen.Edit12b_code), "D") << "one character only";
  EXPECT_TRUE(boxes.Shown().empty());
  boxes.Answer(MsgYes);  // save the employee
  screen.reject();

  W2Record& w2 = expected.w2;
  w2.SocSecNum = "123-45-6780";
  w2.Wages = w2.MedWage = w2.ST1StateWage = w2.ST1LocalWage = Dollars(250000);
  w2.SSWages = Dollars(80400);
  w2.SSTax = 49848000;   // 4,984.80
  w2.MedTax = 36250000;  // 3,625.00: 1.45 % only
  w2.Box12[0].Code = 'E';
  const std::string saved = FileBytes(path);
  std::memcpy(&w2.LastSaved, saved.data() + at, sizeof w2.LastSaved);
  EXPECT_EQ(std::memcmp(saved.data() + at, expected.bytes, kRecSize), 0);

  // The totals read the codes of 2001: E and D, never a second letter.
  SumToW3(*file);
  EXPECT_EQ(file->W3Rec.w3.TotDefComp, Dollars(5));
  EXPECT_EQ(file->W3Rec.w3.TotMedTax, 36250000);
}

}  // namespace
