#pragma once
// The rules of the SSA's wage file that rest on the records: which numbers the
// SSA takes, the codes the W-3 record's choices become, where a box 12 code
// goes, and the yearly household threshold.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "data/Box12Entry.h"
#include "data/Currency.h"
#include "data/W3Record.h"
#include "efw2/Efw2Layout.h"

namespace efw2 {

// Nine digits that the SSA accepts as a Social Security number: the area
// (digits 1-3) is not 000, 666 or 900-999, the group (4-5) not 00, the serial
// (6-9) not 0000, and the number is not 123456789 nor nine equal digits.
// Numbers issued since 2011 (773-..., 800-...) are valid.
bool IsSsaValidSsn(std::string_view digits);

// Nine digits that the SSA accepts as an EIN: the prefix (digits 1-2) is not
// one of 00, 07, 08, 09, 17, 18, 19, 28, 29, 49, 69, 70, 78, 79 or 89.
bool IsSsaValidEin(std::string_view digits);

// The W-3 record's KindOfPayer as the employment code of the RE record:
// 941 R, Military M, 943 A, CT-1 X, household H, Medicare government Q,
// 944 F (KindOfPayer 6). Nothing for any other value.
std::optional<char> EmploymentCode(std::int32_t kindOfPayer);

// The kind of employer the W-3 record holds: one byte at offset 536, 0 when
// not chosen, 1 to 5 for the five kinds.
int KindOfEmployerOf(const W3Record& w3);
// The letter of a kind of employer 1 to 5 (N, T, S, Y, F); nothing otherwise.
std::optional<char> KindOfEmployerLetter(int kind);

// The RE record's third-party sick pay indicator for the W-3 record's
// TPSickPayKind: 0 for none, 1 when the W-2s include it or only it is filed.
// Nothing for any other value.
std::optional<char> ThirdPartySickPayIndicator(std::int32_t tpSickPayKind);

// The code of a box 12 line as typed: one letter, or two when the byte after
// the first holds the second; empty for an unused line (a blank or 0).
std::string Box12Code(const Box12Entry& line);

// Where the amount of a box 12 code goes in the file.
struct Box12Place {
  enum Kind { Rw, Ro, NotReported, NoPlaceKnown, Unknown } kind;
  std::size_t amount;  // an RwAmount or RoAmount
};
Box12Place PlaceOfBox12Code(std::string_view code);

// The cash wages from which a household employee is covered in the tax year;
// nothing for a year this table does not know.
std::optional<Currency> HouseholdThreshold(std::int32_t taxYear);

}  // namespace efw2
