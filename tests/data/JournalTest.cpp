// The journal: a whole one of this file and its content completes its save on
// the next open, one of other content is kept aside and never applied, a torn
// or cleared one is thrown away, and none is left once the file is closed.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/PosixFile.h"
#include "platform/QuillmarError.h"
#include "tests/data/FormFileTestSupport.h"

namespace {

using JournalTest = FormFileTest;
namespace fs = std::filesystem;

// A journal of the earlier layout, bound to nothing but its place: record 2
// (at 1280) is to be 640 bytes 'A'. The last four bytes are the CRC-32 (as
// zip has it) of the rest. Whole, it cannot say whose it is: kept aside.
const std::string kJournal = "QMRJRNL1" + std::string("\x00\x05\0\0\0\0\0\0", 8) +
                             std::string(kRecSize, 'A') + "\x6e\xf2\x6d\x4a";
// A whole journal of a record at 1920, a record past the end of a file of 1280 bytes.
const std::string kJournalPastEnd = "QMRJRNL1" + std::string("\x80\x07\0\0\0\0\0\0", 8) +
                                    std::string(kRecSize, 'A') + "\xfa\x98\x34\xe1";

std::uint64_t InodeOf(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

// Whether the descriptor `fd` is open on the file at `path`.
bool IsFile(int fd, const std::string& path) {
  struct stat st {};
  return fstat(fd, &st) == 0 && st.st_ino == InodeOf(path);
}

// Saves `edit` of the record `locate` makes current in a child process that
// dies just before the record is written: its journal is left whole.
template <typename Locate, typename Edit>
void CutSave(const std::string& path, Locate locate, Edit edit) {
  const pid_t pid = fork();
  if (pid == 0) {
    auto file = TQuillmarFormFile::Create(path);
    (void)SetIoFault([&path](IoStep step, int fd) {
      if (step == IoStep::Write && IsFile(fd, path)) _exit(0);
      return 0;
    });
    if (locate(*file)) {
      edit(file->WorkRec);
      (void)file->SaveCurrent(false);
    }
    _exit(1);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the save was not cut";
  ASSERT_TRUE(fs::exists(path + "-journal"));
}

const auto kSecond = [](TQuillmarFormFile& f) { return f.LocateKey("222-22-2222"); };
const auto kNew = [](TQuillmarFormFile& f) { return f.AddNew(kRecTypeW2); };

// CRC-32 as zip has it, to make journals by hand.
std::uint32_t Crc(const std::string& bytes) {
  std::uint32_t c = 0xFFFFFFFFu;
  for (unsigned char byte : bytes) {
    c ^= byte;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
  }
  return c ^ 0xFFFFFFFFu;
}

std::string LE(std::uint64_t value, int bytes) {
  std::string out;
  for (int i = 0; i < bytes; ++i) out += char(value >> (8 * i));
  return out;
}

// A journal as documented: the record `record` due at `offset` of the file
// at `path` as it is now.
std::string HandMadeJournal(const std::string& path, std::int64_t offset,
                            const std::string& record) {
  const std::string bytes = FileBytes(path);
  const std::string old = bytes.substr(std::size_t(offset), kRecSize);
  const std::string image = "QMRJRNL2" + LE(std::uint64_t(offset), 8) + LE(InodeOf(path), 8) +
                            LE(Crc(bytes.substr(0, kRecSize)), 4) + LE(old.size(), 4) + old +
                            std::string(kRecSize - old.size(), '\0') + record;
  return image + LE(Crc(image), 4);
}

class BoundJournalTest : public JournalTest {
 protected:
  void SetUp() override {
    auto file = Open();
    AddEmployee(*file, "111-11-1111", "Ann", "", "Zeller");
    AddEmployee(*file, "222-22-2222", "Bob", "", "Adams");
  }
  // The journal was left alone: the file opens as it was, the journal kept
  // aside under its new name, and the user is told so.
  void ExpectKeptAside(const std::string& file, const std::string& journal) {
    const std::string before = FileBytes(file);
    auto opened = TQuillmarFormFile::Create(file);
    EXPECT_EQ(FileBytes(file), before);
    EXPECT_FALSE(fs::exists(file + "-journal"));
    EXPECT_EQ(FileBytes(file + "-journal.kept"), journal);
    EXPECT_EQ(opened->KeptJournalNotice(),
              "A save journal beside " + file +
                  " was written for another file or for other contents of this one. It was not "
                  "applied and is kept as " +
                  file + "-journal.kept; the file opened as it is.");
  }
};

TEST_F(BoundJournalTest, SaveCutBeforeItsRecordIsCompletedOnOpen) {
  CutSave(path, kSecond, [](TRecordBuffer& r) { r.w2.FirstName = "Robert"; });
  auto file = Open();
  ASSERT_TRUE(file->LocateKey("222-22-2222"));
  EXPECT_EQ(file->WorkRec.w2.FirstName.Str(), "Robert");
  EXPECT_TRUE(file->KeptJournalNotice().empty());
  EXPECT_FALSE(fs::exists(path + "-journal"));
  // Cleared between saves while the file is open, removed when it closes.
  AddEmployee(*file, "333-33-3333", "Cy", "", "Moore");
  EXPECT_EQ(FileBytes(path + "-journal").substr(0, 8), std::string(8, '\0'));
  EXPECT_EQ(fs::status(path + "-journal").permissions(), fs::perms(0600));
  file.reset();
  EXPECT_FALSE(fs::exists(path + "-journal"));
}

TEST_F(BoundJournalTest, AnotherCompanysJournalIsKeptAside) {
  const std::string beta = dir.File("beta.qmr");
  {
    auto file = TQuillmarFormFile::Create(beta);
    AddEmployee(*file, "777-77-7777", "Zed", "", "Beta");
  }
  CutSave(beta, kNew, [](TRecordBuffer& r) { SetEmployee(r, "888-88-8888", "Yan", "", "Beta"); });
  fs::copy_file(beta + "-journal", path + "-journal");
  ExpectKeptAside(path, FileBytes(beta + "-journal"));
}

// A backup restored in place (the same inode) after a crash: one whose record
// was saved since, and a shorter one the new record would be appended to.
TEST_F(BoundJournalTest, BackupRestoredAfterACrashKeepsItsContent) {
  const std::string backup = FileBytes(path);
  {
    auto file = Open();
    ASSERT_TRUE(file->LocateKey("222-22-2222"));
    file->WorkRec.w2.FirstName = "Bobby";
    ASSERT_TRUE(file->SaveCurrent(false));
  }
  CutSave(path, kSecond, [](TRecordBuffer& r) { r.w2.FirstName = "Robert"; });
  std::ofstream(path, std::ios::binary | std::ios::trunc) << backup;
  ExpectKeptAside(path, FileBytes(path + "-journal"));

  fs::remove(path + "-journal.kept");
  CutSave(path, kNew, [](TRecordBuffer& r) { SetEmployee(r, "333-33-3333", "Cy", "", "Moore"); });
  std::ofstream(path, std::ios::binary | std::ios::trunc) << backup.substr(0, 3 * kRecSize);
  ExpectKeptAside(path, FileBytes(path + "-journal"));
}

TEST_F(BoundJournalTest, JournalOfALinkDoesNotUndoALaterSaveThroughTheRealPath) {
  const std::string link = dir.File("link.qmr");
  fs::create_symlink(path, link);
  CutSave(link, kSecond, [](TRecordBuffer& r) { r.w2.FirstName = "Robert"; });
  {
    auto file = Open();
    ASSERT_TRUE(file->LocateKey("222-22-2222"));
    file->WorkRec.w2.FirstName = "Bobby";
    ASSERT_TRUE(file->SaveCurrent(false));
  }
  ExpectKeptAside(link, FileBytes(link + "-journal"));
  EXPECT_EQ(RecordOf(FileBytes(path), 3).substr(29, 6),
            "\x05"
            "Bobby");
}

// Offsets 0 and 640 hold the header and the W-3: a journal with any other
// kind of record for them is not applied, and the file still opens.
TEST_F(BoundJournalTest, JournalForTheHeaderOrW3PlaceNeedsThatKindOfRecord) {
  const std::string w2 = RecordOf(FileBytes(path), 2);
  for (const std::int64_t offset : {std::int64_t{0}, std::int64_t{640}}) {
    SCOPED_TRACE(offset);
    const std::string journal = HandMadeJournal(path, offset, w2);
    std::ofstream(path + "-journal", std::ios::binary) << journal;
    ExpectKeptAside(path, journal);
    fs::remove(path + "-journal.kept");
  }
  // The same journal with a W-3 record for 640 is this file's own: applied.
  std::string w3 = RecordOf(FileBytes(path), 1);
  w3.replace(20, 4, "Acme");
  std::ofstream(path + "-journal", std::ios::binary) << HandMadeJournal(path, 640, w3);
  Open().reset();
  EXPECT_EQ(RecordOf(FileBytes(path), 1), w3);
}

// A failed save is taken back: the message says why, no later open completes
// it, and once the disk works again the next save goes through. A write that
// fails once is put back at once and the journal cleared on the disk; a disk
// that fails for good keeps a journal that puts the old record back.
TEST_F(BoundJournalTest, FailedSaveIsTakenBack) {
  const struct {
    const char* what;
    IoStep step;
    int error;
    int failures;  // of the data file's writes or syncs
    const char* reason;
  } rows[] = {
      {"record write EIO once", IoStep::Write, EIO, 1, "An input/output error occurred."},
      {"record sync EROFS once", IoStep::Sync, EROFS, 1, "The medium is read-only."},
      {"record write ENOSPC for good", IoStep::Write, ENOSPC, 99, "The disk is full."},
      {"record sync EIO for good", IoStep::Sync, EIO, 99, "An input/output error occurred."}};
  const std::string before = FileBytes(path);
  for (const auto& row : rows) {
    for (const bool reopen : {true, false}) {
      SCOPED_TRACE(std::string(row.what) + (reopen ? ", then reopened" : ", then saved again"));
      auto file = Open();
      ASSERT_TRUE(file->LocateKey("222-22-2222"));
      file->WorkRec.w2.FirstName = "Robert";
      int failures = row.failures;
      const IoFault previous = SetIoFault([&](IoStep step, int fd) {
        return step == row.step && IsFile(fd, path) && failures-- > 0 ? row.error : 0;
      });
      try {
        (void)file->SaveCurrent(false);
        ADD_FAILURE() << "a failed save was reported as success";
      } catch (const QuillmarError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot write file " + path + "\r" + row.reason);
      }
      SetIoFault(previous);
      if (row.failures == 1) {
        EXPECT_EQ(FileBytes(path), before);
        EXPECT_EQ(FileBytes(path + "-journal").substr(0, 8), std::string(8, '\0'));
      }
      if (reopen) {
        file.reset();
        file = Open();
        EXPECT_EQ(FileBytes(path), before);
        EXPECT_TRUE(file->KeptJournalNotice().empty());
      } else {
        EXPECT_TRUE(file->SaveCurrent(false));
        EXPECT_EQ(RecordOf(FileBytes(path), 3).substr(29, 7), "\x06Robert");
        file.reset();
        std::ofstream(path, std::ios::binary | std::ios::trunc) << before;
      }
    }
  }
}

TEST_F(JournalTest, TornClearedOrForeignJournalIsThrownAway) {
  std::string flipped = kJournal, cleared = kJournal;
  flipped[400] ^= 1;
  cleared.replace(0, 8, 8, '\0');
  Open().reset();
  // Only a header and a W-3: no record yet before 1920.
  TRecordBuffer header, w3;
  header.Clear();
  header.header.RecType = kRecTypeHeader;
  w3.Clear();
  w3.header.RecType = kRecTypeW3;
  std::ofstream(dir.File("short.qmr")) << BytesOf(header) + BytesOf(w3);
  for (const std::string& journal : {kJournal.substr(0, 659), kJournal.substr(0, 16), flipped,
                                     cleared, kJournal + "x", std::string(), kJournalPastEnd}) {
    // The whole journal, last, is for a file too short for its record.
    const std::string file = journal == kJournalPastEnd ? dir.File("short.qmr") : path;
    SCOPED_TRACE(file + ", journal of " + std::to_string(journal.size()) + " bytes");
    const std::string before = FileBytes(file);
    std::ofstream(file + "-journal") << journal;
    TQuillmarFormFile::Create(file).reset();
    EXPECT_EQ(FileBytes(file), before);
    EXPECT_FALSE(fs::exists(file + "-journal"));
    // Torn or cleared, it is thrown away; whole, it is kept.
    EXPECT_EQ(fs::exists(file + "-journal.kept"), journal == kJournalPastEnd);
  }
}

TEST_F(JournalTest, JournalBesideANewFileBelongsToAnEarlierOne) {
  std::ofstream(path + "-journal") << kJournal;
  auto file = Open();
  EXPECT_EQ(RecordOf(FileBytes(path), 2).substr(8, 2), std::string("\x30\0", 2));  // placeholder
  EXPECT_FALSE(fs::exists(path + "-journal"));
  EXPECT_EQ(FileBytes(path + "-journal.kept"), kJournal);
  EXPECT_FALSE(file->KeptJournalNotice().empty());
}

}  // namespace
