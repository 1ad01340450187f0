#pragma once
// The countries of the W-2 screen's country list with the two-letter code kept
// in a W-2 record's Country field. The names are shown and matched exactly as
// they stand here. PO, SP and UK each belong to two rows; the country name of
// those codes is the country's own row (Portugal, Spain, United Kingdom).

#include <array>
#include <string_view>

struct CountryEntry {
  std::string_view Name;
  std::string_view Code;
};

inline constexpr std::size_t kCountryCount = 262;

extern const std::array<CountryEntry, kCountryCount> CountryTable;
