// The W-2 picture and layout: every item of the W-2 has its row, printed at
// the position of the paper form inside the box that carries its caption.

#include <gtest/gtest.h>

#include <string>

#include "forms/W2FormPicture.h"

namespace {

constexpr double kEps = 1e-9;

double Right(const GridRect& r) { return r.col + r.cols; }
double Bottom(const GridRect& r) { return r.line + r.lines; }

bool Inside(const GridRect& inner, const GridRect& outer) {
  return inner.col >= outer.col - kEps && inner.line >= outer.line - kEps &&
         Right(inner) <= Right(outer) + kEps && Bottom(inner) <= Bottom(outer) + kEps;
}

bool Overlap(const GridRect& a, const GridRect& b) {
  return a.col < Right(b) - kEps && b.col < Right(a) - kEps && a.line < Bottom(b) - kEps &&
         b.line < Bottom(a) - kEps;
}

std::string Describe(const GridRect& r) {
  return "(" + std::to_string(r.col) + ", " + std::to_string(r.line) + ", " +
         std::to_string(r.cols) + " x " + std::to_string(r.lines) + ")";
}

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

// The print positions of the paper W-2 (line, column) and the box of each.
TEST(W2FormPicture, EachItemIsPrintedAtItsPositionInItsBox) {
  const struct {
    W2Field field;
    double line;
    double col;
    const char* caption;
  } cases[] = {
      {W2Field::ControlNum, 1, 2, ""},
      {W2Field::Void, 1, 31, ""},
      {W2Field::EmployerEIN, 3, 2, "b Employer identification number"},
      {W2Field::EmployerName, 5, 2, "c Employer's name, address, and ZIP code"},
      {W2Field::EmployerSuite, 6, 2, "c Employer's name, address, and ZIP code"},
      {W2Field::EmployerTown, 7, 2, "c Employer's name, address, and ZIP code"},
      {W2Field::EmployerState, 8, 2, "c Employer's name, address, and ZIP code"},
      {W2Field::SocSecNum, 11, 2, "d Employee's social security number"},
      {W2Field::FirstName, 13, 2, "e Employee's name (first, middle initial, last)"},
      {W2Field::LastName, 13, 21, "e Employee's name (first, middle initial, last)"},
      {W2Field::Suite, 15, 2, "f Employee's address and ZIP code"},
      {W2Field::City, 16, 2, "f Employee's address and ZIP code"},
      {W2Field::AddrState, 17, 2, "f Employee's address and ZIP code"},
      {W2Field::Wages, 3, 47, "1 Wages, tips, other compensation"},
      {W2Field::FedTax, 3, 65, "2 Federal income tax withheld"},
      {W2Field::SSWages, 5, 47, "3 Social security wages"},
      {W2Field::SSTax, 5, 65, "4 Social security tax withheld"},
      {W2Field::MedWage, 7, 47, "5 Medicare wages and tips"},
      {W2Field::MedTax, 7, 65, "6 Medicare tax withheld"},
      {W2Field::SSTips, 9, 47, "7 Social security tips"},
      {W2Field::AllocTips, 9, 65, "8 Allocated tips"},
      {W2Field::AdvEIC, 11, 47, "9 Advance EIC payment"},
      {W2Field::DepCare, 11, 65, "10 Dependent care benefits"},
      {W2Field::NonQualPlans, 13, 47, "11 Nonqualified plans"},
      {W2Field::Box12aCode, 13, 65, "12a See instructions for box 12"},
      {W2Field::Box12aAmount, 13, 70, "12a See instructions for box 12"},
      {W2Field::Box12bCode, 15, 65, "12b"},
      {W2Field::Box12bAmount, 15, 70, "12b"},
      {W2Field::Box12cCode, 17, 65, "12c"},
      {W2Field::Box12cAmount, 17, 70, "12c"},
      {W2Field::Box12dCode, 19, 65, "12d"},
      {W2Field::Box12dAmount, 19, 70, "12d"},
      {W2Field::StatEmpl, 15, 47, "13 Statutory"},
      {W2Field::RetirePlan, 15, 52, "Retirement"},
      {W2Field::TPSickPay, 15, 57, "Third-party sick pay"},
      {W2Field::Box14aLabel, 17, 46, "14 Other"},
      {W2Field::Box14aAmount, 17, 54, "14 Other"},
      {W2Field::Box14bLabel, 18, 46, "14 Other"},
      {W2Field::Box14bAmount, 18, 54, "14 Other"},
      {W2Field::Box14cLabel, 19, 46, "14 Other"},
      {W2Field::Box14cAmount, 19, 54, "14 Other"},
      {W2Field::ST1State, 22, 2, "15 State   Employer's state I.D. number"},
      {W2Field::ST1StateID, 22, 6, "15 State   Employer's state I.D. number"},
      {W2Field::ST1StateWage, 22, 25, "16 State wages, tips, etc."},
      {W2Field::ST1StateTax, 22, 38, "17 State income tax"},
      {W2Field::ST1LocalWage, 22, 50, "18 Local wages, tips, etc."},
      {W2Field::ST1LocalTax, 22, 63, "19 Local income tax"},
      {W2Field::ST1LocName, 22, 74, "20 Locality name"},
      {W2Field::ST2State, 24, 2, ""},
      {W2Field::ST2StateID, 24, 6, ""},
      {W2Field::ST2StateWage, 24, 25, ""},
      {W2Field::ST2StateTax, 24, 38, ""},
      {W2Field::ST2LocalWage, 24, 50, ""},
      {W2Field::ST2LocalTax, 24, 63, ""},
      {W2Field::ST2LocName, 24, 74, ""},
  };
  for (const auto& c : cases) {
    const W2LayoutRow& row = W2Row(c.field);
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.line, c.line);
    EXPECT_EQ(row.col, c.col);
    ASSERT_NE(row.box, W2Box::None);
    const FormBox& box = W2FormPicture().boxes.at(static_cast<std::size_t>(row.box));
    EXPECT_EQ(box.caption, c.caption);
    EXPECT_TRUE(Inside(W2CellRect(c.field), box.rect))
        << Describe(W2CellRect(c.field)) << " not in " << Describe(box.rect);
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
