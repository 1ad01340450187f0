#include "forms/W3PlainPaper.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace {

// Where an item's text begins below its box's top edge, leaving room for the
// caption, and how far it stays from the box's edges.
constexpr double kBelowCaption = 0.75;
constexpr double kLeftPad = 1;
constexpr double kRightPad = 0.4;

GridRect Span(double left, double top, double right, double bottom) {
  return GridRect{left, top, right - left, bottom - top};
}

bool IsTotal(W3Field field) {
  return field >= W3Field::TaxWheldTPSickPay && field != W3Field::TPSickPayUseOnly;
}

PlainItemKind KindOf(W3Field field) {
  return IsTotal(field) ? PlainItemKind::Amount : PlainItemKind::Text;
}

// An item on line `row` (0 the first) below its box's caption, across the box.
PlainW3Item InBox(const std::vector<FormBox>& boxes, int box, PlainW3Text text, W3Field field,
                  int row = 0, double below = kBelowCaption) {
  const GridRect& r = boxes.at(static_cast<std::size_t>(box)).rect;
  const double line = r.line + below + row;
  const double height = std::min(1.0, r.line + r.lines - line);
  return PlainW3Item{text, field, text == PlainW3Text::Field ? KindOf(field) : PlainItemKind::Text,
                     box, GridRect{r.col + kLeftPad, line, r.cols - kLeftPad - kRightPad, height}};
}

// The 2001 form: the boxes of the W-3 screen's picture, every field at the
// print position of its row, totals running to their box's right edge.
PlainW3Layout Make2001() {
  PlainW3Layout layout;
  layout.name = "2001";
  const FormPicture& picture = W3FormPicture();
  layout.boxes = picture.boxes;
  for (const W3LayoutRow& row : W3Layout()) {
    const GridRect cell = W3PrintCell(row.col, row.line, row.cols);
    const GridRect& box = picture.boxes.at(static_cast<std::size_t>(row.box)).rect;
    const double end = IsTotal(row.field) ? box.col + box.cols - kRightPad : cell.col + cell.cols;
    layout.items.push_back(PlainW3Item{PlainW3Text::Field, row.field, KindOf(row.field),
                                       static_cast<int>(row.box),
                                       GridRect{cell.col, cell.line, end - cell.col, 1}});
  }
  // The kind of payer and the address a line below their box's top edge.
  const W3Field none = W3Field::Count;
  const std::vector<FormBox>& b = layout.boxes;
  const int kind = static_cast<int>(W3Box::KindOfPayer), address = static_cast<int>(W3Box::Address);
  layout.items.push_back(InBox(b, kind, PlainW3Text::KindOfPayer, none, 0, 1));
  layout.items.push_back(InBox(b, address, PlainW3Text::SuiteAndStreet, none, 0, 1));
  layout.items.push_back(InBox(b, address, PlainW3Text::Town, none, 1, 1));
  layout.items.push_back(InBox(b, address, PlainW3Text::StateAndZip, none, 2, 1));
  layout.left = 0.5 + kW3PictureColOffset;
  layout.top = kW3PictureLineOffset;
  layout.right = 83.5 + kW3PictureColOffset;
  layout.bottom = 28 + kW3PictureLineOffset;
  return layout;
}

// The current form: a to h on the left, boxes 1 to 14 in two columns on the
// right, the state and local line across, the contact's lines at the foot.
PlainW3Layout Make2007(bool from2011) {
  PlainW3Layout layout;
  layout.name = "2007";
  constexpr double kL = 1, kQ = 21, kMid = 41, kCol2 = 61, kR = 81;
  std::vector<FormBox>& b = layout.boxes;
  std::vector<PlainW3Item>& items = layout.items;
  using enum W3Field;
  // A box and the record's field in it (Count: a box without an item).
  const auto box = [&](GridRect rect, const char* caption, W3Field field) {
    b.push_back(FormBox{rect, caption});
    if (field != Count)
      items.push_back(InBox(b, static_cast<int>(b.size()) - 1, PlainW3Text::Field, field));
  };
  box(Span(kL, 1, 31, 3), "a Control number", ControlNum);
  box(Span(31, 1, kMid, 3), "33333", Count);
  box(Span(kMid, 1, kR, 3), "For Official Use Only: OMB No. 1545-0008", Count);
  box(Span(kL, 3, from2011 ? kMid : kR, 5), "b Kind of Payer", Count);
  items.push_back(InBox(b, static_cast<int>(b.size()) - 1, PlainW3Text::KindOfPayer, Count));
  if (from2011) {
    box(Span(kMid, 3, kR, 5), "Kind of Employer", Count);
    items.push_back(InBox(b, static_cast<int>(b.size()) - 1, PlainW3Text::KindOfEmployer, Count));
  }
  box(Span(kL, 5, kQ, 7), "c Total number of Forms W-2", W2Count);
  box(Span(kQ, 5, kMid, 7), "d Establishment number", Establishment);
  box(Span(kL, 7, kMid, 9), "e Employer identification number (EIN)", EmployerEIN);
  box(Span(kL, 9, kMid, 11), "f Employer's name", EmployerName);
  box(Span(kL, 11, kMid, 17), "g Employer's address and ZIP code", Count);
  const int address = static_cast<int>(b.size()) - 1;
  items.push_back(InBox(b, address, PlainW3Text::SuiteAndStreet, Count, 0));
  items.push_back(InBox(b, address, PlainW3Text::Town, Count, 1));
  items.push_back(InBox(b, address, PlainW3Text::StateAndZip, Count, 2));
  box(Span(kL, 17, kMid, 19), "h Other EIN used this year", OtherEIN);
  box(Span(kL, 19, 6, 21), "15 State", StateForID);
  box(Span(6, 19, kMid, 21), "Employer's state ID number", StateID);
  struct Pair {
    double line;
    const char *odd, *even;
    W3Field oddField, evenField;
  };
  const Pair pairs[] = {
      {5, "1 Wages, tips, other compensation", "2 Federal income tax withheld", TotWages,
       TotFedTax},
      {7, "3 Social security wages", "4 Social security tax withheld", TotSSWages, TotSSTax},
      {9, "5 Medicare wages and tips", "6 Medicare tax withheld", TotMedWages, TotMedTax},
      {11, "7 Social security tips", "8 Allocated tips", TotSSTips, TotAllocTips},
      {13, from2011 ? "9" : "9 Advance EIC payments", "10 Dependent care benefits",
       from2011 ? Count : TotAdvEIC, TotDepCare},
      {15, "11 Nonqualified plans", "12a Deferred compensation", TotNonQualPlans, TotDefComp},
  };
  for (const Pair& p : pairs) {
    box(Span(kMid, p.line, kCol2, p.line + 2), p.odd, p.oddField);
    box(Span(kCol2, p.line, kR, p.line + 2), p.even, p.evenField);
  }
  box(Span(kMid, 17, kR, 19), "13 For third-party sick pay use only", TPSickPayUseOnly);
  box(Span(kMid, 19, kR, 21), "14 Income tax withheld by payer of third-party sick pay",
      TaxWheldTPSickPay);
  box(Span(kL, 21, kQ, 23), "16 State wages, tips, etc.", TotStateWages);
  box(Span(kQ, 21, kMid, 23), "17 State income tax", TotStateIncTax);
  box(Span(kMid, 21, kCol2, 23), "18 Local wages, tips, etc.", TotLocalWages);
  box(Span(kCol2, 21, kR, 23), "19 Local income tax", TotLocalIncTax);
  box(Span(kL, 23, kMid, 25), "Employer's contact person", Contact);
  box(Span(kMid, 23, kCol2, 25), "Employer's telephone number", Phone);
  box(Span(kCol2, 23, kR, 25), "For Official Use Only", Count);
  box(Span(kL, 25, kMid, 27), "Employer's fax number", Fax);
  box(Span(kMid, 25, kR, 27), "Employer's email address", EMail);
  layout.left = kL;
  layout.top = 1;
  layout.right = kR;
  layout.bottom = 27;
  return layout;
}

}  // namespace

const PlainW3Layout& PlainW3Layout2001() {
  static const PlainW3Layout layout = Make2001();
  return layout;
}

const PlainW3Layout& PlainW3Layout2007() {
  static const PlainW3Layout layout = Make2007(false);
  return layout;
}

const PlainW3Layout& PlainW3LayoutForYear(int taxYear) {
  static const PlainW3Layout from2011 = Make2007(true);
  if (taxYear > 0 && taxYear <= 2006) return PlainW3Layout2001();
  if (taxYear > 0 && taxYear <= 2010) return PlainW3Layout2007();
  return from2011;
}

namespace {

// Mark `slot` of `slots` spread over a box below its caption.
std::optional<GridRect> Slot(const PlainW3Layout& layout, const char* caption, int slot,
                             int slots) {
  for (const FormBox& box : layout.boxes) {
    if (box.caption != caption) continue;
    const double step = (box.rect.cols - 2) / slots;
    return GridRect{box.rect.col + 1 + slot * step, box.rect.line + 0.8, 1, 1};
  }
  return std::nullopt;
}

}  // namespace

std::optional<GridRect> W3PayerMark(int taxYear, int kindOfPayer) {
  const PlainW3Layout& layout = PlainW3LayoutForYear(taxYear);
  if (std::string_view(layout.name) == "2001") return std::nullopt;
  // KindOfPayer 0 941, 1 Military, 2 943, 3 CT-1, 4 Hshld., 5 Medicare,
  // 6 944; 7 third-party sick pay. The form puts 944 after 943.
  constexpr int kSlotOf[] = {0, 1, 2, 4, 5, 6, 3, 7};
  if (kindOfPayer < 0 || kindOfPayer > 7) return std::nullopt;
  return Slot(layout, "b Kind of Payer", kSlotOf[kindOfPayer], 8);
}

std::optional<GridRect> W3EmployerMark(int taxYear, int kindOfEmployer) {
  const PlainW3Layout& layout = PlainW3LayoutForYear(taxYear);
  if (kindOfEmployer < 1 || kindOfEmployer > 5) return std::nullopt;
  return Slot(layout, "Kind of Employer", kindOfEmployer - 1, 5);
}
