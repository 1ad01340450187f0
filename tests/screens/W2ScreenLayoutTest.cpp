// The W-2 screen's components on the W-2 picture: every field of the screen
// has its place, sits at the print position of its item, inside the box that
// carries the item's caption, and no two fields or boxes overlap.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "screens/W2ScreenLayout.h"
#include "tests/support/GridGeometry.h"

namespace {

// The whole form, as one rectangle on the grid.
GridRect PictureRect() {
  const FormPicture& p = W2FormPicture();
  return GridRect{1, 1, p.cols, p.lines};
}

// The caption of the box that holds the component.
std::string CaptionOfBox(std::string_view component) {
  const std::optional<GridRect> box = W2FieldBox(component);
  if (!box) return "<no box>";
  for (const FormBox& b : W2FormPicture().boxes) {
    if (b.rect.col == box->col && b.rect.line == box->line && b.rect.cols == box->cols &&
        b.rect.lines == box->lines)
      return b.caption;
  }
  return "<box not in the picture>";
}

// The components of the W-2 screen, in its tab order, then the read-only
// labels and the two button rows.
const std::vector<std::string> kComponents = {
    "EditControlNum",
    "CheckBoxVoid",
    "MaskEditSocSecNum",
    "EditFirstNameInitial",
    "EditLastName",
    "EditSuite",
    "EditStreetPOB",
    "EditCity",
    "ComboBoxAddrState",
    "MaskEditZip",
    "EditPostCode",
    "ComboBoxCountry",
    "EditWages",
    "EditFedTax",
    "EditSSWages",
    "EditSSTax",
    "EditMedWage",
    "EditMedTax",
    "EditSSTips",
    "EditAllocTips",
    "EditAdvEIC",
    "EditDepCare",
    "EditNonQualPlans",
    "Edit12a_code",
    "Edit12a_amount",
    "Edit12b_code",
    "Edit12b_amount",
    "Edit12c_code",
    "Edit12c_amount",
    "Edit12d_code",
    "Edit12d_amount",
    "CheckBoxStatEmpl",
    "CheckBoxRetirePlan",
    "CheckBoxTPSickPay",
    "Edit14a_label",
    "Edit14a_amount",
    "Edit14b_label",
    "Edit14b_amount",
    "Edit14c_label",
    "Edit14c_amount",
    "ComboBoxST1State",
    "EditST1StateID",
    "EditST1StateWage",
    "EditST1StateTax",
    "EditST1LocalWage",
    "EditST1LocalTax",
    "EditST1LocName",
    "ComboBoxST2State",
    "EditST2StateID",
    "EditST2StateWage",
    "EditST2StateTax",
    "EditST2LocalWage",
    "EditST2LocalTax",
    "EditST2LocName",
    "FrameFileNav1",
    "PanelButtons",
    "Label3",
    "LabelEmployerID",
    "LabelEmployerName",
    "LabelEmployerAddress1",
    "LabelEmployerAddress2",
    "LabelEmployerAddress3",
    "LabelEmployerAddress4",
    "LabelForeign",
    "LabelSuite",
    "LabelStreetPOB",
    "LabelCity",
    "LabelAddrState",
    "LabelZip",
};

TEST(W2ScreenLayout, KnowsEveryComponentOfTheScreenAndNothingElse) {
  for (const std::string& name : kComponents) {
    const GridRect r = W2FieldRect(name);
    EXPECT_GT(r.cols, 0) << name;
    EXPECT_GT(r.lines, 0) << name;
  }
  const std::vector<std::string_view> listed = W2FieldNames();
  EXPECT_EQ(std::vector<std::string>(listed.begin(), listed.end()), kComponents);

  for (const char* unknown : {"", "EditWage", "editwages", "BitBtnNext", "Label4", "EditWages "}) {
    const GridRect r = W2FieldRect(unknown);
    EXPECT_EQ(r.col, 0) << unknown;
    EXPECT_EQ(r.line, 0) << unknown;
    EXPECT_EQ(r.cols, 0) << unknown;
    EXPECT_EQ(r.lines, 0) << unknown;
    EXPECT_FALSE(W2FieldBox(unknown).has_value()) << unknown;
  }
}

// The top-left corner of each field is the print position of its item on the
// paper W-2 (column, line).
struct PrintPosition {
  const char* component;
  double col;
  double line;
  const char* caption;  // the caption of the box that holds it
};

const PrintPosition kPrintPositions[] = {
    {"EditControlNum", 2, 1, ""},  // captions of the top row stand beside the fields
    {"CheckBoxVoid", 31, 1, ""},
    {"LabelEmployerID", 2, 3, "b Employer identification number"},
    {"LabelEmployerName", 2, 5, "c Employer's name, address, and ZIP code"},
    {"LabelEmployerAddress1", 2, 6, "c Employer's name, address, and ZIP code"},
    {"LabelEmployerAddress3", 2, 7, "c Employer's name, address, and ZIP code"},
    {"LabelEmployerAddress4", 2, 8, "c Employer's name, address, and ZIP code"},
    {"MaskEditSocSecNum", 2, 11, "d Employee's social security number"},
    {"EditFirstNameInitial", 2, 13, "e Employee's name (first, middle initial, last)"},
    {"EditLastName", 21, 13, "e Employee's name (first, middle initial, last)"},
    {"EditSuite", 2, 15, "f Employee's address and ZIP code"},
    {"EditCity", 2, 16, "f Employee's address and ZIP code"},
    {"ComboBoxAddrState", 2, 17, "f Employee's address and ZIP code"},
    {"ComboBoxCountry", 2, 18, "f Employee's address and ZIP code"},
    {"EditWages", 47, 3, "1 Wages, tips, other compensation"},
    {"EditFedTax", 65, 3, "2 Federal income tax withheld"},
    {"EditSSWages", 47, 5, "3 Social security wages"},
    {"EditSSTax", 65, 5, "4 Social security tax withheld"},
    {"EditMedWage", 47, 7, "5 Medicare wages and tips"},
    {"EditMedTax", 65, 7, "6 Medicare tax withheld"},
    {"EditSSTips", 47, 9, "7 Social security tips"},
    {"EditAllocTips", 65, 9, "8 Allocated tips"},
    {"EditAdvEIC", 47, 11, "9 Advance EIC payment"},
    {"EditDepCare", 65, 11, "10 Dependent care benefits"},
    {"EditNonQualPlans", 47, 13, "11 Nonqualified plans"},
    {"Edit12a_code", 65, 13, "12a See instructions for box 12"},
    {"Edit12a_amount", 70, 13, "12a See instructions for box 12"},
    {"Edit12b_code", 65, 15, "12b"},
    {"Edit12b_amount", 70, 15, "12b"},
    {"Edit12c_code", 65, 17, "12c"},
    {"Edit12c_amount", 70, 17, "12c"},
    {"Edit12d_code", 65, 19, "12d"},
    {"Edit12d_amount", 70, 19, "12d"},
    {"CheckBoxStatEmpl", 47, 15, "13 Statutory"},
    {"CheckBoxRetirePlan", 52, 15, "Retirement"},
    {"CheckBoxTPSickPay", 57, 15, "Third-party sick pay"},
    {"Edit14a_label", 46, 17, "14 Other"},
    {"Edit14a_amount", 54, 17, "14 Other"},
    {"Edit14b_label", 46, 18, "14 Other"},
    {"Edit14b_amount", 54, 18, "14 Other"},
    {"Edit14c_label", 46, 19, "14 Other"},
    {"Edit14c_amount", 54, 19, "14 Other"},
    {"ComboBoxST1State", 2, 22, "15 State   Employer's state I.D. number"},
    {"EditST1StateID", 6, 22, "15 State   Employer's state I.D. number"},
    {"EditST1StateWage", 25, 22, "16 State wages, tips, etc."},
    {"EditST1StateTax", 38, 22, "17 State income tax"},
    {"EditST1LocalWage", 50, 22, "18 Local wages, tips, etc."},
    {"EditST1LocalTax", 63, 22, "19 Local income tax"},
    {"EditST1LocName", 74, 22, "20 Locality name"},
    {"ComboBoxST2State", 2, 24, ""},  // line 2 repeats the columns of line 1 without captions
    {"EditST2StateID", 6, 24, ""},
    {"EditST2StateWage", 25, 24, ""},
    {"EditST2StateTax", 38, 24, ""},
    {"EditST2LocalWage", 50, 24, ""},
    {"EditST2LocalTax", 63, 24, ""},
    {"EditST2LocName", 74, 24, ""},
};

TEST(W2ScreenLayout, EachFieldStartsAtThePrintPositionOfItsItemInItsCaptionedBox) {
  for (const PrintPosition& p : kPrintPositions) {
    const GridRect r = W2FieldRect(p.component);
    EXPECT_EQ(r.col, p.col) << p.component;
    EXPECT_EQ(r.line, p.line) << p.component;
    EXPECT_EQ(r.lines, 1) << p.component << ": a field is one print line tall";
    EXPECT_EQ(CaptionOfBox(p.component), p.caption) << p.component;
  }
}

TEST(W2ScreenLayout, StateLineTwoSitsUnderLineOneColumnByColumn) {
  const char* columns[] = {"StateWage", "StateTax", "LocalWage", "LocalTax", "LocName", "StateID"};
  for (const char* c : columns) {
    const GridRect one = W2FieldRect(std::string("EditST1") + c);
    const GridRect two = W2FieldRect(std::string("EditST2") + c);
    const GridRect box1 = *W2FieldBox(std::string("EditST1") + c);
    const GridRect box2 = *W2FieldBox(std::string("EditST2") + c);
    EXPECT_EQ(two.col, one.col) << c;
    EXPECT_EQ(two.cols, one.cols) << c;
    EXPECT_EQ(box2.col, box1.col) << c;
    EXPECT_EQ(box2.cols, box1.cols) << c;
    EXPECT_EQ(box2.line, Bottom(box1)) << c << ": line 2 starts where line 1 ends";
  }
}

TEST(W2ScreenLayout, EveryFieldLiesInsideItsBoxAndInsideTheForm) {
  for (const std::string& name : kComponents) {
    const GridRect r = W2FieldRect(name);
    EXPECT_TRUE(Inside(r, PictureRect())) << name << " " << Describe(r);
    if (const std::optional<GridRect> box = W2FieldBox(name)) {
      EXPECT_TRUE(Inside(r, *box)) << name << " " << Describe(r) << " not in " << Describe(*box);
    }
  }
  // Only the tax year and the button rows stand outside the boxes.
  for (const std::string& name : kComponents) {
    const bool free = name == "Label3" || name == "FrameFileNav1" || name == "PanelButtons";
    EXPECT_EQ(W2FieldBox(name).has_value(), !free) << name;
  }
}

TEST(W2ScreenLayout, NoTwoFieldsOverlap) {
  for (std::size_t i = 0; i < kComponents.size(); ++i) {
    for (std::size_t j = i + 1; j < kComponents.size(); ++j) {
      const GridRect a = W2FieldRect(kComponents[i]);
      const GridRect b = W2FieldRect(kComponents[j]);
      EXPECT_FALSE(Overlap(a, b)) << kComponents[i] << " " << Describe(a) << " overlaps "
                                  << kComponents[j] << " " << Describe(b);
    }
  }
}

TEST(W2ScreenLayout, ShowsTheTitlesAndTheCaptionsOfTheTopRow) {
  const FormPicture& picture = W2FormPicture();
  std::vector<std::string> titles;
  for (const FormBox& t : picture.titles) titles.push_back(t.caption);
  for (const char* expected : {"W-2", "Wage and Tax Statement", "a Control number", "Void"})
    EXPECT_NE(std::find(titles.begin(), titles.end(), expected), titles.end()) << expected;

  // The top-row captions stand in the boxes they name, clear of the fields.
  const auto titleRect = [&](const char* caption) {
    return std::find_if(picture.titles.begin(), picture.titles.end(),
                        [&](const FormBox& t) { return t.caption == caption; })
        ->rect;
  };
  EXPECT_TRUE(Inside(titleRect("a Control number"), *W2FieldBox("EditControlNum")));
  EXPECT_TRUE(Inside(titleRect("Void"), *W2FieldBox("CheckBoxVoid")));
  EXPECT_FALSE(Overlap(titleRect("a Control number"), W2FieldRect("EditControlNum")));
  EXPECT_FALSE(Overlap(titleRect("Void"), W2FieldRect("CheckBoxVoid")));
  // The tax year stands beside the title.
  EXPECT_FALSE(Overlap(titleRect("Wage and Tax Statement"), W2FieldRect("Label3")));
  EXPECT_FALSE(Overlap(titleRect("W-2"), W2FieldRect("Label3")));
}

TEST(W2ScreenLayout, ButtonRowsStandBelowTheForm) {
  double formBottom = 0;
  for (const FormBox& box : W2FormPicture().boxes)
    formBottom = std::max(formBottom, Bottom(box.rect));
  for (const FormBox& title : W2FormPicture().titles)
    formBottom = std::max(formBottom, Bottom(title.rect));
  const GridRect nav = W2FieldRect("FrameFileNav1");
  const GridRect panel = W2FieldRect("PanelButtons");
  EXPECT_GE(nav.line, formBottom);
  EXPECT_GE(panel.line, formBottom);
  EXPECT_EQ(nav.line, panel.line);
  // Six buttons need room: the navigation row is the wider one.
  EXPECT_GT(nav.cols, panel.cols);
}

// An amount field shows the widest printed amount of its box, 99999.99.
TEST(W2ScreenLayout, AmountFieldsHoldAPrintedAmount) {
  for (const std::string& name : kComponents) {
    const bool amount = name.find("amount") != std::string::npos ||
                        (name.rfind("Edit", 0) == 0 && (name.find("Wage") != std::string::npos ||
                                                        name.find("Tax") != std::string::npos ||
                                                        name.find("Tips") != std::string::npos));
    if (!amount) continue;
    EXPECT_GE(W2FieldRect(name).cols, 9) << name;
  }
  EXPECT_GE(W2FieldRect("MaskEditSocSecNum").cols, 12);  // 999-99-9999
  EXPECT_GE(W2FieldRect("EditST1StateID").cols, 17);     // 16 characters
}

}  // namespace
