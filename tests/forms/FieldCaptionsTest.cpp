// The names screen readers read for the W-2 and W-3 fields.

#include <gtest/gtest.h>

#include <set>

#include "forms/FieldCaptions.h"

TEST(FieldCaptions, FieldsAreNamedByTheirBoxCaptionsEachItsOwn) {
  const std::pair<W2Field, const char*> w2[] = {
      {W2Field::Wages, "Box 1 Wages, tips, other compensation"},
      {W2Field::SocSecNum, "Box d Employee's social security number"},
      {W2Field::Box12cAmount, "Box 12c Amount"},
      {W2Field::Box14bAmount, "Box 14 Other, line 2 amount"},
      {W2Field::ST2LocalTax, "Box 19 Local income tax, line 2"},
  };
  for (const auto& [field, name] : w2) EXPECT_EQ(W2FieldCaption(field), name);
  std::set<std::string> names;
  for (const W2LayoutRow& row : W2Layout()) {
    if (*row.widget == '\0') continue;
    EXPECT_TRUE(names.insert(W2FieldCaption(row.field)).second) << row.widget;
  }
  const std::pair<const char*, const char*> w3[] = {
      {"LabelW2Count", "Box c Total number of Forms W-2"},
      {"EditContact", "Contact person"},
      {"EditStreet", "Box g Employer's street"},
      {"BitBtnOK", ""},
  };
  for (const auto& [widget, name] : w3) EXPECT_EQ(W3WidgetCaption(widget), name) << widget;
}
