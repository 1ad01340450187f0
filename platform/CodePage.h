#pragma once
// The records hold text in the single-byte Windows-1252 code page. The core
// works on those bytes; the widgets convert at their boundary.

#include <string>
#include <string_view>

// Windows-1252 bytes to UTF-8. The five bytes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same
// value, so every byte string survives a round trip.
std::string Cp1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252. A character with no Windows-1252 form, and any
// malformed UTF-8 sequence, becomes "?".
std::string Utf8ToCp1252(std::string_view utf8);
