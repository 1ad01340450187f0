#pragma once
// The US states, territories and military post offices, each with its postal
// abbreviation, in the order the W-2 screen lists them. Two rows are headings
// with no abbreviation; an empty abbreviation never matches a lookup.

#include <array>
#include <string_view>

struct StateEntry {
  std::string_view Name;
  std::string_view Abbrev;
};

inline constexpr std::size_t kStateCount = 62;

extern const std::array<StateEntry, kStateCount> StateTable;
