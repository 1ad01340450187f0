// Where a new employee's record goes: into the blank placeholder of a new
// file, otherwise at the end; never over an employee already stored.

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "data/QuillmarFormFile.h"
#include "tests/data/FormFileTestSupport.h"

namespace {

using NewEmployeeTest = FormFileTest;

TEST_F(NewEmployeeTest, TwoEmployeesWithoutSsnBothSurvive) {
  auto file = Open();
  EXPECT_EQ(AddEmployee(*file, "", "Ann", "", "Zeller"), 1280);
  EXPECT_EQ(AddEmployee(*file, "", "Bob", "", "Adams"), 1920);
  const std::string bytes = FileBytes(path);
  ASSERT_EQ(bytes.size(), 2560u);
  EXPECT_EQ(RecordOf(bytes, 2).substr(61, 7), "\x06Zeller");
  EXPECT_EQ(RecordOf(bytes, 3).substr(61, 6),
            "\x05"
            "Adams");
  EXPECT_EQ(Keys(file->NameIndex()), (std::vector<std::string>{"ADAMS, BOB", "ZELLER, ANN"}));
  // The SSN index holds the first one scanned under the empty SSN.
  EXPECT_EQ(Offsets(file->SsnIndex()), std::vector<std::int64_t>{1280});

  file.reset();
  file = Open();
  EXPECT_EQ(Offsets(file->NameIndex()), (std::vector<std::int64_t>{1920, 1280}));
}

TEST_F(NewEmployeeTest, EmployeeWithoutSsnIsRewrittenInItsOwnPlace) {
  auto file = Open();
  AddEmployee(*file, "", "Ann", "", "Zeller");
  AddEmployee(*file, "", "Bob", "", "Adams");
  file.reset();
  file = Open();
  const std::string before = FileBytes(path);

  for (const char* name : {"ADAMS, BOB", "ZELLER, ANN"}) {
    ASSERT_TRUE(file->LocateKey(name));
    const std::int64_t own = file->RecPos();
    file->WorkRec.w2.City = "Erie";
    ASSERT_TRUE(file->SaveCurrent(false));
    EXPECT_EQ(file->RecPos(), own) << name;
    const std::string bytes = FileBytes(path);
    ASSERT_EQ(bytes.size(), 2560u) << name;
    EXPECT_EQ(bytes.substr(static_cast<std::size_t>(own) + 128, 5),
              "\x04"
              "Erie")
        << name;
    EXPECT_EQ(bytes.substr(static_cast<std::size_t>(own) + 61, 21),
              before.substr(static_cast<std::size_t>(own) + 61, 21))
        << name;
  }
  EXPECT_EQ(Keys(file->NameIndex()), (std::vector<std::string>{"ADAMS, BOB", "ZELLER, ANN"}));
}

TEST_F(NewEmployeeTest, PlaceholderFilledWithoutSsnIsNotReused) {
  auto file = Open();
  file->WorkRec.w2.LastName = "Zeller";
  ASSERT_TRUE(file->SaveCurrent(false));
  ASSERT_EQ(FileBytes(path).size(), 1920u);
  EXPECT_EQ(AddEmployee(*file, "111-11-1111", "Bob", "", "Adams"), 1920);
  EXPECT_EQ(RecordOf(FileBytes(path), 2).substr(61, 7), "\x06Zeller");
}

TEST_F(NewEmployeeTest, PlaceholderCleanedOutByHandIsNotReused) {
  // A record whose fields were emptied again still carries the old letters
  // after its length bytes: it is not the untouched placeholder.
  auto file = Open();
  file->WorkRec.w2.LastName = "Zeller";
  ASSERT_TRUE(file->SaveCurrent(false));
  file->WorkRec.w2.LastName = "";
  ASSERT_TRUE(file->SaveCurrent(false));
  EXPECT_EQ(AddEmployee(*file, "", "Bob", "", "Adams"), 1920);
}

TEST_F(NewEmployeeTest, BlankPlaceholderIsStillUsedAfterOtherEmployees) {
  // An older file: the placeholder was never filled and an employee follows it.
  Open().reset();
  TRecordBuffer employee;
  employee.Clear();
  employee.w2.RecType = kRecTypeW2;
  SetEmployee(employee, "111-11-1111", "Ann", "", "Zeller");
  {
    std::ofstream out(path, std::ios::binary | std::ios::app);
    out.write(reinterpret_cast<const char*>(employee.bytes), kRecSize);
  }
  auto file = Open();
  ASSERT_EQ(Offsets(file->SsnIndex()), (std::vector<std::int64_t>{1280, 1920}));

  // Clearing Ann's SSN is allowed: the empty SSN belongs to nobody.
  ASSERT_TRUE(file->LocateKey("111-11-1111"));
  file->WorkRec.w2.SocSecNum = "";
  ASSERT_TRUE(file->SaveCurrent(false));
  EXPECT_EQ(RecordOf(FileBytes(path), 3).substr(17, 1), std::string(1, '\0'));

  // The new employee takes the blank placeholder, not Ann's record.
  EXPECT_EQ(AddEmployee(*file, "222-22-2222", "Bob", "", "Adams"), 1280);
  const std::string bytes = FileBytes(path);
  EXPECT_EQ(bytes.size(), 2560u);
  EXPECT_EQ(RecordOf(bytes, 3).substr(61, 7), "\x06Zeller");
  EXPECT_EQ(Keys(file->NameIndex()), (std::vector<std::string>{"ADAMS, BOB", "ZELLER, ANN"}));
  EXPECT_EQ(Offsets(file->NameIndex()), (std::vector<std::int64_t>{1280, 1920}));
  EXPECT_EQ(Keys(file->SsnIndex()), std::vector<std::string>{"222-22-2222"});
}

TEST_F(NewEmployeeTest, PartialRecordAtTheEndIsNeverIndexedAndIsReplaced) {
  auto file = Open();
  AddEmployee(*file, "111-11-1111", "Ann", "", "Zeller");
  file.reset();
  {
    std::ofstream out(path, std::ios::binary | std::ios::app);
    out << std::string(100, 'Q');
  }
  file = Open();
  EXPECT_EQ(file->NameIndex().Count(), 1);
  EXPECT_EQ(file->SsnIndex().Count(), 1);
  ASSERT_TRUE(file->GoLast());
  EXPECT_EQ(file->RecPos(), 1280);
  EXPECT_FALSE(file->GoNext());

  // A new employee goes to the next whole record, over the partial one.
  EXPECT_EQ(AddEmployee(*file, "222-22-2222", "Bob", "", "Adams"), 1920);
  EXPECT_EQ(FileBytes(path).size(), 2560u);
  file.reset();
  file = Open();
  EXPECT_EQ(Keys(file->NameIndex()), (std::vector<std::string>{"ADAMS, BOB", "ZELLER, ANN"}));
}

}  // namespace
