// The crash test's helper: makes a new data file, from nothing or from an
// empty file (as the test does at once),
// then saves and deletes records of another until it is killed, reporting
// its process id, then each finished save as "s <employee> <generation>",
// each delete as "D <employee>" before it begins and "d <employee>" once it
// is done, on standard output (employee 0 is the W-3).
//   crash_saver <new file> <data file> <seed>

#include <unistd.h>

#include <algorithm>
#include <random>
#include <vector>

#include "data/QuillmarFormFile.h"
#include "tests/data/CrashImage.h"

namespace {

bool Report(const std::string& line) {
  const std::string text = line + "\n";
  return write(1, text.data(), text.size()) == static_cast<ssize_t>(text.size());
}

}  // namespace

int main(int, char** argv) {
  const std::string pid = std::to_string(getpid()) + "\n";
  if (write(1, pid.data(), pid.size()) < 0) return 3;
  try {
    TQuillmarFormFile::Create(argv[1]).reset();
  } catch (...) {  // the test made it and holds it
  }
  auto file = TQuillmarFormFile::Create(argv[2]);
  std::mt19937 rng(static_cast<unsigned>(std::stoul(argv[3])));
  for (;;) {
    std::vector<int> onFile;
    for (int n = 1; n <= kCrashMaxW2; ++n) {
      int at = 0;
      if (file->SsnIndex().Find(CrashSsn(n), at)) onFile.push_back(n);
    }
    const unsigned pick = rng() % 8;
    if (pick == 0 && onFile.size() >= 2) {
      const int n = onFile[rng() % onFile.size()];
      if (!Report("D " + std::to_string(n)) || !file->LocateKey(CrashSsn(n)) ||
          !file->DeleteCurrent() || !Report("d " + std::to_string(n))) {
        return 3;
      }
      continue;
    }
    int n = 0;  // the W-3
    if (pick == 1 && static_cast<int>(onFile.size()) < kCrashMaxW2) {
      n = 1;
      while (std::find(onFile.begin(), onFile.end(), n) != onFile.end()) ++n;
    } else if (pick > 1 && !onFile.empty()) {
      n = onFile[rng() % onFile.size()];
    }
    const bool isNew = n > 0 && std::find(onFile.begin(), onFile.end(), n) == onFile.end();
    const bool found = n == 0  ? file->ReadW3()
                       : isNew ? file->AddNew(48)
                               : file->LocateKey(CrashSsn(n));
    const auto generation = isNew ? 1 : static_cast<std::uint32_t>(file->OrigRec.w2.ControlNum) + 1;
    file->WorkRec = CrashImage(n, generation);
    if (!found || !file->SaveCurrent(false) ||
        !Report("s " + std::to_string(n) + " " + std::to_string(generation))) {
      return 3;
    }
  }
}
