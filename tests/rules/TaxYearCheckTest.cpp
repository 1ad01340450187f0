// The W-3 tax year against the clock year: the years that are asked about
// and the exact question.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "rules/TaxYearCheck.h"

TEST(TaxYearCheck, OnlyTheClockYearAndTheYearBeforePassUnasked) {
  struct Case {
    std::int32_t year;
    std::int32_t clock;
    bool asked;
  };
  const Case cases[] = {
      {2001, 2003, true},
      {2002, 2003, false},
      {2003, 2003, false},
      {2004, 2003, true},
      {0, 2003, true},
      {std::numeric_limits<std::int32_t>::min(), 2003, true},
      {std::numeric_limits<std::int32_t>::max(), 2003, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TaxYearNeedsVerification(c.year, c.clock), c.asked) << c.year << " / " << c.clock;
  }
}

TEST(TaxYearCheck, TheQuestionNamesTheYearAndTheClockYear) {
  EXPECT_STREQ(kTaxYearQuestionCaption, "Verification of Tax Year");
  EXPECT_EQ(TaxYearQuestion(2001, 2003),
            "You have set Tax Year to 2001, be certain this is correct as system clock is set to "
            "2003 and Tax Year is usually either one less or sometimes the same year.\r\rIs 2001 "
            "correct?  Click \"Yes\" if OK, or \"No\" to change");
}
