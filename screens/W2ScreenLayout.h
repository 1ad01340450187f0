#pragma once
// Where each component of the W-2 screen sits on the W-2 picture: the entry
// fields and the employer block at the print positions of their items (the
// rows of the W-2 layout), and the screen's own parts (the tax year, the
// foreign-address caption and the two button rows) in places of their own.

#include <optional>
#include <string_view>
#include <vector>

#include "forms/FormGrid.h"
#include "forms/W2FormPicture.h"

// The item of the W-2 that a component shows; none for the screen's own parts
// and for unknown names.
std::optional<W2Field> W2FieldOfComponent(std::string_view component);

// The grid rectangle of a component of the W-2 screen (`EditWages`,
// `CheckBoxVoid`, `LabelEmployerID`, `FrameFileNav1`, `PanelButtons`, ...).
// A zero rectangle for a name the screen does not know.
GridRect W2FieldRect(std::string_view component);

// The rectangle of the box that holds the component; none for the items that
// stand on the form outside any box (the tax year, the button rows) and for
// unknown names.
std::optional<GridRect> W2FieldBox(std::string_view component);

// Every component the screen places, in its tab order, followed by the
// read-only labels and the button rows.
std::vector<std::string_view> W2FieldNames();
