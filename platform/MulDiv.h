#pragma once
// MulDiv(a, b, c): a × b / c without overflow, rounded to the nearest integer
// with halves away from zero, as the Windows call of that name. Like it, the
// result is -1 when c is 0 or the quotient does not fit 32 bits.

#include <cstdint>
#include <limits>

constexpr std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c) {
  if (c == 0) return -1;
  const std::int64_t product = static_cast<std::int64_t>(a) * b;
  const bool negative = (product < 0) != (c < 0);
  const std::uint64_t num =
      product < 0 ? 0 - static_cast<std::uint64_t>(product) : static_cast<std::uint64_t>(product);
  const std::uint64_t den = c < 0 ? 0 - static_cast<std::uint64_t>(static_cast<std::int64_t>(c))
                                  : static_cast<std::uint64_t>(c);
  const std::uint64_t quotient = (num + den / 2) / den;
  const std::uint64_t limit =
      negative ? std::uint64_t{1} << 31 : std::numeric_limits<std::int32_t>::max();
  if (quotient > limit) return -1;
  return negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(quotient))
                  : static_cast<std::int32_t>(quotient);
}
