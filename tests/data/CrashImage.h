#pragma once
// The records of the crash test and its helper program: record 0 is the W-3,
// record n the n-th W-2, each at a generation that every save of it counts
// up. Every byte from RecType on depends on both, so a record that is half
// old and half new matches neither generation.

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "data/RecordBuffer.h"

inline constexpr int kCrashMaxW2 = 40;

inline std::string CrashSsn(int n) {
  char ssn[16];
  std::snprintf(ssn, sizeof ssn, "100-00-%04d", n);
  return ssn;
}

inline TRecordBuffer CrashImage(int n, std::uint32_t generation) {
  TRecordBuffer record;
  record.Clear();
  for (int i = 10; i < kRecSize; ++i)
    record.bytes[i] = static_cast<unsigned char>(generation * 131 + n * 17 + i);
  record.header.RecType = n == 0 ? kRecTypeW3 : kRecTypeW2;
  std::memcpy(record.bytes + 12, &generation, sizeof generation);
  if (n > 0) record.w2.SocSecNum = CrashSsn(n);
  return record;
}

inline std::uint32_t CrashGeneration(const TRecordBuffer& record) {
  std::uint32_t generation = 0;
  std::memcpy(&generation, record.bytes + 12, sizeof generation);
  return generation;
}
