#pragma once
// The W-2 edit check: what is missing, implausible or in conflict with the
// Social Security and Medicare rules of the tax year on one W-2, as plain
// report lines (Windows-1252 text, no codes or marks: the wording tells an
// error from a point to verify).
//
// Each check appends its findings to the line list and returns true when it
// appended any; given a void W-2 it appends nothing and returns false. The
// wage maximum checks lower box 3 (SSWages) and box 5 (MedWage) of the W-2
// they are given; nothing else is changed.

#include <cstdint>
#include <string>
#include <vector>

#include "data/SocSecMedicareRates.h"
#include "data/W2Record.h"

using ReportLines = std::vector<std::string>;

// The whole report on one W-2, under the rules of rates.TaxYear (the W-3 tax
// year): the header line, the entry findings, then the
// rate findings when `rates` holds rates (SocSecMaxWage not zero), else the
// paragraph saying that they could not be checked for rates.TaxYear; "No
// obvious errors were found" when nothing was found. May lower boxes 3 and 5.
ReportLines RunErrorCheck(W2Record& w2, const SocSecMedicareRates& rates);

// Completeness and plausibility of names, address, boxes 1 to 7, box 12
// deferred compensation, box 12 TA/TP/TT and box 14b, the two state lines,
// and from 2026 the line saying that a W-2 is not required, under the rules
// of the tax year. `checkSsn` asks for the Social Security number test, which runs
// without its message box.
bool CheckW2Entries(const W2Record& w2, ReportLines& lines, bool checkSsn, std::int32_t taxYear);

// Box 3 plus box 7 above the wage base: box 3 is lowered so that the two add
// up to it, and a box 4 above the tax on the wage base is reported.
bool CheckSocSecWageMax(W2Record& w2, const SocSecMedicareRates& rates, ReportLines& lines);
// Box 4 more than 5.00 away from the tax on boxes 3 and 7.
bool CheckSocSecTax(const W2Record& w2, const SocSecMedicareRates& rates, ReportLines& lines);
// Box 5 above a Medicare wage maximum (only when the year has one): box 5 is
// lowered to it, and a box 6 above the tax on the maximum is reported.
bool CheckMedicareWageMax(W2Record& w2, const SocSecMedicareRates& rates, ReportLines& lines);
// Box 6 more than 5.00 away from the tax on box 5 (with the Additional
// Medicare Tax of the year of `rates` on the wage above its threshold).
bool CheckMedicareTax(const W2Record& w2, const SocSecMedicareRates& rates, ReportLines& lines);
