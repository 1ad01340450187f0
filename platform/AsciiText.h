#pragma once
// Upper-casing of single-byte texts by their ASCII letters only: a..z become
// A..Z, every other byte (Windows-1252 letters above 127 included) stays.
// Independent of the locale, so keys and comparisons are the same everywhere.

#include <string>
#include <string_view>

constexpr char UpperAscii(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

inline std::string UpperCaseAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = UpperAscii(c);
  return upper;
}
