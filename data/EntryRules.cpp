#include "data/EntryRules.h"

#include "data/CountryTable.h"
#include "data/StateTable.h"
#include "platform/AsciiText.h"

const std::array<std::string_view, 25> BadEinPrefixes = {
    "00", "07", "08", "09", "10", "17", "18", "19", "20", "26", "27", "28", "29",
    "30", "40", "49", "50", "60", "69", "70", "78", "79", "80", "89", "90",
};

const std::array<std::string_view, 15> UnassignedEinPrefixes = {
    "00", "07", "08", "09", "17", "18", "19", "28", "29", "49", "69", "70", "78", "79", "89",
};

namespace {

const std::string kStateMessage =
    "Expecting 2 uppercase characters representing a VALID State postal abbreviation";

std::string EinMessage(std::span<const std::string_view> prefixes) {
  std::string list;
  for (std::string_view prefix : prefixes) {
    if (!list.empty()) list += ", ";
    list += prefix;
  }
  return "Federal Employer's Identification Number (EIN) is missing or invalid. Entry should be "
         "shown as 10 positions, 9 numerics and one hyphen in position 3 (e.g., 00-0000000). The "
         "first two left-most positions cannot be " +
         list +
         ".  Social Security Administration will reject these errors when W-2 processed."
         "\r\r"
         "Also, be sure number is same as EIN on the appropriate Federal employment tax return "
         "which included employee's pay and withholding (e.g., Form 941, Form 942 Employer's "
         "Quarterly Tax Return for Household Employees or Form 943, Employer's Annual Tax Return "
         "for Agricultural Employees).";
}

std::string SsnMessage(const char* ranges) {
  return std::string(
             "Social Security Number is missing or invalid.  Should be 11 characters in format "
             "999-99-9999 the hyphens are required.  The SSN may not be 111-11-1111 or 333-33-3333 "
             "or 123-45-6789, also the first 3 characters must be in the ranges ") +
         ranges +
         ". Social Security Administration will reject these errors when W-2 processed."
         "\r\r"
         " If your records are accurate call the SSA at 1-800-772-6270 weekdays from 7:00 a.m. "
         "to 7:00 p.m. EST. to verify the SSN number. You will be asked for your company name and "
         "EIN. Then you will be asked to provide the following employee information: SSN, last "
         "name, first name, middle initial (if applicable), date of birth, and gender."
         "\r\r"
         " This SSN error is not a basis, in and of itself, for you to take any adverse action "
         "against the employee as this may violate state or federal law and be subject to legal "
         "consequences.";
}

const char* const kAssignedAreas = "001 to 665, or 667 to 728, or 750 to 772";
const char* const kRandomisedAreas = "001 to 665, or 667 to 899";

const std::string kEinMessage = EinMessage(BadEinPrefixes);
const std::string kSsnMessage = SsnMessage(kAssignedAreas);

const std::string kRetainedNotice =
    "\r\rUnless your entry is changed it will be ignored and the original value of this field "
    "will be retained as it was before you altered it.";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
// Blanks and control characters: what trimming removes.
bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

// The upper-case form of a two-letter abbreviation, or empty when the text is
// not two ASCII letters.
std::string TwoLetterCode(const std::string& text) {
  if (text.size() != 2 || !IsAsciiLetter(text[0]) || !IsAsciiLetter(text[1])) return {};
  return UpperCaseAscii(text);
}

const StateEntry* FindStateByAbbrev(const std::string& text) {
  const std::string abbrev = TwoLetterCode(text);
  if (abbrev.empty()) return nullptr;
  for (const StateEntry& state : StateTable)
    if (state.Abbrev == abbrev) return &state;
  return nullptr;
}

// The nine digits of an SSN of 9, 10 or 11 characters, typed as 999-99-9999
// or with its digits among other characters, which are ignored; empty when
// the text does not hold exactly nine digits or has 11 characters without
// the hyphens in positions 4 and 7.
std::string SsnDigits(const std::string& text) {
  if (text.size() < 9 || text.size() > 11) return {};
  if (text.size() == 11 && (text[3] != '-' || text[6] != '-')) return {};
  std::string digits;
  for (char c : text)
    if (IsDigit(c)) digits += c;
  return digits.size() == 9 ? digits : std::string{};
}

int Number(std::string_view digits) {
  int number = 0;
  for (char c : digits) number = number * 10 + (c - '0');
  return number;
}

bool ValidSsnDigits(const std::string& digits, const IdNumberRules& rules) {
  if (digits.empty() || digits == "111111111" || digits == "333333333" || digits == "123456789")
    return false;
  const int area = Number(std::string_view(digits).substr(0, 3));
  if (!rules.RandomisedSsn)
    return (area >= 1 && area <= 665) || (area >= 667 && area <= 728) ||
           (area >= 750 && area <= 772);
  const bool advertising = digits.starts_with("98765432");
  return area >= 1 && area <= 899 && area != 666 &&
         Number(std::string_view(digits).substr(3, 2)) != 0 &&
         Number(std::string_view(digits).substr(5)) != 0 && !advertising;
}

// A rejected Read entry goes back to its field with the message.
void RejectEntry(IEntryField& edit, const std::string& message) { edit.Reject(message); }

}  // namespace

const std::string& ValidationMessageText(ValidationKind kind) {
  switch (kind) {
    case ValidationKind::State:
      return kStateMessage;
    case ValidationKind::EIN:
      return kEinMessage;
    case ValidationKind::SSN:
      break;
  }
  return kSsnMessage;
}

std::string ValidationMessageText(ValidationKind kind, const IdNumberRules& rules) {
  switch (kind) {
    case ValidationKind::State:
      return kStateMessage;
    case ValidationKind::EIN:
      return EinMessage(rules.RefusedEinPrefixes);
    case ValidationKind::SSN:
      break;
  }
  return SsnMessage(rules.RandomisedSsn ? kRandomisedAreas : kAssignedAreas);
}

EntryCheck CheckStateAbbrev(std::string& text) {
  if (const StateEntry* state = FindStateByAbbrev(text)) {
    text = std::string(state->Abbrev);
    return {};
  }
  return EntryCheck{ValidationMessageText(ValidationKind::State)};
}

std::string StateNameOfAbbrev(const std::string& abbrev) {
  const StateEntry* state = FindStateByAbbrev(abbrev);
  if (state == nullptr) return {};
  return std::string(state->Name.substr(0, 24));
}

std::string StateAbbrevOfName(const std::string& name) {
  if (name.empty()) return {};
  for (const StateEntry& state : StateTable)
    if (state.Name == name) return std::string(state.Abbrev.substr(0, 2));
  const std::string upperName = UpperCaseAscii(name);
  for (const StateEntry& state : StateTable)
    if (UpperCaseAscii(state.Name) == upperName) return std::string(state.Abbrev.substr(0, 2));
  return {};
}

EntryCheck CheckEIN(const std::string& text) { return CheckEIN(text, IdNumberRules{}); }

EntryCheck CheckEIN(const std::string& text, const IdNumberRules& rules) {
  bool valid = text.size() == 10 && text[2] == '-' &&
               AllDigits(std::string_view(text).substr(0, 2)) &&
               AllDigits(std::string_view(text).substr(3));
  if (valid) {
    const std::string_view prefix = std::string_view(text).substr(0, 2);
    for (std::string_view bad : rules.RefusedEinPrefixes)
      if (prefix == bad) valid = false;
  }
  if (valid) return {};
  return EntryCheck{ValidationMessageText(ValidationKind::EIN, rules)};
}

EntryCheck CheckSSN(const std::string& text) { return CheckSSN(text, IdNumberRules{}); }

EntryCheck CheckSSN(const std::string& text, const IdNumberRules& rules) {
  if (ValidSsnDigits(SsnDigits(text), rules)) return {};
  return EntryCheck{ValidationMessageText(ValidationKind::SSN, rules)};
}

bool CheckZip(const std::string& text) {
  const std::string_view zip(text);
  switch (zip.size()) {
    case 5:
      return AllDigits(zip);
    case 6:
      return AllDigits(zip.substr(0, 5)) && zip[5] == '-';
    case 10:
      return AllDigits(zip.substr(0, 5)) && zip[5] == '-' &&
             (AllDigits(zip.substr(6)) || AllSpaces(zip.substr(6)));
    default:
      return false;
  }
}

std::string CountryName(const std::string& code) {
  if (code.size() != 2) return {};
  const std::string upper = UpperCaseAscii(code);
  if (upper == "UK") return "United Kingdom";
  if (upper == "SP") return "Spain";
  if (upper == "PO") return "Portugal";
  for (const CountryEntry& country : CountryTable)
    if (country.Code == upper) return std::string(country.Name);
  return {};
}

std::string CountryCode(const std::string& name) {
  const bool mayBeCut = name.size() >= 12;
  for (const CountryEntry& country : CountryTable)
    if (country.Name == name || (mayBeCut && country.Name.starts_with(name)))
      return std::string(country.Code);
  return {};
}

bool AllDigits(std::string_view text) {
  for (char c : text)
    if (!IsDigit(c)) return false;
  return true;
}

bool AllSpaces(std::string_view text) {
  for (char c : text)
    if (c != ' ') return false;
  return true;
}

std::string TrimText(std::string_view text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && IsBlankOrControl(text[first])) ++first;
  while (last > first && IsBlankOrControl(text[last - 1])) --last;
  return std::string(text.substr(first, last - first));
}

std::string NumberErrorText(const std::string& text) {
  return "Entry of \"" + text +
         "\" does not constitute a valid number. It must be made up of only digits 0 to 9";
}

void ReadAmountField(IEntryField& edit, Currency& amount) {
  const std::string typed = edit.Text();
  const std::string text = TrimText(typed);
  if (text.empty()) {
    amount = 0;
    return;
  }
  if (const std::optional<Currency> value = ParseAmount(text)) {
    amount = *value;
    return;
  }
  RejectEntry(edit, NumberErrorText(typed) +
                        ", no more than one period if the number includes decimals, and no more "
                        "than one minus sign if negative." +
                        kRetainedNotice);
}

void ReadIntegerField(IEntryField& edit, std::int32_t& value) {
  const std::string typed = edit.Text();
  const std::string text = TrimText(typed);
  if (text.empty()) {
    value = 0;
    return;
  }
  if (const std::optional<std::int32_t> number = ParseWholeNumber(text)) {
    value = *number;
    return;
  }
  RejectEntry(edit, NumberErrorText(typed) + kRetainedNotice);
}

void ReadCodeField(IEntryField& edit, char& code) {
  const std::string typed = edit.Text();
  const std::string text = TrimText(typed);
  if (text.empty()) {
    code = ' ';
    return;
  }
  if (text.size() == 1) {
    code = UpperAscii(text[0]);
    return;
  }
  RejectEntry(
      edit, "\"" + typed + "\" is too long, only ONE character is allowed here." + kRetainedNotice);
}

void ReadTwoLetterCodeField(IEntryField& edit, char& code, char& code2) {
  const std::string typed = edit.Text();
  const std::string text = TrimText(typed);
  if (text.size() <= 1) {
    code = text.empty() ? ' ' : UpperAscii(text[0]);
    code2 = 0;
    return;
  }
  if (text.size() == 2 && IsAsciiLetter(text[0]) && IsAsciiLetter(text[1])) {
    code = UpperAscii(text[0]);
    code2 = UpperAscii(text[1]);
    return;
  }
  if (text.size() > 2) {
    RejectEntry(edit, "\"" + typed +
                          "\" is too long, no more than TWO characters are allowed here." +
                          kRetainedNotice);
    return;
  }
  RejectEntry(edit, "\"" + typed +
                        "\" is not a code, a code of two characters must be two letters." +
                        kRetainedNotice);
}
