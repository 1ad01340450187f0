// Saves and deletes killed with SIGKILL at random moments: after every kill
// the file opens with whole records only, each old or new, no finished save
// lost, each employee whose delete was cut off there or not, never twice; a new file
// made by two programs at once, from nothing or from an empty file, is never
// seen unfinished and always opens afterwards. QUILLMAR_CRASH_KILLS
// sets the number of kills (300 unless set), QUILLMAR_CRASH_SEED repeats a run.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
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
  // The employees on file with the generation of each (0 the W-3); a save
  // counts one up, a delete takes the employee out.
  std::map<int, std::uint32_t> generations;
  TRecordBuffer header;
  header.Clear();
  header.header.RecType = kRecTypeHeader;
  const std::string headerBytes = BytesOf(header);
  std::string bytes = headerBytes;
  for (int n = 0; n < 9; ++n) {
    bytes += BytesOf(CrashImage(n, 0));
    generations[n] = 0;
  }
  std::ofstream(path, std::ios::binary) << bytes;
  unsigned deletes = 0;

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
                  std::string(e.what()).starts_with("Cannot open file " + scratch));
    }
    usleep(rng() % 25000);
    kill(pid, SIGKILL);
    int deleting = -1;  // the employee whose delete had begun
    char what = 0;
    for (int n = 0; fscanf(helper, " %c %d", &what, &n) == 2;) {
      if (what == 's') {
        unsigned generation = 0;
        ASSERT_EQ(fscanf(helper, "%u", &generation), 1);
        generations[n] = generation;
      } else if (what == 'D') {
        deleting = n;
      } else {
        generations.erase(n);
        deleting = -1;
        ++deletes;
      }
    }
    const int status = pclose(helper);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the helper stopped by itself with " << status;

    ASSERT_NO_THROW(auto file = TQuillmarFormFile::Create(path); bytes = FileBytes(path));
    ASSERT_EQ(bytes.size() % kRecSize, 0u);
    EXPECT_EQ(RecordOf(bytes, 0), headerBytes);  // the header is never saved
    // Each record is one employee's, whole (byte for byte, the save time
    // aside), old or newly saved; the W-3 stays in its place.
    std::map<int, std::uint32_t> found;
    int changed = 0;
    for (std::size_t r = 1; r < bytes.size() / kRecSize; ++r) {
      TRecordBuffer record;
      std::memcpy(record.bytes, RecordOf(bytes, int(r)).data(), kRecSize);
      int n = 0;
      if (r > 1) {
        const std::string ssn = record.w2.SocSecNum.Str();
        ASSERT_TRUE(ssn.starts_with("100-00-1") && ssn.size() == 11) << "record " << r << " torn";
        n = std::stoi(ssn.substr(7)) - 1000;
      }
      ASSERT_FALSE(found.contains(n)) << "employee " << n << " twice: a delete left half done";
      const auto known = generations.find(n);
      const std::uint32_t was = known == generations.end() ? 0 : known->second;
      const std::string stored = BytesOf(record).substr(8);
      const bool saved = stored == BytesOf(CrashImage(n, was + 1)).substr(8);
      ASSERT_TRUE(saved ||
                  (known != generations.end() && stored == BytesOf(CrashImage(n, was)).substr(8)))
          << "employee " << n << " in record " << r << " is torn or lost a save";
      changed += saved;
      found[n] = was + saved;
    }
    EXPECT_LE(changed, 1) << "only the save in progress may be new";
    for (const auto& [n, generation] : generations) {
      EXPECT_TRUE(found.contains(n) || n == deleting) << "employee " << n << " lost";
    }
    EXPECT_TRUE(deleting < 0 || changed == 0) << "a save beside the delete in progress";
    generations = found;
    const std::size_t made = FileBytes(scratch).size();
    EXPECT_TRUE(made == 1920 || (made == 0 && (fromEmpty || !std::filesystem::exists(scratch))))
        << "seen unfinished: " << made << " bytes";
    if (fromEmpty) {
      EXPECT_NO_THROW(TQuillmarFormFile::Create(scratch)) << made << " bytes";
    }
  }
  std::fprintf(stderr, "crash test: %u deletes finished\n", deletes);
  if (kills >= 100) {
    EXPECT_GT(deletes, 0u) << "no delete was ever under the kill";
  }
}

}  // namespace
