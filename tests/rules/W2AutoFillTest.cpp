// The automatic fill of a new employee's W-2 from box 1 and the year's rates.

#include <gtest/gtest.h>

#include <cstring>

#include "rules/W2AutoFill.h"

namespace {

constexpr Currency Dollars(double value) { return static_cast<Currency>(value * 10000 + 0.5); }

W2Record Blank() {
  W2Record w2;
  std::memset(&w2, 0, sizeof w2);
  return w2;
}

const SocSecMedicareRates k2001 = PresetRates[3];
const SocSecMedicareRates kNoRates{2010, 0, 0, 0, 0, false};
const SocSecMedicareRates kMedicareBase{1992, Dollars(55500), 62000, Dollars(130200), 14500, true};

constexpr W2FilledBoxes kAll{true, true, true, true, true, true};

TEST(W2AutoFill, FillsTheBoxesThatAreStillZero) {
  const struct {
    const char* what;
    const SocSecMedicareRates& rates;
    const char* typed;
    Currency box3, box4, box5, box6;
    W2FilledBoxes filled;
  } cases[] = {
      {"under the wage base", k2001, "50000", Dollars(50000), Dollars(3100), Dollars(50000),
       Dollars(725), kAll},
      {"over the wage base", k2001, "100000", Dollars(80400), Dollars(4984.80), Dollars(100000),
       Dollars(1450), kAll},
      {"at the wage base", k2001, "80400", Dollars(80400), Dollars(4984.80), Dollars(80400),
       Dollars(1165.80), kAll},
      // The taxes keep four decimals: 1000.01 at 6.2 % is 62.0006.
      {"four decimals", k2001, "1000.01", Dollars(1000.01), 620006, Dollars(1000.01), 145001, kAll},
      {"no rates on file",
       kNoRates,
       "50000",
       Dollars(50000),
       0,
       Dollars(50000),
       0,
       {true, false, true, false, true, true}},
      {"a Medicare wage base", kMedicareBase, "200000", Dollars(55500), Dollars(3441),
       Dollars(130200), Dollars(1887.90), kAll},
      {"half a cent", k2001, "0.005", 0, 0, 0, 0, {}},
      {"not a number", k2001, "50,000", 0, 0, 0, 0, {}},
      {"blank", k2001, "  ", 0, 0, 0, 0, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    W2Record w2 = Blank();
    ASSERT_TRUE(W2AutoFillArmed(w2));
    w2.Wages = ParseAmount(c.typed).value_or(0);
    EXPECT_EQ(W2AutoFill(w2, c.typed, c.rates), c.filled);
    EXPECT_EQ(w2.SSWages, c.box3);
    EXPECT_EQ(w2.SSTax, c.box4);
    EXPECT_EQ(w2.MedWage, c.box5);
    EXPECT_EQ(w2.MedTax, c.box6);
    EXPECT_EQ(w2.ST1StateWage, c.filled.ST1StateWage ? w2.Wages : 0);
    EXPECT_EQ(w2.ST1LocalWage, c.filled.ST1LocalWage ? w2.Wages : 0);
  }
}

TEST(W2AutoFill, AgainOnlyFillsWhatIsStillZero) {
  W2Record w2 = Blank();
  w2.Wages = Dollars(1000.01);
  W2AutoFill(w2, " 1000.01 ", k2001);
  w2.SSTax = Dollars(62);  // box 4 left by the user as shown
  w2.MedTax = 0;
  w2.Wages = Dollars(2000);
  EXPECT_EQ(W2AutoFill(w2, "2000", k2001),
            (W2FilledBoxes{false, false, false, true, false, false}));
  EXPECT_EQ(w2.SSWages, Dollars(1000.01));
  EXPECT_EQ(w2.SSTax, Dollars(62));
  EXPECT_EQ(w2.MedTax, TaxProduct(Dollars(1000.01), 14500));
  EXPECT_EQ(w2.ST1StateWage, Dollars(1000.01));
}

TEST(W2AutoFill, OnlyABlankEmployeeIsArmed) {
  W2Record w2 = Blank();
  EXPECT_TRUE(W2AutoFillArmed(w2));
  w2.SocSecNum = "123-45-6780";
  EXPECT_FALSE(W2AutoFillArmed(w2));
  w2 = Blank();
  w2.Wages = 1;
  EXPECT_FALSE(W2AutoFillArmed(w2));
  w2 = Blank();
  w2.SSWages = -1;
  EXPECT_FALSE(W2AutoFillArmed(w2));
  w2 = Blank();
  w2.MedWage = Dollars(10);  // box 5 does not count
  EXPECT_TRUE(W2AutoFillArmed(w2));
}

}  // namespace
