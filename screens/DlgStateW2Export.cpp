#include "screens/DlgStateW2Export.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "efw2/Efw2StateFile.h"
#include "efw2/Efw2States.h"
#include "platform/qt/QtRecordText.h"
#include "screens/DialogButtons.h"

TDlgStateW2Export::TDlgStateW2Export(const std::vector<std::string>& states, std::int32_t taxYear,
                                     QWidget* parent)
    : QDialog(parent), states_(states), taxYear_(taxYear) {
  setObjectName(QStringLiteral("DlgStateW2Export"));
  setWindowTitle(QStringLiteral("Export State W-2 File"));
  auto* layout = new QVBoxLayout(this);

  auto* form = new QFormLayout;
  ComboBoxState = new QComboBox;
  ComboBoxState->setObjectName(QStringLiteral("ComboBoxState"));
  for (const std::string& state : states_) {
    ComboBoxState->addItem(FromRecordText(state + "  " + efw2::StateName(state)));
  }
  form->addRow(QStringLiteral("State"), ComboBoxState);
  LabelFilerNumber = new QLabel;
  EditFilerNumber = new QLineEdit;
  EditFilerNumber->setObjectName(QStringLiteral("EditFilerNumber"));
  EditFilerNumber->setMaxLength(12);
  form->addRow(LabelFilerNumber, EditFilerNumber);
  layout->addLayout(form);
  LabelFiling = new QLabel;
  LabelFiling->setObjectName(QStringLiteral("LabelFiling"));
  LabelFiling->setWordWrap(true);
  layout->addWidget(LabelFiling);

  auto* all = new QGroupBox(QStringLiteral("What the states of this file want"));
  auto* allLayout = new QVBoxLayout(all);
  LabelStates = new QLabel;
  LabelStates->setObjectName(QStringLiteral("LabelStates"));
  LabelStates->setWordWrap(true);
  std::string text;
  for (const std::string& state : states_) {
    const std::string line = efw2::StateFilingText(state);
    text += (text.empty() ? "" : "\n") + (line.empty() ? state + " is not a state." : line);
  }
  text +=
      "\nThe SSA's wage file (Export for SSA) never goes to a state, and a state's file "
      "never goes to the SSA.";
  LabelStates->setText(FromRecordText(text));
  allLayout->addWidget(LabelStates);
  layout->addWidget(all);

  layout->addLayout(NewOkCancelRow(BitBtnOK, BitBtnCancel));
  connect(BitBtnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(BitBtnCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(ComboBoxState, &QComboBox::currentIndexChanged, this,
          &TDlgStateW2Export::ComboBoxStateChange);
  resize(560, sizeHint().height());
  ComboBoxStateChange();
}

void TDlgStateW2Export::ComboBoxStateChange() {
  const int index = ComboBoxState->currentIndex();
  const std::string state = index >= 0 && index < static_cast<int>(states_.size())
                                ? states_[static_cast<std::size_t>(index)]
                                : std::string();
  const efw2::StateFiling* filing = efw2::StateFilingOf(state);
  LabelFiling->setText(FromRecordText(efw2::StateFilingText(state)));
  BitBtnOK->setEnabled(filing && filing->Filing == efw2::StateFiling::W2File);
  const std::string caption = FilerNumberCaption(state, taxYear_);
  LabelFilerNumber->setText(
      FromRecordText(caption.empty() ? "Filer number (not needed)" : caption));
  EditFilerNumber->setEnabled(!caption.empty());
}

void TDlgStateW2Export::SetChoice(const Efw2StateChoice& choice) {
  for (std::size_t i = 0; i < states_.size(); ++i) {
    if (states_[i] == choice.State) ComboBoxState->setCurrentIndex(static_cast<int>(i));
  }
  EditFilerNumber->setText(FromRecordText(choice.FilerNumber));
  ComboBoxStateChange();
}

Efw2StateChoice TDlgStateW2Export::Choice() const {
  Efw2StateChoice choice;
  const int index = ComboBoxState->currentIndex();
  if (index >= 0 && index < static_cast<int>(states_.size()))
    choice.State = states_[static_cast<std::size_t>(index)];
  if (EditFilerNumber->isEnabled()) choice.FilerNumber = RecordText(EditFilerNumber->text());
  return choice;
}

bool QtEfw2StateDialog::Execute(const std::vector<std::string>& states, Efw2StateChoice& choice) {
  TDlgStateW2Export dialog(states, taxYear_, parent_);
  dialog.SetChoice(choice);
  if (dialog.exec() != QDialog::Accepted) return false;
  choice = dialog.Choice();
  return true;
}
