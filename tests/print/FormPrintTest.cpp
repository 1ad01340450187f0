// The W-2, W-3 and label print runs on the recording printer: margins and
// their persistence, the line-up loop, sheets, and where each text lands.

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <map>

#include "data/QuillmarFormFile.h"
#include "forms/W2Geometry.h"
#include "forms/W3PlainPaper.h"
#include "platform/MulDiv.h"
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

// The label dialog: always the first size from its first label.
struct LabelDialog final : ILabelStyleDialog {
  std::optional<LabelChoice> Execute() override { return LabelChoice{}; }
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
    w3.TaxYear = 2001;  // the 2001 form's grid; later forms are tested on their geometry
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
  for (const auto& [year, code] : {std::pair{2005, "D"}}) {
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

TEST(SpinValueFromText, TakesTheNumberWithinRangeAndTheMinimumForAnyOtherText) {
  struct Case {
    const char* name;
    const char* text;
    int decimals;
    std::int32_t want;
  };
  // Margins 25..150; scale 90.0..110.0 % in tenths.
  // clang-format off
  const Case cases[] = {
      {"within", " 40 ", 0, 40}, {"below", "10", 0, 25}, {"above", "999", 0, 150},
      {"letters", "5o", 0, 25}, {"empty", "", 0, 25}, {"huge", "123456789012345", 0, 150},
      {"tenths", "99.5", 1, 995}, {"whole", "101", 1, 1010}, {"too many decimals", "100.25", 1, 900}};
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.decimals == 0 ? SpinValueFromText(c.text, 25, 150)
                              : SpinValueFromText(c.text, 900, 1100, 1),
              c.want);
  }
}

TEST_F(FormPrintTest, StoredMarginsAndScaleOutsideTheirRangesAreBroughtWithin) {
  // Damaged: a negative minimum, a minimum above the maximum.
  registry.WriteFormMargins(FormKind::W2, {500, -3, 10, 90});
  registry.WriteFormScale(FormKind::W2, {1200, 0});
  FormSetUpValues values;
  LoadMargins(registry, FormKind::W2, values);
  EXPECT_EQ(MarginsOf(values), (FormMargins{150, 0, 75, 75}));
  EXPECT_EQ(values.scaleX.value, 1100);
  EXPECT_EQ(values.scaleY.value, 1000);  // never stored: 100.0%
}

TEST_F(FormPrintTest, ScaleCorrectionStretchesTheGridAndTheSampleSaysSo) {
  Add("ONE");
  registry.WriteFormMargins(FormKind::W2, {50, 25, 25, 25});
  registry.WriteFormScale(FormKind::W2, {1010, 990});
  setUp.lineUps = {true, false};
  PrintW2s();
  // Box 1 at column 47, line 3 of the grid, stretched from the margin corner.
  const auto sample = At(printer.Documents()[0].pages.at(0));
  const auto real = At(printer.Pages().at(0));
  const std::pair box1{MulDiv(kDpi, 46 * 1010, 10000), 150 + MulDiv(kDpi, 2 * 990, 6000)};
  EXPECT_EQ(real.at("100.00"), box1);
  EXPECT_EQ(sample.at("Line-up sample: top 0.50 in, left 0.25 in, scale across 101.0%, down "
                      "99.0%"),
            (std::pair{0, 150 + MulDiv(kDpi, 29 * 990, 6000)}));
  EXPECT_EQ(registry.ReadFormScale(FormKind::W2), (FormScale{1010, 990}));
  // The current form's cells stretch the same way: box 1's amount ends 1% further right.
  file->W3Rec.w3.TaxYear = 2025;
  const auto endOfBox1 = [&](FormScale scale) {
    registry.WriteFormScale(FormKind::W2, scale);
    setUp.lineUps = {false};
    PrintW2s();
    const RecordedText& t =
        *std::find_if(printer.Pages().back().texts.begin(), printer.Pages().back().texts.end(),
                      [](const RecordedText& text) { return text.text == "100.00"; });
    return std::pair{t.x + printer.TextWidth(t.text), t.y - 150};
  };
  const auto plain = endOfBox1({1000, 1000}), stretched = endOfBox1({1010, 990});
  EXPECT_NEAR(stretched.first, plain.first * 1.01, 2);
  EXPECT_NEAR(stretched.second, plain.second * 0.99, 2);
}

TEST_F(FormPrintTest, EmployerSuiteAndStreetAreCutLikeTheEmployees) {
  file->W3Rec.w3.Suite = "SUITE 1200 NORTH TOWER", file->W3Rec.w3.Street = "12345 INDUSTRIAL PKWY";
  EXPECT_TRUE(At(OneW2({})).contains("SUITE 1200 NORTH TOWER, 12345 INDUSTRIAL PK"));  // 43
}

TEST_F(FormPrintTest, LabelsStartAtTheChosenLabelAndCutEachLineAtTheLabelsEdge) {
  struct Case {
    const char* name;
    int style;
    LabelStart start;
    int col, line;  // of the first label
    std::size_t sheets;
  };
  const Case cases[] = {
      {"row 3, right", 0, {3, 2}, kLabelRightColumn, 2 + 2 * 6, 1},
      {"last label: the second starts a sheet", 3, {5, 2}, kLabelRightColumn, 4 + 4 * 12, 2},
      {"beyond the sheet: its last row", 1, {9, 1}, kLabelLeftColumn, 3 + 6 * 8, 1},
  };
  Add(std::string(20, 'W'));  // 25 characters of 0.2 inch: 19 fit into 3.8 inches
  Add("ZZ");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    printer = RecordingPrinter();
    printerDialog.Answer(true);
    fontDialog.Answer(true, PrinterFont{.name = "Courier New", .size = 10});
    printer.charWidth = 120;
    PrintEmployeeLabels(*file, printer, printerDialog, fontDialog, c.style, c.start);
    const int top = MarginToDevice(kLabelStyles[std::size_t(c.style)].topBottomMargin, kDpi, 150);
    const RecordedText& first = printer.Pages().at(0).texts.at(0);
    EXPECT_EQ(first.text, "PAT  " + std::string(14, 'W'));
    EXPECT_EQ((std::pair{first.x, first.y}), (std::pair{X(c.col), top + Y(c.line)}));
    EXPECT_EQ(printer.Pages().size(), c.sheets);
  }
}

TEST_F(FormPrintTest, LabelFontTallerThanALineIsRefusedAndTheLastFontIsKept) {
  Add("ONE");
  LabelDialog styles;
  boxes.Answer(MsgOk);
  printerDialog.Answer(true);
  fontDialog
      .Answer(true, PrinterFont{.name = "Liberation Sans", .size = 11})   // a 12-point line
      .Answer(true, PrinterFont{.name = "Liberation Sans", .size = 12});  // 14: refused
  PrintMailingLabels(*file, printer, styles, printerDialog, fontDialog, registry);
  // The first font dialog opens on Liberation Serif; its first choice fits.
  ASSERT_EQ(fontDialog.Offered().size(), 1u);
  EXPECT_EQ(fontDialog.Offered()[0].first, FirstPrintFont());
  EXPECT_EQ(printer.Pages().at(0).texts.at(0).font.size, 11);
  // The next run opens on it; 12 points is refused with a message, then Cancel prints nothing.
  printerDialog.Answer(true);
  PrintMailingLabels(*file, printer, styles, printerDialog, fontDialog, registry);
  ASSERT_EQ(fontDialog.Offered().size(), 3u);
  EXPECT_EQ(fontDialog.Offered()[1].first.size, 11);
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{
                               "The font \"Liberation Sans\" at 12 points is taller than a label "
                               "line of 1/6 inch. Choose a font of at most 12 points (10 points "
                               "for most fonts)."});
  EXPECT_EQ(printer.Documents().size(), 1u);
  EXPECT_EQ(registry.ReadPrintFont(kLabelFontItem)->size, 11);
}

TEST_F(FormPrintTest, PreviewRunsTheSameJobAndCancelStopsTheBatch) {
  for (const char* name : {"A", "B", "C", "D", "E"}) Add(name);
  ScriptedPrintPreview preview;
  ScriptedProgress progress;
  progress.cancelAt = 3;
  setUp.lineUps = {false};
  PrintAllW2s(*file, registry, printer, {setUp, printerDialog, fontDialog, &preview, &progress});
  EXPECT_EQ(preview.Shown(), 1);
  EXPECT_EQ(progress.Runs().at(0), (std::pair<std::string, int>{"Printing the W-2 forms...", 5}));
  EXPECT_EQ(progress.Finished(), 1);
  // Cancel at the third record: the two before it print, on one sheet.
  const std::vector<std::string> texts = printer.Texts();
  for (const char* name : {"A", "B", "C"})
    EXPECT_EQ(std::count(texts.begin(), texts.end(), name), name[0] < 'C');
  EXPECT_EQ(printer.Pages().size(), 1u);
  EXPECT_TRUE(printer.Documents().back().ended);
}

}  // namespace

// Each value of a 2001, a 2025 and a 2026 W-2 lands in its box of that year's
// form: from 2007 box a holds the SSN and box d the control number, box 12
// codes print whole ("DD", not "D"), box 9 stays empty from 2011, and 2026
// has the suffix in box e and the two box 14b codes.
TEST_F(FormPrintTest, EveryValueLandsInItsBoxOfTheYearsForm) {
  struct Value {
    W2Field field;
    const char* text;
    W2Box box2001;
    W2CurrentBox boxNow;
  };
  using enum W2CurrentBox;
  // clang-format off
  const Value values[] = {
      {W2Field::SocSecNum, "123-45-", W2Box::D, A},  // and the year
      {W2Field::ControlNum, "77", W2Box::A, D},
      {W2Field::EmployerEIN, "36-1234567", W2Box::B, B},
      {W2Field::FirstName, "PAT Q", W2Box::E, E},
      {W2Field::LastName, "ONE", W2Box::E, E},
      {W2Field::Wages, "30000.00", W2Box::B1, B1},
      {W2Field::FedTax, "2222.00", W2Box::B2, B2},
      {W2Field::SSTips, "777.00", W2Box::B7, B7},
      {W2Field::DepCare, "1010.00", W2Box::B10, B10},
      {W2Field::Box12aCode, "DD", W2Box::B12a, B12a},
      {W2Field::Box12aAmount, "6250.00", W2Box::B12a, B12a},
      {W2Field::Box12bAmount, "800.00", W2Box::B12b, B12b},
      {W2Field::StatEmpl, "X", W2Box::B13Stat, B13},
      {W2Field::Box14aLabel, "UNION", W2Box::B14, B14},
      {W2Field::Box14aAmount, "120.00", W2Box::B14, B14},
      {W2Field::ST1StateWage, "29000.00", W2Box::B16L1, B16L1},
      {W2Field::ST2LocName, "CHI", W2Box::B20L2, B20L2},
  };
  // clang-format on
  for (const int year : {2001, 2025, 2026}) {
    SCOPED_TRACE(year);
    printer = RecordingPrinter();
    file->W3Rec.w3.TaxYear = year;
    file->W3Rec.w3.EmployerEIN = "36-1234567";
    const RecordedPage page = OneW2([year](W2Record& w2) {
      w2.SocSecNum = "123-45-" + std::to_string(year), w2.ControlNum = 77, w2.MiddleInitial = "Q";
      w2.Wages = 300000000, w2.FedTax = 22220000, w2.SSTips = 7770000, w2.DepCare = 10100000;
      w2.AdvEIC = 9990000;
      w2.Box12[0] = {'D', 'D', {}, 62500000};
      w2.Box12[1] = {year == 2026 ? 'T' : 'E', year == 2026 ? 'P' : '\0', {}, 8000000};
      w2.StatEmpl = 1, w2.Box14aLabel = "UNION", w2.Box14aAmount = 1200000;
      w2.ST1StateWage = 290000000, w2.ST2LocName = "CHI", w2.Suffix = "JR";
      w2.TipCodes[0] = "101", w2.TipCodes[1] = "000";
    });
    const auto at = At(page);
    const auto inside = [&](const std::string& text, const GridRect& box) {
      ASSERT_TRUE(at.contains(text)) << text;
      const auto [x, y] = at.at(text);
      EXPECT_GE(x, (box.col - 1) * kDpi / 10) << text;
      EXPECT_LE(x, (box.col + box.cols - 1) * kDpi / 10) << text;
      EXPECT_GE(y, 150 + (box.line - 1) * kDpi / 6) << text;
      EXPECT_LT(y, 150 + (box.line + box.lines - 1) * kDpi / 6) << text;
    };
    const W2FormGeometry& form = W2GeometryForYear(year);
    const auto now = [&form](W2CurrentBox b) {
      return form.boxes[static_cast<std::size_t>(b)].rect;
    };
    for (const Value& v : values) {
      std::string text = v.text;
      if (v.field == W2Field::SocSecNum) text += std::to_string(year);
      if (year == 2001 && v.field == W2Field::Box12aCode) text = "D";  // one letter in 2001
      inside(text, year == 2001 ? *W2BoxRect(v.box2001) : now(v.boxNow));
    }
    EXPECT_EQ(at.contains("999.00"), year == 2001);  // box 9 only on the old form
    if (year == 2026) {
      inside("TP", now(B12b));
      inside("JR", now(E));
      inside("101", now(B14b));
      inside("000", now(B14b));
      EXPECT_LT(at.at("101").first, at.at("000").first);
    } else {
      EXPECT_FALSE(at.contains("101"));
    }
  }
}

// The W-3 by year: the 2001 grid up to 2006 with the X for 944 from 2006;
// from 2007 the plain-paper W-3's geometry, its corner at the margins, each
// value in its box and X marks in box b (944 in the fourth check box), the
// kind of employer from 2011.
TEST_F(FormPrintTest, W3ByYearValuesInTheirBoxesAndTheMarksOfBoxB) {
  struct Row {
    int year;
    std::vector<std::pair<int, int>> marks;
  };
  for (const Row& row :
       {Row{2005, {}}, Row{2006, {{30, 3}}}, Row{2010, {{31, 3}}}, Row{2011, {{16, 3}, {57, 3}}}}) {
    SCOPED_TRACE(row.year);
    W3Record w3 = file->W3Rec.w3;
    w3.TaxYear = row.year, w3.KindOfPayer = 6, w3.KindOfEmployer = 3, w3.TPSickPayKind = 0;
    w3.TotWages = 555555500;
    printer = RecordingPrinter();
    {
      TPrintReport report(printer, nullptr, nullptr, "t", 50, 25, 25, 25, true, true, true);
      PrintW3Form(report, w3);
    }
    std::vector<std::pair<int, int>> marks;
    for (const RecordedText& t : printer.Pages().at(0).texts)
      if (t.text == "X") marks.emplace_back(t.x / 60 + 1, (t.y - 150) / 100 + 1);
    EXPECT_EQ(marks, row.marks);
    if (row.year < 2011) continue;
    const auto at = At(printer.Pages().at(0));
    const PlainW3Layout& layout = PlainW3LayoutForYear(row.year);
    for (const auto& [text, caption] : {std::pair{"55555.55", "1 Wages, tips, other compensation"},
                                        {"ACME TOOL CO", "f Employer's name"},
                                        {"SPRINGFIELD", "g Employer's address and ZIP code"}}) {
      const auto box = std::find_if(layout.boxes.begin(), layout.boxes.end(),
                                    [&](const FormBox& b) { return b.caption == caption; });
      ASSERT_TRUE(box != layout.boxes.end() && at.contains(text)) << text;
      const GridRect& r = box->rect;
      const auto [x, y] = at.at(text);
      EXPECT_TRUE(x >= (r.col - layout.left) * 60 && x < (r.col + r.cols - layout.left) * 60 &&
                  y >= 150 + (r.line - layout.top) * 100 &&
                  y < 150 + (r.line + r.lines - layout.top) * 100)
          << text;
    }
  }
}
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
