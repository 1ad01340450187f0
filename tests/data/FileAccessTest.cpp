// Who may open a data file, and what happens when the disk refuses a write.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "data/QuillmarFormFile.h"
#include "platform/PosixFile.h"
#include "platform/QuillmarError.h"
#include "tests/data/FormFileTestSupport.h"

namespace {

using FileAccessTest = FormFileTest;
namespace fs = std::filesystem;

std::string OpenError(const std::string& path) {
  try {
    TQuillmarFormFile::Create(path);
  } catch (const QuillmarError& error) {
    return error.what();
  }
  return "opened";
}

// Lowers the largest file this process may write, for as long as it lives.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &previous_);
    previousHandler_ = signal(SIGXFSZ, SIG_IGN);
    rlimit limit = previous_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit previous_{};
  sighandler_t previousHandler_;
};

// Runs `body` in a child process and returns its exit code.
template <typename Body>
int InChild(Body body) {
  const pid_t pid = fork();
  if (pid == 0) _exit(body());
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 100;
}

TEST_F(FileAccessTest, SecondWriterInThisProcessIsRefused) {
  auto first = Open();
  EXPECT_EQ(OpenError(path),
            "Cannot open file " + path +
                "\rIt is open in another window of Quillmar or in another program.");
  first.reset();
  // Closed, the file is free again.
  EXPECT_EQ(OpenError(path), "opened");
}

TEST_F(FileAccessTest, SecondWriterInAnotherProcessIsRefused) {
  Open().reset();
  int toParent[2];
  int toChild[2];
  ASSERT_EQ(pipe(toParent), 0);
  ASSERT_EQ(pipe(toChild), 0);
  const pid_t pid = fork();
  if (pid == 0) {
    char done = 0;
    {
      std::unique_ptr<TQuillmarFormFile> held;
      try {
        held = TQuillmarFormFile::Create(path);
      } catch (...) {
        _exit(1);
      }
      (void)!write(toParent[1], "h", 1);
      (void)!read(toChild[0], &done, 1);
    }
    _exit(0);
  }
  char held = 0;
  ASSERT_EQ(read(toParent[0], &held, 1), 1);
  EXPECT_EQ(OpenError(path),
            "Cannot open file " + path +
                "\rIt is open in another window of Quillmar or in another program.");
  // A reader is still welcome.
  EXPECT_EQ(FileBytes(path).size(), 1920u);
  ASSERT_EQ(write(toChild[1], "x", 1), 1);
  int status = 0;
  waitpid(pid, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(OpenError(path), "opened");
  for (int fd : {toParent[0], toParent[1], toChild[0], toChild[1]}) close(fd);
}

TEST_F(FileAccessTest, ReadOnlyFileIsRefused) {
  Open().reset();
  const std::string before = FileBytes(path);
  ASSERT_EQ(chmod(path.c_str(), 0444), 0);
  ASSERT_EQ(chmod(dir.Path().c_str(), 0755), 0);
  const std::string expected = "Cannot open file " + path + "\rThe file is read-only.";
  if (geteuid() != 0) {
    EXPECT_EQ(OpenError(path), expected);
  } else {
    // Root may write anything: try it as nobody.
    const int code = InChild([&] {
      if (setgid(65534) != 0 || setuid(65534) != 0) return 77;
      return OpenError(path) == expected ? 0 : 1;
    });
    if (code == 77) GTEST_SKIP() << "cannot drop root rights here";
    EXPECT_EQ(code, 0);
  }
  EXPECT_EQ(FileBytes(path), before);
}

TEST_F(FileAccessTest, FolderOrSpecialFileInItsPlaceIsRefused) {
  const std::string folder = dir.File("folder.qmr");
  std::filesystem::create_directory(folder);
  EXPECT_EQ(OpenError(folder),
            "Cannot open file " + folder + "\rIt is a folder or a device, not a file.");
  const std::string fifo = dir.File("pipe.qmr");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(OpenError(fifo),
            "Cannot open file " + fifo + "\rIt is a folder or a device, not a file.");
  // A file picked from the recent files that is gone is not made anew.
  const std::string gone = dir.File("gone.qmr");
  try {
    TQuillmarFormFile::Open(gone, false);
    ADD_FAILURE() << "opened";
  } catch (const QuillmarError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot open file " + gone + "\rThe file does not exist.");
  }
  EXPECT_FALSE(std::filesystem::exists(gone));
}

// Refused untouched and left closed; a data file opens; an empty one becomes a new data file.
TEST_F(FileAccessTest, OnlyADataFileOrAnEmptyFileOpens) {
  Open().reset();
  const std::string made = FileBytes(path);
  std::string kinds[3] = {made, made, made};
  kinds[0][8] = 48;        // record 0 a W-2
  kinds[1][640 + 8] = 16;  // record 1 a header
  kinds[2][640 + 9] = 1;   // record 1 of kind 288
  const std::string notes = dir.File("notes.qmr");
  for (const std::string& bytes :
       {std::string(2000, 'x'), made.substr(0, 1), made.substr(0, 1279), kinds[0], kinds[1],
        kinds[2], made.substr(0, 1280), made, std::string()}) {
    std::ofstream(notes, std::ios::binary | std::ios::trunc) << bytes;
    const bool dataFile = bytes.size() >= 1280 && bytes.compare(8, 1, made, 8, 1) == 0 &&
                          bytes.compare(640 + 8, 2, made, 640 + 8, 2) == 0;
    EXPECT_EQ(OpenError(notes),
              dataFile || bytes.empty() ? "opened" : notes + " is not a Quillmar data file.");
    EXPECT_EQ(FileBytes(notes), bytes.empty() ? made : bytes) << bytes.size();
  }
}

TEST_F(FileAccessTest, FileThatCannotBeMadeIsReported) {
  const std::string missing = dir.File("no-such-folder/acme.qmr");
  EXPECT_EQ(OpenError(missing), "Cannot create file " + missing);
}

TEST_F(FileAccessTest, HalfWrittenNewFileIsRemoved) {
  {
    FileSizeLimit limit(1000);
    EXPECT_EQ(OpenError(path), "Cannot create file " + path);
  }
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(FileAccessTest, FailedAppendIsReportedAndLeavesNoTrace) {
  auto file = Open();
  AddEmployee(*file, "111-11-1111", "Ann", "", "Zeller");
  const std::string before = FileBytes(path);
  ASSERT_TRUE(file->AddNew(kRecTypeW2));
  SetEmployee(file->WorkRec, "222-22-2222", "Bob", "", "Adams");
  const TRecordBuffer typed = file->WorkRec;
  {
    FileSizeLimit limit(1920);
    try {
      (void)file->SaveCurrent(false);
      ADD_FAILURE() << "a failed write was reported as success";
    } catch (const QuillmarError& error) {
      EXPECT_EQ(std::string(error.what()), "Cannot write file " + path + "\rFile too large.");
    }
  }
  EXPECT_EQ(FileBytes(path), before);
  EXPECT_EQ(Offsets(file->NameIndex()), std::vector<std::int64_t>{1280});
  EXPECT_EQ(Offsets(file->SsnIndex()), std::vector<std::int64_t>{1280});
  EXPECT_EQ(BytesOf(file->WorkRec), BytesOf(typed));
  EXPECT_FALSE(file->WorkRec.SameBytes(file->OrigRec));
  EXPECT_EQ(file->RecPos(), 1920);

  // With room on the disk again the same save goes through.
  EXPECT_TRUE(file->SaveCurrent(false));
  EXPECT_EQ(FileBytes(path).size(), 2560u);
  EXPECT_EQ(Offsets(file->SsnIndex()), (std::vector<std::int64_t>{1280, 1920}));
}

// A write that stops part way through a new record leaves no part of it
// behind: the file keeps its size, and a later save does not build on it.
TEST_F(FileAccessTest, AppendFailingPartWayLeavesNoPartOfTheRecord) {
  auto file = Open();
  AddEmployee(*file, "111-11-1111", "Ann", "", "Zeller");
  const std::string before = FileBytes(path);
  ASSERT_TRUE(file->AddNew(kRecTypeW2));
  SetEmployee(file->WorkRec, "222-22-2222", "Bob", "", "Adams");
  {
    FileSizeLimit limit(2000);
    EXPECT_THROW(file->SaveCurrent(false), QuillmarError);
  }
  EXPECT_EQ(file->Size(), 1920);
  EXPECT_TRUE(FileBytes(path) == before);

  EXPECT_TRUE(file->SaveCurrent(false));
  EXPECT_EQ(file->RecPos(), 1920);
  EXPECT_EQ(RecordOf(FileBytes(path), 3), BytesOf(file->OrigRec));
  EXPECT_EQ(FileBytes(path).size(), 2560u);
}

TEST_F(FileAccessTest, FailedMoveSaveStopsTheMove) {
  auto file = Open();
  AddEmployee(*file, "111-11-1111", "Ann", "", "Zeller");
  ASSERT_TRUE(file->AddNew(kRecTypeW2));
  SetEmployee(file->WorkRec, "222-22-2222", "Bob", "", "Adams");
  FileSizeLimit limit(1920);
  boxes.Answer(MsgYes);
  EXPECT_THROW(file->GoFirst(), QuillmarError);
  EXPECT_EQ(file->WorkRec.w2.LastName.Str(), "Adams");
  EXPECT_EQ(file->RecPos(), 1920);
}

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// Under the usual umask 022 the files that hold SSNs are the user's only: a
// new data file, its temporary file and its journal. An existing file (also
// an empty one made a data file) keeps the mode its owner gave it, and its
// journal gets the same.
TEST_F(FileAccessTest, FilesHoldingSsnsAreReadableByTheirUserOnly) {
  const mode_t umaskBefore = umask(022);
  const std::string empty = dir.File("empty.qmr"), shared = dir.File("shared.qmr");
  std::ofstream{empty};
  std::ofstream{shared};
  fs::permissions(empty, fs::perms(0640));
  std::vector<mode_t> written;  // the mode of every file written, as it is written
  const IoFault previous = SetIoFault([&](IoStep step, int fd) {
    struct stat st {};
    if (step == IoStep::Write && fstat(fd, &st) == 0) written.push_back(st.st_mode & 07777);
    return 0;
  });
  {
    auto file = Open();
    AddEmployee(*file, "111-11-1111", "Ann", "", "Zeller");
    EXPECT_EQ(ModeOf(path + "-journal"), 0600u);
  }
  TQuillmarFormFile::Create(empty).reset();
  SetIoFault(previous);
  umask(umaskBefore);
  EXPECT_EQ(ModeOf(path), 0600u);
  EXPECT_EQ(ModeOf(empty), 0640u);
  EXPECT_EQ(FileBytes(empty).size(), 1920u);
  // New file image x3, journal, record, cleared journal; the empty file's image x3.
  EXPECT_EQ(written, (std::vector<mode_t>{0600, 0600, 0600, 0600, 0600, 0600, 0640, 0640, 0640}));
  fs::permissions(shared, fs::perms(0644));
  TQuillmarFormFile::Create(shared).reset();
  EXPECT_EQ(ModeOf(shared), 0644u);
}

TEST_F(FileAccessTest, SavedRecordIsOnTheDiskBeforeSaveReturns) {
  auto file = Open();
  AddEmployee(*file, "111-11-1111", "Ann", "", "Zeller");
  AddEmployee(*file, "222-22-2222", "Bob", "", "Adams");
  // Another reader, through its own descriptor, sees both records while the
  // file is still open and nothing has been closed or flushed by hand.
  const std::string bytes = FileBytes(path);
  ASSERT_EQ(bytes.size(), 2560u);
  EXPECT_EQ(RecordOf(bytes, 3), BytesOf(file->OrigRec));
  EXPECT_EQ(RecordOf(bytes, 2).substr(61, 7), "\x06Zeller");
}

TEST_F(FileAccessTest, TemporaryFilesOfAKilledMakerAreRemovedOthersKept) {
  const std::string dead = path + ".new-99999-1", live = path + ".new-1-1", mine = path + ".new-x";
  for (const std::string& name : {dead, live, mine}) std::ofstream(name) << "x";
  const int held = open(live.c_str(), O_RDWR);
  struct flock lock {};
  lock.l_type = F_WRLCK;  // held by a maker at work
  ASSERT_EQ(fcntl(held, F_OFD_SETLK, &lock), 0);
  Open().reset();
  EXPECT_FALSE(std::filesystem::exists(dead));
  EXPECT_TRUE(std::filesystem::exists(live));
  EXPECT_TRUE(std::filesystem::exists(mine));
  close(held);
}

}  // namespace
