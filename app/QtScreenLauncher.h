#pragma once
// The program's launcher: creates each modal screen for one showing.

#include "app/ScreenLauncher.h"

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

private:
  void ReturnToMainWindow();

  QWidget* parent_;
};
