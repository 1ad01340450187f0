#include <gtest/gtest.h>

#include <functional>

#include "data/EntryRules.h"
#include "rules/W2EditCheck.h"
#include "tests/support/ScriptedMessageBoxes.h"

namespace {

using Lines = std::vector<std::string>;
constexpr Currency D(double dollars) { return static_cast<Currency>(dollars * 10000 + 0.5); }
const SocSecMedicareRates k2001{2001, D(80400), D(6.2), 0, D(1.45), false};
const SocSecMedicareRates kMedMax{2001, D(80400), D(6.2), D(40000), D(1.45), true};
const std::string kStars(52, '*');

// A complete, consistent W-2 on the 2001 rates.
W2Record Complete() {
  W2Record w2{};
  w2.SocSecNum = "123-45-6780", w2.FirstName = "John", w2.MiddleInitial = "Q",
  w2.LastName = "Public";
  w2.StreetPOB = "1 Elm St", w2.City = "Albany", w2.AddrState = "NY", w2.Zip = "12207";
  w2.ST1State = "NY", w2.ST1StateID = "123456";
  w2.Wages = w2.SSWages = w2.MedWage = w2.ST1StateWage = D(50000);
  w2.FedTax = D(5000), w2.SSTax = D(3100), w2.MedTax = D(725), w2.ST1StateTax = D(2000);
  for (Box12Entry& entry : w2.Box12) entry.Code = ' ';
  return w2;
}

struct Case {
  std::function<void(W2Record&)> edit;
  Lines after;  // the report after the header line
  SocSecMedicareRates rates = k2001;
  Currency ssWages = D(50000), medWage = D(50000);  // boxes 3 and 5 after the check
  std::string header = "W-2 Error Report for: John Q Public,   SSN = 123-45-6780";
};

// clang-format off
const Lines kFine{"", "No obvious errors were found"};
const Case kCases[] = {
  {[](W2Record& w) { w.SocSecNum = "000-00-0000", w.FirstName = "", w.MiddleInitial = "", w.StreetPOB = "", w.City = ""; },
   {"", "SSN 000-00-0000 is invalid", "First name is missing", "Street is missing", "City or Town is missing"},
   k2001, D(50000), D(50000), "W-2 Error Report for:   Public,   SSN = 000-00-0000"},
  // Void: no check reports or lowers anything.
  {[](W2Record& w) { w.Void = 1, w.City = "", w.SSWages = D(90000), w.MedTax = 1; }, kFine, kMedMax, D(90000)},
  {[](W2Record& w) { w.SSWages = D(80000), w.SSTips = D(1000), w.SSTax = D(5000); },
   {"", "Social Security Wage 80000.00 + Tips 1000.00 = 81000.00 Wage has",
    "been reduced to 79400.00 so they add to the maximum of 80400.00",
    "Your Social Security Tax entry of 5000.00 exceeds the maximum of 4984.80",
    "", "Calculated Soc.Sec.Tax at 4984.80 but your entry is 5000.00"}, k2001, D(79400)},
  // Tips alone above the maximum: box 3 goes down to zero, never below.
  {[](W2Record& w) { w.SSWages = D(1000), w.SSTips = D(81000); },
   {"", "Social Security Wage 1000.00 + Tips 81000.00 = 82000.00 Wage has",
    "been reduced to 0.00 so they add to the maximum of 80400.00",
    "", "Calculated Soc.Sec.Tax at 5022.00 but your entry is 3100.00",
    "", "Medicare Wage of 50000.00 has been reduced to the maximum of 40000.00",
    "Your Medicare Tax entry of 725.00 exceeds the maximum of 580.00",
    "", "Calculated Medicare Tax at 580.00 but your entry is 725.00"}, kMedMax, 0, D(40000)},
  // 5.00 either way passes. 0.075 at 6.2 % is 0.00465, to even at 0.0001: 0.0046.
  {[](W2Record& w) { w.SSWages = 750, w.SSTax = 50046, w.MedTax = D(720); }, kFine, k2001, 750},
  {[](W2Record& w) { w.SSWages = 750, w.SSTax = 50047, w.MedTax = D(719.99); },
   {"", "Calculated Soc.Sec.Tax at 0.00 but your entry is 5.00",
    "", "Calculated Medicare Tax at 725.00 but your entry is 719.99"}, k2001, 750},
  {[](W2Record& w) { w.Wages = 49, w.FedTax = -1, w.SSWages = 49, w.SSTax = 0; },
   {"", "Box 1 Wages are zero, verify this is O.K.", "Box 2 Federal Tax is negative, this is not allowed",
    "Box 3 Social Security Wage is zero, verify this is O.K.", "Box 4 Social Security Tax is zero, verify this is O.K.",
    "Box 7 Social Security Tips are zero, verify this is O.K."}, k2001, 49},
  {[](W2Record& w) { w.Box12[1] = {'D', 0, {}, 1}, w.Box12[2] = {'S', 0, {}, 1}, w.ST2StateWage = 1; },
   {"", "You have Deferred Compensation entries, most of these plans reduce",
    "   wages for tax purposes but not always for social security or medicare,",
    "   so be extra careful that the correct figures are in boxes 1 thru 6 for",
    "   your particular plan. Consult plan administrator or accountant if unsure.",
    "State abbreviation is missing from the 2nd State Line", "Employers State ID Number is missing from the 2nd State Line",
    "Either State Wage or State Tax may be missing from the 2nd State Line",
    "   (or if no State Taxes in your State then zero the State Wage and State Tax entries)"}},
  {[](W2Record& w) { w.Box12[0] = {'D', 0, {}, 0}, w.ST2State = "ZZ", w.AddrState = "new york"; }, kFine},
  {[](W2Record& w) { w.ST1LocalWage = D(50000), w.ST1State = "ZZ"; },
   {"", "State abbreviation is invalid in the 1st State Line",
    "Either Local Wage or Local Tax may be missing from the 1st State Line", "Locality name is missing from the 1st State Line",
    "   (or if no local taxes in your area then zero the Local Wage and Local Tax entries)"}},
  {[](W2Record&) {},
   {"", kStars, "There are no Social Security or Medicare rates on file for the 2004 tax year so was",
    "unable to verify Social Security or Medicare taxes or check Social Security wages", "against the maximum taxable wage.",
    "", "To add Social Security or Medicare rates for this tax year, from the main menu select",
    "Edit, then Soc.Sec/Medicare Rates.  After setting up the rates return to editing the",
    "W-2's and to perform the rate checks click the Edit Check button again for each W-2.", kStars},
   SocSecMedicareRates{2004}},
};
// clang-format on

// The SSN test runs quietly: no message box is scripted, none may be shown.
TEST(W2EditCheck, ReportsExactLinesAndLowersBoxesThreeAndFive) {
  ScriptedMessageBoxes boxes;
  for (std::size_t i = 0; i < std::size(kCases); ++i) {
    W2Record w2 = Complete();
    kCases[i].edit(w2);
    Lines expected{kCases[i].header};
    expected.insert(expected.end(), kCases[i].after.begin(), kCases[i].after.end());
    EXPECT_EQ(RunErrorCheck(w2, kCases[i].rates), expected) << "case " << i;
    EXPECT_TRUE(w2.SSWages == kCases[i].ssWages && w2.MedWage == kCases[i].medWage) << "case " << i;
  }
  EXPECT_TRUE(boxes.Shown().empty());
}

}  // namespace
