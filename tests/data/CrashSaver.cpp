// The crash test's helper: makes a new data file, then saves records of
// another one in a loop until it is killed, and reports each finished save as
// "<record> <generation>" on a line of its standard output.
//   crash_saver <new file> <data file> <seed>

#include <unistd.h>

#include <random>
#include <string>

#include "data/QuillmarFormFile.h"
#include "tests/data/CrashImage.h"

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  TQuillmarFormFile::Create(argv[1]).reset();
  auto file = TQuillmarFormFile::Create(argv[2]);
  std::mt19937 rng(static_cast<unsigned>(std::stoul(argv[3])));
  for (;;) {
    const int count = file->NameIndex().Count();
    const int n =
        count < kCrashMaxW2 && rng() % 4 == 0 ? count + 1 : static_cast<int>(rng() % (count + 1));
    const bool found = n == 0      ? file->ReadW3()
                       : n > count ? file->AddNew(kRecTypeW2)
                                   : file->LocateKey(CrashSsn(n));
    const std::uint32_t generation = n > count ? 1 : CrashGeneration(file->OrigRec) + 1;
    file->WorkRec = CrashImage(n, generation);
    if (!found || !file->SaveCurrent(false)) return 3;
    const std::string report = std::to_string(n) + " " + std::to_string(generation) + "\n";
    if (write(1, report.data(), report.size()) != static_cast<ssize_t>(report.size())) return 4;
  }
}
