#pragma once
// The choices of Print, W-2 Employee Copies (plain paper): Copy D or not, and
// the printer or one PDF per employee in a folder. It says that Copy A is
// not printed here.

#include <QDialog>

#include "print/PlainPaperW2.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TQuillmarRegistry;

class TDlgPlainPaperW2 final : public QDialog {
  Q_OBJECT

 public:
  explicit TDlgPlainPaperW2(QWidget* parent = nullptr);

  void SetChoice(const PlainPaperChoice& choice);
  PlainPaperChoice Choice() const;

  QLabel* LabelCopyA = nullptr;
  QCheckBox* CheckBoxCopyD = nullptr;
  QCheckBox* CheckBoxLastFour = nullptr;
  QRadioButton* RadioPrinter = nullptr;
  QRadioButton* RadioPdfPerEmployee = nullptr;
  QLineEdit* EditFolder = nullptr;
  QPushButton* ButtonBrowse = nullptr;
  QPushButton* BitBtnOK = nullptr;
  QPushButton* BitBtnCancel = nullptr;

 private:
  void UpdateEnabled();
  // OK: for PDFs the folder must exist.
  void Confirm();
};

// The program's dialog: TDlgPlainPaperW2, shown modally. It opens on the
// last choice (printer or PDFs, the folder, Copy D) kept in the registry,
// and keeps the choice made on OK.
class QtPlainPaperDialog final : public IPlainPaperDialog {
 public:
  QtPlainPaperDialog(QWidget* parent, TQuillmarRegistry* registry)
      : parent_(parent), registry_(registry) {}
  bool Execute(PlainPaperChoice& choice) override;

 private:
  QWidget* parent_;
  TQuillmarRegistry* registry_;
};
