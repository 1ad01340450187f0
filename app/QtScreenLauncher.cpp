#include "app/QtScreenLauncher.h"

#include <QPageSize>
#include <QWidget>
#include <memory>

#include "data/QuillmarFormFile.h"
#include "platform/MessageBoxes.h"
#include "platform/qt/QtFileDialog.h"
#include "platform/qt/QtPrinterDevice.h"
#include "print/LabelPrint.h"
#include "print/PlainPaperW2.h"
#include "print/W2Print.h"
#include "print/W3Print.h"
#include "screens/DlgEfw2Export.h"
#include "screens/DlgPlainPaperW2.h"
#include "screens/DlgSocSecMed.h"
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

void QtScreenLauncher::ShowW3(TQuillmarFormFile& file, TQuillmarRegistry& registry) {
  TFormW3 screen(file, registry, parent_);
  screen.exec();
  ReturnToMainWindow();
}

void QtScreenLauncher::ExportEfw2(TQuillmarFormFile& file, TQuillmarRegistry& registry) {
  QtEfw2SubmitterDialog submitterDialog(parent_);
  QtFileDialog fileDialog(parent_);
  Efw2ReportSink showReport;
  if (reportWindow_) {
    showReport = [this](const std::vector<std::string>& lines) {
      reportWindow_->ShowReport(lines);
    };
  } else {
    showReport = [](const std::vector<std::string>& lines) {
      std::string text;
      for (const std::string& line : lines) text += line + "\r";
      ShowMessage(text, MsgIcon::Warning);
    };
  }
  ExportForSsa(file, registry, {submitterDialog, fileDialog, showReport});
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
  ::PrintW3(file, registry, *printer_, {setUp, *printerSetup_, *font_});
}

void QtScreenLauncher::PrintW2s(TQuillmarFormFile& file, TQuillmarRegistry& registry) {
  if (!Available(LaunchTarget::PrintW2s)) return;
  TFormW2PrintSetUp setUp(parent_);
  PrintAllW2s(file, registry, *printer_, {setUp, *printerSetup_, *font_});
}

void QtScreenLauncher::PrintMailingLabels(TQuillmarFormFile& file, TQuillmarRegistry&) {
  if (!Available(LaunchTarget::MailingLabels)) return;
  TFormLabelSelect styleDialog(parent_);
  ::PrintMailingLabels(file, *printer_, styleDialog, *printerSetup_, *font_);
}

void QtScreenLauncher::PrintPlainPaperW2s(TQuillmarFormFile& file) {
  if (!printer_ || !printerSetup_) return;
  QtPlainPaperDialog dialog(parent_);
  // One PDF file per employee: a letter-size QPrinter of its own for each.
  const PdfDeviceFactory makeDevice = [](const std::string& path) {
    auto device = std::make_unique<QtPrinterDevice>(false);
    device->Printer().setPageSize(QPageSize(QPageSize::Letter));
    device->SetPdfOutput(QString::fromStdString(path), 600, QMarginsF(18, 18, 18, 18));
    return std::unique_ptr<IPrinterDevice>(std::move(device));
  };
  RunPlainPaperW2s(file, dialog, *printer_, *printerSetup_, makeDevice);
}

void QtScreenLauncher::PrintPlainPaperW3(TQuillmarFormFile& file) {
  if (!printer_ || !printerSetup_) return;
  RunPlainPaperW3(file, *printer_, *printerSetup_);
}
