#pragma once
// Printer set-up and font dialogs that answer from a queue instead of asking
// anyone: for tests, benchmarks and headless renders. They count every showing
// and keep the font and options each font dialog opened on.

#include <deque>
#include <optional>
#include <utility>
#include <vector>

#include "platform/PrintDialogs.h"
#include "platform/Progress.h"

class ScriptedPrinterSetupDialog final : public IPrinterSetupDialog {
 public:
  // Queues the answer to the next showing; with none queued the answer is `otherwise`.
  ScriptedPrinterSetupDialog& Answer(bool ok);
  bool otherwise = false;

  bool Execute(IPrinterDevice& printer) override;
  int Shown() const { return shown_; }

 private:
  std::deque<bool> answers_;
  int shown_ = 0;
};

class ScriptedFontDialog final : public FontDialog {
 public:
  // Queues the answer to the next showing; on OK the user picks `chosen`, or
  // keeps the offered font when none is given. With none queued: Cancel.
  ScriptedFontDialog& Answer(bool ok, std::optional<PrinterFont> chosen = std::nullopt);

  bool Execute(IPrinterDevice& printer) override;
  // The font and options of each showing, in order.
  const std::vector<std::pair<PrinterFont, FontDialogOptions>>& Offered() const { return offered_; }

 private:
  std::deque<std::pair<bool, std::optional<PrinterFont>>> answers_;
  std::vector<std::pair<PrinterFont, FontDialogOptions>> offered_;
};

// A preview that shows nothing: it runs the job once on the device, as the
// preview window draws it, and counts the showings.
class ScriptedPrintPreview final : public IPrintPreview {
 public:
  ScriptedPrintPreview() { enabled = true; }
  void Show(IPrinterDevice& printer, const std::function<void()>& job) override;
  int Shown() const { return shown_; }

 private:
  int shown_ = 0;
};

// A progress that records its runs and cancels at the step asked for.
class ScriptedProgress final : public IProgress {
 public:
  // The user clicks Cancel when this many steps are done (0: never).
  int cancelAt = 0;

  void Start(const std::string& label, int total) override;
  bool Step(int done) override;
  void Finish() override { ++finished_; }

  const std::vector<std::pair<std::string, int>>& Runs() const { return runs_; }
  int LastStep() const { return lastStep_; }
  int Finished() const { return finished_; }

 private:
  std::vector<std::pair<std::string, int>> runs_;
  int lastStep_ = 0;
  int finished_ = 0;
};
