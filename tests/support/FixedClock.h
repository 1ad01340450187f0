#pragma once
// A clock for tests that stands still at a chosen moment; installs itself
// while it lives.

#include <chrono>

#include "platform/Clock.h"

class FixedClock final : public IClock {
 public:
  explicit FixedClock(std::chrono::system_clock::time_point at)
      : at_(at), previous_(SetClock(this)) {}
  // Local noon of the given day (noon keeps the date clear of any time zone).
  static std::chrono::system_clock::time_point LocalNoon(int year, unsigned month, unsigned day);
  ~FixedClock() override { SetClock(previous_); }
  FixedClock(const FixedClock&) = delete;
  FixedClock& operator=(const FixedClock&) = delete;

  std::chrono::system_clock::time_point Now() const override { return at_; }
  void Set(std::chrono::system_clock::time_point at) { at_ = at; }

 private:
  std::chrono::system_clock::time_point at_;
  const IClock* previous_;
};
