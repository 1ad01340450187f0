#pragma once
// A text field of the records: one length byte, then N single-byte
// (Windows-1252) characters. The bytes after the current length are not part
// of the value; they may hold the remains of an earlier, longer value and are
// kept as they are, so a record read and written back stays byte-identical.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

template <std::size_t N>
struct ShortString {
  static_assert(N >= 1 && N <= 255, "the length byte holds at most 255");

  std::uint8_t Len;
  char Chars[N];

  static constexpr std::size_t Capacity = N;

  // The current length; a damaged length byte beyond the capacity counts as full.
  std::size_t Length() const { return std::min<std::size_t>(Len, N); }
  bool Empty() const { return Length() == 0; }
  std::string Str() const { return std::string(Chars, Length()); }

  // Stores the text cut to the capacity; the bytes after it stay untouched.
  ShortString& operator=(std::string_view text) {
    const std::size_t n = std::min(text.size(), N);
    Len = static_cast<std::uint8_t>(n);
    if (n > 0) std::memcpy(Chars, text.data(), n);
    return *this;
  }

  // Same value: the same length byte and the same characters.
  bool operator==(const ShortString& other) const {
    return Len == other.Len && std::memcmp(Chars, other.Chars, Length()) == 0;
  }
  bool operator==(std::string_view text) const { return std::string_view(Chars, Length()) == text; }
};
