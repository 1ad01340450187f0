// Creating, opening and saving an employer data file.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "data/QuillmarFormFile.h"
#include "platform/QuillmarError.h"
#include "tests/data/FormFileTestSupport.h"

namespace {

std::string Blank(std::uint16_t kind, bool box12Spaces) {
  std::string record(kRecSize, '\0');
  record.replace(0, 8, DoubleBytes(kFixedNow));
  record[8] = static_cast<char>(kind);
  if (box12Spaces) {
    for (int offset : {296, 312, 328, 344}) record[static_cast<std::size_t>(offset)] = ' ';
  }
  return record;
}

using QuillmarFormFileTest = FormFileTest;

TEST_F(QuillmarFormFileTest, CreatesHeaderEmptyW3AndPlaceholderW2) {
  auto file = Open();
  const std::string bytes = FileBytes(path);
  ASSERT_EQ(bytes.size(), 1920u);
  EXPECT_EQ(RecordOf(bytes, 0), Blank(kRecTypeHeader, false));
  EXPECT_EQ(RecordOf(bytes, 1), Blank(kRecTypeW3, false));
  EXPECT_EQ(RecordOf(bytes, 2), Blank(kRecTypeW2, true));

  // The placeholder is current, under an empty key in both indexes.
  EXPECT_EQ(file->RecPos(), 1280);
  EXPECT_EQ(BytesOf(file->WorkRec), RecordOf(bytes, 2));
  EXPECT_EQ(BytesOf(file->OrigRec), RecordOf(bytes, 2));
  EXPECT_EQ(BytesOf(file->W3Rec), RecordOf(bytes, 1));
  EXPECT_EQ(Keys(file->NameIndex()), std::vector<std::string>{""});
  EXPECT_EQ(Keys(file->SsnIndex()), std::vector<std::string>{""});
  EXPECT_EQ(Offsets(file->NameIndex()), std::vector<std::int64_t>{1280});
  ASSERT_NE(file->CurOfs(), nullptr);
  EXPECT_EQ(file->CurOfs()->Offset, 1280);
  EXPECT_EQ(file->IndexMode, 0);
  EXPECT_EQ(file->RecSize(), 640);
}

TEST_F(QuillmarFormFileTest, OpeningAndClosingWritesNothing) {
  Open().reset();
  const std::string before = FileBytes(path);
  clock.Set(FixedClock::LocalNoon(2003, 3, 3));
  Open().reset();
  EXPECT_EQ(FileBytes(path), before);
}

TEST_F(QuillmarFormFileTest, FillingThePlaceholderRewritesItInPlace) {
  auto file = Open();
  clock.Set(FixedClock::LocalNoon(2002, 1, 16));
  SetEmployee(file->WorkRec, "123-45-6789", "John", "Q", "Smith");
  file->WorkRec.w2.Wages = 5000000;
  ASSERT_TRUE(file->SaveCurrent(false));

  const std::string bytes = FileBytes(path);
  ASSERT_EQ(bytes.size(), 1920u);
  std::string expected = Blank(kRecTypeW2, true);
  expected.replace(0, 8, DoubleBytes(kFixedNow + 1));
  expected.replace(17, 12,
                   "\x0b"
                   "123-45-6789");
  expected.replace(29, 5, "\x04John");
  expected.replace(45, 2, "\x01Q");
  expected.replace(61, 6, "\x05Smith");
  expected.replace(208, 8, std::string("\x40\x4b\x4c\x00\x00\x00\x00\x00", 8));
  EXPECT_EQ(RecordOf(bytes, 2), expected);
  EXPECT_EQ(BytesOf(file->OrigRec), expected);
  EXPECT_EQ(BytesOf(file->WorkRec), expected);
  // The header and W-3 stay as they were.
  EXPECT_EQ(RecordOf(bytes, 0), Blank(kRecTypeHeader, false));
  EXPECT_EQ(RecordOf(bytes, 1), Blank(kRecTypeW3, false));

  EXPECT_EQ(Keys(file->NameIndex()), std::vector<std::string>{"SMITH, JOHN Q"});
  EXPECT_EQ(Keys(file->SsnIndex()), std::vector<std::string>{"123-45-6789"});
  EXPECT_EQ(Offsets(file->SsnIndex()), std::vector<std::int64_t>{1280});
  EXPECT_EQ(file->RecPos(), 1280);
}

TEST_F(QuillmarFormFileTest, NewEmployeeIsAppendedAndIndexed) {
  auto file = Open();
  EXPECT_EQ(AddEmployee(*file, "111-11-1111", "Ann", "", "Zeller"), 1280);
  EXPECT_EQ(AddEmployee(*file, "222-22-2222", "Bob", "", "Adams"), 1920);
  const std::string bytes = FileBytes(path);
  ASSERT_EQ(bytes.size(), 2560u);
  EXPECT_EQ(RecordOf(bytes, 3), BytesOf(file->WorkRec));
  EXPECT_EQ(RecordOf(bytes, 3).substr(296, 1), " ");
  EXPECT_EQ(Keys(file->NameIndex()), (std::vector<std::string>{"ADAMS, BOB", "ZELLER, ANN"}));
  EXPECT_EQ(Offsets(file->NameIndex()), (std::vector<std::int64_t>{1920, 1280}));
  EXPECT_EQ(Keys(file->SsnIndex()), (std::vector<std::string>{"111-11-1111", "222-22-2222"}));
  ASSERT_NE(file->CurOfs(), nullptr);
  EXPECT_EQ(file->CurOfs()->Offset, 1920);

  // A new file object finds the same.
  file.reset();
  file = Open();
  EXPECT_EQ(Keys(file->NameIndex()), (std::vector<std::string>{"ADAMS, BOB", "ZELLER, ANN"}));
  EXPECT_EQ(Offsets(file->SsnIndex()), (std::vector<std::int64_t>{1280, 1920}));
}

TEST_F(QuillmarFormFileTest, DuplicateSsnOfNewEmployeeIsRefused) {
  auto file = Open();
  AddEmployee(*file, "111-11-1111", "Ann", "", "Zeller");
  const std::string before = FileBytes(path);
  ASSERT_TRUE(file->AddNew(kRecTypeW2));
  SetEmployee(file->WorkRec, "111-11-1111", "Bob", "", "Adams");
  const TRecordBuffer typed = file->WorkRec;
  const std::int64_t recPos = file->RecPos();

  const SaveResult saved = file->SaveCurrent(false);
  EXPECT_FALSE(saved);
  EXPECT_EQ(saved.reason, "SSN for new record is already on file, cannot save changes");
  EXPECT_TRUE(boxes.Shown().empty());  // the owner shows it

  EXPECT_TRUE(file->SaveRefused());
  EXPECT_EQ(FileBytes(path), before);
  EXPECT_EQ(BytesOf(file->WorkRec), BytesOf(typed));
  EXPECT_EQ(file->RecPos(), recPos);
  EXPECT_EQ(file->NameIndex().Count(), 1);
  EXPECT_EQ(file->SsnIndex().Count(), 1);

  // Corrected, it saves.
  file->WorkRec.w2.SocSecNum = "333-33-3333";
  EXPECT_TRUE(file->SaveCurrent(false));
  EXPECT_FALSE(file->SaveRefused());
  EXPECT_EQ(FileBytes(path).size(), 2560u);
}

TEST_F(QuillmarFormFileTest, ChangingSsnToAnotherEmployeesIsRefused) {
  auto file = Open();
  AddEmployee(*file, "111-11-1111", "Ann", "", "Zeller");
  AddEmployee(*file, "222-22-2222", "Bob", "", "Adams");
  const std::string before = FileBytes(path);
  file->WorkRec.w2.SocSecNum = "111-11-1111";
  file->WorkRec.w2.FirstName = "Robert";

  boxes.Answer(MsgYes);
  const SaveResult saved = file->SaveCurrent(true);
  EXPECT_FALSE(saved);
  EXPECT_EQ(boxes.Texts(),
            (std::vector<std::string>{"Save changes to W-2 for 111-11-1111 Robert  Adams ?"}));
  EXPECT_EQ(saved.reason, "SSN was changed and new number already on file, cannot save changes");
  EXPECT_TRUE(file->SaveRefused());
  EXPECT_EQ(FileBytes(path), before);
  EXPECT_EQ(file->WorkRec.w2.FirstName.Str(), "Robert");
  EXPECT_EQ(Keys(file->SsnIndex()), (std::vector<std::string>{"111-11-1111", "222-22-2222"}));
  EXPECT_EQ(Keys(file->NameIndex()), (std::vector<std::string>{"ADAMS, BOB", "ZELLER, ANN"}));
}

TEST_F(QuillmarFormFileTest, ChangingSsnReKeysTheSsnIndex) {
  auto file = Open();
  AddEmployee(*file, "111-11-1111", "Ann", "", "Zeller");
  AddEmployee(*file, "222-22-2222", "Bob", "", "Adams");
  file->WorkRec.w2.SocSecNum = "000-00-0001";
  ASSERT_TRUE(file->SaveCurrent(false));
  EXPECT_EQ(Keys(file->SsnIndex()), (std::vector<std::string>{"000-00-0001", "111-11-1111"}));
  EXPECT_EQ(Offsets(file->SsnIndex()), (std::vector<std::int64_t>{1920, 1280}));
  EXPECT_EQ(FileBytes(path).size(), 2560u);
}

TEST_F(QuillmarFormFileTest, RenamingOneOfTwoNamesakesMovesOnlyItsEntry) {
  auto file = Open();
  const std::int64_t first = AddEmployee(*file, "111-11-1111", "John", "", "Smith");
  const std::int64_t second = AddEmployee(*file, "222-22-2222", "John", "", "Smith");
  AddEmployee(*file, "333-33-3333", "Carl", "", "Brown");
  // The later one goes in front of its namesake.
  EXPECT_EQ(Keys(file->NameIndex()),
            (std::vector<std::string>{"BROWN, CARL", "SMITH, JOHN", "SMITH, JOHN"}));
  EXPECT_EQ(Offsets(file->NameIndex()), (std::vector<std::int64_t>{1920 + 640, second, first}));

  ASSERT_TRUE(file->LocateKey("111-11-1111"));
  file->WorkRec.w2.LastName = "Adams";
  ASSERT_TRUE(file->SaveCurrent(false));
  EXPECT_EQ(Keys(file->NameIndex()),
            (std::vector<std::string>{"ADAMS, JOHN", "BROWN, CARL", "SMITH, JOHN"}));
  EXPECT_EQ(Offsets(file->NameIndex()), (std::vector<std::int64_t>{first, 1920 + 640, second}));
}

TEST_F(QuillmarFormFileTest, SaveQuestionNamesTheRecord) {
  struct Case {
    std::uint16_t kind;
    std::function<void(TRecordBuffer&)> edit;
    std::string question;
  };
  const Case cases[] = {
      {kRecTypeW2, [](TRecordBuffer& r) { SetEmployee(r, "123-45-6789", "John", "Q", "Smith"); },
       "Save changes to W-2 for 123-45-6789 John Q Smith ?"},
      {kRecTypeW2, [](TRecordBuffer& r) { r.w2.LastName = "Cher"; },
       "Save changes to W-2 for    Cher ?"},
      {kRecTypeW3, [](TRecordBuffer& r) { r.w3.EmployerName = "Acme Tool & Die"; },
       "Save changes to W-3 for Acme Tool & Die ?"},
      {kRecTypeHeader, [](TRecordBuffer& r) { r.header.Unused12[0] = 1; },
       "Save changes on this screen ?"},
  };
  for (const Case& c : cases) {
    auto file = Open();
    ASSERT_TRUE(file->AddNew(c.kind));
    c.edit(file->WorkRec);
    boxes.Clear();
    boxes.Answer(MsgNo);
    EXPECT_TRUE(file->SaveCurrent(true));
    ASSERT_EQ(boxes.Shown().size(), 1u);
    const MessageBoxRequest& box = boxes.Shown()[0];
    EXPECT_EQ(box.text, c.question);
    // No: the change is gone, nothing written.
    EXPECT_TRUE(file->WorkRec.SameBytes(file->OrigRec));
    EXPECT_EQ(FileBytes(path).size(), 1920u);
  }
}

TEST_F(QuillmarFormFileTest, AnsweringNoRestoresTheWorkingCopy) {
  auto file = Open();
  AddEmployee(*file, "111-11-1111", "Ann", "", "Zeller");
  const std::string before = FileBytes(path);
  const TRecordBuffer saved = file->OrigRec;
  file->WorkRec.w2.LastName = "Zimmer";
  boxes.Answer(MsgNo);
  EXPECT_TRUE(file->SaveCurrent(true));
  EXPECT_EQ(BytesOf(file->WorkRec), BytesOf(saved));
  EXPECT_EQ(FileBytes(path), before);
  EXPECT_EQ(Keys(file->NameIndex()), std::vector<std::string>{"ZELLER, ANN"});
}

TEST_F(QuillmarFormFileTest, UnchangedRecordIsNeitherAskedNorWritten) {
  auto file = Open();
  const std::string before = FileBytes(path);
  clock.Set(FixedClock::LocalNoon(2005, 5, 5));
  EXPECT_TRUE(file->SaveCurrent(true));
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(FileBytes(path), before);
}

TEST_F(QuillmarFormFileTest, SavingWithoutAskingWritesTheChangedBytesOnly) {
  auto file = Open();
  AddEmployee(*file, "111-11-1111", "Ann", "", "Zeller");
  const std::string before = FileBytes(path);
  clock.Set(FixedClock::LocalNoon(2002, 1, 17));
  file->WorkRec.w2.Void = 1;
  EXPECT_TRUE(file->SaveCurrent(false));
  EXPECT_TRUE(boxes.Shown().empty());
  std::string expected = before;
  expected[1280 + 16] = 1;
  expected.replace(1280, 8, DoubleBytes(kFixedNow + 2));
  EXPECT_EQ(FileBytes(path), expected);
}

TEST_F(QuillmarFormFileTest, RewrittenRecordKeepsTheRemainsOfLongerValues) {
  auto file = Open();
  AddEmployee(*file, "111-11-1111", "Ann", "", "Montgomery");
  file->WorkRec.w2.LastName = "Li";
  ASSERT_TRUE(file->SaveCurrent(false));
  EXPECT_EQ(FileBytes(path).substr(1280 + 61, 11), "\x02Lintgomery");
  EXPECT_EQ(Keys(file->NameIndex()), std::vector<std::string>{"LI, ANN"});
}

TEST_F(QuillmarFormFileTest, VoidEmployeeStaysIndexedAndReachable) {
  auto file = Open();
  AddEmployee(*file, "111-11-1111", "Ann", "", "Zeller");
  AddEmployee(*file, "222-22-2222", "Bob", "", "Adams");
  file->WorkRec.w2.Void = 1;
  ASSERT_TRUE(file->SaveCurrent(false));
  file.reset();
  file = Open();
  EXPECT_EQ(file->NameIndex().Count(), 2);
  EXPECT_EQ(file->SsnIndex().Count(), 2);
  for (int mode : {0, 1, 2}) {
    file->IndexMode = mode;
    ASSERT_TRUE(file->LocateKey("222-22-2222")) << mode;
    EXPECT_EQ(file->WorkRec.w2.Void, 1) << mode;
  }
  file->IndexMode = 1;
  ASSERT_TRUE(file->GoFirst());
  EXPECT_EQ(file->WorkRec.w2.LastName.Str(), "Adams");
}

// A 2026 W-2 keeps its two box 14b codes and the suffix through a save and
// a new opening. (An older record left unchanged: W2TaxYearTest.)
TEST_F(QuillmarFormFileTest, TipCodesAndSuffixSurviveASaveAndANewOpening) {
  auto file = Open();
  AddEmployee(*file, "111-11-1111", "Ann", "", "Zeller");
  file->WorkRec.w2.Suffix = "JR";
  file->WorkRec.w2.TipCodes[0] = "102";
  file->WorkRec.w2.TipCodes[1] = "000";
  ASSERT_TRUE(file->SaveCurrent(false));
  file.reset();
  file = Open();
  ASSERT_TRUE(file->LocateKey("111-11-1111"));
  EXPECT_EQ(file->WorkRec.w2.Suffix.Str() + file->WorkRec.w2.TipCodes[0].Str() +
                file->WorkRec.w2.TipCodes[1].Str(),
            "JR102000");
}

TEST_F(QuillmarFormFileTest, ReadW3MakesTheCompanyRecordCurrent) {
  auto file = Open();
  ASSERT_TRUE(file->ReadW3());
  EXPECT_EQ(file->RecPos(), 640);
  EXPECT_EQ(file->WorkRec.RecType(), kRecTypeW3);
  clock.Set(FixedClock::LocalNoon(2002, 1, 16));
  file->WorkRec.w3.EmployerName = "Acme";
  file->WorkRec.w3.TaxYear = 2002;
  ASSERT_TRUE(file->SaveCurrent(false));
  EXPECT_EQ(file->W3Rec.w3.EmployerName.Str(), "Acme");
  const std::string record = RecordOf(FileBytes(path), 1);
  EXPECT_EQ(record, BytesOf(file->W3Rec));
  EXPECT_EQ(record.substr(0, 8), DoubleBytes(kFixedNow + 1));
  EXPECT_EQ(record.substr(48, 5),
            "\x04"
            "Acme");
  EXPECT_EQ(FileBytes(path).size(), 1920u);
  EXPECT_EQ(file->NameIndex().Count(), 1);
}

TEST_F(QuillmarFormFileTest, ReadW3OfAForeignRecordFailsAndKeepsW3Rec) {
  // A file whose record 1 is no W-3 record does not open; here it changes
  // under the open file.
  auto file = Open();
  {
    std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(640 + 8);
    f.put(static_cast<char>(48));
  }
  const TRecordBuffer w3 = file->W3Rec;
  EXPECT_FALSE(file->ReadW3());
  EXPECT_EQ(BytesOf(file->W3Rec), BytesOf(w3));
  EXPECT_EQ(file->RecPos(), 640);
  EXPECT_FALSE(file->SaveRefused());
}

// The owner offers a pending change before closing (screens/FileQuestions);
// the file itself neither asks nor writes as it closes.
TEST_F(QuillmarFormFileTest, ClosingAsksNothingAndWritesNothing) {
  const std::string before = FileBytes((Open(), path));
  {
    auto file = Open();
    file->WorkRec.w2.LastName = "Dropped";
  }
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(FileBytes(path), before);
}

TEST_F(QuillmarFormFileTest, MakeNameKey) {
  struct Case {
    const char* first;
    const char* initial;
    const char* last;
    const char* key;
  };
  const Case cases[] = {
      {"John", "Q", "Smith", "SMITH, JOHN Q"},
      {"", "", "Smith", "SMITH"},
      {"", "Q", "Smith", "SMITH Q"},
      {"Mary Ann", "", "o'Neil", "O'NEIL, MARY ANN"},
      {"", "", "", ""},
      {"\xe9mile", "", "Zola", "ZOLA, \xe9MILE"},  // only ASCII letters change case
  };
  for (const Case& c : cases) {
    TRecordBuffer record;
    record.Clear();
    SetEmployee(record, "", c.first, c.initial, c.last);
    EXPECT_EQ(TQuillmarFormFile::MakeNameKey(record.w2), c.key);
  }
}

TEST_F(QuillmarFormFileTest, StreamReadsAndWritesAtItsPosition) {
  auto file = Open();
  EXPECT_EQ(file->Size(), 1920);
  EXPECT_EQ(file->Seek(1280), 1280);
  TRecordBuffer record;
  EXPECT_EQ(file->Read(record.bytes, kRecSize), static_cast<std::size_t>(kRecSize));
  EXPECT_EQ(file->Position(), 1920);
  EXPECT_EQ(record.RecType(), kRecTypeW2);
  EXPECT_EQ(file->Read(record.bytes, kRecSize), 0u);
  file->Seek(1900);
  EXPECT_EQ(file->Read(record.bytes, kRecSize), 20u);
  EXPECT_EQ(file->Position(), 1920);
  file->Seek(1920);
  file->Write("abc", 3);
  EXPECT_EQ(file->Position(), 1923);
  EXPECT_EQ(file->Size(), 1923);
}

}  // namespace
