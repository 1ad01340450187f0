#include "rules/W2StateLines.h"

#include "data/EntryRules.h"

StateLine1Lock ApplyStateLine1Defaults(W2Record& w2, const W3Record& w3) {
  if (StateNameOfAbbrev(w3.StateForID.Str()).empty()) return {};
  // The employer's state of the W-3 is the usual line 1; an employee
  // entered before it was set keeps what it has.
  if (w2.ST1State.Empty()) w2.ST1State = w3.StateForID.Str();
  if (w2.ST1StateID.Empty()) w2.ST1StateID = w3.StateID.Str();
  return {w2.ST1State == w3.StateForID, w2.ST1StateID == w3.StateID};
}

bool StateLine2IdWithoutState(const W2Record& w2) {
  return !w2.ST2StateID.Empty() && w2.ST2State.Empty();
}
