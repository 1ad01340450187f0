#pragma once
// The program's launcher: creates each modal screen for one showing.

#include "app/ScreenLauncher.h"
#include "efw2/Efw2Export.h"
#include "platform/PrintDialogs.h"
#include "platform/PrinterDevice.h"
#include "screens/ErrorReportView.h"

class QWidget;

class QtScreenLauncher final : public IScreenLauncher {
 public:
  explicit QtScreenLauncher(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  bool Available(LaunchTarget target) const override;
  void ShowRates(TQuillmarRegistry& registry, TQuillmarFormFile* activeFile) override;
  void ShowW3(TQuillmarFormFile& file, TQuillmarRegistry& registry) override;
  void ShowW2(TQuillmarFormFile& file, TQuillmarRegistry& registry) override;
  std::optional<std::int64_t> ShowEmployeeList(TQuillmarFormFile& file) override;
  void PrintW3(TQuillmarFormFile& file, TQuillmarRegistry& registry) override;
  void PrintW2s(TQuillmarFormFile& file, TQuillmarRegistry& registry) override;
  void PrintMailingLabels(TQuillmarFormFile& file, TQuillmarRegistry& registry) override;
  void ExportEfw2(TQuillmarFormFile& file, TQuillmarRegistry& registry) override;
  void ExportStateW2(TQuillmarFormFile& file, TQuillmarRegistry& registry) override;
  void RunCorrections(CorrectionsTask task, TQuillmarFormFile& file,
                      TQuillmarRegistry& registry) override;
  void PrintPlainPaperW2s(TQuillmarFormFile& file, TQuillmarRegistry& registry) override;
  void PrintPlainPaperW3(TQuillmarFormFile& file) override;
  void SetPreviewFirst(bool on) override {
    if (preview_) preview_->enabled = on;
  }
  void ImportEmployees(TQuillmarFormFile& file, TQuillmarRegistry& registry) override;
  void ExportEmployees(TQuillmarFormFile& file) override;
  void CheckAllW2s(TQuillmarFormFile& file, TQuillmarRegistry& registry) override;
  // The error report window, where the W-2 edit check and the wage file's
  // checks show their findings (not owned). Without one the W-2 screen says
  // that its check is not available and the wage file's findings are shown
  // in a message box.
  void SetReportWindow(IErrorReportView* window) { reportWindow_ = window; }

  // The program's one printer and its printer and font dialogs (not owned),
  // for the print runs (pre-printed forms, labels, plain paper). Without them the print runs are
  // not available.
  void SetPrinting(IPrinterDevice* printer, IPrinterSetupDialog* printerSetup, FontDialog* font) {
    printer_ = printer;
    printerSetup_ = printerSetup;
    font_ = font;
  }
  // The print preview of every print run (not owned); none: straight to the printer.
  void SetPreview(IPrintPreview* preview) { preview_ = preview; }

 private:
  void ReturnToMainWindow();
  Efw2ReportSink ReportSink();

  QWidget* parent_;
  IPrinterDevice* printer_ = nullptr;
  IPrinterSetupDialog* printerSetup_ = nullptr;
  FontDialog* font_ = nullptr;
  IPrintPreview* preview_ = nullptr;
  IErrorReportView* reportWindow_ = nullptr;
};
