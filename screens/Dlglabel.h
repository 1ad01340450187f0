#pragma once
// The label-size dialog of the mailing labels: four sizes of label sheets,
// none chosen when it opens.

#include <QDialog>
#include <array>

#include "forms/LabelLayout.h"
#include "print/LabelPrint.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class TFormLabelSelect final : public QDialog, public ILabelStyleDialog {
  Q_OBJECT

 public:
  explicit TFormLabelSelect(QWidget* parent = nullptr);

  // The chosen item; -1 when none is chosen.
  int ItemIndex() const;
  // Runs modally; the chosen size on OK with a size chosen, else none.
  std::optional<int> Execute() override;

  QGroupBox* RadioGroupLabelType = nullptr;
  std::array<QRadioButton*, kLabelStyles.size()> LabelTypeButtons{};
  QLabel* LabelNote = nullptr;
  QPushButton* BitBtnOK = nullptr;
  QPushButton* BitBtnCancel = nullptr;

 private:
  QButtonGroup* group_ = nullptr;
};
