#pragma once
// The kind of payer of the W-3 (box b) and its third-party sick pay choice:
// the items by the index the W-3 record stores, and the text the W-3 screen
// shows for a pair of them.

#include <array>
#include <string>

inline constexpr int kTPSickPayCount = 3;
inline constexpr int kKindOfPayerCount = 6;

// TPSickPayKind 0, 1, 2.
extern const std::array<const char*, kTPSickPayCount> TPSickPayItems;
// KindOfPayer 0 to 5.
extern const std::array<const char*, kKindOfPayerCount> KindOfPayerItems;

// The kind of payer, with " + Third-party sick pay" when the W-2s include it,
// or "Third-party sick pay" alone when that is all that is filed. A kind of
// payer out of range gives an empty kind.
std::string KindOfPayerLabel(int tpSickPayKind, int kindOfPayer);
