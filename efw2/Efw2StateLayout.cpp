#include "efw2/Efw2StateLayout.h"

#include <algorithm>
#include <iterator>

namespace efw2 {

namespace {

using V = RsValue;

// The general RS of publication 42-007: the same positions in the SSA's
// layout, a payroll vendor's transcription and an open-source payroll
// program's writer. Positions not named are blank: the taxing entity code
// (5-9), the unemployment insurance part (195-247) that a W-2 file leaves
// empty, other state data (298-307), the state control number (331-337) and
// the supplemental data (338-487), all defined by the states.
constexpr RsField kGeneralRs[] = {
    {V::StateCode, {3, 2}},
    {V::Ssn, {10, 9}},
    {V::FirstName, {19, 15}},
    {V::MiddleName, {34, 15}},
    {V::LastName, {49, 20}},
    {V::Suffix, {69, 4}},
    {V::Location, {73, 22}},
    {V::Delivery, {95, 22}},
    {V::City, {117, 22}},
    {V::State, {139, 2}},
    {V::Zip, {141, 5}},
    {V::ZipExt, {146, 4}},
    {V::ForeignState, {155, 23}},
    {V::ForeignPostalCode, {178, 15}},
    {V::Country, {193, 2}},
    {V::Account, {248, 20}},
    {V::IncomeTaxState, {274, 2}},
    {V::StateWages, {276, 11}},
    {V::StateTax, {287, 11}},
    {V::TaxType, {308, 1}},
    {V::LocalWages, {309, 11}},
    {V::LocalTax, {320, 11}},
};

// Pennsylvania (myPATH). The state code 42 in 3-4 and the SSN in 10-18 are
// read on the state's own page; the rest is from the payroll program's 2021
// writer (one source): the 8-digit withholding account ID in 248-255, the
// employee's ITIN in 338-346 (zeros: Quillmar holds no ITIN) and blanks from
// 347. Pennsylvania ignores the columns its instructions do not list. Its
// RE wants the ZIP code as up to 9 digits in 165-173, which is what the
// federal RE's ZIP (165-169) and extension (170-173) already hold.
constexpr RsField kPennsylvaniaRs[] = {
    {V::Account, {248, 8}},
    {V::Blank, {256, 12}},
    {V::Zeros, {338, 9}},
    {V::Blank, {347, 166}},
};

// clang-format off
constexpr StateLayout kGeneral = {
    "", 0, "the SSA's publication 42-007", true, RvLayout::None, RfLayout::Federal,
    AccountFormat::AsTyped, TaxTypeRule::None, false, {}, true};

constexpr StateLayout kStateLayouts[] = {
    // Illinois: the federal layout and an RV (recommended rather than required
    // since tax year 2021); from a vendor's note on the Illinois guide.
    {"IL", 2018, "the Illinois W-2 and W-2c Electronic Transmission Program Guide", true,
     RvLayout::General, RfLayout::Federal, AccountFormat::AsTyped, TaxTypeRule::None, false, {},
     false},
    // Iowa: RS 309-330 zeros (Iowa's own FAQ), the withholding permit number
    // right-justified and zero-filled (two sources), the RV with the business
    // e-file number (one source).
    {"IA", 2018, "Iowa's W-2 electronic filing instructions (GovConnectIowa)", true,
     RvLayout::Iowa, RfLayout::Federal, AccountFormat::Digits9Or12, TaxTypeRule::None, true, {},
     false},
    // Ohio: the federal records; its own modifications were not read. School
    // district tax carries tax type E in RS 308 (a payroll vendor's page).
    {"OH", 2018, "Ohio's W-2 file instructions for the IT 3 transmittal", true, RvLayout::None,
     RfLayout::Federal, AccountFormat::AsTyped, TaxTypeRule::OhioLocal, false, {}, false},
    // Pennsylvania: RA, RE, RS, RV and RF only (myPATH page and the payroll program).
    {"PA", 2018, "Pennsylvania's myPATH \"PA W-2 Wage Records (EFW2)\" upload instructions",
     false, RvLayout::Pennsylvania, RfLayout::Blank, AccountFormat::Digits8, TaxTypeRule::None,
     false, kPennsylvaniaRs, false},
};
// clang-format on

bool Overlaps(Field a, Field b) { return a.pos < b.pos + b.len && b.pos < a.pos + a.len; }

}  // namespace

const StateLayout& GeneralStateLayout() { return kGeneral; }

std::span<const RsField> GeneralRsFields() { return kGeneralRs; }

const StateLayout* StateLayoutOf(std::string_view state, std::int32_t taxYear) {
  const StateLayout* found = nullptr;
  for (const StateLayout& layout : kStateLayouts) {
    if (layout.State == state && layout.FirstYear <= taxYear &&
        (!found || layout.FirstYear > found->FirstYear)) {
      found = &layout;
    }
  }
  return found;
}

std::vector<RsField> RsFields(const StateLayout& layout) {
  std::vector<RsField> fields(std::begin(kGeneralRs), std::end(kGeneralRs));
  for (const RsField& own : layout.Rs) {
    std::erase_if(fields, [&](const RsField& f) { return Overlaps(f.At, own.At); });
    if (own.Value != RsValue::Blank) fields.push_back(own);
  }
  std::sort(fields.begin(), fields.end(),
            [](const RsField& a, const RsField& b) { return a.At.pos < b.At.pos; });
  return fields;
}

}  // namespace efw2
