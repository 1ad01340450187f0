#pragma once
// What a screen reader reads for each field of the W-2 and W-3 screens: the
// caption of the field's box on the form ("Box 1 Wages, tips, other
// compensation"), and for a box of several fields which part of it the
// field is ("Box 12a Code", "Box 16 State wages, tips, etc., line 2").

#include <string>
#include <string_view>

#include "forms/W2FormPicture.h"
#include "forms/W3FormPicture.h"

// The name of a W-2 item, from its box's caption in the W-2 picture.
std::string W2FieldCaption(W2Field field);

// The name of the W-3 screen's widget `widget`: an item of the W-3 table is
// named from its box's caption in the W-3 picture, the employer's address
// lines and the tax year by their own names; empty for any other widget.
std::string W3WidgetCaption(std::string_view widget);
