// MulDiv and the date and time of report footers.

#include <gtest/gtest.h>

#include <limits>

#include "platform/DateTimeText.h"
#include "platform/MulDiv.h"
#include "tests/support/FixedClock.h"

namespace {

TEST(MulDiv, RoundsHalvesAwayFromZeroWithoutOverflow) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  const std::int32_t cases[][4] = {
      {25, 203, 100, 51}, {50, 203, 100, 102}, {-50, 203, 100, -102},    {50, -203, -100, 102},
      {203, 1, 6, 34},    {-11, 600, 72, -92}, {kMax, kMax, kMax, kMax},  // a 62-bit product
      {kMax, 2, 1, -1},   {1, 1, 0, -1},       {kMin, 1, 1, kMin},        // too big; by zero
  };
  for (const auto& c : cases)
    EXPECT_EQ(MulDiv(c[0], c[1], c[2]), c[3]) << c[0] << " " << c[1] << " " << c[2];
}

TEST(DateTimeText, LeavesOutTheTimeOnlyAtExactlyMidnight) {
  using namespace std::chrono;
  const auto midnight = FixedClock::LocalNoon(2024, 3, 15) - hours(12);
  EXPECT_EQ(DateTimeText(midnight + hours(12), "C"), "03/15/24 12:00:00");
  EXPECT_EQ(DateTimeText(midnight, "C"), "03/15/24");
  EXPECT_EQ(DateTimeText(midnight + milliseconds(1), "C"), "03/15/24 00:00:00");
  EXPECT_EQ(DateTimeText(midnight - seconds(1), "C"), "03/14/24 23:59:59");
  EXPECT_EQ(DateTimeText(midnight, "xx_NOWHERE.UTF-8"), "03/15/24");  // not installed: C
}

}  // namespace
