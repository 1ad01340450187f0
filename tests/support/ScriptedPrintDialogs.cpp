#include "tests/support/ScriptedPrintDialogs.h"

#include <gtest/gtest.h>

ScriptedPrinterSetupDialog::~ScriptedPrinterSetupDialog() {
  EXPECT_TRUE(answers_.empty()) << answers_.size() << " printer set-up answer(s) never asked for";
}

ScriptedPrinterSetupDialog& ScriptedPrinterSetupDialog::Answer(bool ok) {
  answers_.push_back(ok);
  return *this;
}

bool ScriptedPrinterSetupDialog::Execute(IPrinterDevice& printer) {
  ++shown_;
  if (answers_.empty()) {
    ADD_FAILURE() << "unexpected printer set-up dialog";
    return false;
  }
  const bool ok = answers_.front();
  answers_.pop_front();
  if (ok && onOk) onOk(printer);
  return ok;
}

ScriptedFontDialog::~ScriptedFontDialog() {
  EXPECT_TRUE(answers_.empty()) << answers_.size() << " font dialog answer(s) never asked for";
}

ScriptedFontDialog& ScriptedFontDialog::Answer(bool ok, std::optional<PrinterFont> chosen) {
  answers_.emplace_back(ok, std::move(chosen));
  return *this;
}

bool ScriptedFontDialog::Execute(IPrinterDevice&) {
  offered_.push_back(font_);
  options_.push_back(Options);
  if (answers_.empty()) {
    ADD_FAILURE() << "unexpected font dialog";
    return false;
  }
  auto [ok, chosen] = answers_.front();
  answers_.pop_front();
  if (ok && chosen) font_ = *chosen;
  return ok;
}
