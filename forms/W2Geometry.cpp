#include "forms/W2Geometry.h"

#include <cstddef>

namespace {

// The measured values are in points on the IRS form's template page; box
// b's EIN (x 38, y 70) goes where the 2001 form prints it, column 2, line 3.
constexpr double kOriginX = 38 - 7.2, kOriginY = 70 - 24;

double Col(double x) { return 1 + (x - kOriginX) / 7.2; }
double Line(double y) { return 1 + (y - kOriginY) / 12; }
GridRect Cell(double x, double y, double w, double h) {
  return GridRect{Col(x), Line(y), w / 7.2, h / 12};
}
GridRect Edges(double left, double top, double right, double bottom) {
  return Cell(left, top, right - left, bottom - top);
}

// The box rules, in points. The values' rectangles are measured (V1: one
// public payroll program's placement on the IRS form of about 2014, the
// arrangement unchanged since); the rules between them are not: they are
// drawn halfway between the values, leaving each box's caption room above
// its value (U).
constexpr double kL = 36, kAL = 144, kAR = 290, kMid = 325, kCol2 = 455, kR = 578;
constexpr double kTop = 36, kRow1 = 62, kRow3 = 86, kRow5 = 110, kRow7 = 134, kRowD = 158,
                 kRowE = 182, kRow13 = 206, kRow14 = 230, kRow12d = 254, kState1 = 288,
                 kState2 = 313, kBottom = 338;
// Box 14b of 2026: the lower part of the old box 14 (U: the official 2026
// form gives 14a more room by a smaller box 9; the split is not measured).
constexpr double kRow14b = 270;
// The left column's rows.
constexpr double kLeftC = 84, kLeftE = 180, kLeftF = 201;

W2FormGeometry Make(const char* name, bool box9Shaded, bool box14b) {
  W2FormGeometry g;
  g.name = name;
  g.omb = "OMB No. 1545-0008";
  g.box9Shaded = box9Shaded;
  g.box14b = box14b;
  g.boxes.resize(static_cast<std::size_t>(W2CurrentBox::Count));
  {
    using enum W2CurrentBox;
    const auto set = [&](W2CurrentBox id, GridRect rect, std::string caption) {
      g.boxes[static_cast<std::size_t>(id)] = FormBox{rect, std::move(caption)};
    };
    set(A, Edges(kAL, kTop, kAR, kRow1), "a Employee's social security number");
    set(Omb, Edges(kAR, kTop, kCol2, kRow1), g.omb);
    set(B, Edges(kL, kRow1, kMid, kLeftC), "b Employer identification number (EIN)");
    set(C, Edges(kL, kLeftC, kMid, kRowD), "c Employer's name, address, and ZIP code");
    set(D, Edges(kL, kRowD, kMid, kLeftE), "d Control number");
    set(E, Edges(kL, kLeftE, kMid, kLeftF), "e Employee's first name and initial");
    set(F, Edges(kL, kLeftF, kMid, kState1), "f Employee's address and ZIP code");
    set(B1, Edges(kMid, kRow1, kCol2, kRow3), "1 Wages, tips, other compensation");
    set(B2, Edges(kCol2, kRow1, kR, kRow3), "2 Federal income tax withheld");
    set(B3, Edges(kMid, kRow3, kCol2, kRow5), "3 Social security wages");
    set(B4, Edges(kCol2, kRow3, kR, kRow5), "4 Social security tax withheld");
    set(B5, Edges(kMid, kRow5, kCol2, kRow7), "5 Medicare wages and tips");
    set(B6, Edges(kCol2, kRow5, kR, kRow7), "6 Medicare tax withheld");
    set(B7, Edges(kMid, kRow7, kCol2, kRowD), "7 Social security tips");
    set(B8, Edges(kCol2, kRow7, kR, kRowD), "8 Allocated tips");
    set(B9, Edges(kMid, kRowD, kCol2, kRowE), box9Shaded ? "9" : "9 Advance EIC payment");
    set(B10, Edges(kCol2, kRowD, kR, kRowE), "10 Dependent care benefits");
    set(B11, Edges(kMid, kRowE, kCol2, kRow13), "11 Nonqualified plans");
    set(B12a, Edges(kCol2, kRowE, kR, kRow13), "12a See instructions for box 12");
    set(B12b, Edges(kCol2, kRow13, kR, kRow14), "12b");
    set(B12c, Edges(kCol2, kRow14, kR, kRow12d), "12c");
    set(B12d, Edges(kCol2, kRow12d, kR, kState1), "12d");
    set(B13, Edges(kMid, kRow13, kCol2, kRow14), "");
    // Captions inside boxes: box 13's three check boxes, box e's last name and suffix.
    g.labels = {FormBox{Edges(kMid, kRow13, 370, kRow13 + 12), "13 Statutory\nemployee"},
                FormBox{Edges(377, kRow13, 410, kRow13 + 12), "Retirement\nplan"},
                FormBox{Edges(412, kRow13, kCol2, kRow13 + 12), "Third-party\nsick pay"},
                FormBox{Edges(172, kLeftE, 285, kLeftE + 7), "Last name"},
                FormBox{Edges(287, kLeftE, kMid, kLeftE + 7), "Suff."}};
    if (box14b) {
      set(B14, Edges(kMid, kRow14, kCol2, kRow14b), "14a Other");
      set(B14b, Edges(kMid, kRow14b, kCol2, kState1), "14b Treasury Tipped Occupation Code(s)");
    } else {
      set(B14, Edges(kMid, kRow14, kCol2, kState1), "14 Other");
    }
    // Box 15 to 20, measured on the 2026 form (V1) and the same on the earlier ones.
    constexpr double kStateEdges[] = {kL, 65, 195, 281, 360, 446, 526, kR};
    const char* stateCaptions[] = {"15 State",
                                   "Employer's state ID number",
                                   "16 State wages, tips, etc.",
                                   "17 State income tax",
                                   "18 Local wages, tips, etc.",
                                   "19 Local income tax",
                                   "20 Locality name"};
    for (int i = 0; i < 7; ++i) {
      set(static_cast<W2CurrentBox>(static_cast<int>(B15L1) + i),
          Edges(kStateEdges[i], kState1, kStateEdges[i + 1], kState2), stateCaptions[i]);
      set(static_cast<W2CurrentBox>(static_cast<int>(B15L2) + i),
          Edges(kStateEdges[i], kState2, kStateEdges[i + 1], kBottom), "");
    }
  }

  using enum W2Field;
  using W2CurrentBox::A, W2CurrentBox::B, W2CurrentBox::C, W2CurrentBox::D, W2CurrentBox::E,
      W2CurrentBox::F, W2CurrentBox::B1, W2CurrentBox::B2, W2CurrentBox::B3, W2CurrentBox::B4,
      W2CurrentBox::B5, W2CurrentBox::B6, W2CurrentBox::B7, W2CurrentBox::B8, W2CurrentBox::B9,
      W2CurrentBox::B10, W2CurrentBox::B11, W2CurrentBox::B12a, W2CurrentBox::B12b,
      W2CurrentBox::B12c, W2CurrentBox::B12d, W2CurrentBox::B13, W2CurrentBox::B14,
      W2CurrentBox::B14b, W2CurrentBox::B15L1, W2CurrentBox::B15L2;
  constexpr auto L = CellAlign::Left, R = CellAlign::Right, M = CellAlign::Centre;
  g.spots = {
      {SocSecNum, A, Cell(153, 47, 127, 15), M},
      {EmployerEIN, B, Cell(38, 70, 280, 15), L},
      {EmployerName, C, Cell(38, 92, 280, 12), L},
      // The employer's and the employee's address lines, 12 and 11 points
      // apart inside the measured rectangles (x 38, y 107 h 48; y 205 h 68).
      {EmployerSuite, C, Cell(38, 104, 280, 12), L},
      {EmployerTown, C, Cell(38, 116, 280, 12), L},
      {EmployerState, C, Cell(38, 128, 280, 12), L},
      {ControlNum, D, Cell(38, 165, 127, 15), L},
      {FirstName, E, Cell(38, 189, 122, 12), L},
      // The last name's measured cell (x 175, w 127) leaves the suffix
      // column at its right end (U: the column's width is not measured).
      {LastName, E, Cell(175, 189, 105, 12), L},
      {Suffix, E, Cell(290, 189, 30, 12), L},
      {Suite, F, Cell(38, 209, 280, 11), L},
      {City, F, Cell(38, 220, 280, 11), L},
      {AddrState, F, Cell(38, 231, 280, 11), L},
      {Country, F, Cell(38, 242, 280, 11), L},
      {Wages, B1, Cell(335, 70, 115, 15), R},
      {FedTax, B2, Cell(459, 70, 115, 15), R},
      {SSWages, B3, Cell(335, 94, 115, 15), R},
      {SSTax, B4, Cell(459, 94, 115, 15), R},
      {MedWage, B5, Cell(335, 118, 115, 15), R},
      {MedTax, B6, Cell(459, 118, 115, 15), R},
      {SSTips, B7, Cell(335, 142, 115, 15), R},
      {AllocTips, B8, Cell(459, 142, 115, 15), R},
      {DepCare, B10, Cell(459, 166, 115, 15), R},
      {NonQualPlans, B11, Cell(335, 189, 115, 15), R},
      {Box12aCode, B12a, Cell(460, 189, 30, 15), M},
      {Box12aAmount, B12a, Cell(491, 189, 83, 15), R},
      {Box12bCode, B12b, Cell(460, 214, 30, 15), M},
      {Box12bAmount, B12b, Cell(491, 214, 83, 15), R},
      {Box12cCode, B12c, Cell(460, 238, 30, 15), M},
      {Box12cAmount, B12c, Cell(491, 238, 83, 15), R},
      {Box12dCode, B12d, Cell(460, 262, 30, 15), M},
      {Box12dAmount, B12d, Cell(491, 262, 83, 15), R},
  };
  if (!box9Shaded) g.spots.push_back({AdvEIC, B9, Cell(335, 166, 115, 15), R});
  // Box 14 (14a): three label and amount lines; in 2026 closer together
  // above box 14b (U).
  const double lines14[3] = {box14b ? 236.0 : 238.0, box14b ? 247.0 : 250.0,
                             box14b ? 258.0 : 262.0};
  const W2Field labels[3] = {Box14aLabel, Box14bLabel, Box14cLabel};
  const W2Field amounts[3] = {Box14aAmount, Box14bAmount, Box14cAmount};
  for (int i = 0; i < 3; ++i) {
    g.spots.push_back({labels[i], B14, Cell(331, lines14[i], 40, 11), L});
    g.spots.push_back({amounts[i], B14, Cell(371, lines14[i], 82, 11), R});
  }
  if (box14b) {
    // The two codes side by side (U: the official form has two entry fields).
    g.spots.push_back({TipCode1, B14b, Cell(335, 276, 40, 12), L});
    g.spots.push_back({TipCode2, B14b, Cell(385, 276, 40, 12), L});
  }
  const double s1 = 300, s2 = 325;
  const W2Field line1[] = {ST1State,     ST1StateID,  ST1StateWage, ST1StateTax,
                           ST1LocalWage, ST1LocalTax, ST1LocName};
  const W2Field line2[] = {ST2State,     ST2StateID,  ST2StateWage, ST2StateTax,
                           ST2LocalWage, ST2LocalTax, ST2LocName};
  constexpr double kStateX[] = {38, 67, 196, 281, 360, 446, 528};
  constexpr double kStateW[] = {27, 126, 83, 77, 84, 78, 46};
  constexpr CellAlign kStateAlign[] = {M, L, R, R, R, R, L};
  for (int i = 0; i < 7; ++i) {
    g.spots.push_back({line1[i], static_cast<W2CurrentBox>(static_cast<int>(B15L1) + i),
                       Cell(kStateX[i], s1, kStateW[i], 12), kStateAlign[i]});
    g.spots.push_back({line2[i], static_cast<W2CurrentBox>(static_cast<int>(B15L2) + i),
                       Cell(kStateX[i], s2, kStateW[i], 12), kStateAlign[i]});
  }
  // The check boxes, measured at y 216 (V1), drawn 3 points lower and a
  // point shorter so that the two-line captions above them stay clear (U).
  g.checks = {{StatEmpl, B13, Cell(348, 219, 10, 10), M},
              {RetirePlan, B13, Cell(384, 219, 10, 10), M},
              {TPSickPay, B13, Cell(420, 219, 10, 10), M}};
  g.left = Col(kL);
  g.top = Line(kTop);
  g.right = Col(kR);
  g.bottom = Line(kBottom);
  return g;
}

}  // namespace

bool Uses2001W2Form(std::int32_t taxYear) { return taxYear > 0 && taxYear <= 2006; }

const W2FormGeometry& W2GeometryForYear(std::int32_t taxYear) {
  static const W2FormGeometry from2007 = Make("2007", false, false);
  static const W2FormGeometry from2011 = Make("2007", true, false);
  static const W2FormGeometry from2026 = Make("2026", true, true);
  if (taxYear > 0 && taxYear <= 2010) return from2007;
  if (taxYear > 0 && taxYear <= 2025) return from2011;
  return from2026;
}

FormPicture W2ScreenPictureForYear(std::int32_t taxYear) {
  FormPicture picture = W2FormPicture();
  if (Uses2001W2Form(taxYear)) return picture;
  const auto box = [&picture](W2Box id) -> FormBox& {
    return picture.boxes.at(static_cast<std::size_t>(id));
  };
  // Captions swapped in whole (std::string, not a pointer: g++ 12 at -O3
  // warns wrongly on assigning a literal here).
  const auto caption = [](FormBox& target, std::string text) { target.caption.swap(text); };
  for (FormBox& title : picture.titles)
    if (title.caption == "a Control number") caption(title, "a Employee's SSN");
  caption(box(W2Box::D), "d Control number");
  caption(box(W2Box::E), "e Employee's first name and initial     Last name          Suff.");
  const W2FormGeometry& form = W2GeometryForYear(taxYear);
  if (form.box9Shaded) caption(box(W2Box::B9), "9");
  if (form.box14b) {
    GridRect& b14 = box(W2Box::B14).rect;
    const double bottom = b14.line + b14.lines;
    constexpr double kSplit = 20;
    b14.lines = kSplit - b14.line;
    caption(box(W2Box::B14), "14a Other");
    picture.boxes.push_back(FormBox{GridRect{b14.col, kSplit, b14.cols, bottom - kSplit},
                                    "14b Treasury tipped occupation code(s)"});
  }
  return picture;
}

std::string LastFourOfSsn(const std::string& ssn) {
  std::string digits;
  for (const char c : ssn)
    if (c >= '0' && c <= '9') digits.push_back(c);
  if (digits.size() < 4) return ssn;
  return "XXX-XX-" + digits.substr(digits.size() - 4);
}

void W2StoreExtraText(W2Field field, W2Record& w2, const std::string& text) {
  switch (field) {
    case W2Field::Suffix:
      w2.Suffix = text;
      break;
    case W2Field::TipCode1:
      w2.TipCodes[0] = text;
      break;
    case W2Field::TipCode2:
      w2.TipCodes[1] = text;
      break;
    default:
      break;
  }
}

std::string W2ExtraText(W2Field field, const W2Record& w2) {
  switch (field) {
    case W2Field::Suffix:
      return w2.Suffix.Str();
    case W2Field::TipCode1:
      return w2.TipCodes[0].Str();
    case W2Field::TipCode2:
      return w2.TipCodes[1].Str();
    default:
      return {};
  }
}
