// The rules by tax year: each rule on both sides of the year it changed.

#include <gtest/gtest.h>

#include "rules/Box12Codes.h"
#include "rules/TaxYearRules.h"
#include "rules/W2EditCheck.h"

namespace {

constexpr Currency D(double dollars) { return static_cast<Currency>(dollars * 10000 + 0.5); }

// clang-format off
TEST(TaxYearRules, SsnAreasUpTo2010AndFrom2011) {
  const struct { const char* ssn; bool in2010, in2011; } cases[] = {
      {"772-99-9999", true, true},   {"773-12-3456", false, true},  {"899-12-3456", false, true},
      {"729-12-3456", false, true},  {"900-12-3456", false, false}, {"666-12-3456", false, false},
      {"001-00-0001", true, false},  {"001-01-0000", true, false},  {"987-65-4320", false, false},
      {"123-45-6789", false, false}, {"111-11-1111", false, false}, {"800123456", false, true}};
  for (const auto& c : cases) {
    EXPECT_EQ(CheckSSN(c.ssn, RulesForYear(2010).IdNumbers).Ok(), c.in2010) << c.ssn;
    EXPECT_EQ(CheckSSN(c.ssn, RulesForYear(2011).IdNumbers).Ok(), c.in2011) << c.ssn;
  }
  std::string message = ValidationMessageText(ValidationKind::SSN);
  EXPECT_EQ(ValidationMessageText(ValidationKind::SSN, RulesForYear(2010).IdNumbers), message);
  message.replace(message.find("667 to 728, or 750 to 772."), 26, "667 to 899.");
  EXPECT_EQ(ValidationMessageText(ValidationKind::SSN, RulesForYear(2011).IdNumbers), message);
}

TEST(TaxYearRules, EinPrefixesUpTo2002AndFrom2003) {
  for (const char* assigned : {"10", "20", "26", "27", "30", "40", "50", "60", "80", "90"}) {
    EXPECT_FALSE(CheckEIN(std::string(assigned) + "-1234567", RulesForYear(2002).IdNumbers)) << assigned;
    EXPECT_TRUE(CheckEIN(std::string(assigned) + "-1234567", RulesForYear(2003).IdNumbers)) << assigned;
  }
  for (const char* refused : {"00", "07", "08", "09", "17", "18", "19", "28", "29", "49", "69", "70", "78", "79", "89"})
    EXPECT_FALSE(CheckEIN(std::string(refused) + "-1234567", RulesForYear(2003).IdNumbers)) << refused;
  EXPECT_EQ(ValidationMessageText(ValidationKind::EIN, RulesForYear(2002).IdNumbers),
            ValidationMessageText(ValidationKind::EIN));
  EXPECT_NE(ValidationMessageText(ValidationKind::EIN, RulesForYear(2003).IdNumbers)
                .find("cannot be 00, 07, 08, 09, 17, 18, 19, 28, 29, 49, 69, 70, 78, 79, 89.  Social"),
            std::string::npos);
}

// The edit check's box 6 line, with the 5.00 tolerance (the automatic fill
// shares CalculatedMedicareTax).
TEST(TaxYearRules, TheAdditionalMedicareTaxFrom2013) {
  const struct { double wage, tax2012, tax2013; } cases[] = {
      {199999.99, 2899.9999, 2899.9999}, {200000.00, 2900.00, 2900.00}, {250000.00, 3625.00, 4075.00}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.wage);
    EXPECT_EQ(CalculatedMedicareTax(D(c.wage), {2012, D(110100), D(4.2), 0, D(1.45), false}), D(c.tax2012));
    EXPECT_EQ(CalculatedMedicareTax(D(c.wage), {2013, D(113700), D(6.2), 0, D(1.45), false}), D(c.tax2013));
  }
  W2Record w2{};
  w2.MedWage = D(250000), w2.MedTax = D(3625);
  ReportLines lines;
  EXPECT_FALSE(CheckMedicareTax(w2, {2012, D(110100), D(4.2), 0, D(1.45), false}, lines));
  EXPECT_TRUE(CheckMedicareTax(w2, {2013, D(113700), D(6.2), 0, D(1.45), false}, lines));
  EXPECT_EQ(lines, (ReportLines{"", "Calculated Medicare Tax at 4075.00 but your entry is 3625.00"}));
}

// Before the table the first row, after it (or with no year yet) the latest.
TEST(TaxYearRules, TheYearsBeyondTheTable) {
  EXPECT_EQ(&RulesForYear(1997), &TaxYearTable.front());
  EXPECT_EQ(&RulesForYear(2027), &TaxYearTable.back());
  EXPECT_EQ(&RulesForYear(0), &TaxYearTable.back());
  EXPECT_EQ(Box12CodeLinesOfYear(2027), Box12CodeLinesOfYear(2026));
}

bool Lists(std::int32_t year, const std::string& code) {
  for (const std::string& line : Box12CodeLinesOfYear(year))
    if (line.substr(0, line.find(' ')) == code) return true;
  return false;
}

TEST(Box12CodesByYear, TheNineteenUpTo2003ThenEachCodeFromItsFirstYear) {
  EXPECT_EQ(Box12CodeLinesOfYear(2003), std::vector<std::string>(Box12CodeLines.begin(), Box12CodeLines.end()));
  const struct { const char* code; std::int32_t first; } cases[] = {
      {"W", 2004}, {"Y", 2005}, {"Z", 2005}, {"AA", 2006}, {"BB", 2006}, {"DD", 2011}, {"EE", 2011},
      {"FF", 2017}, {"GG", 2018}, {"HH", 2018}, {"II", 2024}, {"TA", 2026}, {"TP", 2026}, {"TT", 2026}};
  for (const auto& c : cases) EXPECT_TRUE(!Lists(c.first - 1, c.code) && Lists(c.first, c.code)) << c.code;
  EXPECT_TRUE(!HasTwoLetterBox12Codes(2005) && HasTwoLetterBox12Codes(2006));
  EXPECT_EQ(Box12CodeLinesOfYear(2018)[13], "P Excludable moving expense reimbursements paid directly to a member of the U.S. Armed Forces");
  EXPECT_EQ(Box12CodeLinesOfYear(2017)[13], Box12CodeLines[13]);
}

// clang-format on

}  // namespace
