#pragma once
// The Form W-2 of tax year 2001 as the W-2 screen shows it: its boxes with
// their captions, the titles, and the place of every entry field and label
// of the screen. Everything is on the print grid (columns of 1/10 inch,
// lines of 1/6 inch, counted from 1), so each field sits at the print
// position of its item on the paper form and inside the box that holds it.
// Below the form the picture leaves room for the navigation buttons and the
// screen's own buttons.

#include <optional>
#include <string_view>
#include <vector>

#include "forms/FormGrid.h"

// The picture that TFormCanvas draws behind the W-2 screen's fields.
const FormPicture& W2FormPicture();

// The grid rectangle of a component of the W-2 screen (`EditWages`,
// `CheckBoxVoid`, `LabelEmployerID`, `FrameFileNav1`, `PanelButtons`, ...).
// A zero rectangle for a name the picture does not know.
GridRect W2FieldRect(std::string_view component);

// The rectangle of the box that holds the component; none for the items that
// stand on the form outside any box (the tax year, the button rows) and for
// unknown names.
std::optional<GridRect> W2FieldBox(std::string_view component);

// Every component the picture places, in the screen's tab order, followed by
// the read-only labels and the button rows.
std::vector<std::string_view> W2FieldNames();
