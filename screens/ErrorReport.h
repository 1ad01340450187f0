#pragma once
// The error report window: shows the findings of the W-2 edit check as lines
// of text and prints them. The program creates it once at start; it lives
// until the program ends and is shown modally, with fresh lines, each time.

#include <QDialog>
#include <string>
#include <vector>

#include "platform/PrintDialogs.h"
#include "platform/PrinterDevice.h"
#include "screens/ErrorReportView.h"

class QFrame;
class QPlainTextEdit;
class QPushButton;
class TQuillmarRegistry;

class TFormErrorReport final : public QDialog, public IErrorReportView {
  Q_OBJECT

 public:
  // Prints on `printer` through the two dialogs, which live as long as the
  // window; the font dialog is the report's own.
  TFormErrorReport(IPrinterDevice& printer, IPrinterSetupDialog& printerSetupDialog,
                   FontDialog& fontDialog, QWidget* parent = nullptr);

  void ShowReport(const std::vector<std::string>& lines) override;
  // Puts the lines into Memo1 without showing the window.
  void SetReportLines(const std::vector<std::string>& lines);
  // The lines of Memo1 (Windows-1252); none when it is empty.
  std::vector<std::string> ReportLines() const;

  // Keeps the two buttons centred on the panel.
  void FormResize();
  // Where the report keeps its last font (none: the font dialog keeps it
  // until the program closes) and the print preview (none: straight to the
  // printer); neither owned.
  void SetPrintSettings(TQuillmarRegistry* registry, IPrintPreview* preview) {
    registry_ = registry;
    preview_ = preview;
  }
  // Prints the lines of Memo1 through the printer set-up and font dialogs.
  void BitBtnPrintClick();

  QPlainTextEdit* Memo1 = nullptr;
  QFrame* Panel1 = nullptr;
  QPushButton* BitBtnPrint = nullptr;
  QPushButton* BitBtnClose = nullptr;
  IPrinterSetupDialog& PrinterSetupDialog1;
  FontDialog& FontDialog1;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  IPrinterDevice& printer_;
  TQuillmarRegistry* registry_ = nullptr;
  IPrintPreview* preview_ = nullptr;
};
