#include "tests/support/FixedClock.h"

#include <ctime>

std::chrono::system_clock::time_point FixedClock::LocalNoon(int year, unsigned month,
                                                            unsigned day) {
  std::tm tm{};
  tm.tm_year = year - 1900;
  tm.tm_mon = static_cast<int>(month) - 1;
  tm.tm_mday = static_cast<int>(day);
  tm.tm_hour = 12;
  tm.tm_isdst = -1;
  return std::chrono::system_clock::from_time_t(std::mktime(&tm));
}
