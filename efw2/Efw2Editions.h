#pragma once
// Which edition of the SSA's EFW2 record layout (Publication 42-007) a tax
// year's wage file is written in. The record positions of Efw2Layout.h are
// those of the tax year 2025 edition; each edition is one row here, so that
// the next one, once the publication is read, is a row and a table beside
// the present one.

#include <cstdint>
#include <string>
#include <vector>

#include "data/W2Record.h"

struct Efw2Edition {
  std::int32_t firstYear;
  std::int32_t lastYear;
  const char* publication;  // "Publication 42-007, tax year 2025"
};

// The edition that holds the tax year's layout; none for a year whose
// edition Quillmar does not have (from 2026 until the SSA's tax year 2026
// publication is read).
const Efw2Edition* Efw2EditionOfYear(std::int32_t taxYear);

// What the export may do for a tax year without an edition of its own.
struct Efw2YearDecision {
  enum class Kind { Write, Refuse, Ask };
  Kind kind = Kind::Write;
  std::string text;  // the refusal, or the Yes/No question
};

// Write when the year has its edition. From 2026 without one: refuse when a
// W-2 carries box 12 code TA, TP or TT or a box 14b code (the latest layout
// has no place for them), naming the W-2s and the other ways to file; else
// ask whether to write the file in the latest layout.
Efw2YearDecision DecideEfw2Year(std::int32_t taxYear, const std::vector<W2Record>& employees);
