// Files of any length and content open, can be walked in every order and
// close again, without a crash, a hang or a single byte written.

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <string>

#include "data/QuillmarFormFile.h"
#include "platform/QuillmarError.h"
#include "tests/data/FormFileTestSupport.h"

namespace {

using DamagedFileTest = FormFileTest;

std::string RandomFile(std::mt19937& rng) {
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> records(0, 9);
  std::uniform_int_distribution<int> tail(0, 639);
  std::uniform_int_distribution<int> kind(0, 3);
  std::size_t size = static_cast<std::size_t>(records(rng)) * kRecSize;
  if (kind(rng) != 0) size += static_cast<std::size_t>(tail(rng));
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(byte(rng));
  // Many records look half-plausible: a real kind, short texts, and some
  // copies of an earlier record so that names and SSNs repeat.
  for (std::size_t at = 0; at + kRecSize <= size; at += kRecSize) {
    switch (kind(rng)) {
      case 0:
        bytes[at + 8] = static_cast<char>(16 * (1 + kind(rng) % 3));
        break;
      case 1:
        for (std::size_t field : {17u, 29u, 45u, 61u})
          bytes[at + field] = static_cast<char>(kind(rng));
        break;
      case 2:
        if (at >= kRecSize) bytes.replace(at, kRecSize, bytes, at - kRecSize, kRecSize);
        break;
      default:
        break;
    }
  }
  if (size >= 2 * kRecSize && kind(rng) != 0) {
    bytes.replace(8, 2, "\x10\x00", 2);
    bytes.replace(kRecSize + 8, 2, "\x20\x00", 2);
  }
  return bytes;
}

bool StartsLikeSsn(const std::string& key) {
  const std::string head = key.substr(0, 3);
  return head >= "000" && head <= "999";
}

// Queues the answers a lookup of `key` will ask for among namesakes.
void ScriptNamesakes(ScriptedMessageBoxes& boxes, const TQuillmarFormFile& file,
                     const std::string& key) {
  if (key.empty() || file.IndexMode == 2 || StartsLikeSsn(key)) return;
  int run = 0;
  for (const SortedKeyList::Entry& e : file.NameIndex().Entries())
    run += SortedKeyList::CompareKeys(e.Key, key) == 0;
  if (run < 2) return;
  for (int i = 0; i < run - 1; ++i) boxes.Answer(MsgNo);
  boxes.Answer(MsgOk);
}

TEST_F(DamagedFileTest, AnyFileOpensAndWalksInEveryOrder) {
  std::mt19937 rng(20020115);
  for (int n = 0; n < 300; ++n) {
    const std::string bytes = RandomFile(rng);
    const std::string name = dir.File("damaged" + std::to_string(n) + ".qmr");
    {
      std::ofstream out(name, std::ios::binary);
      out << bytes;
    }
    SCOPED_TRACE("file " + std::to_string(n) + ", " + std::to_string(bytes.size()) + " bytes");
    if (bytes.empty()) continue;  // taken as a new data file
    if (bytes.size() < 2 * kRecSize || bytes.compare(8, 2, "\x10\x00", 2) != 0 ||
        bytes.compare(kRecSize + 8, 2, "\x20\x00", 2) != 0) {
      EXPECT_THROW(TQuillmarFormFile::Create(name), QuillmarError);
      EXPECT_EQ(FileBytes(name), bytes);
      continue;
    }
    auto file = TQuillmarFormFile::Create(name);
    file->SetDecisions(&decisions);
    const int whole = static_cast<int>(bytes.size() / kRecSize);
    const int w2Records = std::max(whole - 2, 0);
    EXPECT_EQ(file->NameIndex().Count(), w2Records);
    EXPECT_LE(file->SsnIndex().Count(), w2Records);

    for (int mode : {0, 1, 2}) {
      file->IndexMode = mode;
      const int expected =
          mode == 1 ? w2Records : (mode == 2 ? file->SsnIndex().Count() : w2Records);
      int seen = 0;
      if (file->GoFirst()) {
        ++seen;
        while (seen <= w2Records && file->GoNext()) ++seen;
      }
      EXPECT_EQ(seen, expected) << "mode " << mode;
      int back = 0;
      if (file->GoLast()) {
        ++back;
        while (back <= w2Records && file->GoPrev()) ++back;
      }
      EXPECT_EQ(back, expected) << "mode " << mode;
      for (int i = 0; i < file->NameIndex().Count(); i += 3) {
        const std::string key = file->NameIndex().Key(i);
        ScriptNamesakes(boxes, *file, key);
        file->LocateKey(key);
        EXPECT_EQ(boxes.PendingAnswers(), 0u);
      }
      for (int i = 0; i < file->SsnIndex().Count(); i += 3) {
        const std::string key = file->SsnIndex().Key(i);
        ScriptNamesakes(boxes, *file, key);
        file->LocateKey(key);
        EXPECT_EQ(boxes.PendingAnswers(), 0u);
      }
      EXPECT_TRUE(file->WorkRec.SameBytes(file->OrigRec));
      file->ReadW3();
      file->GoNext();
      file->AddNew(kRecTypeW2);
      file->GoPrev();
    }
    EXPECT_FALSE(file->SaveRefused());
    file.reset();
    EXPECT_EQ(FileBytes(name), bytes);
  }
}

// A record is written only at its own place: one after a cut-off W-3 has none.
TEST_F(DamagedFileTest, RecordOutOfItsPlaceIsRefusedAndNothingWritten) {
  // A header record where the first W-2 belongs.
  TRecordBuffer header, w3;
  header.Clear();
  header.header.RecType = kRecTypeHeader;
  w3.Clear();
  w3.header.RecType = kRecTypeW3;
  const std::string before = BytesOf(header) + BytesOf(w3) + BytesOf(header);
  std::ofstream(path, std::ios::binary) << before;
  auto file = Open();
  ASSERT_TRUE(file->GoFirst());
  ASSERT_EQ(file->WorkRec.RecType(), kRecTypeHeader);
  file->WorkRec.w3.EmployerName = "Acme";
  EXPECT_EQ(file->SaveCurrent(false).reason,
            "The file is damaged: this record is not in its place, cannot save changes");
  EXPECT_TRUE(file->SaveRefused());
  file.reset();
  EXPECT_EQ(FileBytes(path), before);
}

}  // namespace
