// Deleting a W-2: the last record takes its place, the file is cut, the
// indexes follow; a W-2 filled in only by the screen is never saved; a W-2
// with no SSN, no name and no amount is no W-2.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "data/BlankW2.h"
#include "data/QuillmarFormFile.h"
#include "tests/data/FormFileTestSupport.h"

namespace {

using DeleteW2Test = FormFileTest;
using Strings = std::vector<std::string>;

TEST_F(DeleteW2Test, LastRecordTakesThePlaceAndTheFileIsCut) {
  // Adams at 1280, Baker at 1920, Carr at 2560; deleted, then shown next.
  const std::tuple<const char*, Strings, const char*> rows[] = {
      {"111-11-1111", {"BAKER, BO", "CARR, CY"}, "Carr"},
      {"222-22-2222", {"ADAMS, AL", "CARR, CY"}, "Carr"},
      {"333-33-3333", {"ADAMS, AL", "BAKER, BO"}, "Baker"},
  };
  for (const auto& [ssn, names, current] : rows) {
    SCOPED_TRACE(ssn);
    std::remove(path.c_str());
    auto file = Open();
    AddEmployee(*file, "111-11-1111", "Al", "", "Adams");
    AddEmployee(*file, "222-22-2222", "Bo", "", "Baker");
    AddEmployee(*file, "333-33-3333", "Cy", "", "Carr");
    ASSERT_TRUE(file->LocateKey(ssn));
    file->WorkRec.w2.Wages = 5;  // a pending change of the deleted W-2 goes with it
    ASSERT_TRUE(file->DeleteCurrent());
    EXPECT_EQ(file->Size(), 2560);
    EXPECT_EQ(file->WorkRec.w2.LastName.Str(), current);
    int at = 0;
    EXPECT_FALSE(file->SsnIndex().Find(ssn, at));
    EXPECT_EQ(file->SsnIndex().Count(), 2);
    // The indexes lead to records holding their keys, as a new open builds them.
    for (const SortedKeyList::Entry& e : file->NameIndex().Entries()) {
      file->Seek(e.Object->Offset);
      TRecordBuffer record;
      ASSERT_EQ(file->Read(record.bytes, kRecSize), std::size_t(kRecSize));
      EXPECT_EQ(TQuillmarFormFile::MakeNameKey(record.w2), e.Key);
    }
    EXPECT_EQ(Keys(file->NameIndex()), names);
    file.reset();
    EXPECT_EQ(Keys(Open()->NameIndex()), names);
  }
}

TEST_F(DeleteW2Test, OnlyW2BecomesTheBlankPlaceholderAndANewOneIsOnlyDropped) {
  auto file = Open();
  AddEmployee(*file, "111-11-1111", "Al", "", "Adams");
  ASSERT_TRUE(file->DeleteCurrent());
  EXPECT_EQ(file->Size(), 1920);
  EXPECT_TRUE(IsBlankW2(file->OrigRec.w2));
  EXPECT_EQ(AddEmployee(*file, "222-22-2222", "Bo", "", "Baker"), 1280) << "in the placeholder";
  ASSERT_TRUE(file->AddNew(kRecTypeW2));
  file->WorkRec.w2.LastName = "Typed";
  ASSERT_TRUE(file->DeleteCurrent());
  EXPECT_EQ(file->Size(), 1920);
  EXPECT_EQ(file->OrigRec.w2.LastName.Str(), "Baker");
}

TEST_F(DeleteW2Test, WhatTheScreenFilledInIsNoChange) {
  auto file = Open();
  AddEmployee(*file, "111-11-1111", "Al", "", "Adams");
  for (const char* typed : {"", "Baker"}) {
    ASSERT_TRUE(file->AddNew(kRecTypeW2));
    file->WorkRec.w2.ST1State = "PA";  // state line 1 from the W-3
    file->TakeAsShown();
    file->WorkRec.w2.LastName = typed;
    if (*typed) boxes.Answer(MsgYes);
    EXPECT_TRUE(file->GoFirst());
  }
  // The untouched one went without a question; the typed one was saved with the fill.
  EXPECT_EQ(boxes.Texts(), Strings{"Save changes to W-2 for    Baker ?"});
  EXPECT_EQ(file->Size(), 2560);
  EXPECT_EQ(RecordOf(FileBytes(path), 3).substr(offsetof(W2Record, ST1State), 3), "\x02PA");
}

TEST(BlankW2Test, NoSsnNoNameNoAmount) {
  const std::pair<void (*)(W2Record&), bool> rows[] = {
      {[](W2Record&) {}, true},
      {[](W2Record& w) { w.LastName = "   "; }, true},
      {[](W2Record& w) { w.ST1State = "PA", w.City = "Erie", w.Void = 1; }, true},
      {[](W2Record& w) { w.SocSecNum = "000-00-0000"; }, false},
      {[](W2Record& w) { w.MiddleInitial = "Q"; }, false},
      {[](W2Record& w) { w.Box12[3].Amount = 1; }, false},
      {[](W2Record& w) { w.ST2LocalTax = 1; }, false},
      {[](W2Record& w) { w.Box14bAmount = -1; }, false},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    W2Record w2{};
    rows[i].first(w2);
    EXPECT_EQ(IsBlankW2(w2), rows[i].second) << "row " << i;
  }
}

}  // namespace
