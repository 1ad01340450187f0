// The rules by tax year: each rule on both sides of the year it changed.

#include <gtest/gtest.h>

#include <algorithm>

#include "rules/Box12Codes.h"
#include "rules/TaxYearRules.h"
#include "rules/W2AutoFill.h"
#include "rules/W2EditCheck.h"

namespace {

constexpr Currency D(double dollars) { return static_cast<Currency>(dollars * 10000 + 0.5); }

bool QuietSsn(const char* ssn, std::int32_t year) {
  const QuietValidationScope quiet;
  return CheckSSN(ssn, RulesForYear(year).IdNumbers);
}

bool QuietEin(const char* ein, std::int32_t year) {
  const QuietValidationScope quiet;
  return CheckEIN(ein, RulesForYear(year).IdNumbers);
}

TEST(TaxYearRules, SsnAreasUpTo2010AndFrom2011) {
  const struct {
    const char* ssn;
    bool in2010, in2011;
  } cases[] = {
      {"772-99-9999", true, true},   {"773-12-3456", false, true},  {"899-12-3456", false, true},
      {"729-12-3456", false, true},  {"900-12-3456", false, false}, {"666-12-3456", false, false},
      {"000-12-3456", false, false}, {"001-00-0001", true, false},  {"001-01-0000", true, false},
      {"123-45-6789", false, false}, {"111-11-1111", false, false}, {"800123456", false, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(QuietSsn(c.ssn, 2010), c.in2010) << c.ssn;
    EXPECT_EQ(QuietSsn(c.ssn, 2011), c.in2011) << c.ssn;
  }
  // The advertising numbers, refused whatever their area would say.
  const IdNumberRules rules = RulesForYear(2011).IdNumbers;
  const QuietValidationScope quiet;
  EXPECT_FALSE(CheckSSN("987-65-4320", rules));
  EXPECT_FALSE(CheckSSN("987-65-4329", rules));
}

TEST(TaxYearRules, TheSsnMessageNamesTheAreasOfTheYear) {
  const std::string old = ValidationMessageText(ValidationKind::SSN, RulesForYear(2010).IdNumbers);
  EXPECT_EQ(old, ValidationMessageText(ValidationKind::SSN));
  const std::string now = ValidationMessageText(ValidationKind::SSN, RulesForYear(2011).IdNumbers);
  std::string expected = old;
  const std::string oldRanges = "001 to 665, or 667 to 728, or 750 to 772.";
  expected.replace(expected.find(oldRanges), oldRanges.size(), "001 to 665, or 667 to 899.");
  EXPECT_EQ(now, expected);
}

TEST(TaxYearRules, EinPrefixesUpTo2002AndFrom2003) {
  const struct {
    const char* ein;
    bool in2002, in2003;
  } cases[] = {
      {"12-3456789", true, true},   {"10-1234567", false, true},  {"20-1234567", false, true},
      {"26-1234567", false, true},  {"27-1234567", false, true},  {"30-1234567", false, true},
      {"40-1234567", false, true},  {"50-1234567", false, true},  {"60-1234567", false, true},
      {"80-1234567", false, true},  {"90-1234567", false, true},  {"00-1234567", false, false},
      {"07-1234567", false, false}, {"19-1234567", false, false}, {"28-1234567", false, false},
      {"49-1234567", false, false}, {"69-1234567", false, false}, {"79-1234567", false, false},
      {"89-1234567", false, false}, {"201234567", false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(QuietEin(c.ein, 2002), c.in2002) << c.ein;
    EXPECT_EQ(QuietEin(c.ein, 2003), c.in2003) << c.ein;
  }
  EXPECT_EQ(ValidationMessageText(ValidationKind::EIN, RulesForYear(2002).IdNumbers),
            ValidationMessageText(ValidationKind::EIN));
  const std::string now = ValidationMessageText(ValidationKind::EIN, RulesForYear(2003).IdNumbers);
  EXPECT_NE(
      now.find("The first two left-most positions cannot be 00, 07, 08, 09, 17, 18, 19, 28, 29, "
               "49, 69, 70, 78, 79, 89.  Social Security Administration will reject"),
      std::string::npos)
      << now;
}

TEST(TaxYearRules, TheAdditionalMedicareTaxFrom2013) {
  const struct {
    double wage, tax2012, tax2013;
  } cases[] = {
      {199999.99, 2899.9999, 2899.9999},
      {200000.00, 2900.00, 2900.00},
      {250000.00, 3625.00, 4075.00},  // 0.9 % more on the 50,000.00 above
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CalculatedMedicareTax(D(c.wage), {2012, D(110100), D(4.2), 0, D(1.45), false}),
              D(c.tax2012))
        << c.wage;
    EXPECT_EQ(CalculatedMedicareTax(D(c.wage), {2013, D(113700), D(6.2), 0, D(1.45), false}),
              D(c.tax2013))
        << c.wage;
  }
}

// The edit check and the automatic fill compute box 6 the same way; the
// 5.00 tolerance and the line stay.
TEST(TaxYearRules, BoxSixOfTheEditCheckAndTheFill) {
  for (const std::int32_t year : {2012, 2013}) {
    const SocSecMedicareRates rates{year, D(113700), D(6.2), 0, D(1.45), false};
    W2Record w2{};
    w2.MedWage = D(250000);
    w2.MedTax = D(3625);
    ReportLines lines;
    EXPECT_EQ(CheckMedicareTax(w2, rates, lines), year == 2013) << year;
    if (year == 2013) {
      EXPECT_EQ(lines,
                (ReportLines{"", "Calculated Medicare Tax at 4075.00 but your entry is 3625.00"}));
    }
    w2.MedTax = D(4080);
    lines.clear();
    EXPECT_EQ(CheckMedicareTax(w2, rates, lines), year == 2012) << year;

    W2Record blank{};
    blank.Wages = D(250000);
    W2AutoFill(blank, "250000", rates);
    EXPECT_EQ(blank.MedTax, year == 2013 ? D(4075) : D(3625)) << year;
  }
}

TEST(TaxYearRules, Form944From2006AndTheKindOfEmployerFrom2011) {
  const struct {
    std::int32_t year;
    bool form944, kindOfEmployer;
  } cases[] = {{1998, false, false}, {2005, false, false}, {2006, true, false},
               {2010, true, false},  {2011, true, true},   {2026, true, true}};
  for (const auto& c : cases) {
    EXPECT_EQ(RulesForYear(c.year).Form944, c.form944) << c.year;
    EXPECT_EQ(RulesForYear(c.year).KindOfEmployer, c.kindOfEmployer) << c.year;
  }
}

// A year before the table has the first row's rules; a year after it, or
// one not yet entered, the latest.
TEST(TaxYearRules, YearsBeyondTheTable) {
  EXPECT_EQ(&RulesForYear(1997), &TaxYearTable.front());
  EXPECT_EQ(&RulesForYear(2027), &TaxYearTable.back());
  EXPECT_EQ(&RulesForYear(0), &TaxYearTable.back());
  EXPECT_EQ(Box12CodeLinesOfYear(2027), Box12CodeLinesOfYear(2026));
  EXPECT_EQ(Box12CodeLinesOfYear(0), Box12CodeLinesOfYear(2026));
}

// ---------------------------------------------------------------- box 12

std::vector<std::string> CodesOf(std::int32_t year) {
  std::vector<std::string> codes;
  for (const std::string& line : Box12CodeLinesOfYear(year))
    codes.push_back(line.substr(0, line.find(' ')));
  return codes;
}

bool Lists(std::int32_t year, const std::string& code) {
  const std::vector<std::string> codes = CodesOf(year);
  return std::find(codes.begin(), codes.end(), code) != codes.end();
}

TEST(Box12CodesByYear, TheDescriptionsNineteenUpTo2003) {
  const std::vector<std::string> lines = Box12CodeLinesOfYear(2003);
  EXPECT_EQ(lines, std::vector<std::string>(Box12CodeLines.begin(), Box12CodeLines.end()));
  EXPECT_EQ(Box12CodeLinesOfYear(1998), lines);
}

TEST(Box12CodesByYear, EachCodeFromItsFirstYear) {
  const struct {
    const char* code;
    std::int32_t first;
  } cases[] = {{"W", 2004},  {"Y", 2005},  {"Z", 2005},  {"AA", 2006}, {"BB", 2006},
               {"DD", 2011}, {"EE", 2011}, {"FF", 2017}, {"GG", 2018}, {"HH", 2018},
               {"II", 2024}, {"TA", 2026}, {"TP", 2026}, {"TT", 2026}};
  for (const auto& c : cases) {
    EXPECT_FALSE(Lists(c.first - 1, c.code)) << c.code;
    EXPECT_TRUE(Lists(c.first, c.code)) << c.code;
  }
  EXPECT_EQ(CodesOf(2026), (std::vector<std::string>{
                               "A",  "B",  "C",  "D",  "E",  "F",  "G",  "H",  "J",  "K",  "L",
                               "M",  "N",  "P",  "Q",  "R",  "S",  "T",  "V",  "W",  "Y",  "Z",
                               "AA", "BB", "DD", "EE", "FF", "GG", "HH", "II", "TA", "TP", "TT"}));
  EXPECT_FALSE(HasTwoLetterBox12Codes(2005));
  EXPECT_TRUE(HasTwoLetterBox12Codes(2006));
  const std::vector<std::string> lines2025 = Box12CodeLinesOfYear(2025);
  EXPECT_EQ(lines2025[13],
            "P Excludable moving expense reimbursements paid directly to a member of the U.S. "
            "Armed Forces");
  EXPECT_EQ(lines2025[24], "DD Cost of employer-sponsored health coverage");
  EXPECT_EQ(Box12CodeLinesOfYear(2017)[13], Box12CodeLines[13]);
}

TEST(Box12CodesByYear, DeferredCompensationByYear) {
  const struct {
    const char* code;
    std::int32_t notYet, from;  // 0: in every year
  } deferred[] = {{"D", 0, 1998},     {"S", 0, 1998},     {"Y", 2004, 2005},
                  {"AA", 2005, 2006}, {"BB", 2005, 2006}, {"EE", 2010, 2011}};
  for (const auto& c : deferred) {
    if (c.notYet != 0) {
      EXPECT_FALSE(IsDeferredCompensationCode(c.code, c.notYet)) << c.code;
    }
    EXPECT_TRUE(IsDeferredCompensationCode(c.code, c.from)) << c.code;
    EXPECT_TRUE(IsDeferredCompensationCode(c.code, 2026)) << c.code;
  }
  for (const char* other : {"C", "W", "Z", "DD", "FF", "d", "", "DE"})
    EXPECT_FALSE(IsDeferredCompensationCode(other, 2026)) << other;
}

// The byte after the code is the second letter only in a year with
// two-letter codes.
TEST(Box12CodesByYear, TheCodeAsTheYearReadsIt) {
  Box12Entry entry{'D', 'D', {}, 0};
  EXPECT_EQ(Box12CodeOf(entry, 2005), "D");
  EXPECT_EQ(Box12CodeOf(entry, 2006), "DD");
  entry.Code2 = 0;
  EXPECT_EQ(Box12CodeOf(entry, 2006), "D");
  entry.Code2 = 'd';  // not a code letter
  EXPECT_EQ(Box12CodeOf(entry, 2006), "D");
}

}  // namespace
