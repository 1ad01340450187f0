// The W-3 screen's controls on the W-3 picture: every value of the form lies
// where the W-3 print run prints it, inside the box that carries its caption,
// and no two controls or boxes overlap.

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>

#include "screens/W3ScreenLayout.h"
#include "tests/support/GridGeometry.h"

namespace {

// The caption of the smallest box that holds the rectangle; empty when none does.
std::string CaptionAround(const GridRect& rect) {
  const FormBox* found = nullptr;
  for (const FormBox& box : W3FormPicture().boxes) {
    if (Inside(rect, box.rect) &&
        (!found || box.rect.cols * box.rect.lines < found->rect.cols * found->rect.lines))
      found = &box;
  }
  return found ? found->caption : std::string();
}

struct PrintedItem {
  const char* control;
  double col;   // print column of the item
  double line;  // print line of the item
  const char* caption;
};

// The items of the W-3 print run that the screen shows in a field or label of their own.
const PrintedItem kPrinted[] = {
    {"EditControlNum", 1, 1, "a Control number"},
    {"LabelW2Count", 1, 7, "c Total number of Forms W-2"},
    {"EditEstablishment", 18, 7, "d Establishment number"},
    {"MaskEditEmployerFedID", 1, 9, "e Employer identification number"},
    {"EditEmployerName", 1, 11, "f Employer's name"},
    {"MaskEditOtherEIN", 1, 19, "h Other EIN used this year"},
    {"ComboBoxStateForID", 1, 21, "15 State"},
    {"EditStateID", 8, 21, "Employer's state ID number"},
    {"EditContact", 1, 25, "Contact person"},
    {"MaskEditPhone", 38, 25, "Telephone number"},
    {"EditEMail", 1, 27, "E-mail address"},
    {"MaskEditFax", 38, 27, "Fax number"},
    {"LabelWagesTips", 38, 3, "1 Wages, tips, other compensation"},
    {"LabelFedTax", 61, 3, "2 Federal income tax withheld"},
    {"LabelSSWages", 38, 5, "3 Social security wages"},
    {"LabelSSTax", 61, 5, "4 Social security tax withheld"},
    {"LabelMedWagesTips", 38, 7, "5 Medicare wages and tips"},
    {"LabelMedTax", 61, 7, "6 Medicare tax withheld"},
    {"LabelSSTips", 38, 9, "7 Social security tips"},
    {"LabelAllocTips", 61, 9, "8 Allocated tips"},
    {"LabelAdvEIC", 38, 11, "9 Advance EIC payments"},
    {"LabelDepCareBen", 61, 11, "10 Dependent care benefits"},
    {"LabelNonQualPlans", 38, 13, "11 Nonqualified plans"},
    {"LabelDefComp", 61, 13, "12 Deferred compensation"},
    {"EditTPSickPayUseOnly", 37, 15, "13 For third-party sick pay use only"},
    {"EditTaxWheldTPSickPay", 38, 17, "14 Income tax withheld by payer of third-party sick pay"},
    {"LabelStateWagesTips", 38, 21, "16 State wages, tips, etc."},
    {"LabelStateIncTax", 61, 21, "17 State income tax"},
    {"LabelLocWagesTips", 38, 23, "18 Local wages, tips, etc."},
    {"LabelLocIncTax", 61, 23, "19 Local income tax"},
};

}  // namespace

TEST(W3ScreenLayout, EveryValueLiesAtItsPrintPositionInsideItsBox) {
  for (const PrintedItem& item : kPrinted) {
    SCOPED_TRACE(item.control);
    const GridRect rect = W3ControlRect(item.control);
    EXPECT_DOUBLE_EQ(rect.col, item.col + kW3PictureColOffset);
    // The field covers the print line.
    const GridRect printLine = W3PrintCell(item.col, item.line, 1);
    EXPECT_LE(rect.line, printLine.line + 0.1 + kGridEps);
    EXPECT_GE(Bottom(rect), Bottom(printLine) - 0.1 - kGridEps);
    EXPECT_EQ(CaptionAround(rect), item.caption);
  }
}

TEST(W3ScreenLayout, TheAddressLinesLieOnTheirPrintLinesInTheAddressBox) {
  const char* const lines[] = {"EditSuite", "EditStreet", "EditTown", "ComboBoxState"};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(lines[i]);
    const GridRect rect = W3ControlRect(lines[i]);
    EXPECT_NEAR(rect.line, W3PrintCell(1, 13 + i, 1).line, 0.1);
    EXPECT_EQ(CaptionAround(rect), "g Employer's address and ZIP code");
  }
  EXPECT_EQ(CaptionAround(W3ControlRect("MaskEditZip")), "g Employer's address and ZIP code");
  EXPECT_EQ(CaptionAround(W3ControlRect("LabelKindofPayer")), "b Kind of Payer");
  EXPECT_EQ(CaptionAround(W3ControlRect("ButtonPayer")), "b Kind of Payer");
}

TEST(W3ScreenLayout, ControlsAndBoxesNeitherOverlapNorLeaveThePicture) {
  const FormPicture& picture = W3FormPicture();
  const GridRect whole{1, 1, picture.cols, picture.lines};
  const auto& places = W3ControlPlaces();
  std::set<std::string> names;
  for (std::size_t i = 0; i < places.size(); ++i) {
    EXPECT_TRUE(names.insert(std::string(places[i].control)).second)
        << "twice: " << places[i].control;
    EXPECT_TRUE(Inside(places[i].rect, whole)) << places[i].control;
    EXPECT_GT(places[i].rect.cols, 0) << places[i].control;
    for (std::size_t j = i + 1; j < places.size(); ++j) {
      EXPECT_FALSE(Overlap(places[i].rect, places[j].rect))
          << places[i].control << " / " << places[j].control;
    }
  }
  for (std::size_t i = 0; i < picture.boxes.size(); ++i) {
    EXPECT_TRUE(Inside(picture.boxes[i].rect, whole)) << picture.boxes[i].caption;
    for (std::size_t j = i + 1; j < picture.boxes.size(); ++j) {
      EXPECT_FALSE(Overlap(picture.boxes[i].rect, picture.boxes[j].rect))
          << picture.boxes[i].caption << " / " << picture.boxes[j].caption;
    }
  }
  for (const FormBox& title : picture.titles) {
    for (const FormBox& box : picture.boxes)
      EXPECT_FALSE(Overlap(title.rect, box.rect)) << box.caption;
  }
  EXPECT_THROW(W3ControlRect("EditWages"), std::out_of_range);
}
