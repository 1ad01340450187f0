#include "forms/W3FormPicture.h"

#include <stdexcept>
#include <string>

namespace {

// The form spans print columns 0.5 to 83.5: the left column of boxes to 36.5,
// the odd-numbered boxes to 59.5, the even-numbered ones to the right edge.
constexpr double kLeft = 0.5;
constexpr double kMiddle = 36.5;
constexpr double kRight = 59.5;
constexpr double kEdge = 83.5;
// The last print line of the form; the OK and Cancel buttons lie below it.
constexpr double kFormBottom = 28;
constexpr double kButtonsBottom = 31;

// A box given in print columns and lines.
FormBox Box(double col, double line, double cols, double lines, std::string caption) {
  return FormBox{GridRect{col + kW3PictureColOffset, line + kW3PictureLineOffset, cols, lines}, std::move(caption)};
}

// A box of the right-hand columns whose value is printed on `valueLine`: a
// caption line above the value line.
FormBox AmountBox(double col, double valueLine, std::string caption) {
  const double width = col == kMiddle ? kRight - kMiddle : kEdge - kRight;
  return Box(col, valueLine - 1, width, 2, std::move(caption));
}

// A single-line field of a box on the value line, a little taller than the
// line so that typed text is not clipped; it stays inside its box, below
// the caption.
GridRect Field(double col, double line, double cols) {
  GridRect rect = W3PrintCell(col, line, cols);
  rect.line -= 0.25;
  rect.lines = 1.15;
  return rect;
}

// A rectangle given in print columns and lines, of any height.
GridRect Area(double col, double line, double cols, double lines) {
  return GridRect{col + kW3PictureColOffset, line + kW3PictureLineOffset, cols, lines};
}

FormPicture MakePicture() {
  FormPicture picture;
  picture.cols = kEdge + kW3PictureColOffset + 1;
  picture.lines = kButtonsBottom + kW3PictureLineOffset;
  picture.titles.push_back({Area(kLeft, -1.8, 44, 1.5), "Form W-3  Transmittal of Wage and Tax Statements"});

  std::vector<FormBox>& b = picture.boxes;
  // Top left: control number and the official-use block.
  b.push_back(Box(kLeft, 0, 18, 2, "a Control number"));
  b.push_back(Box(18.5, 0, kMiddle - 18.5, 2, "33333     For Official Use Only\nOMB No. 1545-0008"));
  // Left column.
  b.push_back(Box(kLeft, 2, kMiddle - kLeft, 4, "b Kind of Payer"));
  b.push_back(Box(kLeft, 6, 16, 2, "c Total number of Forms W-2"));
  b.push_back(Box(16.5, 6, kMiddle - 16.5, 2, "d Establishment number"));
  b.push_back(Box(kLeft, 8, kMiddle - kLeft, 2, "e Employer identification number"));
  b.push_back(Box(kLeft, 10, kMiddle - kLeft, 2, "f Employer's name"));
  b.push_back(Box(kLeft, 12, kMiddle - kLeft, 6, "g Employer's address and ZIP code"));
  b.push_back(Box(kLeft, 18, kMiddle - kLeft, 2, "h Other EIN used this year"));
  b.push_back(Box(kLeft, 20, 7, 2, "15 State"));
  b.push_back(Box(7.5, 20, kMiddle - 7.5, 2, "Employer's state ID number"));
  b.push_back(Box(kLeft, 22, kMiddle - kLeft, 2, ""));
  b.push_back(Box(kLeft, 24, kMiddle - kLeft, 2, "Contact person"));
  b.push_back(Box(kLeft, 26, kMiddle - kLeft, 2, "E-mail address"));
  // Right columns: the totals.
  b.push_back(AmountBox(kMiddle, 3, "1 Wages, tips, other compensation"));
  b.push_back(AmountBox(kRight, 3, "2 Federal income tax withheld"));
  b.push_back(AmountBox(kMiddle, 5, "3 Social security wages"));
  b.push_back(AmountBox(kRight, 5, "4 Social security tax withheld"));
  b.push_back(AmountBox(kMiddle, 7, "5 Medicare wages and tips"));
  b.push_back(AmountBox(kRight, 7, "6 Medicare tax withheld"));
  b.push_back(AmountBox(kMiddle, 9, "7 Social security tips"));
  b.push_back(AmountBox(kRight, 9, "8 Allocated tips"));
  b.push_back(AmountBox(kMiddle, 11, "9 Advance EIC payments"));
  b.push_back(AmountBox(kRight, 11, "10 Dependent care benefits"));
  b.push_back(AmountBox(kMiddle, 13, "11 Nonqualified plans"));
  b.push_back(AmountBox(kRight, 13, "12 Deferred compensation"));
  b.push_back(AmountBox(kMiddle, 15, "13 For third-party sick pay use only"));
  b.push_back(Box(kRight, 14, kEdge - kRight, 6, ""));
  b.push_back(AmountBox(kMiddle, 17, "14 Income tax withheld by payer of third-party sick pay"));
  b.push_back(Box(kMiddle, 18, kRight - kMiddle, 2, ""));
  b.push_back(AmountBox(kMiddle, 21, "16 State wages, tips, etc."));
  b.push_back(AmountBox(kRight, 21, "17 State income tax"));
  b.push_back(AmountBox(kMiddle, 23, "18 Local wages, tips, etc."));
  b.push_back(AmountBox(kRight, 23, "19 Local income tax"));
  b.push_back(Box(kMiddle, 24, kRight - kMiddle, 2, "Telephone number"));
  b.push_back(Box(kRight, 24, kEdge - kRight, kFormBottom - 24, "For Official Use Only"));
  b.push_back(Box(kMiddle, 26, kRight - kMiddle, 2, "Fax number"));
  return picture;
}

std::vector<W3ControlPlace> MakePlaces() {
  return {
      // Above the form, right of the control number.
      {"LabelTaxYear", Area(38, 0.1, 7, 1.8)},
      {"EditTaxYear", Area(45, -0.1, 12, 2.2)},
      {"ButtonSSMedcareRates", Area(kRight + 0.5, 0.1, kEdge - kRight - 1, 1.8)},
      {"EditControlNum", Field(1, 1, 12)},
      {"LabelKindofPayer", Field(1.5, 3.3, 34)},
      {"ButtonPayer", Area(1.5, 4.5, 20, 1.35)},
      {"LabelW2Count", Field(1, 7, 12)},
      {"EditEstablishment", Field(18, 7, 8)},
      {"MaskEditEmployerFedID", Field(1, 9, 14)},
      {"EditEmployerName", Field(1, 11, 35)},
      {"LabelSuite", W3PrintCell(1, 13, 8)},
      {"EditSuite", W3PrintCell(9, 13, 24)},
      {"LabelStreet", W3PrintCell(1, 14, 8)},
      {"EditStreet", W3PrintCell(9, 14, 24)},
      {"LabelTown", W3PrintCell(1, 15, 8)},
      {"EditTown", W3PrintCell(9, 15, 24)},
      {"ComboBoxState", Area(1, 16.05, 22, 1)},
      {"MaskEditZip", Area(23.5, 16.05, 12.5, 1)},
      {"MaskEditOtherEIN", Field(1, 19, 14)},
      {"ComboBoxStateForID", Field(1, 21, 6)},
      {"EditStateID", Field(8, 21, 20)},
      {"LabelStateHint", Area(1, 22.1, 35, 1.8)},
      {"EditContact", Field(1, 25, 30)},
      {"MaskEditPhone", Field(38, 25, 16)},
      {"EditEMail", Field(1, 27, 35)},
      {"MaskEditFax", Field(38, 27, 16)},
      {"EditTPSickPayUseOnly", Field(37, 15, 22)},
      {"EditTaxWheldTPSickPay", Field(38, 17, 20)},
      // The totals, where they are printed.
      {"LabelWagesTips", Field(38, 3, 20)},
      {"LabelFedTax", Field(61, 3, 21)},
      {"LabelSSWages", Field(38, 5, 20)},
      {"LabelSSTax", Field(61, 5, 21)},
      {"LabelMedWagesTips", Field(38, 7, 20)},
      {"LabelMedTax", Field(61, 7, 21)},
      {"LabelSSTips", Field(38, 9, 20)},
      {"LabelAllocTips", Field(61, 9, 21)},
      {"LabelAdvEIC", Field(38, 11, 20)},
      {"LabelDepCareBen", Field(61, 11, 21)},
      {"LabelNonQualPlans", Field(38, 13, 20)},
      {"LabelDefComp", Field(61, 13, 21)},
      {"LabelStateWagesTips", Field(38, 21, 20)},
      {"LabelStateIncTax", Field(61, 21, 21)},
      {"LabelLocWagesTips", Field(38, 23, 20)},
      {"LabelLocIncTax", Field(61, 23, 21)},
      // Below the form.
      {"BitBtnOK", Area(kRight + 0.5, kFormBottom + 0.6, 11, 1.8)},
      {"BitBtnCancel", Area(kRight + 12.5, kFormBottom + 0.6, 11, 1.8)},
  };
}

}  // namespace

GridRect W3PrintCell(double col, double line, double cols) {
  return GridRect{col + kW3PictureColOffset, line + kW3PictureLineOffset, cols, 1};
}

const FormPicture& W3FormPicture() {
  static const FormPicture picture = MakePicture();
  return picture;
}

const std::vector<W3ControlPlace>& W3ControlPlaces() {
  static const std::vector<W3ControlPlace> places = MakePlaces();
  return places;
}

GridRect W3ControlRect(std::string_view control) {
  for (const W3ControlPlace& place : W3ControlPlaces()) {
    if (place.control == control) return place.rect;
  }
  throw std::out_of_range("no place on the W-3 picture for " + std::string(control));
}
