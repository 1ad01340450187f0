// The printer set-up dialog of the Qt printer with no printer installed, the
// print preview and the progress dialog.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <filesystem>

#include "platform/qt/QtPrintDialogs.h"
#include "platform/qt/QtPrinterDevice.h"
#include "platform/qt/QtProgress.h"
#include "tests/support/TempDir.h"

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

TEST(QtPrintPreview, DrawsTheJobOnScreenAndPrintsNothingUntilAsked) {
  const TempDir dir;
  QtPrinterDevice printer(false);
  printer.SetPdfOutput(QString::fromStdString(dir.File("out.pdf")), 300, {});
  int pages = 0;
  QTimer::singleShot(0, [] {
    if (QWidget* preview = QApplication::activeModalWidget()) preview->close();
  });
  QtPrintPreview().Show(printer, [&] {
    ASSERT_TRUE(printer.BeginDoc("preview"));
    printer.NewPage();
    pages = printer.PageNumber();
    printer.EndDoc();
  });
  EXPECT_EQ(pages, 2);
  EXPECT_FALSE(std::filesystem::exists(dir.File("out.pdf")));
}

TEST(QtProgress, ShowsAfterASecondAndCancelStopsTheRun) {
  QtProgress progress;
  progress.Start("Printing the W-2 forms...", 490);
  ASSERT_NE(progress.Dialog(), nullptr);
  EXPECT_EQ(progress.Dialog()->minimumDuration(), 1000);
  EXPECT_TRUE(progress.Step(1));
  progress.Dialog()->cancel();
  EXPECT_FALSE(progress.Step(2));
  progress.Finish();
  EXPECT_EQ(progress.Dialog(), nullptr);
}

}  // namespace
