#include "rules/W2EditCheck.h"

#include <algorithm>
#include <limits>
#include <string_view>

#include "data/EntryRules.h"
#include "rules/Box12Codes.h"
#include "rules/TaxYearRules.h"
#include "rules/TipsAndOvertime.h"

namespace {

__extension__ typedef __int128 Int128;

// Boxes 1 to 7 count as zero below 0.005 (a stored value below 50).
constexpr Currency kLeastBoxAmount = 50;
// How far an entered tax may be from the calculated one: 5.00.
constexpr Currency kTaxTolerance = 5 * kCurrencyScale;

constexpr std::string_view kAsterisks = "****************************************************";

bool IsVoid(const W2Record& w2) { return w2.Void != 0; }

// a + b, held at the end of the amount range instead of wrapping.
Currency SaturatingAdd(Currency a, Currency b) {
  Currency sum = 0;
  if (!__builtin_add_overflow(a, b, &sum)) return sum;
  return b > 0 ? std::numeric_limits<Currency>::max() : std::numeric_limits<Currency>::min();
}

Currency SaturatingSubtract(Currency a, Currency b) {
  Currency difference = 0;
  if (!__builtin_sub_overflow(a, b, &difference)) return difference;
  return b < 0 ? std::numeric_limits<Currency>::max() : std::numeric_limits<Currency>::min();
}

// True when the entered tax is more than 5.00 above or below the calculated one.
bool OutsideTolerance(Currency entered, Currency calculated) {
  const Int128 difference = static_cast<Int128>(entered) - calculated;
  return difference > kTaxTolerance || difference < -kTaxTolerance;
}

std::string Amount(Currency value) { return FormatAmount(value); }

// The zero or negative line of one of boxes 1 to 7.
void CheckBox(Currency amount, const char* zeroLine, const char* negativeLine, ReportLines& lines) {
  if (amount >= kLeastBoxAmount) return;
  lines.emplace_back(amount >= 0 ? zeroLine : negativeLine);
}

void CheckAddress(const W2Record& w2, ReportLines& lines) {
  const std::string state = w2.AddrState.Str();
  if (w2.Country.Empty() && w2.PostCode.Empty()) {
    if (state.empty()) {
      lines.emplace_back("State is missing");
    } else if (state.size() == 2) {
      if (StateNameOfAbbrev(state).empty()) lines.emplace_back("State abbreviation is invalid");
    } else if (StateAbbrevOfName(state).empty()) {
      lines.emplace_back("State may be invalid");
    }
    if (w2.Zip.Empty()) {
      lines.emplace_back("Zip Code is missing");
    } else if (!CheckZip(w2.Zip.Str())) {
      lines.emplace_back("Zip Code is invalid");
    }
    return;
  }
  // A foreign address: never checked against the state table or as a ZIP code.
  if (state.empty()) lines.emplace_back("Foreign Province or County is missing from State field");
  if (!w2.Zip.Empty())
    lines.emplace_back("U.S. Zip Code field should be empty for foreign addresses");
  if (!w2.Country.Empty() && w2.PostCode.Empty())
    lines.emplace_back("Foreign Postal Code is missing");
  if (w2.Country.Empty() && !w2.PostCode.Empty()) lines.emplace_back("Foreign Country is missing");
}

void CheckDeferredCompensation(const W2Record& w2, std::int32_t taxYear, ReportLines& lines) {
  const bool deferred =
      std::any_of(std::begin(w2.Box12), std::end(w2.Box12), [taxYear](const Box12Entry& entry) {
        return entry.Amount != 0 &&
               IsDeferredCompensationCode(Box12CodeOf(entry, taxYear), taxYear);
      });
  if (!deferred) return;
  lines.emplace_back("You have Deferred Compensation entries, most of these plans reduce");
  lines.emplace_back("   wages for tax purposes but not always for social security or medicare,");
  lines.emplace_back("   so be extra careful that the correct figures are in boxes 1 thru 6 for");
  lines.emplace_back(
      "   your particular plan. Consult plan administrator or accountant if unsure.");
}

// One state line of the W-2, as the checks read it.
struct StateLine {
  const char* ordinal;  // "1st", "2nd"
  std::string state;
  bool hasStateID;
  Currency stateWage, stateTax, localWage, localTax;
  bool hasLocName;
};

void CheckStateLine(const StateLine& line, ReportLines& lines) {
  const std::string where = std::string(" the ") + line.ordinal + " State Line";
  const bool stateAmounts = line.stateWage != 0 || line.stateTax != 0;
  const bool localAmounts = line.localWage != 0 || line.localTax != 0;
  if (stateAmounts || localAmounts) {
    if (line.state.empty()) {
      lines.push_back("State abbreviation is missing from" + where);
    } else if (StateNameOfAbbrev(line.state).empty()) {
      lines.push_back("State abbreviation is invalid in" + where);
    }
    if (!line.hasStateID) lines.push_back("Employers State ID Number is missing from" + where);
  }
  if ((line.stateWage != 0) != (line.stateTax != 0)) {
    lines.push_back("Either State Wage or State Tax may be missing from" + where);
    lines.emplace_back(
        "   (or if no State Taxes in your State then zero the State Wage and State Tax entries)");
  }
  if ((line.localWage != 0) != (line.localTax != 0))
    lines.push_back("Either Local Wage or Local Tax may be missing from" + where);
  if (localAmounts && !line.hasLocName) {
    lines.push_back("Locality name is missing from" + where);
    lines.emplace_back(
        "   (or if no local taxes in your area then zero the Local Wage and Local Tax entries)");
  }
}

}  // namespace

ReportLines RunErrorCheck(W2Record& w2, const SocSecMedicareRates& rates) {
  ReportLines lines;
  lines.push_back("W-2 Error Report for: " + w2.FirstName.Str() + " " + w2.MiddleInitial.Str() +
                  " " + w2.LastName.Str() + ",   SSN = " + w2.SocSecNum.Str());
  CheckW2Entries(w2, lines, true, rates.TaxYear);
  if (rates.SocSecMaxWage != 0) {
    // In this order: the tax is verified against the wage as already lowered.
    CheckSocSecWageMax(w2, rates, lines);
    CheckSocSecTax(w2, rates, lines);
    CheckMedicareWageMax(w2, rates, lines);
    CheckMedicareTax(w2, rates, lines);
  } else {
    lines.emplace_back();
    lines.emplace_back(kAsterisks);
    lines.push_back("There are no Social Security or Medicare rates on file for the " +
                    std::to_string(rates.TaxYear) + " tax year so was");
    lines.emplace_back(
        "unable to verify Social Security or Medicare taxes or check Social Security wages");
    lines.emplace_back("against the maximum taxable wage.");
    lines.emplace_back();
    lines.emplace_back(
        "To add Social Security or Medicare rates for this tax year, from the main menu select");
    lines.emplace_back(
        "Edit, then Soc.Sec/Medicare Rates.  After setting up the rates return to editing the");
    lines.emplace_back(
        "W-2's and to perform the rate checks click the Edit Check button again for each W-2.");
    lines.emplace_back(kAsterisks);
  }
  if (lines.size() == 1) {
    lines.emplace_back();
    lines.emplace_back("No obvious errors were found");
  }
  return lines;
}

bool CheckW2Entries(const W2Record& w2, ReportLines& lines, bool checkSsn, std::int32_t taxYear) {
  if (IsVoid(w2)) return false;
  lines.emplace_back();
  const std::size_t start = lines.size();

  if (checkSsn) {
    if (!CheckSSN(w2.SocSecNum.Str(), RulesForYear(taxYear).IdNumbers))
      lines.push_back("SSN " + w2.SocSecNum.Str() + " is invalid");
  }
  if (w2.FirstName.Empty()) lines.emplace_back("First name is missing");
  if (w2.LastName.Empty()) lines.emplace_back("Last name is missing");
  if (w2.StreetPOB.Empty()) lines.emplace_back("Street is missing");
  if (w2.City.Empty()) lines.emplace_back("City or Town is missing");
  CheckAddress(w2, lines);

  CheckBox(w2.Wages, "Box 1 Wages are zero, verify this is O.K.",
           "Box 1 Wages are negative, this is not allowed", lines);
  CheckBox(w2.FedTax, "Box 2 Federal Tax is zero, verify this is O.K.",
           "Box 2 Federal Tax is negative, this is not allowed", lines);
  CheckBox(w2.SSWages, "Box 3 Social Security Wage is zero, verify this is O.K.",
           "Box 3 Social Security Wage is negative, this is not allowed", lines);
  CheckBox(w2.SSTax, "Box 4 Social Security Tax is zero, verify this is O.K.",
           "Box 4 Social Security Tax is negative, this is not allowed", lines);
  CheckBox(w2.MedWage, "Box 5 Medicare Wage is zero, verify this is O.K.",
           "Box 5 Medicare Wage is negative, this is not allowed", lines);
  CheckBox(w2.MedTax, "Box 6 Medicare Tax is zero, verify this is O.K.",
           "Box 6 Medicare Tax is negative, this is not allowed", lines);
  // With Social Security wages present, zero tips are no finding.
  if (w2.SSWages < kLeastBoxAmount)
    CheckBox(w2.SSTips, "Box 7 Social Security Tips are zero, verify this is O.K.",
             "Box 7 Social Security Tips are negative, this is not allowed", lines);

  CheckDeferredCompensation(w2, taxYear, lines);
  for (const TipFinding& finding : CheckTipsAndOvertime(w2, taxYear)) lines.push_back(finding.text);
  if (const std::string line = NoW2RequiredLine(w2, taxYear); !line.empty()) lines.push_back(line);
  CheckStateLine({"1st", w2.ST1State.Str(), !w2.ST1StateID.Empty(), w2.ST1StateWage, w2.ST1StateTax,
                  w2.ST1LocalWage, w2.ST1LocalTax, !w2.ST1LocName.Empty()},
                 lines);
  CheckStateLine({"2nd", w2.ST2State.Str(), !w2.ST2StateID.Empty(), w2.ST2StateWage, w2.ST2StateTax,
                  w2.ST2LocalWage, w2.ST2LocalTax, !w2.ST2LocName.Empty()},
                 lines);

  if (lines.size() == start) {
    lines.pop_back();
    return false;
  }
  return true;
}

bool CheckSocSecWageMax(W2Record& w2, const SocSecMedicareRates& rates, ReportLines& lines) {
  if (IsVoid(w2)) return false;
  const Currency total = SaturatingAdd(w2.SSWages, w2.SSTips);
  if (total <= rates.SocSecMaxWage) return false;
  lines.emplace_back();
  lines.push_back("Social Security Wage " + Amount(w2.SSWages) + " + Tips " + Amount(w2.SSTips) +
                  " = " + Amount(total) + " Wage has");
  // Tips above the maximum on their own would take box 3 below zero; the
  // correction never makes a wage negative (nor raises one that already is).
  w2.SSWages = std::max(SaturatingSubtract(rates.SocSecMaxWage, w2.SSTips),
                        std::min<Currency>(w2.SSWages, 0));
  lines.push_back("been reduced to " + Amount(w2.SSWages) + " so they add to the maximum of " +
                  Amount(rates.SocSecMaxWage));
  const Currency maxTax = TaxProduct(rates.SocSecMaxWage, rates.SocSecRate);
  if (w2.SSTax > maxTax)
    lines.push_back("Your Social Security Tax entry of " + Amount(w2.SSTax) +
                    " exceeds the maximum of " + Amount(maxTax));
  return true;
}

bool CheckSocSecTax(const W2Record& w2, const SocSecMedicareRates& rates, ReportLines& lines) {
  if (IsVoid(w2)) return false;
  const Currency calc = TaxProduct(SaturatingAdd(w2.SSWages, w2.SSTips), rates.SocSecRate);
  if (!OutsideTolerance(w2.SSTax, calc)) return false;
  lines.emplace_back();
  lines.push_back("Calculated Soc.Sec.Tax at " + Amount(calc) + " but your entry is " +
                  Amount(w2.SSTax));
  return true;
}

bool CheckMedicareWageMax(W2Record& w2, const SocSecMedicareRates& rates, ReportLines& lines) {
  if (IsVoid(w2) || !rates.MedicareHasMaxWage) return false;
  if (w2.MedWage <= rates.MedicareMaxWage) return false;
  lines.emplace_back();
  lines.push_back("Medicare Wage of " + Amount(w2.MedWage) +
                  " has been reduced to the maximum of " + Amount(rates.MedicareMaxWage));
  w2.MedWage = rates.MedicareMaxWage;
  const Currency maxTax = TaxProduct(rates.MedicareMaxWage, rates.MedicareRate);
  if (w2.MedTax > maxTax)
    lines.push_back("Your Medicare Tax entry of " + Amount(w2.MedTax) + " exceeds the maximum of " +
                    Amount(maxTax));
  return true;
}

bool CheckMedicareTax(const W2Record& w2, const SocSecMedicareRates& rates, ReportLines& lines) {
  if (IsVoid(w2)) return false;
  // Box 7 tips are not added here, unlike the Social Security tax.
  const Currency calc = CalculatedMedicareTax(w2.MedWage, rates);
  if (!OutsideTolerance(w2.MedTax, calc)) return false;
  lines.emplace_back();
  lines.push_back("Calculated Medicare Tax at " + Amount(calc) + " but your entry is " +
                  Amount(w2.MedTax));
  return true;
}
