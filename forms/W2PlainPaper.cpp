#include "forms/W2PlainPaper.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace {

// Where an item's text begins below its box's top edge, leaving room for the
// caption, and how far it stays from the box's right edge.
constexpr double kBelowCaption = 0.75;
constexpr double kRightPad = 0.4;
constexpr double kItemGap = 0.5;
// A check box's top below its box's top, under a caption of two lines.
constexpr double kCheckBelow = 1.2;

GridRect Span(double left, double top, double right, double bottom) {
  return GridRect{left, top, right - left, bottom - top};
}

// An item placed by its start in the box of id `box` (a W2Box of the 2001
// form); its width runs to the box's right edge
// or to the next item on its line in the same box, whichever comes first.
template <typename BoxId>
struct Place {
  W2Field field;
  PlainItemKind kind;
  BoxId box;
  double col;
  double line;
};

// The items of `places`; `index` gives the place in `boxes` of a box id.
template <typename BoxId, typename Index>
std::vector<PlainW2Item> Items(const std::vector<FormBox>& boxes,
                               const std::vector<Place<BoxId>>& places, Index index) {
  std::vector<PlainW2Item> items;
  for (const Place<BoxId>& p : places) {
    const int box = index(p.box);
    const GridRect& rect = boxes.at(static_cast<std::size_t>(box)).rect;
    double right = rect.col + rect.cols - kRightPad;
    for (const Place<BoxId>& other : places) {
      if (other.box == p.box && other.line == p.line && other.col > p.col) {
        right = std::min(right, other.col - kItemGap);
      }
    }
    const double height = std::min(1.0, rect.line + rect.lines - p.line);
    items.push_back(
        PlainW2Item{p.field, p.kind, box, GridRect{p.col, p.line, right - p.col, height}});
  }
  return items;
}

// A check box: a square a little less than a line tall.
PlainW2Item Check(W2Field field, int box, double col, double line) {
  return PlainW2Item{field, PlainItemKind::Check, box, GridRect{col, line, 1.2, 0.7}};
}

// How an item of the W-2 table is drawn.
PlainItemKind PlainKindOf(W2Field field) {
  switch (W2Row(field).kind) {
    case W2FieldKind::Amount:
      return PlainItemKind::Amount;
    case W2FieldKind::Check:
      return PlainItemKind::Check;
    default:
      return PlainItemKind::Text;
  }
}

// The 2001 form: the boxes of the W-2 screen's picture and the print
// positions of its rows. Fields that the print run joins to the one before
// them have no item of their own; the top row gets room for its captions.
PlainW2Layout Make2001() {
  PlainW2Layout layout;
  layout.name = "2001";
  const FormPicture& picture = W2FormPicture();
  const auto rect = [&picture](W2Box id) {
    return picture.boxes.at(static_cast<std::size_t>(id)).rect;
  };
  const auto right = [](const GridRect& r) { return r.col + r.cols; };
  const auto bottom = [](const GridRect& r) { return r.line + r.lines; };
  // The top row rises to make room for the captions above its fields.
  constexpr double kTop = 0.2;
  // The three box 13 check boxes share their row unevenly: the first caption
  // is the longest.
  constexpr double kStatRight = 52.5, kRetireRight = 58;
  // Where each box of the picture lies in the layout's boxes (-1: not drawn).
  std::array<int, static_cast<std::size_t>(W2Box::Count)> at{};
  for (int i = 0; i < static_cast<int>(W2Box::Count); ++i) {
    const W2Box id = static_cast<W2Box>(i);
    FormBox box = picture.boxes.at(static_cast<std::size_t>(i));
    const GridRect& r = box.rect;
    switch (id) {
      case W2Box::Void:  // void W-2s are never printed: its place joins the next box
        at[static_cast<std::size_t>(i)] = -1;
        continue;
      case W2Box::A:
        box = FormBox{Span(r.col, kTop, right(r), bottom(r)), "a Control number"};
        break;
      case W2Box::Official:
        box = FormBox{Span(rect(W2Box::Void).col, kTop, right(r), bottom(r)), "OMB No. 1545-0008"};
        break;
      // Three check boxes side by side, each captioned on two lines.
      case W2Box::B13Stat:
        box = FormBox{Span(r.col, r.line, kStatRight, bottom(r)), "13 Statutory\nemployee"};
        break;
      case W2Box::B13Retire:
        box = FormBox{Span(kStatRight, r.line, kRetireRight, bottom(r)), "Retirement\nplan"};
        break;
      case W2Box::B13Sick:
        box = FormBox{Span(kRetireRight, r.line, right(r), bottom(r)), "Third-party\nsick pay"};
        break;
      default:
        break;
    }
    at[static_cast<std::size_t>(i)] = static_cast<int>(layout.boxes.size());
    layout.boxes.push_back(box);
  }
  const auto index = [&at](W2Box box) { return at[static_cast<std::size_t>(box)]; };
  std::vector<Place<W2Box>> places;
  for (const W2LayoutRow& row : W2Layout()) {
    switch (row.field) {
      case W2Field::Void:
      case W2Field::StreetPOB:
      case W2Field::Zip:
      case W2Field::PostCode:
      case W2Field::EmployerStreet:
        continue;
      default:
        break;
    }
    if (row.kind == W2FieldKind::Check) continue;
    const double line = row.field == W2Field::ControlNum ? kTop + kBelowCaption : row.line;
    places.push_back(Place<W2Box>{row.field, PlainKindOf(row.field), row.box, row.col, line});
  }
  layout.items = Items(layout.boxes, places, index);
  for (const W2LayoutRow& row : W2Layout()) {
    if (row.kind != W2FieldKind::Check || row.field == W2Field::Void) continue;
    const GridRect& box = layout.boxes.at(static_cast<std::size_t>(index(row.box))).rect;
    layout.items.push_back(Check(row.field, index(row.box), box.col + 2, box.line + kCheckBelow));
  }
  // The outline: the picture's, from box a to the second state line.
  const GridRect a = rect(W2Box::A);
  layout.left = a.col;
  layout.top = kTop;
  layout.right = right(rect(W2Box::Official));
  layout.bottom = bottom(rect(W2Box::B20L2));
  layout.footerBottom = 28;
  return layout;
}

// The current form, on the geometry that the pre-printed run prints on: the
// same boxes, the same cells. A box 9 that is no longer used is shaded and
// has no item. The outline is placed so that the form lies on the sheet
// where the IRS form lies on its page (half an inch from the left edge),
// the plain-paper run putting the layout's left edge a quarter inch in.
PlainW2Layout MakeCurrent(const W2FormGeometry& form) {
  PlainW2Layout layout;
  layout.name = form.name;
  // Boxes without a size (box 14b before 2026) are left out.
  std::array<int, static_cast<std::size_t>(W2CurrentBox::Count)> at{};
  for (std::size_t i = 0; i < form.boxes.size(); ++i) {
    if (form.boxes[i].rect.cols <= 0) {
      at[i] = -1;
      continue;
    }
    at[i] = static_cast<int>(layout.boxes.size());
    layout.boxes.push_back(form.boxes[i]);
  }
  const auto index = [&at](W2CurrentBox box) { return at[static_cast<std::size_t>(box)]; };
  if (form.box9Shaded) layout.shadedBox = index(W2CurrentBox::B9);
  layout.labels = form.labels;
  for (const W2Spot& spot : form.spots) {
    PlainItemKind kind =
        spot.align == CellAlign::Centre ? PlainItemKind::Centred : PlainItemKind::Text;
    if (spot.field < W2Field::Count && W2Row(spot.field).kind == W2FieldKind::Amount)
      kind = PlainItemKind::Amount;
    layout.items.push_back(PlainW2Item{spot.field, kind, index(spot.box), spot.cell});
  }
  for (const W2Spot& check : form.checks)
    layout.items.push_back(
        PlainW2Item{check.field, PlainItemKind::Check, index(check.box), check.cell});
  constexpr double kQuarterInch = 2.5;  // columns
  const GridRect& a = form.boxes.at(static_cast<std::size_t>(W2CurrentBox::B)).rect;
  layout.left = a.col - kQuarterInch;
  layout.top = form.top;
  layout.right = form.right;
  layout.bottom = form.bottom;
  layout.footerBottom = form.bottom + 2.5;
  return layout;
}

}  // namespace

const PlainW2Layout& PlainW2Layout2001() {
  static const PlainW2Layout layout = Make2001();
  return layout;
}

const PlainW2Layout& PlainW2Layout2007() {
  static const PlainW2Layout layout = MakeCurrent(W2GeometryForYear(2007));
  return layout;
}

const PlainW2Layout& PlainW2LayoutForYear(int taxYear) {
  static const PlainW2Layout from2011 = MakeCurrent(W2GeometryForYear(2011));
  static const PlainW2Layout from2026 = MakeCurrent(W2GeometryForYear(2026));
  if (Uses2001W2Form(taxYear)) return PlainW2Layout2001();
  if (taxYear > 0 && taxYear <= 2010) return PlainW2Layout2007();
  if (taxYear > 0 && taxYear <= 2025) return from2011;
  return from2026;
}
