#include "print/PrintTextReport.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "platform/Clock.h"
#include "platform/DateTimeText.h"
#include "platform/MulDiv.h"
#include "print/PrintReport.h"
#include "settings/QuillmarRegistry.h"

namespace {

bool IsBreakCharacter(char c) { return c == ' ' || c == '-' || c == '/' || c == '\\'; }

// How many leading characters of `text` (wider than `width`) go on one output
// line: the fit count stepped back to the last break character within it
// (which stays on the line), or the fit count itself when the fitting part has
// none; at least one character, so that every line prints in full.
std::size_t WrapLength(IPrinterDevice& printer, const std::string& text, int width) {
  int fit = 0;
  if (!printer.FitCount(text, width, fit)) {
    const int textWidth = std::max(1, printer.TextWidth(text));
    fit = static_cast<int>(static_cast<long long>(text.size()) * width / textWidth);
    if (fit == 0) fit = 40;
  }
  const std::size_t count =
      std::clamp<std::size_t>(static_cast<std::size_t>(std::max(fit, 0)), 1, text.size());
  for (std::size_t i = count; i > 0; --i) {
    if (IsBreakCharacter(text[i - 1])) return i;
  }
  // No break character within the fitting part: break at the fit count.
  return count;
}

// One text report job, in device units of the printable area.
class TextReportJob {
 public:
  explicit TextReportJob(IPrinterDevice& printer) : printer_(printer) {
    const PrinterCaps caps = printer_.Caps();
    pageWidth_ = caps.pageWidth;
    pageHeight_ = caps.pageHeight;
    leftMargin_ = caps.logPixelsX - caps.physicalOffsetX;
    topMargin_ = caps.logPixelsY - caps.physicalOffsetY;
    textWidth_ = caps.pageWidth - 2 * leftMargin_;
    textHeight_ = caps.pageHeight - 2 * topMargin_;
    lineHeight_ = MulDiv(std::abs(MulDiv(printer_.Font().size, caps.logPixelsY, 72)), 9, 8);
    // The last line of a page ends above the footer, whatever the font.
    textHeight_ = std::min(textHeight_, FooterY() - topMargin_);
    currentY_ = topMargin_;
    stamp_ = "Printed: " + DateTimeText(Clock().Now());
  }

  bool Start() { return printer_.BeginDoc(kTextReportTitle); }

  void PrintLine(const std::string& line) {
    if (printer_.TextWidth(line) <= textWidth_) {
      PrintOutputLine(line);
      return;
    }
    std::string_view remaining = line;
    while (!remaining.empty()) {
      const std::string rest(remaining);
      if (printer_.TextWidth(rest) <= textWidth_) {
        PrintOutputLine(rest);
        break;
      }
      const std::size_t length = WrapLength(printer_, rest, textWidth_);
      PrintOutputLine(rest.substr(0, length));
      remaining.remove_prefix(length);
    }
  }

  void Finish() {
    if (usedHeight_ != 0) PrintFooter();
    printer_.EndDoc();
  }

 private:
  void PrintOutputLine(const std::string& text) {
    // The page that the last line filled is turned only now that another line
    // comes, so a report that fills its last page exactly ends without a blank one.
    if (pageFull_) {
      printer_.NewPage();
      pageFull_ = false;
    }
    if (!text.empty()) printer_.TextOut(leftMargin_, currentY_, text);
    currentY_ += lineHeight_;
    usedHeight_ += lineHeight_;
    if (usedHeight_ + lineHeight_ > textHeight_) {
      PrintFooter();
      pageFull_ = true;
      usedHeight_ = 0;
      currentY_ = topMargin_;
    }
  }

  int FooterY() const { return pageHeight_ - 2 * lineHeight_; }

  // "Printed: <date and time>     Page <n>" centred; a footer wider than the
  // page loses the end of its date and time, never the page number.
  void PrintFooter() {
    const std::string page = "Page " + std::to_string(printer_.PageNumber());
    std::string footer = stamp_ + "     " + page;
    if (printer_.TextWidth(footer) > pageWidth_) {
      const std::string stamp =
          CutToWidth(printer_, stamp_, pageWidth_ - printer_.TextWidth("  " + page));
      footer = stamp.empty() ? page : stamp + "  " + page;
    }
    const int width = printer_.TextWidth(footer);
    printer_.TextOut(std::max(0, (pageWidth_ - width) / 2), FooterY(), footer);
  }

  IPrinterDevice& printer_;
  int pageWidth_ = 0, pageHeight_ = 0;
  int leftMargin_ = 0, topMargin_ = 0;
  int textWidth_ = 0, textHeight_ = 0;
  int lineHeight_ = 0;
  int currentY_ = 0;
  int usedHeight_ = 0;
  bool pageFull_ = false;
  std::string stamp_;
};

}  // namespace

void PrintTextReport(const std::vector<std::string>& lines, IPrinterDevice& printer,
                     IPrinterSetupDialog& printerSetupDialog, FontDialog& fontDialog,
                     IPrintPreview* preview) {
  if (lines.empty()) return;
  if (!printerSetupDialog.Execute(printer)) return;
  if (fontDialog.Execute(printer)) printer.SetFont(fontDialog.Font());
  PrintOrPreview(preview, printer, [&] {
    TextReportJob job(printer);
    if (!job.Start()) return;
    for (const std::string& line : lines) job.PrintLine(line);
    job.Finish();
  });
}

void PrintTextReportInLastFont(const std::vector<std::string>& lines, IPrinterDevice& printer,
                               IPrinterSetupDialog& printerSetupDialog, FontDialog& fontDialog,
                               TQuillmarRegistry& registry, IPrintPreview* preview) {
  const PrinterFont last = registry.ReadPrintFont(kReportFontItem).value_or(FirstPrintFont());
  fontDialog.SetFont(last);
  PrintTextReport(lines, printer, printerSetupDialog, fontDialog, preview);
  if (!(fontDialog.Font() == last)) registry.WritePrintFont(kReportFontItem, fontDialog.Font());
}
