#pragma once
// The two state lines of a W-2 (boxes 15 to 20): line 1 defaults to the
// employer's state of the W-3, and line 2 needs a state for its state ID.

#include "data/W2Record.h"
#include "data/W3Record.h"

// Which fields of state line 1 hold the employer's own values exactly; the
// W-2 screen locks those.
struct StateLine1Lock {
  bool state = false;
  bool stateID = false;
};

// When the W-3 state for the ID is a state of the table, an empty line 1
// state and state ID of `w2` take the W-3's state and state ID (a change of
// the record), and the lock says which of the two now equal the W-3's
// (exact, case-sensitive). Otherwise nothing changes and nothing is locked.
StateLine1Lock ApplyStateLine1Defaults(W2Record& w2, const W3Record& w3);

// True when line 2 has a state ID but no state: one of the two is an error.
bool StateLine2IdWithoutState(const W2Record& w2);
inline constexpr const char* kStateLine2IdWithoutStateMessage =
    "You have a State ID Number on State Line 2, but no State selected to the left of it. One of "
    "those entries is an error.";
