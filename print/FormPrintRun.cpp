#include "print/FormPrintRun.h"

#include "settings/QuillmarRegistry.h"

FormPrintRun::FormPrintRun(IPrinterDevice& printer, TQuillmarRegistry& registry, FormKind kind,
                           const FormPrintDialogs& dialogs)
    : printer_(printer), registry_(registry), kind_(kind), dialogs_(dialogs) {}

bool FormPrintRun::PrintJob(const std::string& title, const PrintForms& print, bool saveMargins) {
  TPrintReport report(printer_, &dialogs_.printerSetup, &dialogs_.font, title, values_.top.value,
                      values_.top.minimum, values_.left.value, values_.left.minimum, true,
                      printerChosen_, true);
  if (report.Cancelled()) return false;
  printerChosen_ = true;
  ClampMarginsToPrinter(values_, printer_.Caps());
  if (saveMargins) SaveMargins(registry_, kind_, values_);
  print(report);
  return true;
}

void FormPrintRun::Run(const std::string& title, const PrintForms& sample,
                       const PrintForms& forms) {
  LoadMargins(registry_, kind_, values_);
  printer_.SetFont(FormFont());
  if (!RunLineUpLoop(dialogs_.setUp, values_, [&] { PrintJob(title, sample, false); })) return;
  PrintJob(title, forms, true);
}
