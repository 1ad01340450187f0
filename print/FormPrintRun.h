#pragma once
// The run shared by the W-2 and W-3 forms: the margins of the form kind, the
// form font, the line-up loop with its sample pages, the real print job, and
// the margins learned from the printer saved for the next run.

#include <functional>
#include <string>

#include "platform/PrintDialogs.h"
#include "platform/PrinterDevice.h"
#include "platform/Progress.h"
#include "print/FormSetUp.h"
#include "print/PrintReport.h"

class TQuillmarRegistry;

// The dialogs a form print run shows; the caller owns them. Without a
// preview every job goes to the printer; without a progress none is shown.
struct FormPrintDialogs {
  IFormSetUpDialog& setUp;
  IPrinterSetupDialog& printerSetup;
  FontDialog& font;
  IPrintPreview* preview = nullptr;
  IProgress* progress = nullptr;
};

// The grid line, below the forms, where a line-up sample says what it was
// printed with.
inline constexpr int kLineUpNoteLine = 30;

class FormPrintRun {
 public:
  using PrintForms = std::function<void(TPrintReport&)>;

  FormPrintRun(IPrinterDevice& printer, TQuillmarRegistry& registry, FormKind kind,
               const FormPrintDialogs& dialogs);

  // Loads the margins, sets the form font and runs the line-up loop, each
  // sample its own job printed by `sample` and noted with its margins and
  // scale correction; then the real job `title`,
  // printed by `forms`. Cancel in the set-up dialog, or in the printer
  // dialog of the real job, prints nothing more and saves nothing.
  void Run(const std::string& title, const PrintForms& sample, const PrintForms& forms);

  // One print job on the set-up's margins and scale correction, or its
  // preview: the printer dialog is shown until the user has once confirmed
  // it in this run. False when it was cancelled or the job could not start.
  bool PrintJob(const std::string& title, const PrintForms& print, bool saveMargins);

  const FormSetUpValues& Values() const { return values_; }
  bool PrinterChosen() const { return printerChosen_; }

 private:
  IPrinterDevice& printer_;
  TQuillmarRegistry& registry_;
  FormKind kind_;
  FormPrintDialogs dialogs_;
  FormSetUpValues values_;
  bool printerChosen_ = false;
};
