#include "rules/SaveWorkRecord.h"

#include "data/QuillmarFormFile.h"

bool SaveWorkRecord(TQuillmarFormFile& file) { return static_cast<bool>(file.SaveCurrent(false)); }
