#pragma once
// The W-3 totals: recomputed from the W-2 records of the open data file
// before the W-3 screen opens and before the W-3 is printed.

#include "data/W2Record.h"
#include "data/W3Record.h"

class TQuillmarFormFile;

// Adds one W-2 to the count and totals of `w3` as the W-3 counts it: a void
// or blank W-2 (IsCountedW2) adds nothing. Every list that shows the W-3's
// totals adds its W-2s through this. A total beyond the range of an amount
// throws QuillmarError.
void AddToW3Totals(W3Record& w3, const W2Record& w2);

// Makes the W-3 record current (ReadW3), sets its W-2 count and totals from
// every non-void W-2 record in file order, restores the file position and
// saves the W-3 record without asking. Does nothing when ReadW3 fails.
// Box 14 (income tax withheld by the third-party payer) is an entry and is
// left as it is. A total beyond the range of an amount throws QuillmarError.
void SumToW3(TQuillmarFormFile& file);
