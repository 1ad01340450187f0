#include "platform/ScriptedPrintDialogs.h"

ScriptedPrinterSetupDialog& ScriptedPrinterSetupDialog::Answer(bool ok) {
  answers_.push_back(ok);
  return *this;
}

bool ScriptedPrinterSetupDialog::Execute(IPrinterDevice&) {
  ++shown_;
  if (answers_.empty()) return otherwise;
  const bool ok = answers_.front();
  answers_.pop_front();
  return ok;
}

ScriptedFontDialog& ScriptedFontDialog::Answer(bool ok, std::optional<PrinterFont> chosen) {
  answers_.emplace_back(ok, std::move(chosen));
  return *this;
}

bool ScriptedFontDialog::Execute(IPrinterDevice&) {
  offered_.emplace_back(font_, Options);
  if (answers_.empty()) return false;
  auto [ok, chosen] = answers_.front();
  answers_.pop_front();
  if (ok && chosen) font_ = *chosen;
  return ok;
}
