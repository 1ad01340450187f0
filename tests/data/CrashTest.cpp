// Saves killed with SIGKILL at random moments: after every kill the file
// opens, holds whole records only, each with its old or its new content, and
// no finished save is lost; a new file being made is never seen unfinished.
// QUILLMAR_CRASH_KILLS sets the number of kills (300 unless set),
// QUILLMAR_CRASH_SEED repeats a run.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "tests/data/CrashImage.h"
#include "tests/data/FormFileTestSupport.h"

namespace {

unsigned EnvNumber(const char* name, unsigned otherwise) {
  const char* text = std::getenv(name);
  return text != nullptr && *text != '\0' ? static_cast<unsigned>(std::strtoul(text, nullptr, 10))
                                          : otherwise;
}

TEST(CrashTest, SavesKilledAtRandomMomentsLoseNothing) {
  TempDir dir;
  ScriptedMessageBoxes boxes;
  const unsigned kills = EnvNumber("QUILLMAR_CRASH_KILLS", 300);
  const unsigned seed = EnvNumber("QUILLMAR_CRASH_SEED", std::random_device{}());
  std::printf("crash test: %u kills, QUILLMAR_CRASH_SEED=%u\n", kills, seed);
  std::mt19937 rng(seed);

  const std::string path = dir.File("acme.qmr");
  std::vector<std::uint32_t> generations(9, 0);  // the W-3 and 8 W-2s
  TRecordBuffer header;
  header.Clear();
  header.header.RecType = kRecTypeHeader;
  {
    std::ofstream out(path, std::ios::binary);
    out << BytesOf(header);
    for (int n = 0; n < 9; ++n) out << BytesOf(CrashImage(n, 0));
  }
  for (unsigned round = 0; round < kills; ++round) {
    SCOPED_TRACE("kill " + std::to_string(round));
    const std::string scratch = dir.File("new" + std::to_string(round) + ".qmr");
    const std::string childSeed = std::to_string(rng());
    int reports[2];
    ASSERT_EQ(pipe(reports), 0);
    const pid_t child = fork();
    if (child == 0) {
      dup2(reports[1], 1);
      execl(QUILLMAR_CRASH_SAVER, "crash_saver", scratch.c_str(), path.c_str(), childSeed.c_str(),
            nullptr);
      _exit(127);
    }
    close(reports[1]);
    usleep(std::uniform_int_distribution<unsigned>(0, 25000)(rng));
    kill(child, SIGKILL);
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(reports[0], buffer, sizeof buffer)) > 0;)
      text.append(buffer, static_cast<std::size_t>(n));
    close(reports[0]);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the helper stopped by itself with " << status;
    std::istringstream lines(text);
    for (std::size_t n; lines >> n;) {
      if (n >= generations.size()) generations.resize(n + 1, 0);
      lines >> generations[n];
    }

    std::string bytes;
    ASSERT_NO_THROW(auto file = TQuillmarFormFile::Create(path); bytes = FileBytes(path););
    ASSERT_EQ(bytes.size() % kRecSize, 0u);
    const std::size_t records = bytes.size() / kRecSize - 1;
    ASSERT_TRUE(records == generations.size() || records == generations.size() + 1) << records;
    generations.resize(records, 0);
    EXPECT_EQ(RecordOf(bytes, 0), BytesOf(header));
    int changed = 0;
    for (std::size_t n = 0; n < records; ++n) {
      TRecordBuffer record;
      std::memcpy(record.bytes, bytes.data() + (n + 1) * kRecSize, kRecSize);
      const std::uint32_t generation = CrashGeneration(record);
      ASSERT_TRUE(generation == generations[n] || generation == generations[n] + 1)
          << "record " << n << " lost a save";
      // Save times aside, byte for byte.
      ASSERT_TRUE(BytesOf(record).substr(8) ==
                  BytesOf(CrashImage(static_cast<int>(n), generation)).substr(8))
          << "record " << n << " is torn";
      changed += generation != generations[n];
      generations[n] = generation;
    }
    EXPECT_LE(changed, 1) << "only the save in progress may be new";

    struct stat st {};
    if (stat(scratch.c_str(), &st) == 0) {
      EXPECT_EQ(st.st_size, 1920) << "a new file was seen unfinished";
    }
    TQuillmarFormFile::Create(scratch).reset();  // takes away what a killed maker left
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
      EXPECT_EQ(entry.path().string().rfind(scratch + ".new-", 0), std::string::npos)
          << entry.path();
    }
  }
}

}  // namespace
