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
// form, a Box2007 of the current one); its width runs to the box's right edge
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

// The current form. Left half: a to f; right half: boxes 1 to 11 and 13, 14
// in one column, 2 to 10 and 12a to 12d in the other; the state lines below.
enum class Box2007 : int {
  A,
  Omb,
  B,
  C,
  D,
  E,
  F,
  B1,
  B2,
  B3,
  B4,
  B5,
  B6,
  B7,
  B8,
  B9,
  B10,
  B11,
  B12a,
  B12b,
  B12c,
  B12d,
  B13Stat,
  B13Retire,
  B13Sick,
  B14,
  B15L1,
  B15IdL1,
  B16L1,
  B17L1,
  B18L1,
  B19L1,
  B20L1,
  B15L2,
  B15IdL2,
  B16L2,
  B17L2,
  B18L2,
  B19L2,
  B20L2,
  Count2007  // how many
};

// From 2011 box 9 is no longer used: it keeps its place, captioned "9" alone.
PlainW2Layout Make2007(const char* box9Caption) {
  PlainW2Layout layout;
  layout.name = "2007";
  constexpr double kL = 1, kMid = 41, kCol2 = 61, kR = 81;
  constexpr double kRow1 = 3, kRow3 = 5, kRow5 = 7, kRow7 = 9, kRowD = 11, kRowE = 13, kRow13 = 15,
                   kRowF = 16, kRow14 = 17.5, kRow12d = 19.5, kState1 = 21.5, kState2 = 23.5,
                   kBottom = 25.5;
  std::vector<FormBox>& b = layout.boxes;
  using enum Box2007;
  b.resize(static_cast<std::size_t>(Box2007::Count2007));
  const auto index = [](Box2007 id) { return static_cast<int>(id); };
  const auto set = [&](Box2007 id, GridRect rect, std::string caption) {
    b[static_cast<std::size_t>(id)] = FormBox{rect, std::move(caption)};
  };
  set(A, Span(kL, 1, 30, kRow1), "a Employee's social security number");
  set(Omb, Span(30, 1, kMid, kRow1), "OMB No. 1545-0008");
  set(B, Span(kL, kRow1, kMid, kRow3), "b Employer identification number (EIN)");
  set(C, Span(kL, kRow3, kMid, kRowD), "c Employer's name, address, and ZIP code");
  set(D, Span(kL, kRowD, kMid, kRowE), "d Control number");
  set(E, Span(kL, kRowE, kMid, kRowF), "e Employee's first name and initial");
  set(F, Span(kL, kRowF, kMid, kState1), "f Employee's address and ZIP code");
  set(B1, Span(kMid, kRow1, kCol2, kRow3), "1 Wages, tips, other compensation");
  set(B2, Span(kCol2, kRow1, kR, kRow3), "2 Federal income tax withheld");
  set(B3, Span(kMid, kRow3, kCol2, kRow5), "3 Social security wages");
  set(B4, Span(kCol2, kRow3, kR, kRow5), "4 Social security tax withheld");
  set(B5, Span(kMid, kRow5, kCol2, kRow7), "5 Medicare wages and tips");
  set(B6, Span(kCol2, kRow5, kR, kRow7), "6 Medicare tax withheld");
  set(B7, Span(kMid, kRow7, kCol2, kRowD), "7 Social security tips");
  set(B8, Span(kCol2, kRow7, kR, kRowD), "8 Allocated tips");
  set(B9, Span(kMid, kRowD, kCol2, kRowE), box9Caption);
  set(B10, Span(kCol2, kRowD, kR, kRowE), "10 Dependent care benefits");
  set(B11, Span(kMid, kRowE, kCol2, kRow13), "11 Nonqualified plans");
  set(B12a, Span(kCol2, kRowE, kR, kRow13), "12a See instructions for box 12");
  set(B12b, Span(kCol2, kRow13, kR, kRow14), "12b");
  set(B12c, Span(kCol2, kRow14, kR, kRow12d), "12c");
  set(B12d, Span(kCol2, kRow12d, kR, kState1), "12d");
  constexpr double kThird = (kCol2 - kMid) / 3;
  set(B13Stat, Span(kMid, kRow13, kMid + kThird, kRow14), "13 Statutory\nemployee");
  set(B13Retire, Span(kMid + kThird, kRow13, kMid + 2 * kThird, kRow14), "Retirement\nplan");
  set(B13Sick, Span(kMid + 2 * kThird, kRow13, kCol2, kRow14), "Third-party\nsick pay");
  set(B14, Span(kMid, kRow14, kCol2, kState1), "14 Other");
  constexpr double kStateEdges[] = {kL, 5, 22, 35, 47, 60, 71, kR};
  const char* stateCaptions[] = {"15 State",
                                 "Employer's state ID number",
                                 "16 State wages, tips, etc.",
                                 "17 State income tax",
                                 "18 Local wages, tips, etc.",
                                 "19 Local income tax",
                                 "20 Locality name"};
  for (int i = 0; i < 7; ++i) {
    const auto line1 = static_cast<Box2007>(index(B15L1) + i);
    const auto line2 = static_cast<Box2007>(index(B15L2) + i);
    set(line1, Span(kStateEdges[i], kState1, kStateEdges[i + 1], kState2), stateCaptions[i]);
    set(line2, Span(kStateEdges[i], kState2, kStateEdges[i + 1], kBottom), "");
  }
  layout.labels.push_back(FormBox{Span(20, kRowE, 40, kRowE + 0.6), "Last name"});

  using enum W2Field;
  constexpr auto T = PlainItemKind::Text;
  constexpr auto M = PlainItemKind::Amount;
  const auto at = [](double boxTop, int row) { return boxTop + kBelowCaption + row; };
  const double s1 = kState1 + kBelowCaption, s2 = kState2 + kBelowCaption;
  const std::vector<Place<Box2007>> places = {
      {SocSecNum, T, A, 2, at(1, 0)},
      {EmployerEIN, T, B, 2, at(kRow1, 0)},
      {EmployerName, T, C, 2, at(kRow3, 0)},
      {EmployerSuite, T, C, 2, at(kRow3, 1)},
      {EmployerTown, T, C, 2, at(kRow3, 2)},
      {EmployerState, T, C, 2, at(kRow3, 3)},
      {ControlNum, T, D, 2, at(kRowD, 0)},
      {FirstName, T, E, 2, at(kRowE, 0.5)},
      {LastName, T, E, 20, at(kRowE, 0.5)},
      {Suite, T, F, 2, at(kRowF, 0)},
      {City, T, F, 2, at(kRowF, 1)},
      {AddrState, T, F, 2, at(kRowF, 2)},
      {Country, T, F, 2, at(kRowF, 3)},
      {Wages, M, B1, 42, at(kRow1, 0)},
      {FedTax, M, B2, 62, at(kRow1, 0)},
      {SSWages, M, B3, 42, at(kRow3, 0)},
      {SSTax, M, B4, 62, at(kRow3, 0)},
      {MedWage, M, B5, 42, at(kRow5, 0)},
      {MedTax, M, B6, 62, at(kRow5, 0)},
      {SSTips, M, B7, 42, at(kRow7, 0)},
      {AllocTips, M, B8, 62, at(kRow7, 0)},
      {AdvEIC, M, B9, 42, at(kRowD, 0)},
      {DepCare, M, B10, 62, at(kRowD, 0)},
      {NonQualPlans, M, B11, 42, at(kRowE, 0)},
      {Box12aCode, T, B12a, 62, at(kRowE, 0)},
      {Box12aAmount, M, B12a, 66, at(kRowE, 0)},
      {Box12bCode, T, B12b, 62, at(kRow13, 0.25)},
      {Box12bAmount, M, B12b, 66, at(kRow13, 0.25)},
      {Box12cCode, T, B12c, 62, at(kRow14, 0)},
      {Box12cAmount, M, B12c, 66, at(kRow14, 0)},
      {Box12dCode, T, B12d, 62, at(kRow12d, 0)},
      {Box12dAmount, M, B12d, 66, at(kRow12d, 0)},
      {Box14aLabel, T, B14, 42, at(kRow14, 0)},
      {Box14aAmount, M, B14, 50, at(kRow14, 0)},
      {Box14bLabel, T, B14, 42, at(kRow14, 1)},
      {Box14bAmount, M, B14, 50, at(kRow14, 1)},
      {Box14cLabel, T, B14, 42, at(kRow14, 2)},
      {Box14cAmount, M, B14, 50, at(kRow14, 2)},
      {ST1State, T, B15L1, 2, s1},
      {ST1StateID, T, B15IdL1, 6, s1},
      {ST1StateWage, M, B16L1, 23, s1},
      {ST1StateTax, M, B17L1, 36, s1},
      {ST1LocalWage, M, B18L1, 48, s1},
      {ST1LocalTax, M, B19L1, 61, s1},
      {ST1LocName, T, B20L1, 72, s1},
      {ST2State, T, B15L2, 2, s2},
      {ST2StateID, T, B15IdL2, 6, s2},
      {ST2StateWage, M, B16L2, 23, s2},
      {ST2StateTax, M, B17L2, 36, s2},
      {ST2LocalWage, M, B18L2, 48, s2},
      {ST2LocalTax, M, B19L2, 61, s2},
      {ST2LocName, T, B20L2, 72, s2},
  };
  layout.items = Items(layout.boxes, places, index);
  const double checkLine = kRow13 + kCheckBelow;
  layout.items.push_back(Check(StatEmpl, index(B13Stat), kMid + 2.6, checkLine));
  layout.items.push_back(Check(RetirePlan, index(B13Retire), kMid + kThird + 2.6, checkLine));
  layout.items.push_back(Check(TPSickPay, index(B13Sick), kMid + 2 * kThird + 2.6, checkLine));
  layout.left = kL;
  layout.top = 1;
  layout.right = kR;
  layout.bottom = kBottom;
  layout.footerBottom = 28;
  return layout;
}

}  // namespace

const PlainW2Layout& PlainW2Layout2001() {
  static const PlainW2Layout layout = Make2001();
  return layout;
}

const PlainW2Layout& PlainW2Layout2007() {
  static const PlainW2Layout layout = Make2007("9 Advance EIC payment");
  return layout;
}

const PlainW2Layout& PlainW2LayoutForYear(int taxYear) {
  static const PlainW2Layout from2011 = Make2007("9");
  if (taxYear > 0 && taxYear <= 2006) return PlainW2Layout2001();
  if (taxYear > 0 && taxYear <= 2010) return PlainW2Layout2007();
  return from2011;
}
