// Deleting a W-2: the last record takes its place, the file is cut, the
// indexes follow; a W-2 filled in only by the screen is never saved; a W-2
// with no SSN, no name and no amount is no W-2.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "data/BlankW2.h"
#include "data/QuillmarFormFile.h"
#include "tests/data/FormFileTestSupport.h"

namespace {

using DeleteW2Test = FormFileTest;

struct DeleteRow {
  const char* name;
  const char* ssn;                 // the employee deleted
  std::vector<std::string> names;  // the name index after it, reopened too
  std::int64_t size;
  std::string current;  // the last name of the record then current
};

TEST_F(DeleteW2Test, LastRecordTakesThePlaceAndTheFileIsCut) {
  const DeleteRow rows[] = {
      {"first of three", "111-11-1111", {"CARR, CY", "BAKER, BO"}, 2560, "Carr"},
      {"middle of three", "222-22-2222", {"CARR, CY", "ADAMS, AL"}, 2560, "Carr"},
      {"last of three", "333-33-3333", {"BAKER, BO", "ADAMS, AL"}, 2560, "Baker"},
  };
  for (const DeleteRow& row : rows) {
    SCOPED_TRACE(row.name);
    std::remove(path.c_str());
    {
      auto file = Open();
      AddEmployee(*file, "111-11-1111", "Al", "", "Adams");
      AddEmployee(*file, "222-22-2222", "Bo", "", "Baker");
      AddEmployee(*file, "333-33-3333", "Cy", "", "Carr");
      ASSERT_TRUE(file->LocateKey(row.ssn));
      file->WorkRec.w2.Wages = 5;  // a pending change of the deleted W-2 goes with it
      ASSERT_TRUE(file->DeleteCurrent());
      EXPECT_EQ(file->Size(), row.size);
      EXPECT_EQ(file->OrigRec.w2.LastName.Str(), row.current);
      EXPECT_EQ(file->WorkRec.w2.LastName.Str(), row.current);
      EXPECT_EQ(Offsets(file->NameIndex()).size(), 2u);
      EXPECT_EQ(file->SsnIndex().Count(), 2);
      int at = 0;
      EXPECT_FALSE(file->SsnIndex().Find(row.ssn, at));
      // The indexes lead to records holding their keys.
      for (const SortedKeyList::Entry& e : file->NameIndex().Entries()) {
        file->Seek(e.Object->Offset);
        TRecordBuffer record;
        ASSERT_EQ(file->Read(record.bytes, kRecSize), std::size_t(kRecSize));
        EXPECT_EQ(TQuillmarFormFile::MakeNameKey(record.w2), e.Key);
      }
    }
    auto file = Open();
    std::vector<std::string> sorted = row.names;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(Keys(file->NameIndex()), sorted);
    EXPECT_FALSE(std::filesystem::exists(path + "-journal.kept"));
  }
}

TEST_F(DeleteW2Test, OnlyW2BecomesTheBlankPlaceholder) {
  auto file = Open();
  AddEmployee(*file, "111-11-1111", "Al", "", "Adams");
  ASSERT_TRUE(file->DeleteCurrent());
  EXPECT_EQ(file->Size(), 1920);
  EXPECT_TRUE(IsBlankW2(file->OrigRec.w2));
  EXPECT_EQ(Keys(file->NameIndex()), std::vector<std::string>{""});
  // The placeholder takes the next new employee.
  EXPECT_EQ(AddEmployee(*file, "222-22-2222", "Bo", "", "Baker"), 1280);
}

TEST_F(DeleteW2Test, NewW2NeverSavedIsOnlyDropped) {
  auto file = Open();
  AddEmployee(*file, "111-11-1111", "Al", "", "Adams");
  ASSERT_TRUE(file->AddNew(kRecTypeW2));
  file->WorkRec.w2.LastName = "Typed";
  ASSERT_TRUE(file->DeleteCurrent());
  EXPECT_EQ(file->Size(), 1920);
  EXPECT_EQ(file->OrigRec.w2.LastName.Str(), "Adams");
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(DeleteW2Test, WhatTheScreenFilledInIsNoChange) {
  auto file = Open();
  AddEmployee(*file, "111-11-1111", "Al", "", "Adams");
  ASSERT_TRUE(file->AddNew(kRecTypeW2));
  file->WorkRec.w2.ST1State = "PA";  // state line 1 from the W-3
  file->TakeAsShown();
  EXPECT_TRUE(file->Untouched());
  EXPECT_TRUE(file->GoFirst());  // no question, nothing written
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(file->Size(), 1920);

  // Typed into after the fill: saved with what was filled in.
  ASSERT_TRUE(file->AddNew(kRecTypeW2));
  file->WorkRec.w2.ST1State = "PA";
  file->TakeAsShown();
  file->WorkRec.w2.LastName = "Baker";
  boxes.Answer(MsgYes);
  EXPECT_TRUE(file->GoFirst());
  EXPECT_EQ(file->Size(), 2560);
  EXPECT_EQ(RecordOf(FileBytes(path), 3).substr(offsetof(W2Record, ST1State), 3), "\x02PA");
}

TEST(BlankW2Test, NoSsnNoNameNoAmount) {
  struct Row {
    const char* name;
    void (*fill)(W2Record&);
    bool blank;
  };
  const Row rows[] = {
      {"nothing", [](W2Record&) {}, true},
      {"blanks in the name", [](W2Record& w) { w.LastName = "   "; }, true},
      {"state line and address only",
       [](W2Record& w) {
         w.ST1State = "PA";
         w.City = "Erie";
       },
       true},
      {"void only", [](W2Record& w) { w.Void = 1; }, true},
      {"SSN", [](W2Record& w) { w.SocSecNum = "000-00-0000"; }, false},
      {"middle initial", [](W2Record& w) { w.MiddleInitial = "Q"; }, false},
      {"box 12d amount", [](W2Record& w) { w.Box12[3].Amount = 1; }, false},
      {"local tax of line 2", [](W2Record& w) { w.ST2LocalTax = 1; }, false},
      {"box 14b", [](W2Record& w) { w.Box14bAmount = -1; }, false},
  };
  for (const Row& row : rows) {
    W2Record w2{};
    row.fill(w2);
    EXPECT_EQ(IsBlankW2(w2), row.blank) << row.name;
  }
}

}  // namespace
