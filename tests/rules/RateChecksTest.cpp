// The wage base the rates screen expects for a tax year.

#include "rules/RateChecks.h"

#include <gtest/gtest.h>

namespace {

TEST(RateChecks, ExpectedWageBaseGrowsFrom2002) {
  const struct {
    std::int32_t year;
    std::optional<std::int64_t> expected;
  } cases[] = {{2001, std::nullopt}, {2002, 84900},  {2003, 89600},  {2004, 94600},
               {2005, 99800},        {2008, 117400}, {2011, 138100},
               // Far ahead the figure outgrows any amount, yet is still expected.
               {2429, 889383333297500}, {2500, 41229505403637900},
               // Beyond a whole number of this size there is no figure to name.
               {9999, std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(ExpectedSocSecMaxWage(c.year), c.expected) << c.year;
}

}  // namespace
