#pragma once
// File, Import Employees: the rows of a spreadsheet planned against the open
// data file (each row adds an employee, updates the employee with its Social
// Security number, or is refused with the screen's reasons), the report of
// that plan, and the import itself, all or nothing. File, Export Employees
// (CSV) writes the same columns back.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "data/W2Record.h"
#include "rules/CsvText.h"
#include "rules/ImportMapping.h"

class TQuillmarFormFile;

enum class ImportAction { Add, Update, Refuse };

struct PlannedRow {
  int Row = 0;            // the row of the spreadsheet, the header being row 1
  std::size_t Index = 0;  // the row in CsvTable::Rows
  ImportAction Action = ImportAction::Refuse;
  std::string Ssn;        // as it will be stored (999-99-9999)
  std::string StoredSsn;  // an update's employee, as the file holds the number
  std::string Name;       // first name, initial and last name as read
  std::vector<std::string> Reasons;
};

struct ImportPlan {
  std::vector<PlannedRow> Rows;  // every data row, in file order
  int Added = 0;
  int Updated = 0;
  int Refused = 0;
};

// The data rows of `table` (all rows after the header) read by `mapping`
// under the W-3 tax year of `file`. A row is refused when a cell breaks its
// field's entry rule, when it has no valid SSN, or when an earlier row has
// the same SSN. Nothing is written.
ImportPlan PlanImport(const CsvTable& table, const ColumnMapping& mapping,
                      const TQuillmarFormFile& file);

// The dry-run report: a summary line, then the rows to add, the rows that
// update an employee and the refused rows with their reasons.
std::vector<std::string> ImportReport(const ImportPlan& plan, const std::string& csvName);

// `<folder>/<name>.before-import.qmr` for the data file `<folder>/<name>.qmr`.
std::string BeforeImportCopyPath(const std::string& dataPath);

enum class ImportOutcome { Done, Cancelled, Failed };
struct ImportResult {
  ImportOutcome Outcome = ImportOutcome::Failed;
  int Added = 0;
  int Updated = 0;
  std::string Message;  // why it failed
};

// Told after each row that was written (done of total); false cancels.
using ImportProgress = std::function<bool(int done, int total)>;

// Imports the rows the plan adds or updates: first the whole data file is
// copied to BeforeImportCopyPath (mode 0600), then each row is read into its
// record and saved through the journal. Cancelled, refused by the file or
// stopped by a write error, the import puts the file back to the copy byte
// for byte. The mapped fields of an updated employee are replaced; the
// others stay as they were.
ImportResult RunImport(TQuillmarFormFile& file, const CsvTable& table, const ColumnMapping& mapping,
                       const ImportPlan& plan, const ImportProgress& progress);

// Every W-2 record of the file in name order (the blank placeholder left
// out, void W-2s with their Void column), one row each in the columns of
// W2CsvFields, with a header row of their captions: UTF-8 with a byte order
// mark, comma-separated, lines ended by CR LF.
std::string EmployeesCsvText(TQuillmarFormFile& file);

// Writes that text to `path`, mode 0600, whole or not at all.
bool WriteEmployeesCsv(TQuillmarFormFile& file, const std::string& path);
