#include "efw2/Efw2WageFile.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_map>

#include "data/EntryRules.h"
#include "efw2/Efw2RecordWriter.h"
#include "efw2/Efw2Rules.h"
#include "efw2/Efw2Text.h"
#include "platform/AsciiText.h"
#include "rules/Box12Codes.h"
#include "rules/TaxYearRules.h"

using namespace efw2;

namespace {

constexpr std::uint64_t kMaxFieldCents = 99'999'999'999ULL;       // 11 digits
constexpr std::uint64_t kMaxTotalCents = 999'999'999'999'999ULL;  // 15 digits
constexpr Currency kTaxTolerance = 5 * kCurrencyScale;

// The file says it comes from an in-house program (RA 36-37 "98"): software
// sold to employers writes "99" with its NACTP vendor code in RA 20-23, and
// Quillmar has no vendor code assigned.
constexpr const char* kSoftwareCode = "98";

constexpr const char* kWhoW3 = "W-3 Company";
constexpr std::string_view kSsnNotYetIssued = "000000000";
constexpr const char* kZipForm = " is invalid: 5 digits, or 5 digits, a hyphen and 4 digits";
constexpr const char* kEinForm =
    " (9 digits; prefix not 00, 07, 08, 09, 17, 18, 19, 28, 29, 49, 69, 70, 78, 79 or 89)";
constexpr const char* kWhoSubmitter = "Submitter";

const std::array<const char*, kRwAmountCount> kRwLabels = {
    "Box 1 Wages",
    "Box 2 Federal Tax",
    "Box 3 Social Security Wage",
    "Box 4 Social Security Tax",
    "Box 5 Medicare Wage",
    "Box 6 Medicare Tax",
    "Box 7 Social Security Tips",
    "Box 10 Dependent Care Benefits",
    "Box 12 code D",
    "Box 12 code E",
    "Box 12 code F",
    "Box 12 code G",
    "Box 12 code H",
    "Box 11 Nonqualified Plans (section 457)",
    "Box 12 code W",
    "Box 11 Nonqualified Plans",
    "Box 12 code Q",
    "Box 12 code C",
    "Box 12 code V",
    "Box 12 code Y",
    "Box 12 code AA",
    "Box 12 code BB",
    "Box 12 code DD",
    "Box 12 code FF"};
const std::array<const char*, kRoAmountCount> kRoLabels = {
    "Box 8 Allocated Tips", "Box 12 codes A and B", "Box 12 code R",  "Box 12 code S",
    "Box 12 code T",        "Box 12 code M",        "Box 12 code N",  "Box 12 code Z",
    "Box 12 code EE",       "Box 12 code GG",       "Box 12 code HH", "Box 12 code II"};

// Whole cents of an amount that is not negative, rounded half up.
std::uint64_t Cents(Currency amount) {
  return static_cast<std::uint64_t>(amount / 100 + (amount % 100 >= 50 ? 1 : 0));
}
Currency FromCents(std::uint64_t cents) { return static_cast<Currency>(cents) * 100; }
std::string Amount(std::uint64_t cents) { return FormatAmount(FromCents(cents)); }

bool AddWithin(std::uint64_t& total, std::uint64_t add, std::uint64_t max) {
  if (add > max - std::min(total, max)) {
    total = max;
    return false;
  }
  total += add;
  return true;
}

// A field as typed, its typographic punctuation made plain, without blanks at its ends.
std::string Trimmed(std::string_view text) { return TrimText(PlainPunctuation(text)); }

bool LettersAndDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
  });
}

// An e-mail address as typed: printable ASCII without blanks, a part before
// and after one "@".
bool IsEMail(std::string_view text) {
  const std::size_t at = text.find('@');
  if (at == 0 || at == std::string_view::npos || at + 1 == text.size()) return false;
  if (text.find('@', at + 1) != std::string_view::npos) return false;
  return std::all_of(text.begin(), text.end(), [](char c) { return c > ' ' && c < 0x7F; });
}

// A ZIP code as typed, "99999", "99999-" or "99999-9999"; the extension is
// empty when it is missing or blank.
bool SplitZip(std::string_view typed, std::string& zip, std::string& extension) {
  const std::string text = Trimmed(typed);
  if (text.size() < 5 || !AllDigits(std::string_view(text).substr(0, 5))) return false;
  zip = text.substr(0, 5);
  extension.clear();
  if (text.size() == 5) return true;
  if (text[5] != '-') return false;
  const std::string rest = Trimmed(std::string_view(text).substr(6));
  if (rest.empty()) return true;
  if (rest.size() != 4 || !AllDigits(rest)) return false;
  extension = rest;
  return true;
}

// The subject of an employee's findings, made only when there is a finding.
class Who {
 public:
  explicit Who(const W2Record& w2) : w2_(w2) {}
  operator const std::string&() const {
    if (text_.empty()) text_ = Efw2EmployeeSubject(w2_);
    return text_;
  }

 private:
  const W2Record& w2_;
  mutable std::string text_;
};

// Splits a suffix (JR, SR, II, III, IV, V) off the end of a cleaned last name.
void SplitSuffix(std::string& last, std::string& suffix) {
  const std::size_t blank = last.rfind(' ');
  if (blank == std::string::npos) return;
  const std::string word = last.substr(blank + 1);
  for (const char* known : {"JR", "SR", "II", "III", "IV", "V"}) {
    if (word == known) {
      suffix = word;
      last.erase(blank);
      return;
    }
  }
}

void WriteAddress(RecordWriter& w, const Efw2WageFile::Address& a, Field location, Field delivery,
                  Field city, Field state, Field zip, Field zipExt) {
  w.Text(location, a.Location);
  w.Text(delivery, a.Delivery);
  w.Text(city, a.City);
  w.Text(state, a.State);
  w.Text(zip, a.Zip);
  w.Text(zipExt, a.ZipExt);
}

}  // namespace

std::string Efw2EmployeeSubject(const W2Record& w2) {
  std::string name;
  for (const std::string& part :
       {Trimmed(w2.FirstName.Str()), Trimmed(w2.MiddleInitial.Str()), Trimmed(w2.LastName.Str())}) {
    if (part.empty()) continue;
    if (!name.empty()) name += ' ';
    name += part;
  }
  if (name.empty()) name = "(no name)";
  const std::string ssn = Trimmed(w2.SocSecNum.Str());
  return name + " (SSN " + (ssn.empty() ? std::string("missing") : ssn) + ")";
}

void Efw2WageFile::Error(const std::string& subject, std::string text) {
  findings_.push_back({Efw2Severity::Error, subject, std::move(text)});
}

void Efw2WageFile::Warning(const std::string& subject, std::string text) {
  findings_.push_back({Efw2Severity::Warning, subject, std::move(text)});
}

bool Efw2WageFile::HasErrors() const {
  return std::any_of(findings_.begin(), findings_.end(),
                     [](const Efw2Finding& f) { return f.Severity == Efw2Severity::Error; });
}

Efw2WageFile::Efw2WageFile(const Efw2Input& input) {
  PrepareEmployer(input);
  PrepareSubmitter(input.Submitter);
  std::unordered_map<std::string, std::size_t> firstWithSsn;
  firstWithSsn.reserve(input.Employees.size());
  employees_.reserve(input.Employees.size());
  for (std::size_t i = 0; i < input.Employees.size(); ++i) {
    PrepareEmployee(input.Employees[i], input);
    const Employee& e = employees_.back();
    if (e.Ssn.empty() || e.Ssn == kSsnNotYetIssued) continue;
    const auto [it, added] = firstWithSsn.emplace(e.Ssn, i);
    if (!added) {
      Error(Efw2EmployeeSubject(input.Employees[i]),
            "SSN is the same as on the W-2 of " + Efw2EmployeeSubject(input.Employees[it->second]));
    }
  }
  if (employees_.empty() && !input.StateFile)
    Error(kWhoW3, "There are no W-2s to report: every W-2 is void or blank");
  if (employees_.size() > 9'999'999)
    Error(kWhoW3, "There are more W-2s than one wage file can hold");
  if (!input.StateFile) CheckTotals(input);
}

void Efw2WageFile::PrepareEmployer(const Efw2Input& input) {
  const W3Record& w3 = input.W3;
  if (w3.TaxYear == 0) {
    Error(kWhoW3, "Tax year is missing");
  } else if (w3.TaxYear < 1000 || w3.TaxYear > 9999) {
    Error(kWhoW3, "Tax year " + std::to_string(w3.TaxYear) + " is not a valid year");
  } else {
    taxYear_ = std::to_string(w3.TaxYear);
    if (input.Rates.SocSecMaxWage == 0) {
      Error(kWhoW3, "No Social Security and Medicare rates are on file for tax year " + taxYear_ +
                        "; add them under Edit, Soc.Sec/Medicare Rates");
    }
  }

  const std::string einText = Trimmed(w3.EmployerEIN.Str());
  ein_ = Digits(einText);
  if (einText.empty()) {
    Error(kWhoW3, "Employer EIN is missing");
  } else if (!IsSsaValidEin(ein_)) {
    Error(kWhoW3,
          "Employer EIN " + einText + " is not an EIN the SSA accepts" + std::string(kEinForm));
  }
  const std::string otherText = Trimmed(w3.OtherEIN.Str());
  otherEin_ = Digits(otherText);
  if (!otherText.empty() && !IsSsaValidEin(otherEin_)) {
    Error(kWhoW3,
          "Other EIN " + otherText + " is not an EIN the SSA accepts" + std::string(kEinForm));
  }
  establishment_ = CleanAddress(w3.Establishment.Str());
  employerName_ = CleanCompany(w3.EmployerName.Str());
  if (employerName_.empty()) Error(kWhoW3, "Employer name is missing");

  Address& a = employerAddress_;
  a.Location = CleanAddress(w3.Suite.Str());
  a.Delivery = CleanAddress(w3.Street.Str());
  a.City = CleanAddress(w3.Town.Str());
  if (a.Delivery.empty()) Warning(kWhoW3, "Street is missing; the SSA writes to this address");
  if (a.City.empty()) Warning(kWhoW3, "Town is missing; the SSA writes to this address");
  const std::string state = Trimmed(w3.State.Str());
  const std::string zip = Trimmed(w3.Zip.Str());
  if (state.empty()) {
    Warning(kWhoW3, "State is missing; the SSA writes to this address");
  } else {
    std::string abbrev = UpperCaseAscii(state);
    if (StateNameOfAbbrev(abbrev).empty()) abbrev = StateAbbrevOfName(state);
    if (abbrev.empty() || abbrev == "AC") {
      Error(kWhoW3, "State " + state + " is not a state abbreviation the SSA accepts");
    }
    a.State = abbrev;
  }
  if (zip.empty()) {
    Warning(kWhoW3, "Zip Code is missing; the SSA writes to this address");
  } else if (!SplitZip(zip, a.Zip, a.ZipExt)) {
    Error(kWhoW3, "Zip Code " + zip + kZipForm);
  }

  const int kind = KindOfEmployerOf(w3);
  const std::optional<char> kindLetter =
      KindOfEmployerLetter(KindOfEmployerLetter(kind) ? kind : input.Submitter.KindOfEmployer);
  if (kindLetter)
    kindOfEmployer_ = *kindLetter;
  else
    Error(kWhoW3, "Kind of employer is not chosen");
  if (const std::optional<char> code = EmploymentCode(w3.KindOfPayer)) {
    employmentCode_ = *code;
  } else {
    Error(kWhoW3, "Kind of payer " + std::to_string(w3.KindOfPayer) + " is unknown");
  }
  if (const std::optional<char> sick = ThirdPartySickPayIndicator(w3.TPSickPayKind)) {
    sickPay_ = *sick;
  } else {
    Error(kWhoW3,
          "Third-party sick pay choice " + std::to_string(w3.TPSickPayKind) + " is unknown");
  }
  if (w3.TaxWheldTPSickPay < 0) {
    Error(kWhoW3, "Income tax withheld by third-party payer of " +
                      FormatAmount(w3.TaxWheldTPSickPay) + " is negative, this is not allowed");
  } else if ((sickPayTax_ = Cents(w3.TaxWheldTPSickPay)) > kMaxTotalCents) {
    Error(kWhoW3, "Income tax withheld by third-party payer does not fit the file");
  }
  terminating_ = input.Submitter.TerminatingBusiness ? '1' : '0';

  // The employer's contact is optional in the file: what cannot be written is left out.
  Contact& c = employerContact_;
  c.Name = CleanAddress(w3.Contact.Str());
  const std::string phone = Trimmed(w3.Phone.Str());
  if (!SplitPhone(phone, c.Phone, c.PhoneExt) || c.Phone.size() > 15 || c.PhoneExt.size() > 5) {
    Warning(kWhoW3, "Telephone " + phone + " is not a telephone number and is left out");
    c.Phone.clear();
    c.PhoneExt.clear();
  }
  // Unverified: whether the SSA wants blanks or zeros for a missing employer
  // fax (RE 269-278); blanks, as for the submitter's fax.
  const std::string fax = Trimmed(w3.Fax.Str());
  c.Fax = Digits(fax);
  if (!fax.empty() && (c.Fax.size() != 10 || !AllDigits(c.Fax))) {
    Warning(kWhoW3, "Fax " + fax + " is not a fax number of 10 digits and is left out");
    c.Fax.clear();
  }
  c.EMail = Trimmed(w3.EMail.Str());
  if (c.EMail.size() > static_cast<std::size_t>(re::ContactEMail.len)) {
    Warning(kWhoW3,
            "E-mail " + c.EMail + " is longer than the 40 characters of its field and is left out");
    c.EMail.clear();
  } else if (!c.EMail.empty() && !IsEMail(c.EMail)) {
    Warning(kWhoW3, "E-mail " + c.EMail + " is not an e-mail address and is left out");
    c.EMail.clear();
  }
}

void Efw2WageFile::PrepareSubmitter(const Efw2Submitter& s) {
  const std::string userId = Trimmed(s.UserId);
  if (userId.size() != 8 || !LettersAndDigits(userId)) {
    Error(kWhoSubmitter,
          "BSO User ID must be the 8 letters and digits of a Business Services Online User ID");
  }
  userId_ = UpperCaseAscii(userId);
  const std::string einText = Trimmed(s.Ein);
  submitterEin_ = Digits(einText);
  if (einText.empty())
    Error(kWhoSubmitter, "Submitter EIN is missing");
  else if (!IsSsaValidEin(submitterEin_))
    Error(kWhoSubmitter,
          "Submitter EIN " + einText + " is not an EIN the SSA accepts" + std::string(kEinForm));

  if (s.Resubmission) {
    resubIndicator_ = '1';
    resubWfid_ = UpperCaseAscii(Trimmed(s.ResubWfid));
    if (resubWfid_.size() != 6 || !LettersAndDigits(resubWfid_)) {
      Error(kWhoSubmitter,
            "A resubmission needs the 6-character wage file identifier (WFID) of the SSA's notice");
    }
  }
  submitterName_ = CleanCompany(s.Name);
  if (submitterName_.empty()) Error(kWhoSubmitter, "Submitter name is missing");
  Address& a = submitterAddress_;
  a.Location = CleanAddress(s.Suite);
  a.Delivery = CleanAddress(s.Street);
  a.City = CleanAddress(s.City);
  if (a.Delivery.empty()) Error(kWhoSubmitter, "Street is missing");
  if (a.City.empty()) Error(kWhoSubmitter, "City is missing");
  const std::string state = Trimmed(s.State);
  std::string abbrev = UpperCaseAscii(state);
  if (StateNameOfAbbrev(abbrev).empty()) abbrev = StateAbbrevOfName(state);
  if (state.empty())
    Error(kWhoSubmitter, "State is missing");
  else if (abbrev.empty() || abbrev == "AC")
    Error(kWhoSubmitter, "State " + state + " is not a state abbreviation the SSA accepts");
  a.State = abbrev;
  const std::string zip = Trimmed(s.Zip);
  if (zip.empty())
    Error(kWhoSubmitter, "Zip Code is missing");
  else if (!SplitZip(zip, a.Zip, a.ZipExt))
    Error(kWhoSubmitter, "Zip Code " + zip + kZipForm);

  Contact& c = submitterContact_;
  c.Name = CleanAddress(s.Contact);
  if (c.Name.empty()) Error(kWhoSubmitter, "Contact name is missing");
  const std::string phone = Trimmed(s.Phone);
  if (phone.empty()) {
    Error(kWhoSubmitter, "Contact telephone is missing");
  } else if (!SplitPhone(phone, c.Phone, c.PhoneExt) || c.Phone.size() < 10 ||
             c.Phone.size() > 15 || c.PhoneExt.size() > 5) {
    Error(kWhoSubmitter,
          "Contact telephone " + phone +
              " is not a telephone number with its area code (10 to 15 digits, an extension of "
              "up to 5 after \"x\")");
  }
  c.EMail = Trimmed(s.EMail);
  if (c.EMail.empty())
    Error(kWhoSubmitter, "Contact e-mail is missing; the SSA sends its notices by e-mail");
  else if (c.EMail.size() > static_cast<std::size_t>(ra::ContactEMail.len))
    Error(kWhoSubmitter, "Contact e-mail " + c.EMail + " is " + std::to_string(c.EMail.size()) +
                             " characters long, longer than the 40 of its field");
  else if (!IsEMail(c.EMail))
    Error(kWhoSubmitter,
          "Contact e-mail " + c.EMail +
              " is not an e-mail address (a name, one \"@\" and a domain, no blanks)");
  const std::string fax = Trimmed(s.Fax);
  c.Fax = Digits(fax);
  if (!fax.empty() && (c.Fax.size() != 10 || !AllDigits(c.Fax))) {
    Error(kWhoSubmitter, "Fax " + fax + " is not a fax number of 10 digits");
  }
  preparerCode_ = s.PreparerCode;
  if (std::string_view("ALSPO").find(preparerCode_) == std::string_view::npos ||
      preparerCode_ == '\0') {
    Error(kWhoSubmitter, "Preparer code " + std::string(1, preparerCode_) + " is unknown");
  }
}

void Efw2WageFile::PrepareEmployee(const W2Record& w2, const Efw2Input& input) {
  const Who who(w2);
  Employee& e = employees_.emplace_back();

  const std::string ssnText = Trimmed(w2.SocSecNum.Str());
  const std::string ssn = Digits(ssnText);
  if (ssnText.empty()) {
    Error(who, "SSN is missing");
  } else if (ssn == kSsnNotYetIssued) {
    // The employee has applied for a number: the IRS tells filers to report zeros.
    e.Ssn = ssn;
    Warning(who,
            "SSN 000-00-0000: the employee has applied for a Social Security number, the file "
            "reports zeros; file a W-2c with the number once it is issued");
  } else if (!IsSsaValidSsn(ssn))
    Error(who, "SSN " + ssnText +
                   " is not a valid Social Security number (9 digits; area not 000, "
                   "666 or 900-999, group not 00, serial not 0000)");
  else
    e.Ssn = ssn;

  // Unverified: the exact set of characters the SSA takes in names; letters,
  // blanks, hyphens and apostrophes are safe.
  const auto name = [&](std::string_view typed, std::string& out, const char* label,
                        bool required) {
    if (!CleanName(typed, out)) {
      Error(who, std::string(label) +
                     " holds characters the SSA does not accept in names (only letters, blanks, "
                     "hyphens and apostrophes)");
    } else if (required && out.empty()) {
      Error(who, std::string(label) + " is missing");
    }
  };
  name(w2.FirstName.Str(), e.First, "First name", true);
  name(w2.MiddleInitial.Str(), e.Middle, "Middle name", false);
  name(w2.LastName.Str(), e.Last, "Last name", true);
  // The suffix of box e when the W-2 has one; else, when asked, one split
  // off the last name.
  if (!TrimText(w2.Suffix.Str()).empty()) {
    name(w2.Suffix.Str(), e.Suffix, "Suffix", false);
  } else if (input.Submitter.SuffixFromLastName) {
    SplitSuffix(e.Last, e.Suffix);
  }

  // Unverified: the characters the SSA takes in addresses; A-Z, 0-9, blank,
  // hyphen, slash and "#" are kept, the others become blanks.
  e.Home.Location = CleanAddress(w2.Suite.Str());
  e.Home.Delivery = CleanAddress(w2.StreetPOB.Str());
  e.Home.City = CleanAddress(w2.City.Str());
  if (e.Home.Delivery.empty()) Warning(who, "Street is missing");
  if (e.Home.City.empty()) Warning(who, "City or Town is missing");
  const std::string state = Trimmed(w2.AddrState.Str());
  const std::string zip = Trimmed(w2.Zip.Str());
  const std::string postCode = Trimmed(w2.PostCode.Str());
  const std::string country = UpperCaseAscii(Trimmed(w2.Country.Str()));
  if (!zip.empty() && !(postCode.empty() && country.empty())) {
    Error(who,
          "The address has a U.S. Zip Code and a foreign country or postal code; empty the one "
          "that does not apply");
  } else if (!zip.empty() || (postCode.empty() && country.empty())) {
    std::string abbrev = UpperCaseAscii(state);
    if (StateNameOfAbbrev(abbrev).empty()) abbrev = StateAbbrevOfName(state);
    if (state.empty())
      Error(who, "State is missing");
    else if (abbrev == "AC")
      Error(who, "State AC (Contingency Operations) is no longer accepted by the SSA");
    else if (abbrev.empty())
      Error(who, "State " + state + " is not a U.S. state abbreviation");
    e.Home.State = abbrev;
    if (zip.empty())
      Error(who, "Zip Code is missing");
    else if (!SplitZip(zip, e.Home.Zip, e.Home.ZipExt))
      Error(who, "Zip Code " + zip + kZipForm);
  } else {
    e.ForeignState = CleanAddress(state);
    e.ForeignPostalCode = CleanAddress(postCode);
    e.Country = country;
    if (country.empty())
      Error(who, "Foreign Country is missing");
    else if (CountryName(country).empty())
      Error(who, "Country code " + country + " is not in the country list");
    if (postCode.empty()) Warning(who, "Foreign Postal Code is missing");
  }

  const auto add = [&](std::uint64_t& field, Currency amount, std::string_view label) {
    if (amount >= 0 && AddWithin(field, Cents(amount), kMaxFieldCents)) return;
    if (amount < 0) {
      Error(who, std::string(label) + " of " + FormatAmount(amount) +
                     " is negative, this is not allowed");
    } else {
      Error(who, std::string(label) + " of " + FormatAmount(amount) +
                     " does not fit the file (at most 999999999.99)");
    }
  };
  const std::pair<RwAmount, Currency> boxes[] = {
      {kBox1, w2.Wages},
      {kBox2, w2.FedTax},
      {kBox3, w2.SSWages},
      {kBox4, w2.SSTax},
      {kBox5, w2.MedWage},
      {kBox6, w2.MedTax},
      {kBox7, w2.SSTips},
      {kBox10, w2.DepCare},
      {input.Submitter.Box11Section457 ? kBox11Section457 : kBox11NotSection457, w2.NonQualPlans}};
  for (const auto& [field, amount] : boxes) add(e.Rw[field], amount, kRwLabels[field]);
  add(e.Ro[kBox8], w2.AllocTips, kRoLabels[kBox8]);
  if (!BelowHalfCent(w2.AdvEIC)) {
    Error(who, "Box 9 Advance EIC payment of " + FormatAmount(w2.AdvEIC) +
                   " cannot be reported: box 9 no longer exists");
  }
  for (const Box12Entry& line : w2.Box12) {
    const std::string code = Box12Code(line);
    if (code.empty()) {
      if (line.Amount != 0)
        Error(who, "Box 12 amount of " + FormatAmount(line.Amount) + " has no code");
      continue;
    }
    if (line.Amount == 0) continue;
    const Box12Place place = PlaceOfBox12Code(code);
    const std::string label = "Box 12 code " + code;
    switch (place.kind) {
      case Box12Place::Rw:
        add(e.Rw[place.amount], line.Amount, label);
        break;
      case Box12Place::Ro:
        add(e.Ro[place.amount], line.Amount, label);
        break;
      case Box12Place::NotReported:
        Warning(who, label + " amount of " + FormatAmount(line.Amount) +
                         " is not reported to the SSA and is left out of the file");
        break;
      case Box12Place::NoPlaceKnown:
        Error(who,
              label + " cannot be written: the SSA has not yet published its place in the file");
        break;
      case Box12Place::Unknown:
        Error(who, label + " is not a box 12 code");
        break;
    }
  }
  e.HasRo = std::any_of(e.Ro.begin(), e.Ro.end(), [](std::uint64_t c) { return c != 0; });
  e.StatutoryEmployee = w2.StatEmpl != 0 ? '1' : '0';
  e.RetirementPlan = w2.RetirePlan != 0 ? '1' : '0';
  e.ThirdPartySickPay = w2.TPSickPay != 0 ? '1' : '0';

  CheckAmounts(e, w2, input);
  for (std::size_t i = 0; i < kRwAmountCount; ++i) {
    if (!AddWithin(rwTotals_[i], e.Rw[i], kMaxTotalCents)) {
      Error(kWhoW3,
            std::string("The total of ") + kRwLabels[i] + " over all W-2s does not fit the file");
    }
  }
  if (e.HasRo) {
    ++roCount_;
    for (std::size_t i = 0; i < kRoAmountCount; ++i) {
      if (!AddWithin(roTotals_[i], e.Ro[i], kMaxTotalCents)) {
        Error(kWhoW3,
              std::string("The total of ") + kRoLabels[i] + " over all W-2s does not fit the file");
      }
    }
  }
}

void Efw2WageFile::CheckAmounts(const Employee& e, const W2Record& w2, const Efw2Input& input) {
  const Who who(w2);
  const std::uint64_t box1 = e.Rw[kBox1], box2 = e.Rw[kBox2], box3 = e.Rw[kBox3];
  const std::uint64_t box4 = e.Rw[kBox4], box5 = e.Rw[kBox5], box6 = e.Rw[kBox6];
  const std::uint64_t box7 = e.Rw[kBox7];
  const std::uint64_t ss = box3 + box7;
  const SocSecMedicareRates& rates = input.Rates;
  if (rates.SocSecMaxWage > 0) {
    const std::uint64_t base = Cents(rates.SocSecMaxWage);
    if (ss > base) {
      Error(who, "Social Security Wage " + Amount(box3) + " + Tips " + Amount(box7) + " = " +
                     Amount(ss) + " exceed the maximum of " + Amount(base) +
                     ", this is not allowed");
    }
    const std::uint64_t maxTax =
        Cents(std::max<Currency>(0, TaxProduct(rates.SocSecMaxWage, rates.SocSecRate)));
    if (box4 > maxTax) {
      Error(who, "Box 4 Social Security Tax of " + Amount(box4) + " exceeds the maximum of " +
                     Amount(maxTax) + ", this is not allowed");
    }
    const Currency ssTax = TaxProduct(FromCents(ss), rates.SocSecRate);
    if (FromCents(box4) > ssTax + kTaxTolerance || FromCents(box4) < ssTax - kTaxTolerance) {
      Warning(who, "Calculated Soc.Sec.Tax at " + FormatAmount(ssTax) + " but your entry is " +
                       Amount(box4));
    }
    // The Medicare tax of the W-3's year, with its additional tax where the year has one.
    SocSecMedicareRates yearRates = rates;
    yearRates.TaxYear = input.W3.TaxYear;
    const Currency medTax = CalculatedMedicareTax(FromCents(box5), yearRates);
    if (FromCents(box6) > medTax + kTaxTolerance || FromCents(box6) < medTax - kTaxTolerance) {
      Warning(who, "Calculated Medicare Tax at " + FormatAmount(medTax) + " but your entry is " +
                       Amount(box6));
    }
  }
  if (box4 > 0 && ss == 0) {
    Error(who, "Box 4 Social Security Tax of " + Amount(box4) +
                   " with no Social Security wages or tips, this is not allowed");
  }
  if (box6 > 0 && box5 == 0) {
    Error(who,
          "Box 6 Medicare Tax of " + Amount(box6) + " with no Medicare wages, this is not allowed");
  }
  const char code = employmentCode_;
  if (std::string_view("RFAHM").find(code) != std::string_view::npos && box5 < ss) {
    Error(who, "Box 5 Medicare Wage " + Amount(box5) +
                   " is less than Social Security Wage + Tips " + Amount(ss) +
                   ", this is not allowed");
  }
  // Unverified: that Medicare government employment allows no Social Security
  // amounts follows from its definition (employees covered by Medicare only).
  if (code == 'Q' && (box3 != 0 || box4 != 0 || box7 != 0)) {
    Error(who,
          "Medicare government employment: boxes 3, 4 and 7 must be zero, this is not allowed");
  }
  if (code == 'H') {
    const std::optional<Currency> threshold = HouseholdThreshold(input.W3.TaxYear);
    if (!threshold) {
      Warning(who, "The household threshold of tax year " + std::to_string(input.W3.TaxYear) +
                       " is not known; verify that the wages are at least the threshold or zero");
    } else {
      const std::uint64_t min = Cents(*threshold);
      if (ss != 0 && ss < min) {
        Error(who, "Social Security Wage + Tips of " + Amount(ss) +
                       " are below the household threshold of " + Amount(min) +
                       " and must be zero, this is not allowed");
      }
      if (box5 != 0 && box5 < min) {
        Error(who, "Box 5 Medicare Wage of " + Amount(box5) +
                       " is below the household threshold of " + Amount(min) +
                       " and must be zero, this is not allowed");
      }
    }
  }
  // Unverified: what the SSA checks for railroad employers; RRTA compensation
  // must not appear in boxes 3, 5 and 7.
  if (code == 'X' && (box3 != 0 || box5 != 0 || box7 != 0)) {
    Warning(who,
            "Railroad employer: boxes 3, 5 and 7 may hold only wages covered by Social Security "
            "and Medicare, not RRTA compensation, verify this is O.K.");
  }
  if (box2 > box1) {
    Warning(who, "Box 2 Federal Tax " + Amount(box2) + " is more than Box 1 Wages " + Amount(box1) +
                     ", verify this is O.K.");
  }
}

void Efw2WageFile::CheckTotals(const Efw2Input& input) {
  const W3Record& w3 = input.W3;
  if (w3.W2Count != static_cast<std::int32_t>(employees_.size())) {
    Warning(kWhoW3, "The W-3 counts " + std::to_string(w3.W2Count) + " W-2s, the file holds " +
                        std::to_string(employees_.size()) + ", verify this is O.K.");
  }
  const auto compare = [&](const char* label, Currency w3Total, std::uint64_t fileTotal) {
    if (w3Total >= 0 && Cents(w3Total) == fileTotal) return;
    Warning(kWhoW3, std::string("W-3 total of ") + label + " " + FormatAmount(w3Total) +
                        " differs from the W-2s in the file, " + Amount(fileTotal) +
                        ", verify this is O.K.");
  };
  const std::pair<RwAmount, Currency> boxes[] = {{kBox1, w3.TotWages},    {kBox2, w3.TotFedTax},
                                                 {kBox3, w3.TotSSWages},  {kBox4, w3.TotSSTax},
                                                 {kBox5, w3.TotMedWages}, {kBox6, w3.TotMedTax},
                                                 {kBox7, w3.TotSSTips},   {kBox10, w3.TotDepCare}};
  for (const auto& [field, total] : boxes) compare(kRwLabels[field], total, rwTotals_[field]);
  compare(kRoLabels[kBox8], w3.TotAllocTips, roTotals_[kBox8]);
  compare("Box 11 Nonqualified Plans", w3.TotNonQualPlans,
          rwTotals_[kBox11Section457] + rwTotals_[kBox11NotSection457]);
  // The year's deferred compensation codes, wherever the file holds them (S
  // and EE in RO, the others in RW).
  std::uint64_t deferred = 0;
  for (const std::string_view code : DeferredCompensationCodes(w3.TaxYear)) {
    const Box12Place place = PlaceOfBox12Code(code);
    if (place.kind == Box12Place::Rw) deferred += rwTotals_[place.amount];
    if (place.kind == Box12Place::Ro) deferred += roTotals_[place.amount];
  }
  compare("Deferred Compensation", w3.TotDefComp, deferred);
}

std::string Efw2WageFile::Records() const {
  if (HasErrors()) throw std::logic_error("a wage file with errors cannot be written");
  std::string out;
  out.reserve((2 * employees_.size() + 5) * (kRecordLength + 2));
  RecordWriter w(out);
  WriteSubmitter(w);
  WriteEmployer(w);
  for (std::size_t i = 0; i < employees_.size(); ++i) WriteEmployee(w, i);
  WriteTotals(w);
  WriteFinal(w, employees_.size());
  return out;
}

void Efw2WageFile::WriteSubmitter(RecordWriter& w) const {
  w.Start("RA");
  w.Text(ra::SubmitterEin, submitterEin_);
  w.Text(ra::UserId, userId_);
  w.Char(ra::ResubIndicator, resubIndicator_);
  w.Text(ra::ResubWfid, resubWfid_);
  w.Text(ra::SoftwareCode, kSoftwareCode);
  w.Text(ra::CompanyName, submitterName_);
  WriteAddress(w, submitterAddress_, ra::CompanyLocation, ra::CompanyDelivery, ra::CompanyCity,
               ra::CompanyState, ra::CompanyZip, ra::CompanyZipExt);
  w.Text(ra::SubmitterName, submitterName_);
  WriteAddress(w, submitterAddress_, ra::SubmitterLocation, ra::SubmitterDelivery,
               ra::SubmitterCity, ra::SubmitterState, ra::SubmitterZip, ra::SubmitterZipExt);
  w.Text(ra::ContactName, submitterContact_.Name);
  w.Text(ra::ContactPhone, submitterContact_.Phone);
  w.Text(ra::ContactPhoneExt, submitterContact_.PhoneExt);
  w.Text(ra::ContactEMail, submitterContact_.EMail);
  w.Text(ra::ContactFax, submitterContact_.Fax);
  w.Char(ra::PreparerCode, preparerCode_);
  w.End();
}

void Efw2WageFile::WriteEmployer(RecordWriter& w) const {
  w.Start("RE");
  w.Text(re::TaxYear, taxYear_);
  w.Text(re::Ein, ein_);
  w.Char(re::TerminatingBusiness, terminating_);
  w.Text(re::Establishment, establishment_);
  w.Text(re::OtherEin, otherEin_);
  w.Text(re::Name, employerName_);
  WriteAddress(w, employerAddress_, re::Location, re::Delivery, re::City, re::State, re::Zip,
               re::ZipExt);
  w.Char(re::KindOfEmployer, kindOfEmployer_);
  w.Char(re::EmploymentCode, employmentCode_);
  // RE 220, the tax jurisdiction, stays blank: Form W-2 of the states. (The
  // letters of the territories other than P are unverified; none is written.)
  w.Char(re::ThirdPartySickPay, sickPay_);
  w.Text(re::ContactName, employerContact_.Name);
  w.Text(re::ContactPhone, employerContact_.Phone);
  w.Text(re::ContactPhoneExt, employerContact_.PhoneExt);
  w.Text(re::ContactFax, employerContact_.Fax);
  w.Text(re::ContactEMail, employerContact_.EMail);
  w.End();
}

void Efw2WageFile::WriteEmployee(RecordWriter& w, std::size_t index) const {
  const Employee& e = employees_.at(index);
  w.Start("RW");
  w.Text(rw::Ssn, e.Ssn);
  w.Text(rw::FirstName, e.First);
  w.Text(rw::MiddleName, e.Middle);
  w.Text(rw::LastName, e.Last);
  w.Text(rw::Suffix, e.Suffix);
  WriteAddress(w, e.Home, rw::Location, rw::Delivery, rw::City, rw::State, rw::Zip, rw::ZipExt);
  w.Text(rw::ForeignState, e.ForeignState);
  w.Text(rw::ForeignPostalCode, e.ForeignPostalCode);
  w.Text(rw::CountryCode, e.Country);
  for (std::size_t i = 0; i < kRwAmountCount; ++i)
    w.Number({kRwAmountPos[i], kRwAmountLength}, e.Rw[i]);
  w.Char(rw::StatutoryEmployee, e.StatutoryEmployee);
  w.Char(rw::RetirementPlan, e.RetirementPlan);
  w.Char(rw::ThirdPartySickPay, e.ThirdPartySickPay);
  w.End();
  if (!e.HasRo) return;
  w.Start("RO");
  for (std::size_t i = 0; i < kRoAmountCount; ++i)
    w.Number({kRoAmountPos[i], kRwAmountLength}, e.Ro[i]);
  for (const int pos : kRoZeroAmountPos) w.Number({pos, kRwAmountLength}, 0);
  w.End();
}

void Efw2WageFile::WriteTotals(RecordWriter& w) const {
  const auto& rwTotals = rwTotals_;
  const auto& roTotals = roTotals_;
  const std::size_t rwCount = employees_.size(), roCount = roCount_;
  w.Start("RT");
  w.Number(rt::RwCount, rwCount);
  for (std::size_t i = 0; i < kRwAmountCount; ++i)
    w.Number({kRtAmountPos[i], kTotalLength}, rwTotals[i]);
  w.Number(rt::ThirdPartySickPayTax, sickPayTax_);
  w.End();
  // Unverified: that an RU is required whenever the employer has RO records.
  if (roCount > 0) {
    w.Start("RU");
    w.Number(ru::RoCount, roCount);
    for (std::size_t i = 0; i < kRoAmountCount; ++i)
      w.Number({kRuAmountPos[i], kTotalLength}, roTotals[i]);
    for (const int pos : kRuZeroAmountPos) w.Number({pos, kTotalLength}, 0);
    w.End();
  }
}

void Efw2WageFile::WriteFinal(RecordWriter& w, std::size_t rwCount) const {
  w.Start("RF");
  w.Number(rf::RwCount, rwCount);
  w.End();
}

std::vector<std::string> Efw2ReportLines(const W3Record& w3,
                                         const std::vector<Efw2Finding>& findings,
                                         const std::string& title) {
  std::size_t errors = 0;
  for (const Efw2Finding& f : findings) errors += f.Severity == Efw2Severity::Error ? 1 : 0;
  const std::size_t warnings = findings.size() - errors;
  const auto count = [](std::size_t n, const char* what) {
    return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
  };
  std::vector<std::string> lines;
  lines.push_back(title + " Report for: " + w3.EmployerName.Str() + ",   EIN = " +
                  w3.EmployerEIN.Str() + ",   Tax Year " + std::to_string(w3.TaxYear));
  lines.emplace_back();
  if (errors > 0) {
    lines.push_back(count(errors, "error") + ": the file is not written until they are corrected.");
  } else {
    lines.emplace_back("No errors were found: the file can be written.");
  }
  if (warnings > 0) lines.push_back(count(warnings, "warning") + ": verify these are O.K.");
  lines.emplace_back();
  for (const Efw2Finding& f : findings) {
    lines.push_back(std::string(f.Severity == Efw2Severity::Error ? "Error:   " : "Warning: ") +
                    f.Subject + ": " + f.Text);
  }
  return lines;
}
