#pragma once
// The Social Security and Medicare rates of one tax year, as the rate table
// keeps them, and the entries the program brings along for 1998 to 2002.

#include <array>
#include <cstdint>
#include <optional>

#include "data/Currency.h"

class TQuillmarRegistry;

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

// Writes the preset entries (over any entries of those years) unless the
// table already holds a 2002 entry with a Social Security wage base.
void SeedPresetRates(TQuillmarRegistry& registry);

// The Social Security wage base to expect for a tax year after 2001: 849.0
// grown by 5.552 % a year from 2002 (each step rounded to a double), rounded
// to a whole number (ties to even) and times 100; 84900 for 2002. Empty
// before 2002, and for a year so far ahead that the figure is beyond any
// whole number.
std::optional<std::int64_t> ExpectedSocSecMaxWage(std::int32_t taxYear);
