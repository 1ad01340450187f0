#pragma once
// The mailing-label sheets: four label sizes, two labels across on an
// 8 1/2 x 11 inch sheet, placed on the print grid (6 lines to the inch).

#include <array>

struct LabelStyle {
  const char* item;     // the text the label dialog offers
  int topBottomMargin;  // hundredths of an inch
  int labelsPerSheet;
  int firstLine;  // the name line of the first label row
  int rowStep;    // lines from one label row to the next
};

inline constexpr std::array<LabelStyle, 4> kLabelStyles{{
    {"4\" x 1\",  2 across, 10 down, 20 per sheet", 50, 20, 2, 6},
    {"4\" x 1 1/3\",  2 across, 7 down, 14 per sheet", 83, 14, 3, 8},
    {"4\" x 1 1/2\",  2 across, 7 down, 14 per sheet", 25, 14, 4, 9},
    {"4\" x 2\",  2 across, 5 down, 10 per sheet", 50, 10, 4, 12},
}};

// Left and right margins of every style, hundredths of an inch.
inline constexpr int kLabelSideMargin = 25;
// The columns of the left and the right label (4.2 inches apart).
inline constexpr int kLabelLeftColumn = 2;
inline constexpr int kLabelRightColumn = 44;
