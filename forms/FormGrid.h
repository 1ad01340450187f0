#pragma once
// The grid on which the W-2 and W-3 forms are laid out, on paper and on
// screen alike: columns of 1/10 inch and lines of 1/6 inch, counted from 1 at
// the top-left corner of the form. A box's printed amount sits at its print
// position; the screens draw the same boxes and put each entry field in its box.

#include <string>
#include <vector>

// A rectangle on the grid: its top-left column and line (fractions allowed)
// and its size in columns and lines.
struct GridRect {
  double col = 1;
  double line = 1;
  double cols = 0;
  double lines = 0;
};

// One box of a form: its outline and the caption printed in its top-left
// corner ("1 Wages, tips, other compensation"). Texts are Windows-1252.
struct FormBox {
  GridRect rect;
  std::string caption;
};

// A whole form: its size on the grid, its boxes and its free-standing texts
// (titles), each placed by a rectangle of its own.
struct FormPicture {
  double cols = 0;
  double lines = 0;
  std::vector<FormBox> boxes;
  std::vector<FormBox> titles;  // drawn without an outline, in a larger bold type
};
