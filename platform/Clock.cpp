#include "platform/Clock.h"

#include <ctime>

namespace {

class SystemClock final : public IClock {
 public:
  std::chrono::system_clock::time_point Now() const override {
    return std::chrono::system_clock::now();
  }
};

const SystemClock systemClock;
const IClock* current = &systemClock;

std::tm LocalTm(std::chrono::system_clock::time_point t) {
  const std::time_t secs = std::chrono::system_clock::to_time_t(t);
  std::tm tm{};
  localtime_r(&secs, &tm);
  return tm;
}

// Days from 1899-12-30 to the given civil date (proleptic Gregorian).
long DaysFrom1899(int y, unsigned m, unsigned d) {
  namespace ch = std::chrono;
  const ch::sys_days date = ch::year{y} / ch::month{m} / ch::day{d};
  const ch::sys_days epoch = ch::year{1899} / ch::December / ch::day{30};
  return static_cast<long>((date - epoch).count());
}

}  // namespace

const IClock& Clock() { return *current; }

const IClock* SetClock(const IClock* clock) {
  const IClock* previous = current == &systemClock ? nullptr : current;
  current = clock ? clock : &systemClock;
  return previous;
}

DateTime ToDateTime(std::chrono::system_clock::time_point t) {
  const std::tm tm = LocalTm(t);
  const long days = DaysFrom1899(tm.tm_year + 1900, static_cast<unsigned>(tm.tm_mon + 1),
                                 static_cast<unsigned>(tm.tm_mday));
  const auto sinceSecond = t - std::chrono::floor<std::chrono::seconds>(t);
  const double millis = static_cast<double>(
      std::chrono::duration_cast<std::chrono::milliseconds>(sinceSecond).count());
  const double secondsOfDay = tm.tm_hour * 3600.0 + tm.tm_min * 60.0 + tm.tm_sec + millis / 1000.0;
  return static_cast<double>(days) + secondsOfDay / 86400.0;
}

DateTime NowDateTime() { return ToDateTime(Clock().Now()); }

int CurrentYear() { return LocalTm(Clock().Now()).tm_year + 1900; }
