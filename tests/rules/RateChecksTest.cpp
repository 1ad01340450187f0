// The wage base the rates screen expects for a tax year.

#include <gtest/gtest.h>

#include "rules/RateChecks.h"

namespace {

TEST(RateChecks, ExpectedWageBaseGrowsFrom2002) {
  const struct {
    std::int32_t year;
    std::optional<std::int64_t> expected;
  } cases[] = {{2001, std::nullopt},
               {2002, 84900},
               {2003, 89600},
               {2004, 94600},
               {2005, 99800},
               {2008, 117400},
               {2011, 138100},
               // Far ahead the figure outgrows any amount, yet is still expected.
               {2429, 889383333297500},
               {2500, 41229505403637900},
               // Beyond a whole number of this size there is no figure to name.
               {9999, std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(ExpectedSocSecMaxWage(c.year), c.expected) << c.year;
}

}  // namespace

namespace {

const char* const kNone = nullptr;

std::string Or(const std::optional<std::string>& warning) { return warning.value_or("<none>"); }

TEST(RateChecks, TheYearsOfTheTable) {
  EXPECT_EQ(RatesTaxYear("1998"), 1998);
  EXPECT_EQ(RatesTaxYear("2003"), 2003);
  for (const char* refused : {"1997", "", "20x3", "2003 ", "-2003", "99999999999"})
    EXPECT_EQ(RatesTaxYear(refused), std::nullopt) << refused;
  EXPECT_EQ(InvalidRatesYearMessage("19x8"),
            "Tax Year 19x8 is invalid, must be 4 numeric digits and greater than 1997. Please "
            "correct it.");
}

TEST(RateChecks, ATypedFigureReadsAsANumberForTheWarnings) {
  EXPECT_EQ(RateEntryNumber(""), 0.0);
  EXPECT_EQ(RateEntryNumber("   "), 0.0);
  EXPECT_EQ(RateEntryNumber(" 6.2 "), 6.2);
  EXPECT_EQ(RateEntryNumber("1e3"), 1000.0);
  EXPECT_EQ(RateEntryNumber("lots"), std::nullopt);
  EXPECT_EQ(RateEntryNumber("84,900"), std::nullopt);
}

TEST(RateChecks, TheWageBaseWarningHasInclusiveBounds) {
  const std::string about2002 =
      "Was expecting Soc.Sec. Maximum Wage for 2002 to be in the region of 84900. Please be sure "
      "your entry is correct.";
  const struct {
    std::int32_t year;
    std::optional<double> entry;
    const char* warning;
  } cases[] = {
      {2002, 76410.00, kNone},
      {2002, 76409.99, about2002.c_str()},
      {2002, 93390, kNone},
      {2002, 93390.01, about2002.c_str()},
      {2002, std::nullopt, kNone},
      {2001, 1, kNone},  // the years before 2002 are fixed
      {2003, 0,
       "Was expecting Soc.Sec. Maximum Wage for 2003 to be in the region of 87000. Please be "
       "sure your entry is correct."},
      {9999, 1, kNone},  // no figure to expect
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Or(SocSecMaxWageWarning(c.year, c.entry)), c.warning ? c.warning : "<none>")
        << c.year << " " << c.entry.value_or(-1);
  }
}

TEST(RateChecks, TheRateAndMedicareWageWarnings) {
  const std::string socSec =
      "Was expecting Soc.Sec. Rate to be around 6.2%, be sure your entry is correct.";
  const std::string medicare =
      "Was expecting Medicare Rate to be around 1.45%, be sure your entry is correct.";
  const std::string medMax =
      "If Medicare Maximum Wage has been reinstated was expecting a Maximum that is higher than "
      "your entry, be sure your entry is correct.";
  using Check = std::optional<std::string> (*)(std::optional<double>);
  const struct {
    Check check;
    std::optional<double> entry;
    const std::string* warning;
  } cases[] = {
      {SocSecRateWarning, 9.3, nullptr},
      {SocSecRateWarning, 9.31, &socSec},
      {SocSecRateWarning, 3.1, nullptr},
      {SocSecRateWarning, 3.09, &socSec},
      {SocSecRateWarning, std::nullopt, nullptr},
      {MedicareRateWarning, 2.18, nullptr},
      {MedicareRateWarning, 2.19, &medicare},
      {MedicareRateWarning, 0.73, nullptr},
      {MedicareRateWarning, 0.7299, &medicare},
      {MedicareRateWarning, 0, &medicare},
      {MedicareMaxWageWarning, 84900, nullptr},
      {MedicareMaxWageWarning, 84899.99, &medMax},
      {MedicareMaxWageWarning, std::nullopt, nullptr},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Or(c.check(c.entry)), c.warning ? *c.warning : "<none>") << c.entry.value_or(-1);
  }
  EXPECT_EQ(UncheckedMedicareMaxWageWarning("0.00"), std::nullopt);
  EXPECT_EQ(Or(UncheckedMedicareMaxWageWarning("90000")),
            "Any entry in Medicare Maximum Wage will be ignored unless there is also a check mark "
            "against \"Set Maximum Wage\"");
}

TEST(RateChecks, AnEntryNeedsEveryRequiredFigure) {
  const SocSecMedicareRates full{2003, 870000000, 62000, 0, 14500, false};
  EXPECT_TRUE(RatesComplete(full, false));
  EXPECT_FALSE(RatesComplete(full, true)) << "a Medicare wage base in use must be set";
  SocSecMedicareRates withMax = full;
  withMax.MedicareMaxWage = 1;
  EXPECT_TRUE(RatesComplete(withMax, true));
  for (Currency SocSecMedicareRates::*figure :
       {&SocSecMedicareRates::SocSecMaxWage, &SocSecMedicareRates::SocSecRate,
        &SocSecMedicareRates::MedicareRate}) {
    SocSecMedicareRates missing = full;
    missing.*figure = 0;
    EXPECT_FALSE(RatesComplete(missing, false));
  }
  EXPECT_EQ(kLowestMedicareMaxWage, 500000000);
}

}  // namespace
