#pragma once
// The rules by which Quillmar accepts what the user types into a field, shared
// by every screen, the W-2 edit check and printing. All texts are
// Windows-1252 bytes.
//
// The checks return their verdict, and for a bad entry the message the user
// is to read; they show nothing. The Read rules store into their output only
// an acceptable entry; a bad one leaves the output as it was and is handed
// back to the field with its message (IEntryField::Reject), so the user
// still sees the rejected text.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "data/Currency.h"
#include "data/EntryField.h"

// The EIN prefixes the Social Security Administration rejects (tax years up
// to 2002).
extern const std::array<std::string_view, 25> BadEinPrefixes;
// The EIN prefixes the IRS does not assign, the only ones refused from 2003.
extern const std::array<std::string_view, 15> UnassignedEinPrefixes;

// The rules of the identification numbers that changed with the tax year
// (rules/TaxYearRules gives those of a year). The defaults are the rules of
// the years up to 2002.
struct IdNumberRules {
  // Since the randomised assignment of June 2011 an SSN's area (its first
  // three digits) is 001 to 899 except 666, and group 00, serial 0000 and the
  // advertising numbers 987-65-4320 to 987-65-4329 are invalid too. Before,
  // the areas are 001-665, 667-728 and 750-772.
  bool RandomisedSsn = false;
  // The EIN prefixes refused, as the EIN message lists them.
  std::span<const std::string_view> RefusedEinPrefixes = BadEinPrefixes;
};

// The verdict of an entry check: accepted, or refused with the message that
// says why (shown by the screen in a plain "Quillmar" box).
struct [[nodiscard]] EntryCheck {
  std::string message;  // empty when accepted

  bool Ok() const { return message.empty(); }
  explicit operator bool() const { return Ok(); }
};

enum class ValidationKind { State = 1, EIN = 2, SSN = 3 };

// The text of a validation message, under the rules of the years up to 2002
// or under `rules` (the SSN message names the areas, the EIN message the
// prefixes of the year).
const std::string& ValidationMessageText(ValidationKind kind);
std::string ValidationMessageText(ValidationKind kind, const IdNumberRules& rules);

// A two-letter state abbreviation of StateTable, either case. On success the
// text becomes the upper-case abbreviation.
EntryCheck CheckStateAbbrev(std::string& text);
// The display name of a state abbreviation (either case), cut to 24
// characters; empty if none. No message.
std::string StateNameOfAbbrev(const std::string& abbrev);
// The abbreviation of a state's display name, matched exactly and then
// ignoring case; empty if none.
std::string StateAbbrevOfName(const std::string& name);

// An employer identification number: 99-9999999 without a refused prefix.
// Without `rules`, under the rules of the years up to 2002.
EntryCheck CheckEIN(const std::string& text);
EntryCheck CheckEIN(const std::string& text, const IdNumberRules& rules);
// A Social Security number: 9, 10 or 11 characters holding exactly nine
// digits (other characters are ignored; 11 characters need the hyphens of
// 999-99-9999), not a known dummy number and with a valid area (and, under
// the randomised rules, group and serial). Without `rules`, under the rules
// of the years up to 2002.
EntryCheck CheckSSN(const std::string& text);
EntryCheck CheckSSN(const std::string& text, const IdNumberRules& rules);
// A ZIP code: 99999, 99999-, 99999-9999 or 99999- followed by four blanks.
// No message.
bool CheckZip(const std::string& text);

// The country name of a two-letter code (either case); empty if none.
std::string CountryName(const std::string& code);
// The code of a country name, matched exactly or, for a text of 12 characters
// or more, as the beginning of a name (the entry field may have cut it);
// empty if none.
std::string CountryCode(const std::string& name);

// True when every character is 0-9 (and for empty text).
bool AllDigits(std::string_view text);
// True when every character is a blank (and for empty text).
bool AllSpaces(std::string_view text);

// The text without leading and trailing blanks and control characters.
std::string TrimText(std::string_view text);

// The start of the message about an entry that is not a number.
std::string NumberErrorText(const std::string& text);

// An amount field. Empty text stores 0. More than two characters after the
// first period keep four decimals, otherwise the amount is rounded to cents.
void ReadAmountField(IEntryField& edit, Currency& amount);
// A whole-number field. Empty text stores 0.
void ReadIntegerField(IEntryField& edit, std::int32_t& value);
// A one-character code field. Empty text stores a blank; a letter is stored
// in upper case.
void ReadCodeField(IEntryField& edit, char& code);
// A box 12 code field of a year with two-letter codes: one character as
// ReadCodeField (`code2` becomes 0), or two letters, stored upper-cased in
// `code` and `code2`. Empty text stores a blank and 0.
void ReadTwoLetterCodeField(IEntryField& edit, char& code, char& code2);
