#pragma once
// The Social Security and Medicare rates of one tax year, as the rate table
// keeps them, and the entries the program brings along for 1998 to 2002.

#include <array>
#include <cstdint>

#include "data/Currency.h"

struct SocSecMedicareRates {
  std::int32_t TaxYear = 0;       // 0 in a record that holds no year
  Currency SocSecMaxWage = 0;     // wage base in dollars; 0: no rates on file for the year
  Currency SocSecRate = 0;        // employee rate in percent
  Currency MedicareMaxWage = 0;   // 0 when there is none
  Currency MedicareRate = 0;      // employee rate in percent
  bool MedicareHasMaxWage = false;

  friend bool operator==(const SocSecMedicareRates&, const SocSecMedicareRates&) = default;
};

// The entries for 1998 to 2002, in that order.
extern const std::array<SocSecMedicareRates, 5> PresetRates;
