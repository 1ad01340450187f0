// The W-2 employee copies and the W-3 drawn on plain paper, on the recording
// device: every box with its caption and its value inside it, two forms to a
// sheet, the copies' titles, long texts cut at their box.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>

#include "data/Currency.h"
#include "forms/W3PlainPaper.h"
#include "platform/RecordingPrinter.h"
#include "print/PlainPaperW2.h"
#include "rules/KindOfPayer.h"

namespace {

constexpr int kDpi = 600;

template <typename S>
void Set(S& field, const char* text) {
  field = std::string_view(text);
}

W3Record Employer(int taxYear) {
  W3Record w3{};
  w3.TaxYear = taxYear;
  Set(w3.EmployerEIN, "12-3456789");
  Set(w3.EmployerName, "ACME TOOL AND DIE");
  Set(w3.Suite, "UNIT 3");
  Set(w3.Street, "500 MILL RD");
  Set(w3.Town, "DAYTON");
  Set(w3.State, "OH");
  Set(w3.Zip, "45402");
  return w3;
}

// Every item of the W-2 filled, each amount of its own (ten characters, the
// widest a box must take), and what each item must show.
struct Sample {
  W2Record w2{};
  std::map<W2Field, std::string> shown;
};

Sample FullEmployee() {
  Sample s;
  W2Record& w = s.w2;
  w.ControlNum = 4711;
  Set(w.SocSecNum, "123-45-6789");
  Set(w.FirstName, "MARY");
  Set(w.MiddleInitial, "A");
  Set(w.LastName, "SMITH");
  Set(w.Suffix, "JR");
  Set(w.TipCodes[0], "102");
  Set(w.TipCodes[1], "000");
  Set(w.Suite, "FLAT 2");
  Set(w.StreetPOB, "10 DOWNING ST");
  Set(w.City, "LONDON");
  Set(w.AddrState, "WESTMINSTER");
  Set(w.PostCode, "SW1A 2AA");
  Set(w.Country, "UK");
  using enum W2Field;
  s.shown = {{ControlNum, "4711"},
             {SocSecNum, "123-45-6789"},
             {FirstName, "MARY A"},
             {LastName, "SMITH"},
             {Suffix, "JR"},
             {TipCode1, "102"},
             {TipCode2, "000"},
             {Suite, "FLAT 2, 10 DOWNING ST"},
             {City, "LONDON"},
             {AddrState, "WESTMINSTER"},
             {Country, "United Kingdom SW1A 2AA"},
             {EmployerEIN, "12-3456789"},
             {EmployerName, "ACME TOOL AND DIE"},
             {EmployerSuite, "UNIT 3, 500 MILL RD"},
             {EmployerTown, "DAYTON"},
             {EmployerState, "OH  45402"}};
  Currency* amounts[] = {
      &w.Wages,           &w.FedTax,          &w.SSWages,         &w.SSTax,
      &w.MedWage,         &w.MedTax,          &w.SSTips,          &w.AllocTips,
      &w.AdvEIC,          &w.DepCare,         &w.NonQualPlans,    &w.Box12[0].Amount,
      &w.Box12[1].Amount, &w.Box12[2].Amount, &w.Box12[3].Amount, &w.Box14aAmount,
      &w.Box14bAmount,    &w.Box14cAmount,    &w.ST1StateWage,    &w.ST1StateTax,
      &w.ST1LocalWage,    &w.ST1LocalTax,     &w.ST2StateWage,    &w.ST2StateTax,
      &w.ST2LocalWage,    &w.ST2LocalTax};
  const W2Field amountFields[] = {
      Wages,        FedTax,       SSWages,      SSTax,        MedWage,      MedTax,
      SSTips,       AllocTips,    AdvEIC,       DepCare,      NonQualPlans, Box12aAmount,
      Box12bAmount, Box12cAmount, Box12dAmount, Box14aAmount, Box14bAmount, Box14cAmount,
      ST1StateWage, ST1StateTax,  ST1LocalWage, ST1LocalTax,  ST2StateWage, ST2StateTax,
      ST2LocalWage, ST2LocalTax};
  for (int i = 0; i < 26; ++i) {
    *amounts[i] = (1234510 + i) * kCurrencyScale + 8000;  // 12345ii.80
    s.shown[amountFields[i]] = std::to_string(1234510 + i) + ".80";
  }
  // Codes of one letter and of two (the second letter in the byte after it).
  const char* codes[] = {"DD", "C", "AA", "E"};
  const W2Field codeFields[] = {Box12aCode, Box12bCode, Box12cCode, Box12dCode};
  for (int i = 0; i < 4; ++i) {
    std::memcpy(&w.Box12[i], codes[i], std::strlen(codes[i]));
    s.shown[codeFields[i]] = codes[i];
  }
  w.StatEmpl = w.RetirePlan = w.TPSickPay = 1;
  s.shown[StatEmpl] = s.shown[RetirePlan] = s.shown[TPSickPay] = "X";
  Set(w.Box14aLabel, "UNION");
  Set(w.Box14bLabel, "HEALTH");
  Set(w.Box14cLabel, "CASDI");
  Set(w.ST1State, "CA");
  Set(w.ST1StateID, "123456789012345");
  Set(w.ST1LocName, "OAKLND");
  Set(w.ST2State, "NY");
  Set(w.ST2StateID, "987654321");
  Set(w.ST2LocName, "YONKER");
  s.shown.insert({{Box14aLabel, "UNION"},
                  {Box14bLabel, "HEALTH"},
                  {Box14cLabel, "CASDI"},
                  {ST1State, "CA"},
                  {ST1StateID, "123456789012345"},
                  {ST1LocName, "OAKLND"},
                  {ST2State, "NY"},
                  {ST2StateID, "987654321"},
                  {ST2LocName, "YONKER"}});
  return s;
}

// A recorded text lies inside a device rectangle: its cell's top-left
// corner, its right end and its height.
bool Inside(const RecordedText& t, const DeviceRect& r, int charWidth) {
  const int width = charWidth * static_cast<int>(t.text.size());
  const int height = t.font.size * kDpi / 72;
  return t.x >= r.left && t.x + width <= r.right && t.y >= r.top && t.y + height <= r.bottom;
}

int CharWidth(const RecordedText& t) { return t.font.size * 6 * kDpi / 720; }

const RecordedText* FindInside(const RecordedPage& page, const std::string& text,
                               const DeviceRect& r) {
  for (const RecordedText& t : page.texts) {
    if (t.text == text && Inside(t, r, CharWidth(t))) return &t;
  }
  return nullptr;
}

bool Outlined(const RecordedPage& page, const DeviceRect& r) {
  return std::any_of(page.rectangles.begin(), page.rectangles.end(), [&r](const auto& d) {
    return d.left == r.left && d.top == r.top && d.right == r.right && d.bottom == r.bottom;
  });
}

class PlainW2Layouts : public testing::TestWithParam<int> {};

TEST_P(PlainW2Layouts, EveryBoxCarriesItsCaptionAndTheRecordsValueInsideItsRectangle) {
  const int year = GetParam();
  const PlainW2Layout& layout = PlainW2LayoutForYear(year);
  EXPECT_STREQ(layout.name, year <= 2006 ? "2001" : year < 2026 ? "2007" : "2026");
  Sample sample = FullEmployee();
  // The 2001 form has no suffix column, box 9 is empty from 2011, box 14b
  // comes in 2026.
  if (year <= 2006) sample.shown.erase(W2Field::Suffix);
  if (year >= 2011) sample.shown.erase(W2Field::AdvEIC);
  if (year < 2026) sample.shown.erase(W2Field::TipCode1), sample.shown.erase(W2Field::TipCode2);
  // Before 2006 every box 12 code is one letter: the byte after it is not read.
  if (year < 2006) {
    for (const W2Field code : {W2Field::Box12aCode, W2Field::Box12cCode})
      sample.shown[code].resize(1);
  }
  RecordingPrinter printer(RecordingPrinter::LetterCaps(kDpi));
  ASSERT_TRUE(PrintPlainPaperW2s(printer, {sample.w2}, Employer(year), false));
  const RecordedPage& page = printer.Pages().at(0);
  const PlainFormGeometry g(printer.Caps(), layout.left, layout.top, layout.right, 0);

  for (const FormBox& box : layout.boxes) {
    SCOPED_TRACE(box.caption);
    const DeviceRect r = ToDevice(g, box.rect);
    EXPECT_TRUE(Outlined(page, r));
    if (box.caption.empty()) continue;
    const std::string firstLine = box.caption.substr(0, box.caption.find('\n'));
    const RecordedText* caption = FindInside(page, firstLine, r);
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->font.name, "Liberation Sans");
  }
  ASSERT_EQ(layout.items.size(), sample.shown.size());
  for (const PlainW2Item& item : layout.items) {
    const std::string& expected = sample.shown.at(item.field);
    SCOPED_TRACE(expected);
    const DeviceRect box = ToDevice(g, layout.boxes.at(static_cast<std::size_t>(item.box)).rect);
    const RecordedText* text = FindInside(page, expected, box);
    ASSERT_NE(text, nullptr);
    if (item.kind == PlainItemKind::Amount) {
      EXPECT_EQ(text->font.name, "Liberation Mono");
      // Right-aligned: the amount ends where its place ends.
      EXPECT_EQ(text->x + CharWidth(*text) * 10, ToDevice(g, item.rect).right);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Years, PlainW2Layouts, testing::Values(2001, 2006, 2007, 2024, 2026),
                         [](const auto& year) { return "Year" + std::to_string(year.param); });

TEST(PlainPaperW2, TwoFormsToASheetWithACutLineAndEachEmployeeOnSheetsOfTheirOwn) {
  struct Case {
    int employees;
    bool copyD;
    std::size_t sheets;
  };
  for (const Case c : {Case{1, false, 2}, Case{3, false, 6}, Case{2, true, 6}}) {
    SCOPED_TRACE(c.employees);
    RecordingPrinter printer(RecordingPrinter::LetterCaps(kDpi));
    const std::vector<W2Record> employees(static_cast<std::size_t>(c.employees), FullEmployee().w2);
    ASSERT_TRUE(PrintPlainPaperW2s(printer, employees, Employer(2024), c.copyD));
    ASSERT_EQ(printer.Pages().size(), c.sheets);
    EXPECT_TRUE(printer.Documents().back().ended);
    // The copies of one employee, page by page: B and C, then the two Copies 2.
    std::vector<std::vector<std::string>> expected = {{"Copy B", "Copy C"}, {"Copy 2", "Copy 2"}};
    if (c.copyD) expected.push_back({"Copy D"});
    for (std::size_t sheet = 0; sheet < c.sheets; ++sheet) {
      const RecordedPage& page = printer.Pages()[sheet];
      std::vector<std::string> names;
      for (const RecordedText& t : page.texts) {
        if (t.text.rfind("Copy ", 0) == 0) names.push_back(t.text);
      }
      EXPECT_EQ(names, expected[sheet % expected.size()]);
      // The cut line: dashes across the sheet at 5 1/2 inches (the border is a quarter inch).
      int dashes = 0;
      for (const RecordedLine& line : page.lines)
        dashes += line.y1 == 3300 - 150 && line.y2 == 3150;
      EXPECT_GT(dashes, 40);
    }
  }
}

TEST(PlainPaperW2, EveryCopyCarriesTheFormsTitleYearCopyNameAndDepartment) {
  RecordingPrinter printer(RecordingPrinter::LetterCaps(kDpi));
  ASSERT_TRUE(PrintPlainPaperW2s(printer, {FullEmployee().w2}, Employer(2024), true));
  const std::vector<std::pair<std::string, std::string>> copies = {
      {"Copy B", "To Be Filed With Employee's FEDERAL Tax Return"},
      {"Copy C", "For EMPLOYEE'S RECORDS"},
      {"Copy 2", "To Be Filed With Employee's State, City, or Local Income Tax Return"},
      {"Copy 2", "To Be Filed With Employee's State, City, or Local Income Tax Return"},
      {"Copy D", "For Employer"}};
  std::vector<std::string> texts = printer.Texts();
  std::size_t at = 0;
  for (const auto& [name, text] : copies) {
    SCOPED_TRACE(name);
    for (const std::string& expected :
         {std::string("Form W-2 Wage and Tax Statement"), std::string("2024"),
          std::string("Department of the Treasury - Internal Revenue Service"), name, text}) {
      const auto found = std::find(texts.begin() + static_cast<long>(at), texts.end(), expected);
      ASSERT_NE(found, texts.end()) << expected;
      at = static_cast<std::size_t>(found - texts.begin()) + 1;
    }
  }
}

TEST(PlainPaperW2, TextTooLongForItsPlaceIsCutAtItsBox) {
  Sample sample = FullEmployee();
  Set(sample.w2.FirstName, "MARY-ELIZABETHX");
  Set(sample.w2.MiddleInitial, "ANNEMARIEJOSEPH");
  W3Record w3 = Employer(2024);
  Set(w3.EmployerName, "THE VERY LONG NAMED CONSOLIDATED TOOL AND DIE WORKS OF OH");
  for (const int year : {2001, 2024}) {
    SCOPED_TRACE(year);
    w3.TaxYear = year;
    const PlainW2Layout& layout = PlainW2LayoutForYear(year);
    RecordingPrinter printer(RecordingPrinter::LetterCaps(kDpi));
    ASSERT_TRUE(PrintPlainPaperW2s(printer, {sample.w2}, w3, false));
    const PlainFormGeometry g(printer.Caps(), layout.left, layout.top, layout.right, 0);
    const std::pair<W2Field, std::string> longOnes[] = {
        {W2Field::FirstName, "MARY-ELIZABETHX ANNEMARIEJOSEPH"},
        {W2Field::EmployerName, w3.EmployerName.Str()}};
    for (const auto& [field, full] : longOnes) {
      SCOPED_TRACE(full);
      const auto item = std::find_if(layout.items.begin(), layout.items.end(),
                                     [&](const PlainW2Item& i) { return i.field == field; });
      ASSERT_NE(item, layout.items.end());
      const DeviceRect place = ToDevice(g, item->rect);
      const RecordedText* cut = nullptr;
      for (const RecordedText& t : printer.Pages()[0].texts) {
        if (t.x == place.left && t.y == place.top) cut = &t;
      }
      ASSERT_NE(cut, nullptr);
      EXPECT_LT(cut->text.size(), full.size());
      EXPECT_EQ(full.rfind(cut->text, 0), 0u);  // the text's beginning
      const int width = CharWidth(*cut) * static_cast<int>(cut->text.size());
      EXPECT_LE(cut->x + width, place.right);
      EXPECT_GT(cut->x + width + CharWidth(*cut), place.right);  // as much as fits
    }
  }
}

TEST(PlainPaperW2, FileNameOfAnEmployeesCopies) {
  struct Case {
    const char *last, *first;
    int year;
    const char* name;
  };
  for (const Case c :
       {Case{"SMITH", "MARY", 2024, "SMITH MARY W-2 2024.pdf"},
        Case{"O'NEIL", "SEAN", 2006, "O'NEIL SEAN W-2 2006.pdf"},
        Case{"AC/DC", "B*O?B", 2024, "AC_DC B_O_B W-2 2024.pdf"},
        Case{"..", "X:Y", 2024, "_. X_Y W-2 2024.pdf"}, Case{"", "", 2024, "W-2 2024.pdf"},
        // Windows-1252 letters become their UTF-8 form; an undefined byte becomes "_".
        Case{"M\xDCLLER", "J\xFCrgen\x81", 2025, "M\u00dcLLER J\u00fcrgen_ W-2 2025.pdf"}}) {
    W2Record w2{};
    Set(w2.LastName, c.last);
    Set(w2.FirstName, c.first);
    EXPECT_EQ(EmployeeCopiesFileName(w2, c.year), c.name);
  }
}

// Every item of the W-3 filled, each total an amount of ten characters of its
// own, and what each item must show.
using W3Shown = std::map<std::pair<PlainW3Text, W3Field>, std::string>;

W3Record FullW3(int taxYear, W3Shown& shown) {
  W3Record w = Employer(taxYear);
  w.ControlNum = 815;
  w.W2Count = 12;
  w.KindOfPayer = kForm944;
  w.KindOfEmployer = 2;
  using enum W3Field;
  const auto field = [&](W3Field f, const std::string& text) {
    shown[{PlainW3Text::Field, f}] = text;
  };
  const auto text = [&field](auto& member, W3Field f, const char* value) {
    Set(member, value);
    field(f, value);
  };
  text(w.Establishment, Establishment, "0007");
  text(w.OtherEIN, OtherEIN, "98-7654321");
  text(w.StateForID, StateForID, "OH");
  text(w.StateID, StateID, "OH-5551234");
  text(w.Contact, Contact, "JANE ROE");
  text(w.Phone, Phone, "937-555-0100");
  text(w.Fax, Fax, "937-555-0199");
  text(w.EMail, EMail, "pay@acme.example");
  text(w.TPSickPayUseOnly, TPSickPayUseOnly, "SICK PAY CO");
  field(ControlNum, "815");
  field(W2Count, "12");
  field(EmployerEIN, "12-3456789");
  field(EmployerName, "ACME TOOL AND DIE");
  Currency* totals[] = {
      &w.TaxWheldTPSickPay, &w.TotWages,        &w.TotFedTax,  &w.TotSSWages,    &w.TotSSTax,
      &w.TotMedWages,       &w.TotMedTax,       &w.TotSSTips,  &w.TotAllocTips,  &w.TotAdvEIC,
      &w.TotDepCare,        &w.TotNonQualPlans, &w.TotDefComp, &w.TotStateWages, &w.TotStateIncTax,
      &w.TotLocalWages,     &w.TotLocalIncTax};
  for (int i = 0; i < 17; ++i) {
    *totals[i] = (1000000 + i) * kCurrencyScale + 8000;
    field(static_cast<W3Field>(static_cast<int>(TaxWheldTPSickPay) + i),
          std::to_string(1000000 + i) + ".80");
  }
  shown[{PlainW3Text::KindOfPayer, Count}] = "944";
  shown[{PlainW3Text::KindOfEmployer, Count}] = "501c non-govt.";
  shown[{PlainW3Text::SuiteAndStreet, Count}] = "UNIT 3, 500 MILL RD";
  shown[{PlainW3Text::Town, Count}] = "DAYTON";
  shown[{PlainW3Text::StateAndZip, Count}] = "OH  45402";
  return w;
}

class PlainW3Layouts : public testing::TestWithParam<int> {};

TEST_P(PlainW3Layouts, EveryBoxCarriesItsCaptionAndTheRecordsValueInsideItsRectangle) {
  const int year = GetParam();
  const PlainW3Layout& layout = PlainW3LayoutForYear(year);
  EXPECT_STREQ(layout.name, year <= 2006 ? "2001" : "2007");
  W3Shown shown;
  const W3Record w3 = FullW3(year, shown);
  RecordingPrinter printer(RecordingPrinter::LetterCaps(kDpi));
  ASSERT_TRUE(PrintPlainPaperW3(printer, w3));
  const RecordedPage& page = printer.Pages().at(0);
  const PlainFormGeometry g(printer.Caps(), layout.left, layout.top - 3.5, layout.right, 0);
  for (const FormBox& box : layout.boxes) {
    SCOPED_TRACE(box.caption);
    const DeviceRect r = ToDevice(g, box.rect);
    EXPECT_TRUE(Outlined(page, r));
    if (box.caption.empty()) continue;
    // The 2001 picture's long captions are cut at their box; the current form's fit.
    const std::string line = box.caption.substr(0, box.caption.find('\n'));
    const auto drawn = std::find_if(page.texts.begin(), page.texts.end(), [&](const auto& t) {
      const bool cut =
          layout.name == std::string("2001") && t.text.size() >= 10 && line.starts_with(t.text);
      return (t.text == line || cut) && Inside(t, r, CharWidth(t));
    });
    ASSERT_NE(drawn, page.texts.end());
    EXPECT_EQ(drawn->font.name, "Liberation Sans");
  }
  // No box overlaps another.
  for (const FormBox& a : layout.boxes) {
    for (const FormBox& b : layout.boxes) {
      const GridRect &p = a.rect, &q = b.rect;
      EXPECT_TRUE(&a == &b || p.col + p.cols <= q.col + 1e-9 || q.col + q.cols <= p.col + 1e-9 ||
                  p.line + p.lines <= q.line + 1e-9 || q.line + q.lines <= p.line + 1e-9)
          << a.caption << " / " << b.caption;
    }
  }
  W3Shown missing = shown;
  for (const PlainW3Item& item : layout.items) {
    const std::string& expected = shown.at({item.text, item.field});
    SCOPED_TRACE(expected);
    EXPECT_EQ(missing.erase({item.text, item.field}), 1u);
    const DeviceRect box = ToDevice(g, layout.boxes.at(static_cast<std::size_t>(item.box)).rect);
    const RecordedText* text = FindInside(page, expected, box);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->font.name,
              item.kind == PlainItemKind::Amount ? "Liberation Mono" : "Liberation Sans");
    if (item.kind == PlainItemKind::Amount) {
      EXPECT_EQ(text->x + CharWidth(*text) * 10, ToDevice(g, item.rect).right);
    }
  }
  // Each item once; only box 9 from 2011 and the kind of employer before it are not shown.
  ASSERT_EQ(missing.size(), 1u);
  EXPECT_EQ(missing.begin()->first, year >= 2011
                                        ? std::pair(PlainW3Text::Field, W3Field::TotAdvEIC)
                                        : std::pair(PlainW3Text::KindOfEmployer, W3Field::Count));
}

INSTANTIATE_TEST_SUITE_P(Years, PlainW3Layouts, testing::Values(2006, 2007, 2025),
                         [](const auto& year) { return "Year" + std::to_string(year.param); });

TEST(PlainPaperW3, TheTotalsInTheirBoxesMarkedForTheEmployersRecords) {
  W3Record w3 = Employer(2024);
  w3.W2Count = 3;
  w3.TotWages = 1234567 * kCurrencyScale + 8000;
  w3.TotLocalIncTax = 9876 * kCurrencyScale + 5400;
  RecordingPrinter printer(RecordingPrinter::LetterCaps(kDpi));
  ASSERT_TRUE(PrintPlainPaperW3(printer, w3));
  ASSERT_EQ(printer.Pages().size(), 1u);
  const std::vector<std::string> texts = printer.Texts();
  for (const char* expected :
       {"Form W-3 Transmittal of Wage and Tax Statements", "2024",
        "For the employer's records; do not file", "1 Wages, tips, other compensation",
        "1234567.80", "19 Local income tax", "9876.54", "3", "UNIT 3, 500 MILL RD", "OH  45402",
        "941"}) {
    EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << expected;
  }
  // An amount of zero leaves its box blank.
  EXPECT_EQ(std::find(texts.begin(), texts.end(), "0.00"), texts.end());
}

}  // namespace

// Asked for, the employee's copies B, C and 2 show only the last four digits
// of the SSN; the employer's Copy D shows it whole, and so does every copy
// when not asked for.
TEST(PlainPaperW2, LastFourDigitsOfTheSsnOnTheEmployeeCopiesOnly) {
  for (const bool lastFour : {true, false}) {
    RecordingPrinter printer(RecordingPrinter::LetterCaps(kDpi));
    ASSERT_TRUE(PrintPlainPaperW2s(printer, {FullEmployee().w2}, Employer(2025), true, lastFour));
    std::vector<std::string> ssns;
    for (const RecordedPage& page : printer.Pages())
      for (const RecordedText& t : page.texts)
        if (t.text.ends_with("-6789")) ssns.push_back(t.text);
    const std::string employee = lastFour ? "XXX-XX-6789" : "123-45-6789";
    EXPECT_EQ(ssns,
              (std::vector<std::string>{employee, employee, employee, employee, "123-45-6789"}));
  }
  EXPECT_EQ(LastFourOfSsn("123456789"), "XXX-XX-6789");
  EXPECT_EQ(LastFourOfSsn("12-3"), "12-3");
}

// On the drawn forms of each arrangement the X of a checked box lies wholly
// inside its square, and a box no longer used (box 9 from 2011) is shaded by
// lines that stay inside it.
TEST(PlainPaperW2, TheXSitsInsideItsSquareAndBoxNineIsShadedFrom2011) {
  for (const int year : {2001, 2010, 2026}) {
    SCOPED_TRACE(year);
    const PlainW2Layout& layout = PlainW2LayoutForYear(year);
    RecordingPrinter printer(RecordingPrinter::LetterCaps(kDpi));
    ASSERT_TRUE(PrintPlainPaperW2s(printer, {FullEmployee().w2}, Employer(year), false));
    const RecordedPage& page = printer.Pages().at(0);
    const PlainFormGeometry g(printer.Caps(), layout.left, layout.top, layout.right, 0);
    int checks = 0;
    for (const PlainW2Item& item : layout.items) {
      if (item.kind != PlainItemKind::Check) continue;
      ++checks;
      const DeviceRect square = ToDevice(g, item.rect);
      EXPECT_NE(FindInside(page, "X", square), nullptr) << static_cast<int>(item.field);
    }
    EXPECT_EQ(checks, 3);
    EXPECT_EQ(layout.shadedBox >= 0, year >= 2011);
    if (layout.shadedBox < 0) continue;
    const DeviceRect box9 =
        ToDevice(g, layout.boxes.at(static_cast<std::size_t>(layout.shadedBox)).rect);
    int hatches = 0;
    for (const RecordedLine& line : page.lines) {
      const bool inside =
          std::min(line.x1, line.x2) >= box9.left && std::max(line.x1, line.x2) <= box9.right &&
          std::min(line.y1, line.y2) >= box9.top && std::max(line.y1, line.y2) <= box9.bottom;
      if (inside && line.y1 != line.y2) ++hatches;
    }
    EXPECT_GT(hatches, 10);
  }
}
