// The employee list window: sorting by amount, the search box, the totals
// row, and choosing an employee by double-click or Enter.

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include "data/QuillmarFormFile.h"
#include "screens/DlgEmployeeList.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempDir.h"

namespace {

TEST(DlgEmployeeList, SortsByAmountSearchesAndChoosesTheEmployee) {
  ScriptedMessageBoxes boxes;
  TempDir dir;
  auto file = TQuillmarFormFile::Create(dir.File("acme.qmr"));
  const std::tuple<const char*, const char*, Currency> employees[] = {
      {"Adams", "100-00-0001", 900000},
      {"Baker", "200-00-0002", 10000000},
      {"Carter", "300-00-0003", 20000}};
  for (const auto& [last, ssn, wages] : employees) {
    ASSERT_TRUE(file->AddNew(kRecTypeW2));
    file->WorkRec.w2.LastName = last;
    file->WorkRec.w2.SocSecNum = ssn;
    file->WorkRec.w2.Wages = wages;
    ASSERT_TRUE(file->SaveCurrent(false));
  }
  TDlgEmployeeList list(*file);
  list.show();
  QTableWidget& grid = *list.GridEmployees;
  const auto column = [&](int c) {
    QStringList texts;
    for (int r = 0; r < grid.rowCount(); ++r) {
      if (!grid.isRowHidden(r)) texts << grid.item(r, c)->text();
    }
    return texts;
  };
  EXPECT_EQ(column(0), (QStringList{"Adams", "Baker", "Carter"}));
  // By box 1 as amounts, not as texts ("1000.00" sorts after "90.00").
  grid.sortItems(2);
  EXPECT_EQ(column(2), (QStringList{"2.00", "90.00", "1000.00"}));
  EXPECT_EQ(list.GridTotals->item(0, 0)->text(), "W-3 totals (3 W-2s)");
  EXPECT_EQ(list.GridTotals->item(0, 2)->text(), "1092.00");

  QTest::keyClicks(list.EditSearch, "bak");
  EXPECT_EQ(column(0), QStringList{"Baker"});
  QTest::keyClick(list.EditSearch, Qt::Key_Return);  // the first found opens
  EXPECT_EQ(list.result(), QDialog::Accepted);
  EXPECT_EQ(list.ChosenOffset(), std::optional<std::int64_t>(1920));

  list.EditSearch->clear();
  list.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
  const int carter = grid.findItems("Carter", Qt::MatchExactly).front()->row();
  const QRect cell = grid.visualItemRect(grid.item(carter, 1));
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
  QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(list.ChosenOffset(), std::optional<std::int64_t>(2560));
}

}  // namespace
