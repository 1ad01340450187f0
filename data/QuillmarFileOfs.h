#pragma once
// The index entry of one W-2 record: its byte offset in the data file. One
// object per W-2 record, shared by the name and the SSN index.

#include <cstdint>

struct TQuillmarFileOfs {
  std::int64_t Offset;
};
