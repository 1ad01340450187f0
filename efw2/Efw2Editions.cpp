#include "efw2/Efw2Editions.h"

#include <algorithm>
#include <array>

#include "rules/Box12Codes.h"
#include "rules/TipsAndOvertime.h"

namespace {

// The positions of Efw2Layout.h hold from the first tax year Quillmar
// writes up to 2025 (the 2024 and 2025 editions agree on them). The tax
// year 2026 edition was not yet available: no SSA text gives a place to box
// 12 codes TA, TP, TT or to box 14b.
constexpr std::array<Efw2Edition, 1> kEditions = {{
    {1998, 2025, "Publication 42-007, tax year 2025"},
}};

const Efw2Edition& Latest() { return kEditions.back(); }

// The box 12 codes and box 14b entries of a W-2 that the latest layout cannot carry.
std::vector<std::string> NewEntries(const W2Record& w2) {
  std::vector<std::string> found;
  for (const Box12Entry& line : w2.Box12) {
    const std::string code = line.CodeText();
    if (code == "TA" || code == "TP" || code == "TT") found.push_back("box 12 code " + code);
  }
  if (!TipCodesOf(w2).empty()) found.push_back("box 14b");
  return found;
}

std::string Joined(const std::vector<std::string>& parts) {
  std::string text;
  for (std::size_t i = 0; i < parts.size(); ++i)
    text += (i == 0 ? "" : i + 1 == parts.size() ? " and " : ", ") + parts[i];
  return text;
}

}  // namespace

const Efw2Edition* Efw2EditionOfYear(std::int32_t taxYear) {
  const auto found = std::find_if(kEditions.begin(), kEditions.end(), [taxYear](const auto& e) {
    return e.firstYear <= taxYear && taxYear <= e.lastYear;
  });
  return found == kEditions.end() ? nullptr : &*found;
}

Efw2YearDecision DecideEfw2Year(std::int32_t taxYear, const std::vector<W2Record>& employees) {
  // A year before the first edition, or not a year, is refused by the wage file's own checks.
  if (taxYear <= Latest().lastYear || Efw2EditionOfYear(taxYear) != nullptr) return {};
  const std::string year = std::to_string(taxYear);
  const std::string missing = "The SSA's wage file layout for tax year " + year +
                              " (Publication 42-007 for tax year " + year +
                              ") is not available to Quillmar.";
  std::vector<std::string> carriers;
  for (const W2Record& w2 : employees) {
    const std::vector<std::string> entries = NewEntries(w2);
    if (entries.empty()) continue;
    if (carriers.size() < 5)
      carriers.push_back(w2.FirstName.Str() + " " + w2.LastName.Str() + " (" + Joined(entries) +
                         ")");
    else if (carriers.size() == 5)
      carriers.push_back("others");
  }
  if (!carriers.empty()) {
    return {Efw2YearDecision::Kind::Refuse,
            missing +
                " It has no known place for box 12 codes TA, TP and TT or for the box 14b "
                "tipped occupation codes, which these W-2s carry: " +
                Joined(carriers) +
                ". No file is written: one without them would drop those amounts and codes "
                "without a word.\r\rInstead you can key the W-2s in at the SSA's W-2 Online in "
                "Business Services Online (www.ssa.gov/bso), which takes up to 50 W-2s, or, when "
                "you file fewer than 10 returns, mail paper Copy A on the red-ink forms with Form "
                "W-3."};
  }
  return {Efw2YearDecision::Kind::Ask,
          missing +
              " None of these W-2s carries box 12 codes TA, TP or TT or a box 14b code, "
              "so the file can be written in the layout of " +
              std::string(Latest().publication) + "; the SSA may have changed that layout for " +
              year +
              ".\r\rCheck the file with AccuWage Online before submitting it.\r\rWrite the " +
              year + " file in the tax year " + std::to_string(Latest().lastYear) + " layout?"};
}
