// The employee list: its rows, its search, and totals that are the W-3's.

#include <gtest/gtest.h>

#include <cstring>

#include "data/QuillmarFormFile.h"
#include "rules/EmployeeList.h"
#include "rules/SumToW3.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempDir.h"

namespace {

void Add(TQuillmarFormFile& file, const char* ssn, const char* last, Currency wages, bool isVoid,
         char code = ' ') {
  ASSERT_TRUE(file.AddNew(kRecTypeW2));
  W2Record& w2 = file.WorkRec.w2;
  w2.SocSecNum = ssn, w2.FirstName = "Ann", w2.MiddleInitial = "Q", w2.LastName = last;
  w2.Wages = w2.SSWages = w2.MedWage = wages;
  w2.FedTax = wages / 10, w2.SSTax = wages / 20, w2.MedTax = wages / 50;
  w2.ST2LocalTax = 3, w2.Box12[0].Code = code, w2.Box12[0].Amount = 70000;
  w2.Void = isVoid;
  ASSERT_TRUE(file.SaveCurrent(false));
}

TEST(EmployeeList, RowsSkipBlankW2sAndTheTotalsAreSumToW3s) {
  ScriptedMessageBoxes boxes;
  TempDir dir;
  auto file = TQuillmarFormFile::Create(dir.File("acme.qmr"));
  ASSERT_TRUE(file->ReadW3());
  file->WorkRec.w3.TaxYear = 2025;
  ASSERT_TRUE(file->SaveCurrent(false));
  ASSERT_TRUE(file->GoFirst());
  Add(*file, "123-45-6789", "Baker", 1234500000, false, 'D');
  Add(*file, "234-56-7890", "Void", 999990000, true, 'D');
  Add(*file, "", "Carter", 1, false, 'E');
  ASSERT_TRUE(file->AddNew(kRecTypeW2));  // an address only: no W-2, no row
  file->WorkRec.w2.City = "Erie";
  ASSERT_TRUE(file->SaveCurrent(false));
  const EmployeeList list = ListEmployees(*file);
  ASSERT_EQ(list.rows.size(), 3u);
  EXPECT_EQ(list.rows[0].offset, 1280);  // in the new file's placeholder
  EXPECT_EQ(list.rows[0].name, "Baker, Ann Q");
  EXPECT_EQ(list.rows[0].ssn, "123-45-6789");
  EXPECT_EQ(list.rows[0].boxes, (std::array<Currency, 6>{1234500000, 123450000, 1234500000,
                                                         61725000, 1234500000, 24690000}));
  EXPECT_TRUE(list.rows[1].isVoid);

  SumToW3(*file);
  const W3Record& w3 = file->W3Rec.w3;
  EXPECT_EQ(list.totals.W2Count, 2);
  // Every count and total byte for byte, the record's own fields aside.
  constexpr std::size_t from = offsetof(W3Record, TotWages);
  constexpr std::size_t to = offsetof(W3Record, KindOfEmployer);
  EXPECT_EQ(std::memcmp(reinterpret_cast<const char*>(&list.totals) + from,
                        reinterpret_cast<const char*>(&w3) + from, to - from),
            0);
  EXPECT_EQ(list.totals.TotDefComp, w3.TotDefComp);
  EXPECT_EQ(list.totals.TotDefComp, 140000);
}

TEST(EmployeeList, SearchFindsNameOrSsnWhateverTheCaseAndHyphens) {
  const EmployeeListRow row{1280, "Baker, Ann Q", "123-45-6789", {}, false};
  const std::pair<const char*, bool> cases[] = {
      {"", true},       {"  ", true},     {"bak", true},     {"ann q", true},      {"45-67", true},
      {"456789", true}, {"4567x", false}, {"Carter", false}, {"123-45-6789", true}};
  for (const auto& [search, found] : cases) {
    EXPECT_EQ(EmployeeRowMatches(row, search), found) << '"' << search << '"';
  }
}

}  // namespace
