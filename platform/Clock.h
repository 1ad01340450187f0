#pragma once
// The clock of the program (record LastSaved, the W-3 tax-year check, report
// footers). Tests install a fixed one.

#include <chrono>

#include "platform/DateTime.h"

class IClock {
 public:
  virtual ~IClock() = default;
  virtual std::chrono::system_clock::time_point Now() const = 0;
};

// The installed clock (the system clock unless a test installed another).
const IClock& Clock();
// Installs `clock` (not owned) and returns the previous one; nullptr restores the system clock.
const IClock* SetClock(const IClock* clock);

// Converts a point in time to the local DateTime of the records.
DateTime ToDateTime(std::chrono::system_clock::time_point t);
// The installed clock's now, as a DateTime.
DateTime NowDateTime();
// The year (local time) of the installed clock.
int CurrentYear();
