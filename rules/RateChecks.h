#pragma once
// The plausibility checks of the rate table's entries.

#include <cstdint>
#include <optional>

// The Social Security wage base to expect for a tax year after 2001: 849.0
// grown by 5.552 % a year from 2002 (each step rounded to a double), rounded
// to a whole number (ties to even) and times 100; 84900 for 2002. Empty
// before 2002, and for a year so far ahead that the figure is beyond any
// whole number.
std::optional<std::int64_t> ExpectedSocSecMaxWage(std::int32_t taxYear);
