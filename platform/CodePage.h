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

// UTF-16 bytes (little- or big-endian, without the byte order mark) as UTF-8;
// a surrogate without its partner becomes U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian);

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view text);

// Appends the code point as UTF-8.
void AppendUtf8(std::string& out, char32_t cp);
