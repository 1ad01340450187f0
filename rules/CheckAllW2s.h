#pragma once
// Edit, Check All W-2s: the W-2 edit check over every non-void W-2 of the
// file in name order, and the checks of the W-3, in one report. The check
// changes nothing by itself; the lowering of boxes 3 and 5 to the wage base
// that the edit check would make is listed, and applied to the W-2s
// concerned only on request.

#include <cstdint>
#include <string>
#include <vector>

#include "data/SocSecMedicareRates.h"
#include "data/W3Record.h"
#include "rules/W2EditCheck.h"

class TQuillmarFormFile;

struct AllW2sCheck {
  ReportLines Lines;
  int W2sChecked = 0;
  int W2sWithFindings = 0;
  // The file offsets of the W-2s whose box 3 or box 5 lies above the wage base.
  std::vector<std::int64_t> WageBaseCorrections;
};

// The report: a title line; for each non-void W-2 in name order a heading
// line (as the W-2 screen's Error Check heads its report) and its findings,
// indented; the W-3 checks; the count of W-2s with findings. Without rates
// for the tax year (SocSecMaxWage zero) the rate checks are left out and the
// report says so once. The file position is put back; nothing is written.
AllW2sCheck CheckAllW2s(TQuillmarFormFile& file, const SocSecMedicareRates& rates);

// The W-3's employer entries under the rules of its tax year: tax year,
// EIN, name and address, the kind of employer from 2011, form 944 before
// 2006, whether there is any W-2 to file and whether the totals count the
// W-2s. True when it appended any line.
bool CheckW3Entries(const W3Record& w3, int nonVoidW2s, ReportLines& lines);

// The question asked at the end of the report when W-2s can be corrected.
std::string WageBaseQuestion(std::size_t count);

// Lowers boxes 3 and 5 of the W-2s at `offsets` to the wage base, as the
// edit check does, and saves each through the journal. Returns how many
// were saved; the current record is left where the walk ended.
int ApplyWageBaseCorrections(TQuillmarFormFile& file, const SocSecMedicareRates& rates,
                             const std::vector<std::int64_t>& offsets);
