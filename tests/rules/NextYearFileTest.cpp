// Next year's file: the company and the employees carried over field by
// field, every amount zero, void and blank W-2s left out, mode 0600.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>

#include "data/QuillmarFormFile.h"
#include "platform/QuillmarError.h"
#include "rules/NextYearFile.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempDir.h"

namespace {

// The byte ranges of `next` that hold `from`'s bytes, every byte of `from`
// set (1 to 7) so that a field carried over shows; from byte 10 (after the
// save time and the kind).
template <typename Record>
std::string Carried(const Record& from, const Record& next) {
  const auto* a = reinterpret_cast<const unsigned char*>(&from);
  const auto* b = reinterpret_cast<const unsigned char*>(&next);
  std::string ranges;
  for (std::size_t i = 10; i < sizeof(Record); ++i) {
    const bool same = a[i] == b[i], before = i > 10 && a[i - 1] == b[i - 1];
    if (same && !before) ranges += std::to_string(i) + "-";
    if (!same && before) ranges += std::to_string(i) + " ";
  }
  return ranges;
}

template <typename Record>
Record Filled() {
  Record record;
  auto* bytes = reinterpret_cast<unsigned char*>(&record);
  for (std::size_t i = 0; i < sizeof record; ++i) bytes[i] = static_cast<unsigned char>(i % 7 + 1);
  return record;
}

TEST(NextYearFile, TheW3KeepsTheCompanyAndTheW2sTheEmployeeFieldByField) {
  W3Record w3 = Filled<W3Record>();
  w3.TaxYear = 2025;
  const W3Record next3 = NextYearW3(w3);
  EXPECT_EQ(next3.TaxYear, 2026);
  // The tax year's upper bytes (13-15), KindOfPayer (24), Establishment to
  // Zip (32-214), StateForID to Fax (229-359), KindOfEmployer (536); the
  // count, totals, other EIN and third-party sick pay are gone.
  EXPECT_EQ(Carried(w3, next3), "13-16 24-28 32-215 229-360 536-537 ");
  const W2Record w2 = Filled<W2Record>();
  const W2Record next2 = NextYearW2(w2);
  // SSN to country (17-204), box 13 (360-362), line 1's state and ID
  // (432-451), its locality and line 2's state and ID (488-514), line 2's
  // locality (552-558); every amount, box 12, box 14 and the control number zero.
  EXPECT_EQ(Carried(w2, next2), "17-205 360-363 432-452 488-515 552-559 ");
  for (const Box12Entry& line : next2.Box12) EXPECT_EQ(line.Code, ' ');
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
  for (const auto& [ssn, isVoid] :
       {std::pair{"300-00-0003", false}, {"100-00-0001", true}, {"200-00-0002", false}}) {
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
  EXPECT_EQ(next->W3Rec.w3.EmployerName.Str(), "Acme Tools");
  EXPECT_EQ(next->W3Rec.w3.W2Count, 2);
  EXPECT_EQ(next->W3Rec.w3.TotWages, 0);
  EXPECT_EQ(next->OrigRec.w2.SocSecNum.Str(), "300-00-0003");
  ASSERT_TRUE(next->GoNext());
  EXPECT_EQ(next->OrigRec.w2.SocSecNum.Str(), "200-00-0002");
  EXPECT_THROW(MakeNextYearFile(*file, path), QuillmarError) << "a name that is taken";
}

}  // namespace
