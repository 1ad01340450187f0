#include "rules/EmployeeList.h"

#include <algorithm>
#include <cctype>

#include "data/BlankW2.h"
#include "data/EntryRules.h"
#include "data/KeepFilePosition.h"
#include "data/QuillmarFormFile.h"
#include "rules/SumToW3.h"

namespace {

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

std::string DigitsOf(std::string_view text) {
  std::string digits;
  for (const char c : text) {
    if (c >= '0' && c <= '9') digits += c;
  }
  return digits;
}

std::string ListName(const W2Record& w2) {
  std::string name = TrimText(w2.LastName.Str());
  std::string given = TrimText(w2.FirstName.Str());
  const std::string initial = TrimText(w2.MiddleInitial.Str());
  if (!initial.empty()) given += (given.empty() ? "" : " ") + initial;
  if (!given.empty()) name += (name.empty() ? "" : ", ") + given;
  return name;
}

}  // namespace

EmployeeList ListEmployees(TQuillmarFormFile& file) {
  EmployeeList list;
  list.totals.TaxYear = file.W3Rec.w3.TaxYear;
  const KeepFilePosition keep(file);
  TRecordBuffer record{};
  for (std::int64_t offset = kFirstW2Offset;; offset += kRecSize) {
    file.Seek(offset);
    if (file.Read(record.bytes, sizeof record.bytes) != sizeof record.bytes) break;
    const W2Record& w2 = record.w2;
    if (IsBlankW2(w2)) continue;
    list.rows.push_back(
        EmployeeListRow{offset,
                        ListName(w2),
                        TrimText(w2.SocSecNum.Str()),
                        {w2.Wages, w2.FedTax, w2.SSWages, w2.SSTax, w2.MedWage, w2.MedTax},
                        w2.Void != 0});
    AddToW3Totals(list.totals, w2);
  }
  return list;
}

bool EmployeeRowMatches(const EmployeeListRow& row, std::string_view search) {
  const std::string wanted = Upper(TrimText(search));
  if (wanted.empty()) return true;
  if (Upper(row.name).find(wanted) != std::string::npos ||
      row.ssn.find(wanted) != std::string::npos)
    return true;
  const std::string digits = DigitsOf(wanted);
  return digits.size() == wanted.size() && DigitsOf(row.ssn).find(digits) != std::string::npos;
}
