// File I/O that keeps its reason, and the atomic writer's permissions.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/PosixFile.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;

TEST(IoErrorText, SaysWhyInAPlainSentence) {
  const struct {
    const char* what;
    int error;
    const char* text;
  } rows[] = {{"disk full", ENOSPC, "The disk is full."},
              {"quota", EDQUOT, "The disk is full."},
              {"read-only", EROFS, "The medium is read-only."},
              {"input/output", EIO, "An input/output error occurred."},
              {"other: the system's text", EFBIG, "File too large."}};
  for (const auto& row : rows) EXPECT_EQ(IoErrorText(row.error), row.text) << row.what;
}

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// Under the usual umask 022: a new file and every temporary file are the
// user's only; a file that exists keeps its owner's permissions.
TEST(WriteFileAtomically, NewFilesAreTheUsersOnlyExistingOnesKeepTheirMode) {
  TempDir dir;
  const mode_t umaskBefore = umask(022);
  std::vector<mode_t> tempModes;
  const IoFault previous = SetIoFault([&](IoStep step, int fd) {
    struct stat st {};
    if (step == IoStep::Write && fstat(fd, &st) == 0) tempModes.push_back(st.st_mode & 07777);
    return 0;
  });
  const std::string fresh = dir.File("W2REPORT"), kept = dir.File("shared.txt");
  std::ofstream(kept) << "old";
  fs::permissions(kept, fs::perms(0644));
  EXPECT_TRUE(WriteFileAtomically(fresh, "RA"));
  EXPECT_TRUE(WriteFileAtomically(kept, "new"));
  SetIoFault(previous);
  umask(umaskBefore);
  EXPECT_EQ(ModeOf(fresh), 0600u);
  EXPECT_EQ(ModeOf(kept), 0644u);
  EXPECT_EQ(ReadWholeFile(kept), "new");
  // The temporary file of the existing one takes its mode before the contents.
  EXPECT_EQ(tempModes, (std::vector<mode_t>{0600, 0644}));
}

}  // namespace
