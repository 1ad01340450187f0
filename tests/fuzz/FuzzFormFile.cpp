// Opens any bytes as an employer data file, walks it in every order, looks
// employees up, edits and saves, and checks that the indexes stay sound.

#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "data/QuillmarFormFile.h"
#include "platform/MessageBoxes.h"
#include "platform/QuillmarError.h"

namespace {

// Answers every question with its first button, in the order Yes, OK, No.
class AnswerFirst final : public IMessageBoxes {
 public:
  MsgButton Show(const MessageBoxRequest& request) override {
    for (MsgButton b : {MsgYes, MsgOk, MsgNo, MsgCancel}) {
      if (request.buttons & b) return b;
    }
    return MsgOk;
  }
};

const std::string& FuzzPath() {
  static const std::string path = [] {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "quillmar-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    static AnswerFirst boxes;
    SetMessageBoxes(&boxes);
    return pattern + "/fuzz.qmr";
  }();
  return path;
}

void Check(bool sound) {
  if (!sound) __builtin_trap();
}

// Every index entry is a whole W-2 record inside the file.
void CheckIndexes(const TQuillmarFormFile& file) {
  const std::int64_t size = file.Size();
  for (const SortedKeyList* index : {&file.NameIndex(), &file.SsnIndex()}) {
    for (const SortedKeyList::Entry& e : index->Entries()) {
      Check(e.Object->Offset >= kFirstW2Offset && e.Object->Offset % kRecSize == 0);
      Check(e.Object->Offset + kRecSize <= size);
    }
  }
  Check(file.SsnIndex().Count() <= file.NameIndex().Count());
}

void Walk(TQuillmarFormFile& file, int limit) {
  int steps = 0;
  for (bool more = file.GoFirst(); more && steps <= limit; more = file.GoNext()) ++steps;
  steps = 0;
  for (bool more = file.GoLast(); more && steps <= limit; more = file.GoPrev()) ++steps;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 64 * 1024) return 0;
  const std::string& path = FuzzPath();
  {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0) std::abort();
    if (size > 0 && ::write(fd, data, size) != static_cast<ssize_t>(size)) std::abort();
    ::close(fd);
  }
  try {
    auto file = TQuillmarFormFile::Create(path);
    CheckIndexes(*file);
    const int limit = file->NameIndex().Count() + 2;
    for (int mode : {0, 1, 2, size > 0 ? data[0] % 5 : 3}) {
      file->IndexMode = mode;
      Walk(*file, limit);
      for (int i = 0; i < file->NameIndex().Count(); i += 5)
        file->LocateKey(file->NameIndex().Key(i));
      for (int i = 0; i < file->SsnIndex().Count(); i += 5)
        file->LocateKey(file->SsnIndex().Key(i));
    }
    // Edit the current record with bytes of the input and save; then a new one.
    if (size >= 2 * kRecSize) {
      std::memcpy(file->WorkRec.bytes + 12, data + size - kRecSize + 12, kRecSize - 12);
      (void)file->SaveCurrent(data[1] & 1);
      CheckIndexes(*file);
      file->AddNew(kRecTypeW2);
      std::memcpy(file->WorkRec.bytes + 12, data + size - 2 * kRecSize + 12, kRecSize - 12);
      file->WorkRec.header.RecType = kRecTypeW2;
      file->GoPrev();
      CheckIndexes(*file);
      file->ReadW3();
      file->WorkRec.w3.TaxYear += 1;
      file->IndexMode = 1;
      Walk(*file, limit + 2);
      CheckIndexes(*file);
    }
  } catch (const QuillmarError&) {
    // A file that cannot be opened or written is reported, not a fault.
  }
  return 0;
}
