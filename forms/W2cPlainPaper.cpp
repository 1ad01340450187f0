#include "forms/W2cPlainPaper.h"

#include <cstddef>
#include <string>

#include "data/W2Record.h"

namespace {

// The sheet: 80 columns (8 inches) wide, boxes from line 1.
constexpr double kLeft = 1;
constexpr double kMid = 41;
constexpr double kRight = 81;
constexpr double kHalf = 20;  // columns of one money column

// Where an item's text lies inside its box: below the caption, clear of the edges.
constexpr double kBelowCaption = 1.0;
constexpr double kPad = 0.4;
constexpr double kTextLines = 1.0;

constexpr double kMoneyRowLines = 2.5;
constexpr double kBox14RowLines = 4.4;  // three lines of 14 (14a), then 14b
constexpr double kStateRowLines = 1.8;

const char* const kPreviously = "Previously reported";
const char* const kCorrect = "Correct information";

GridRect Rect(double col, double line, double cols, double lines) {
  return GridRect{col, line, cols, lines};
}

// The place of a text inside a box's rectangle, under its caption.
GridRect Inside(double col, double line, double cols) {
  return Rect(col + kPad, line + kBelowCaption, cols - 2 * kPad, kTextLines);
}

// The two column headings over the two halves of the form.
void ColumnHeadings(std::vector<FormBox>& labels, double line) {
  for (const double col : {kLeft, kMid}) {
    labels.push_back({Rect(col, line, kHalf, 1), kPreviously});
    labels.push_back({Rect(col + kHalf, line, kHalf, 1), kCorrect});
  }
}

// A box of two columns: its outline with the caption, and the line between the columns.
void TwoColumnBox(PlainW2cLayout& l, double col, double line, double lines,
                  const std::string& caption) {
  l.boxes.push_back({Rect(col, line, 2 * kHalf, lines), caption});
  // The line between the columns: a box of no width.
  l.boxes.push_back(
      {Rect(col + kHalf, line + kBelowCaption - 0.3, 0, lines - kBelowCaption + 0.3), ""});
}

void MoneyCells(PlainW2cLayout& l, std::size_t member, double col, double line) {
  for (const W2cColumn column : {W2cColumn::Previous, W2cColumn::Correct}) {
    const double c = column == W2cColumn::Previous ? col : col + kHalf;
    l.cells.push_back(
        {member, -1, column, PlainItemKind::Amount, Inside(c, line + 0.1, kHalf), GridRect{}});
  }
}

PlainW2cLayout MakeW2c() {
  PlainW2cLayout l;
  l.left = kLeft;
  l.top = 1;
  l.right = kRight;
  using H = W2cHead;
  const auto head = [&l](H what, PlainItemKind kind, GridRect rect) {
    l.heads.push_back({what, kind, rect});
  };
  // Boxes a to i.
  l.boxes.push_back({Rect(kLeft, 1, 40, 6), "a  Employer's name, address, and ZIP code"});
  head(H::EmployerName, PlainItemKind::Text, Inside(kLeft, 1.3, 40));
  head(H::EmployerStreet, PlainItemKind::Text, Inside(kLeft, 2.5, 40));
  head(H::EmployerTown, PlainItemKind::Text, Inside(kLeft, 3.7, 40));
  l.boxes.push_back({Rect(kLeft, 7, 40, 2), "b  Employer's Federal EIN"});
  head(H::EmployerEin, PlainItemKind::Text, Inside(kLeft, 7, 40));
  l.boxes.push_back({Rect(kMid, 1, 40, 2), "c  Tax year/Form corrected"});
  head(H::YearAndForm, PlainItemKind::Text, Inside(kMid, 1, 40));
  l.boxes.push_back({Rect(kMid, 3, 40, 2), "d  Employee's correct SSN"});
  head(H::CorrectSsn, PlainItemKind::Text, Inside(kMid, 3, 40));
  l.boxes.push_back({Rect(kMid, 5, 40, 2),
                     "e  Corrected SSN and/or name (Check this box and complete boxes f\nand/or g "
                     "if incorrect on form previously filed.)"});
  head(H::SsnOrNameCheck, PlainItemKind::Check, Rect(kRight - 3, 5.6, 1.2, 0.9));
  l.boxes.push_back({Rect(kMid, 7, 40, 2), "f  Employee's previously reported SSN"});
  head(H::PreviousSsn, PlainItemKind::Text, Inside(kMid, 7, 40));
  l.boxes.push_back({Rect(kLeft, 9, 40, 2), "g  Employee's previously reported name"});
  head(H::PreviousName, PlainItemKind::Text, Inside(kLeft, 9, 40));
  l.boxes.push_back(
      {Rect(kMid, 9, 40, 2), "h  Employee's first name and initial     Last name     Suff."});
  head(H::CorrectName, PlainItemKind::Text, Inside(kMid, 9, 40));
  l.boxes.push_back({Rect(kLeft, 11, 80, 3.4), "i  Employee's address and ZIP code"});
  head(H::AddressStreet, PlainItemKind::Text, Inside(kLeft, 11, 80));
  head(H::AddressTown, PlainItemKind::Text, Inside(kLeft, 12.2, 80));
  l.labels.push_back({Rect(kLeft, 14.6, 80, 1),
                      "Complete only the boxes being corrected: a box left blank in both columns "
                      "was reported correctly."});

  // The money boxes, two to a row.
  double line = 15.8;
  ColumnHeadings(l.labels, line);
  line += 1.2;
  struct Row {
    std::size_t left;
    const char* leftCaption;
    std::size_t right;
    const char* rightCaption;
  };
  constexpr std::size_t kNone = ~std::size_t{0};
  const Row rows[] = {
      {offsetof(W2Record, Wages), "1  Wages, tips, other compensation", offsetof(W2Record, FedTax),
       "2  Federal income tax withheld"},
      {offsetof(W2Record, SSWages), "3  Social security wages", offsetof(W2Record, SSTax),
       "4  Social security tax withheld"},
      {offsetof(W2Record, MedWage), "5  Medicare wages and tips", offsetof(W2Record, MedTax),
       "6  Medicare tax withheld"},
      {offsetof(W2Record, SSTips), "7  Social security tips", offsetof(W2Record, AllocTips),
       "8  Allocated tips"},
      {offsetof(W2Record, AdvEIC), "9", offsetof(W2Record, DepCare), "10  Dependent care benefits"},
      {offsetof(W2Record, NonQualPlans), "11  Nonqualified plans", kNone, "12a"},
      {kNone, "13  Statutory employee, retirement plan, third-party sick pay (left to right)",
       kNone, "12b"},
      {kNone, "14  Other", kNone, "12c"},
  };
  int box12Line = 0;
  for (const Row& row : rows) {
    const bool box14 = std::string(row.leftCaption).rfind("14", 0) == 0;
    const double lines = box14 ? kBox14RowLines : kMoneyRowLines;
    TwoColumnBox(l, kLeft, line, lines, row.leftCaption);
    TwoColumnBox(l, kMid, line, lines, row.rightCaption);
    if (row.left != kNone) MoneyCells(l, row.left, kLeft, line);
    if (row.right != kNone) {
      MoneyCells(l, row.right, kMid, line);
    } else {
      for (const W2cColumn column : {W2cColumn::Previous, W2cColumn::Correct}) {
        const double c = (column == W2cColumn::Previous ? kMid : kMid + kHalf) + kPad;
        const double top = line + kBelowCaption + 0.1;
        l.cells.push_back({offsetof(W2Record, Box12), box12Line, column, PlainItemKind::Amount,
                           Rect(c, top, 3, kTextLines),
                           Rect(c + 3.5, top, kHalf - 3.5 - 2 * kPad, kTextLines)});
      }
      ++box12Line;
    }
    if (std::string(row.leftCaption).rfind("13", 0) == 0) {
      const std::size_t checks[] = {offsetof(W2Record, StatEmpl), offsetof(W2Record, RetirePlan),
                                    offsetof(W2Record, TPSickPay)};
      for (const W2cColumn column : {W2cColumn::Previous, W2cColumn::Correct}) {
        const double c = column == W2cColumn::Previous ? kLeft : kLeft + kHalf;
        for (int i = 0; i < 3; ++i) {
          l.cells.push_back({checks[i], -1, column, PlainItemKind::Check,
                             Rect(c + 2 + 6.5 * i, line + 1.2, 1.2, 0.9), GridRect{}});
        }
      }
    }
    if (box14) {
      const std::pair<std::size_t, std::size_t> lines14[] = {
          {offsetof(W2Record, Box14aLabel), offsetof(W2Record, Box14aAmount)},
          {offsetof(W2Record, Box14bLabel), offsetof(W2Record, Box14bAmount)},
          {offsetof(W2Record, Box14cLabel), offsetof(W2Record, Box14cAmount)}};
      for (const W2cColumn column : {W2cColumn::Previous, W2cColumn::Correct}) {
        const double c = (column == W2cColumn::Previous ? kLeft : kLeft + kHalf) + kPad;
        double top = line + 0.8;
        for (const auto& [label, amount] : lines14) {
          l.cells.push_back(
              {label, -1, column, PlainItemKind::Text, Rect(c, top, 7, kTextLines), GridRect{}});
          l.cells.push_back({amount, -1, column, PlainItemKind::Amount,
                             Rect(c + 7.5, top, kHalf - 7.5 - 2 * kPad, kTextLines), GridRect{}});
          top += 0.85;
        }
        // Box 14b of 2026 on: the two tipped occupation codes, after their caption.
        l.labels.push_back({Rect(c, top, 3, kTextLines), "14b"});
        for (int i = 0; i < 2; ++i) {
          l.cells.push_back({offsetof(W2Record, TipCodes) + i * sizeof(ShortString<3>), -1, column,
                             PlainItemKind::Text, Rect(c + 3 + 4 * i, top, 3.5, kTextLines),
                             GridRect{}});
        }
      }
    }
    line += lines;
  }
  // Box 12d sits beside an empty box.
  l.boxes.push_back({Rect(kLeft, line, 2 * kHalf, kMoneyRowLines), ""});
  TwoColumnBox(l, kMid, line, kMoneyRowLines, "12d");
  for (const W2cColumn column : {W2cColumn::Previous, W2cColumn::Correct}) {
    const double c = (column == W2cColumn::Previous ? kMid : kMid + kHalf) + kPad;
    const double top = line + kBelowCaption + 0.1;
    l.cells.push_back({offsetof(W2Record, Box12), box12Line, column, PlainItemKind::Amount,
                       Rect(c, top, 3, kTextLines),
                       Rect(c + 3.5, top, kHalf - 3.5 - 2 * kPad, kTextLines)});
  }
  line += kMoneyRowLines + 0.4;

  // State and locality: a table of two lines, each previously reported and correct.
  l.labels.push_back({Rect(kLeft, line, 20, 1), "State and Locality Correction Information"});
  const double cellCols = 15;
  const double firstCell = 21;
  for (int i = 0; i < 4; ++i) {
    l.labels.push_back(
        {Rect(firstCell + i * cellCols, line, cellCols, 1), i % 2 == 0 ? kPreviously : kCorrect});
  }
  line += 1.1;
  struct StateRow {
    const char* caption;
    std::size_t line1, line2;
    PlainItemKind kind;
  };
  const StateRow stateRows[] = {
      {"15  State", offsetof(W2Record, ST1State), offsetof(W2Record, ST2State),
       PlainItemKind::Text},
      {"15  Employer's state ID number", offsetof(W2Record, ST1StateID),
       offsetof(W2Record, ST2StateID), PlainItemKind::Text},
      {"16  State wages, tips, etc.", offsetof(W2Record, ST1StateWage),
       offsetof(W2Record, ST2StateWage), PlainItemKind::Amount},
      {"17  State income tax", offsetof(W2Record, ST1StateTax), offsetof(W2Record, ST2StateTax),
       PlainItemKind::Amount},
      {"18  Local wages, tips, etc.", offsetof(W2Record, ST1LocalWage),
       offsetof(W2Record, ST2LocalWage), PlainItemKind::Amount},
      {"19  Local income tax", offsetof(W2Record, ST1LocalTax), offsetof(W2Record, ST2LocalTax),
       PlainItemKind::Amount},
      {"20  Locality name", offsetof(W2Record, ST1LocName), offsetof(W2Record, ST2LocName),
       PlainItemKind::Text},
  };
  for (const StateRow& row : stateRows) {
    l.boxes.push_back({Rect(kLeft, line, firstCell - kLeft, kStateRowLines), row.caption});
    for (int i = 0; i < 4; ++i) {
      const double c = firstCell + i * cellCols;
      l.boxes.push_back({Rect(c, line, cellCols, kStateRowLines), ""});
      l.cells.push_back({i < 2 ? row.line1 : row.line2, -1,
                         i % 2 == 0 ? W2cColumn::Previous : W2cColumn::Correct, row.kind,
                         Rect(c + kPad, line + 0.5, cellCols - 2 * kPad, kTextLines), GridRect{}});
    }
    line += kStateRowLines;
  }
  l.bottom = line;
  return l;
}

PlainW3cLayout MakeW3c() {
  PlainW3cLayout l;
  l.left = kLeft;
  l.top = 1;
  l.right = kRight;
  const auto one = [&l](W3cItem item, PlainItemKind kind, GridRect rect) {
    l.cells.push_back({item, W2cColumn::Correct, kind, rect});
  };
  l.boxes.push_back({Rect(kLeft, 1, 40, 2), "a  Tax year/Form corrected"});
  one(W3cItem::YearAndForm, PlainItemKind::Text, Inside(kLeft, 1, 40));
  l.boxes.push_back({Rect(kLeft, 3, 40, 6), "b  Employer's name, address, and ZIP code"});
  one(W3cItem::EmployerName, PlainItemKind::Text, Inside(kLeft, 3.3, 40));
  one(W3cItem::EmployerStreet, PlainItemKind::Text, Inside(kLeft, 4.5, 40));
  one(W3cItem::EmployerTown, PlainItemKind::Text, Inside(kLeft, 5.7, 40));
  l.boxes.push_back({Rect(kMid, 1, 40, 4), "c  Kind of Payer / Kind of Employer"});
  one(W3cItem::KindOfPayer, PlainItemKind::Text, Inside(kMid, 1, 40));
  one(W3cItem::KindOfEmployer, PlainItemKind::Text, Inside(kMid, 2.2, 40));
  l.boxes.push_back({Rect(kMid, 5, 20, 2), "d  Number of Forms W-2c"});
  one(W3cItem::W2cCount, PlainItemKind::Text, Inside(kMid, 5, 20));
  l.boxes.push_back({Rect(kMid + kHalf, 5, 20, 2), "e  Employer's Federal EIN"});
  one(W3cItem::EmployerEin, PlainItemKind::Text, Inside(kMid + kHalf, 5, 20));
  l.boxes.push_back({Rect(kMid, 7, 20, 2), "f  Establishment number"});
  one(W3cItem::Establishment, PlainItemKind::Text, Inside(kMid, 7, 20));
  l.boxes.push_back({Rect(kMid + kHalf, 7, 20, 2), "g  Employer's state ID number"});
  one(W3cItem::StateId, PlainItemKind::Text, Inside(kMid + kHalf, 7, 20));
  l.boxes.push_back({Rect(kLeft, 9, 40, 2), "h  Employer's originally reported Federal EIN"});
  l.boxes.push_back({Rect(kMid, 9, 40, 2), "i  Incorrect establishment number"});

  double line = 11.2;
  ColumnHeadings(l.labels, line);
  line += 1.2;
  struct Row {
    W3cItem left;
    const char* leftCaption;
    W3cItem right;
    const char* rightCaption;
  };
  using enum W3cItem;
  const Row rows[] = {
      {Box1, "1  Wages, tips, other compensation", Box2, "2  Federal income tax withheld"},
      {Box3, "3  Social security wages", Box4, "4  Social security tax withheld"},
      {Box5, "5  Medicare wages and tips", Box6, "6  Medicare tax withheld"},
      {Box7, "7  Social security tips", Box8, "8  Allocated tips"},
      {Box10, "10  Dependent care benefits", Box11, "11  Nonqualified plans"},
      {Box12a, "12a  Deferred compensation", Box16, "16  State wages, tips, etc."},
      {Box17, "17  State income tax", Box18, "18  Local wages, tips, etc."},
      {Box19, "19  Local income tax", Box19, ""},
  };
  for (const Row& row : rows) {
    for (const bool right : {false, true}) {
      const double col = right ? kMid : kLeft;
      const char* caption = right ? row.rightCaption : row.leftCaption;
      if (*caption == '\0') {
        l.boxes.push_back({Rect(col, line, 2 * kHalf, kMoneyRowLines), ""});
        continue;
      }
      l.boxes.push_back({Rect(col, line, 2 * kHalf, kMoneyRowLines), caption});
      l.boxes.push_back(
          {Rect(col + kHalf, line + kBelowCaption - 0.3, 0, kMoneyRowLines - kBelowCaption + 0.3),
           ""});
      for (const W2cColumn column : {W2cColumn::Previous, W2cColumn::Correct}) {
        const double c = column == W2cColumn::Previous ? col : col + kHalf;
        l.cells.push_back({right ? row.right : row.left, column, PlainItemKind::Amount,
                           Inside(c, line + 0.1, kHalf)});
      }
    }
    line += kMoneyRowLines;
  }
  l.boxes.push_back({Rect(kLeft, line, 80, 4), "Explain decreases here:"});
  line += 4;
  l.boxes.push_back({Rect(kLeft, line, 80, 2),
                     "Has an adjustment been made on an employment tax return filed with the "
                     "Internal Revenue Service?     Yes     No     If \"Yes,\" give date the "
                     "return was filed"});
  line += 2;
  l.boxes.push_back({Rect(kLeft, line, 40, 2), "Employer's contact person"});
  one(Contact, PlainItemKind::Text, Inside(kLeft, line, 40));
  l.boxes.push_back({Rect(kMid, line, 20, 2), "Employer's telephone number"});
  one(Phone, PlainItemKind::Text, Inside(kMid, line, 20));
  l.boxes.push_back({Rect(kMid + kHalf, line, 20, 2), "Employer's fax number"});
  one(Fax, PlainItemKind::Text, Inside(kMid + kHalf, line, 20));
  line += 2;
  l.boxes.push_back({Rect(kLeft, line, 40, 2), "Employer's email address"});
  one(EMail, PlainItemKind::Text, Inside(kLeft, line, 40));
  l.boxes.push_back({Rect(kMid, line, 40, 2), "Signature, title and date"});
  line += 2;
  l.bottom = line;
  return l;
}

}  // namespace

const PlainW2cLayout& PlainW2cLayout2026() {
  static const PlainW2cLayout layout = MakeW2c();
  return layout;
}

const PlainW3cLayout& PlainW3cLayout2026() {
  static const PlainW3cLayout layout = MakeW3c();
  return layout;
}
