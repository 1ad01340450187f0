#pragma once
// Money amounts and rates: a signed 64-bit integer holding the value × 10000
// (four implied decimals), as the records store them. 12.34 is 123400.

#include <cstdint>

using Currency = std::int64_t;

inline constexpr Currency kCurrencyScale = 10000;
