#pragma once
// The printer of the program: a QPrinter at high resolution. It prints to any
// CUPS printer and to PDF files; with no printer installed it starts out on a
// PDF file in the home folder, which the printer set-up dialog offers.

#include <QFont>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPrinter>
#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "platform/PrinterDevice.h"

class QPainter;

// The QFont of a printer font on a device of `dpiY` pixels per inch: sized in
// device pixels, a positive size as the character height and a negative one
// as the cell height, as the printer would size it.
QFont ToQFont(const PrinterFont& font, int dpiY);

class QtPrinterDevice final : public IPrinterDevice {
 public:
  // `printersInstalled`: whether the system has a printer (CUPS); when not,
  // the device prints to a PDF file.
  QtPrinterDevice();
  explicit QtPrinterDevice(bool printersInstalled);
  ~QtPrinterDevice() override;

  QPrinter& Printer() { return printer_; }
  // The PDF file printed to when no printer is installed, until the user picks another.
  static QString DefaultPdfFile();
  // Prints into the PDF file `path` at `dpi` pixels per inch, with an unprintable
  // border of `margins` (points) around the printable area.
  void SetPdfOutput(const QString& path, int dpi, const QMarginsF& margins);

  PrinterCaps Caps() const override;

  bool BeginDoc(const std::string& title) override;
  void EndDoc() override;
  void NewPage() override;
  int PageNumber() const override { return page_; }
  bool Printing() const override { return page_ > 0; }

  PrinterFont Font() const override { return font_; }
  void SetFont(const PrinterFont& font) override;

  void TextOut(int x, int y, const std::string& text) override;
  int TextWidth(const std::string& text) override;
  bool FitCount(const std::string& text, int maxExtent, int& fit) override;

  void DrawLine(int x1, int y1, int x2, int y2, int penWidth) override;
  void DrawRectangle(int left, int top, int right, int bottom, int penWidth) override;

 private:
  // The font in device pixels of the printer, made when first needed.
  const QFontMetricsF& Metrics();
  // The advance of each of the 256 characters in the current font.
  const std::array<double, 256>& Advances();
  QString Destination() const;

  QPrinter printer_{QPrinter::HighResolution};
  std::unique_ptr<QPainter> painter_;
  PrinterFont font_;
  QFont qfont_;
  std::optional<QFontMetricsF> metrics_;
  bool painterFontSet_ = false;
  int page_ = 0;
  bool failed_ = false;
  std::optional<std::array<double, 256>> advances_;
  // The fonts measured in this job, so that going back to one measures nothing anew.
  struct MeasuredFont {
    PrinterFont font;
    QFont qfont;
    QFontMetricsF metrics;
    std::optional<std::array<double, 256>> advances;
  };
  std::vector<MeasuredFont> measured_;
};
