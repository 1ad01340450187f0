#pragma once
// The rules that change with the tax year, in one table. Each row holds from
// its first year until the next row's; the first row also holds for every
// earlier year, and the last row for every later one (a year not yet in the
// table gets the latest rules). A year not yet entered (0) gets the latest
// rules too: a new data file is for a current year.
//
// The W-2 and W-3 screens take the year from the W-3 record; the edit check
// and the totals take it with the records they are given. The rates of each
// year are the rate table's (data/SocSecMedicareRates); the box 12 codes of
// each year are in rules/Box12Codes.

#include <array>
#include <cstdint>

#include "data/Currency.h"
#include "data/EntryRules.h"
#include "data/SocSecMedicareRates.h"

struct TaxYearRules {
  std::int32_t FirstYear;
  // The SSN areas and the refused EIN prefixes of the year.
  IdNumberRules IdNumbers;
  // The Additional Medicare Tax the employer withholds on the Medicare wages
  // above the threshold (a rate in percent; 0 when the year has none).
  Currency AddlMedicareRate;
  Currency AddlMedicareThreshold;
  // Whether the W-3 offers the kind of payer "944" (KindOfPayer 6).
  bool Form944;
  // Whether the W-3 asks for the kind of employer.
  bool KindOfEmployer;
};

extern const std::array<TaxYearRules, 5> TaxYearTable;

// The rules of a tax year.
const TaxYearRules& RulesForYear(std::int32_t taxYear);

// The Medicare tax on the Medicare wages of box 5 in the tax year of
// `rates`: the Medicare rate on the whole wage, each part rounded to 0.0001,
// plus, from 2013, the Additional Medicare Tax on the part above the
// threshold.
Currency CalculatedMedicareTax(Currency medicareWage, const SocSecMedicareRates& rates);
