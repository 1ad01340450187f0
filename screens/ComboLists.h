#pragma once
// Drop-down lists that show their entries in full: the list opens at least as
// wide as its widest entry (it may be wider than its field), within the
// desktop's work area. An entry wider than that is wrapped onto more lines
// when `wrapLongEntries` is set, instead of being cut with "…".

class QComboBox;

void ShowEntriesInFull(QComboBox* combo, bool wrapLongEntries = false);
