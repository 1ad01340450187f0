#include "rules/TaxYearRules.h"

#include <algorithm>
#include <limits>

namespace {

constexpr Currency kNoAddlMedicare = 0;
constexpr Currency kAddlMedicareRate = 9000;                          // 0.9 %
constexpr Currency kAddlMedicareThreshold = 200000 * kCurrencyScale;  // 200,000.00

// The SSN and EIN rules of the years up to 2002, from 2003 and from 2011.
constexpr IdNumberRules kIdNumbers1998{false, BadEinPrefixes};
constexpr IdNumberRules kIdNumbers2003{false, UnassignedEinPrefixes};
constexpr IdNumberRules kIdNumbers2011{true, UnassignedEinPrefixes};

}  // namespace

// clang-format off
const std::array<TaxYearRules, 5> TaxYearTable = {{
    // first year  SSN and EIN       Additional Medicare tax                     944    kind of employer
    {1998,         kIdNumbers1998,   kNoAddlMedicare,   0,                       false, false},
    {2003,         kIdNumbers2003,   kNoAddlMedicare,   0,                       false, false},
    {2006,         kIdNumbers2003,   kNoAddlMedicare,   0,                       true,  false},
    // SSNs are assigned at random since 25 June 2011.
    {2011,         kIdNumbers2011,   kNoAddlMedicare,   0,                       true,  true},
    {2013,         kIdNumbers2011,   kAddlMedicareRate, kAddlMedicareThreshold,  true,  true},
}};
// clang-format on

const TaxYearRules& RulesForYear(std::int32_t taxYear) {
  if (taxYear <= 0) return TaxYearTable.back();
  const TaxYearRules* rules = &TaxYearTable.front();
  for (const TaxYearRules& row : TaxYearTable)
    if (row.FirstYear <= taxYear) rules = &row;
  return *rules;
}

Currency CalculatedMedicareTax(Currency medicareWage, const SocSecMedicareRates& rates) {
  const Currency tax = TaxProduct(medicareWage, rates.MedicareRate);
  const TaxYearRules& year = RulesForYear(rates.TaxYear);
  if (year.AddlMedicareRate == 0 || medicareWage <= year.AddlMedicareThreshold) return tax;
  const Currency additional =
      TaxProduct(medicareWage - year.AddlMedicareThreshold, year.AddlMedicareRate);
  Currency sum = 0;
  if (__builtin_add_overflow(tax, additional, &sum)) return std::numeric_limits<Currency>::max();
  return sum;
}
