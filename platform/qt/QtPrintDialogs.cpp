#include "platform/qt/QtPrintDialogs.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <cmath>
#include <stdexcept>

#include "platform/qt/QtPrinterDevice.h"

namespace {

// The given parent, or else the window the user is working in.
QWidget* ParentOr(QWidget* parent) { return parent ? parent : QApplication::activeWindow(); }

}  // namespace

std::unique_ptr<QPrintDialog> QtPrinterSetupDialog::CreateDialog(QtPrinterDevice& printer) const {
  auto dialog = std::make_unique<QPrintDialog>(&printer.Printer(), ParentOr(parent_));
  dialog->setWindowTitle(QStringLiteral("Print Setup"));
  // A set-up dialog: which printer and paper, not which pages or how many copies.
  dialog->setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
  return dialog;
}

bool QtPrinterSetupDialog::Execute(IPrinterDevice& printer) {
  auto* qtPrinter = dynamic_cast<QtPrinterDevice*>(&printer);
  if (!qtPrinter) throw std::logic_error("the printer set-up dialog needs the Qt printer");
  return CreateDialog(*qtPrinter)->exec() == QDialog::Accepted;
}

void QtPrintPreview::Show(IPrinterDevice& printer, const std::function<void()>& job) {
  auto* qtPrinter = dynamic_cast<QtPrinterDevice*>(&printer);
  if (!qtPrinter) throw std::logic_error("the print preview needs the Qt printer");
  QPrintPreviewDialog dialog(&qtPrinter->Printer(), ParentOr(parent_));
  dialog.setWindowTitle(QStringLiteral("Print Preview"));
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&job](QPrinter*) { job(); });
  dialog.exec();
}

std::unique_ptr<QFontDialog> QtFontDialog::CreateDialog() const {
  // Shown in points, the unit of the dialog: a cell height is turned into the
  // character height of that font.
  QFont initial = ToQFont(font_, 72);
  initial.setPointSizeF(std::max(1.0, static_cast<double>(initial.pixelSize())));
  auto dialog = std::make_unique<QFontDialog>(initial, ParentOr(parent_));
  dialog->setWindowTitle(QStringLiteral("Font"));
  dialog->setOption(QFontDialog::DontUseNativeDialog);
  return dialog;
}

void QtFontDialog::Accept(const QFontDialog& dialog) {
  const QFont chosen = dialog.selectedFont();
  PrinterFont font = font_;
  font.name = chosen.family().toStdString();
  font.size = std::max(1, static_cast<int>(std::lround(chosen.pointSizeF())));
  font.style = (chosen.bold() ? FontBold : 0u) | (chosen.italic() ? FontItalic : 0u) |
               (chosen.underline() ? FontUnderline : 0u) |
               (chosen.strikeOut() ? FontStrikeOut : 0u);
  if (Options.ansiOnly) font.charset = kAnsiCharset;
  font_ = font;
}

bool QtFontDialog::Execute(IPrinterDevice&) {
  std::unique_ptr<QFontDialog> dialog = CreateDialog();
  if (dialog->exec() != QDialog::Accepted) return false;
  Accept(*dialog);
  return true;
}
