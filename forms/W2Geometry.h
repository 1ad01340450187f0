#pragma once
// Where each value sits on the pre-printed Form W-2 of a tax year, and the
// boxes that hold them: one geometry per form generation, read by the
// pre-printed print run and by the plain-paper drawing alike, so that a
// plain-paper page laid over a pre-printed sheet matches box for box.
//
// Up to 2006 the form is the 2001 one, whose geometry is the W-2 table of
// W2FormPicture.h (the screen's too). From 2007 it is the current IRS
// arrangement (box a the employee's SSN, d the control number, e with the
// suffix column), with box 9 "Advance EIC payment" up to 2010 and shaded and
// empty from 2011; from 2026 box 14 is split into 14a "Other" and 14b
// "Treasury Tipped Occupation Code(s)".
//
// Positions are on the print grid (columns of 1/10 inch, lines of 1/6 inch,
// counted from 1), fractions allowed: the values of the IRS form measured in
// points from its template page's top-left corner, moved so that box b's
// EIN starts at column 2, line 3, where the 2001 form prints it, so that
// the line-up margins of one form hold for the other.

#include <cstdint>
#include <string>
#include <vector>

#include "data/W2Record.h"
#include "data/W3Record.h"
#include "forms/FormGrid.h"
#include "forms/W2FormPicture.h"

enum class CellAlign { Left, Centre, Right };

// The boxes of the current arrangement, as indexes into W2FormGeometry::boxes.
enum class W2CurrentBox : int {
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
  B13,
  B14,   // 14a from 2026
  B14b,  // from 2026; zero-sized before
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
  Count
};

// One value: the item it shows (the joined texts by their first field as in
// W2Print: FirstName is "first initial", Suite the suite and street,
// AddrState and Country the address's last two lines, EmployerSuite the
// employer's suite and street), the cell it is printed in and how.
struct W2Spot {
  W2Field field;
  W2CurrentBox box;
  GridRect cell;
  CellAlign align;
};

struct W2FormGeometry {
  const char* name;  // "2007", "2011", "2026"
  const char* omb;   // "OMB No. 1545-0008"
  bool box9Shaded;   // box 9 is no longer used: shaded, nothing printed in it
  bool box14b;
  // The form's outline on the grid.
  double left = 1, top = 1, right = 0, bottom = 0;
  std::vector<FormBox> boxes;   // indexed by W2CurrentBox
  std::vector<FormBox> labels;  // further captions inside boxes, without an outline
  std::vector<W2Spot> spots;
  std::vector<W2Spot> checks;  // the three box 13 check boxes (cell = the square)
};

// True for the tax years printed on the 2001 form (up to 2006; a year not
// yet entered, 0, takes the current form).
bool Uses2001W2Form(std::int32_t taxYear);

// The geometry of the current arrangement for a tax year from 2007 (0 and a
// year after the last known one take the latest).
const W2FormGeometry& W2GeometryForYear(std::int32_t taxYear);

// The picture behind the W-2 screen for a tax year: the 2001 form's up to
// 2006; from 2007 the same grid captioned as the current form (box a the
// SSN, d the control number, e with the suffix, box 9 without a caption from
// 2011) and from 2026 box 14 split into 14a and 14b.
FormPicture W2ScreenPictureForYear(std::int32_t taxYear);
// Where the W-2 screen's fields of the current form lie on that picture.
inline constexpr GridRect kScreenSuffixRect{40.5, 13, 4.5, 1};
inline constexpr double kScreenLastNameCols = 19;
inline constexpr GridRect kScreenTipCodeRects[2] = {{46, 20.4, 8.5, 1}, {55, 20.4, 8.5, 1}};

// The SSN as the employee copies B, C and 2 may show it: "XXX-XX-1234" (the
// last four digits); an SSN with fewer digits is shown as it is. Never on
// Copy A or in the wage file.
std::string LastFourOfSsn(const std::string& ssn);

// The text of a value of the current arrangement, unformatted for amounts
// (use W2Amount): for the items that are not rows of the W-2 table, the
// suffix and the two box 14b codes.
std::string W2ExtraText(W2Field field, const W2Record& w2);
// Stores one of those items (cut to its capacity).
void W2StoreExtraText(W2Field field, W2Record& w2, const std::string& text);
