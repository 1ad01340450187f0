// The W-2 picture and layout: every item of the W-2 has its row, printed at
// the position of the paper form inside the box that carries its caption.

#include <gtest/gtest.h>

#include <string>

#include "forms/W2FormPicture.h"
#include "tests/support/GridGeometry.h"

namespace {

GridRect PictureRect() {
  const FormPicture& p = W2FormPicture();
  return GridRect{1, 1, p.cols, p.lines};
}

TEST(W2FormPicture, HasOneRowForEachItemInOrder) {
  const auto& rows = W2Layout();
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(W2Field::Count));
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(static_cast<std::size_t>(rows[i].field), i) << rows[i].name;
    EXPECT_EQ(&W2Row(rows[i].field), &rows[i]) << rows[i].name;
  }
  EXPECT_EQ(W2Row(W2Field::Box12cAmount).name, std::string("Box12[2].Amount"));
  EXPECT_EQ(W2Row(W2Field::EmployerTown).name, std::string("Town"));
  EXPECT_EQ(W2BoxRect(W2Box::None), std::nullopt);
}

// Every item lies in its box, at the print position of the paper W-2 (the W-2
// screen's tests check each item through the field that shows it).
TEST(W2FormPicture, EachItemIsPrintedAtItsPositionInItsBox) {
  for (const W2LayoutRow& row : W2Layout()) {
    ASSERT_NE(row.box, W2Box::None) << row.name;
    const GridRect box = *W2BoxRect(row.box);
    EXPECT_TRUE(Inside(W2CellRect(row.field), box))
        << row.name << " " << Describe(W2CellRect(row.field)) << " not in " << Describe(box);
  }
  const struct {
    W2Field field;
    double line;
    double col;
    const char* caption;
  } cases[] = {
      {W2Field::EmployerState, 8, 2, "c Employer's name, address, and ZIP code"},
      {W2Field::FirstName, 13, 2, "e Employee's name (first, middle initial, last)"},
      {W2Field::Wages, 3, 47, "1 Wages, tips, other compensation"},
      {W2Field::Box12dAmount, 19, 70, "12d"},
      {W2Field::TPSickPay, 15, 57, "Third-party sick pay"},
      {W2Field::ST2LocName, 24, 74, ""},
  };
  for (const auto& c : cases) {
    const W2LayoutRow& row = W2Row(c.field);
    EXPECT_EQ(row.line, c.line) << row.name;
    EXPECT_EQ(row.col, c.col) << row.name;
    EXPECT_EQ(W2FormPicture().boxes.at(static_cast<std::size_t>(row.box)).caption, c.caption)
        << row.name;
  }
}

TEST(W2FormPicture, BoxesAndTitlesLieInsideTheFormAndBoxesDoNotOverlap) {
  const FormPicture& picture = W2FormPicture();
  ASSERT_FALSE(picture.boxes.empty());
  for (const FormBox& box : picture.boxes) {
    EXPECT_TRUE(Inside(box.rect, PictureRect())) << box.caption << " " << Describe(box.rect);
    EXPECT_GT(box.rect.cols, 0) << box.caption;
    EXPECT_GT(box.rect.lines, 0) << box.caption;
  }
  for (const FormBox& title : picture.titles)
    EXPECT_TRUE(Inside(title.rect, PictureRect())) << title.caption << " " << Describe(title.rect);
  for (std::size_t i = 0; i < picture.boxes.size(); ++i)
    for (std::size_t j = i + 1; j < picture.boxes.size(); ++j)
      EXPECT_FALSE(Overlap(picture.boxes[i].rect, picture.boxes[j].rect))
          << "\"" << picture.boxes[i].caption << "\" and \"" << picture.boxes[j].caption << "\"";
}

}  // namespace
