#include "rules/TipsAndOvertime.h"

#include <algorithm>
#include <cctype>

#include "rules/Box12Codes.h"
#include "rules/TippedOccupations.h"

namespace {

constexpr Currency kCent = kCurrencyScale / 100;
// Section 128: at most 2,500.00 a year is excluded from the employee's income.
constexpr Currency kTrumpAccountLimit = 2500 * kCurrencyScale;

bool Is2026Form(std::int32_t taxYear) { return taxYear <= 0 || taxYear >= kFirstTipCodeYear; }

std::string YearText(std::int32_t taxYear) { return std::to_string(taxYear); }

// The amount of box 12 code `code` (the sum when it is entered twice).
Currency Box12Amount(const W2Record& w2, const char* code) {
  Currency sum = 0;
  for (const Box12Entry& entry : w2.Box12)
    if (entry.CodeText() == code) sum += entry.Amount;
  return sum;
}

bool HasBox12Code(const W2Record& w2, const char* code) {
  return std::any_of(std::begin(w2.Box12), std::end(w2.Box12),
                     [code](const Box12Entry& e) { return e.CodeText() == code; });
}

bool ThreeDigits(const std::string& code) {
  return code.size() == 3 && std::all_of(code.begin(), code.end(), [](char c) {
           return std::isdigit(static_cast<unsigned char>(c)) != 0;
         });
}

}  // namespace

std::vector<std::string> TipCodesOf(const W2Record& w2) {
  std::vector<std::string> codes;
  for (const ShortString<3>& code : w2.TipCodes) {
    std::string text = code.Str();
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    if (!text.empty()) codes.push_back(text);
  }
  return codes;
}

std::vector<TipFinding> CheckTipsAndOvertime(const W2Record& w2, std::int32_t taxYear) {
  std::vector<TipFinding> found;
  using enum TipFinding::Part;
  const auto error = [&](TipFinding::Part part, std::string text) {
    found.push_back({true, part, std::move(text)});
  };
  const auto verify = [&](TipFinding::Part part, std::string text) {
    found.push_back({false, part, std::move(text)});
  };
  const bool form2026 = Is2026Form(taxYear);
  for (const char* code : {"TA", "TP", "TT"}) {
    if (!HasBox12Code(w2, code)) continue;
    if (!form2026) {
      error(Box12, std::string("Box 12 code ") + code +
                       " does not exist before the 2026 form; for " + YearText(taxYear) +
                       " report the amount in box 14 or on a separate statement.");
      continue;
    }
    for (const Box12Entry& entry : w2.Box12) {
      if (entry.CodeText() != code) continue;
      if (entry.Amount < 0)
        error(Box12, std::string("Box 12 code ") + code + " cannot be negative.");
      else if (entry.Amount % kCent != 0)
        error(Box12, std::string("Box 12 code ") + code + " must be in whole cents.");
    }
  }
  const std::vector<std::string> codes = TipCodesOf(w2);
  if (!codes.empty() && !form2026)
    error(Box14b,
          "Box 14b does not exist before the 2026 form; remove the tipped occupation codes.");
  if (form2026) {
    for (const std::string& code : codes) {
      if (!ThreeDigits(code))
        error(Box14b, "Box 14b code \"" + code + "\" must be exactly three digits.");
      else if (code != kNotListedOccupation && FindTippedOccupation(code, taxYear) == nullptr)
        error(Box14b, "Box 14b code " + code +
                          " is not a Treasury tipped occupation code; use 000 for an occupation "
                          "not on the list.");
    }
    const Currency tp = Box12Amount(w2, "TP"), tt = Box12Amount(w2, "TT"),
                   ta = Box12Amount(w2, "TA");
    if (tp > 0 && codes.empty())
      error(Box14b, "Box 14b needs a tipped occupation code when box 12 has code TP.");
    if (codes.size() == 2 && codes[0] == codes[1])
      verify(Box14b, "Box 14b holds code " + codes[0] + " twice; one is enough.");
    if (!codes.empty() && tp <= 0)
      verify(Box14b, "Box 14b has a tipped occupation code but box 12 has no code TP amount.");
    if (tp > w2.Wages)
      verify(Box12, "Box 12 code TP " + FormatAmount(tp) + " is more than box 1 wages " +
                        FormatAmount(w2.Wages) + "; reported tips are part of box 1.");
    if (tp > 0 && w2.SSTips > tp)
      verify(Box12, "Box 7 social security tips " + FormatAmount(w2.SSTips) +
                        " are more than box 12 code TP " + FormatAmount(tp) +
                        "; they are part of the tips reported.");
    if (tt > w2.Wages)
      verify(Box12, "Box 12 code TT " + FormatAmount(tt) + " is more than box 1 wages " +
                        FormatAmount(w2.Wages) + "; qualified overtime is part of box 1.");
    if (ta > kTrumpAccountLimit)
      verify(Box12, "Box 12 code TA " + FormatAmount(ta) +
                        " is more than 2,500.00; the excess is not excluded and belongs in box 1.");
    if (ta > 0)
      verify(Box12,
             "Box 12 code TA: Trump account contributions cannot be made before 4 July 2026.");
  }
  std::stable_partition(found.begin(), found.end(), [](const TipFinding& f) { return f.error; });
  return found;
}

Currency NoW2Threshold(std::int32_t taxYear) {
  return (taxYear >= kFirstTipCodeYear ? 2000 : 600) * kCurrencyScale;
}

std::string NoW2RequiredLine(const W2Record& w2, std::int32_t taxYear) {
  if (taxYear < kFirstTipCodeYear) return {};
  if (w2.FedTax != 0 || w2.SSTax != 0 || w2.MedTax != 0) return {};
  const Currency threshold = NoW2Threshold(taxYear);
  if (std::max({w2.Wages, w2.SSWages, w2.MedWage}) >= threshold) return {};
  return "No tax was withheld and pay is under " + FormatAmount(threshold) +
         ": no W-2 is required for " + YearText(taxYear) + " (it may still be given).";
}
