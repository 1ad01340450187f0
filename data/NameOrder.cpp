#include "data/NameOrder.h"

#include "data/KeepFilePosition.h"
#include "data/QuillmarFormFile.h"

void ForEachInNameOrder(
    TQuillmarFormFile& file, const std::function<void(const W2Record&)>& each,
    const std::function<void(const std::string& key, std::int64_t offset)>& unreadable) {
  const KeepFilePosition keep(file);
  TRecordBuffer record{};
  for (const SortedKeyList::Entry& entry : file.NameIndex().Entries()) {
    file.Seek(entry.Object->Offset);
    if (file.Read(record.bytes, sizeof record.bytes) < sizeof record.bytes) {
      unreadable(entry.Key, entry.Object->Offset);
    } else {
      each(record.w2);
    }
  }
}
