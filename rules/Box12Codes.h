#pragma once
// The codes of W-2 box 12 by tax year, each as the line the box 12 dialog
// lists: the code (one or two letters), a space and its description
// (Windows-1252 texts, in the wording of the IRS instructions of the year).

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/Box12Entry.h"

// The 19 lines of the years up to 2003.
extern const std::array<std::string_view, 19> Box12CodeLines;

// The lines of a tax year, in the order of the form's instructions; the
// latest codes for a year not yet entered (0) or after the last known one.
std::vector<std::string> Box12CodeLinesOfYear(std::int32_t taxYear);

// Whether the year has two-letter codes (from 2006: AA, BB, ...).
bool HasTwoLetterBox12Codes(std::int32_t taxYear);

// The code of a box 12 entry as the year reads it: the two letters of a
// two-letter code only in a year that has them, else the first byte alone.
// Empty for an unused line (a blank or a zero byte). Every screen, form and
// check reads a code through this.
std::string Box12CodeOf(const Box12Entry& entry, std::int32_t taxYear);

// The codes whose amounts make the W-3 deferred compensation total (box 12,
// 12a from 2011) in the year, in the order of the form's instructions: D, E,
// F, G, H and S, from 2005 also Y, from 2006 also AA and BB, from 2011 also
// EE. The totals, the edit check and the wage file's comparison all take
// them from here.
std::vector<std::string_view> DeferredCompensationCodes(std::int32_t taxYear);

// Whether a code is one of DeferredCompensationCodes(taxYear). Upper case only.
bool IsDeferredCompensationCode(std::string_view code, std::int32_t taxYear);
// The codes of the years up to 2004: D, E, F, G, H and S.
bool IsDeferredCompensationCode(char code);
