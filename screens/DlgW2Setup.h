#pragma once
// The line-up set-up dialog of the W-2 and W-3 print runs: top and left
// margins in hundredths of an inch, the scale correction across and down in
// percent, and whether to print a line-up sample.

#include <QDialog>

#include "print/FormSetUp.h"

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;

class TFormW2PrintSetUp final : public QDialog, public IFormSetUpDialog {
  Q_OBJECT

 public:
  explicit TFormW2PrintSetUp(QWidget* parent = nullptr);

  // Shows `values`, runs the dialog modally and on OK takes the user's
  // values back (a value out of range brought within it).
  bool Execute(FormSetUpValues& values) override;
  // The dialog's widgets from `values` and back.
  void Show(const FormSetUpValues& values);
  void Take(FormSetUpValues& values) const;

  QSpinBox* SpinEditTOP = nullptr;
  QSpinBox* SpinEditLEFT = nullptr;
  QDoubleSpinBox* SpinEditScaleX = nullptr;
  QDoubleSpinBox* SpinEditScaleY = nullptr;
  QCheckBox* CheckBoxLineUpRequd = nullptr;
  QPushButton* BitBtnOK = nullptr;
  QPushButton* BitBtnCancel = nullptr;
  QLabel* LabelInstruction = nullptr;
};
