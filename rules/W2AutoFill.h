#pragma once
// The automatic fill of a new employee's W-2: box 1 as typed fills boxes 3
// to 6 and the state and local wages of state line 1 from the rates of the
// tax year. Only boxes that are still zero are filled, so the fill may run
// again without changing what the user entered.

#include <string_view>

#include "data/SocSecMedicareRates.h"
#include "data/W2Record.h"

// The boxes one fill has set.
struct W2FilledBoxes {
  bool SSWages = false;       // box 3
  bool SSTax = false;         // box 4
  bool MedWage = false;       // box 5
  bool MedTax = false;        // box 6
  bool ST1StateWage = false;  // box 16, line 1
  bool ST1LocalWage = false;  // box 18, line 1

  friend bool operator==(const W2FilledBoxes&, const W2FilledBoxes&) = default;
};

// Whether leaving box 1 fills the other boxes of this record: a blank
// employee, with no SSN and boxes 1 and 3 both zero, as shown.
bool W2AutoFillArmed(const W2Record& w2);

// Fills `w2` from its stored box 1 (`Wages`) and the year's rates, when the
// text typed in box 1 reads as a number above half a cent; says which boxes
// it filled. Box 3 is box 1 up to the Social Security wage base (when the
// year has one), box 5 box 1 up to the Medicare wage base (when it applies);
// the taxes are the wages times the rates, kept to four decimals, box 6 with
// the Additional Medicare Tax of the year of `rates` (from 2013). Rates with
// no entry on file (all zero) copy box 1 and leave the taxes at zero.
W2FilledBoxes W2AutoFill(W2Record& w2, std::string_view typedWages,
                         const SocSecMedicareRates& rates);
