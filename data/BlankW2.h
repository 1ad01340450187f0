#pragma once
// A W-2 record with no Social Security number, no name and no amount is no
// W-2: the placeholder of a new file, or an employee started and never
// filled in. The W-3 count and totals, the print runs, the labels, the wage
// file and the state files all leave it out through this one test.

#include "data/W2Record.h"

// True when the record has no SSN, no name (first, middle, last) and every
// amount zero (boxes 1 to 11, 12a-d, 14, 16 to 19 of both state lines).
// Blanks alone count as empty. Void does not matter here.
bool IsBlankW2(const W2Record& w2);

// The W-2s that count: neither void nor blank.
inline bool IsCountedW2(const W2Record& w2) { return w2.Void == 0 && !IsBlankW2(w2); }
