#pragma once
// Record 0 of an employer data file: only the prefix every record starts with.

#include <cstddef>
#include <cstdint>

#include "data/RecordKind.h"
#include "platform/DateTime.h"

#pragma pack(push, 1)
struct HeaderRecord {
  DateTime LastSaved;  // for the header: when the file was created
  std::uint16_t RecType;
  std::uint8_t Pad10[2];
  std::uint8_t Unused12[628];
};
#pragma pack(pop)

static_assert(sizeof(HeaderRecord) == kRecSize);
static_assert(sizeof(DateTime) == 8);
static_assert(offsetof(HeaderRecord, LastSaved) == 0);
static_assert(offsetof(HeaderRecord, RecType) == 8);
static_assert(offsetof(HeaderRecord, Unused12) == 12);
