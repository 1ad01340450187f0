#pragma once
// One line (a, b, c or d) of W-2 box 12: a code of one or two letters and
// an amount. The second letter of a two-letter code (AA, DD, ...) lives in
// the byte after the first, which is 0 for a one-letter code; files of the
// years with one-letter codes only keep whatever that byte holds.

#include <cstddef>
#include <cstdint>
#include <string>

#include "data/Currency.h"

#pragma pack(push, 1)
struct Box12Entry {
  char Code;   // a space when the line is unused
  char Code2;  // second letter of a two-letter code, else 0
  std::uint8_t Pad2[6];
  Currency Amount;

  // The code as stored: one letter, or two when the byte after the first
  // holds an upper-case letter.
  std::string CodeText() const {
    std::string code(1, Code);
    if (Code2 >= 'A' && Code2 <= 'Z') code += Code2;
    return code;
  }
};
#pragma pack(pop)

static_assert(sizeof(Box12Entry) == 16);
static_assert(offsetof(Box12Entry, Code) == 0);
static_assert(offsetof(Box12Entry, Code2) == 1);
static_assert(offsetof(Box12Entry, Amount) == 8);
