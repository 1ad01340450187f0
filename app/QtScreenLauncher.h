#pragma once
// The program's launcher: creates each modal screen for one showing.

#include "app/ScreenLauncher.h"
#include "efw2/Efw2Export.h"

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
  // Where the wage file's findings are shown: the error report window. Until
  // one is set they are shown in a message box.
  void SetReportWindow(Efw2ReportSink showReport) { showReport_ = std::move(showReport); }

private:
  QWidget* parent_;
  Efw2ReportSink showReport_;
};
