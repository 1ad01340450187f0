#pragma once
// One line (a, b, c or d) of W-2 box 12: a code letter and an amount.

#include <cstddef>
#include <cstdint>

#include "data/Currency.h"

#pragma pack(push, 1)
struct Box12Entry {
  char Code;  // a space when the line is unused
  std::uint8_t Pad1[7];
  Currency Amount;
};
#pragma pack(pop)

static_assert(sizeof(Box12Entry) == 16);
static_assert(offsetof(Box12Entry, Code) == 0);
static_assert(offsetof(Box12Entry, Amount) == 8);
