#include "rules/ImportMapping.h"

#include <algorithm>

#include "rules/W2CsvFields.h"

namespace {

bool NamesHeader(const W2CsvField& field, const std::string& header) {
  if (header.empty()) return false;
  if (header == NormalizedHeader(field.Caption) || header == NormalizedHeader(field.Member))
    return true;
  std::string_view aliases = field.Aliases;
  while (!aliases.empty()) {
    const std::size_t bar = aliases.find('|');
    if (aliases.substr(0, bar) == header) return true;
    if (bar == std::string_view::npos) break;
    aliases.remove_prefix(bar + 1);
  }
  return false;
}

int FirstFreeField(const std::string& header, const std::vector<bool>& taken) {
  const auto fields = W2CsvFields();
  for (std::size_t i = 0; i < fields.size(); ++i)
    if (!taken[i] && NamesHeader(fields[i], header)) return static_cast<int>(i);
  return kNotImported;
}

}  // namespace

std::string NormalizedHeader(std::string_view header) {
  std::string out;
  for (char c : header) {
    if (c >= 'A' && c <= 'Z') out += static_cast<char>(c - 'A' + 'a');
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) out += c;
  }
  return out;
}

ColumnMapping GuessMapping(const CsvRow& headers,
                           const std::vector<std::optional<std::string>>& remembered) {
  std::vector<bool> taken(W2CsvFields().size(), false);
  ColumnMapping mapping(headers.size(), kNotImported);
  std::vector<bool> decided(headers.size(), false);
  // The remembered choices first, so that a guess never takes their fields.
  for (std::size_t column = 0; column < headers.size() && column < remembered.size(); ++column) {
    if (!remembered[column]) continue;
    decided[column] = true;
    const auto field = W2CsvFieldOfMember(*remembered[column]);
    if (field && !taken[*field]) {
      mapping[column] = static_cast<int>(*field);
      taken[*field] = true;
    }
  }
  for (std::size_t column = 0; column < headers.size(); ++column) {
    if (decided[column]) continue;
    std::string header = NormalizedHeader(headers[column]);
    int field = FirstFreeField(header, taken);
    for (std::string_view prefix : {"employees", "employee", "emp"}) {
      if (field != kNotImported || !header.starts_with(prefix)) continue;
      field = FirstFreeField(header.substr(prefix.size()), taken);
    }
    if (field == kNotImported) continue;
    mapping[column] = field;
    taken[static_cast<std::size_t>(field)] = true;
  }
  return mapping;
}

std::optional<std::string> MappingProblem(const ColumnMapping& mapping) {
  const auto fields = W2CsvFields();
  const int ssn = static_cast<int>(*W2CsvFieldOfMember("SocSecNum"));
  if (std::find(mapping.begin(), mapping.end(), ssn) == mapping.end())
    return "No column is mapped to the SSN: the employees are matched by their Social Security "
           "number.";
  for (std::size_t i = 0; i < mapping.size(); ++i) {
    if (mapping[i] == kNotImported) continue;
    if (std::count(mapping.begin(), mapping.end(), mapping[i]) > 1)
      return std::string(fields[static_cast<std::size_t>(mapping[i])].Caption) +
             " is mapped to more than one column.";
  }
  return std::nullopt;
}

std::string CellAsRead(int field, const std::string& cell, std::int32_t taxYear) {
  if (field == kNotImported) return cell;
  const W2CsvField& csvField = W2CsvFields()[static_cast<std::size_t>(field)];
  W2Record w2{};
  for (Box12Entry& line : w2.Box12) line.Code = ' ';
  if (auto refusal = ReadW2Cell(csvField, cell, taxYear, w2)) return "Refused: " + *refusal;
  return W2CellText(csvField, w2);
}
