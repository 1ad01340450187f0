#pragma once
// The W-3 totals: recomputed from the W-2 records of the open data file
// before the W-3 screen opens and before the W-3 is printed.

class TQuillmarFormFile;

// Makes the W-3 record current (ReadW3), sets its W-2 count and totals from
// every non-void W-2 record in file order, restores the file position and
// saves the W-3 record without asking. Does nothing when ReadW3 fails.
// Box 14 (income tax withheld by the third-party payer) is an entry and is
// left as it is. A total beyond the range of an amount throws QuillmarError.
void SumToW3(TQuillmarFormFile& file);
