#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <limits>
#include <locale>
#include <string>

#include "data/Currency.h"

namespace {

constexpr Currency kMax = std::numeric_limits<Currency>::max();
constexpr Currency kMin = std::numeric_limits<Currency>::min();

struct FormatCase {
  Currency value;
  const char* shown;
};

TEST(Currency, AmountsShowTwoDecimalsRoundedHalfAwayFromZero) {
  const FormatCase cases[] = {
      {0, "0.00"},
      {50000, "5.00"},
      {12345000, "1234.50"},
      {123450, "12.35"},    // 12.345: the half goes up
      {-123450, "-12.35"},  // and away from zero below it
      {123449, "12.34"},
      {-30000, "-3.00"},
      {50, "0.01"},
      {49, "0.00"},
      {-50, "-0.01"},
      {-40, "0.00"},  // -0.004 never shows as -0.00
      {-1, "0.00"},
      {-49, "0.00"},
      {99950, "10.00"},  // the carry runs into the whole part
      {-99950, "-10.00"},
      {1000000000000, "100000000.00"},
      {kMax, "922337203685477.58"},
      {kMin, "-922337203685477.58"},
  };
  for (const FormatCase& c : cases) EXPECT_EQ(FormatAmount(c.value), c.shown) << c.value;
}

TEST(Currency, RatesShowFourDecimalsInSixCharacters) {
  const FormatCase cases[] = {
      {62000, "6.2000"},   {14500, "1.4500"},     {0, "0.0000"},   {1, "0.0001"},
      {-14500, "-1.4500"}, {1000000, "100.0000"}, {-1, "-0.0001"},
  };
  for (const FormatCase& c : cases) EXPECT_EQ(FormatRate(c.value), c.shown) << c.value;
}

TEST(Currency, FixedFormatPadsToTheWidthAndRoundsToFewerDecimals) {
  EXPECT_EQ(FormatFixed(5000, 2, 8), "    0.50");
  EXPECT_EQ(FormatFixed(-5000, 2, 8), "   -0.50");
  EXPECT_EQ(FormatFixed(12345000, 2, 4), "1234.50");  // wider than the width: no cut
  EXPECT_EQ(FormatFixed(25000, 0, 3), "  3");         // 2.5 -> 3
  EXPECT_EQ(FormatFixed(-25000, 0, 0), "-3");
  EXPECT_EQ(FormatFixed(-4999, 0, 0), "0");
  EXPECT_EQ(FormatFixed(12345, 1, 0), "1.2");
  EXPECT_EQ(FormatFixed(12345, 3, 0), "1.235");  // 1.2345 -> 1.235
  EXPECT_EQ(FormatFixed(-12345, 3, 7), " -1.235");
}

// A numpunct with a decimal comma and grouping, as a German desktop has.
class GermanPunct : public std::numpunct<char> {
 protected:
  char do_decimal_point() const override { return ','; }
  char do_thousands_sep() const override { return '.'; }
  std::string do_grouping() const override { return "\3"; }
};

TEST(Currency, ADesktopLocaleChangesNeitherShowingNorReading) {
  const std::locale previousGlobal =
      std::locale::global(std::locale(std::locale::classic(), new GermanPunct));
  const std::string previousC = std::setlocale(LC_ALL, nullptr);
  const char* const germanNames[] = {"de_DE.UTF-8", "de_DE.utf8", "de_DE"};
  for (const char* name : germanNames)
    if (std::setlocale(LC_ALL, name) != nullptr) break;

  EXPECT_EQ(FormatAmount(12345000), "1234.50");
  EXPECT_EQ(FormatAmount(-1234567890000), "-123456789.00");
  EXPECT_EQ(FormatRate(62000), "6.2000");
  EXPECT_EQ(ParseAmount("1234.50"), Currency{12345000});
  EXPECT_FALSE(ParseAmount("1234,50").has_value());
  EXPECT_FALSE(ParseAmount("1.234,50").has_value());
  EXPECT_EQ(ParseWholeNumber("2002"), std::int32_t{2002});

  std::setlocale(LC_ALL, previousC.c_str());
  std::locale::global(previousGlobal);
}

TEST(Currency, PlainDecimalGrammar) {
  const char* const accepted[] = {"0",   "7",   "-3",  "+5",     "1234.5", ".5",  "5.",
                                  "-.5", "1e3", "1E3", "1.5e+2", "12e-4",  "007", "0.000"};
  for (const char* text : accepted) EXPECT_TRUE(IsPlainDecimal(text)) << text;
  const char* const rejected[] = {"",
                                  "-",
                                  "+",
                                  ".",
                                  "-.",
                                  "e5",
                                  "1e",
                                  "1e+",
                                  "1.2.3",
                                  "--1",
                                  "+-1",
                                  "1,234.00",
                                  "$5",
                                  "5$",
                                  "1 000",
                                  " 5",
                                  "5 ",
                                  "inf",
                                  "-inf",
                                  "nan",
                                  "infinity",
                                  "0x10",
                                  "1e5.5",
                                  "1e2e3",
                                  "1d",
                                  "1f",
                                  "\xA0"
                                  "5"};
  for (const char* text : rejected) EXPECT_FALSE(IsPlainDecimal(text)) << text;
}

struct ParseCase {
  const char* text;
  int decimals;
  Currency value;
};

TEST(Currency, DecimalsRoundToNearestWithTiesToEven) {
  const ParseCase cases[] = {
      {"0.125", 2, 1200},
      {"0.135", 2, 1400},
      {"-0.125", 2, -1200},
      {"-0.135", 2, -1400},
      {"0.1251", 2, 1300},
      {"0.12499", 2, 1200},
      {"0.00005", 4, 0},
      {"0.00015", 4, 2},
      {"0.00025", 4, 2},
      {"0.000250001", 4, 3},
      {"-0.00015", 4, -2},
      {"2.5", 0, 20000},
      {"3.5", 0, 40000},
      {"0.004", 2, 0},
      {"0.005", 2, 0},
      {"0.015", 2, 200},
      {"1e-9", 4, 0},
      {"5e-5", 4, 0},
      {"15e-5", 4, 2},
      {"1e3", 2, 10000000},
      {"-0", 2, 0},
      {"0.0000", 4, 0},
      {"0e999999999999", 4, 0},
      {"12.3450000000000000000000000001", 2, 123500},
  };
  for (const ParseCase& c : cases) EXPECT_EQ(ParseDecimal(c.text, c.decimals), c.value) << c.text;
}

TEST(Currency, ValuesBeyondTheCurrencyRangeAreNotNumbers) {
  EXPECT_EQ(ParseDecimal("922337203685477.5807", 4), kMax);
  EXPECT_EQ(ParseDecimal("-922337203685477.5807", 4), -kMax);
  EXPECT_FALSE(ParseDecimal("922337203685477.5808", 4).has_value());
  EXPECT_FALSE(ParseDecimal("-922337203685477.5808", 4).has_value());
  EXPECT_EQ(ParseDecimal("922337203685477.58", 2), Currency{9223372036854775800});
  // Rounds up past the end of the range.
  EXPECT_FALSE(ParseDecimal("922337203685477.59", 2).has_value());
  EXPECT_FALSE(ParseDecimal("99999999999999999999", 2).has_value());
  EXPECT_FALSE(ParseDecimal("1e15", 2).has_value());
  EXPECT_EQ(ParseDecimal("1e14", 2), Currency{1000000000000000000});
  EXPECT_FALSE(ParseDecimal("1e400", 2).has_value());
  EXPECT_FALSE(ParseDecimal("1e99999999999999999999", 2).has_value());
  EXPECT_EQ(ParseDecimal("1e-99999999999999999999", 2), Currency{0});
}

struct AmountCase {
  const char* text;
  Currency value;
};

TEST(Currency, TypedAmountsKeepFourDecimalsOnlyWhenMoreThanTwoAreGiven) {
  const AmountCase cases[] = {
      {"1234.5", 12345000}, {"12.345", 123450}, {"12.34567", 123457}, {"12.34565", 123456},
      {"-3", -30000},       {"0.1", 1000},      {"6.2", 62000},       {"1.45", 14500},
      {"-0.004", -40},      {"12e-4", 0},       {"1.5E+2", 1500000},  {"1.23456e2", 1234560},
      {"0.00005", 0},       {"0.00015", 2},     {"12.3400", 123400},
  };
  for (const AmountCase& c : cases) EXPECT_EQ(ParseAmount(c.text), c.value) << c.text;
  EXPECT_FALSE(ParseAmount("").has_value());
  EXPECT_FALSE(ParseAmount("1,234.00").has_value());
}

TEST(Currency, WholeNumbersStayWithinThirtyTwoBits) {
  const struct {
    const char* text;
    std::int32_t value;
  } accepted[] = {{"0", 0},
                  {"2002", 2002},
                  {"+7", 7},
                  {"-7", -7},
                  {"007", 7},
                  {"-0", 0},
                  {"2147483647", 2147483647},
                  {"-2147483648", std::numeric_limits<std::int32_t>::min()}};
  for (const auto& c : accepted) EXPECT_EQ(ParseWholeNumber(c.text), c.value) << c.text;
  const char* const rejected[] = {
      "",     "+",     "-",  "2147483648", "-2147483649", "99999999999999999999",
      "1.0",  "1e3",   " 1", "1 ",         "+-1",         "--1",
      "0x10", "1,000", "12a"};
  for (const char* text : rejected) EXPECT_FALSE(ParseWholeNumber(text).has_value()) << text;
}

TEST(Currency, TaxProductsAreExactAndRoundHalfToEven) {
  const struct {
    Currency wage;
    Currency rate;
    Currency product;
  } cases[] = {
      {1000000, 62000, 62000},      // 100.00 × 6.2% = 6.20
      {123456700, 14500, 1790122},  // 12345.67 × 1.45% = 179.012215
      {100, 62000, 6},              // 0.01 × 6.2% = 0.00062
      {100, 5000, 0},               // 0.00005: tie, down to even
      {300, 5000, 2},               // 0.00015: tie, up to even
      {500, 5000, 2},               // 0.00025: tie, down to even
      {-300, 5000, -2},
      {-100, 5000, 0},
      {9000000000000000000, 62000, 558000000000000000},  // no 64-bit overflow on the way
      {0, 62000, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TaxProduct(c.wage, c.rate), c.product) << c.wage << " x " << c.rate;
  EXPECT_EQ(TaxProduct(kMax, 2000000), kMax);
  EXPECT_EQ(TaxProduct(kMin, 2000000), kMin);
  EXPECT_EQ(TaxProduct(kMax, -2000000), kMin);
}

}  // namespace

TEST(Currency, PlainDecimalValueForComparisons) {
  struct Case {
    const char* text;
    std::optional<double> value;
  };
  const Case cases[] = {{"50000", 50000.0},      {"+0.004", 0.004},    {"-12.5", -12.5},
                        {"1e3", 1000.0},         {".5", 0.5},          {"", std::nullopt},
                        {"1,000", std::nullopt}, {" 5", std::nullopt}, {"inf", std::nullopt},
                        {"0x10", std::nullopt}};
  for (const Case& c : cases) EXPECT_EQ(PlainDecimalValue(c.text), c.value) << c.text;
}

// A number too small for a double is still a number: the amount rule stores
// it as 0, and the comparisons see 0 too. One too large is none, as for the
// amount rule.
TEST(Currency, PlainDecimalValueOfTinyAndHugeNumbers) {
  for (const char* text : {"1e-400", "-1e-400", "0.1e-330", "123e-99999999999"}) {
    EXPECT_EQ(ParseAmount(text), Currency{0}) << text;
    const std::optional<double> value = PlainDecimalValue(text);
    ASSERT_TRUE(value.has_value()) << text;
    EXPECT_EQ(*value, 0.0) << text;
  }
  EXPECT_EQ(PlainDecimalValue("4e-320"), 4e-320);
  for (const char* text : {"1e400", "-1e400", "1e99999999999"}) {
    EXPECT_FALSE(ParseAmount(text).has_value()) << text;
    EXPECT_FALSE(PlainDecimalValue(text).has_value()) << text;
  }
}
