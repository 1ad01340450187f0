#pragma once
// A 640-byte record as read from or written to an employer data file, viewed
// as raw bytes or as any of the three record kinds. Every view shares the
// prefix (LastSaved, RecType), so header.RecType tells the kind of any record.
// (Reading another member of the union than the last one written is defined
// behaviour in g++ and clang.)

#include <cstdint>
#include <cstring>
#include <limits>
#include <type_traits>

#include "data/HeaderRecord.h"
#include "data/RecordKind.h"
#include "data/W2Record.h"
#include "data/W3Record.h"

static_assert(std::numeric_limits<double>::is_iec559, "LastSaved is an IEEE-754 double");

union TRecordBuffer {
  unsigned char bytes[kRecSize];
  HeaderRecord header;
  W3Record w3;
  W2Record w2;

  std::uint16_t RecType() const { return header.RecType; }
  void Clear() { std::memset(bytes, 0, sizeof bytes); }
  // All 640 bytes equal.
  bool SameBytes(const TRecordBuffer& other) const {
    return std::memcmp(bytes, other.bytes, sizeof bytes) == 0;
  }
};

static_assert(sizeof(TRecordBuffer) == kRecSize);
static_assert(std::is_trivially_copyable_v<TRecordBuffer>);
