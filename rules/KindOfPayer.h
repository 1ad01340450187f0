#pragma once
// The kind of payer of the W-3 (box b) and its third-party sick pay choice,
// and, from 2011, the kind of employer: the items by the index the W-3
// record stores, and the text the W-3 screen shows for them.

#include <array>
#include <string>

inline constexpr int kTPSickPayCount = 3;
inline constexpr int kKindOfPayerCount = 7;
inline constexpr int kKindOfEmployerCount = 5;

// TPSickPayKind 0, 1, 2.
extern const std::array<const char*, kTPSickPayCount> TPSickPayItems;
// KindOfPayer 0 to 6; 6 ("944") from 2006 only.
extern const std::array<const char*, kKindOfPayerCount> KindOfPayerItems;
inline constexpr int kForm944 = 6;
// KindOfEmployer 1 to 5 (index 0 here is stored as 1); 0 is "not chosen".
extern const std::array<const char*, kKindOfEmployerCount> KindOfEmployerItems;

// The kind of payer, with " + Third-party sick pay" when the W-2s include it,
// or "Third-party sick pay" alone when that is all that is filed. A kind of
// payer out of range gives an empty kind.
std::string KindOfPayerLabel(int tpSickPayKind, int kindOfPayer);
// The same followed by ", " and the kind of employer when one is chosen
// (1 to 5).
std::string KindOfPayerLabel(int tpSickPayKind, int kindOfPayer, int kindOfEmployer);
