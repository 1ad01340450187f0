#pragma once
// Typing into a masked field is never lost. A line edit with an input mask
// takes no character at a place beyond its mask's blanks, so a click to the
// right of the typed text, or the focus coming back, would leave the cursor
// where typing does nothing. The cursor of a watched field goes to the first
// empty place of the mask instead (or stays where it is inside the typed part).

#include <QString>

class QLineEdit;

// Where typing goes in a masked field whose display text is `shown`, with
// the cursor at `cursor`: the cursor itself inside the typed part (up to its
// last typed place), otherwise the first place of the mask that holds its
// blank (the end of `shown` when every place is filled).
int MaskTypingPlace(const QString& inputMask, const QString& shown, int cursor);

// Keeps the cursor of `edit` (a masked line edit) within reach of typing.
void KeepCursorInTypedPart(QLineEdit* edit);
