// The journal: a whole one completes its save on the next open, a torn, cleared
// or foreign one is thrown away, and none is left once the file is closed.

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/data/FormFileTestSupport.h"

namespace {

using JournalTest = FormFileTest;
namespace fs = std::filesystem;

// A save cut off after its journal was synced: record 2 (at 1280) is to be
// 640 bytes 'A'. The last four bytes are the CRC-32 (as zip has it) of the rest.
const std::string kJournal = "QMRJRNL1" + std::string("\x00\x05\0\0\0\0\0\0", 8) +
                             std::string(kRecSize, 'A') + "\x6e\xf2\x6d\x4a";
// A whole journal of a record at 1920, a record past the end of a file of 1280 bytes.
const std::string kJournalPastEnd = "QMRJRNL1" + std::string("\x80\x07\0\0\0\0\0\0", 8) +
                                    std::string(kRecSize, 'A') + "\xfa\x98\x34\xe1";

TEST_F(JournalTest, WholeJournalCompletesItsSaveOnOpen) {
  Open().reset();
  std::ofstream(path + "-journal") << kJournal;
  auto file = Open();
  EXPECT_EQ(FileBytes(path).size(), 1920u);
  EXPECT_EQ(BytesOf(file->OrigRec), std::string(kRecSize, 'A'));
  EXPECT_FALSE(fs::exists(path + "-journal"));
  AddEmployee(*file, "111-11-1111", "Ann", "", "Zeller");
  // Cleared between saves while the file is open, removed when it closes.
  EXPECT_EQ(FileBytes(path + "-journal").substr(0, 8), std::string(8, '\0'));
  file.reset();
  EXPECT_FALSE(fs::exists(path + "-journal"));
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
  }
}

TEST_F(JournalTest, JournalBesideANewFileBelongsToAnEarlierOne) {
  std::ofstream(path + "-journal") << kJournal;
  auto file = Open();
  EXPECT_EQ(RecordOf(FileBytes(path), 2).substr(8, 2), std::string("\x30\0", 2));  // placeholder
  EXPECT_FALSE(fs::exists(path + "-journal"));
}

}  // namespace
