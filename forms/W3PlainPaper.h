#pragma once
// The Form W-3 drawn in full on plain paper, for the employer's records: every
// box as a rectangle with its caption, and the items of the record inside
// them. Two arrangements: the 2001 one (the W-3 screen's picture) for tax
// years up to 2006, and the current IRS one from 2007. On the print grid
// (columns of 1/10 inch, lines of 1/6 inch).

#include <optional>
#include <vector>

#include "forms/FormGrid.h"
#include "forms/W2PlainPaper.h"
#include "forms/W3FormPicture.h"

// What a W-3 item shows: a field of the record, or a text joined from several.
enum class PlainW3Text {
  Field,           // the item's W3Field
  KindOfPayer,     // the kind of payer and its third-party sick pay choice
  KindOfEmployer,  // from 2011
  SuiteAndStreet,  // the employer's address, line by line
  Town,
  StateAndZip,
};

// One item: what it shows (for PlainW3Text::Field its field; W3Field::Count
// otherwise), the box that holds it (an index into boxes) and the rectangle
// its text may fill.
struct PlainW3Item {
  PlainW3Text text;
  W3Field field;
  PlainItemKind kind;
  int box;
  GridRect rect;
};

struct PlainW3Layout {
  const char* name;  // "2001" or "2007"
  // The form's outline on the grid; the titles lie above `top`.
  double left = 1, top = 1, right = 0, bottom = 0;
  std::vector<FormBox> boxes;
  std::vector<PlainW3Item> items;
};

// The arrangement of tax years up to 2006.
const PlainW3Layout& PlainW3Layout2001();
// The arrangement from 2007 on; from 2011 box 9 is blank and box b is joined
// by the kind of employer.
const PlainW3Layout& PlainW3Layout2007();
// The arrangement for a file's tax year (0, not yet entered, takes the current one).
const PlainW3Layout& PlainW3LayoutForYear(int taxYear);

// Where the pre-printed run marks an X in box b of the current arrangement
// (from 2007): the check box of KindOfPayer 0 to 6, in the form's order 941,
// Military, 943, 944, CT-1, Hshld. emp., Medicare govt. emp., then the
// third-party sick pay box (`kindOfPayer` 7); and from 2011 the box of
// KindOfEmployer 1 to 5. None for other values and for the 2001 form.
// (U: the check boxes' places are not measured; they are spread evenly over
// the box's width below its caption.)
std::optional<GridRect> W3PayerMark(int taxYear, int kindOfPayer);
std::optional<GridRect> W3EmployerMark(int taxYear, int kindOfEmployer);
