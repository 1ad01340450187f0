#pragma once
// The W-2 fields that a spreadsheet column can fill, in one table keyed by
// the W2Record member: what the export writes as its header, the header
// names the import recognises, and how a cell is read into the record (by
// the entry rules of the W-2 screen) and written out again.
//
// The three box 14 lines are the record's Box14a..c label and amount (box
// 14a from 2026); box 14b's two tipped occupation codes are columns of their
// own.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "data/W2Record.h"

enum class CsvCellKind {
  Integer,    // box a
  Flag,       // Void and the three box 13 check boxes: X or empty
  Ssn,        // read as text, kept as 999-99-9999
  Text,       // as the cell holds it, refused when longer than the field
  Zip,        // read as text: 99999, 99999-9999 or 999999999
  Country,    // a two-letter code or a country's name
  Amount,     // the amount rule of the screen, after "$" and thousands commas
  Box12Code,  // one or two letters by the tax year
  State,      // a state line's abbreviation, or empty
  TipCode,    // box 14b: a tipped occupation code of the year (or its title), or empty
};

struct W2CsvField {
  // The W2Record member, as the mapping is remembered: "Wages", "Box12[0].Code".
  const char* Member;
  // The header the export writes and the mapping step shows.
  const char* Caption;
  CsvCellKind Kind;
  // Where the field lives in the record; for a box 12 code the Box12Entry.
  std::size_t Offset;
  // The characters a text field holds.
  std::size_t Capacity;
  // Header names that mean this field, lower-case letters and digits only,
  // separated by "|". A header that names several fields goes to the first
  // one not yet taken (the second "State" column is state line 1).
  const char* Aliases;
};

// Every importable field, in the order of the export's columns.
std::span<const W2CsvField> W2CsvFields();

// The field of a member name; nothing when there is none.
std::optional<std::size_t> W2CsvFieldOfMember(std::string_view member);

// A cell read into `w2` by the field's rule under the tax year; the message
// of a refused cell (the field's value then stays as it was).
std::optional<std::string> ReadW2Cell(const W2CsvField& field, const std::string& cell,
                                      std::int32_t taxYear, W2Record& w2);

// The field of `w2` as the export writes it (and ReadW2Cell reads it back
// to the same value).
std::string W2CellText(const W2CsvField& field, const W2Record& w2);

// The amount text with a leading "$" and the commas of thousands groups
// taken out ("$1,234.50" gives "1234.50"); any other text as it was.
std::string PlainAmountText(std::string_view text);
