#pragma once
// The print grid: places text and money amounts on a grid of 10 columns and
// 6 lines to the inch, measured from margins given in hundredths of an inch
// from the paper's edges. Creating it runs the printer and font dialogs and
// starts the print job; destroying it ends the job.

#include <cstdint>
#include <string>

#include "data/Currency.h"
#include "platform/PrintDialogs.h"
#include "platform/PrinterDevice.h"

// A printer font of "MS Sans Serif" at 8 points (either sign) becomes
// "Times New Roman" with a cell height of 11 points; any other stays.
PrinterFont ReplaceDefaultFont(PrinterFont font);

// The font a print item's font dialog offers the first time: Liberation
// Serif with an 11-point cell, the free equivalent of Times New Roman.
PrinterFont FirstPrintFont();

// The leading part of `text` that fits into `width` pixels in the printer's
// current font: the whole text when it fits.
std::string CutToWidth(IPrinterDevice& printer, const std::string& text, int width);

// Half of the paper left unprintable on each axis, in device pixels (halved
// toward zero).
struct UnprintableBorder {
  int x = 0;
  int y = 0;
};
UnprintableBorder BorderOf(const PrinterCaps& caps);

// A margin of `hundredths` of an inch from the paper's edge as an offset from
// the printable area's edge: MulDiv(hundredths, dpi, 100) - border, and 0 when
// the border is wider.
std::int32_t MarginToDevice(std::int32_t hundredths, std::int32_t dpi, std::int32_t border);

class TPrintReport {
 public:
  // The dialogs may be null when the matching "no ... dialog" switch is set.
  // Afterwards test Cancelled(): when it is true nothing may be printed.
  TPrintReport(IPrinterDevice& printer, IPrinterSetupDialog* printerSetupDialog,
               FontDialog* fontDialog, const std::string& title, std::int32_t topMargin,
               std::int32_t bottomMargin, std::int32_t leftMargin, std::int32_t rightMargin,
               bool sixLinesPerInch, bool noPrinterDialog, bool noFontDialog);
  // Ends the print job unless Cancelled().
  ~TPrintReport();
  TPrintReport(const TPrintReport&) = delete;
  TPrintReport& operator=(const TPrintReport&) = delete;

  // True when the user cancelled the printer or the font dialog, or the
  // printer could not start the job: no job is running.
  bool Cancelled() const { return cancelled_; }

  // Draws the text with its top-left corner at the grid position; column 1,
  // line 1 is the top-left margin corner. An empty text draws nothing.
  void PrintTextAt(int column, int line, const std::string& text);
  // Draws a money amount ("%4.2f") at the grid position. A negative amount is
  // left out unless `allowNegative`, an amount that shows as 0.00 unless
  // `printZero`. `rightAlign` ends the text three quarters of a column right
  // of the column's start.
  void PrintAmountAt(int column, int line, Currency amount, bool allowNegative, bool printZero,
                     bool rightAlign);
  // The scale correction across and down in tenths of a percent (1000 =
  // 100.0%): grid positions are stretched by it from the top-left margin
  // corner, for a printer whose paper feed stretches the page.
  void SetScale(std::int32_t scaleX, std::int32_t scaleY) {
    scaleX_ = scaleX;
    scaleY_ = scaleY;
  }
  // Draws the text in a cell of the grid whose top-left corner is at
  // (`column`, `line`), fractions allowed, `columns` wide: from the cell's
  // left edge, centred in it, or ending at its right edge (align 0, 1, 2).
  void PrintTextInCell(double column, double line, double columns, const std::string& text,
                       int align);
  // Ends the page; the next one has the same margins.
  void StartNewPage();

  IPrinterDevice& Printer() { return printer_; }
  std::int32_t DpiX() const { return dpiX_; }
  std::int32_t DpiY() const { return dpiY_; }
  std::int32_t TextWidth() const { return textWidth_; }
  std::int32_t TextHeight() const { return textHeight_; }
  std::int32_t Top() const { return top_; }
  std::int32_t Bottom() const { return bottom_; }
  std::int32_t Left() const { return left_; }
  std::int32_t Right() const { return right_; }
  std::int32_t CurrentLinePosition() const { return currentLinePosition_; }
  std::int32_t LinePitch() const { return linePitch_; }
  bool SixLinesPerInch() const { return sixLinesPerInch_; }

 private:
  int ColumnX(int column) const;
  int LineY(int line) const;

  IPrinterDevice& printer_;
  std::int32_t dpiX_ = 0, dpiY_ = 0;
  std::int32_t textWidth_ = 0, textHeight_ = 0;
  std::int32_t top_ = 0, bottom_ = 0, left_ = 0, right_ = 0;
  std::int32_t currentLinePosition_ = 0;
  std::int32_t linePitch_ = 0;
  bool sixLinesPerInch_ = false;
  bool cancelled_ = false;
  std::int32_t scaleX_ = 1000, scaleY_ = 1000;
};
