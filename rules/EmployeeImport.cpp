#include "rules/EmployeeImport.h"

#include <filesystem>
#include <map>

#include "data/NameOrder.h"
#include "data/QuillmarFormFile.h"
#include "data/RecordKind.h"
#include "platform/AtomicFile.h"
#include "platform/CodePage.h"
#include "platform/QuillmarError.h"
#include "rules/SaveWorkRecord.h"
#include "rules/W2CsvFields.h"

namespace {

std::string SsnDigits(std::string_view ssn) {
  std::string digits;
  for (char c : ssn)
    if (c >= '0' && c <= '9') digits += c;
  return digits;
}

// The mapped cells of a row read into `w2`; the reasons of the cells refused.
std::vector<std::string> ReadRow(const CsvRow& row, const ColumnMapping& mapping,
                                 std::int32_t taxYear, W2Record& w2) {
  const auto fields = W2CsvFields();
  std::vector<std::string> reasons;
  static const std::string kEmpty;
  for (std::size_t column = 0; column < mapping.size(); ++column) {
    if (mapping[column] == kNotImported) continue;
    const std::string& cell = column < row.size() ? row[column] : kEmpty;
    const W2CsvField& field = fields[static_cast<std::size_t>(mapping[column])];
    if (auto refusal = ReadW2Cell(field, cell, taxYear, w2)) reasons.push_back(*refusal);
  }
  return reasons;
}

W2Record BlankW2() {
  W2Record w2{};
  for (Box12Entry& line : w2.Box12) line.Code = ' ';
  return w2;
}

std::string NameOf(const W2Record& w2) {
  std::string name = w2.FirstName.Str();
  for (const std::string& part : {w2.MiddleInitial.Str(), w2.LastName.Str()}) {
    if (part.empty()) continue;
    if (!name.empty()) name += ' ';
    name += part;
  }
  return name;
}

std::string RowLine(const PlannedRow& row) {
  std::string line = "   Row " + std::to_string(row.Row) + ": " + row.Ssn;
  if (!row.Name.empty()) line += "  " + row.Name;
  return line;
}

void AddSection(std::vector<std::string>& lines, const ImportPlan& plan, ImportAction action,
                const std::string& title) {
  lines.emplace_back();
  lines.push_back(title);
  bool any = false;
  for (const PlannedRow& row : plan.Rows) {
    if (row.Action != action) continue;
    any = true;
    lines.push_back(RowLine(row));
    for (const std::string& reason : row.Reasons) lines.push_back("      " + reason);
  }
  if (!any) lines.emplace_back("   (none)");
}

std::string FileImage(TQuillmarFormFile& file) {
  std::string image(static_cast<std::size_t>(file.Size()), '\0');
  file.Seek(0);
  image.resize(file.Read(image.data(), image.size()));
  return image;
}

}  // namespace

ImportPlan PlanImport(const CsvTable& table, const ColumnMapping& mapping,
                      const TQuillmarFormFile& file) {
  const std::int32_t taxYear = file.W3Rec.w3.TaxYear;
  // The employees on file by the digits of their number.
  std::map<std::string, std::string> onFile;
  const SortedKeyList& ssns = file.SsnIndex();
  for (int i = 0; i < ssns.Count(); ++i) {
    const std::string digits = SsnDigits(ssns.Key(i));
    if (digits.size() == 9) onFile.emplace(digits, ssns.Key(i));
  }
  std::map<std::string, int> seen;  // digits -> the row that had them first

  ImportPlan plan;
  for (std::size_t index = 1; index < table.Rows.size(); ++index) {
    PlannedRow row;
    row.Index = index;
    row.Row =
        index < table.RowNumbers.size() ? table.RowNumbers[index] : static_cast<int>(index + 1);
    W2Record w2 = BlankW2();
    row.Reasons = ReadRow(table.Rows[index], mapping, taxYear, w2);
    row.Ssn = w2.SocSecNum.Str();
    row.Name = NameOf(w2);
    const std::string digits = SsnDigits(row.Ssn);
    if (digits.size() == 9) {
      const auto [earlier, first] = seen.emplace(digits, row.Row);
      if (!first)
        row.Reasons.push_back("SSN " + row.Ssn + " is also in row " +
                              std::to_string(earlier->second) + ", only the first is imported");
    }
    if (!row.Reasons.empty()) {
      row.Action = ImportAction::Refuse;
      ++plan.Refused;
    } else if (const auto it = onFile.find(digits); it != onFile.end()) {
      row.Action = ImportAction::Update;
      row.StoredSsn = it->second;
      ++plan.Updated;
    } else {
      row.Action = ImportAction::Add;
      ++plan.Added;
    }
    plan.Rows.push_back(std::move(row));
  }
  return plan;
}

std::vector<std::string> ImportReport(const ImportPlan& plan, const std::string& csvName) {
  std::vector<std::string> lines;
  lines.push_back("Import of employees from " + csvName + ": " + std::to_string(plan.Rows.size()) +
                  " rows read");
  lines.push_back(std::to_string(plan.Added) + " to be added, " + std::to_string(plan.Updated) +
                  " to update an employee with the same SSN, " + std::to_string(plan.Refused) +
                  " refused");
  AddSection(lines, plan, ImportAction::Add, "Rows that will be added:");
  AddSection(lines, plan, ImportAction::Update,
             "Rows that will update an existing employee (same SSN):");
  AddSection(lines, plan, ImportAction::Refuse, "Rows refused:");
  return lines;
}

std::string BeforeImportCopyPath(const std::string& dataPath) {
  const std::filesystem::path path(dataPath);
  return (path.parent_path() / (path.stem().string() + ".before-import.qmr")).string();
}

ImportResult RunImport(TQuillmarFormFile& file, const CsvTable& table, const ColumnMapping& mapping,
                       const ImportPlan& plan, const ImportProgress& progress) {
  ImportResult result;
  // A change of the current record still pending is the user's own: kept
  // before the copy is taken.
  if (!SaveWorkRecord(file)) {
    result.Message = "The current record could not be saved, nothing was imported.";
    return result;
  }
  const std::string copy = BeforeImportCopyPath(file.Path());
  const std::string image = FileImage(file);
  if (!WritePrivateFileAtomically(copy, image)) {
    result.Message = "Cannot write file " + Utf8ToCp1252(copy) + ", nothing was imported.";
    return result;
  }
  const std::int32_t taxYear = file.W3Rec.w3.TaxYear;
  const int total = plan.Added + plan.Updated;
  int done = 0;
  result.Outcome = ImportOutcome::Done;
  try {
    for (const PlannedRow& row : plan.Rows) {
      if (row.Action == ImportAction::Refuse) continue;
      const bool update = row.Action == ImportAction::Update;
      const bool current = update ? file.LocateKey(row.StoredSsn) : file.AddNew(kRecTypeW2);
      const bool read =
          current && ReadRow(table.Rows[row.Index], mapping, taxYear, file.WorkRec.w2).empty();
      if (!read || !SaveWorkRecord(file)) {
        result.Outcome = ImportOutcome::Failed;
        result.Message = "Row " + std::to_string(row.Row) + " (SSN " + row.Ssn +
                         ") could not be saved, nothing was imported.";
        break;
      }
      ++(update ? result.Updated : result.Added);
      ++done;
      if (progress && !progress(done, total)) {
        result.Outcome = ImportOutcome::Cancelled;
        break;
      }
    }
  } catch (const QuillmarError& error) {
    result.Outcome = ImportOutcome::Failed;
    result.Message = std::string(error.what()) + "\r\rNothing was imported.";
  }
  if (result.Outcome == ImportOutcome::Done) return result;
  // Back to the copy, byte for byte.
  file.WorkRec = file.OrigRec;
  try {
    if (!file.RestoreImage(image))
      throw QuillmarError("Cannot write file " + Utf8ToCp1252(file.Path()));
  } catch (const QuillmarError& error) {
    throw QuillmarError(std::string(error.what()) +
                        "\r\rThe data file as it was before the import is kept in " +
                        Utf8ToCp1252(copy) + ".");
  }
  result.Added = result.Updated = 0;
  return result;
}

std::string EmployeesCsvText(TQuillmarFormFile& file) {
  const auto fields = W2CsvFields();
  // The rows in Windows-1252 first (quoting looks at ASCII characters only,
  // the same in both), then the whole text in UTF-8 at once.
  std::string text;
  auto addCell = [&text](std::size_t column, std::string_view cell) {
    if (column > 0) text += ',';
    text += CsvField(cell, ',');
  };
  for (std::size_t column = 0; column < fields.size(); ++column)
    addCell(column, fields[column].Caption);
  text += "\r\n";
  ForEachInNameOrder(
      file,
      [&](const W2Record& w2) {
        if (w2.SocSecNum.Empty() && TQuillmarFormFile::MakeNameKey(w2).empty()) return;
        for (std::size_t column = 0; column < fields.size(); ++column)
          addCell(column, W2CellText(fields[column], w2));
        text += "\r\n";
      },
      [](const std::string& key, std::int64_t) {
        throw QuillmarError("The W-2 of " + key + " cannot be read, nothing was exported.");
      });
  return "\xEF\xBB\xBF" + Cp1252ToUtf8(text);
}

bool WriteEmployeesCsv(TQuillmarFormFile& file, const std::string& path) {
  return static_cast<bool>(WritePrivateFileAtomically(path, EmployeesCsvText(file)));
}
