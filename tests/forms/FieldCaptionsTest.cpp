// The names screen readers read for the W-2 and W-3 fields.

#include <gtest/gtest.h>

#include <set>

#include "forms/FieldCaptions.h"

namespace {

TEST(FieldCaptions, W2FieldsAreNamedByTheirBoxCaptions) {
  const std::pair<W2Field, const char*> cases[] = {
      {W2Field::Wages, "Box 1 Wages, tips, other compensation"},
      {W2Field::SocSecNum, "Box d Employee's social security number"},
      {W2Field::MedTax, "Box 6 Medicare tax withheld"},
      {W2Field::Box12cAmount, "Box 12c Amount"},
      {W2Field::Box12aCode, "Box 12a Code"},
      {W2Field::RetirePlan, "Box 13 Retirement plan"},
      {W2Field::Box14bAmount, "Box 14 Other, line 2 amount"},
      {W2Field::ST1StateID, "Box 15 Employer's state I.D. number, line 1"},
      {W2Field::ST2LocalTax, "Box 19 Local income tax, line 2"},
      {W2Field::ST2LocName, "Box 20 Locality name, line 2"},
  };
  for (const auto& [field, name] : cases) EXPECT_EQ(W2FieldCaption(field), name);
  // Every field of the screen has a name of its own.
  std::set<std::string> names;
  for (const W2LayoutRow& row : W2Layout()) {
    if (*row.widget == '\0') continue;
    EXPECT_TRUE(names.insert(W2FieldCaption(row.field)).second) << W2FieldCaption(row.field);
  }
}

TEST(FieldCaptions, W3WidgetsAreNamedByTheirBoxCaptions) {
  const std::pair<const char*, const char*> cases[] = {
      {"LabelWagesTips", "Box 1 Wages, tips, other compensation"},
      {"EditControlNum", "Box a Control number"},
      {"LabelW2Count", "Box c Total number of Forms W-2"},
      {"EditContact", "Contact person"},
      {"MaskEditFax", "Fax number"},
      {"EditStreet", "Box g Employer's street"},
      {"EditStateID", "Box 15 Employer's state ID number"},
      {"BitBtnOK", ""},
  };
  for (const auto& [widget, name] : cases) EXPECT_EQ(W3WidgetCaption(widget), name) << widget;
}

}  // namespace
