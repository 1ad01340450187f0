#pragma once
// The label-size dialog of the mailing labels: four sizes of label sheets,
// none chosen when it opens, and the row and column of the first label to
// use on a partly used sheet.

#include <QDialog>
#include <array>

#include "forms/LabelLayout.h"
#include "print/LabelPrint.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

class TFormLabelSelect final : public QDialog, public ILabelStyleDialog {
  Q_OBJECT

 public:
  explicit TFormLabelSelect(QWidget* parent = nullptr);

  // The chosen item; -1 when none is chosen.
  int ItemIndex() const;
  // The chosen size and first label; none when no size is chosen.
  std::optional<LabelChoice> Choice() const;
  // Runs modally; the choice on OK with a size chosen, else none.
  std::optional<LabelChoice> Execute() override;

  QGroupBox* RadioGroupLabelType = nullptr;
  std::array<QRadioButton*, kLabelStyles.size()> LabelTypeButtons{};
  QLabel* LabelNote = nullptr;
  QSpinBox* SpinStartRow = nullptr;
  QSpinBox* SpinStartColumn = nullptr;
  QPushButton* BitBtnOK = nullptr;
  QPushButton* BitBtnCancel = nullptr;

 private:
  // The start row goes up to the rows of the chosen size.
  void UpdateRows();

  QButtonGroup* group_ = nullptr;
};
