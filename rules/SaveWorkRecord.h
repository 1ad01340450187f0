#pragma once
// Where the import and the corrections of Check All W-2s hand a record to
// the data file: the current record's working copy is saved through the
// journal without a question.

class TQuillmarFormFile;

// True when the record is on the disk (or had no change); false when the
// file refused it (a duplicate Social Security number, a record out of its
// place). A failed write throws QuillmarError.
bool SaveWorkRecord(TQuillmarFormFile& file);
