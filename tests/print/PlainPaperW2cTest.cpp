// The W-2c's places for the corrected fields, and how corrections are
// spread over W-2c forms.

#include <gtest/gtest.h>

#include "print/PlainPaperW2c.h"

namespace {

TEST(PlainPaperW2c, EveryCorrectedFieldHasOnePlaceInEachColumnAndTheFormFitsTheLetterPage) {
  const PlainW2cLayout& layout = PlainW2cLayout2026();
  const auto count = [&layout](std::size_t member, W2cColumn column) {
    return std::count_if(layout.cells.begin(), layout.cells.end(), [&](const W2cCell& cell) {
      return cell.member == member && cell.column == column;
    });
  };
  for (const ComparedW2Field& f : ComparedW2Fields()) {
    if (f.scope == ItemScope::Identity || f.scope == ItemScope::Address) continue;
    SCOPED_TRACE(f.caption);
    EXPECT_EQ(count(f.member, W2cColumn::Previous), 1);
    EXPECT_EQ(count(f.member, W2cColumn::Correct), 1);
  }
  EXPECT_EQ(count(offsetof(W2Record, Box12), W2cColumn::Previous), 4);
  EXPECT_EQ(count(offsetof(W2Record, Box12), W2cColumn::Correct), 4);
  // 8 inches wide; with the footer (two lines) within 10 inches of the top margin.
  for (const FormBox& box : layout.boxes) {
    EXPECT_GE(box.rect.col, layout.left);
    EXPECT_LE(box.rect.col + box.rect.cols, layout.right + 1e-9);
    EXPECT_LE(box.rect.line + box.rect.lines, layout.bottom + 1e-9);
  }
  EXPECT_LE(layout.right - layout.left, 80);
  EXPECT_LE(layout.bottom + 2 - layout.top, 60);
}

TEST(PlainPaperW2c, MoreThanFourBox12CorrectionsGoOnASecondW2cWithOnlyThose) {
  W2Record filed{}, now{};
  filed.SocSecNum = now.SocSecNum = "234-56-7890";
  filed.LastName = now.LastName = "PUBLIC";
  const char filedCodes[] = {'A', 'B', 'C', 'D'};
  const char nowCodes[] = {'E', 'F', 'G', 'H'};
  for (int i = 0; i < 4; ++i) {
    filed.Box12[i] = {filedCodes[i], 0, {}, 100 * kCurrencyScale};
    now.Box12[i] = {nowCodes[i], 0, {}, 100 * kCurrencyScale};
  }
  now.Wages = 5 * kCurrencyScale;
  const std::vector<EmployeeCorrection> found =
      FindCorrections(MakeFiledCopy({}, {filed}, FilingMethod::Paper, 46000), {now});
  ASSERT_EQ(found.size(), 1u);
  const std::vector<W2cForm> forms = W2cForms(found[0]);
  ASSERT_EQ(forms.size(), 2u);
  EXPECT_EQ(forms[0].items.size(), 5u);  // box 1 and codes A to D
  ASSERT_EQ(forms[1].items.size(), 4u);  // codes E to H
  const W2cCell line0{offsetof(W2Record, Box12), 0,  W2cColumn::Correct,
                      PlainItemKind::Amount,     {}, {}};
  EXPECT_EQ(W2cCellText(line0, forms[1], true), "E");
  EXPECT_EQ(W2cCellText(line0, forms[1]), "100.00");
  const W2cCell previous{offsetof(W2Record, Box12), 0,  W2cColumn::Previous,
                         PlainItemKind::Amount,     {}, {}};
  EXPECT_EQ(W2cCellText(previous, forms[1]), "0.00");
  const W2cCell box1{offsetof(W2Record, Wages), -1, W2cColumn::Correct,
                     PlainItemKind::Amount,     {}, {}};
  EXPECT_EQ(W2cCellText(box1, forms[0]), "5.00");
  EXPECT_EQ(W2cCellText(box1, forms[1]), "");
}

}  // namespace
