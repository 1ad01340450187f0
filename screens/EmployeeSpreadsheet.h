#pragma once
// The three commands on all the employees at once: File, Import Employees
// (file, mapping step, dry-run report, question, import with progress), File,
// Export Employees (CSV), and Edit, Check All W-2s (report, then the offer
// to lower boxes 3 and 5 to the wage base). Each takes its dialogs as seams,
// so that tests script them; the program passes the Qt ones.

#include <functional>
#include <string>
#include <vector>

#include "platform/FileDialog.h"
#include "rules/EmployeeImport.h"

class IErrorReportView;
class QWidget;
class TQuillmarFormFile;
class TQuillmarRegistry;

struct ImportSeams {
  IFileDialog& FileDialog;
  // The mapping step: shows the columns and changes `mapping`; false on Cancel.
  std::function<bool(const CsvTable& table, ColumnMapping& mapping)> MapColumns;
  IErrorReportView& Report;
  // A progress display for `total` rows; the callback it returns is told of
  // each row and returns false when the user cancels.
  std::function<ImportProgress(int total)> Progress;
};

// File, Import Employees. The message boxes go through MessageBoxes().
void ImportEmployees(TQuillmarFormFile& file, TQuillmarRegistry& registry,
                     const ImportSeams& seams);

// File, Export Employees (CSV): asks for the file (beside the data file at
// first), writes it and says how many W-2s it holds.
void ExportEmployees(TQuillmarFormFile& file, IFileDialog& fileDialog);

// Edit, Check All W-2s under the rates of the W-3 tax year.
void CheckAllW2sCommand(TQuillmarFormFile& file, TQuillmarRegistry& registry,
                        IErrorReportView& report);

// The program's mapping step (TDlgImportMapping, modal) and progress display
// (a QProgressDialog with Cancel).
bool ExecImportMapping(const CsvTable& table, ColumnMapping& mapping, std::int32_t taxYear,
                       QWidget* parent);
ImportProgress QtImportProgress(int total, QWidget* parent);
