#include "app/QtScreenLauncher.h"

#include <QWidget>

#include "data/QuillmarFormFile.h"
#include "screens/DlgSocSecMed.h"
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
      return true;
    case LaunchTarget::PrintW3:
    case LaunchTarget::PrintW2s:
    case LaunchTarget::MailingLabels:
      break;
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
  screen.exec();
  ReturnToMainWindow();
}

void QtScreenLauncher::ShowW3(TQuillmarFormFile& file, TQuillmarRegistry& registry) {
  TFormW3 screen(file, registry, parent_);
  screen.exec();
  ReturnToMainWindow();
}

// The screens and print runs below are not part of this build: Available()
// says so, and the main window neither enables their menu items nor calls them.
void QtScreenLauncher::PrintW3(TQuillmarFormFile&, TQuillmarRegistry&) {}
void QtScreenLauncher::PrintW2s(TQuillmarFormFile&, TQuillmarRegistry&) {}
void QtScreenLauncher::PrintMailingLabels(TQuillmarFormFile&, TQuillmarRegistry&) {}
