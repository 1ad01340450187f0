#pragma once
// The rules of the 2026 W-2 for box 12 codes TA (Trump account
// contributions), TP (cash tips reported) and TT (qualified overtime) and for
// box 14b (the tipped occupation codes), and the $2,000 filing threshold of
// 2026. Each finding is an error (the entry is refused) or a point to verify
// (an information that never blocks), in plain words of its own.

#include <cstdint>
#include <string>
#include <vector>

#include "data/Currency.h"
#include "data/W2Record.h"

struct TipFinding {
  enum class Part { Box12, Box14b };
  bool error;  // refused; else a point to verify
  Part part;
  std::string text;
};

// The box 14b codes of a record as stored, blanks left out.
std::vector<std::string> TipCodesOf(const W2Record& w2);

// Every finding on box 12 TA, TP, TT and box 14b under the rules of the tax
// year (0, not yet entered, takes the latest rules). Errors first.
std::vector<TipFinding> CheckTipsAndOvertime(const W2Record& w2, std::int32_t taxYear);

// The remuneration below which a W-2 is not required when no income, social
// security or Medicare tax was withheld: 600.00 up to 2025, 2,000.00 from 2026.
Currency NoW2Threshold(std::int32_t taxYear);

// The information line for a W-2 that the year does not require (no tax
// withheld, boxes 1, 3 and 5 under the threshold); empty otherwise, and for
// years before 2026 and a year not yet entered.
std::string NoW2RequiredLine(const W2Record& w2, std::int32_t taxYear);
