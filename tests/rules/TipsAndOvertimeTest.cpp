// The 2026 rules of box 12 TA, TP, TT and box 14b, each on both sides of
// its boundary and of 2026; the tipped occupation table; the $2,000 line.

#include <gtest/gtest.h>

#include <functional>

#include "rules/TippedOccupations.h"
#include "rules/TipsAndOvertime.h"
#include "rules/W2EditCheck.h"

namespace {

constexpr Currency D(double dollars) { return static_cast<Currency>(dollars * 10000 + 0.5); }

W2Record Tipped() {
  W2Record w2{};
  for (Box12Entry& entry : w2.Box12) entry.Code = ' ';
  w2.Wages = w2.SSWages = w2.MedWage = D(30000);
  w2.FedTax = D(1000);
  return w2;
}

void SetCode(W2Record& w2, int line, const char* code, Currency amount) {
  w2.Box12[line].Code = code[0];
  w2.Box12[line].Code2 = code[1];
  w2.Box12[line].Amount = amount;
}

struct RuleCase {
  const char* name;
  std::int32_t year;
  std::function<void(W2Record&)> edit;
  std::vector<std::string> expected;  // "E " or "W " and the text; empty: no finding
};

// clang-format off
const RuleCase kRules[] = {
  {"TpWithCodeIsFine2026", 2026, [](W2Record& w) { SetCode(w, 0, "TP", D(5000)); w.TipCodes[0] = "102"; }, {}},
  {"TpWithoutCodeRefused2026", 2026, [](W2Record& w) { SetCode(w, 0, "TP", D(0.01)); },
   {"E Box 14b needs a tipped occupation code when box 12 has code TP."}},
  {"TpZeroWithoutCodeIsFine2026", 2026, [](W2Record& w) { SetCode(w, 0, "TP", 0); }, {}},
  {"TpBefore2026Refused", 2025, [](W2Record& w) { SetCode(w, 0, "TP", D(5000)); },
   {"E Box 12 code TP does not exist before the 2026 form; for 2025 report the amount in box 14 or on a separate statement."}},
  {"TtBefore2026Refused", 2025, [](W2Record& w) { SetCode(w, 1, "TT", D(1)); },
   {"E Box 12 code TT does not exist before the 2026 form; for 2025 report the amount in box 14 or on a separate statement."}},
  {"Box14bBefore2026Refused", 2025, [](W2Record& w) { w.TipCodes[0] = "101"; },
   {"E Box 14b does not exist before the 2026 form; remove the tipped occupation codes."}},
  {"NegativeTtRefused", 2026, [](W2Record& w) { SetCode(w, 0, "TT", -D(1)); }, {"E Box 12 code TT cannot be negative."}},
  {"TaInTenthsOfCentRefused", 2026, [](W2Record& w) { SetCode(w, 0, "TA", D(100) + 10); },
   {"E Box 12 code TA must be in whole cents.", "W Box 12 code TA: Trump account contributions cannot be made before 4 July 2026."}},
  {"TaAt2500OnlyTheDateNote", 2026, [](W2Record& w) { SetCode(w, 0, "TA", D(2500)); },
   {"W Box 12 code TA: Trump account contributions cannot be made before 4 July 2026."}},
  {"TaAbove2500Verified", 2026, [](W2Record& w) { SetCode(w, 0, "TA", D(2500.01)); },
   {"W Box 12 code TA 2500.01 is more than 2,500.00; the excess is not excluded and belongs in box 1.",
    "W Box 12 code TA: Trump account contributions cannot be made before 4 July 2026."}},
  {"TpEqualToBox1IsFine", 2026, [](W2Record& w) { SetCode(w, 0, "TP", D(30000)); w.TipCodes[0] = "000"; }, {}},
  {"TpAboveBox1Verified", 2026, [](W2Record& w) { SetCode(w, 0, "TP", D(30000.01)); w.TipCodes[0] = "000"; },
   {"W Box 12 code TP 30000.01 is more than box 1 wages 30000.00; reported tips are part of box 1."}},
  {"TtAboveBox1Verified", 2026, [](W2Record& w) { SetCode(w, 3, "TT", D(30000.01)); },
   {"W Box 12 code TT 30000.01 is more than box 1 wages 30000.00; qualified overtime is part of box 1."}},
  {"Box7EqualToTpIsFine", 2026, [](W2Record& w) { SetCode(w, 0, "TP", D(800)); w.SSTips = D(800); w.TipCodes[0] = "101"; }, {}},
  {"Box7AboveTpVerified", 2026, [](W2Record& w) { SetCode(w, 0, "TP", D(800)); w.SSTips = D(800.01); w.TipCodes[0] = "101"; },
   {"W Box 7 social security tips 800.01 are more than box 12 code TP 800.00; they are part of the tips reported."}},
  {"CodeWithoutTpVerified", 2026, [](W2Record& w) { w.TipCodes[1] = "810"; },
   {"W Box 14b has a tipped occupation code but box 12 has no code TP amount."}},
  {"TwoDigitsRefused", 2026, [](W2Record& w) { SetCode(w, 0, "TP", D(10)); w.TipCodes[0] = "10"; },
   {"E Box 14b code \"10\" must be exactly three digits."}},
  {"CodeNotInTableRefused", 2026, [](W2Record& w) { SetCode(w, 0, "TP", D(10)); w.TipCodes[0] = "811"; },
   {"E Box 14b code 811 is not a Treasury tipped occupation code; use 000 for an occupation not on the list."}},
  {"TwoEqualCodesVerified", 2026, [](W2Record& w) { SetCode(w, 0, "TP", D(10)); w.TipCodes[0] = "101"; w.TipCodes[1] = "101"; },
   {"W Box 14b holds code 101 twice; one is enough."}},
  {"ListedAndNotListedIsFine", 2026, [](W2Record& w) { SetCode(w, 0, "TP", D(10)); w.TipCodes[0] = "510"; w.TipCodes[1] = "000"; }, {}},
};
// clang-format on

class TipRules : public testing::TestWithParam<RuleCase> {};

TEST_P(TipRules, FindsExactlyWhatTheRuleSays) {
  W2Record w2 = Tipped();
  GetParam().edit(w2);
  std::vector<std::string> got;
  for (const TipFinding& f : CheckTipsAndOvertime(w2, GetParam().year))
    got.push_back((f.error ? "E " : "W ") + f.text);
  EXPECT_EQ(got, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, TipRules, testing::ValuesIn(kRules),
                         [](const auto& row) { return std::string(row.param.name); });

// 71 codes from 2026, none before; the pick list's lines; an entry read by
// code or by the one title that is, begins with or holds the text.
TEST(TippedOccupations, TheTableOfTheYearAndEntriesByCodeOrTitle) {
  EXPECT_EQ(TippedOccupationsOfYear(2026).size(), 71u);
  EXPECT_EQ(TippedOccupationsOfYear(2027).size(), 71u);
  EXPECT_TRUE(TippedOccupationsOfYear(2025).empty() && TipCodeLinesOfYear(2025).empty());
  EXPECT_EQ(FindTippedOccupation("205", 2026)->title, "Dancers");
  EXPECT_EQ(FindTippedOccupation("810", 2026)->category, "Transportation and Delivery");
  EXPECT_EQ(FindTippedOccupation("000", 2026), nullptr);
  const std::vector<std::string> lines = TipCodeLinesOfYear(2026);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 2),
            (std::vector<std::string>{"000 Occupation not on the list", "101 Bartenders"}));
  EXPECT_EQ(TipCodeOfEntry(" 603 Barbers, Hairdressers, Hairstylists, and Cosmetologists", 2026),
            "603");
  EXPECT_EQ(TipCodeOfEntry("Bartend", 2026), "101");  // 104 holds "bartender" but later
  EXPECT_EQ(TipCodeOfEntry("valet", 2026), "801");
  EXPECT_EQ(TipCodeOfEntry("gambling", 2026), "gambling");  // four titles: the user chooses
  EXPECT_EQ(TipCodeOfEntry("bartenders", 2025), "bartenders");
}

// The line under 2,000.00 with no tax withheld, from 2026 only, in the edit
// check after the tip findings.
TEST(NoW2Required, TheLineAppearsUnder2000WithNoTaxFrom2026Only) {
  W2Record w2 = Tipped();
  w2.FedTax = 0;
  w2.Wages = w2.SSWages = w2.MedWage = D(1999.99);
  SetCode(w2, 0, "TP", D(300));
  const std::string line =
      "No tax was withheld and pay is under 2000.00: no W-2 is required for 2026 (it may still "
      "be given).";
  ReportLines lines;
  CheckW2Entries(w2, lines, false, 2026);
  EXPECT_EQ(std::vector<std::string>(lines.end() - 2, lines.end()),
            (std::vector<std::string>{
                "Box 14b needs a tipped occupation code when box 12 has code TP.", line}));
  EXPECT_EQ(NoW2RequiredLine(w2, 2025), "");
  w2.MedWage = D(2000);
  EXPECT_EQ(NoW2RequiredLine(w2, 2026), "");
  w2.MedWage = D(100), w2.MedTax = D(1.45);
  EXPECT_EQ(NoW2RequiredLine(w2, 2026), "");
  EXPECT_EQ(NoW2Threshold(2025), D(600));
}

}  // namespace
