#include "screens/W3ScreenLayout.h"

#include <stdexcept>
#include <string>

namespace {

// The form's right-hand columns and its last print line; the OK and Cancel
// buttons lie below it.
constexpr double kRight = 59.5;
constexpr double kEdge = 83.5;
constexpr double kFormBottom = 28;

// The field of an item on its print line, a little taller than the line so
// that typed text is not clipped; it stays inside its box, below the caption.
// Its widget is the one the W-3 table names.
W3ControlPlace Shows(W3Field field) {
  const W3LayoutRow& row = W3Row(field);
  GridRect rect = W3PrintCell(row.col, row.line, row.cols);
  rect.line -= 0.25;
  rect.lines = 1.15;
  return {row.widget, rect, field};
}

// A control of the screen's own, given in print columns and lines.
W3ControlPlace Own(std::string_view control, double col, double line, double cols, double lines) {
  return {control, GridRect{col + kW3PictureColOffset, line + kW3PictureLineOffset, cols, lines},
          std::nullopt};
}

// One print line of the address box, at the column given.
W3ControlPlace AddressLine(std::string_view control, double col, double line, double cols) {
  return {control, W3PrintCell(col, line, cols), std::nullopt};
}

std::vector<W3ControlPlace> MakePlaces() {
  return {
      // Above the form, right of the control number.
      Own("LabelTaxYear", 38, 0.1, 7, 1.8),
      Own("EditTaxYear", 45, -0.1, 12, 2.2),
      Own("ButtonSSMedcareRates", kRight + 0.5, 0.1, kEdge - kRight - 1, 1.8),
      Shows(W3Field::ControlNum),
      // The kind of payer in words, where the form has its marks.
      Own("LabelKindofPayer", 1.5, 3.3 - 0.25, 34, 1.15),
      Own("ButtonPayer", 1.5, 4.5, 20, 1.35),
      Shows(W3Field::W2Count),
      Shows(W3Field::Establishment),
      Shows(W3Field::EmployerEIN),
      Shows(W3Field::EmployerName),
      // The address, one line each, its captions before it.
      AddressLine("LabelSuite", 1, 13, 8),
      AddressLine("EditSuite", 9, 13, 24),
      AddressLine("LabelStreet", 1, 14, 8),
      AddressLine("EditStreet", 9, 14, 24),
      AddressLine("LabelTown", 1, 15, 8),
      AddressLine("EditTown", 9, 15, 24),
      Own("ComboBoxState", 1, 16.05, 22, 1),
      Own("MaskEditZip", 23.5, 16.05, 12.5, 1),
      Shows(W3Field::OtherEIN),
      Shows(W3Field::StateForID),
      Shows(W3Field::StateID),
      // The whole of the box below box 15, clear of the caption of the box below it.
      Own("LabelStateHint", 0.7, 22.05, 35.6, 1.9),
      Shows(W3Field::Contact),
      Shows(W3Field::Phone),
      Shows(W3Field::EMail),
      Shows(W3Field::Fax),
      Shows(W3Field::TPSickPayUseOnly),
      Shows(W3Field::TaxWheldTPSickPay),
      // The totals, where they are printed.
      Shows(W3Field::TotWages),
      Shows(W3Field::TotFedTax),
      Shows(W3Field::TotSSWages),
      Shows(W3Field::TotSSTax),
      Shows(W3Field::TotMedWages),
      Shows(W3Field::TotMedTax),
      Shows(W3Field::TotSSTips),
      Shows(W3Field::TotAllocTips),
      Shows(W3Field::TotAdvEIC),
      Shows(W3Field::TotDepCare),
      Shows(W3Field::TotNonQualPlans),
      Shows(W3Field::TotDefComp),
      Shows(W3Field::TotStateWages),
      Shows(W3Field::TotStateIncTax),
      Shows(W3Field::TotLocalWages),
      Shows(W3Field::TotLocalIncTax),
      // Below the form.
      Own("BitBtnOK", kRight + 0.5, kFormBottom + 0.6, 11, 1.8),
      Own("BitBtnCancel", kRight + 12.5, kFormBottom + 0.6, 11, 1.8),
  };
}

}  // namespace

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
