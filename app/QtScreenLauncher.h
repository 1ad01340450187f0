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
  void PrintW3(TQuillmarFormFile& file, TQuillmarRegistry& registry) override;
  void PrintW2s(TQuillmarFormFile& file, TQuillmarRegistry& registry) override;
  void PrintMailingLabels(TQuillmarFormFile& file, TQuillmarRegistry& registry) override;
  void ExportEfw2(TQuillmarFormFile& file, TQuillmarRegistry& registry) override;
  void PrintPlainPaperW2s(TQuillmarFormFile& file) override;
  void PrintPlainPaperW3(TQuillmarFormFile& file) override;
  // The program's printer and its dialogs (not owned), for the print runs.
  // Without them the print runs are not available.
  void SetPrinting(IPrinterDevice& printer, IPrinterSetupDialog& setupDialog,
                   FontDialog& fontDialog) {
    printer_ = &printer;
    printerSetupDialog_ = &setupDialog;
    fontDialog_ = &fontDialog;
  }
  // The error report window, where the W-2 edit check and the wage file's
  // checks show their findings (not owned). Without one the W-2 screen says
  // that its check is not available and the wage file's findings are shown
  // in a message box.
  void SetReportWindow(IErrorReportView* window) { reportWindow_ = window; }

private:
  QWidget* parent_;
  IErrorReportView* reportWindow_ = nullptr;
  IPrinterDevice* printer_ = nullptr;
  IPrinterSetupDialog* printerSetupDialog_ = nullptr;
  FontDialog* fontDialog_ = nullptr;
};
