// MulDiv and the date and time of report footers.

#include <gtest/gtest.h>

#include <chrono>
#include <limits>

#include "platform/DateTimeText.h"
#include "platform/MulDiv.h"
#include "tests/support/FixedClock.h"

namespace {

TEST(MulDiv, RoundsHalvesAwayFromZeroWithoutOverflow) {
  struct Case {
    std::int32_t a, b, c, want;
  };
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  const Case cases[] = {
      {25, 203, 100, 51},     // 50.75
      {50, 203, 100, 102},    // 101.5, a half: away from zero
      {-50, 203, 100, -102},  // -101.5
      {50, -203, -100, 102},
      {203, 1, 6, 34},           // 33.83
      {203, 1, 10, 20},          // 20.3
      {-11, 600, 72, -92},       // -91.67
      {kMax, kMax, kMax, kMax},  // the product needs 62 bits
      {kMax, 2, 1, -1},          // the quotient does not fit
      {1, 1, 0, -1},             // division by zero
      {std::numeric_limits<std::int32_t>::min(), 1, 1, std::numeric_limits<std::int32_t>::min()},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.want) << c.a << " x " << c.b << " / " << c.c;
  }
}

TEST(DateTimeText, LeavesOutTheTimeOnlyAtExactlyMidnight) {
  using namespace std::chrono;
  const auto noon = FixedClock::LocalNoon(2024, 3, 15);
  const auto midnight = noon - hours(12);
  struct Case {
    system_clock::time_point at;
    const char* want;
  };
  const Case cases[] = {
      {noon, "03/15/24 12:00:00"},
      {midnight, "03/15/24"},
      {midnight + seconds(1), "03/15/24 00:00:01"},
      {midnight + milliseconds(1), "03/15/24 00:00:00"},
      {midnight - seconds(1), "03/14/24 23:59:59"},
  };
  for (const Case& c : cases) EXPECT_EQ(DateTimeText(c.at, "C"), c.want);
  // A locale that is not installed reads as the C locale.
  EXPECT_EQ(DateTimeText(noon, "xx_NOWHERE.UTF-8"), "03/15/24 12:00:00");
}

}  // namespace
