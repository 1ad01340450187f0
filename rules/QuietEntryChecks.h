#pragma once
// The entry rules of the W-2 screen, run without a message box: each returns
// the message the screen would show for a refused entry (its first
// paragraph, as one line), or nothing when the entry is taken. The import of
// employees checks every cell through these, so that a spreadsheet is held
// to exactly the rules of typing.

#include <cstdint>
#include <optional>
#include <string>

#include "data/Currency.h"

using EntryRefusal = std::optional<std::string>;

// A Social Security number under the rules of the tax year.
EntryRefusal QuietCheckSsn(const std::string& text, std::int32_t taxYear);
// A state abbreviation; on success `text` becomes the upper-case abbreviation.
EntryRefusal QuietCheckState(std::string& text);
// An amount field; `amount` is stored only when the entry is taken.
EntryRefusal QuietReadAmount(const std::string& text, Currency& amount);
// A whole-number field.
EntryRefusal QuietReadInteger(const std::string& text, std::int32_t& value);
// A box 12 code field: two letters allowed when the year has two-letter
// codes (then `code2` is set too); otherwise one, and `code2` is left alone.
EntryRefusal QuietReadBox12Code(const std::string& text, bool twoLetters, char& code, char& code2);
// An employer identification number under the rules of the tax year.
EntryRefusal QuietCheckEin(const std::string& text, std::int32_t taxYear);
