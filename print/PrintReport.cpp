#include "print/PrintReport.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "platform/MulDiv.h"

PrinterFont ReplaceDefaultFont(PrinterFont font) {
  if (font.name == "MS Sans Serif" && std::abs(font.size) == 8) {
    font.name = "Times New Roman";
    font.size = -11;
  }
  return font;
}

PrinterFont FirstPrintFont() { return {"Liberation Serif", -11, 0, 0x000000, kAnsiCharset}; }

std::string CutToWidth(IPrinterDevice& printer, const std::string& text, int width) {
  if (printer.TextWidth(text) <= width) return text;
  int fit = 0;
  if (printer.FitCount(text, std::max(0, width), fit)) {
    return text.substr(0, static_cast<std::size_t>(std::clamp(fit, 0, int(text.size()))));
  }
  // A printer that cannot tell: shorten until it fits.
  std::string cut = text;
  while (!cut.empty() && printer.TextWidth(cut) > width) cut.pop_back();
  return cut;
}

UnprintableBorder BorderOf(const PrinterCaps& caps) {
  return {(caps.physicalWidth - caps.pageWidth) / 2, (caps.physicalHeight - caps.pageHeight) / 2};
}

std::int32_t MarginToDevice(std::int32_t hundredths, std::int32_t dpi, std::int32_t border) {
  const std::int32_t fromEdge = MulDiv(hundredths, dpi, 100);
  return border > fromEdge ? 0 : fromEdge - border;
}

TPrintReport::TPrintReport(IPrinterDevice& printer, IPrinterSetupDialog* printerSetupDialog,
                           FontDialog* fontDialog, const std::string& title, std::int32_t topMargin,
                           std::int32_t bottomMargin, std::int32_t leftMargin,
                           std::int32_t rightMargin, bool sixLinesPerInch, bool noPrinterDialog,
                           bool noFontDialog)
    : printer_(printer), sixLinesPerInch_(sixLinesPerInch) {
  if ((!noPrinterDialog && !printerSetupDialog) || (!noFontDialog && !fontDialog)) {
    throw std::logic_error("TPrintReport: a dialog to show is missing");
  }
  if (!noPrinterDialog && !printerSetupDialog->Execute(printer_)) {
    cancelled_ = true;
    return;
  }
  if (noFontDialog) {
    printer_.SetFont(ReplaceDefaultFont(printer_.Font()));
  } else {
    fontDialog->Options = {
        .printerFonts = true, .ansiOnly = true, .effects = true, .forceFontExist = true};
    fontDialog->SetFont(ReplaceDefaultFont(printer_.Font()));
    if (!fontDialog->Execute(printer_)) {
      cancelled_ = true;
      return;
    }
    printer_.SetFont(fontDialog->Font());
  }

  const PrinterCaps caps = printer_.Caps();
  dpiX_ = caps.logPixelsX;
  dpiY_ = caps.logPixelsY;
  const UnprintableBorder border = BorderOf(caps);
  top_ = MarginToDevice(topMargin, dpiY_, border.y);
  bottom_ = MarginToDevice(bottomMargin, dpiY_, border.y);
  left_ = MarginToDevice(leftMargin, dpiX_, border.x);
  right_ = MarginToDevice(rightMargin, dpiX_, border.x);
  textWidth_ = caps.pageWidth - left_ - right_;
  textHeight_ = caps.pageHeight - top_ - bottom_;
  currentLinePosition_ = top_;

  linePitch_ = sixLinesPerInch_ ? (dpiY_ + 3) / 6
                                : MulDiv(std::abs(MulDiv(printer_.Font().size, dpiY_, 72)), 9, 8);

  // A printer that cannot start the job has told the user why; the creator
  // then prints nothing, as after a cancel.
  if (!printer_.BeginDoc(title)) cancelled_ = true;
}

TPrintReport::~TPrintReport() {
  if (!cancelled_) printer_.EndDoc();
}

// At 100.0% these are exactly a tenth of an inch per column and a sixth per line.
int TPrintReport::ColumnX(int column) const {
  return left_ + MulDiv(dpiX_, (column - 1) * scaleX_, 10 * 1000);
}

int TPrintReport::LineY(int line) const {
  return top_ + MulDiv(dpiY_, (line - 1) * scaleY_, 6 * 1000);
}

void TPrintReport::PrintTextAt(int column, int line, const std::string& text) {
  if (cancelled_ || text.empty()) return;
  printer_.TextOut(ColumnX(column), LineY(line), text);
}

void TPrintReport::PrintAmountAt(int column, int line, Currency amount, bool allowNegative,
                                 bool printZero, bool rightAlign) {
  if (cancelled_) return;
  if (!allowNegative && amount < 0) return;
  if (!printZero && BelowHalfCent(amount)) return;
  const std::string text = FormatAmount(amount);
  int x = ColumnX(column);
  if (rightAlign) x = x - printer_.TextWidth(text) + MulDiv(dpiX_, 3, 40);
  printer_.TextOut(x, LineY(line), text);
}

void TPrintReport::PrintTextInCell(double column, double line, double columns,
                                   const std::string& text, int align) {
  if (cancelled_ || text.empty()) return;
  // Stretched by the scale correction like the whole-column positions.
  const double left = left_ + dpiX_ * (column - 1) * scaleX_ / 10000;
  const double width = dpiX_ * columns * scaleX_ / 10000;
  double x = left;
  if (align != 0) {
    const double room = width - printer_.TextWidth(text);
    x += align == 1 ? room / 2 : room;
  }
  printer_.TextOut(static_cast<int>(std::lround(x)),
                   static_cast<int>(std::lround(top_ + dpiY_ * (line - 1) * scaleY_ / 6000)), text);
}

void TPrintReport::StartNewPage() {
  if (cancelled_) return;
  printer_.NewPage();
  currentLinePosition_ = top_;
}
