#pragma once
// Shared pieces of the data file tests: a fixture with a temp folder, a fixed
// clock and the owner's decisions answered by scripted message boxes, and
// helpers that read the file's bytes and fill employees.

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>

#include "data/QuillmarFormFile.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempDir.h"

// 2002-01-15 12:00 local time as the records store it.
inline constexpr DateTime kFixedNow = 37271.5;

inline std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string RecordOf(const std::string& fileBytes, int n) {
  return fileBytes.substr(static_cast<std::size_t>(n) * kRecSize, kRecSize);
}

inline std::string BytesOf(const TRecordBuffer& record) {
  return std::string(reinterpret_cast<const char*>(record.bytes), kRecSize);
}

inline std::string DoubleBytes(double value) {
  char bytes[sizeof value];
  std::memcpy(bytes, &value, sizeof value);
  return std::string(bytes, sizeof bytes);
}

inline void SetEmployee(TRecordBuffer& record, std::string_view ssn, std::string_view first,
                        std::string_view initial, std::string_view last) {
  record.w2.SocSecNum = ssn;
  record.w2.FirstName = first;
  record.w2.MiddleInitial = initial;
  record.w2.LastName = last;
}

// A new employee saved without a question; returns the offset it was written at.
inline std::int64_t AddEmployee(TQuillmarFormFile& file, std::string_view ssn,
                                std::string_view first, std::string_view initial,
                                std::string_view last) {
  EXPECT_TRUE(file.AddNew(kRecTypeW2));
  SetEmployee(file.WorkRec, ssn, first, initial, last);
  EXPECT_TRUE(file.SaveCurrent(false));
  return file.RecPos();
}

// The offsets of an index's entries, in index order.
inline std::vector<std::int64_t> Offsets(const SortedKeyList& index) {
  std::vector<std::int64_t> offsets;
  for (const SortedKeyList::Entry& e : index.Entries()) offsets.push_back(e.Object->Offset);
  return offsets;
}

inline std::vector<std::string> Keys(const SortedKeyList& index) {
  std::vector<std::string> keys;
  for (const SortedKeyList::Entry& e : index.Entries()) keys.push_back(e.Key);
  return keys;
}

// The owner's decisions as message boxes answered by the test's script, so
// that a test reads the questions in the order the user would see them.
// (The boxes' captions and buttons are the screens' and tested there.)
class ScriptedDecisions final : public IFileDecisions {
 public:
  bool SaveChanges(const std::string& question) override {
    return MessageBoxes().Show({"", question, MsgIcon::Question, MsgYes | MsgNo, true}) == MsgYes;
  }
  bool TakeNamesake(const std::string& text, bool last) override {
    return MessageBoxes().Show(
               {"", text, MsgIcon::Question, last ? MsgOk : MsgYes | MsgNo, true}) != MsgNo;
  }
};

class FormFileTest : public ::testing::Test {
 protected:
  std::unique_ptr<TQuillmarFormFile> Open() {
    auto file = TQuillmarFormFile::Create(path);
    file->SetDecisions(&decisions);
    return file;
  }

  TempDir dir;
  FixedClock clock{FixedClock::LocalNoon(2002, 1, 15)};
  ScriptedMessageBoxes boxes;
  ScriptedDecisions decisions;
  std::string path = dir.File("acme.qmr");
};
