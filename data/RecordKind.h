#pragma once
// Sizes, places and kinds of the records of an employer data file.

#include <bit>
#include <cstdint>

static_assert(std::endian::native == std::endian::little,
              "the records are little-endian and are read and written as they lie in memory");

// Every record is this long; record n starts at byte 640 × n.
inline constexpr int kRecSize = 640;
// Record 0 is the header, record 1 the W-3, the W-2s follow from record 2.
inline constexpr std::int64_t kHeaderOffset = 0;
inline constexpr std::int64_t kW3Offset = kRecSize;
inline constexpr std::int64_t kFirstW2Offset = 2 * kRecSize;

// RecType of the three record kinds.
inline constexpr std::uint16_t kRecTypeHeader = 16;
inline constexpr std::uint16_t kRecTypeW3 = 32;
inline constexpr std::uint16_t kRecTypeW2 = 48;
