#include "rules/SaveWorkRecord.h"

#include "data/QuillmarFormFile.h"

bool SaveWorkRecord(TQuillmarFormFile& file) {
  return file.SaveCurrent(false) && !file.SaveRefused();
}
