#include "rules/Corrections.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <map>

#include "data/BlankW2.h"
#include "data/EntryRules.h"
#include "data/QuillmarFormFile.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "platform/MessageBoxes.h"

namespace {

template <auto M>
std::string TextOf(const W2Record& w2) {
  return TrimText((w2.*M).Str());
}
template <auto M>
Currency AmountOf(const W2Record& w2) {
  return w2.*M;
}
template <auto M>
Currency FlagOf(const W2Record& w2) {
  return (w2.*M) != 0 ? 1 : 0;
}

// clang-format off
#define QM_TEXT(m, box, caption, scope) \
  ComparedW2Field{offsetof(W2Record, m), box, caption, ItemKind::Text, ItemScope::scope, false, &TextOf<&W2Record::m>, nullptr}
#define QM_MONEY(m, box, caption, scope, withheld) \
  ComparedW2Field{offsetof(W2Record, m), box, caption, ItemKind::Money, ItemScope::scope, withheld, nullptr, &AmountOf<&W2Record::m>}
#define QM_CHECK(m, box, caption) \
  ComparedW2Field{offsetof(W2Record, m), box, caption, ItemKind::Check, ItemScope::SsaCheck, false, nullptr, &FlagOf<&W2Record::m>}
// clang-format on

// Names and SSNs are filed in upper case with single blanks: a change of case
// or spacing alone corrects nothing.
bool Same(const ComparedW2Field& f, const std::string& a, const std::string& b) {
  if (f.scope != ItemScope::Identity) return a == b;
  const auto normal = [](const std::string& text) {
    std::string out;
    for (const char c : text) {
      if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
      out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
  };
  return normal(a) == normal(b);
}

std::string Shown(const ComparedW2Field& f, const W2Record& w2) {
  switch (f.kind) {
    case ItemKind::Text:
      return f.text(w2);
    case ItemKind::Money:
      return FormatAmount(f.amount(w2));
    case ItemKind::Check:
      return f.amount(w2) != 0 ? "X" : "";
  }
  return "";
}

// The box 12 amounts by code (a code twice adds up); unused lines are left out.
std::map<std::string, Currency> Box12ByCode(const W2Record& w2) {
  std::map<std::string, Currency> codes;
  for (const Box12Entry& line : w2.Box12) {
    if (line.Code == ' ' || line.Code == '\0') continue;
    codes[line.CodeText()] += line.Amount;
  }
  return codes;
}

std::vector<CorrectionItem> Compare(const W2Record& filed, const W2Record& now) {
  std::vector<CorrectionItem> items;
  for (const ComparedW2Field& f : ComparedW2Fields()) {
    CorrectionItem item;
    item.field = &f;
    item.previous = Shown(f, filed);
    item.correct = Shown(f, now);
    if (f.amount) {
      item.previousAmount = f.amount(filed);
      item.correctAmount = f.amount(now);
      if (item.previousAmount == item.correctAmount) continue;
    } else if (Same(f, item.previous, item.correct)) {
      continue;
    }
    items.push_back(std::move(item));
  }
  const std::map<std::string, Currency> before = Box12ByCode(filed);
  const std::map<std::string, Currency> after = Box12ByCode(now);
  std::map<std::string, std::pair<Currency, Currency>> codes;
  for (const auto& [code, amount] : before) codes[code].first = amount;
  for (const auto& [code, amount] : after) codes[code].second = amount;
  for (const auto& [code, amounts] : codes) {
    if (amounts.first == amounts.second && before.count(code) == after.count(code)) continue;
    CorrectionItem item;
    item.box12Code = code;
    item.previousAmount = amounts.first;
    item.correctAmount = amounts.second;
    item.previous = FormatAmount(amounts.first);
    item.correct = FormatAmount(amounts.second);
    items.push_back(std::move(item));
  }
  return items;
}

bool IsSsaScope(ItemScope scope) {
  return scope == ItemScope::Identity || scope == ItemScope::SsaAmount ||
         scope == ItemScope::SsaCheck || scope == ItemScope::Box12;
}

// A difference that the safe harbor does not cover.
bool Material(const CorrectionItem& item) {
  if (item.Kind() != ItemKind::Money) return item.Scope() != ItemScope::Address;
  const Currency difference = item.correctAmount > item.previousAmount
                                  ? item.correctAmount - item.previousAmount
                                  : item.previousAmount - item.correctAmount;
  const bool withheld = item.field != nullptr && item.field->withheld;
  return difference > (withheld ? kSafeHarborWithheld : kSafeHarborAmount);
}

std::string FullName(const W2Record& w2) {
  std::string name = TrimText(w2.FirstName.Str());
  for (const std::string& part : {TrimText(w2.MiddleInitial.Str()), TrimText(w2.LastName.Str())}) {
    if (part.empty()) continue;
    if (!name.empty()) name += ' ';
    name += part;
  }
  return name;
}

// W-3c box 12a: the deferred compensation codes.
bool DeferredCode(const std::string& code) {
  static const char* const kCodes[] = {"D", "E", "F", "G", "H", "S", "Y", "AA", "BB", "EE"};
  return std::find(std::begin(kCodes), std::end(kCodes), code) != std::end(kCodes);
}

}  // namespace

const std::vector<ComparedW2Field>& ComparedW2Fields() {
  // clang-format off
  static const std::vector<ComparedW2Field> fields = {
      QM_TEXT(SocSecNum, "d", "Employee's social security number", Identity),
      QM_TEXT(FirstName, "h", "Employee's first name", Identity),
      QM_TEXT(MiddleInitial, "h", "Employee's middle initial", Identity),
      QM_TEXT(LastName, "h", "Employee's last name", Identity),
      QM_TEXT(Suffix, "h", "Employee's suffix", Identity),
      QM_TEXT(Suite, "i", "Suite or apartment", Address),
      QM_TEXT(StreetPOB, "i", "Street or P.O. box", Address),
      QM_TEXT(City, "i", "City", Address),
      QM_TEXT(AddrState, "i", "State or province", Address),
      QM_TEXT(Zip, "i", "ZIP code", Address),
      QM_TEXT(PostCode, "i", "Foreign postal code", Address),
      QM_TEXT(Country, "i", "Country", Address),
      QM_MONEY(Wages, "1", "Wages, tips, other compensation", SsaAmount, false),
      QM_MONEY(FedTax, "2", "Federal income tax withheld", SsaAmount, true),
      QM_MONEY(SSWages, "3", "Social security wages", SsaAmount, false),
      QM_MONEY(SSTax, "4", "Social security tax withheld", SsaAmount, true),
      QM_MONEY(MedWage, "5", "Medicare wages and tips", SsaAmount, false),
      QM_MONEY(MedTax, "6", "Medicare tax withheld", SsaAmount, true),
      QM_MONEY(SSTips, "7", "Social security tips", SsaAmount, false),
      QM_MONEY(AllocTips, "8", "Allocated tips", SsaAmount, false),
      QM_MONEY(AdvEIC, "9", "Advance EIC payment", SsaAmount, false),
      QM_MONEY(DepCare, "10", "Dependent care benefits", SsaAmount, false),
      QM_MONEY(NonQualPlans, "11", "Nonqualified plans", SsaAmount, false),
      QM_CHECK(StatEmpl, "13", "Statutory employee"),
      QM_CHECK(RetirePlan, "13", "Retirement plan"),
      QM_CHECK(TPSickPay, "13", "Third-party sick pay"),
      QM_TEXT(Box14aLabel, "14", "Other, line 1", Box14),
      QM_MONEY(Box14aAmount, "14", "Other, line 1 amount", Box14, false),
      QM_TEXT(Box14bLabel, "14", "Other, line 2", Box14),
      QM_MONEY(Box14bAmount, "14", "Other, line 2 amount", Box14, false),
      QM_TEXT(Box14cLabel, "14", "Other, line 3", Box14),
      QM_MONEY(Box14cAmount, "14", "Other, line 3 amount", Box14, false),
      // Box 14b of 2026: the tipped occupation codes, with the other box 14 items.
      ComparedW2Field{offsetof(W2Record, TipCodes), "14b", "Tipped occupation code 1", ItemKind::Text, ItemScope::Box14, false,
                      [](const W2Record& w2) { return TrimText(w2.TipCodes[0].Str()); }, nullptr},
      ComparedW2Field{offsetof(W2Record, TipCodes) + sizeof(ShortString<3>), "14b", "Tipped occupation code 2", ItemKind::Text, ItemScope::Box14, false,
                      [](const W2Record& w2) { return TrimText(w2.TipCodes[1].Str()); }, nullptr},
      QM_TEXT(ST1State, "15", "State, line 1", State),
      QM_TEXT(ST1StateID, "15", "Employer's state ID number, line 1", State),
      QM_MONEY(ST1StateWage, "16", "State wages, tips, etc., line 1", State, false),
      QM_MONEY(ST1StateTax, "17", "State income tax, line 1", State, true),
      QM_MONEY(ST1LocalWage, "18", "Local wages, tips, etc., line 1", State, false),
      QM_MONEY(ST1LocalTax, "19", "Local income tax, line 1", State, true),
      QM_TEXT(ST1LocName, "20", "Locality name, line 1", State),
      QM_TEXT(ST2State, "15", "State, line 2", State),
      QM_TEXT(ST2StateID, "15", "Employer's state ID number, line 2", State),
      QM_MONEY(ST2StateWage, "16", "State wages, tips, etc., line 2", State, false),
      QM_MONEY(ST2StateTax, "17", "State income tax, line 2", State, true),
      QM_MONEY(ST2LocalWage, "18", "Local wages, tips, etc., line 2", State, false),
      QM_MONEY(ST2LocalTax, "19", "Local income tax, line 2", State, true),
      QM_TEXT(ST2LocName, "20", "Locality name, line 2", State),
  };
  // clang-format on
  return fields;
}

const ComparedW2Field* ComparedW2FieldOf(std::size_t member) {
  for (const ComparedW2Field& f : ComparedW2Fields()) {
    if (f.member == member) return &f;
  }
  return nullptr;
}

std::string CorrectionItem::Label() const {
  if (!field) return "12 Code " + box12Code;
  return std::string(field->box) + " " + field->caption;
}

bool EmployeeCorrection::SsnCorrected() const {
  return std::any_of(items.begin(), items.end(), [](const CorrectionItem& i) {
    return i.field && i.field->member == offsetof(W2Record, SocSecNum);
  });
}

bool EmployeeCorrection::NameCorrected() const {
  return std::any_of(items.begin(), items.end(), [](const CorrectionItem& i) {
    return i.field && i.field->scope == ItemScope::Identity &&
           i.field->member != offsetof(W2Record, SocSecNum);
  });
}

std::string EmployeeCorrection::Subject() const {
  const W2Record& w2 = change == EmployeeChange::Voided ? filed : current;
  return FullName(w2) + " (SSN " + TrimText(w2.SocSecNum.Str()) + ")";
}

Correction CorrectionFor(const std::vector<CorrectionItem>& items) {
  bool ssa = false, employeeOnly = false, address = false;
  for (const CorrectionItem& item : items) {
    if (item.Scope() == ItemScope::Address) address = true;
    if (!Material(item)) continue;
    if (IsSsaScope(item.Scope())) {
      ssa = true;
    } else {
      employeeOnly = true;
    }
  }
  if (ssa) return Correction::W2cWithSsa;
  if (employeeOnly) return Correction::EmployeeW2cOnly;
  if (address) return Correction::ReissuedStatement;
  return Correction::WithinSafeHarbor;
}

std::vector<EmployeeCorrection> FindCorrections(const FiledCopy& filed,
                                                const std::vector<W2Record>& current) {
  std::vector<EmployeeCorrection> found;
  const std::size_t count = std::max(filed.W2s.size(), current.size());
  for (std::size_t n = 0; n < count; ++n) {
    const bool wasFiled = n < filed.W2s.size() && IsCountedW2(filed.W2s[n]);
    const bool isFilable = n < current.size() && IsCountedW2(current[n]);
    if (!wasFiled && !isFilable) continue;
    EmployeeCorrection e;
    e.recordNumber = n;
    if (wasFiled) e.filed = filed.W2s[n];
    if (n < current.size()) e.current = current[n];
    if (!wasFiled) {
      e.change = EmployeeChange::Added;
      e.correction = Correction::OriginalW2;
      found.push_back(std::move(e));
      continue;
    }
    if (!isFilable) {
      // Filed in error: the W-2c takes every amount back to 0.00.
      e.change = EmployeeChange::Voided;
      W2Record none = e.filed;
      for (const ComparedW2Field& f : ComparedW2Fields()) {
        if (f.kind == ItemKind::Text) continue;
        if (f.kind == ItemKind::Money) {
          *reinterpret_cast<Currency*>(reinterpret_cast<unsigned char*>(&none) + f.member) = 0;
        } else {
          *(reinterpret_cast<unsigned char*>(&none) + f.member) = 0;
        }
      }
      for (Box12Entry& line : none.Box12) line.Amount = 0;
      e.items = Compare(e.filed, none);
      e.correction = Correction::W2cWithSsa;
      found.push_back(std::move(e));
      continue;
    }
    e.items = Compare(e.filed, e.current);
    if (e.items.empty()) continue;
    e.correction = CorrectionFor(e.items);
    found.push_back(std::move(e));
  }
  return found;
}

std::string CorrectionAdvice(const EmployeeCorrection& e) {
  if (e.change == EmployeeChange::Added) {
    return "Added since filing: file an original W-2 (with a W-3), not a W-2c.";
  }
  if (e.change == EmployeeChange::Voided) {
    return "Voided since filing: file a W-2c with the SSA (with a W-3c) showing 0.00 as correct.";
  }
  switch (e.correction) {
    case Correction::W2cWithSsa:
      return "File a W-2c with the SSA (with a W-3c) and give the employee the W-2c.";
    case Correction::ReissuedStatement:
      return "Address only: give the employee a reissued statement; nothing goes to the SSA.";
    case Correction::EmployeeW2cOnly:
      return "State or box 14 only: give the employee (and the state) a W-2c; nothing goes to "
             "the SSA.";
    case Correction::WithinSafeHarbor:
      return "Within the $100 / $25 safe harbor: no correction needed unless the employee asks "
             "for one.";
    case Correction::OriginalW2:
      return "File an original W-2 (with a W-3), not a W-2c.";
  }
  return "";
}

bool GoesToSsa(const EmployeeCorrection& e, bool safeHarborToo) {
  return e.correction == Correction::W2cWithSsa ||
         (safeHarborToo && e.correction == Correction::WithinSafeHarbor);
}

bool GetsW2c(const EmployeeCorrection& e, bool safeHarborToo) {
  return GoesToSsa(e, safeHarborToo) || e.correction == Correction::EmployeeW2cOnly;
}

W3cTotals SumW3c(const std::vector<EmployeeCorrection>& corrections, bool safeHarborToo) {
  W3cTotals totals;
  const std::pair<std::size_t, W3cTotals::Pair W3cTotals::*> boxes[] = {
      {offsetof(W2Record, Wages), &W3cTotals::box1},
      {offsetof(W2Record, FedTax), &W3cTotals::box2},
      {offsetof(W2Record, SSWages), &W3cTotals::box3},
      {offsetof(W2Record, SSTax), &W3cTotals::box4},
      {offsetof(W2Record, MedWage), &W3cTotals::box5},
      {offsetof(W2Record, MedTax), &W3cTotals::box6},
      {offsetof(W2Record, SSTips), &W3cTotals::box7},
      {offsetof(W2Record, AllocTips), &W3cTotals::box8},
      {offsetof(W2Record, DepCare), &W3cTotals::box10},
      {offsetof(W2Record, NonQualPlans), &W3cTotals::box11},
      {offsetof(W2Record, ST1StateWage), &W3cTotals::box16},
      {offsetof(W2Record, ST2StateWage), &W3cTotals::box16},
      {offsetof(W2Record, ST1StateTax), &W3cTotals::box17},
      {offsetof(W2Record, ST2StateTax), &W3cTotals::box17},
      {offsetof(W2Record, ST1LocalWage), &W3cTotals::box18},
      {offsetof(W2Record, ST2LocalWage), &W3cTotals::box18},
      {offsetof(W2Record, ST1LocalTax), &W3cTotals::box19},
      {offsetof(W2Record, ST2LocalTax), &W3cTotals::box19}};
  const auto add = [](W3cTotals::Pair& pair, const CorrectionItem& item) {
    pair.previous += item.previousAmount;
    pair.correct += item.correctAmount;
    pair.used = true;
  };
  for (const EmployeeCorrection& e : corrections) {
    if (!GoesToSsa(e, safeHarborToo)) continue;
    ++totals.w2cCount;
    for (const CorrectionItem& item : e.items) {
      if (!item.field) {
        if (DeferredCode(item.box12Code)) add(totals.box12a, item);
        continue;
      }
      for (const auto& [member, pair] : boxes) {
        if (item.field->member == member) add(totals.*pair, item);
      }
    }
  }
  return totals;
}

FiledCopy ApplyFiledCorrections(const FiledCopy& filed, const std::vector<W2Record>& current,
                                const std::vector<EmployeeCorrection>& corrections,
                                bool safeHarborToo, DateTime when) {
  FiledCopy next = filed;
  next.CorrectionsFiledOn = when;
  if (next.W2s.size() < current.size()) {
    W2Record unfiled{};
    unfiled.RecType = kRecTypeW2;
    unfiled.Void = 1;
    next.W2s.resize(current.size(), unfiled);
  }
  for (const EmployeeCorrection& e : corrections) {
    const bool filedNow = GetsW2c(e, safeHarborToo) || e.change == EmployeeChange::Added ||
                          e.correction == Correction::ReissuedStatement;
    if (!filedNow || e.recordNumber >= current.size()) continue;
    if (e.change == EmployeeChange::Voided) {
      W2Record unfiled{};
      unfiled.RecType = kRecTypeW2;
      unfiled.Void = 1;
      next.W2s[e.recordNumber] = unfiled;
    } else {
      next.W2s[e.recordNumber] = current[e.recordNumber];
    }
  }
  return next;
}

std::optional<CorrectionsOfFile> LoadCorrections(TQuillmarFormFile& file) {
  CorrectionsOfFile result;
  result.filedPath = FiledCopyPath(file.Path());
  bool damaged = false;
  std::optional<FiledCopy> filed = ReadFiledCopy(result.filedPath, &damaged);
  if (!filed) {
    ShowMessage(damaged ? "The filed copy " + Utf8ToCp1252(result.filedPath) +
                              " cannot be read: it is not a copy Quillmar wrote."
                        : std::string("No W-2s of this file were filed yet. Quillmar keeps what "
                                      "was filed when the SSA wage file is written (File, Export "
                                      "for SSA) or when you choose File, Mark as Filed..."),
                damaged ? MsgIcon::Error : MsgIcon::Information);
    return std::nullopt;
  }
  result.filed = std::move(*filed);
  result.current = W2sByRecordNumber(file);
  result.corrections = FindCorrections(result.filed, result.current);
  return result;
}

bool AskSafeHarborToo(const std::vector<EmployeeCorrection>& corrections) {
  const auto count = std::count_if(corrections.begin(), corrections.end(), [](const auto& e) {
    return e.correction == Correction::WithinSafeHarbor;
  });
  if (count == 0) return false;
  const std::string text =
      std::to_string(count) + (count == 1 ? " employee's W-2 differs" : " employees' W-2s differ") +
      " from what was filed only within the $100 / $25 safe harbor.\r\rCorrect "
      "them as well? Answer Yes only when the employee asked for a corrected statement.";
  return MessageBoxes().Show({kAppTitle, text, MsgIcon::Question, MsgYes | MsgNo, false}) == MsgYes;
}

std::string EmployerCorrectionNote(const W3Record& filed, const W3Record& now) {
  std::string what;
  if (TrimText(filed.EmployerEIN.Str()) != TrimText(now.EmployerEIN.Str())) {
    what = "The employer's EIN (filed " + TrimText(filed.EmployerEIN.Str()) + ", now " +
           TrimText(now.EmployerEIN.Str()) + ")";
  } else if (filed.TaxYear != now.TaxYear) {
    what = "The tax year (filed " + std::to_string(filed.TaxYear) + ", now " +
           std::to_string(now.TaxYear) + ")";
  } else {
    return "";
  }
  return what +
         " differs from what was filed. Correcting it takes two sets of Forms W-2c and W-3c: one "
         "taking every amount back to 0.00 under what was filed, one reporting the amounts under "
         "what is right. Quillmar does not make them; prepare them on the official forms.";
}

void MarkCorrectionsFiled(TQuillmarFormFile& file) {
  std::optional<CorrectionsOfFile> loaded = LoadCorrections(file);
  if (!loaded) return;
  if (loaded->corrections.empty()) {
    ShowMessage("Nothing has changed since the W-2s were filed.", MsgIcon::Information);
    return;
  }
  const bool safeHarborToo = AskSafeHarborToo(loaded->corrections);
  const std::string text =
      "Mark the corrections as filed?\r\rThe filed copy then holds the corrected W-2s and the "
      "W-2s added since filing, and the next correction starts from them.";
  if (MessageBoxes().Show({kAppTitle, text, MsgIcon::Question, MsgYes | MsgNo, false}) != MsgYes)
    return;
  const FiledCopy next = ApplyFiledCorrections(loaded->filed, loaded->current, loaded->corrections,
                                               safeHarborToo, NowDateTime());
  if (!WriteFiledCopy(loaded->filedPath, next)) {
    ShowMessage("The filed copy could not be written to " + Utf8ToCp1252(loaded->filedPath) + ".",
                MsgIcon::Error);
    return;
  }
  ShowMessage("The corrections are marked as filed on " + DateText(next.CorrectionsFiledOn) + ".",
              MsgIcon::Information);
}
