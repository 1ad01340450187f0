#include "rules/RateChecks.h"

#include <cmath>

#include "data/EntryRules.h"

namespace {

// A warning when the entry lies outside lowest..highest.
std::optional<std::string> Outside(std::optional<double> entry, double lowest, double highest,
                                   const char* warning) {
  if (entry && (*entry > highest || *entry < lowest)) return std::string(warning);
  return std::nullopt;
}

}  // namespace

std::optional<std::int32_t> RatesTaxYear(std::string_view yearText) {
  const std::optional<std::int32_t> year = ParseWholeNumber(yearText);
  if (!year || *year < kFirstRatesTaxYear) return std::nullopt;
  return year;
}

std::string InvalidRatesYearMessage(std::string_view yearText) {
  return "Tax Year " + std::string(yearText) +
         " is invalid, must be 4 numeric digits and greater than 1997. Please correct it.";
}

namespace {

// The wage base `start` (in hundreds of dollars) of year `from`, grown by
// 5.552 % a year to `taxYear`, each step rounded to a double, then to a whole
// number (ties to even), times 100.
std::optional<std::int64_t> GrownWageBase(double start, std::int32_t from, std::int32_t taxYear) {
  // The figure is a whole number times 100; beyond this it has none.
  constexpr double kLimit = 9.2e16;
  double base = start;
  for (std::int32_t year = from; year < taxYear; ++year) {
    base = base * 1.05552;
    if (base > kLimit) return std::nullopt;
  }
  return static_cast<std::int64_t>(std::nearbyint(base)) * 100;
}

}  // namespace

std::optional<std::int64_t> ExpectedSocSecMaxWage(std::int32_t taxYear) {
  if (taxYear < 2002) return std::nullopt;
  return GrownWageBase(849.0, 2002, taxYear);
}

std::optional<std::int64_t> ExpectedWageBaseOfYear(std::int32_t taxYear) {
  if (taxYear < 2002) return std::nullopt;
  if (const SocSecMedicareRates* preset = PresetRatesForYear(taxYear))
    return preset->SocSecMaxWage / kCurrencyScale;
  const SocSecMedicareRates& latest = PresetRates.back();
  return GrownWageBase(static_cast<double>(latest.SocSecMaxWage / kCurrencyScale) / 100.0,
                       latest.TaxYear, taxYear);
}

std::optional<double> RateEntryNumber(std::string_view text) {
  const std::string trimmed = TrimText(text);
  if (trimmed.empty()) return 0.0;
  return PlainDecimalValue(trimmed);
}

std::optional<std::string> SocSecMaxWageWarning(std::int32_t taxYear, std::optional<double> entry) {
  if (taxYear <= 2001) return std::nullopt;
  const std::optional<std::int64_t> expected = ExpectedWageBaseOfYear(taxYear);
  if (!entry || !expected) return std::nullopt;
  const double expectedValue = static_cast<double>(*expected);
  if (*entry <= 1.1 * expectedValue && *entry >= 0.9 * expectedValue) return std::nullopt;
  return "Was expecting Soc.Sec. Maximum Wage for " + std::to_string(taxYear) +
         " to be in the region of " + std::to_string(*expected) +
         ". Please be sure your entry is correct.";
}

std::optional<std::string> SocSecRateWarning(std::optional<double> entry) {
  return Outside(entry, 3.1, 9.3,
                 "Was expecting Soc.Sec. Rate to be around 6.2%, be sure your entry is correct.");
}

std::optional<std::string> MedicareRateWarning(std::optional<double> entry) {
  return Outside(entry, 0.73, 2.18,
                 "Was expecting Medicare Rate to be around 1.45%, be sure your entry is correct.");
}

std::optional<std::string> MedicareMaxWageWarning(std::optional<double> entry) {
  if (entry && *entry < 84900) {
    return std::string(
        "If Medicare Maximum Wage has been reinstated was expecting a Maximum that is higher than "
        "your entry, be sure your entry is correct.");
  }
  return std::nullopt;
}

std::optional<std::string> UncheckedMedicareMaxWageWarning(std::string_view text) {
  if (text.size() <= 4) return std::nullopt;
  return std::string(
      "Any entry in Medicare Maximum Wage will be ignored unless there is also a check mark "
      "against \"Set Maximum Wage\"");
}

bool RatesComplete(const SocSecMedicareRates& rates, bool medicareMaxUsed) {
  return !(medicareMaxUsed && rates.MedicareMaxWage == 0) && rates.SocSecMaxWage != 0 &&
         rates.SocSecRate != 0 && rates.MedicareRate != 0;
}
