// The W-2 and W-3 field tables: every item reaches a part of its record of its
// own, through the access its kind calls for, and each screen widget names
// one item.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "forms/W2FormPicture.h"
#include "forms/W3FormPicture.h"

namespace {

// Each item written with a value of its own, then every item read back: an
// access wired to another item's bytes reads a value that is not its own.
TEST(W2FieldTable, EveryItemReadsBackWhatWasWrittenToIt) {
  W2Record w2{};
  W3Record w3{};
  w3.Suite = "S", w3.Street = "ST", w3.EmployerEIN = "12-3456789";
  const auto own = [](const W2LayoutRow& row) { return static_cast<int>(row.field) + 1; };
  // Two letters of its own: the state fields hold no more.
  const auto text = [&own](const W2LayoutRow& row) {
    return std::string{static_cast<char>('a' + own(row) / 26),
                       static_cast<char>('A' + own(row) % 26)};
  };
  std::set<std::string> widgets;
  for (const W2LayoutRow& row : W2Layout()) {
    if (row.kind == W2FieldKind::Amount) W2SetAmount(row.field, w2, own(row) * kCurrencyScale);
    if (row.kind == W2FieldKind::Code) W2Box12Line(row.field, w2).Code = 'A' + own(row) % 26;
    if (row.kind == W2FieldKind::Text) W2StoreText(row.field, w2, text(row));
    if (*row.widget != '\0') {
      EXPECT_TRUE(widgets.insert(row.widget).second) << row.widget;
      EXPECT_EQ(W2RowOfWidget(row.widget), &row);
    }
  }
  for (const W2LayoutRow& row : W2Layout()) {
    SCOPED_TRACE(row.name);
    switch (row.kind) {
      case W2FieldKind::Amount:
        EXPECT_EQ(W2Amount(row.field, w2), own(row) * kCurrencyScale);
        break;
      case W2FieldKind::Code:
        EXPECT_EQ(W2Box12Line(row.field, w2).Code, 'A' + own(row) % 26);
        break;
      case W2FieldKind::Check: {
        W2Record one{};
        W2SetChecked(row.field, one, true);
        int checked = 0;
        for (const W2LayoutRow& other : W2Layout()) {
          if (other.kind == W2FieldKind::Check) checked += W2Checked(other.field, one) ? 1 : 0;
        }
        EXPECT_EQ(checked, 1);
        EXPECT_TRUE(W2Checked(row.field, one));
        break;
      }
      case W2FieldKind::Text:
        if (row.access.store == nullptr) continue;  // the control number, the employer's items
        EXPECT_EQ(W2Text(row.field, w2, w3), text(row));
        break;
    }
  }
  EXPECT_EQ(W2Text(W2Field::ControlNum, w2, w3), "");
  W2SetNumber(W2Field::ControlNum, w2, 17);
  EXPECT_EQ(W2Text(W2Field::ControlNum, w2, w3), "17");
  EXPECT_EQ(W2Text(W2Field::EmployerEIN, w2, w3), "12-3456789");
  EXPECT_EQ(EmployerSuiteAndStreet(w3), "S, ST");
  EXPECT_EQ(W2RowOfWidget("LabelEmployerID"), nullptr);
}

// The first name runs to the first comma, or else to the first blank.
TEST(W2FieldTable, FirstNameIsSplitFromTheMiddleInitial) {
  struct Case {
    const char* name;
    const char* typed;
    const char* first;
    const char* initial;
  };
  for (const Case& c : {Case{"blank", " John Q ", "John", "Q"},
                        Case{"comma first", "Mary,Ann Lee", "Mary", "Ann Lee"},
                        Case{"no initial", "Cher", "Cher", ""}}) {
    SCOPED_TRACE(c.name);
    W2Record w2{};
    W2StoreText(W2Field::FirstName, w2, c.typed);
    EXPECT_EQ(w2.FirstName.Str(), c.first);
    EXPECT_EQ(w2.MiddleInitial.Str(), c.initial);
    EXPECT_EQ(EmployeeFirstNameAndInitial(w2), std::string(c.first) + " " + c.initial);
  }
}

TEST(W3FieldTable, EveryAmountIsAMemberOfItsOwn) {
  W3Record w3{};
  std::set<std::string> widgets;
  for (const W3LayoutRow& row : W3Layout()) {
    EXPECT_TRUE(widgets.insert(row.widget).second) << row.widget;
    if (row.kind == W3FieldKind::Amount) {
      w3.*row.access.amount = (static_cast<int>(row.field) + 1) * kCurrencyScale;
    }
  }
  for (const W3LayoutRow& row : W3Layout()) {
    SCOPED_TRACE(row.name);
    if (row.kind == W3FieldKind::Amount) {
      EXPECT_EQ(W3Amount(row.field, w3), (static_cast<int>(row.field) + 1) * kCurrencyScale);
    } else {
      EXPECT_NE(row.access.text, nullptr);
    }
  }
  EXPECT_EQ(W3Text(W3Field::ControlNum, w3), "");
}

}  // namespace
