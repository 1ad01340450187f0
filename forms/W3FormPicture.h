#pragma once
// The Form W-3 as the W-3 screen draws it: the boxes and captions of the W-3
// of tax year 2001, and the place of every control of the screen.
//
// The picture is laid out on the print grid of the W-3 print run, moved right
// by kW3PictureColOffset columns and down by kW3PictureLineOffset lines to
// leave a border and room above the form for the screen's title: an item
// printed at column c and line l lies at column c + kW3PictureColOffset and
// line l + kW3PictureLineOffset of the picture. An entry field or total sits
// where its value is printed, inside the box it fills.

#include <string_view>
#include <vector>

#include "forms/FormGrid.h"

inline constexpr double kW3PictureColOffset = 1;
inline constexpr double kW3PictureLineOffset = 3;

// The grid rectangle of the picture that holds a print position: `cols`
// columns wide from print column `col`, on print line `line`.
GridRect W3PrintCell(double col, double line, double cols);

// The W-3 form: its size, its boxes with their captions and its title.
const FormPicture& W3FormPicture();

// Where a control of the W-3 screen lies on the picture. `control` is the
// control's name on the screen ("EditControlNum", "LabelWagesTips", ...).
struct W3ControlPlace {
  std::string_view control;
  GridRect rect;
};

// Every control of the screen that lies on the picture, in tab order where it
// has one.
const std::vector<W3ControlPlace>& W3ControlPlaces();

// The place of the named control; throws std::out_of_range for a name that
// has none.
GridRect W3ControlRect(std::string_view control);
