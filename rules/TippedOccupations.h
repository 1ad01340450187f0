#pragma once
// The Treasury Tipped Occupation Codes that box 14b of the W-2 carries, by
// tax year: each code with its title and category, in the order of the
// Treasury's table. Box 14b exists from the 2026 form on; earlier years have
// no codes.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TippedOccupation {
  std::string_view code;  // three digits
  std::string_view title;
  std::string_view category;
};

// The code that stands for tips received in an occupation not on the list.
inline constexpr std::string_view kNotListedOccupation = "000";

// The first tax year with box 14b.
inline constexpr std::int32_t kFirstTipCodeYear = 2026;

// The codes of a tax year (empty before 2026; a year not yet entered, 0, or
// after the last known one takes the latest table).
const std::vector<TippedOccupation>& TippedOccupationsOfYear(std::int32_t taxYear);

// The occupation of `code` in the year, or none ("000" is no occupation).
const TippedOccupation* FindTippedOccupation(std::string_view code, std::int32_t taxYear);

// The lines of the box 14b pick list: "000 Occupation not on the list", then
// "code title" for each code of the year.
std::vector<std::string> TipCodeLinesOfYear(std::int32_t taxYear);

// The code a pick-list line or a typed entry stands for: the leading three
// digits of "101 Bartenders" or "101"; else the one title that is the text,
// or else begins with it, or else contains it (case ignored); else the text
// as typed, trimmed, so that the checks can name it.
std::string TipCodeOfEntry(std::string_view entry, std::int32_t taxYear);
