// The crash test's helper: makes a new data file, from nothing or from an
// empty file (as the test does at once),
// then saves records of another until it is killed, reporting its process id,
// then each finished save as "<record> <generation>" on standard output.
//   crash_saver <new file> <data file> <seed>

#include <unistd.h>

#include <random>

#include "data/QuillmarFormFile.h"
#include "tests/data/CrashImage.h"

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
    const int count = file->NameIndex().Count();
    const int n = count < kCrashMaxW2 && rng() % 4 == 0 ? count + 1 : int(rng() % (count + 1));
    const bool found = n == 0      ? file->ReadW3()
                       : n > count ? file->AddNew(48)
                                   : file->LocateKey(CrashSsn(n));
    const auto generation =
        n > count ? 1 : static_cast<std::uint32_t>(file->OrigRec.w2.ControlNum) + 1;
    file->WorkRec = CrashImage(n, generation);
    const std::string report = std::to_string(n) + " " + std::to_string(generation) + "\n";
    if (!found || !file->SaveCurrent(false) || write(1, report.data(), report.size()) < 0) return 3;
  }
}
