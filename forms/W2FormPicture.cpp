#include "forms/W2FormPicture.h"

#include <algorithm>
#include <array>
#include <string>

// The layout follows the W-2 print positions: the text of an item starts at
// column c and line l of the grid, and on screen the item's field has its
// top-left corner there and is one line tall. Each box begins 0.6 line above
// the first line printed in it, which leaves room for its caption. The top
// row prints on line 1, where no room is left above: the captions of its
// boxes stand beside the fields, as titles.

namespace {

// Where the rows of boxes begin and end.
constexpr double kTop = 1;
constexpr double kRowB = 2.4;    // b, 1, 2
constexpr double kRowC = 4.4;    // c, 3, 4
constexpr double kRow5 = 6.4;    // 5, 6
constexpr double kRow7 = 8.4;    // 7, 8
constexpr double kRowD = 10.4;   // d, 9, 10
constexpr double kRowE = 12.4;   // e, 11, 12a
constexpr double kRowF = 14.4;   // f, 13, 12b
constexpr double kRow14 = 16.4;  // 14, 12c
constexpr double kRow12d = 18.4;
constexpr double kState1 = 21.4;  // 15 to 20, line 1
constexpr double kState2 = 23.4;  // line 2
constexpr double kFormBottom = 25.4;

// The columns of the box edges.
constexpr double kLeft = 1;
constexpr double kVoidLeft = 30;
constexpr double kOfficialLeft = 38;
constexpr double kMid = 45.5;    // the left column of numbered boxes
constexpr double kRightCol = 64;  // the right column of numbered boxes
constexpr double kRight = 83;
constexpr double kStateEdges[] = {kLeft, 24, 37, 49, 62, 73, kRight};

constexpr double kPictureCols = 83;
constexpr double kPictureLines = 30;

// The box ids of the table below.
enum Box : int {
  BoxNone = -1,
  BoxA,
  BoxVoid,
  BoxOfficial,
  BoxB,
  BoxC,
  BoxD,
  BoxE,
  BoxF,
  Box1,
  Box2,
  Box3,
  Box4,
  Box5,
  Box6,
  Box7,
  Box8,
  Box9,
  Box10,
  Box11,
  Box12a,
  Box12b,
  Box12c,
  Box12d,
  Box13Stat,
  Box13Retire,
  Box13Sick,
  Box14,
  Box15L1,
  Box16L1,
  Box17L1,
  Box18L1,
  Box19L1,
  Box20L1,
  Box15L2,
  Box16L2,
  Box17L2,
  Box18L2,
  Box19L2,
  Box20L2,
  BoxCount
};

GridRect Span(double left, double top, double right, double bottom) {
  return GridRect{left, top, right - left, bottom - top};
}

std::vector<FormBox> MakeBoxes() {
  std::vector<FormBox> boxes(BoxCount);
  const auto set = [&](Box id, GridRect rect, std::string caption) { boxes[id] = FormBox{rect, std::move(caption)}; };
  set(BoxA, Span(kLeft, kTop, kVoidLeft, kRowB), "");
  set(BoxVoid, Span(kVoidLeft, kTop, kOfficialLeft, kRowB), "");
  set(BoxOfficial, Span(kOfficialLeft, kTop, kRight, kRowB), "For Official Use Only\nOMB No. 1545-0008");
  set(BoxB, Span(kLeft, kRowB, kMid, kRowC), "b Employer identification number");
  set(BoxC, Span(kLeft, kRowC, kMid, kRowD), "c Employer's name, address, and ZIP code");
  set(BoxD, Span(kLeft, kRowD, kMid, kRowE), "d Employee's social security number");
  set(BoxE, Span(kLeft, kRowE, kMid, kRowF), "e Employee's name (first, middle initial, last)");
  set(BoxF, Span(kLeft, kRowF, kMid, kState1), "f Employee's address and ZIP code");
  set(Box1, Span(kMid, kRowB, kRightCol, kRowC), "1 Wages, tips, other compensation");
  set(Box2, Span(kRightCol, kRowB, kRight, kRowC), "2 Federal income tax withheld");
  set(Box3, Span(kMid, kRowC, kRightCol, kRow5), "3 Social security wages");
  set(Box4, Span(kRightCol, kRowC, kRight, kRow5), "4 Social security tax withheld");
  set(Box5, Span(kMid, kRow5, kRightCol, kRow7), "5 Medicare wages and tips");
  set(Box6, Span(kRightCol, kRow5, kRight, kRow7), "6 Medicare tax withheld");
  set(Box7, Span(kMid, kRow7, kRightCol, kRowD), "7 Social security tips");
  set(Box8, Span(kRightCol, kRow7, kRight, kRowD), "8 Allocated tips");
  set(Box9, Span(kMid, kRowD, kRightCol, kRowE), "9 Advance EIC payment");
  set(Box10, Span(kRightCol, kRowD, kRight, kRowE), "10 Dependent care benefits");
  set(Box11, Span(kMid, kRowE, kRightCol, kRowF), "11 Nonqualified plans");
  set(Box12a, Span(kRightCol, kRowE, kRight, kRowF), "12a See instructions for box 12");
  set(Box12b, Span(kRightCol, kRowF, kRight, kRow14), "12b");
  set(Box12c, Span(kRightCol, kRow14, kRight, kRow12d), "12c");
  set(Box12d, Span(kRightCol, kRow12d, kRight, kState1), "12d");
  // Box 13 is three small boxes, one over each check box.
  set(Box13Stat, Span(kMid, kRowF, 51, kRow14), "13 Statutory");
  set(Box13Retire, Span(51, kRowF, 56, kRow14), "Retirement");
  set(Box13Sick, Span(56, kRowF, kRightCol, kRow14), "Third-party sick pay");
  set(Box14, Span(kMid, kRow14, kRightCol, kState1), "14 Other");
  const char* stateCaptions[] = {"15 State   Employer's state I.D. number",
                                 "16 State wages, tips, etc.",
                                 "17 State income tax",
                                 "18 Local wages, tips, etc.",
                                 "19 Local income tax",
                                 "20 Locality name"};
  for (int i = 0; i < 6; ++i) {
    const double left = kStateEdges[i];
    const double right = kStateEdges[i + 1];
    set(static_cast<Box>(Box15L1 + i), Span(left, kState1, right, kState2), stateCaptions[i]);
    set(static_cast<Box>(Box15L2 + i), Span(left, kState2, right, kFormBottom), "");
  }
  return boxes;
}

// A field one line tall, starting at its print position.
GridRect At(double col, double line, double cols) { return GridRect{col, line, cols, 1}; }

struct Placement {
  std::string_view component;
  GridRect rect;
  Box box;
};

// The fields of the screen in tab order, then the read-only labels and the
// button rows.
const std::array kPlacements = {
    Placement{"EditControlNum", At(2, 1, 12), BoxA},
    Placement{"CheckBoxVoid", At(31, 1, 2), BoxVoid},
    Placement{"MaskEditSocSecNum", At(2, 11, 13), BoxD},
    Placement{"EditFirstNameInitial", At(2, 13, 18), BoxE},
    Placement{"EditLastName", At(21, 13, 24), BoxE},
    Placement{"EditSuite", At(2, 15, 12), BoxF},
    Placement{"EditStreetPOB", At(15, 15, 30), BoxF},
    Placement{"EditCity", At(2, 16, 25), BoxF},
    Placement{"ComboBoxAddrState", At(2, 17, 21), BoxF},
    Placement{"MaskEditZip", At(24, 17, 11), BoxF},
    Placement{"EditPostCode", At(27, 18, 15), BoxF},
    Placement{"ComboBoxCountry", At(2, 18, 24), BoxF},
    Placement{"EditWages", At(47, 3, 14), Box1},
    Placement{"EditFedTax", At(65, 3, 14), Box2},
    Placement{"EditSSWages", At(47, 5, 14), Box3},
    Placement{"EditSSTax", At(65, 5, 14), Box4},
    Placement{"EditMedWage", At(47, 7, 14), Box5},
    Placement{"EditMedTax", At(65, 7, 14), Box6},
    Placement{"EditSSTips", At(47, 9, 14), Box7},
    Placement{"EditAllocTips", At(65, 9, 14), Box8},
    Placement{"EditAdvEIC", At(47, 11, 14), Box9},
    Placement{"EditDepCare", At(65, 11, 14), Box10},
    Placement{"EditNonQualPlans", At(47, 13, 14), Box11},
    Placement{"Edit12a_code", At(65, 13, 3), Box12a},
    Placement{"Edit12a_amount", At(70, 13, 12), Box12a},
    Placement{"Edit12b_code", At(65, 15, 3), Box12b},
    Placement{"Edit12b_amount", At(70, 15, 12), Box12b},
    Placement{"Edit12c_code", At(65, 17, 3), Box12c},
    Placement{"Edit12c_amount", At(70, 17, 12), Box12c},
    Placement{"Edit12d_code", At(65, 19, 3), Box12d},
    Placement{"Edit12d_amount", At(70, 19, 12), Box12d},
    Placement{"CheckBoxStatEmpl", At(47, 15, 2), Box13Stat},
    Placement{"CheckBoxRetirePlan", At(52, 15, 2), Box13Retire},
    Placement{"CheckBoxTPSickPay", At(57, 15, 2), Box13Sick},
    Placement{"Edit14a_label", At(46, 17, 7.5), Box14},
    Placement{"Edit14a_amount", At(54, 17, 9.5), Box14},
    Placement{"Edit14b_label", At(46, 18, 7.5), Box14},
    Placement{"Edit14b_amount", At(54, 18, 9.5), Box14},
    Placement{"Edit14c_label", At(46, 19, 7.5), Box14},
    Placement{"Edit14c_amount", At(54, 19, 9.5), Box14},
    Placement{"ComboBoxST1State", At(2, 22, 3.8), Box15L1},
    Placement{"EditST1StateID", At(6, 22, 17.5), Box15L1},
    Placement{"EditST1StateWage", At(25, 22, 11.5), Box16L1},
    Placement{"EditST1StateTax", At(38, 22, 10.5), Box17L1},
    Placement{"EditST1LocalWage", At(50, 22, 11.5), Box18L1},
    Placement{"EditST1LocalTax", At(63, 22, 9.5), Box19L1},
    Placement{"EditST1LocName", At(74, 22, 8.5), Box20L1},
    Placement{"ComboBoxST2State", At(2, 24, 3.8), Box15L2},
    Placement{"EditST2StateID", At(6, 24, 17.5), Box15L2},
    Placement{"EditST2StateWage", At(25, 24, 11.5), Box16L2},
    Placement{"EditST2StateTax", At(38, 24, 10.5), Box17L2},
    Placement{"EditST2LocalWage", At(50, 24, 11.5), Box18L2},
    Placement{"EditST2LocalTax", At(63, 24, 9.5), Box19L2},
    Placement{"EditST2LocName", At(74, 24, 8.5), Box20L2},
    Placement{"FrameFileNav1", GridRect{1, 28, 54, 2.5}, BoxNone},
    Placement{"PanelButtons", GridRect{56, 28, 27, 2.5}, BoxNone},
    // The read-only items: the tax year beside the titles, the employer block.
    Placement{"Label3", GridRect{37, 25.7, 9, 1.6}, BoxNone},
    Placement{"LabelEmployerID", At(2, 3, 25), BoxB},
    Placement{"LabelEmployerName", At(2, 5, 43), BoxC},
    Placement{"LabelEmployerAddress1", At(2, 6, 20), BoxC},
    Placement{"LabelEmployerAddress2", At(23, 6, 22), BoxC},
    Placement{"LabelEmployerAddress3", At(2, 7, 43), BoxC},
    Placement{"LabelEmployerAddress4", At(2, 8, 43), BoxC},
    Placement{"LabelForeign", At(2, 19, 32), BoxF},
};

const Placement* Find(std::string_view component) {
  const auto it = std::find_if(kPlacements.begin(), kPlacements.end(),
                               [&](const Placement& p) { return p.component == component; });
  return it == kPlacements.end() ? nullptr : &*it;
}

FormPicture MakePicture() {
  FormPicture picture;
  picture.cols = kPictureCols;
  picture.lines = kPictureLines;
  picture.boxes = MakeBoxes();
  // The captions of the top row, beside their fields.
  picture.titles.push_back(FormBox{GridRect{15, 1.1, 14, 0.8}, "a Control number"});
  picture.titles.push_back(FormBox{GridRect{33.5, 1.1, 4, 0.8}, "Void"});
  picture.titles.push_back(FormBox{GridRect{2, 25.6, 6, 2}, "W-2"});
  picture.titles.push_back(FormBox{GridRect{9, 25.9, 27, 1.4}, "Wage and Tax Statement"});
  picture.titles.push_back(FormBox{GridRect{48, 25.9, 35, 0.8}, "Department of the Treasury - Internal Revenue Service"});
  return picture;
}

}  // namespace

const FormPicture& W2FormPicture() {
  static const FormPicture picture = MakePicture();
  return picture;
}

GridRect W2FieldRect(std::string_view component) {
  const Placement* p = Find(component);
  return p ? p->rect : GridRect{0, 0, 0, 0};
}

std::optional<GridRect> W2FieldBox(std::string_view component) {
  const Placement* p = Find(component);
  if (!p || p->box == BoxNone) return std::nullopt;
  return W2FormPicture().boxes[static_cast<std::size_t>(p->box)].rect;
}

std::vector<std::string_view> W2FieldNames() {
  std::vector<std::string_view> names;
  names.reserve(kPlacements.size());
  for (const Placement& p : kPlacements) names.push_back(p.component);
  return names;
}
