// The Qt printer: the set-up dialog with no printer installed, and fonts
// sized as the printer sizes them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFontMetricsF>
#include <QLineEdit>

#include "platform/qt/QtPrintDialogs.h"
#include "platform/qt/QtPrinterDevice.h"

namespace {

TEST(QtPrinterSetupDialog, OffersPrintToPdfFileWhenNoPrinterIsInstalled) {
  QtPrinterDevice printer(false);
  EXPECT_EQ(printer.Printer().outputFormat(), QPrinter::PdfFormat);
  EXPECT_EQ(printer.Printer().outputFileName(), QtPrinterDevice::DefaultPdfFile());
  const std::unique_ptr<QPrintDialog> dialog = QtPrinterSetupDialog().CreateDialog(printer);
  // Shown without a modal loop: the dialog lists its printers when it opens.
  dialog->show();
  QApplication::processEvents();
  QComboBox* chosen = nullptr;
  for (QComboBox* combo : dialog->findChildren<QComboBox*>()) {
    if (combo->findText(QStringLiteral("Print to File (PDF)")) >= 0) chosen = combo;
  }
  ASSERT_NE(chosen, nullptr);
  EXPECT_EQ(chosen->currentText(), QStringLiteral("Print to File (PDF)"));
  bool fileShown = false;
  for (QLineEdit* edit : dialog->findChildren<QLineEdit*>()) {
    fileShown = fileShown || edit->text() == QtPrinterDevice::DefaultPdfFile();
  }
  EXPECT_TRUE(fileShown);
  dialog->reject();
}

TEST(QtPrinterDevice, SizesFontsByCharacterHeightOrByCellHeight) {
  struct Case {
    PrinterFont font;
    int dpi;
    bool cell;
    double want;  // pixels: the em for a positive size, ascent + descent for a negative one
  };
  const Case cases[] = {
      {{.name = "Courier New", .size = 12}, 600, false, 100},
      {{.name = "Times New Roman", .size = 11}, 1200, false, 183},
      {{.name = "Times New Roman", .size = -11}, 600, true, 92},
      {{.name = "Times New Roman", .size = -11}, 1200, true, 183},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.font.name << " " << c.font.size << " at " << c.dpi);
    const QFont font = ToQFont(c.font, c.dpi);
    if (c.cell) {
      EXPECT_NEAR(QFontMetricsF(font).height(), c.want, 1.0);
    } else {
      EXPECT_EQ(font.pixelSize(), c.want);
    }
  }
  // A Courier New character is a tenth of an inch at 12 points.
  EXPECT_NEAR(
      QFontMetricsF(ToQFont({.name = "Courier New", .size = 12}, 600)).horizontalAdvance('M'), 60,
      0.5);
}

}  // namespace
