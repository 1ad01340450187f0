#include "rules/CheckAllW2s.h"

#include <algorithm>
#include <set>

#include "data/EntryRules.h"
#include "data/QuillmarFormFile.h"
#include "data/RecordBuffer.h"
#include "platform/QuillmarError.h"
#include "rules/KindOfPayer.h"
#include "rules/QuietEntryChecks.h"
#include "rules/SaveWorkRecord.h"
#include "rules/TaxYearRules.h"

namespace {

// The edit check says what it did to the W-2 on the screen; here nothing is
// changed, so its lines say what it would do.
void AsProposal(ReportLines& lines, std::size_t from) {
  for (std::size_t i = from; i < lines.size(); ++i) {
    std::string& line = lines[i];
    for (const auto& [done, proposed] :
         {std::pair<std::string, std::string>{"has been reduced", "would be reduced"},
          {" Wage has", " Wage would"},
          {"been reduced to", "be reduced to"}}) {
      if (const std::size_t at = line.find(done); at != std::string::npos)
        line.replace(at, done.size(), proposed);
    }
  }
}

// The findings of one W-2 under its heading; true when there were any.
bool CheckOneW2(W2Record w2, const SocSecMedicareRates& rates, ReportLines& out, bool& wageBase) {
  ReportLines lines;
  CheckW2Entries(w2, lines, true, rates.TaxYear);
  wageBase = false;
  if (rates.SocSecMaxWage != 0) {
    // In the order of the W-2 screen's check: the tax against the lowered wage.
    std::size_t from = lines.size();
    wageBase = CheckSocSecWageMax(w2, rates, lines);
    AsProposal(lines, from);
    CheckSocSecTax(w2, rates, lines);
    from = lines.size();
    wageBase = CheckMedicareWageMax(w2, rates, lines) || wageBase;
    AsProposal(lines, from);
    CheckMedicareTax(w2, rates, lines);
  }
  out.emplace_back();
  out.push_back("W-2 Error Report for: " + w2.FirstName.Str() + " " + w2.MiddleInitial.Str() + " " +
                w2.LastName.Str() + ",   SSN = " + w2.SocSecNum.Str());
  bool any = false;
  for (const std::string& line : lines) {
    if (line.empty()) continue;
    out.push_back("   " + line);
    any = true;
  }
  if (!any) out.emplace_back("   No obvious errors were found");
  return any;
}

void CheckEmployerAddress(const W3Record& w3, ReportLines& lines) {
  if (w3.EmployerName.Empty()) lines.emplace_back("Employer name is missing");
  if (w3.Street.Empty()) lines.emplace_back("Employer street is missing");
  if (w3.Town.Empty()) lines.emplace_back("Employer city or town is missing");
  const std::string state = w3.State.Str();
  if (state.empty()) {
    lines.emplace_back("Employer state is missing");
  } else if (state.size() == 2 && StateNameOfAbbrev(state).empty()) {
    lines.emplace_back("Employer state abbreviation is invalid");
  }
  const std::string zip = TrimText(w3.Zip.Str());
  if (zip.empty()) {
    lines.emplace_back("Employer Zip Code is missing");
  } else if (!CheckZip(w3.Zip.Str()) && !CheckZip(zip)) {
    lines.emplace_back("Employer Zip Code is invalid");
  }
}

}  // namespace

bool CheckW3Entries(const W3Record& w3, int nonVoidW2s, ReportLines& lines) {
  const std::size_t start = lines.size();
  const TaxYearRules& year = RulesForYear(w3.TaxYear);
  if (w3.TaxYear == 0) lines.emplace_back("Tax year is missing");
  if (w3.EmployerEIN.Empty()) {
    lines.emplace_back("Employer identification number (EIN) is missing");
  } else if (QuietCheckEin(w3.EmployerEIN.Str(), w3.TaxYear)) {
    lines.push_back("Employer identification number (EIN) " + w3.EmployerEIN.Str() + " is invalid");
  }
  CheckEmployerAddress(w3, lines);
  if (w3.KindOfPayer == kForm944 && !year.Form944)
    lines.push_back("Kind of payer 944 does not exist for the " + std::to_string(w3.TaxYear) +
                    " tax year");
  if (year.KindOfEmployer && w3.KindOfEmployer == 0)
    lines.emplace_back("Kind of employer is not chosen");
  if (nonVoidW2s == 0) lines.emplace_back("There are no W-2s to file (every W-2 is void)");
  if (w3.W2Count != nonVoidW2s)
    lines.push_back("The W-3 counts " + std::to_string(w3.W2Count) + " W-2s but the file holds " +
                    std::to_string(nonVoidW2s) +
                    ": open the W-3 screen or print the W-3 to bring its totals up to date");
  return lines.size() > start;
}

AllW2sCheck CheckAllW2s(TQuillmarFormFile& file, const SocSecMedicareRates& rates) {
  AllW2sCheck check;
  ReportLines& lines = check.Lines;
  const std::int64_t position = file.Position();
  lines.push_back("Check of all W-2s, tax year " + std::to_string(rates.TaxYear));
  if (rates.SocSecMaxWage == 0) {
    lines.emplace_back();
    lines.push_back("There are no Social Security or Medicare rates on file for the " +
                    std::to_string(rates.TaxYear) + " tax year so was");
    lines.emplace_back(
        "unable to verify Social Security or Medicare taxes or check Social Security wages");
    lines.emplace_back(
        "against the maximum taxable wage. Add them on Edit, Soc.Sec/Medicare Rates.");
  }
  const SortedKeyList& names = file.NameIndex();
  for (int i = 0; i < names.Count(); ++i) {
    const std::int64_t offset = names.Object(i)->Offset;
    TRecordBuffer record;
    file.Seek(offset);
    if (file.Read(record.bytes, kRecSize) != kRecSize) {
      file.Seek(position);
      throw QuillmarError("The W-2 of " + names.Key(i) + " cannot be read.");
    }
    const W2Record& w2 = record.w2;
    if (w2.Void != 0) continue;
    // The blank placeholder of a new file is nobody's W-2.
    if (w2.SocSecNum.Empty() && TQuillmarFormFile::MakeNameKey(w2).empty()) continue;
    ++check.W2sChecked;
    bool wageBase = false;
    if (CheckOneW2(w2, rates, lines, wageBase)) ++check.W2sWithFindings;
    if (wageBase) check.WageBaseCorrections.push_back(offset);
  }
  file.Seek(position);

  lines.emplace_back();
  lines.emplace_back("W-3 Company Information");
  if (!CheckW3Entries(file.W3Rec.w3, check.W2sChecked, lines))
    lines.emplace_back("   No obvious errors were found");
  for (std::size_t i = lines.size(); i-- > 0 && lines[i] != "W-3 Company Information";)
    if (!lines[i].starts_with("   ")) lines[i] = "   " + lines[i];

  lines.emplace_back();
  lines.push_back(std::to_string(check.W2sWithFindings) + " of " +
                  std::to_string(check.W2sChecked) + " W-2s have findings");
  if (!check.WageBaseCorrections.empty())
    lines.push_back(std::to_string(check.WageBaseCorrections.size()) +
                    " W-2s have boxes 3 or 5 above the wage base (listed above as \"would be "
                    "reduced\"); nothing has been changed");
  return check;
}

std::string WageBaseQuestion(std::size_t count) {
  return "Lower boxes 3 and 5 to the wage base on the " + std::to_string(count) +
         " W-2s listed in the report and save them ?";
}

int ApplyWageBaseCorrections(TQuillmarFormFile& file, const SocSecMedicareRates& rates,
                             const std::vector<std::int64_t>& offsets) {
  const std::set<std::int64_t> wanted(offsets.begin(), offsets.end());
  const int mode = file.IndexMode;
  file.IndexMode = 0;  // file order: one walk reaches every record
  int saved = 0;
  for (bool more = file.GoFirst(); more && saved < static_cast<int>(wanted.size());
       more = file.GoNext()) {
    if (wanted.count(file.RecPos()) == 0) continue;
    W2Record& w2 = file.WorkRec.w2;
    ReportLines ignored;
    CheckSocSecWageMax(w2, rates, ignored);
    CheckMedicareWageMax(w2, rates, ignored);
    if (!SaveWorkRecord(file)) break;
    ++saved;
  }
  file.IndexMode = mode;
  return saved;
}
