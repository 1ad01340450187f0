#include "app/QtScreenLauncher.h"

#include <QPageSize>
#include <QWidget>
#include <memory>

#include "data/QuillmarFormFile.h"
#include "efw2/Efw2cExport.h"
#include "platform/MessageBoxes.h"
#include "platform/qt/QtFileDialog.h"
#include "platform/qt/QtPrinterDevice.h"
#include "platform/qt/QtProgress.h"
#include "print/LabelPrint.h"
#include "print/PlainPaperW2.h"
#include "print/PlainPaperW2c.h"
#include "print/W2Print.h"
#include "print/W3Print.h"
#include "rules/FiledCopy.h"
#include "screens/DlgCorrections.h"
#include "screens/DlgEfw2Export.h"
#include "screens/DlgEmployeeList.h"
#include "screens/DlgPlainPaperW2.h"
#include "screens/DlgSocSecMed.h"
#include "screens/DlgStateW2Export.h"
#include "screens/DlgW2Setup.h"
#include "screens/Dlglabel.h"
#include "screens/EmployeeSpreadsheet.h"
#include "screens/W2InputForm.h"
#include "screens/W3InputForm.h"

// A screen that closes gives the keyboard back to the main window: a window
// manager does not always do so by itself when a message box and its screen
// close one right after the other.
void QtScreenLauncher::ReturnToMainWindow() {
  if (parent_ && parent_->isVisible()) parent_->activateWindow();
}

bool QtScreenLauncher::Available(LaunchTarget target) const {
  switch (target) {
    case LaunchTarget::RatesScreen:
    case LaunchTarget::W2Screen:
    case LaunchTarget::W3Screen:
    case LaunchTarget::ExportEfw2:
    case LaunchTarget::ExportStateW2:
    case LaunchTarget::Corrections:
    case LaunchTarget::ExportEmployees:
      return true;
    case LaunchTarget::ImportEmployees:
    case LaunchTarget::CheckAllW2s:
      return reportWindow_ != nullptr;
    case LaunchTarget::PlainPaperW2s:
    case LaunchTarget::PlainPaperW3:
      return printer_ != nullptr && printerSetup_ != nullptr;
    case LaunchTarget::PrintW3:
    case LaunchTarget::PrintW2s:
    case LaunchTarget::MailingLabels:
      return printer_ && printerSetup_ && font_;
  }
  return false;
}

void QtScreenLauncher::ShowRates(TQuillmarRegistry& registry, TQuillmarFormFile* activeFile) {
  const std::int32_t taxYear = activeFile ? activeFile->W3Rec.w3.TaxYear : 0;
  TFormSocSecMedicare screen(registry, taxYear, parent_);
  screen.exec();
  ReturnToMainWindow();
}

void QtScreenLauncher::ShowW2(TQuillmarFormFile& file, TQuillmarRegistry& registry) {
  TFormW2 screen(file, registry, parent_);
  screen.ErrorReportView = reportWindow_;
  screen.exec();
  ReturnToMainWindow();
}

std::optional<std::int64_t> QtScreenLauncher::ShowEmployeeList(TQuillmarFormFile& file) {
  TDlgEmployeeList list(file, parent_);
  const bool chosen = list.exec() == QDialog::Accepted;
  ReturnToMainWindow();
  return chosen ? list.ChosenOffset() : std::nullopt;
}

void QtScreenLauncher::ShowW3(TQuillmarFormFile& file, TQuillmarRegistry& registry) {
  TFormW3 screen(file, registry, parent_);
  screen.exec();
  ReturnToMainWindow();
}

Efw2ReportSink QtScreenLauncher::ReportSink() {
  if (reportWindow_) {
    return [this](const std::vector<std::string>& lines) { reportWindow_->ShowReport(lines); };
  }
  return [](const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r";
    ShowMessage(text, MsgIcon::Warning);
  };
}

void QtScreenLauncher::ExportEfw2(TQuillmarFormFile& file, TQuillmarRegistry& registry) {
  QtEfw2SubmitterDialog submitterDialog(parent_);
  QtFileDialog fileDialog(parent_);
  // What the wage file holds is what the SSA has from now on.
  if (ExportForSsa(file, registry, {submitterDialog, fileDialog, ReportSink()})) {
    KeepFiledCopy(file, FilingMethod::WageFile);
  }
}

void QtScreenLauncher::ExportStateW2(TQuillmarFormFile& file, TQuillmarRegistry& registry) {
  QtEfw2StateDialog stateDialog(parent_, file.W3Rec.w3.TaxYear);
  QtEfw2SubmitterDialog submitterDialog(parent_);
  QtFileDialog fileDialog(parent_);
  ::ExportStateW2(file, registry, {stateDialog, {submitterDialog, fileDialog, ReportSink()}});
}

void QtScreenLauncher::ImportEmployees(TQuillmarFormFile& file, TQuillmarRegistry& registry) {
  if (!reportWindow_) return;
  QtFileDialog fileDialog(parent_);
  const std::int32_t taxYear = file.W3Rec.w3.TaxYear;
  ::ImportEmployees(
      file, registry,
      {fileDialog,
       [this, taxYear](const CsvTable& table, ColumnMapping& mapping) {
         return ExecImportMapping(table, mapping, taxYear, parent_);
       },
       *reportWindow_, [this](int total) { return QtImportProgress(total, parent_); }});
  ReturnToMainWindow();
}

void QtScreenLauncher::ExportEmployees(TQuillmarFormFile& file) {
  QtFileDialog fileDialog(parent_);
  ::ExportEmployees(file, fileDialog);
}

void QtScreenLauncher::CheckAllW2s(TQuillmarFormFile& file, TQuillmarRegistry& registry) {
  if (reportWindow_) CheckAllW2sCommand(file, registry, *reportWindow_);
}

void QtScreenLauncher::PrintW3(TQuillmarFormFile& file, TQuillmarRegistry& registry) {
  if (!Available(LaunchTarget::PrintW3)) return;
  TFormW2PrintSetUp setUp(parent_);
  QtProgress progress(parent_);
  ::PrintW3(file, registry, *printer_, {setUp, *printerSetup_, *font_, preview_, &progress});
}

void QtScreenLauncher::PrintW2s(TQuillmarFormFile& file, TQuillmarRegistry& registry) {
  if (!Available(LaunchTarget::PrintW2s)) return;
  TFormW2PrintSetUp setUp(parent_);
  QtProgress progress(parent_);
  PrintAllW2s(file, registry, *printer_, {setUp, *printerSetup_, *font_, preview_, &progress});
}

void QtScreenLauncher::PrintMailingLabels(TQuillmarFormFile& file, TQuillmarRegistry& registry) {
  if (!Available(LaunchTarget::MailingLabels)) return;
  TFormLabelSelect styleDialog(parent_);
  QtProgress progress(parent_);
  ::PrintMailingLabels(file, *printer_, styleDialog, *printerSetup_, *font_, registry, preview_,
                       &progress);
}

void QtScreenLauncher::PrintPlainPaperW2s(TQuillmarFormFile& file, TQuillmarRegistry& registry) {
  if (!printer_ || !printerSetup_) return;
  QtPlainPaperDialog dialog(parent_, &registry);
  QtProgress progress(parent_);
  // One PDF file per employee: a letter-size QPrinter of its own for each.
  const PdfDeviceFactory makeDevice = [](const std::string& path) {
    auto device = std::make_unique<QtPrinterDevice>(false);
    device->Printer().setPageSize(QPageSize(QPageSize::Letter));
    device->SetPdfOutput(QString::fromStdString(path), 600, QMarginsF(18, 18, 18, 18));
    return std::unique_ptr<IPrinterDevice>(std::move(device));
  };
  RunPlainPaperW2s(file, dialog, *printer_, *printerSetup_, makeDevice, preview_, &progress);
}

void QtScreenLauncher::PrintPlainPaperW3(TQuillmarFormFile& file) {
  if (!printer_ || !printerSetup_) return;
  RunPlainPaperW3(file, *printer_, *printerSetup_, preview_);
}

void QtScreenLauncher::RunCorrections(CorrectionsTask task, TQuillmarFormFile& file,
                                      TQuillmarRegistry& registry) {
  const std::optional<CorrectionsOfFile> loaded = LoadCorrections(file);
  if (!loaded) return;
  if (task == CorrectionsTask::Show) {
    TDlgCorrections dialog(loaded->filed, loaded->corrections,
                           EmployerCorrectionNote(loaded->filed.W3, file.W3Rec.w3), parent_);
    dialog.exec();
    ReturnToMainWindow();
    return;
  }
  if (loaded->corrections.empty()) {
    ShowMessage("Nothing has changed since the W-2s were filed.", MsgIcon::Information);
    return;
  }
  const std::string employerNote = EmployerCorrectionNote(loaded->filed.W3, file.W3Rec.w3);
  if (!employerNote.empty()) {
    ShowMessage(employerNote, MsgIcon::Error);
    return;
  }
  const bool safeHarborToo = AskSafeHarborToo(loaded->corrections);
  if (task == CorrectionsTask::ExportFile) {
    if (loaded->filed.How == FilingMethod::Paper) {
      ShowMessage(
          "The W-2s were filed on paper. The SSA may want their corrections on paper as well "
          "(Print, W-2c and W-3c); check before you upload the correction file.",
          MsgIcon::Warning);
    }
    QtEfw2cSubmitterDialog submitterDialog(parent_);
    QtFileDialog fileDialog(parent_);
    ExportCorrectionsForSsa(file, registry, {submitterDialog, fileDialog, ReportSink()},
                            loaded->corrections, safeHarborToo);
    return;
  }
  if (!printer_ || !printerSetup_) return;
  QtW2cPrintDialog dialog(parent_);
  const PdfDeviceFactory makeDevice = [](const std::string& path) {
    auto device = std::make_unique<QtPrinterDevice>(false);
    device->Printer().setPageSize(QPageSize(QPageSize::Letter));
    device->SetPdfOutput(QString::fromStdString(path), 600, QMarginsF(18, 18, 18, 18));
    return std::unique_ptr<IPrinterDevice>(std::move(device));
  };
  RunPlainPaperW2cs(loaded->corrections, file.W3Rec.w3, safeHarborToo, dialog, *printer_,
                    *printerSetup_, makeDevice);
}
