#pragma once
// Text for the SSA's wage file: plain upper-case ASCII. The records hold
// Windows-1252; accented letters become their plain letters (É to E, ñ to N,
// Æ to AE, ß to SS) and every field keeps only the characters its kind allows.

#include <string>
#include <string_view>

namespace efw2 {

// The text with Windows-1252 typographic punctuation in its plain ASCII form:
// curly quotes and apostrophes become ' and ", en and em dashes and the minus
// become "-", the ellipsis "...", guillemets and angle quotes ' and ", a
// no-break space a blank; a soft hyphen is dropped. Every text the wage file
// carries goes through this before it is checked ("O\x92Neil" is "O'Neil").
std::string PlainPunctuation(std::string_view cp1252);

// The text in upper case with every Windows-1252 letter written as plain
// A-Z and its typographic punctuation plain (PlainPunctuation); other
// characters stay as they are.
std::string PlainUpper(std::string_view cp1252);

// An employee's name part as the file takes it: upper case, periods and
// commas dropped ("JR." gives "JR"), runs of blanks made one and trimmed.
// False when a character other than A-Z, blank, hyphen and apostrophe remains;
// `out` then holds the text with those characters left out.
bool CleanName(std::string_view cp1252, std::string& out);

// An address line, city, postal code or contact name: A-Z, 0-9, blank, hyphen,
// slash and "#" are kept, every other character becomes a blank, runs of
// blanks become one, and the ends are trimmed.
std::string CleanAddress(std::string_view cp1252);

// A company name: as an address, and "&" is kept as well.
std::string CleanCompany(std::string_view cp1252);

// The text without hyphens, parentheses and blanks (an SSN, EIN, ZIP code or
// telephone number as typed); any other character stays, so that a caller can
// tell digits from something else.
std::string Digits(std::string_view text);

// A telephone number as typed, "(217)555-1234 x12": the digits before an "x"
// (or "ext") go to `number`, the digits after it to `extension`. False when
// anything but digits, blanks, "(", ")", "-", "." and "+" stands before the
// "x", or anything but digits after it.
bool SplitPhone(std::string_view text, std::string& number, std::string& extension);

}  // namespace efw2
