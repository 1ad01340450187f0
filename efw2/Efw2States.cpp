#include "efw2/Efw2States.h"

#include <algorithm>
#include <iterator>

#include "data/EntryRules.h"

namespace efw2 {

namespace {

using K = StateFiling;

// Which states want what: the lists of payroll vendors (Intuit's list of
// states with and without a W-2 filing requirement, Drake's list of states
// with no state W-2 file, a payroll program's 2021 filing calendar) and the
// states' own pages where they were read (Pennsylvania, Iowa, Illinois, Ohio,
// Utah). Iowa and Maine are listed by Intuit as taking no W-2s; Iowa's own
// FAQ says every withholding agent files them, and the 2021 calendar files
// Maine's electronically, so both are filing states here. Due dates other
// than 31 January are weakly backed (one source).
// clang-format off
constexpr StateFiling kStates[] = {
    {"AL",  1, K::W2File, "a file of RS records only (Alabama's own layout), due 31 January"},
    {"AK",  2, K::NoWageTax, ""},
    {"AZ",  4, K::W2File, "an EFW2 file, due 31 January"},
    {"AR",  5, K::W2File, "an EFW2 file in Arkansas's own variant, due 31 January"},
    {"CA",  6, K::NoW2File, "the wage data goes to the EDD on the quarterly DE 9C"},
    {"CO",  8, K::W2File, "an EFW2 file of RA, RE, RS and RF records with the annual reconciliation DR 1093, due 31 January"},
    {"CT",  9, K::W2File, "an EFW2 file in Connecticut's own variant (state totals in RT and RF), due 31 January"},
    {"DE", 10, K::W2File, "an EFW2 file of RA, RE, RS and RF records, due 31 January"},
    {"DC", 11, K::W2File, "an EFW2 file, due 31 January"},
    {"FL", 12, K::NoWageTax, ""},
    {"GA", 13, K::W2File, "an EFW2 file in Georgia's own variant, due 31 January"},
    {"HI", 15, K::W2File, "an EFW2 file, due 31 January"},
    {"ID", 16, K::W2File, "an EFW2 file, due 31 January"},
    {"IL", 17, K::W2File, "an EFW2 file with an RV record, uploaded in MyTax Illinois, due 31 January"},
    {"IN", 18, K::W2File, "an EFW2 file in Indiana's own variant, due 31 January"},
    {"IA", 19, K::W2File, "an EFW2 file with an RV record, uploaded in GovConnectIowa, due 31 January (check the current year: Iowa has allowed until 15 February)"},
    {"KS", 20, K::W2File, "an EFW2 file in Kansas's own variant, due 31 January"},
    {"KY", 21, K::W2File, "an EFW2 file, due 31 January"},
    {"LA", 22, K::W2File, "an EFW2 file, due 31 January"},
    {"ME", 23, K::W2File, "an EFW2 file, due 31 January"},
    {"MD", 24, K::W2File, "an EFW2 file, due 31 January"},
    {"MA", 25, K::W2File, "an EFW2 file in Massachusetts's own variant (state totals in RT), due 31 January"},
    {"MI", 26, K::W2File, "an EFW2 file, due 31 January"},
    {"MN", 27, K::W2File, "an EFW2 file, due 31 January"},
    {"MS", 28, K::W2File, "an EFW2 file, due 31 January"},
    {"MO", 29, K::W2File, "an EFW2 file with Missouri's own RV record, due 31 January"},
    {"MT", 30, K::W2File, "an EFW2 file with an RV record, due 31 January"},
    {"NE", 31, K::W2File, "an EFW2 file with an RV record, due 31 January"},
    {"NV", 32, K::NoWageTax, ""},
    {"NH", 33, K::NoWageTax, ""},
    {"NJ", 34, K::W2File, "New Jersey's own EFW2-based file (NJ-EFW2), due by the end of February"},
    {"NM", 35, K::W2File, "an EFW2 file, due 31 January"},
    {"NY", 36, K::NoW2File, "the wage data goes on the quarterly NYS-45"},
    {"NC", 37, K::W2File, "an EFW2 file, due 31 January"},
    {"ND", 38, K::W2File, "an EFW2 file with an RV record, due 31 January"},
    {"OH", 39, K::W2File, "an EFW2 file in Ohio's variant with the transmittal IT 3, due 31 January; municipal income tax is filed separately with the city or its administrator (RITA and others)"},
    {"OK", 40, K::W2File, "an EFW2 file with Oklahoma's own RS and RV records, due 31 January"},
    {"OR", 41, K::W2File, "an EFW2 file in Oregon's own variant with an RV record (iWire), due 31 January"},
    {"PA", 42, K::W2File, "a myPATH EFW2 upload of RA, RE, RS, RV and RF records, due 31 January; local earned income tax goes to the local collectors"},
    {"RI", 44, K::W2File, "an EFW2 file, due 31 January"},
    {"SC", 45, K::W2File, "an EFW2 file, due 31 January"},
    {"SD", 46, K::NoWageTax, ""},
    {"TN", 47, K::NoWageTax, ""},
    {"TX", 48, K::NoWageTax, ""},
    {"UT", 49, K::W2File, "an EFW2 file in Utah's own variant, uploaded in Utah's TAP, due 31 January"},
    {"VT", 50, K::W2File, "an EFW2 file, due 31 January"},
    {"VA", 51, K::W2File, "an EFW2 file of RA, RE, RS and RF records, due 31 January"},
    {"WA", 53, K::NoWageTax, ""},
    {"WV", 54, K::W2File, "an EFW2 file, due 31 January"},
    {"WI", 55, K::W2File, "an EFW2 file, due 31 January"},
    {"WY", 56, K::NoWageTax, ""},
};
// clang-format on

}  // namespace

const StateFiling* StateFilingOf(std::string_view abbrev) {
  const auto it = std::find_if(std::begin(kStates), std::end(kStates),
                               [&](const StateFiling& s) { return s.Abbrev == abbrev; });
  return it == std::end(kStates) ? nullptr : &*it;
}

std::string StateName(std::string_view abbrev) {
  const std::string name = StateNameOfAbbrev(std::string(abbrev));
  return name.empty() ? std::string(abbrev) : name;
}

std::string StateFilingText(std::string_view abbrev) {
  const StateFiling* state = StateFilingOf(abbrev);
  if (!state) return {};
  const std::string name = StateName(abbrev);
  switch (state->Filing) {
    case StateFiling::W2File:
      return name + " wants the W-2 data: " + std::string(state->How) + ".";
    case StateFiling::NoW2File:
      return name + " takes no W-2 file: " + std::string(state->How) + ".";
    case StateFiling::NoWageTax:
      break;
  }
  return name + " has no income tax on wages: no W-2 filing is needed.";
}

}  // namespace efw2
