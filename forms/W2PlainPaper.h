#pragma once
// The Form W-2 drawn in full on plain paper: every box as a rectangle with its
// caption, and the items of the records inside them. Two arrangements: the
// 2001 one (the W-2 screen's) for tax years up to 2006, and the current IRS
// one from 2007, which is the pre-printed run's geometry (forms/W2Geometry.h)
// with box 14a and 14b from 2026. Both are on the print grid (columns of 1/10 inch, lines of
// 1/6 inch); the plain-paper print run scales a form to the width of the paper.

#include <string>
#include <vector>

#include "forms/FormGrid.h"
#include "forms/W2FormPicture.h"
#include "forms/W2Geometry.h"

// How an item is printed in its rectangle: text from the left, an amount
// right-aligned, or a check box that shows an X.
enum class PlainItemKind { Text, Amount, Check, Centred };

// One item: the record field it shows (W2Field names the joined texts by their
// first field: FirstName is "first initial", Suite is the suite and street,
// AddrState and Country the address's last two lines, EmployerSuite the
// employer's suite and street, EmployerState the state and ZIP code), the box
// that holds it (an index into boxes) and the rectangle its text may fill.
struct PlainW2Item {
  W2Field field;
  PlainItemKind kind;
  int box;
  GridRect rect;
};

struct PlainW2Layout {
  const char* name;  // "2001", "2007" or "2026"
  // The form's outline on the grid; the footer (title, year, copy) lies
  // below `bottom`, down to `footerBottom`.
  double left = 1, top = 1, right = 0, bottom = 0, footerBottom = 0;
  std::vector<FormBox> boxes;
  std::vector<FormBox> labels;  // further captions inside boxes, without an outline
  std::vector<PlainW2Item> items;
  int shadedBox = -1;  // box 9 from 2011: shaded, nothing in it
};

// The arrangement of tax years up to 2006.
const PlainW2Layout& PlainW2Layout2001();
// The arrangement of 2007 to 2010 (box 9 Advance EIC payment).
const PlainW2Layout& PlainW2Layout2007();
// The arrangement for a file's tax year (0, not yet entered, takes the current one).
const PlainW2Layout& PlainW2LayoutForYear(int taxYear);
