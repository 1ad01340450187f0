#include "print/FormPrintRun.h"

#include "settings/QuillmarRegistry.h"

FormPrintRun::FormPrintRun(IPrinterDevice& printer, TQuillmarRegistry& registry, FormKind kind,
                           const FormPrintDialogs& dialogs)
    : printer_(printer), registry_(registry), kind_(kind), dialogs_(dialogs) {}

bool FormPrintRun::PrintJob(const std::string& title, const PrintForms& print, bool saveMargins) {
  if (!printerChosen_ && !dialogs_.printerSetup.Execute(printer_)) return false;
  bool started = false;
  // The margins of the job are those set before the printer's strips are
  // learned; the strips raise the values for the next job and the registry.
  const FormSetUpValues values = values_;
  PrintOrPreview(dialogs_.preview, printer_, [&] {
    TPrintReport report(printer_, nullptr, nullptr, title, values.top.value, values.top.minimum,
                        values.left.value, values.left.minimum, true, true, true);
    if (report.Cancelled()) return;
    started = true;
    report.SetScale(values.scaleX.value, values.scaleY.value);
    print(report);
  });
  if (!started) return false;
  printerChosen_ = true;
  ClampMarginsToPrinter(values_, printer_.Caps());
  if (saveMargins) SaveMargins(registry_, kind_, values_);
  return true;
}

void FormPrintRun::Run(const std::string& title, const PrintForms& sample,
                       const PrintForms& forms) {
  LoadMargins(registry_, kind_, values_);
  printer_.SetFont(FormFont());
  const PrintForms notedSample = [&](TPrintReport& report) {
    sample(report);
    report.PrintTextAt(1, kLineUpNoteLine, LineUpNote(values_));
  };
  if (!RunLineUpLoop(dialogs_.setUp, values_, [&] { PrintJob(title, notedSample, false); })) return;
  PrintJob(title, forms, true);
}
