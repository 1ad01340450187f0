#pragma once
// The checks of the rate table's entries: which years the table holds and
// which of them may be changed, the plausibility warnings about a typed
// figure, and what an entry needs before it is saved.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "data/Currency.h"
#include "data/SocSecMedicareRates.h"

// The table starts with 1998; the years before 2002 are fixed.
inline constexpr std::int32_t kFirstRatesTaxYear = 1998;
inline constexpr std::int32_t kFirstEditableRatesYear = 2002;

// The year of a year text of the rates screen: a whole number from 1998 on.
// Empty for anything else.
std::optional<std::int32_t> RatesTaxYear(std::string_view yearText);

// The message about a year text that RatesTaxYear refuses.
std::string InvalidRatesYearMessage(std::string_view yearText);

// The Social Security wage base to expect for a tax year after 2001: 849.0
// grown by 5.552 % a year from 2002 (each step rounded to a double), rounded
// to a whole number (ties to even) and times 100; 84900 for 2002. Empty
// before 2002, and for a year so far ahead that the figure is beyond any
// whole number.
std::optional<std::int64_t> ExpectedSocSecMaxWage(std::int32_t taxYear);

// The wage base the rates screen expects for a tax year after 2001, in
// dollars: the preset wage base of the year where the program brings one
// (2002 to 2026), else the latest preset grown as above from its year.
// Empty before 2002 and where the growth leaves any whole number behind.
std::optional<std::int64_t> ExpectedWageBaseOfYear(std::int32_t taxYear);

// The number of a typed rate figure for the warnings below: an empty text is
// 0; a text that is not a plain decimal gives none (the amount rule reports
// it). The text is trimmed first.
std::optional<double> RateEntryNumber(std::string_view text);

// The plausibility warnings, each empty for a plausible entry or none at all;
// the bounds themselves pass. The entry is kept whatever the warning.
// The wage base is checked after 2001 only, within 10 % of the one
// ExpectedWageBaseOfYear expects.
std::optional<std::string> SocSecMaxWageWarning(std::int32_t taxYear, std::optional<double> entry);
// 3.1 to 9.3 percent.
std::optional<std::string> SocSecRateWarning(std::optional<double> entry);
// 0.73 to 2.18 percent.
std::optional<std::string> MedicareRateWarning(std::optional<double> entry);
// A Medicare wage base (the check mark set) below 84900.
std::optional<std::string> MedicareMaxWageWarning(std::optional<double> entry);
// A Medicare wage base typed without the check mark, longer than four
// characters ("0.00" passes): it is ignored, and the user is told.
std::optional<std::string> UncheckedMedicareMaxWageWarning(std::string_view text);

// An entry may be saved when the wage base and both rates are not zero, and
// the Medicare wage base, when it is used, is not zero either.
bool RatesComplete(const SocSecMedicareRates& rates, bool medicareMaxUsed);
inline constexpr const char* kIncompleteRatesMessage =
    "Cannot save incomplete Soc.Sec./Medicare entry - one or more required fields were zero.";

// A Medicare wage base below this is taken for a typing slip and dropped on saving.
inline constexpr Currency kLowestMedicareMaxWage = 50000 * kCurrencyScale;
inline constexpr const char* kMedicareMaxWageTooLowMessage =
    "Ignoring your entry in Medicare Maximum Wage as it is too low to be correct";
