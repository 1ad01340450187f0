#pragma once
// The codes of W-2 box 12, each as the line the box 12 dialog lists: the
// code letter, a space and its description (Windows-1252 texts).

#include <array>
#include <string_view>

extern const std::array<std::string_view, 19> Box12CodeLines;

// The deferred compensation codes D, E, F, G, H and S (upper case only).
bool IsDeferredCompensationCode(char code);
