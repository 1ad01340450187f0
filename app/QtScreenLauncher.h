#pragma once
// The program's launcher: creates each modal screen for one showing.

#include "app/ScreenLauncher.h"
#include "efw2/Efw2Export.h"
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
  // The error report window, where the W-2 edit check and the wage file's
  // checks show their findings (not owned). Without one the W-2 screen says
  // that its check is not available and the wage file's findings are shown
  // in a message box.
  void SetReportWindow(IErrorReportView* window) { reportWindow_ = window; }

private:
  QWidget* parent_;
  IErrorReportView* reportWindow_ = nullptr;
};
