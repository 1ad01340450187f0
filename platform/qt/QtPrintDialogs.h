#pragma once
// The printer set-up dialog (QPrintDialog) and the font dialog (QFontDialog)
// of the program. Each builds its Qt dialog in a step of its own, so that a
// test can look at what the dialog offers without showing it.

#include <QFontDialog>
#include <QPrintDialog>
#include <memory>

#include "platform/PrintDialogs.h"

class QtPrinterDevice;
class QWidget;

class QtPrinterSetupDialog final : public IPrinterSetupDialog {
 public:
  explicit QtPrinterSetupDialog(QWidget* parent = nullptr) : parent_(parent) {}

  // The dialog on the device's printer: printer, paper and orientation, and
  // "Print to File (PDF)", which is already chosen when no printer is installed.
  std::unique_ptr<QPrintDialog> CreateDialog(QtPrinterDevice& printer) const;
  // `printer` must be a QtPrinterDevice.
  bool Execute(IPrinterDevice& printer) override;

 private:
  QWidget* parent_;
};

// The print preview: QPrintPreviewDialog on the device's QPrinter, drawn by
// the print job itself; its Print button prints the same job on the printer.
class QtPrintPreview final : public IPrintPreview {
 public:
  explicit QtPrintPreview(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  // `printer` must be a QtPrinterDevice.
  void Show(IPrinterDevice& printer, const std::function<void()>& job) override;

 private:
  QWidget* parent_;
};

class QtFontDialog final : public FontDialog {
 public:
  explicit QtFontDialog(QWidget* parent = nullptr) : parent_(parent) {}

  // The dialog, opened on Font(). It lists the installed fonts only (so the
  // chosen font always exists) and always offers underline and strike-out.
  std::unique_ptr<QFontDialog> CreateDialog() const;
  // Takes the dialog's chosen font as Font(), keeping its colour; the
  // character set becomes ANSI when only ANSI fonts are asked for.
  void Accept(const QFontDialog& dialog);
  bool Execute(IPrinterDevice& printer) override;

 private:
  QWidget* parent_;
};
