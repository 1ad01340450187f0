#pragma once
// The check of a W-3 tax year against the year of the system clock: a W-3 is
// usually filed for the year before the clock's, sometimes for the same year.

#include <cstdint>
#include <string>

inline constexpr const char* kTaxYearQuestionCaption = "Verification of Tax Year";

// True when the year lies outside the clock year and the year before it, so
// that the user is asked whether it is right.
bool TaxYearNeedsVerification(std::int32_t taxYear, std::int32_t clockYear);

// The question asked about such a year (answered Yes to keep it).
std::string TaxYearQuestion(std::int32_t taxYear, std::int32_t clockYear);
