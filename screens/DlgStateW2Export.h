#pragma once
// File, Export State W-2 File: the choice of the state among the box 15
// states of the data file, with what each of them wants filed, and the filer
// number a state's layout asks for.

#include <QDialog>
#include <cstdint>
#include <string>
#include <vector>

#include "efw2/Efw2Export.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TDlgStateW2Export final : public QDialog {
  Q_OBJECT

 public:
  TDlgStateW2Export(const std::vector<std::string>& states, std::int32_t taxYear,
                    QWidget* parent = nullptr);

  void SetChoice(const Efw2StateChoice& choice);
  Efw2StateChoice Choice() const;

  QComboBox* ComboBoxState = nullptr;
  QLabel* LabelFiling = nullptr;  // what the chosen state wants
  QLabel* LabelStates = nullptr;  // what every state of the file wants
  QLabel* LabelFilerNumber = nullptr;
  QLineEdit* EditFilerNumber = nullptr;
  QPushButton* BitBtnOK = nullptr;
  QPushButton* BitBtnCancel = nullptr;

 private:
  void ComboBoxStateChange();
  std::vector<std::string> states_;
  std::int32_t taxYear_;
};

// The program's state dialog: TDlgStateW2Export, shown modally.
class QtEfw2StateDialog final : public IEfw2StateDialog {
 public:
  QtEfw2StateDialog(QWidget* parent, std::int32_t taxYear) : parent_(parent), taxYear_(taxYear) {}
  bool Execute(const std::vector<std::string>& states, Efw2StateChoice& choice) override;

 private:
  QWidget* parent_;
  std::int32_t taxYear_;
};
