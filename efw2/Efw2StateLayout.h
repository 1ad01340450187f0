#pragma once
// The state wage record (RS) and the state total record (RV) of a state's W-2
// file, as tables: the general RS layout of the SSA's publication 42-007 and,
// for the states whose own filing instructions change it, the fields that differ,
// which records the file holds and how its RV and RF look. A state and a tax
// year select the layout; a row holds from its first tax year until the next
// row of the same state.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "efw2/Efw2Layout.h"

namespace efw2 {

// What an RS field holds.
enum class RsValue {
  Blank,              // in an override: the positions are blank
  StateCode,          // the numeric state code
  Ssn,                // as in RW
  FirstName,          // as in RW
  MiddleName,         // as in RW
  LastName,           // as in RW
  Suffix,             // as in RW
  Location,           // as in RW
  Delivery,           // as in RW
  City,               // as in RW
  State,              // as in RW
  Zip,                // as in RW
  ZipExt,             // as in RW
  ForeignState,       // as in RW
  ForeignPostalCode,  // as in RW
  Country,            // as in RW
  Account,            // the employer's state ID of box 15, in the state's format
  IncomeTaxState,     // the numeric state code again, in the income tax part
  StateWages,         // box 16, cents
  StateTax,           // box 17, cents
  TaxType,            // the kind of local tax of boxes 18-20
  LocalWages,         // box 18, cents
  LocalTax,           // box 19, cents
  Zeros,              // digits 0 (a field the state wants as zeros, e.g. an ITIN not held)
};

struct RsField {
  RsValue Value;
  Field At;
};

// How the state wants its employer account number (RS 248-267).
enum class AccountFormat {
  AsTyped,      // upper case, A-Z, 0-9, "-", "/" and "#", left-justified
  Digits8,      // exactly 8 digits (Pennsylvania's withholding account ID)
  Digits9Or12,  // 9 or 12 digits, right-justified and zero-filled (Iowa's permit)
};

// How the state's total record looks; none when the state takes no RV.
enum class RvLayout { None, General, Pennsylvania, Iowa };

// How the file's last record looks: the federal RF with the RW count, or "RF"
// and blanks.
enum class RfLayout { Federal, Blank };

// The local tax kind in RS 308.
enum class TaxTypeRule {
  None,       // blank: the state does not say (and locals of a state without local tax are zeros)
  OhioLocal,  // "E" school district when box 20 is a school district number, "C" city otherwise
};

struct StateLayout {
  std::string_view State;  // the abbreviation; empty for the general layout
  std::int32_t FirstYear;
  std::string_view Instructions;  // the name of the state's instructions the layout follows
  bool FederalRecords;            // the file holds RW, RO, RT and RU as the SSA file does
  RvLayout Rv;
  RfLayout Rf;
  AccountFormat Account;
  TaxTypeRule TaxType;
  bool LocalsAreZeros;          // the state has no local tax: RS 309-330 are zeros
  std::span<const RsField> Rs;  // fields that differ from the general RS
  bool Verified;                // false: parts of the layout rest on one source or none
};

// The layout of a state's file in a tax year: the state's own when one is
// known (its latest row whose first year is not after the tax year), else
// null, and the general layout is used.
const StateLayout* StateLayoutOf(std::string_view state, std::int32_t taxYear);

// The general layout (records of the federal file plus RS, no RV, federal RF).
const StateLayout& GeneralStateLayout();

// The RS fields of a layout: the general fields with the layout's own laid
// over them (a field of the layout replaces every general field it
// overlaps; a Blank field only clears), sorted by position.
std::vector<RsField> RsFields(const StateLayout& layout);

// The general RS, positions 1-512, of the publication.
std::span<const RsField> GeneralRsFields();

namespace rv {
// General RV (a state that takes an RV and defines no layout of its own).
inline constexpr Field RsCount{3, 7};
inline constexpr Field StateWages{10, 15};
inline constexpr Field StateTax{25, 15};
// Pennsylvania.
inline constexpr Field PaStateCode{3, 2};
inline constexpr Field PaTaxYear{5, 4};
inline constexpr Field PaAccount{9, 8};
inline constexpr Field PaEin{17, 9};
inline constexpr Field PaRsCount{26, 7};
inline constexpr Field PaStateWages{33, 15};
inline constexpr Field PaStateTax{48, 15};
// Iowa: the general fields, then the business e-file number and zeros.
inline constexpr Field IaBen{40, 8};
inline constexpr Field IaZeros{48, 10};
}  // namespace rv

}  // namespace efw2
