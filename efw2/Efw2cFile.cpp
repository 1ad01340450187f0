#include "efw2/Efw2cFile.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>

#include "data/EntryRules.h"
#include "efw2/Efw2Rules.h"
#include "efw2/Efw2Text.h"
#include "efw2/Efw2cLayout.h"

namespace {

using namespace efw2;
using namespace efw2c;

constexpr const char* kWhoW3 = "W-3 Company";
constexpr std::uint64_t kMaxMoneyCents = 99'999'999'999ull;  // 11 digits

std::uint64_t Cents(Currency amount) {
  return static_cast<std::uint64_t>(amount / 100 + (amount % 100 >= 50 ? 1 : 0));
}

std::string Blank(std::size_t length) { return std::string(length, ' '); }

void Put(std::string& record, Field f, std::string_view text) {
  const std::string_view cut = text.substr(0, static_cast<std::size_t>(f.len));
  record.replace(static_cast<std::size_t>(f.pos - 1), cut.size(), cut);
}

void PutNumber(std::string& record, int pos, int len, std::uint64_t value) {
  std::string digits = std::to_string(value);
  digits.insert(0, static_cast<std::size_t>(std::max(0, len - static_cast<int>(digits.size()))),
                '0');
  Put(record, Field{pos, len}, digits.substr(digits.size() - static_cast<std::size_t>(len)));
}

std::string Take(const std::string& record, Field f) {
  return record.substr(static_cast<std::size_t>(f.pos - 1), static_cast<std::size_t>(f.len));
}

std::string TrimRight(std::string text) {
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

// The records of a wage file by their identifiers.
std::vector<std::string> RecordsOf(const std::string& file, std::string_view id) {
  std::vector<std::string> found;
  for (std::size_t at = 0; at + efw2::kRecordLength <= file.size(); at += efw2::kRecordLength + 2) {
    if (file.compare(at, 2, id) == 0) found.push_back(file.substr(at, efw2::kRecordLength));
  }
  return found;
}

// The place of an amount item in the correction records: an RwAmount or an
// RoAmount; nothing for an item the file does not carry.
struct Place {
  enum Kind { Rw, Ro, None, Unknown } kind = None;
  std::size_t index = 0;
};

Place PlaceOf(const CorrectionItem& item, const Efw2Submitter& submitter) {
  if (!item.field) {
    const Box12Place p = PlaceOfBox12Code(item.box12Code);
    switch (p.kind) {
      case Box12Place::Rw:
        return {Place::Rw, p.amount};
      case Box12Place::Ro:
        if (kRcoPairPos[p.amount] == 0) return {Place::Unknown, 0};
        return {Place::Ro, p.amount};
      case Box12Place::NotReported:
        return {};
      default:
        return {Place::Unknown, 0};
    }
  }
  switch (item.field->member) {
    case offsetof(W2Record, Wages):
      return {Place::Rw, kBox1};
    case offsetof(W2Record, FedTax):
      return {Place::Rw, kBox2};
    case offsetof(W2Record, SSWages):
      return {Place::Rw, kBox3};
    case offsetof(W2Record, SSTax):
      return {Place::Rw, kBox4};
    case offsetof(W2Record, MedWage):
      return {Place::Rw, kBox5};
    case offsetof(W2Record, MedTax):
      return {Place::Rw, kBox6};
    case offsetof(W2Record, SSTips):
      return {Place::Rw, kBox7};
    case offsetof(W2Record, DepCare):
      return {Place::Rw, kBox10};
    case offsetof(W2Record, NonQualPlans):
      return {Place::Rw, submitter.Box11Section457 ? kBox11Section457 : kBox11NotSection457};
    case offsetof(W2Record, AllocTips):
      return {Place::Ro, kBox8};
    default:
      return {};
  }
}

}  // namespace

void Efw2cFile::Error(const std::string& subject, std::string text) {
  findings_.push_back({Efw2Severity::Error, subject, std::move(text)});
}

bool Efw2cFile::HasErrors() const {
  return std::any_of(findings_.begin(), findings_.end(),
                     [](const Efw2Finding& f) { return f.Severity == Efw2Severity::Error; });
}

Efw2cFile::Pairs Efw2cFile::PairsOf(const EmployeeCorrection& e, const Efw2Submitter& submitter,
                                    const std::string& who) {
  Pairs pairs;
  for (const CorrectionItem& item : e.items) {
    if (item.Kind() == ItemKind::Check) {
      const std::size_t i = item.field->member == offsetof(W2Record, StatEmpl)     ? 0
                            : item.field->member == offsetof(W2Record, RetirePlan) ? 1
                                                                                   : 2;
      pairs.box13[i] = {item.previousAmount != 0 ? '1' : '0', item.correctAmount != 0 ? '1' : '0'};
      pairs.box13Used[i] = true;
      continue;
    }
    if (item.Kind() != ItemKind::Money) continue;
    const Place place = PlaceOf(item, submitter);
    if (place.kind == Place::Unknown) {
      Error(who, item.Label() +
                     " cannot be corrected in the file: its place in the correction records is "
                     "not known; correct it on paper");
      continue;
    }
    if (place.kind == Place::None) continue;
    if (item.previousAmount < 0 || item.correctAmount < 0) {
      Error(who, item.Label() + " is negative");
      continue;
    }
    auto& pair = place.kind == Place::Rw ? pairs.rw[place.index] : pairs.ro[place.index];
    pair[0] += Cents(item.previousAmount);
    pair[1] += Cents(item.correctAmount);
    (place.kind == Place::Rw ? pairs.rwUsed[place.index] : pairs.roUsed[place.index]) = true;
  }
  // A pair whose two amounts come out equal in cents corrects nothing.
  for (std::size_t i = 0; i < kRwAmountCount; ++i) {
    if (pairs.rwUsed[i] && pairs.rw[i][0] == pairs.rw[i][1]) pairs.rwUsed[i] = false;
    if (pairs.rw[i][0] > kMaxMoneyCents || pairs.rw[i][1] > kMaxMoneyCents)
      Error(who, "An amount does not fit the file");
  }
  for (std::size_t i = 0; i < kRoAmountCount; ++i) {
    if (pairs.roUsed[i] && pairs.ro[i][0] == pairs.ro[i][1]) pairs.roUsed[i] = false;
    if (pairs.ro[i][0] > kMaxMoneyCents || pairs.ro[i][1] > kMaxMoneyCents)
      Error(who, "An amount does not fit the file");
  }
  return pairs;
}

std::string Efw2cFile::Rcw(const EmployeeCorrection& e, const std::string& rw, const Pairs& pairs,
                           const std::string& who) {
  std::string r = Blank(efw2c::kRecordLength);
  Put(r, rcw::Id, "RCW");
  const std::string ssn = Take(rw, efw2::rw::Ssn);
  Put(r, rcw::Ssn, ssn);
  if (e.SsnCorrected()) {
    const std::string original = Digits(e.filed.SocSecNum.Str());
    if (!IsSsaValidSsn(original)) {
      Error(who, "The previously reported SSN " + e.filed.SocSecNum.Str() +
                     " is not a number the SSA takes; correct it on paper");
    } else if (original == ssn) {
      Error(who, "The previously reported SSN is the same as the correct one");
    }
    Put(r, rcw::OriginalSsn, original);
  }
  if (e.NameCorrected()) {
    std::string first, middle, last;
    CleanName(e.filed.FirstName.Str(), first);
    CleanName(e.filed.MiddleInitial.Str(), middle);
    CleanName(e.filed.LastName.Str(), last);
    std::string filedSuffix;
    CleanName(e.filed.Suffix.Str(), filedSuffix);
    if (!TrimRight(filedSuffix).empty()) last = TrimRight(last) + " " + TrimRight(filedSuffix);
    Put(r, rcw::OriginalFirst, first);
    Put(r, rcw::OriginalMiddle, middle);
    Put(r, rcw::OriginalLast, last);
  }
  Put(r, rcw::First, Take(rw, efw2::rw::FirstName));
  Put(r, rcw::Middle, Take(rw, efw2::rw::MiddleName));
  std::string lastName = TrimRight(Take(rw, efw2::rw::LastName));
  const std::string suffix = TrimRight(Take(rw, efw2::rw::Suffix));
  if (!suffix.empty()) lastName += " " + suffix;
  Put(r, rcw::Last, lastName);
  Put(r, rcw::Location, Take(rw, efw2::rw::Location));
  Put(r, rcw::Delivery, Take(rw, efw2::rw::Delivery));
  Put(r, rcw::City, Take(rw, efw2::rw::City));
  Put(r, rcw::State, Take(rw, efw2::rw::State));
  Put(r, rcw::Zip, Take(rw, efw2::rw::Zip));
  Put(r, rcw::ZipExt, Take(rw, efw2::rw::ZipExt));
  Put(r, rcw::ForeignState, Take(rw, efw2::rw::ForeignState));
  Put(r, rcw::ForeignPostalCode, Take(rw, efw2::rw::ForeignPostalCode));
  Put(r, rcw::CountryCode, Take(rw, efw2::rw::CountryCode));
  for (std::size_t i = 0; i < kRwAmountCount; ++i) {
    if (!pairs.rwUsed[i]) continue;
    PutNumber(r, kRcwPairPos[i], kMoneyLength, pairs.rw[i][0]);
    PutNumber(r, kRcwPairPos[i] + kMoneyLength, kMoneyLength, pairs.rw[i][1]);
  }
  const int box13Pos[] = {rcw::kStatutoryEmployee, rcw::kRetirementPlan, rcw::kThirdPartySickPay};
  for (std::size_t i = 0; i < 3; ++i) {
    if (!pairs.box13Used[i]) continue;
    r[static_cast<std::size_t>(box13Pos[i] - 1)] = pairs.box13[i][0];
    r[static_cast<std::size_t>(box13Pos[i])] = pairs.box13[i][1];
  }
  return r;
}

Efw2cFile::Efw2cFile(const Efw2cInput& input) {
  if (input.Employees.empty()) {
    Error(kWhoW3, "There are no W-2 corrections for the SSA");
    return;
  }
  // The correct W-2s through the wage file's conversions and checks; its
  // comparison of the W-3 totals with the W-2s does not apply to a correction.
  Efw2Input wage;
  wage.W3 = input.W3;
  wage.Submitter = input.Submitter;
  wage.Rates = input.Rates;
  for (const EmployeeCorrection& e : input.Employees) {
    wage.Employees.push_back(e.change == EmployeeChange::Voided ? e.filed : e.current);
  }
  wage.W3.W2Count = static_cast<std::int32_t>(wage.Employees.size());
  const Efw2WageFile wageFile(wage);
  for (const Efw2Finding& f : wageFile.Findings()) {
    const bool totals = f.Severity == Efw2Severity::Warning && f.Subject == kWhoW3 &&
                        f.Text.find("verify this is O.K.") != std::string::npos;
    if (!totals) findings_.push_back(f);
  }
  if (input.W3.TaxYear >= 2026) {
    // The correction records are known from the editions up to tax year 2024.
    findings_.push_back(
        {Efw2Severity::Warning, kWhoW3,
         "The correction file's layout for tax year " + std::to_string(input.W3.TaxYear) +
             " is not confirmed against the SSA's publication; test the file with the SSA "
             "before relying on it"});
  }
  if (wageFile.HasErrors()) return;
  const std::string wageRecords = wageFile.Records();
  const std::vector<std::string> ra = RecordsOf(wageRecords, "RA");
  const std::vector<std::string> re = RecordsOf(wageRecords, "RE");
  const std::vector<std::string> rw = RecordsOf(wageRecords, "RW");
  if (ra.size() != 1 || re.size() != 1 || rw.size() != input.Employees.size()) {
    throw std::logic_error("the wage file's records do not match its employees");
  }

  rca_ = Blank(efw2c::kRecordLength);
  Put(rca_, rca::Id, "RCA");
  Put(rca_, rca::SubmitterEin, Take(ra[0], efw2::ra::SubmitterEin));
  Put(rca_, rca::UserId, Take(ra[0], efw2::ra::UserId));
  // In-house software: no vendor code.
  Put(rca_, rca::SoftwareCode, "98");
  Put(rca_, rca::Name, Take(ra[0], efw2::ra::SubmitterName));
  Put(rca_, rca::Location, Take(ra[0], efw2::ra::SubmitterLocation));
  Put(rca_, rca::Delivery, Take(ra[0], efw2::ra::SubmitterDelivery));
  Put(rca_, rca::City, Take(ra[0], efw2::ra::SubmitterCity));
  Put(rca_, rca::State, Take(ra[0], efw2::ra::SubmitterState));
  Put(rca_, rca::Zip, Take(ra[0], efw2::ra::SubmitterZip));
  Put(rca_, rca::ZipExt, Take(ra[0], efw2::ra::SubmitterZipExt));
  Put(rca_, rca::ContactName, Take(ra[0], efw2::ra::ContactName));
  Put(rca_, rca::ContactPhone, Take(ra[0], efw2::ra::ContactPhone));
  Put(rca_, rca::ContactPhoneExt, Take(ra[0], efw2::ra::ContactPhoneExt));
  Put(rca_, rca::ContactEMail, Take(ra[0], efw2::ra::ContactEMail));
  Put(rca_, rca::ContactFax, Take(ra[0], efw2::ra::ContactFax));
  Put(rca_, rca::PreparerCode, Take(ra[0], efw2::ra::PreparerCode));
  Put(rca_, rca::ResubIndicator, Take(ra[0], efw2::ra::ResubIndicator));
  Put(rca_, rca::ResubWfid, Take(ra[0], efw2::ra::ResubWfid));

  rce_ = Blank(efw2c::kRecordLength);
  Put(rce_, rce::Id, "RCE");
  Put(rce_, rce::TaxYear, Take(re[0], efw2::re::TaxYear));
  Put(rce_, rce::Ein, Take(re[0], efw2::re::Ein));
  Put(rce_, rce::Name, Take(re[0], efw2::re::Name));
  Put(rce_, rce::Location, Take(re[0], efw2::re::Location));
  Put(rce_, rce::Delivery, Take(re[0], efw2::re::Delivery));
  Put(rce_, rce::City, Take(re[0], efw2::re::City));
  Put(rce_, rce::State, Take(re[0], efw2::re::State));
  Put(rce_, rce::Zip, Take(re[0], efw2::re::Zip));
  Put(rce_, rce::ZipExt, Take(re[0], efw2::re::ZipExt));
  Put(rce_, rce::KindOfEmployer, Take(re[0], efw2::re::KindOfEmployer));
  Put(rce_, rce::ContactName, Take(re[0], efw2::re::ContactName));
  Put(rce_, rce::ContactPhone, Take(re[0], efw2::re::ContactPhone));
  Put(rce_, rce::ContactPhoneExt, Take(re[0], efw2::re::ContactPhoneExt));
  Put(rce_, rce::ContactFax, Take(re[0], efw2::re::ContactFax));
  Put(rce_, rce::ContactEMail, Take(re[0], efw2::re::ContactEMail));

  for (std::size_t n = 0; n < input.Employees.size(); ++n) {
    const EmployeeCorrection& e = input.Employees[n];
    const std::string who = e.Subject();
    const Pairs pairs = PairsOf(e, input.Submitter, who);
    rcw_.push_back(Rcw(e, rw[n], pairs, who));
    const bool anyRw =
        std::find(pairs.rwUsed.begin(), pairs.rwUsed.end(), true) != pairs.rwUsed.end();
    const bool anyRo =
        std::find(pairs.roUsed.begin(), pairs.roUsed.end(), true) != pairs.roUsed.end();
    const bool anyBox13 =
        std::find(pairs.box13Used.begin(), pairs.box13Used.end(), true) != pairs.box13Used.end();
    if (!anyRw && !anyRo && !anyBox13 && !e.SsnCorrected() && !e.NameCorrected()) {
      Error(who, "The W-2c corrects nothing the SSA's file carries; correct it on paper");
    }
    std::string rco;
    if (anyRo) {
      rco = Blank(efw2c::kRecordLength);
      Put(rco, Field{1, 3}, "RCO");
      for (std::size_t i = 0; i < kRoAmountCount; ++i) {
        if (!pairs.roUsed[i]) continue;
        PutNumber(rco, kRcoPairPos[i], kMoneyLength, pairs.ro[i][0]);
        PutNumber(rco, kRcoPairPos[i] + kMoneyLength, kMoneyLength, pairs.ro[i][1]);
        roTotals_[i][0] += pairs.ro[i][0];
        roTotals_[i][1] += pairs.ro[i][1];
        roTotalUsed_[i] = true;
      }
    }
    rco_.push_back(rco);
    for (std::size_t i = 0; i < kRwAmountCount; ++i) {
      if (!pairs.rwUsed[i]) continue;
      rwTotals_[i][0] += pairs.rw[i][0];
      rwTotals_[i][1] += pairs.rw[i][1];
      rwTotalUsed_[i] = true;
    }
  }
}

std::string Efw2cFile::Records() const {
  if (HasErrors()) throw std::logic_error("the correction file has errors");
  std::string file;
  std::size_t rcoCount = 0;
  const auto add = [&file](const std::string& record) {
    file += record;
    file += "\r\n";
  };
  add(rca_);
  add(rce_);
  for (std::size_t n = 0; n < rcw_.size(); ++n) {
    add(rcw_[n]);
    if (!rco_[n].empty()) {
      add(rco_[n]);
      ++rcoCount;
    }
  }
  std::string rct = Blank(efw2c::kRecordLength);
  Put(rct, rct::Id, "RCT");
  PutNumber(rct, rct::RcwCount.pos, rct::RcwCount.len, rcw_.size());
  for (std::size_t i = 0; i < kRwAmountCount; ++i) {
    if (!rwTotalUsed_[i]) continue;
    PutNumber(rct, kRctPairPos[i], efw2c::kTotalLength, rwTotals_[i][0]);
    PutNumber(rct, kRctPairPos[i] + efw2c::kTotalLength, efw2c::kTotalLength, rwTotals_[i][1]);
  }
  add(rct);
  if (rcoCount > 0) {
    std::string rcu = Blank(efw2c::kRecordLength);
    Put(rcu, rcu::Id, "RCU");
    PutNumber(rcu, rcu::RcoCount.pos, rcu::RcoCount.len, rcoCount);
    for (std::size_t i = 0; i < kRoAmountCount; ++i) {
      if (!roTotalUsed_[i]) continue;
      PutNumber(rcu, kRcuPairPos[i], efw2c::kTotalLength, roTotals_[i][0]);
      PutNumber(rcu, kRcuPairPos[i] + efw2c::kTotalLength, efw2c::kTotalLength, roTotals_[i][1]);
    }
    add(rcu);
  }
  std::string rcf = Blank(efw2c::kRecordLength);
  Put(rcf, rcf::Id, "RCF");
  PutNumber(rcf, rcf::RcwCount.pos, rcf::RcwCount.len, rcw_.size());
  add(rcf);
  return file;
}

std::vector<std::string> Efw2cReportLines(const W3Record& w3,
                                          const std::vector<Efw2Finding>& findings) {
  std::vector<std::string> lines = Efw2ReportLines(w3, findings);
  // The same report as for the wage file, under its own heading.
  lines[0] = "SSA Correction File (EFW2C) Report for: " + w3.EmployerName.Str() +
             ",   EIN = " + w3.EmployerEIN.Str() + ",   Tax Year " + std::to_string(w3.TaxYear);
  return lines;
}
