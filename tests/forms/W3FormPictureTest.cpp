// The W-3 layout: every item printed at a place of its own has its row, at
// the print position of the paper form, inside the box that carries its
// caption.

#include <gtest/gtest.h>

#include <string>

#include "forms/W3FormPicture.h"

namespace {

constexpr double kEps = 1e-9;

bool Inside(const GridRect& inner, const GridRect& outer) {
  return inner.col >= outer.col - kEps && inner.line >= outer.line - kEps &&
         inner.col + inner.cols <= outer.col + outer.cols + kEps &&
         inner.line + inner.lines <= outer.line + outer.lines + kEps;
}

TEST(W3FormPicture, HasOneRowForEachItemInOrderAndABoxForEachId) {
  const auto& rows = W3Layout();
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(W3Field::Count));
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(static_cast<std::size_t>(rows[i].field), i) << rows[i].name;
    EXPECT_EQ(&W3Row(rows[i].field), &rows[i]) << rows[i].name;
  }
  EXPECT_EQ(W3FormPicture().boxes.size(), static_cast<std::size_t>(W3Box::Count));
}

// The print positions of the paper W-3 (line, column) and the box of each.
TEST(W3FormPicture, EachItemIsPrintedAtItsPositionInItsBox) {
  const struct {
    W3Field field;
    double line;
    double col;
    const char* caption;
  } cases[] = {
      {W3Field::ControlNum, 1, 1, "a Control number"},
      {W3Field::W2Count, 7, 1, "c Total number of Forms W-2"},
      {W3Field::Establishment, 7, 18, "d Establishment number"},
      {W3Field::EmployerEIN, 9, 1, "e Employer identification number"},
      {W3Field::EmployerName, 11, 1, "f Employer's name"},
      {W3Field::OtherEIN, 19, 1, "h Other EIN used this year"},
      {W3Field::StateForID, 21, 1, "15 State"},
      {W3Field::StateID, 21, 8, "Employer's state ID number"},
      {W3Field::Contact, 25, 1, "Contact person"},
      {W3Field::Phone, 25, 38, "Telephone number"},
      {W3Field::EMail, 27, 1, "E-mail address"},
      {W3Field::Fax, 27, 38, "Fax number"},
      {W3Field::TPSickPayUseOnly, 15, 37, "13 For third-party sick pay use only"},
      {W3Field::TaxWheldTPSickPay, 17, 38,
       "14 Income tax withheld by payer of third-party sick pay"},
      {W3Field::TotWages, 3, 38, "1 Wages, tips, other compensation"},
      {W3Field::TotFedTax, 3, 61, "2 Federal income tax withheld"},
      {W3Field::TotSSWages, 5, 38, "3 Social security wages"},
      {W3Field::TotSSTax, 5, 61, "4 Social security tax withheld"},
      {W3Field::TotMedWages, 7, 38, "5 Medicare wages and tips"},
      {W3Field::TotMedTax, 7, 61, "6 Medicare tax withheld"},
      {W3Field::TotSSTips, 9, 38, "7 Social security tips"},
      {W3Field::TotAllocTips, 9, 61, "8 Allocated tips"},
      {W3Field::TotAdvEIC, 11, 38, "9 Advance EIC payments"},
      {W3Field::TotDepCare, 11, 61, "10 Dependent care benefits"},
      {W3Field::TotNonQualPlans, 13, 38, "11 Nonqualified plans"},
      {W3Field::TotDefComp, 13, 61, "12 Deferred compensation"},
      {W3Field::TotStateWages, 21, 38, "16 State wages, tips, etc."},
      {W3Field::TotStateIncTax, 21, 61, "17 State income tax"},
      {W3Field::TotLocalWages, 23, 38, "18 Local wages, tips, etc."},
      {W3Field::TotLocalIncTax, 23, 61, "19 Local income tax"},
  };
  for (const auto& c : cases) {
    const W3LayoutRow& row = W3Row(c.field);
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.line, c.line);
    EXPECT_EQ(row.col, c.col);
    ASSERT_NE(row.box, W3Box::None);
    const FormBox& box = W3FormPicture().boxes.at(static_cast<std::size_t>(row.box));
    EXPECT_EQ(box.caption, c.caption);
    EXPECT_TRUE(Inside(W3PrintCell(row.col, row.line, row.cols), box.rect));
  }
}

}  // namespace
