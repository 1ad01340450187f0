#pragma once
// The entry rules' verdicts as the user sees them: the rules return their
// message, the screens show it.

#include "data/EntryRules.h"
#include "platform/MessageBoxes.h"

// Shows a refused check's message in a plain "Quillmar" box; true when the
// entry was accepted.
inline bool EntryAccepted(const EntryCheck& check) {
  if (!check) ShowMessage(check.message, MsgIcon::None);
  return check.Ok();
}
