// Next year's file: the company and the employees carried over field by
// field, every amount zero, void and blank W-2s left out, mode 0600.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "data/QuillmarFormFile.h"
#include "platform/QuillmarError.h"
#include "rules/NextYearFile.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempDir.h"

namespace {

// Every byte of the record is set, so that a field carried over or not shows.
template <typename Record>
Record Filled(std::uint16_t kind) {
  TRecordBuffer buffer;
  for (int i = 0; i < kRecSize; ++i) buffer.bytes[i] = static_cast<unsigned char>(i % 7 + 1);
  buffer.header.RecType = kind;
  Record record;
  std::memcpy(&record, buffer.bytes, sizeof record);
  return record;
}

// The fields of `next` that hold `from`'s bytes.
template <typename Record>
std::vector<std::size_t> CarriedBytes(const Record& from, const Record& next) {
  std::vector<std::size_t> same;
  const auto* a = reinterpret_cast<const unsigned char*>(&from);
  const auto* b = reinterpret_cast<const unsigned char*>(&next);
  for (std::size_t i = 8; i < sizeof(Record); ++i) {
    if (a[i] == b[i] && a[i] != 0) same.push_back(i);
  }
  return same;
}

template <typename Record, typename... Fields>
std::vector<std::size_t> BytesOf(Fields Record::*... fields) {
  std::vector<std::size_t> bytes;
  Record r{};
  const auto add = [&](const auto& field) {
    const std::size_t at =
        reinterpret_cast<const char*>(&field) - reinterpret_cast<const char*>(&r);
    for (std::size_t i = 0; i < sizeof field; ++i) bytes.push_back(at + i);
  };
  (add(r.*fields), ...);
  std::sort(bytes.begin(), bytes.end());
  return bytes;
}

TEST(NextYearFile, TheW3KeepsTheCompanyOnly) {
  W3Record w3 = Filled<W3Record>(kRecTypeW3);
  w3.TaxYear = 2025;
  const W3Record next = NextYearW3(w3);
  EXPECT_EQ(next.TaxYear, 2026);
  EXPECT_EQ(next.RecType, kRecTypeW3);
  std::vector<std::size_t> expected = BytesOf<W3Record>(
      &W3Record::RecType, &W3Record::KindOfPayer, &W3Record::Establishment, &W3Record::EmployerEIN,
      &W3Record::EmployerName, &W3Record::Suite, &W3Record::Street, &W3Record::Town,
      &W3Record::State, &W3Record::Zip, &W3Record::StateForID, &W3Record::StateID,
      &W3Record::Contact, &W3Record::EMail, &W3Record::Phone, &W3Record::Fax,
      &W3Record::KindOfEmployer);
  std::erase(expected, offsetof(W3Record, RecType) + 1);  // the kind's high byte is 0
  std::vector<std::size_t> carried = CarriedBytes(w3, next);
  std::erase_if(carried, [](std::size_t at) {  // the tax year, checked above
    return at >= offsetof(W3Record, TaxYear) && at < offsetof(W3Record, ControlNum);
  });
  EXPECT_EQ(carried, expected);
}

TEST(NextYearFile, TheW2KeepsIdentityAddressStateIdsAndBox13) {
  const W2Record w2 = Filled<W2Record>(kRecTypeW2);
  const W2Record next = NextYearW2(w2);
  std::vector<std::size_t> expected = BytesOf<W2Record>(
      &W2Record::RecType, &W2Record::SocSecNum, &W2Record::FirstName, &W2Record::MiddleInitial,
      &W2Record::LastName, &W2Record::Suite, &W2Record::StreetPOB, &W2Record::City,
      &W2Record::AddrState, &W2Record::Zip, &W2Record::PostCode, &W2Record::Country,
      &W2Record::StatEmpl, &W2Record::RetirePlan, &W2Record::TPSickPay, &W2Record::ST1State,
      &W2Record::ST1StateID, &W2Record::ST1LocName, &W2Record::ST2State, &W2Record::ST2StateID,
      &W2Record::ST2LocName);
  std::erase(expected, offsetof(W2Record, RecType) + 1);
  EXPECT_EQ(CarriedBytes(w2, next), expected);
  for (const Box12Entry& line : next.Box12) EXPECT_EQ(line.Code, ' ');
}

TEST(NextYearFile, NameOfNextYearsFile) {
  EXPECT_EQ(NextYearFileName("/d/acme.qmr", 2025), "/d/acme 2026.qmr");
  EXPECT_EQ(NextYearFileName("/d/acme 2025.qmr", 2025), "/d/acme 2026.qmr");
  EXPECT_EQ(NextYearFileName("acme", 2001), "acme 2002.qmr");
}

TEST(NextYearFile, MadeFromTheFileWithItsEmployeesInOrder) {
  ScriptedMessageBoxes boxes;
  TempDir dir;
  auto file = TQuillmarFormFile::Create(dir.File("acme.qmr"));
  ASSERT_TRUE(file->ReadW3());
  file->WorkRec.w3.TaxYear = 2025;
  file->WorkRec.w3.EmployerName = "Acme Tools";
  file->WorkRec.w3.TotWages = 5;
  ASSERT_TRUE(file->SaveCurrent(false));
  ASSERT_TRUE(file->GoFirst());  // the placeholder stays blank
  const std::pair<const char*, bool> employees[] = {
      {"300-00-0003", false}, {"100-00-0001", true}, {"200-00-0002", false}};
  for (const auto& [ssn, isVoid] : employees) {
    ASSERT_TRUE(file->AddNew(kRecTypeW2));
    file->WorkRec.w2.SocSecNum = ssn;
    file->WorkRec.w2.Wages = 100;
    file->WorkRec.w2.Void = isVoid;
    ASSERT_TRUE(file->SaveCurrent(false));
  }
  const std::string path = dir.File("acme 2026.qmr");
  EXPECT_EQ(MakeNextYearFile(*file, path), 2);
  struct stat st {};
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  auto next = TQuillmarFormFile::Create(path);
  EXPECT_EQ(next->Size(), 4 * kRecSize);
  EXPECT_EQ(next->W3Rec.w3.TaxYear, 2026);
  EXPECT_EQ(next->W3Rec.w3.EmployerName.Str(), "Acme Tools");
  EXPECT_EQ(next->W3Rec.w3.W2Count, 2);
  EXPECT_EQ(next->W3Rec.w3.TotWages, 0);
  EXPECT_EQ(next->OrigRec.w2.SocSecNum.Str(), "300-00-0003");
  EXPECT_EQ(next->OrigRec.w2.Wages, 0);
  ASSERT_TRUE(next->GoNext());
  EXPECT_EQ(next->OrigRec.w2.SocSecNum.Str(), "200-00-0002");
  next.reset();

  // A name that is taken is refused, the file there untouched.
  try {
    MakeNextYearFile(*file, path);
    ADD_FAILURE() << "made";
  } catch (const QuillmarError& e) {
    EXPECT_EQ(std::string(e.what()), "The file " + path +
                                         " exists already. Choose a new name for next year's "
                                         "file.");
  }
  EXPECT_EQ(std::filesystem::file_size(path), 4u * kRecSize);
}

}  // namespace
