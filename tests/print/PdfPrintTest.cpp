// A short grid report printed through the QPrinter backend into a PDF file,
// read back with poppler's pdftotext: every word lands where the grid says,
// within a pixel of the printer's resolution.

#include <gtest/gtest.h>

#include <QPageSize>
#include <cstdio>
#include <map>
#include <regex>
#include <string>

#include "platform/qt/QtPrinterDevice.h"
#include "print/PrintReport.h"
#include "tests/support/TempDir.h"

namespace {

struct Box {
  double xMin = 0, yMin = 0;
};

// The words of the PDF with the top-left corners of their boxes, in points.
std::map<std::string, Box> WordBoxes(const std::string& pdf, const std::string& html) {
  const std::string command = "pdftotext -bbox '" + pdf + "' '" + html + "'";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  std::FILE* file = std::fopen(html.c_str(), "r");
  std::string text;
  if (file) {
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
      text.append(buffer, n);
    std::fclose(file);
  }
  std::map<std::string, Box> boxes;
  const std::regex word(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)"[^>]*>([^<]*)</word>)re");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), word); it != std::sregex_iterator();
       ++it) {
    boxes[(*it)[3]] = {std::stod((*it)[1]), std::stod((*it)[2])};
  }
  return boxes;
}

TEST(PdfPrint, GridTextLandsWithinAPixelOfItsDevicePosition) {
  const TempDir dir;
  constexpr int kDpi = 600;
  const std::string pdf = dir.File("grid.pdf");
  QtPrinterDevice printer(false);
  printer.Printer().setPageSize(QPageSize(QPageSize::Letter));
  printer.SetPdfOutput(QString::fromStdString(pdf), kDpi, QMarginsF(18, 27, 18, 27));
  // A quarter inch left and right, three eighths at top and bottom.
  EXPECT_EQ(printer.Caps(), (PrinterCaps{600, 600, 4800, 6150, 5100, 6600, 150, 225}));
  printer.SetFont({.name = "Courier New", .size = 12, .charset = kAnsiCharset});

  struct Item {
    int column, line;
    const char* text;
  };
  const Item items[] = {{1, 1, "ALPHA"}, {11, 7, "BRAVO"}, {34, 20, "CHARLIE"}, {60, 45, "DELTA"}};
  int left = 0, top = 0;
  {
    TPrintReport report(printer, nullptr, nullptr, "grid", 50, 25, 40, 25, true, true, true);
    ASSERT_FALSE(report.Cancelled());
    left = report.Left();
    top = report.Top();
    for (const Item& item : items) report.PrintTextAt(item.column, item.line, item.text);
  }
  EXPECT_EQ(left, 90);  // 0.40 inch from the edge, 0.25 of it unprintable
  EXPECT_EQ(top, 75);   // 0.50 inch, 0.375 unprintable

  const std::map<std::string, Box> boxes = WordBoxes(pdf, dir.File("grid.html"));
  ASSERT_EQ(boxes.size(), std::size(items));
  for (const Item& item : items) {
    SCOPED_TRACE(item.text);
    ASSERT_TRUE(boxes.count(item.text));
    const Box box = boxes.at(item.text);
    // Points on the sheet to device pixels of the printable area.
    const double x = box.xMin * kDpi / 72 - 150;
    const double y = box.yMin * kDpi / 72 - 225;
    EXPECT_NEAR(x, left + (item.column - 1) * kDpi / 10.0, 1.0);
    EXPECT_NEAR(y, top + (item.line - 1) * kDpi / 6.0, 1.0);
  }
}

}  // namespace
