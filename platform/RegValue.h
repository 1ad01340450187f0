#pragma once
// One named value of a registry key, with its registry type and its data as
// the registry holds it.

#include <cstddef>
#include <cstdint>
#include <string>

// The registry value types the program uses (numbers as in the registry).
enum RegType : std::uint32_t {
  RegNone = 0,
  RegSz = 1,        // text
  RegExpandSz = 2,  // text with environment references (read as text)
  RegBinary = 3,    // bytes
  RegDword = 4,     // 32-bit little-endian integer
};

struct RegValue {
  std::string name;  // empty for the key's unnamed default value
  std::uint32_t type = RegSz;
  // Text values: the bytes of the text without a terminating zero.
  // Every other type: the raw bytes (a DWORD is 4 bytes, little-endian).
  std::string data;

  static RegValue String(std::string name, std::string text) {
    return {std::move(name), RegSz, std::move(text)};
  }
  static RegValue Dword(std::string name, std::uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFFu);
    return {std::move(name), RegDword, std::move(bytes)};
  }
  static RegValue Binary(std::string name, const void* bytes, std::size_t size) {
    return {std::move(name), RegBinary, std::string(static_cast<const char*>(bytes), size)};
  }
};
