// A short grid report printed through the QPrinter backend into a PDF file,
// read back with poppler's pdftotext: every word lands where the grid says,
// within a pixel of the printer's resolution.

#include <gtest/gtest.h>

#include <QPageSize>
#include <map>
#include <string>

#include "platform/qt/QtPrinterDevice.h"
#include "print/PrintReport.h"
#include "tests/support/PdfWords.h"
#include "tests/support/TempDir.h"

namespace {

TEST(PdfPrint, GridTextLandsWithinAPixelOfItsDevicePosition) {
  const TempDir dir;
  constexpr int kDpi = 600;
  QtPrinterDevice printer(false);
  printer.Printer().setPageSize(QPageSize(QPageSize::Letter));
  // An unprintable border of a quarter inch left and right, three eighths at top and bottom.
  printer.SetPdfOutput(QString::fromStdString(dir.File("grid.pdf")), kDpi,
                       QMarginsF(18, 27, 18, 27));
  EXPECT_EQ(printer.Caps(), (PrinterCaps{600, 600, 4800, 6150, 5100, 6600, 150, 225}));
  printer.SetFont({.name = "Courier New", .size = 12, .charset = kAnsiCharset});

  struct Item {
    int column, line;
    std::string text;
  };
  const Item items[] = {{1, 1, "ALPHA"}, {11, 7, "BRAVO"}, {34, 20, "CHARLIE"}, {60, 45, "DELTA"}};
  {
    TPrintReport report(printer, nullptr, nullptr, "grid", 50, 25, 40, 25, true, true, true);
    ASSERT_FALSE(report.Cancelled());
    EXPECT_EQ(report.Left(), 90);  // 0.40 inch from the edge, 0.25 of it unprintable
    EXPECT_EQ(report.Top(), 75);   // 0.50 inch, 0.375 unprintable
    for (const Item& item : items) report.PrintTextAt(item.column, item.line, item.text);
  }

  std::map<std::string, std::pair<double, double>> corners;  // points from the sheet's corner
  for (const PdfWord& word : ReadPdfWords(dir.File("grid.pdf"))) {
    corners[word.text] = {word.xMin, word.yMin};
  }
  ASSERT_EQ(corners.size(), std::size(items));
  for (const Item& item : items) {
    SCOPED_TRACE(item.text);
    const auto [x, y] = corners.at(item.text);
    EXPECT_NEAR(x * kDpi / 72 - 150, 90 + (item.column - 1) * kDpi / 10.0, 1.0);
    EXPECT_NEAR(y * kDpi / 72 - 225, 75 + (item.line - 1) * kDpi / 6.0, 1.0);
  }
}

}  // namespace
