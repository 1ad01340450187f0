// Two running programs writing the same hive, and a program killed in the
// middle of a write.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <thread>

#include "platform/AtomicFile.h"
#include "platform/RegHive.h"
#include "platform/Registry.h"
#include "tests/support/TempDir.h"

namespace {

constexpr int kValuesPerWriter = 40;

// Writes "<prefix>0" .. "<prefix>39" into \K, each value a write of its own.
void WriteValues(const std::filesystem::path& folder, const std::string& prefix) {
  Registry registry(folder);
  registry.SetRootKey(RegRoot::LocalMachine);
  if (!registry.OpenKey("\\K", true)) _exit(2);
  for (int i = 0; i < kValuesPerWriter; ++i) registry.WriteInteger(prefix + std::to_string(i), i);
}

TEST(HiveConcurrency, TwoProcessesNeverLoseEachOthersWrites) {
  TempDir dir;
  pid_t children[2];
  const char* prefixes[2] = {"First", "Second"};
  for (int c = 0; c < 2; ++c) {
    children[c] = fork();
    ASSERT_GE(children[c], 0);
    if (children[c] == 0) {
      WriteValues(dir.Path(), prefixes[c]);
      _exit(0);
    }
  }
  // And a third writer in this process, through two stores on two threads.
  std::thread thread([&] { WriteValues(dir.Path(), "Thread"); });
  WriteValues(dir.Path(), "Parent");
  thread.join();
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }

  Registry registry(dir.Path());
  registry.SetRootKey(RegRoot::LocalMachine);
  ASSERT_TRUE(registry.OpenKey("\\K", false));
  EXPECT_EQ(registry.GetValueNames().size(), 4u * kValuesPerWriter);
  for (const char* prefix : {"First", "Second", "Thread", "Parent"}) {
    for (int i = 0; i < kValuesPerWriter; ++i) {
      EXPECT_EQ(registry.ReadInteger(prefix + std::to_string(i)), i) << prefix << i;
    }
  }
}

TEST(HiveConcurrency, AWriterKilledMidWriteNeverLeavesATornHive) {
  TempDir dir;
  const std::filesystem::path hive = dir.Path() / "system.reg";
  for (int round = 0; round < 12; ++round) {
    // The child reports each finished write through a pipe; it is killed
    // while it is busy with the write after the ones counted here.
    int reports[2];
    ASSERT_EQ(pipe(reports), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(reports[0]);
      Registry registry(dir.Path());
      registry.SetRootKey(RegRoot::LocalMachine);
      if (!registry.OpenKey("\\K", true)) _exit(2);
      const std::string filler(300, 'x');  // a hive of some size takes a while to write
      for (int i = 0;; ++i) {
        registry.WriteString("V" + std::to_string(i % 200), filler + std::to_string(i));
        if (write(reports[1], "w", 1) != 1) _exit(3);
      }
    }
    close(reports[1]);
    char report = 0;
    for (int written = 0; written < 1 + 3 * round; ++written)
      ASSERT_EQ(read(reports[0], &report, 1), 1);
    kill(child, SIGKILL);
    close(reports[0]);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);

    const std::string text = ReadWholeFile(hive).value_or("");
    ASSERT_FALSE(text.empty()) << "round " << round;
    const RegHive parsed = RegHive::Parse(text, {RegRoot::LocalMachine, RegRoot::ClassesRoot});
    EXPECT_EQ(parsed.UnreadableLineCount(), 0u) << "round " << round;
    EXPECT_EQ(parsed.Serialize(), text) << "round " << round << ": the hive is not whole";
  }
  // A write after the kills still works and keeps the values.
  Registry registry(dir.Path());
  registry.SetRootKey(RegRoot::LocalMachine);
  ASSERT_TRUE(registry.OpenKey("\\K", true));
  registry.WriteString("After", "1");
  EXPECT_EQ(registry.ReadString("After"), "1");
  EXPECT_NE(registry.ReadString("V0"), "");
}

}  // namespace
