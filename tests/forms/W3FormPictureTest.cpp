// The W-3 layout: every item printed at a place of its own has its row, at
// the print position of the paper form, inside the box that carries its
// caption.

#include <gtest/gtest.h>

#include <string>

#include "forms/W3FormPicture.h"
#include "tests/support/GridGeometry.h"

namespace {

TEST(W3FormPicture, HasOneRowForEachItemInOrderAndABoxForEachId) {
  const auto& rows = W3Layout();
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(W3Field::Count));
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(static_cast<std::size_t>(rows[i].field), i) << rows[i].name;
    EXPECT_EQ(&W3Row(rows[i].field), &rows[i]) << rows[i].name;
  }
  EXPECT_EQ(W3FormPicture().boxes.size(), static_cast<std::size_t>(W3Box::Count));
}

// Every item lies in its box, at the print position of the paper W-3 (the W-3
// screen's tests check each item through the control that shows it).
TEST(W3FormPicture, EachItemIsPrintedAtItsPositionInItsBox) {
  for (const W3LayoutRow& row : W3Layout()) {
    ASSERT_NE(row.box, W3Box::None) << row.name;
    const FormBox& box = W3FormPicture().boxes.at(static_cast<std::size_t>(row.box));
    EXPECT_TRUE(Inside(W3PrintCell(row.col, row.line, row.cols), box.rect)) << row.name;
  }
  const struct {
    W3Field field;
    double line;
    double col;
    const char* caption;
  } cases[] = {
      {W3Field::ControlNum, 1, 1, "a Control number"},
      {W3Field::Phone, 25, 38, "Telephone number"},
      {W3Field::TPSickPayUseOnly, 15, 37, "13 For third-party sick pay use only"},
      {W3Field::TotDefComp, 13, 61, "12 Deferred compensation"},
      {W3Field::TotLocalIncTax, 23, 61, "19 Local income tax"},
  };
  for (const auto& c : cases) {
    const W3LayoutRow& row = W3Row(c.field);
    EXPECT_EQ(row.line, c.line) << row.name;
    EXPECT_EQ(row.col, c.col) << row.name;
    EXPECT_EQ(W3FormPicture().boxes.at(static_cast<std::size_t>(row.box)).caption, c.caption)
        << row.name;
  }
}

}  // namespace
