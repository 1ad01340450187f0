#pragma once
// Records of the crash test: 0 is the W-3, n the n-th W-2, at a generation each
// save counts up; every byte depends on both, so a torn record matches neither.

#include <cstdint>
#include <string>

#include "data/RecordBuffer.h"

inline constexpr int kCrashMaxW2 = 40;

inline std::string CrashSsn(int n) { return "100-00-" + std::to_string(1000 + n); }

inline TRecordBuffer CrashImage(int n, std::uint32_t generation) {
  TRecordBuffer record;
  for (int i = 0; i < kRecSize; ++i)
    record.bytes[i] = static_cast<unsigned char>(generation * 131 + n * 17 + i);
  record.header.RecType = n == 0 ? kRecTypeW3 : kRecTypeW2;
  record.w2.ControlNum = static_cast<std::int32_t>(generation);  // W-3 read through w2 too
  if (n > 0) record.w2.SocSecNum = CrashSsn(n);
  return record;
}
