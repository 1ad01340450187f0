#pragma once
// The Social Security and Medicare rates of one tax year, as the rate table
// keeps them, and the entries the program brings along for 1998 to 2026.

#include <array>
#include <cstdint>

#include "data/Currency.h"

struct SocSecMedicareRates {
  std::int32_t TaxYear = 0;      // 0 in a record that holds no year
  Currency SocSecMaxWage = 0;    // wage base in dollars; 0: no rates on file for the year
  Currency SocSecRate = 0;       // employee rate in percent
  Currency MedicareMaxWage = 0;  // 0 when there is none
  Currency MedicareRate = 0;     // employee rate in percent
  bool MedicareHasMaxWage = false;

  friend bool operator==(const SocSecMedicareRates&, const SocSecMedicareRates&) = default;
};

// The entries for 1998 to 2026, one per year in that order: the Social
// Security wage base of the year, 6.2 % (4.2 % for the employee in 2011 and
// 2012), Medicare 1.45 % with no maximum wage.
inline constexpr std::int32_t kFirstPresetYear = 1998;
inline constexpr std::int32_t kLastPresetYear = 2026;
extern const std::array<SocSecMedicareRates, kLastPresetYear - kFirstPresetYear + 1> PresetRates;

// The preset entry of a tax year; nullptr when the program brings none.
const SocSecMedicareRates* PresetRatesForYear(std::int32_t taxYear);
