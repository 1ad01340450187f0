#include "screens/EmployeeSpreadsheet.h"

#include <QApplication>
#include <QProgressDialog>
#include <filesystem>
#include <memory>

#include "data/QuillmarFormFile.h"
#include "data/SocSecMedicareRates.h"
#include "platform/AtomicFile.h"
#include "platform/CodePage.h"
#include "platform/MessageBoxes.h"
#include "rules/CheckAllW2s.h"
#include "rules/W2CsvFields.h"
#include "screens/DlgImportMapping.h"
#include "screens/ErrorReportView.h"
#include "settings/QuillmarRegistry.h"

namespace {

std::string Shown(const std::string& path) { return Utf8ToCp1252(path); }

std::vector<std::string> NormalizedHeaders(const CsvRow& headers) {
  std::vector<std::string> names;
  for (const std::string& header : headers) names.push_back(NormalizedHeader(header));
  return names;
}

void RememberMapping(TQuillmarRegistry& registry, const CsvRow& headers,
                     const ColumnMapping& mapping) {
  const auto fields = W2CsvFields();
  std::vector<std::pair<std::string, std::string>> choices;
  for (std::size_t column = 0; column < headers.size() && column < mapping.size(); ++column) {
    const int field = mapping[column];
    choices.emplace_back(
        NormalizedHeader(headers[column]),
        field == kNotImported ? std::string() : fields[static_cast<std::size_t>(field)].Member);
  }
  registry.WriteImportMapping(choices);
}

std::string ImportQuestion(const ImportPlan& plan, const std::string& copy) {
  std::string text = "Import " + std::to_string(plan.Added + plan.Updated) +
                     " rows: " + std::to_string(plan.Added) + " new employees, " +
                     std::to_string(plan.Updated) + " employees updated";
  if (plan.Refused > 0) text += ", " + std::to_string(plan.Refused) + " refused rows left out";
  return text + " ?\r\rA copy of the data file as it is now is kept in " + Shown(copy) + ".";
}

}  // namespace

void ImportEmployees(TQuillmarFormFile& file, TQuillmarRegistry& registry,
                     const ImportSeams& seams) {
  FileDialogRequest request;
  request.title = "Import Employees";
  request.filters = {{"Spreadsheet text (CSV)", "*.csv *.txt"}, {"All Files", "*"}};
  request.initialDir = std::filesystem::path(file.Path()).parent_path().string();
  const std::optional<std::string> chosen = seams.FileDialog.Execute(request);
  if (!chosen) return;
  const std::optional<std::string> bytes = ReadWholeFile(*chosen);
  if (!bytes) {
    ShowMessage("Cannot open file " + Shown(*chosen), MsgIcon::Error);
    return;
  }
  const CsvTable table = ReadCsv(*bytes);
  if (table.Rows.size() < 2) {
    ShowMessage(Shown(*chosen) + " holds no rows to import below its header row.",
                MsgIcon::Warning);
    return;
  }
  const CsvRow& headers = table.Rows[0];
  ColumnMapping mapping =
      GuessMapping(headers, registry.ReadImportMapping(NormalizedHeaders(headers)));
  if (!seams.MapColumns(table, mapping)) return;
  RememberMapping(registry, headers, mapping);

  const ImportPlan plan = PlanImport(table, mapping, file);
  seams.Report.ShowReport(
      ImportReport(plan, Shown(std::filesystem::path(*chosen).filename().string())));
  if (plan.Added + plan.Updated == 0) {
    ShowMessage("No row can be imported; nothing was changed.", MsgIcon::Information);
    return;
  }
  const std::string copy = BeforeImportCopyPath(file.Path());
  if (MessageBoxes().Show({kAppTitle, ImportQuestion(plan, copy), MsgIcon::Question, MsgYes | MsgNo,
                           false}) != MsgYes)
    return;

  const ImportResult result =
      RunImport(file, table, mapping, plan, seams.Progress(plan.Added + plan.Updated));
  switch (result.Outcome) {
    case ImportOutcome::Done:
      ShowMessage(std::to_string(result.Added) + " employees added, " +
                      std::to_string(result.Updated) +
                      " updated.\r\rThe data file as it was before the import is kept in " +
                      Shown(copy) + ".",
                  MsgIcon::Information);
      break;
    case ImportOutcome::Cancelled:
      ShowMessage("The import was cancelled; the data file is as it was before the import.",
                  MsgIcon::Information);
      break;
    case ImportOutcome::Failed:
      ShowMessage(result.Message, MsgIcon::Error);
      break;
  }
}

void ExportEmployees(TQuillmarFormFile& file, IFileDialog& fileDialog) {
  const std::filesystem::path data(file.Path());
  FileDialogRequest request;
  request.title = "Export Employees (CSV)";
  request.filters = {{"Spreadsheet text (CSV)", "*.csv"}, {"All Files", "*"}};
  request.initialDir = data.parent_path().string();
  request.initialFile = data.stem().string() + " employees.csv";
  request.save = true;
  const std::optional<std::string> chosen = fileDialog.Execute(request);
  if (!chosen) return;
  if (!WriteEmployeesCsv(file, *chosen)) {
    ShowMessage("Cannot write file " + Shown(*chosen), MsgIcon::Error);
    return;
  }
  ShowMessage("The employees were exported to " + Shown(*chosen) + ".", MsgIcon::Information);
}

void CheckAllW2sCommand(TQuillmarFormFile& file, TQuillmarRegistry& registry,
                        IErrorReportView& report) {
  SocSecMedicareRates rates{};
  rates.TaxYear = file.W3Rec.w3.TaxYear;
  registry.ReadRatesForYear(rates);
  const AllW2sCheck check = CheckAllW2s(file, rates);
  report.ShowReport(check.Lines);
  if (check.WageBaseCorrections.empty()) return;
  if (MessageBoxes().Show({kAppTitle, WageBaseQuestion(check.WageBaseCorrections.size()),
                           MsgIcon::Question, MsgYes | MsgNo, false}) != MsgYes)
    return;
  const int saved = ApplyWageBaseCorrections(file, rates, check.WageBaseCorrections);
  ShowMessage(std::to_string(saved) + " W-2s were corrected and saved.", MsgIcon::Information);
}

bool ExecImportMapping(const CsvTable& table, ColumnMapping& mapping, std::int32_t taxYear,
                       QWidget* parent) {
  TDlgImportMapping dialog(table, mapping, taxYear, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  mapping = dialog.Mapping();
  return true;
}

ImportProgress QtImportProgress(int total, QWidget* parent) {
  auto dialog = std::make_shared<QProgressDialog>(QStringLiteral("Importing employees..."),
                                                  QStringLiteral("Cancel"), 0, total, parent);
  dialog->setWindowTitle(QStringLiteral("Import Employees"));
  dialog->setWindowModality(Qt::WindowModal);
  dialog->setMinimumDuration(300);
  return [dialog](int done, int) {
    dialog->setValue(done);
    QApplication::processEvents();
    return !dialog->wasCanceled();
  };
}
