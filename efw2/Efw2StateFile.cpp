#include "efw2/Efw2StateFile.h"

#include <algorithm>
#include <stdexcept>

#include "data/BlankW2.h"
#include "data/EntryRules.h"
#include "efw2/Efw2States.h"
#include "efw2/Efw2Text.h"
#include "platform/AsciiText.h"

using namespace efw2;

namespace {

constexpr std::uint64_t kMaxFieldCents = 99'999'999'999ULL;       // 11 digits
constexpr std::uint64_t kMaxTotalCents = 999'999'999'999'999ULL;  // 15 digits

std::string Plain(std::string_view typed) { return TrimText(PlainPunctuation(typed)); }

// One box 15 line of a W-2.
struct Box15Line {
  std::string State, StateId, LocalityName;
  Currency Wages, Tax, LocalWages, LocalTax;
};

std::array<Box15Line, 2> LinesOf(const W2Record& w2) {
  return {{{UpperCaseAscii(Plain(w2.ST1State.Str())), Plain(w2.ST1StateID.Str()),
            Plain(w2.ST1LocName.Str()), w2.ST1StateWage, w2.ST1StateTax, w2.ST1LocalWage,
            w2.ST1LocalTax},
           {UpperCaseAscii(Plain(w2.ST2State.Str())), Plain(w2.ST2StateID.Str()),
            Plain(w2.ST2LocName.Str()), w2.ST2StateWage, w2.ST2StateTax, w2.ST2LocalWage,
            w2.ST2LocalTax}}};
}

std::uint64_t Cents(Currency amount) {
  return static_cast<std::uint64_t>(amount / 100 + (amount % 100 >= 50 ? 1 : 0));
}

// Unverified: Ohio school districts are reported by their 4-digit number
// (box 20 "SD 1234" or "1234"); any other locality is taken for a city.
char OhioTaxType(const std::string& locality, bool hasLocal) {
  std::string digits = UpperCaseAscii(locality);
  if (digits.starts_with("SD")) digits.erase(0, 2);
  digits = TrimText(digits);
  if (digits.size() == 4 && AllDigits(digits)) return 'E';
  return hasLocal ? 'C' : ' ';
}

}  // namespace

std::string FilerNumberCaption(std::string_view state, std::int32_t taxYear) {
  const StateLayout* layout = StateLayoutOf(state, taxYear);
  return layout && layout->Rv == RvLayout::Iowa ? "Iowa business e-file number (BEN)" : "";
}

std::vector<std::string> Box15States(const std::vector<W2Record>& employees) {
  std::vector<std::string> states;
  for (const W2Record& w2 : employees) {
    if (!IsCountedW2(w2)) continue;
    for (const Box15Line& line : LinesOf(w2)) {
      if (!line.State.empty() &&
          std::find(states.begin(), states.end(), line.State) == states.end()) {
        states.push_back(line.State);
      }
    }
  }
  std::sort(states.begin(), states.end());
  return states;
}

Efw2Input Efw2StateFile::StateInput(const Efw2Input& input, const std::string& state) {
  Efw2Input reduced;
  reduced.W3 = input.W3;
  reduced.Submitter = input.Submitter;
  reduced.Rates = input.Rates;
  reduced.StateFile = true;
  for (const W2Record& w2 : input.Employees) {
    const std::array<Box15Line, 2> lines = LinesOf(w2);
    if (lines[0].State == state || lines[1].State == state) reduced.Employees.push_back(w2);
  }
  return reduced;
}

Efw2StateFile::Efw2StateFile(const Efw2Input& input, const Efw2StateChoice& choice)
    : state_(UpperCaseAscii(TrimText(choice.State))),
      name_(StateName(state_)),
      stateInput_(StateInput(input, state_)),
      federal_(stateInput_),
      findings_(federal_.Findings()) {
  const StateFiling* filing = StateFilingOf(state_);
  if (!filing) {
    Error(name_, state_ + " is not a state of the United States");
    return;
  }
  code_ = filing->Code;
  if (filing->Filing != StateFiling::W2File) {
    Error(name_, StateFilingText(state_));
    return;
  }
  if (const StateLayout* own = StateLayoutOf(state_, input.W3.TaxYear)) {
    layout_ = own;
    Warning(name_, "The file follows " + std::string(own->Instructions) +
                       " as Quillmar knows it; check it against that year's instructions "
                       "before filing");
  } else {
    Warning(name_, "Quillmar has no layout of " + name_ +
                       "'s own: the file is in the general layout of the SSA's publication "
                       "42-007; check it against " +
                       name_ + "'s own instructions for electronic W-2 filing (" +
                       std::string(filing->How) + ") before filing");
  }
  rsFields_ = RsFields(*layout_);
  if (stateInput_.Employees.empty()) {
    Error(name_, "No W-2 shows " + state_ + " in box 15: there is nothing to file for " + name_);
    return;
  }
  if (layout_->Rv == RvLayout::Iowa) {
    filerNumber_ = Digits(Plain(choice.FilerNumber));
    if (filerNumber_.size() != static_cast<std::size_t>(rv::IaBen.len) ||
        !AllDigits(filerNumber_)) {
      Error(name_, "Business e-file number (BEN) " + Plain(choice.FilerNumber) +
                       " is not the 8 digits of Iowa's BEN");
    }
  }
  PrepareLines(stateInput_, input.W3);
}

void Efw2StateFile::PrepareLines(const Efw2Input& input, const W3Record& w3) {
  // The employer's account number: the W-3's when its box 15 is this state's,
  // else the first W-2 line's.
  std::string employerId;
  if (UpperCaseAscii(Plain(w3.StateForID.Str())) == state_) employerId = Plain(w3.StateID.Str());
  for (std::size_t i = 0; i < input.Employees.size(); ++i) {
    const W2Record& w2 = input.Employees[i];
    const std::string who = Efw2EmployeeSubject(w2);
    for (const Box15Line& line : LinesOf(w2)) {
      if (line.State != state_) continue;
      Rs& rs = rs_.emplace_back();
      rs.Employee = i;
      const auto amount = [&](std::uint64_t& out, Currency value, const char* label) {
        const std::string field = std::string(label) + " (" + state_ + ")";
        if (value < 0) {
          Error(who, field + " of " + FormatAmount(value) + " is negative, this is not allowed");
        } else if ((out = Cents(value)) > kMaxFieldCents) {
          Error(who, field + " of " + FormatAmount(value) +
                         " does not fit the file (at most 999999999.99)");
        }
      };
      amount(rs.Wages, line.Wages, "Box 16 State wages");
      amount(rs.Tax, line.Tax, "Box 17 State income tax");
      amount(rs.LocalWages, line.LocalWages, "Box 18 Local wages");
      amount(rs.LocalTax, line.LocalTax, "Box 19 Local income tax");
      if (layout_->LocalsAreZeros && (rs.LocalWages != 0 || rs.LocalTax != 0)) {
        Warning(who, "Boxes 18 and 19 local wages and tax are not reported to " + name_ +
                         ", which has no local income tax; the file holds zeros");
        rs.LocalWages = rs.LocalTax = 0;
      }
      if (layout_->TaxType == TaxTypeRule::OhioLocal)
        rs.TaxType = OhioTaxType(line.LocalityName, rs.LocalWages != 0 || rs.LocalTax != 0);
      if (stateWages_ > kMaxTotalCents - std::min(kMaxTotalCents, rs.Wages) ||
          stateTax_ > kMaxTotalCents - std::min(kMaxTotalCents, rs.Tax)) {
        Error(name_, "The state totals over all W-2s do not fit the file");
      }
      stateWages_ += rs.Wages;
      stateTax_ += rs.Tax;

      const std::string typed = line.StateId.empty() ? employerId : line.StateId;
      const std::string label = "Box 15 Employer's state ID number " + typed;
      if (typed.empty()) {
        Error(who, "Box 15 Employer's state ID number for " + state_ + " is missing");
        continue;
      }
      const std::string digits = Digits(typed);
      switch (layout_->Account) {
        case AccountFormat::AsTyped:
          rs.Account = CleanAddress(typed);
          break;
        case AccountFormat::Digits8:
          if (digits.size() != 8 || !AllDigits(digits))
            Error(who, label + " is not " + name_ + "'s account ID of 8 digits");
          rs.Account = digits;
          break;
        case AccountFormat::Digits9Or12:
          if ((digits.size() != 9 && digits.size() != 12) || !AllDigits(digits))
            Error(who, label + " is not " + name_ + "'s permit number of 9 or 12 digits");
          rs.Account = std::string(20 - std::min<std::size_t>(20, digits.size()), '0') + digits;
          break;
      }
      if (account_.empty()) {
        account_ = rs.Account;
      } else if (rs.Account != account_) {
        Warning(who, label + " differs from " + account_ +
                         " on the other W-2s; one file holds one employer account, verify "
                         "this is O.K.");
      }
    }
  }
}

void Efw2StateFile::Error(const std::string& subject, std::string text) {
  findings_.push_back({Efw2Severity::Error, subject, std::move(text)});
}

void Efw2StateFile::Warning(const std::string& subject, std::string text) {
  findings_.push_back({Efw2Severity::Warning, subject, std::move(text)});
}

bool Efw2StateFile::HasErrors() const {
  return std::any_of(findings_.begin(), findings_.end(),
                     [](const Efw2Finding& f) { return f.Severity == Efw2Severity::Error; });
}

void Efw2StateFile::WriteRs(RecordWriter& w, const Rs& rs) const {
  const Efw2WageFile::Employee& e = federal_.Employees().at(rs.Employee);
  w.Start("RS");
  for (const RsField& f : rsFields_) {
    switch (f.Value) {
      case RsValue::Blank:
        break;
      case RsValue::StateCode:
      case RsValue::IncomeTaxState:
        w.Number(f.At, static_cast<std::uint64_t>(code_));
        break;
      case RsValue::Ssn:
        w.Text(f.At, e.Ssn);
        break;
      case RsValue::FirstName:
        w.Text(f.At, e.First);
        break;
      case RsValue::MiddleName:
        w.Text(f.At, e.Middle);
        break;
      case RsValue::LastName:
        w.Text(f.At, e.Last);
        break;
      case RsValue::Suffix:
        w.Text(f.At, e.Suffix);
        break;
      case RsValue::Location:
        w.Text(f.At, e.Home.Location);
        break;
      case RsValue::Delivery:
        w.Text(f.At, e.Home.Delivery);
        break;
      case RsValue::City:
        w.Text(f.At, e.Home.City);
        break;
      case RsValue::State:
        w.Text(f.At, e.Home.State);
        break;
      case RsValue::Zip:
        w.Text(f.At, e.Home.Zip);
        break;
      case RsValue::ZipExt:
        w.Text(f.At, e.Home.ZipExt);
        break;
      case RsValue::ForeignState:
        w.Text(f.At, e.ForeignState);
        break;
      case RsValue::ForeignPostalCode:
        w.Text(f.At, e.ForeignPostalCode);
        break;
      case RsValue::Country:
        w.Text(f.At, e.Country);
        break;
      case RsValue::Account:
        w.Text(f.At, rs.Account);
        break;
      case RsValue::StateWages:
        w.Number(f.At, rs.Wages);
        break;
      case RsValue::StateTax:
        w.Number(f.At, rs.Tax);
        break;
      case RsValue::TaxType:
        w.Char(f.At, rs.TaxType);
        break;
      case RsValue::LocalWages:
        w.Number(f.At, rs.LocalWages);
        break;
      case RsValue::LocalTax:
        w.Number(f.At, rs.LocalTax);
        break;
      case RsValue::Zeros:
        w.Number(f.At, 0);
        break;
    }
  }
  w.End();
}

void Efw2StateFile::WriteRv(RecordWriter& w) const {
  switch (layout_->Rv) {
    case RvLayout::None:
      return;
    case RvLayout::General:
    case RvLayout::Iowa:
      w.Start("RV");
      w.Number(rv::RsCount, rs_.size());
      w.Number(rv::StateWages, stateWages_);
      w.Number(rv::StateTax, stateTax_);
      if (layout_->Rv == RvLayout::Iowa) {
        w.Text(rv::IaBen, filerNumber_);
        w.Number(rv::IaZeros, 0);
      }
      break;
    case RvLayout::Pennsylvania:
      w.Start("RV");
      w.Number(rv::PaStateCode, static_cast<std::uint64_t>(code_));
      w.Text(rv::PaTaxYear, federal_.TaxYear());
      w.Text(rv::PaAccount, account_);
      w.Text(rv::PaEin, federal_.Ein());
      w.Number(rv::PaRsCount, rs_.size());
      w.Number(rv::PaStateWages, stateWages_);
      w.Number(rv::PaStateTax, stateTax_);
      break;
  }
  w.End();
}

std::string Efw2StateFile::Records() const {
  if (HasErrors()) throw std::logic_error("a state W-2 file with errors cannot be written");
  std::string out;
  out.reserve((2 * federal_.W2Count() + rs_.size() + 6) * (kRecordLength + 2));
  RecordWriter w(out);
  federal_.WriteSubmitter(w);
  federal_.WriteEmployer(w);
  std::size_t next = 0;
  for (std::size_t i = 0; i < federal_.W2Count(); ++i) {
    if (layout_->FederalRecords) federal_.WriteEmployee(w, i);
    for (; next < rs_.size() && rs_[next].Employee == i; ++next) WriteRs(w, rs_[next]);
  }
  if (layout_->FederalRecords) federal_.WriteTotals(w);
  WriteRv(w);
  if (layout_->Rf == RfLayout::Federal) {
    federal_.WriteFinal(w, federal_.W2Count());
  } else {
    w.Start("RF");
    w.End();
  }
  return out;
}

std::vector<std::string> Efw2StateReportLines(const W3Record& w3, const Efw2StateFile& file) {
  return Efw2ReportLines(w3, file.Findings(), "State W-2 File (" + file.State() + ")");
}
