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

void ScriptedPrintPreview::Show(IPrinterDevice&, const std::function<void()>& job) {
  ++shown_;
  job();
}

void ScriptedProgress::Start(const std::string& label, int total) {
  runs_.emplace_back(label, total);
  lastStep_ = 0;
}

bool ScriptedProgress::Step(int done) {
  lastStep_ = done;
  return cancelAt == 0 || done < cancelAt;
}
