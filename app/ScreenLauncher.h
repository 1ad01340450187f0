#pragma once
// The screens and print runs that the main window starts. The program's
// launcher creates each modal screen for one showing; tests replace it and
// see which screen was opened for which file without blocking on exec().

#include <cstdint>
#include <optional>

class TQuillmarFormFile;
class TQuillmarRegistry;

enum class LaunchTarget {
  RatesScreen,
  W3Screen,
  W2Screen,
  PrintW3,
  PrintW2s,
  MailingLabels,
  ExportEfw2,
  ExportStateW2,
  PlainPaperW2s,
  PlainPaperW3,
  Corrections,
  ImportEmployees,
  ExportEmployees,
  CheckAllW2s,
};

// What is done with the corrections since filing.
enum class CorrectionsTask {
  Show,        // Edit, Corrections...
  PrintForms,  // Print, W-2c and W-3c (plain paper)...
  ExportFile,  // File, Export Corrections for SSA (EFW2C)...
};

class IScreenLauncher {
 public:
  virtual ~IScreenLauncher() = default;

  // Whether this build of the program has the screen or print run. The main
  // window enables its menu items and tool buttons by it.
  virtual bool Available(LaunchTarget target) const = 0;

  // The rates screen, modal; `activeFile` is null when no data file is open.
  virtual void ShowRates(TQuillmarRegistry& registry, TQuillmarFormFile* activeFile) = 0;
  // The W-3 screen, modal, on the W-3 record made current by ReadW3.
  virtual void ShowW3(TQuillmarFormFile& file, TQuillmarRegistry& registry) = 0;
  // The W-2 screen, modal, on the employee made current by GoFirst.
  virtual void ShowW2(TQuillmarFormFile& file, TQuillmarRegistry& registry) = 0;
  // The employee list, modal; the W-2 record of the employee chosen to open
  // on the W-2 screen, nothing when closed. None without the list.
  virtual std::optional<std::int64_t> ShowEmployeeList(TQuillmarFormFile&) { return {}; }
  // Print set-up and the W-3 print, on the W-3 record made current by ReadW3.
  virtual void PrintW3(TQuillmarFormFile& file, TQuillmarRegistry& registry) = 0;
  // Print set-up and the W-2 print of every non-void employee.
  virtual void PrintW2s(TQuillmarFormFile& file, TQuillmarRegistry& registry) = 0;
  // The label-size dialog, then the label print.
  virtual void PrintMailingLabels(TQuillmarFormFile& file, TQuillmarRegistry& registry) = 0;
  // The submitter dialog, the checks and the SSA's wage file (EFW2).
  virtual void ExportEfw2(TQuillmarFormFile& file, TQuillmarRegistry& registry) = 0;
  // The state choice, the submitter dialog, the checks and one state's W-2 file.
  virtual void ExportStateW2(TQuillmarFormFile& file, TQuillmarRegistry& registry) = 0;
  // The corrections since the W-2s were filed: listed, printed on Forms W-2c
  // and W-3c, or written to the SSA's correction file.
  virtual void RunCorrections(CorrectionsTask task, TQuillmarFormFile& file,
                              TQuillmarRegistry& registry) = 0;
  // The employee copies drawn on plain paper, to the printer or one PDF per
  // employee; the dialog's last choice is kept in `registry`.
  virtual void PrintPlainPaperW2s(TQuillmarFormFile& file, TQuillmarRegistry& registry) = 0;
  // The W-3 drawn on plain paper for the employer's records, with its totals brought up to date.
  virtual void PrintPlainPaperW3(TQuillmarFormFile& file) = 0;
  // Whether every print job is first shown in the print preview (the Print
  // menu's switch). A launcher without a preview ignores it.
  virtual void SetPreviewFirst(bool /*on*/) {}
  // File, Import Employees: the CSV file, the mapping step, the dry run and the import.
  virtual void ImportEmployees(TQuillmarFormFile& file, TQuillmarRegistry& registry) = 0;
  // File, Export Employees (CSV).
  virtual void ExportEmployees(TQuillmarFormFile& file) = 0;
  // Edit, Check All W-2s: the report, then the offer to lower boxes 3 and 5.
  virtual void CheckAllW2s(TQuillmarFormFile& file, TQuillmarRegistry& registry) = 0;
};
