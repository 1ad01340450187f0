#pragma once
// The printer set-up and font dialogs for tests: they answer from a queue and
// record every showing. A showing with no queued answer fails the running test.

#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "platform/PrintDialogs.h"

class ScriptedPrinterSetupDialog final : public IPrinterSetupDialog {
 public:
  ~ScriptedPrinterSetupDialog() override;

  // Queues the answer to the next showing.
  ScriptedPrinterSetupDialog& Answer(bool ok);
  // Run on the printer at each OK, as a user choosing a printer would change it.
  std::function<void(IPrinterDevice&)> onOk;

  bool Execute(IPrinterDevice& printer) override;
  int Shown() const { return shown_; }

 private:
  std::deque<bool> answers_;
  int shown_ = 0;
};

class ScriptedFontDialog final : public FontDialog {
 public:
  ~ScriptedFontDialog() override;

  // Queues the answer to the next showing; on OK the user picks `chosen`, or
  // keeps the offered font when none is given.
  ScriptedFontDialog& Answer(bool ok, std::optional<PrinterFont> chosen = std::nullopt);

  bool Execute(IPrinterDevice& printer) override;
  // The font and options of each showing, in order.
  const std::vector<PrinterFont>& Offered() const { return offered_; }
  const std::vector<FontDialogOptions>& OfferedOptions() const { return options_; }

 private:
  std::deque<std::pair<bool, std::optional<PrinterFont>>> answers_;
  std::vector<PrinterFont> offered_;
  std::vector<FontDialogOptions> options_;
};
