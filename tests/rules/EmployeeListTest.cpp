// The employee list: its rows, its search, and totals that are the W-3's.

#include <gtest/gtest.h>

#include <cstring>

#include "data/QuillmarFormFile.h"
#include "rules/EmployeeList.h"
#include "rules/SumToW3.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempDir.h"

TEST(EmployeeList, RowsLeaveOutBlankW2sAndTheTotalsAreSumToW3s) {
  ScriptedMessageBoxes boxes;
  TempDir dir;
  auto file = TQuillmarFormFile::Create(dir.File("acme.qmr"));
  // Baker (in the placeholder), a void W-2, Carr without SSN, an address only.
  for (const auto& [ssn, last, wages, isVoid] :
       {std::tuple{"123-45-6789", "Baker", 1234500000, false},
        {"234-56-7890", "Void", 99, true},
        {"", "Carr", 1, false},
        {"", "", 0, false}}) {
    ASSERT_TRUE(file->AddNew(kRecTypeW2));
    W2Record& w2 = file->WorkRec.w2;
    w2.SocSecNum = ssn, w2.FirstName = *last ? "Ann" : "", w2.MiddleInitial = *last ? "Q" : "";
    w2.LastName = last, w2.City = "Erie", w2.Void = isVoid;
    w2.Wages = w2.MedWage = wages, w2.FedTax = wages / 10, w2.MedTax = wages / 50;
    w2.Box12[0].Code = 'D', w2.Box12[0].Amount = wages ? 70000 : 0;
    ASSERT_TRUE(file->SaveCurrent(false));
  }
  const EmployeeList list = ListEmployees(*file);
  ASSERT_EQ(list.rows.size(), 3u);
  EXPECT_EQ(list.rows[0].offset, 1280);
  EXPECT_EQ(list.rows[0].name, "Baker, Ann Q");
  EXPECT_EQ(list.rows[0].ssn, "123-45-6789");
  EXPECT_EQ(list.rows[0].boxes,
            (std::array<Currency, 6>{1234500000, 123450000, 0, 0, 1234500000, 24690000}));
  EXPECT_TRUE(list.rows[1].isVoid);
  SumToW3(*file);
  // Every count and total byte for byte.
  constexpr std::size_t from = offsetof(W3Record, W2Count), to = offsetof(W3Record, KindOfEmployer);
  EXPECT_EQ(std::memcmp(reinterpret_cast<const char*>(&list.totals) + from,
                        reinterpret_cast<const char*>(&file->W3Rec.w3) + from, to - from),
            0);
  EXPECT_EQ(list.totals.W2Count, 2);
}

TEST(EmployeeList, SearchFindsNameOrSsnWhateverTheCaseAndHyphens) {
  const EmployeeListRow row{1280, "Baker, Ann Q", "123-45-6789", {}, false};
  for (const auto& [search, found] : {std::pair{"", true},
                                      {"bak", true},
                                      {"ann q", true},
                                      {"45-67", true},
                                      {"456789", true},
                                      {"4567x", false},
                                      {"Carr", false}}) {
    EXPECT_EQ(EmployeeRowMatches(row, search), found) << '"' << search << '"';
  }
}
