// The printer set-up dialog of the Qt printer with no printer installed.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

#include "platform/qt/QtPrintDialogs.h"
#include "platform/qt/QtPrinterDevice.h"

namespace {

TEST(QtPrinterSetupDialog, OffersPrintToPdfFileWhenNoPrinterIsInstalled) {
  QtPrinterDevice printer(false);
  const std::unique_ptr<QPrintDialog> dialog = QtPrinterSetupDialog().CreateDialog(printer);
  dialog->show();  // without a modal loop: the dialog lists its printers when it opens
  QApplication::processEvents();
  QStringList printers;
  QStringList files;
  for (QComboBox* combo : dialog->findChildren<QComboBox*>()) {
    if (combo->findText(QStringLiteral("Print to File (PDF)")) >= 0)
      printers << combo->currentText();
  }
  for (QLineEdit* edit : dialog->findChildren<QLineEdit*>()) files << edit->text();
  dialog->reject();
  EXPECT_EQ(printers, QStringList{QStringLiteral("Print to File (PDF)")});
  EXPECT_TRUE(files.contains(QtPrinterDevice::DefaultPdfFile()));
}

}  // namespace
