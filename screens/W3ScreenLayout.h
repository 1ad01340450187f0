#pragma once
// Where each control of the W-3 screen lies on the W-3 picture: the entry
// fields and the totals at the print positions of their items (the rows of
// the W-3 layout), the screen's own controls (the tax year, the buttons, the
// captions and the address lines) in places of their own.

#include <optional>
#include <string_view>
#include <vector>

#include "forms/FormGrid.h"
#include "forms/W3FormPicture.h"

// `control` is the control's name on the screen ("EditControlNum",
// "LabelWagesTips", ...); `field` the item of the W-3 it shows at its print
// position, if any.
struct W3ControlPlace {
  std::string_view control;
  GridRect rect;
  std::optional<W3Field> field;
};

// Every control of the screen that lies on the picture, in tab order where it
// has one.
const std::vector<W3ControlPlace>& W3ControlPlaces();

// The place of the named control; throws std::out_of_range for a name that
// has none.
GridRect W3ControlRect(std::string_view control);
