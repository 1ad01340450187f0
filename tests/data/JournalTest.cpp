// The journal beside a data file: a whole one completes its save when the
// file is opened next, a torn, cleared or foreign one is thrown away, and
// none is left once the file is closed.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/data/FormFileTestSupport.h"

namespace {

using JournalTest = FormFileTest;

void WriteBytes(const std::string& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

// What a save cut off right after its journal was synced leaves: record 2, at
// 1280, is to be 640 bytes 'A'. The last four bytes are the CRC-32 (as zip
// computes it) of everything before them.
std::string JournalOfRecord2() {
  return "QMRJRNL1" + std::string("\x00\x05\0\0\0\0\0\0", 8) + std::string(kRecSize, 'A') +
         "\x6e\xf2\x6d\x4a";
}

TEST_F(JournalTest, WholeJournalCompletesItsSaveOnOpen) {
  Open().reset();
  WriteBytes(path + "-journal", JournalOfRecord2());
  auto file = Open();
  const std::string bytes = FileBytes(path);
  EXPECT_EQ(bytes.size(), 1920u);
  EXPECT_EQ(RecordOf(bytes, 2), std::string(kRecSize, 'A'));
  EXPECT_EQ(BytesOf(file->OrigRec), std::string(kRecSize, 'A'));
  EXPECT_FALSE(std::filesystem::exists(path + "-journal"));
  AddEmployee(*file, "111-11-1111", "Ann", "", "Zeller");
  EXPECT_EQ(FileBytes(path).size(), 2560u);
  // A save leaves the journal cleared while the file is open; closing removes it.
  EXPECT_EQ(FileBytes(path + "-journal").substr(0, 8), std::string(8, '\0'));
  file.reset();
  EXPECT_FALSE(std::filesystem::exists(path + "-journal"));
}

TEST_F(JournalTest, TornOrForeignJournalIsThrownAway) {
  const std::string whole = JournalOfRecord2();
  std::string flipped = whole;
  flipped[400] ^= 1;
  std::string cleared = whole;
  cleared.replace(0, 8, 8, '\0');
  const std::string shortFile = dir.File("short.qmr");
  WriteBytes(shortFile, std::string(700, 'x'));  // too short for the journal's record
  Open().reset();
  const struct {
    std::string file, journal;
  } cases[] = {{path, whole.substr(0, whole.size() - 1)},
               {path, whole.substr(0, 16)},
               {path, flipped},
               {path, cleared},
               {path, whole + "x"},
               {path, ""},
               {shortFile, whole}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file + ", journal of " + std::to_string(c.journal.size()) + " bytes");
    const std::string before = FileBytes(c.file);
    WriteBytes(c.file + "-journal", c.journal);
    TQuillmarFormFile::Create(c.file).reset();
    EXPECT_EQ(FileBytes(c.file), before);
    EXPECT_FALSE(std::filesystem::exists(c.file + "-journal"));
  }
}

TEST_F(JournalTest, JournalBesideANewFileBelongsToAnEarlierOne) {
  WriteBytes(path + "-journal", JournalOfRecord2());
  auto file = Open();
  EXPECT_EQ(RecordOf(FileBytes(path), 2).substr(8, 2),
            std::string("\x30\0", 2));  // the placeholder W-2
  EXPECT_FALSE(std::filesystem::exists(path + "-journal"));
}

}  // namespace
