// Saves killed with SIGKILL at random moments: after every kill the file opens
// with whole records only, each old or new, no finished save lost; a new file
// made by two programs at once, from nothing or from an empty file, is never
// seen unfinished and always opens afterwards. QUILLMAR_CRASH_KILLS
// sets the number of kills (300 unless set), QUILLMAR_CRASH_SEED repeats a run.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <random>

#include "platform/QuillmarError.h"
#include "tests/data/CrashImage.h"
#include "tests/data/FormFileTestSupport.h"

namespace {

unsigned EnvNumber(const char* name, unsigned otherwise) {
  return std::getenv(name) ? unsigned(std::atol(std::getenv(name))) : otherwise;
}

TEST(CrashTest, SavesKilledAtRandomMomentsLoseNothing) {
  TempDir dir;
  ScriptedMessageBoxes boxes;
  const unsigned kills = EnvNumber("QUILLMAR_CRASH_KILLS", 300);
  const unsigned seed = EnvNumber("QUILLMAR_CRASH_SEED", std::random_device{}());
  std::fprintf(stderr, "crash test: %u kills, QUILLMAR_CRASH_SEED=%u\n", kills, seed);
  std::mt19937 rng(seed);
  const std::string path = dir.File("acme.qmr");
  std::vector<std::uint32_t> generations(9, 0);  // of the W-3 and 8 W-2s
  TRecordBuffer header;
  header.Clear();
  header.header.RecType = kRecTypeHeader;
  const std::string headerBytes = BytesOf(header);
  std::string bytes = headerBytes;
  for (int n = 0; n < 9; ++n) bytes += BytesOf(CrashImage(n, 0));
  std::ofstream(path, std::ios::binary) << bytes;

  for (unsigned round = 0; round < kills; ++round) {
    SCOPED_TRACE("kill " + std::to_string(round));
    const std::string scratch = dir.File("new" + std::to_string(round) + ".qmr");
    const bool fromEmpty = round % 2 == 1;
    if (fromEmpty) std::ofstream{scratch};
    const std::string command =
        "exec '" QUILLMAR_CRASH_SAVER "' '" + scratch + "' '" + path + "' " + std::to_string(rng());
    FILE* helper = popen(command.c_str(), "r");
    int pid = 0;
    ASSERT_EQ(fscanf(helper, "%d", &pid), 1);
    usleep(rng() % 3000);
    try {
      EXPECT_EQ(TQuillmarFormFile::Create(scratch)->Size(), 1920);
    } catch (const QuillmarError& e) {  // the helper holds it
      EXPECT_TRUE(e.what() == "Cannot create file " + scratch ||
                  e.what() == "Cannot open file " + scratch);
    }
    usleep(rng() % 25000);
    kill(pid, SIGKILL);
    for (unsigned n, generation; fscanf(helper, "%u %u", &n, &generation) == 2;) {
      generations.resize(std::max<std::size_t>(generations.size(), n + 1), 0);
      generations[n] = generation;
    }
    const int status = pclose(helper);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the helper stopped by itself with " << status;

    ASSERT_NO_THROW(auto file = TQuillmarFormFile::Create(path); bytes = FileBytes(path));
    ASSERT_EQ(bytes.size() % kRecSize, 0u);
    const std::size_t records = bytes.size() / kRecSize - 1;
    ASSERT_TRUE(records == generations.size() || records == generations.size() + 1) << records;
    generations.resize(records, 0);
    EXPECT_EQ(RecordOf(bytes, 0), headerBytes);  // the header is never saved
    int changed = 0;
    for (std::size_t n = 0; n < records; ++n) {
      // Byte for byte, the save time aside.
      const std::string stored = RecordOf(bytes, int(n) + 1).substr(8);
      const bool saved = stored == BytesOf(CrashImage(int(n), generations[n] + 1)).substr(8);
      ASSERT_TRUE(saved || stored == BytesOf(CrashImage(int(n), generations[n])).substr(8))
          << "record " << n << " is torn or lost a save";
      changed += saved;
      generations[n] += saved;
    }
    EXPECT_LE(changed, 1) << "only the save in progress may be new";
    const std::size_t made = FileBytes(scratch).size();
    EXPECT_TRUE(made == 1920 || (made == 0 && (fromEmpty || !std::filesystem::exists(scratch))))
        << "seen unfinished: " << made << " bytes";
    if (fromEmpty) {
      EXPECT_NO_THROW(TQuillmarFormFile::Create(scratch)) << made << " bytes";
    }
  }
}

}  // namespace
