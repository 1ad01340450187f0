#pragma once
// File, New Year from This File...: next tax year's data file made from this
// one, with the W-3's company data and every W-2's employee (void and blank
// W-2s left out), all amounts zero.

#include <string>

#include "data/W2Record.h"
#include "data/W3Record.h"

class TQuillmarFormFile;

// The W-3 of next year: the tax year one later; the establishment number,
// EIN, name, address, state and state ID, contact, phone, e-mail, fax, kind
// of payer and kind of employer as they are; everything of this year only
// (control number, count, totals, other EIN, third-party sick pay) empty.
W3Record NextYearW3(const W3Record& w3);

// The W-2 of next year: the employee's SSN, name and address, the states,
// state IDs and locality names of both state lines, and the box 13 check
// boxes; every amount zero, no box 12 or 14 entry, no control number.
W2Record NextYearW2(const W2Record& w2);

// The default name of next year's file: "acme 2026.qmr" for a 2025 file
// "acme.qmr" or "acme 2025.qmr", in the same folder.
std::string NextYearFileName(const std::string& path, int taxYear);

// Makes the new data file at `newPath` (mode 0600, as every new data file)
// from `file`'s W-3 and W-2s in file order, and brings its W-3 count and
// totals up to date. Returns how many employees it holds. Throws
// QuillmarError when `newPath` exists already or is this file, when the W-3
// has no tax year, or when the file cannot be made or written; a file made
// part way is removed then.
int MakeNextYearFile(TQuillmarFormFile& file, const std::string& newPath);
