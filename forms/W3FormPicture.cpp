#include "forms/W3FormPicture.h"

#include <cstddef>
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
  return FormBox{GridRect{col + kW3PictureColOffset, line + kW3PictureLineOffset, cols, lines},
                 std::move(caption)};
}

// A box of the right-hand columns whose value is printed on `valueLine`: a
// caption line above the value line.
FormBox AmountBox(double col, double valueLine, std::string caption) {
  const double width = col == kMiddle ? kRight - kMiddle : kEdge - kRight;
  return Box(col, valueLine - 1, width, 2, std::move(caption));
}

// A rectangle given in print columns and lines, of any height.
GridRect Area(double col, double line, double cols, double lines) {
  return GridRect{col + kW3PictureColOffset, line + kW3PictureLineOffset, cols, lines};
}

// The boxes are added in the order of W3Box.
FormPicture MakePicture() {
  FormPicture picture;
  picture.cols = kEdge + kW3PictureColOffset + 1;
  picture.lines = kButtonsBottom + kW3PictureLineOffset;
  picture.titles.push_back(
      {Area(kLeft, -1.8, 44, 1.5), "Form W-3  Transmittal of Wage and Tax Statements"});

  std::vector<FormBox>& b = picture.boxes;
  // Top left: control number and the official-use block.
  b.push_back(Box(kLeft, 0, 18, 2, "a Control number"));
  b.push_back(
      Box(18.5, 0, kMiddle - 18.5, 2, "33333     For Official Use Only\nOMB No. 1545-0008"));
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

using enum W3Box;

template <auto Member>
std::string TextOf(const W3Record& w3) {
  return (w3.*Member).Str();
}

std::string ControlNumText(const W3Record& w3) {
  return w3.ControlNum != 0 ? std::to_string(w3.ControlNum) : std::string();
}

std::string W2CountText(const W3Record& w3) { return std::to_string(w3.W2Count); }

constexpr W3FieldAccess Money(Currency W3Record::*member) {
  return W3FieldAccess{.amount = member};
}

// The rows, in the order of W3Field: the print position of each item, the
// columns its field or total takes on the screen, its kind, its widget and
// its access.
const std::vector<W3LayoutRow> kRows = {
    {W3Field::ControlNum, "ControlNum", 1, 1, 12, ControlNum, W3FieldKind::Text, "EditControlNum",
     W3FieldAccess{&ControlNumText}},
    {W3Field::W2Count, "W2Count", 1, 7, 12, W2Count, W3FieldKind::Text, "LabelW2Count",
     W3FieldAccess{&W2CountText}},
    {W3Field::Establishment, "Establishment", 18, 7, 8, Establishment, W3FieldKind::Text,
     "EditEstablishment", W3FieldAccess{&TextOf<&W3Record::Establishment>}},
    {W3Field::EmployerEIN, "EmployerEIN", 1, 9, 14, EmployerEIN, W3FieldKind::Text,
     "MaskEditEmployerFedID", W3FieldAccess{&TextOf<&W3Record::EmployerEIN>}},
    {W3Field::EmployerName, "EmployerName", 1, 11, 35, EmployerName, W3FieldKind::Text,
     "EditEmployerName", W3FieldAccess{&TextOf<&W3Record::EmployerName>}},
    {W3Field::OtherEIN, "OtherEIN", 1, 19, 14, OtherEIN, W3FieldKind::Text, "MaskEditOtherEIN",
     W3FieldAccess{&TextOf<&W3Record::OtherEIN>}},
    {W3Field::StateForID, "StateForID", 1, 21, 6, StateForID, W3FieldKind::Text,
     "ComboBoxStateForID", W3FieldAccess{&TextOf<&W3Record::StateForID>}},
    {W3Field::StateID, "StateID", 8, 21, 20, StateID, W3FieldKind::Text, "EditStateID",
     W3FieldAccess{&TextOf<&W3Record::StateID>}},
    {W3Field::Contact, "Contact", 1, 25, 30, Contact, W3FieldKind::Text, "EditContact",
     W3FieldAccess{&TextOf<&W3Record::Contact>}},
    {W3Field::Phone, "Phone", 38, 25, 16, Phone, W3FieldKind::Text, "MaskEditPhone",
     W3FieldAccess{&TextOf<&W3Record::Phone>}},
    {W3Field::EMail, "EMail", 1, 27, 35, EMail, W3FieldKind::Text, "EditEMail",
     W3FieldAccess{&TextOf<&W3Record::EMail>}},
    {W3Field::Fax, "Fax", 38, 27, 16, Fax, W3FieldKind::Text, "MaskEditFax",
     W3FieldAccess{&TextOf<&W3Record::Fax>}},
    {W3Field::TPSickPayUseOnly, "TPSickPayUseOnly", 37, 15, 22, B13, W3FieldKind::Text,
     "EditTPSickPayUseOnly", W3FieldAccess{&TextOf<&W3Record::TPSickPayUseOnly>}},
    {W3Field::TaxWheldTPSickPay, "TaxWheldTPSickPay", 38, 17, 20, B14, W3FieldKind::Amount,
     "EditTaxWheldTPSickPay", Money(&W3Record::TaxWheldTPSickPay)},
    {W3Field::TotWages, "TotWages", 38, 3, 20, B1, W3FieldKind::Amount, "LabelWagesTips",
     Money(&W3Record::TotWages)},
    {W3Field::TotFedTax, "TotFedTax", 61, 3, 21, B2, W3FieldKind::Amount, "LabelFedTax",
     Money(&W3Record::TotFedTax)},
    {W3Field::TotSSWages, "TotSSWages", 38, 5, 20, B3, W3FieldKind::Amount, "LabelSSWages",
     Money(&W3Record::TotSSWages)},
    {W3Field::TotSSTax, "TotSSTax", 61, 5, 21, B4, W3FieldKind::Amount, "LabelSSTax",
     Money(&W3Record::TotSSTax)},
    {W3Field::TotMedWages, "TotMedWages", 38, 7, 20, B5, W3FieldKind::Amount, "LabelMedWagesTips",
     Money(&W3Record::TotMedWages)},
    {W3Field::TotMedTax, "TotMedTax", 61, 7, 21, B6, W3FieldKind::Amount, "LabelMedTax",
     Money(&W3Record::TotMedTax)},
    {W3Field::TotSSTips, "TotSSTips", 38, 9, 20, B7, W3FieldKind::Amount, "LabelSSTips",
     Money(&W3Record::TotSSTips)},
    {W3Field::TotAllocTips, "TotAllocTips", 61, 9, 21, B8, W3FieldKind::Amount, "LabelAllocTips",
     Money(&W3Record::TotAllocTips)},
    {W3Field::TotAdvEIC, "TotAdvEIC", 38, 11, 20, B9, W3FieldKind::Amount, "LabelAdvEIC",
     Money(&W3Record::TotAdvEIC)},
    {W3Field::TotDepCare, "TotDepCare", 61, 11, 21, B10, W3FieldKind::Amount, "LabelDepCareBen",
     Money(&W3Record::TotDepCare)},
    {W3Field::TotNonQualPlans, "TotNonQualPlans", 38, 13, 20, B11, W3FieldKind::Amount,
     "LabelNonQualPlans", Money(&W3Record::TotNonQualPlans)},
    {W3Field::TotDefComp, "TotDefComp", 61, 13, 21, B12, W3FieldKind::Amount, "LabelDefComp",
     Money(&W3Record::TotDefComp)},
    {W3Field::TotStateWages, "TotStateWages", 38, 21, 20, B16, W3FieldKind::Amount,
     "LabelStateWagesTips", Money(&W3Record::TotStateWages)},
    {W3Field::TotStateIncTax, "TotStateIncTax", 61, 21, 21, B17, W3FieldKind::Amount,
     "LabelStateIncTax", Money(&W3Record::TotStateIncTax)},
    {W3Field::TotLocalWages, "TotLocalWages", 38, 23, 20, B18, W3FieldKind::Amount,
     "LabelLocWagesTips", Money(&W3Record::TotLocalWages)},
    {W3Field::TotLocalIncTax, "TotLocalIncTax", 61, 23, 21, B19, W3FieldKind::Amount,
     "LabelLocIncTax", Money(&W3Record::TotLocalIncTax)},
};

}  // namespace

GridRect W3PrintCell(double col, double line, double cols) {
  return GridRect{col + kW3PictureColOffset, line + kW3PictureLineOffset, cols, 1};
}

const FormPicture& W3FormPicture() {
  static const FormPicture picture = MakePicture();
  return picture;
}

const std::vector<W3LayoutRow>& W3Layout() { return kRows; }

const W3LayoutRow& W3Row(W3Field field) { return kRows.at(static_cast<std::size_t>(field)); }

std::string W3Text(W3Field field, const W3Record& w3) {
  const W3FieldAccess& access = W3Row(field).access;
  return access.text != nullptr ? access.text(w3) : std::string();
}

Currency W3Amount(W3Field field, const W3Record& w3) {
  const W3FieldAccess& access = W3Row(field).access;
  return access.amount != nullptr ? w3.*access.amount : 0;
}
