// The W-2, W-3 and label print runs on the recording printer: margins and
// their persistence, the line-up loop, sheets, and where each text lands.

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <map>

#include "data/QuillmarFormFile.h"
#include "platform/RecordingPrinter.h"
#include "platform/ScriptedPrintDialogs.h"
#include "print/LabelPrint.h"
#include "print/W2Print.h"
#include "print/W3Print.h"
#include "settings/QuillmarRegistry.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempDir.h"

namespace {

struct ScriptedSetUp final : IFormSetUpDialog {
  std::deque<bool> lineUps;  // one OK per entry, with the sample box as given; then Cancel
  std::vector<FormSetUpValues> shown;
  bool Execute(FormSetUpValues& values) override {
    shown.push_back(values);
    if (lineUps.empty()) return false;
    values.lineUpRequired = lineUps.front();
    lineUps.pop_front();
    return true;
  }
};

// 600 dpi; the text's grid position from the top-left margin corner.
constexpr int kDpi = 600;
int X(int col) { return (col - 1) * kDpi / 10; }
int Y(int line) { return (line - 1) * kDpi / 6; }

std::map<std::string, std::pair<int, int>> At(const RecordedPage& page) {
  std::map<std::string, std::pair<int, int>> at;
  for (const RecordedText& t : page.texts) at.emplace(t.text, std::pair{t.x, t.y});
  return at;
}

class FormPrintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    file = TQuillmarFormFile::Create(dir.File("acme.qmr"));
    W3Record& w3 = file->W3Rec.w3;
    w3.EmployerName = "ACME TOOL CO", w3.Street = "1 MAIN ST", w3.Town = "SPRINGFIELD";
    w3.State = "IL", w3.Zip = "62701";
    printerDialog.otherwise = true;
  }
  // A W-2 saved to the file; `edit` fills its boxes.
  void Add(const std::string& last, bool isVoid = false,
           const std::function<void(W2Record&)>& edit = {}) {
    ASSERT_TRUE(file->AddNew(kRecTypeW2));
    W2Record& w2 = file->WorkRec.w2;
    w2.SocSecNum = "123-45-" + std::to_string(1000 + serial++);
    w2.FirstName = "PAT", w2.LastName = last, w2.StreetPOB = "1 ELM", w2.City = "SPRINGFIELD";
    w2.AddrState = "IL", w2.Zip = "62701", w2.Wages = 1000000, w2.Void = isVoid;
    if (edit) edit(w2);
    ASSERT_TRUE(file->SaveCurrent(false));
  }
  void PrintW2s() { PrintAllW2s(*file, registry, printer, {setUp, printerDialog, fontDialog}); }
  // One W-2 through the real run with the sample skipped.
  RecordedPage OneW2(const std::function<void(W2Record&)>& edit) {
    Add("ONE", false, edit);
    setUp.lineUps = {false};
    PrintW2s();
    return printer.Pages().at(0);
  }

  TempDir dir;
  ScriptedMessageBoxes boxes;
  TQuillmarRegistry registry{dir.Path()};
  std::unique_ptr<TQuillmarFormFile> file;
  RecordingPrinter printer;  // quarter-inch border: Top 50 is 150 px, Left 25 is 0 px
  ScriptedSetUp setUp;
  ScriptedPrinterSetupDialog printerDialog;
  ScriptedFontDialog fontDialog;
  int serial = 0;
};

TEST_F(FormPrintTest, FirstRunStoresTheMarginsLearnedFromThePrinter) {
  // Strips of 0.17 inch at the top and 0.25 inch at the left.
  printer.SetCaps({kDpi, kDpi, 4800, 6396, 5100, 6600, 150, 102});
  setUp.lineUps = {false};
  PrintW2s();
  EXPECT_EQ(MarginsOf(setUp.shown.at(0)), (FormMargins{50, 25, 25, 25}));
  EXPECT_EQ(registry.ReadFormMargins(FormKind::W2), (FormMargins{50, 17, 25, 25}));
  EXPECT_FALSE(registry.ReadFormMargins(FormKind::W3).Stored());
  // The next run opens on them.
  setUp.lineUps = {};
  PrintW2s();
  EXPECT_EQ(setUp.shown.back().top.minimum, 17);
  // Stored values come within the design range before the minimum drops.
  registry.WriteFormMargins(FormKind::W3, {10, 8, 80, 20});
  FormSetUpValues values;
  LoadMargins(registry, FormKind::W3, values);
  EXPECT_EQ(MarginsOf(values), (FormMargins{25, 8, 75, 20}));
}

TEST_F(FormPrintTest, ThreeSamplesAskForThePrinterOnceAndCancelSavesNothing) {
  Add("ONE");
  setUp.lineUps = {true, true, true, false};
  PrintW2s();
  EXPECT_EQ(printer.Documents().size(), 4u);
  EXPECT_EQ(printerDialog.Shown(), 1);
  // A sample sheet: the sample on top and at the bottom, the real employer.
  std::vector<std::pair<std::string, int>> lines;
  for (const RecordedText& t : printer.Documents().at(0).pages.at(0).texts) {
    if (t.text == "999-99-9999" || t.text == "ACME TOOL CO") lines.emplace_back(t.text, t.y);
  }
  EXPECT_EQ(lines, (std::vector<std::pair<std::string, int>>{{"ACME TOOL CO", 150 + Y(5)},
                                                             {"999-99-9999", 150 + Y(11)},
                                                             {"ACME TOOL CO", 150 + Y(5 + 33)},
                                                             {"999-99-9999", 150 + Y(11 + 33)}}));
  EXPECT_EQ(printer.Documents().at(3).title, "Quillmar ACME TOOL CO");

  const TempDir other;
  TQuillmarRegistry fresh(other.Path());
  setUp.lineUps = {true};  // a sample, then Cancel
  PrintAllW2s(*file, fresh, printer, {setUp, printerDialog, fontDialog});
  EXPECT_EQ(printer.Documents().size(), 5u);
  EXPECT_FALSE(fresh.ReadFormMargins(FormKind::W2).Stored());
}

TEST_F(FormPrintTest, SheetsHoldTwoFormsAndNoEmptySheetFollowsTrailingVoids) {
  for (const char* name : {"ADAMS", "CARTER", "BAKER"}) Add(name);
  Add("YOUNG", true);
  Add("ZEBB", true);
  setUp.lineUps = {false};
  PrintW2s();
  ASSERT_EQ(printer.Pages().size(), 2u);
  const auto sheet1 = At(printer.Pages()[0]), sheet2 = At(printer.Pages()[1]);
  EXPECT_EQ(sheet1.at("ADAMS").second, 150 + Y(13));
  EXPECT_EQ(sheet1.at("BAKER").second, 150 + Y(13 + 33));
  EXPECT_EQ(sheet2.at("CARTER"), (std::pair{X(21), 150 + Y(13)}));
  EXPECT_FALSE(sheet2.contains("YOUNG"));
}

TEST_F(FormPrintTest, AmountCellsLeaveTinyAndNegativeAmountsBlank) {
  const RecordedPage page = OneW2([](W2Record& w2) {
    w2.Wages = 0, w2.FedTax = -120000, w2.SSWages = 40, w2.SSTax = 100, w2.MedWage = 12345678000;
  });
  const auto at = At(page);
  EXPECT_EQ(at.at("0.01"), (std::pair{X(65), 150 + Y(5)}));
  EXPECT_EQ(at.at("1234567.80"), (std::pair{X(47), 150 + Y(7)}));
  for (const RecordedText& t : page.texts) EXPECT_NE(t.y, 150 + Y(3)) << t.text;
}

TEST_F(FormPrintTest, NamesAndForeignAddressLines) {
  for (const auto& [country, expected] :
       {std::pair{"UK", "United Kingdom SW1A 1AA"}, {"QQ", "QQ  SW1A 1AA"}}) {
    SCOPED_TRACE(country);
    printer = RecordingPrinter();
    const auto at = At(OneW2([&](W2Record& w2) {
      w2.FirstName = "MARY-ELIZABETH", w2.MiddleInitial = "ANNE", w2.Zip = "";
      w2.AddrState = "LONDON", w2.PostCode = "SW1A 1AA", w2.Country = country;
    }));
    EXPECT_EQ(at.at("MARY-ELIZABETH AN"), (std::pair{X(2), 150 + Y(13)}));
    EXPECT_EQ(at.at("LONDON"), (std::pair{X(2), 150 + Y(17)}));
    EXPECT_EQ(at.at(expected), (std::pair{X(2), 150 + Y(18)}));
  }
}

// Box 12 prints the code as the file's year reads it: both letters of a
// two-letter code from 2006, the first byte alone before. A control number
// of 0 prints nothing.
TEST_F(FormPrintTest, BoxTwelveCodeOfTheYearAndNoControlNumberZero) {
  for (const auto& [year, code] : {std::pair{2024, "DD"}, {2005, "D"}}) {
    SCOPED_TRACE(year);
    printer = RecordingPrinter();
    file->W3Rec.w3.TaxYear = year;
    const RecordedPage page = OneW2([](W2Record& w2) {
      w2.ControlNum = 0;
      w2.Box12[0].Code = 'D', w2.Box12[0].Code2 = 'D', w2.Box12[0].Amount = 50000;
      w2.Box12[1].Code = ' ', w2.Box12[1].Amount = 0;
    });
    const auto at = At(page);
    EXPECT_EQ(at.at(code), (std::pair{X(65), 150 + Y(13)}));
    for (const RecordedText& t : page.texts) {
      EXPECT_NE(t.text, "0");
      // On line 15 only the street: box 12b unused, box 13 unchecked.
      if (t.y == 150 + Y(15)) {
        EXPECT_LT(t.x, X(46)) << t.text;
      }
    }
  }
}

TEST_F(FormPrintTest, ShortRecordIsReportedAndSkipped) {
  Add("ADAMS");
  ASSERT_EQ(file->RecPos(), 1280);
  std::filesystem::resize_file(dir.File("acme.qmr"), 1280 + 100);
  boxes.Answer(MsgOk);
  setUp.lineUps = {false};
  PrintW2s();
  EXPECT_EQ(boxes.Texts(),
            std::vector<std::string>{
                "File READ error in 640 byte record beginning 1280 bytes from start of file when "
                "trying to print W-2 form for ADAMS, PAT No W-2 form can be printed for that "
                "employee."});
  EXPECT_TRUE(printer.Pages().at(0).texts.empty());
}

TEST_F(FormPrintTest, W3MarksAddressShiftAndPhoneParts) {
  W3Record& w3 = file->W3Rec.w3;
  w3.KindOfPayer = 4, w3.TPSickPayKind = 1, w3.Phone = "(555)123-4567", w3.Fax = "555-1234";
  setUp.lineUps = {true, false};
  PrintW3(*file, registry, printer, {setUp, printerDialog, fontDialog});
  ASSERT_EQ(printer.Documents().size(), 2u);
  EXPECT_EQ(printer.Documents()[1].title, "W-3 Form ACME TOOL CO");
  std::multimap<std::pair<int, int>, std::string> grid;
  for (const RecordedText& t : printer.Pages().at(0).texts) {
    grid.emplace(std::pair{t.x / 60 + 1, (t.y - 150) / 100 + 1}, t.text);
  }
  // clang-format off
  const std::multimap<std::pair<int, int>, std::string> expected{
      {{20, 5}, "X"}, {{31, 5}, "X"}, {{1, 7}, "0"}, {{1, 11}, "ACME TOOL CO"},
      {{1, 13}, "1 MAIN ST"}, {{1, 14}, "SPRINGFIELD"}, {{1, 15}, "IL 62701"}, {{38, 25}, "555"},
      {{43, 25}, "123"}, {{47, 25}, "4567"}, {{43, 27}, "555"}, {{47, 27}, "1234"}};
  // clang-format on
  EXPECT_EQ(grid, expected);

  w3.Suite = "SUITE 9", w3.Phone = "12-34";
  printer = RecordingPrinter();
  {
    TPrintReport report(printer, nullptr, nullptr, "t", 50, 25, 25, 25, true, true, true);
    PrintW3Form(report, w3);
  }
  const auto at = At(printer.Pages().at(0));
  EXPECT_EQ(at.at("SUITE 9").second, 150 + Y(13));
  EXPECT_EQ(at.at("IL 62701").second, 150 + Y(16));
  EXPECT_FALSE(at.contains("12"));
}

TEST_F(FormPrintTest, LabelSheetsFillAndOverflow) {
  struct Case {
    int style, employees, sheets, lastCol, lastLine;
  };
  for (const Case& c : {Case{0, 21, 2, 2, 2}, Case{1, 14, 1, 44, 3 + 6 * 8}}) {
    SCOPED_TRACE(c.style);
    file = TQuillmarFormFile::Create(dir.File("labels" + std::to_string(c.style) + ".qmr"));
    for (int i = 0; i < c.employees; ++i) Add("N" + std::to_string(100 + i));
    Add("ZZVOID", true);
    printer = RecordingPrinter();
    printerDialog.Answer(true);
    fontDialog.Answer(true);
    PrintEmployeeLabels(*file, printer, printerDialog, fontDialog, c.style);
    ASSERT_EQ(printer.Pages().size(), std::size_t(c.sheets));
    const int top = MarginToDevice(kLabelStyles[std::size_t(c.style)].topBottomMargin, kDpi, 150);
    // The last label's name line ("PAT", no middle initial), before street, city and state.
    const std::vector<RecordedText>& texts = printer.Pages().back().texts;
    EXPECT_EQ(texts.at(texts.size() - 4).text, "PAT  N" + std::to_string(99 + c.employees));
    EXPECT_EQ(At(printer.Pages().back()).at("PAT  N" + std::to_string(99 + c.employees)),
              (std::pair{X(c.lastCol), top + Y(c.lastLine)}));
  }
}

}  // namespace

namespace {

// A W-2 with only an address (no SSN, no name, no amount) after ADAMS: no
// form and no label; "1 ELM" is printed once, for ADAMS.
TEST_F(FormPrintTest, BlankW2IsNoFormAndNoLabel) {
  Add("ADAMS");
  Add("", false, [](W2Record& w2) { w2.SocSecNum = "", w2.FirstName = "", w2.Wages = 0; });
  const auto streets = [&] {
    EXPECT_EQ(printer.Pages().size(), 1u);
    return std::count_if(printer.Pages()[0].texts.begin(), printer.Pages()[0].texts.end(),
                         [](const RecordedText& t) { return t.text == "1 ELM"; });
  };
  setUp.lineUps = {false};
  PrintW2s();
  EXPECT_EQ(streets(), 1);
  printer = RecordingPrinter();
  printerDialog.Answer(true);
  fontDialog.Answer(true);
  PrintEmployeeLabels(*file, printer, printerDialog, fontDialog, 0);
  EXPECT_EQ(streets(), 1);
}

}  // namespace
