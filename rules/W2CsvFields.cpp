#include "rules/W2CsvFields.h"

#include <array>
#include <cstring>

#include "data/EntryRules.h"
#include "platform/AsciiText.h"
#include "rules/Box12Codes.h"
#include "rules/QuietEntryChecks.h"
#include "rules/TippedOccupations.h"

namespace {

using K = CsvCellKind;

#define W2_AT(member) offsetof(W2Record, member)
#define W2_TEXT(member) offsetof(W2Record, member), decltype(W2Record::member)::Capacity
#define BOX12_CODE(line) offsetof(W2Record, Box12) + (line) * sizeof(Box12Entry), 0
#define BOX12_AMOUNT(line) \
  offsetof(W2Record, Box12) + (line) * sizeof(Box12Entry) + offsetof(Box12Entry, Amount), 0

const std::array<W2CsvField, 58> kFields = {{
    {"ControlNum", "Control number", K::Integer, W2_AT(ControlNum), 0,
     "controlnumber|controlno|boxa|control"},
    {"Void", "Void", K::Flag, W2_AT(Void), 0, "void|voided"},
    {"SocSecNum", "SSN", K::Ssn, W2_AT(SocSecNum), 0,
     "ssn|socsecnum|socialsecuritynumber|socialsecurityno|socsecno|ssnumber|boxd|ssnitin"},
    {"FirstName", "First name", K::Text, W2_TEXT(FirstName),
     "firstname|first|fname|givenname|forename"},
    {"MiddleInitial", "Middle initial", K::Text, W2_TEXT(MiddleInitial),
     "middleinitial|mi|middle|middlename|initial"},
    {"LastName", "Last name", K::Text, W2_TEXT(LastName), "lastname|last|lname|surname|familyname"},
    {"Suffix", "Suffix", K::Text, W2_TEXT(Suffix), "suffix|namesuffix|suff|generation"},
    {"Suite", "Suite", K::Text, W2_TEXT(Suite),
     "suite|apt|apartment|address2|addressline2|unit|suiteapt"},
    {"StreetPOB", "Street", K::Text, W2_TEXT(StreetPOB),
     "street|streetpob|address|address1|addressline1|streetaddress|street1|homeaddress"},
    {"City", "City", K::Text, W2_TEXT(City), "city|town|cityortown"},
    {"AddrState", "State", K::Text, W2_TEXT(AddrState), "state|st|addrstate|stateprovince"},
    {"Zip", "ZIP code", K::Zip, W2_AT(Zip), 0, "zipcode|zip|postalcode|zip5|zippostalcode"},
    {"PostCode", "Foreign postal code", K::Text, W2_TEXT(PostCode),
     "foreignpostalcode|postcode|foreignpostcode"},
    {"Country", "Country", K::Country, W2_AT(Country), 0, "country|countrycode"},
    {"Wages", "Box 1 Wages, tips, other compensation", K::Amount, W2_AT(Wages), 0,
     "box1wagestipsothercompensation|box1|box1wages|wages|wagestipsothercompensation|"
     "wagestipsothercomp|wagestipsandothercompensation|federalwages|fedwages|grosswages|"
     "taxablewages|federaltaxablewages"},
    {"FedTax", "Box 2 Federal income tax withheld", K::Amount, W2_AT(FedTax), 0,
     "box2federalincometaxwithheld|box2|fedtax|federaltax|federalincometaxwithheld|"
     "federalwithholding|fit|federalincometax|fedwh|fedwithholding|fitwithheld"},
    {"SSWages", "Box 3 Social security wages", K::Amount, W2_AT(SSWages), 0,
     "box3socialsecuritywages|box3|sswages|socialsecuritywages|socsecwages|oasdiwages|"
     "ficawages"},
    {"SSTax", "Box 4 Social security tax withheld", K::Amount, W2_AT(SSTax), 0,
     "box4socialsecuritytaxwithheld|box4|sstax|socialsecuritytaxwithheld|socialsecuritytax|"
     "socsectax|oasditax|ficatax|sswh"},
    {"MedWage", "Box 5 Medicare wages and tips", K::Amount, W2_AT(MedWage), 0,
     "box5medicarewagesandtips|box5|medwage|medicarewagesandtips|medicarewages|medwages"},
    {"MedTax", "Box 6 Medicare tax withheld", K::Amount, W2_AT(MedTax), 0,
     "box6medicaretaxwithheld|box6|medtax|medicaretaxwithheld|medicaretax|medicarewh"},
    {"SSTips", "Box 7 Social security tips", K::Amount, W2_AT(SSTips), 0,
     "box7socialsecuritytips|box7|sstips|socialsecuritytips"},
    {"AllocTips", "Box 8 Allocated tips", K::Amount, W2_AT(AllocTips), 0,
     "box8allocatedtips|box8|alloctips|allocatedtips"},
    {"AdvEIC", "Box 9", K::Amount, W2_AT(AdvEIC), 0, "box9|adveic|advanceeicpayment|advanceeic"},
    {"DepCare", "Box 10 Dependent care benefits", K::Amount, W2_AT(DepCare), 0,
     "box10dependentcarebenefits|box10|depcare|dependentcarebenefits|dependentcare"},
    {"NonQualPlans", "Box 11 Nonqualified plans", K::Amount, W2_AT(NonQualPlans), 0,
     "box11nonqualifiedplans|box11|nonqualplans|nonqualifiedplans"},
    {"Box12[0].Code", "Box 12a code", K::Box12Code, BOX12_CODE(0), "box12acode|12acode|code12a"},
    {"Box12[0].Amount", "Box 12a amount", K::Amount, BOX12_AMOUNT(0),
     "box12aamount|12aamount|box12a|amount12a"},
    {"Box12[1].Code", "Box 12b code", K::Box12Code, BOX12_CODE(1), "box12bcode|12bcode|code12b"},
    {"Box12[1].Amount", "Box 12b amount", K::Amount, BOX12_AMOUNT(1),
     "box12bamount|12bamount|box12b|amount12b"},
    {"Box12[2].Code", "Box 12c code", K::Box12Code, BOX12_CODE(2), "box12ccode|12ccode|code12c"},
    {"Box12[2].Amount", "Box 12c amount", K::Amount, BOX12_AMOUNT(2),
     "box12camount|12camount|box12c|amount12c"},
    {"Box12[3].Code", "Box 12d code", K::Box12Code, BOX12_CODE(3), "box12dcode|12dcode|code12d"},
    {"Box12[3].Amount", "Box 12d amount", K::Amount, BOX12_AMOUNT(3),
     "box12damount|12damount|box12d|amount12d"},
    {"StatEmpl", "Box 13 Statutory employee", K::Flag, W2_AT(StatEmpl), 0,
     "box13statutoryemployee|statutoryemployee|statempl|statemp|statutory"},
    {"RetirePlan", "Box 13 Retirement plan", K::Flag, W2_AT(RetirePlan), 0,
     "box13retirementplan|retirementplan|retireplan|retirement"},
    {"TPSickPay", "Box 13 Third-party sick pay", K::Flag, W2_AT(TPSickPay), 0,
     "box13thirdpartysickpay|thirdpartysickpay|tpsickpay|sickpay"},
    {"Box14aLabel", "Box 14 line 1 label", K::Text, W2_TEXT(Box14aLabel),
     "box14line1label|box14alabel|box14label|box14description|box14other|14alabel"},
    {"Box14aAmount", "Box 14 line 1 amount", K::Amount, W2_AT(Box14aAmount), 0,
     "box14line1amount|box14aamount|box14amount|box14|14aamount"},
    {"Box14bLabel", "Box 14 line 2 label", K::Text, W2_TEXT(Box14bLabel),
     "box14line2label|box14blabel|box14label|box14description|box14other|14blabel"},
    {"Box14bAmount", "Box 14 line 2 amount", K::Amount, W2_AT(Box14bAmount), 0,
     "box14line2amount|box14bamount|box14amount|box14|14bamount"},
    {"Box14cLabel", "Box 14 line 3 label", K::Text, W2_TEXT(Box14cLabel),
     "box14line3label|box14clabel|box14label|box14description|box14other|14clabel"},
    {"Box14cAmount", "Box 14 line 3 amount", K::Amount, W2_AT(Box14cAmount), 0,
     "box14line3amount|box14camount|box14amount|box14|14camount"},
    {"TipCodes[0]", "Box 14b tipped occupation code 1", K::TipCode, W2_AT(TipCodes[0]),
     ShortString<3>::Capacity,
     "box14btippedoccupationcode1|box14b|tippedoccupationcode|tipcode|occupationcode|box14bcode1"},
    {"TipCodes[1]", "Box 14b tipped occupation code 2", K::TipCode, W2_AT(TipCodes[1]),
     ShortString<3>::Capacity,
     "box14btippedoccupationcode2|box14b|tippedoccupationcode|tipcode|occupationcode|box14bcode2"},
    {"ST1State", "Box 15 State (line 1)", K::State, W2_AT(ST1State), 0,
     "box15stateline1|box15state|box15|state1|st1state|workstate|taxstate|state"},
    {"ST1StateID", "Box 15 Employer's state ID number (line 1)", K::Text, W2_TEXT(ST1StateID),
     "box15employersstateidnumberline1|box15stateid|st1stateid|state1id|stateid|"
     "employersstateidnumber|employerstateid|stateidnumber|stateemployerid"},
    {"ST1StateWage", "Box 16 State wages, tips, etc. (line 1)", K::Amount, W2_AT(ST1StateWage), 0,
     "box16statewagestipsetcline1|box16|st1statewage|state1wages|statewages|statewagestipsetc"},
    {"ST1StateTax", "Box 17 State income tax (line 1)", K::Amount, W2_AT(ST1StateTax), 0,
     "box17stateincometaxline1|box17|st1statetax|state1tax|stateincometax|statetax|"
     "statewithholding|statewh|sit"},
    {"ST1LocalWage", "Box 18 Local wages, tips, etc. (line 1)", K::Amount, W2_AT(ST1LocalWage), 0,
     "box18localwagestipsetcline1|box18|st1localwage|local1wages|localwages|localwagestipsetc"},
    {"ST1LocalTax", "Box 19 Local income tax (line 1)", K::Amount, W2_AT(ST1LocalTax), 0,
     "box19localincometaxline1|box19|st1localtax|local1tax|localincometax|localtax|"
     "localwithholding|localwh"},
    {"ST1LocName", "Box 20 Locality name (line 1)", K::Text, W2_TEXT(ST1LocName),
     "box20localitynameline1|box20|st1locname|local1name|localityname|locality|localname"},
    {"ST2State", "Box 15 State (line 2)", K::State, W2_AT(ST2State), 0,
     "box15stateline2|st2state|state2|box15state|box15|state"},
    {"ST2StateID", "Box 15 Employer's state ID number (line 2)", K::Text, W2_TEXT(ST2StateID),
     "box15employersstateidnumberline2|st2stateid|state2id|box15stateid|stateid|"
     "employersstateidnumber|employerstateid|stateidnumber|stateemployerid"},
    {"ST2StateWage", "Box 16 State wages, tips, etc. (line 2)", K::Amount, W2_AT(ST2StateWage), 0,
     "box16statewagestipsetcline2|st2statewage|state2wages|box16|statewages|statewagestipsetc"},
    {"ST2StateTax", "Box 17 State income tax (line 2)", K::Amount, W2_AT(ST2StateTax), 0,
     "box17stateincometaxline2|st2statetax|state2tax|box17|stateincometax|statetax|"
     "statewithholding|statewh|sit"},
    {"ST2LocalWage", "Box 18 Local wages, tips, etc. (line 2)", K::Amount, W2_AT(ST2LocalWage), 0,
     "box18localwagestipsetcline2|st2localwage|local2wages|box18|localwages|localwagestipsetc"},
    {"ST2LocalTax", "Box 19 Local income tax (line 2)", K::Amount, W2_AT(ST2LocalTax), 0,
     "box19localincometaxline2|st2localtax|local2tax|box19|localincometax|localtax|"
     "localwithholding|localwh"},
    {"ST2LocName", "Box 20 Locality name (line 2)", K::Text, W2_TEXT(ST2LocName),
     "box20localitynameline2|st2locname|local2name|box20|localityname|locality|localname"},
}};

#undef W2_AT
#undef W2_TEXT
#undef BOX12_CODE
#undef BOX12_AMOUNT

unsigned char* At(W2Record& w2, std::size_t offset) {
  return reinterpret_cast<unsigned char*>(&w2) + offset;
}
const unsigned char* At(const W2Record& w2, std::size_t offset) {
  return reinterpret_cast<const unsigned char*>(&w2) + offset;
}

// A ShortString field: its length byte, then its characters.
std::string ShortText(const W2Record& w2, std::size_t offset, std::size_t capacity) {
  const unsigned char* p = At(w2, offset);
  return std::string(reinterpret_cast<const char*>(p + 1), std::min<std::size_t>(p[0], capacity));
}
void SetShortText(W2Record& w2, std::size_t offset, std::string_view text) {
  unsigned char* p = At(w2, offset);
  p[0] = static_cast<unsigned char>(text.size());
  if (!text.empty()) std::memcpy(p + 1, text.data(), text.size());
}

Currency AmountAt(const W2Record& w2, std::size_t offset) {
  Currency value = 0;
  std::memcpy(&value, At(w2, offset), sizeof value);
  return value;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// 1 to 3 digits, then groups of a comma and three digits.
bool GroupedThousands(const std::string& whole) {
  const std::size_t first = whole.find(',');
  if (first == 0 || first > 3) return false;
  for (std::size_t i = 0; i < first; ++i)
    if (!IsDigit(whole[i])) return false;
  for (std::size_t i = first; i < whole.size(); i += 4) {
    if (whole[i] != ',' || i + 4 > whole.size()) return false;
    for (std::size_t k = 1; k <= 3; ++k)
      if (!IsDigit(whole[i + k])) return false;
  }
  return true;
}

std::string CellQuote(const std::string& text) { return "\"" + text + "\""; }

std::optional<std::string> ReadFlag(const W2CsvField& field, const std::string& cell,
                                    W2Record& w2) {
  const std::string text = UpperCaseAscii(TrimText(cell));
  if (text.empty() || text == "0" || text == "N" || text == "NO" || text == "FALSE") {
    *At(w2, field.Offset) = 0;
  } else if (text == "X" || text == "1" || text == "Y" || text == "YES" || text == "TRUE") {
    *At(w2, field.Offset) = 1;
  } else {
    return std::string(field.Caption) + " " + CellQuote(cell) +
           " is neither X (checked) nor empty (not checked)";
  }
  return std::nullopt;
}

// Nine digits in any arrangement the SSN rule takes, kept as 999-99-9999.
std::string SsnAsStored(const std::string& text) {
  std::string digits;
  for (char c : text)
    if (IsDigit(c)) digits += c;
  if (digits.size() != 9) return text;
  return digits.substr(0, 3) + "-" + digits.substr(3, 2) + "-" + digits.substr(5);
}

std::optional<std::string> ReadZip(const std::string& cell, W2Record& w2) {
  // The ZIP code as the screen stores it (also "12345-" and "12345-    ").
  if (CheckZip(cell)) {
    w2.Zip = cell;
    return std::nullopt;
  }
  std::string text = TrimText(cell);
  if (text.empty()) {
    w2.Zip = std::string();
    return std::nullopt;
  }
  if (text.size() == 9 && AllDigits(text)) text = text.substr(0, 5) + "-" + text.substr(5);
  if (!CheckZip(text)) return "Zip Code " + CellQuote(cell) + " is invalid";
  w2.Zip = text;
  return std::nullopt;
}

std::optional<std::string> ReadCountry(const std::string& cell, W2Record& w2) {
  const std::string text = TrimText(cell);
  std::string code;
  if (text.empty() || !CountryName(text).empty()) {
    code = UpperCaseAscii(text);
  } else {
    code = CountryCode(text);
    if (code.empty()) return "Country " + CellQuote(cell) + " is not in the list of countries";
  }
  w2.Country = code;
  return std::nullopt;
}

}  // namespace

std::span<const W2CsvField> W2CsvFields() { return kFields; }

std::optional<std::size_t> W2CsvFieldOfMember(std::string_view member) {
  for (std::size_t i = 0; i < kFields.size(); ++i)
    if (member == kFields[i].Member) return i;
  return std::nullopt;
}

std::string PlainAmountText(std::string_view text) {
  const std::string trimmed = TrimText(text);
  std::string_view rest = trimmed;
  const bool minusFirst = rest.starts_with('-');
  if (minusFirst) rest.remove_prefix(1);
  const bool dollar = rest.starts_with('$');
  if (dollar) rest.remove_prefix(1);
  const bool minusAfter = dollar && !minusFirst && rest.starts_with('-');
  if (minusAfter) rest.remove_prefix(1);
  // Commas only between groups of three digits before the decimal point.
  const std::size_t point = std::min(rest.find('.'), rest.size());
  const std::string whole(rest.substr(0, point));
  const bool commas = whole.find(',') != std::string::npos;
  if ((!dollar && !commas) || (commas && !GroupedThousands(whole))) return std::string(text);
  std::string plain = minusFirst || minusAfter ? "-" : "";
  for (char c : whole)
    if (c != ',') plain.push_back(c);
  plain.append(rest.substr(point));
  return plain;
}

std::optional<std::string> ReadW2Cell(const W2CsvField& field, const std::string& cell,
                                      std::int32_t taxYear, W2Record& w2) {
  switch (field.Kind) {
    case K::Integer: {
      std::int32_t value = w2.ControlNum;
      if (auto refusal = QuietReadInteger(cell, value)) return refusal;
      w2.ControlNum = value;
      return std::nullopt;
    }
    case K::Flag:
      return ReadFlag(field, cell, w2);
    case K::Ssn: {
      const std::string text = TrimText(cell);
      if (auto refusal = QuietCheckSsn(text, taxYear)) return refusal;
      w2.SocSecNum = SsnAsStored(text);
      return std::nullopt;
    }
    case K::Text: {
      // A line break inside a quoted cell (an address typed on two lines)
      // becomes a blank: the fields hold one line.
      std::string text = cell;
      for (char& c : text)
        if (c == '\n' || c == '\r' || c == '\t') c = ' ';
      if (text.size() > field.Capacity)
        return std::string(field.Caption) + " " + CellQuote(text) + " is longer than the " +
               std::to_string(field.Capacity) + " characters of its field";
      SetShortText(w2, field.Offset, text);
      return std::nullopt;
    }
    case K::Zip:
      return ReadZip(cell, w2);
    case K::Country:
      return ReadCountry(cell, w2);
    case K::Amount: {
      Currency amount = AmountAt(w2, field.Offset);
      if (auto refusal = QuietReadAmount(PlainAmountText(cell), amount)) return refusal;
      std::memcpy(At(w2, field.Offset), &amount, sizeof amount);
      return std::nullopt;
    }
    case K::Box12Code: {
      auto& entry = *reinterpret_cast<Box12Entry*>(At(w2, field.Offset));
      return QuietReadBox12Code(cell, HasTwoLetterBox12Codes(taxYear), entry.Code, entry.Code2);
    }
    case K::State: {
      std::string text = TrimText(cell);
      if (!text.empty()) {
        if (auto refusal = QuietCheckState(text)) return refusal;
      }
      SetShortText(w2, field.Offset, text);
      return std::nullopt;
    }
    case K::TipCode: {
      const std::string text = TrimText(cell);
      if (text.empty()) {
        SetShortText(w2, field.Offset, text);
        return std::nullopt;
      }
      if (TippedOccupationsOfYear(taxYear).empty())
        return std::string(field.Caption) + " " + CellQuote(cell) +
               ": box 14b holds tipped occupation codes from tax year 2026 on";
      const std::string code = TipCodeOfEntry(text, taxYear);
      if (code != "000" && FindTippedOccupation(code, taxYear) == nullptr)
        return std::string(field.Caption) + " " + CellQuote(cell) +
               " is not a tipped occupation code of " + std::to_string(taxYear);
      SetShortText(w2, field.Offset, code);
      return std::nullopt;
    }
  }
  return std::nullopt;
}

std::string W2CellText(const W2CsvField& field, const W2Record& w2) {
  switch (field.Kind) {
    case K::Integer:
      return w2.ControlNum == 0 ? std::string() : std::to_string(w2.ControlNum);
    case K::Flag:
      return *At(w2, field.Offset) != 0 ? "X" : "";
    case K::Ssn:
      return w2.SocSecNum.Str();
    case K::Zip:
      return w2.Zip.Str();
    case K::Country:
      return w2.Country.Str();
    case K::Text:
    case K::TipCode:
      return ShortText(w2, field.Offset, field.Capacity);
    case K::State:
      return ShortText(w2, field.Offset, 2);
    case K::Amount: {
      const Currency amount = AmountAt(w2, field.Offset);
      // Whole cents show as the screen shows them; an amount kept to four
      // decimals keeps them.
      return FormatFixed(amount, amount % 100 == 0 ? 2 : 4, 0);
    }
    case K::Box12Code: {
      const auto& entry = *reinterpret_cast<const Box12Entry*>(At(w2, field.Offset));
      if (entry.Code == ' ' || entry.Code == '\0') return {};
      return entry.CodeText();
    }
  }
  return {};
}
