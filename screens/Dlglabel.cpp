#include "screens/Dlglabel.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "screens/DialogButtons.h"

TFormLabelSelect::TFormLabelSelect(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FormLabelSelect"));
  setWindowTitle(QStringLiteral("Select label style"));
  auto* layout = new QVBoxLayout(this);
  RadioGroupLabelType = new QGroupBox(QStringLiteral("What size label ?"));
  RadioGroupLabelType->setObjectName(QStringLiteral("RadioGroupLabelType"));
  group_ = new QButtonGroup(this);
  auto* items = new QVBoxLayout(RadioGroupLabelType);
  for (std::size_t i = 0; i < kLabelStyles.size(); ++i) {
    LabelTypeButtons[i] = new QRadioButton(QString::fromLatin1(kLabelStyles[i].item));
    group_->addButton(LabelTypeButtons[i], static_cast<int>(i));
    items->addWidget(LabelTypeButtons[i]);
  }
  layout->addWidget(RadioGroupLabelType);
  LabelNote = new QLabel(QStringLiteral(
      "This is intended for laser and ink jet printers only, where labels are on single 8 1/2 x "
      "11 inch sheets. "));
  LabelNote->setWordWrap(true);
  layout->addWidget(LabelNote);
  auto* start = new QFormLayout;
  SpinStartRow = new QSpinBox;
  SpinStartRow->setObjectName(QStringLiteral("SpinStartRow"));
  SpinStartRow->setRange(1, 10);
  SpinStartColumn = new QSpinBox;
  SpinStartColumn->setObjectName(QStringLiteral("SpinStartColumn"));
  SpinStartColumn->setRange(1, 2);
  start->addRow(QStringLiteral("Start at label row (from the top):"), SpinStartRow);
  start->addRow(QStringLiteral("and column (1 left, 2 right):"), SpinStartColumn);
  layout->addLayout(start);
  connect(group_, &QButtonGroup::idClicked, this, [this] { UpdateRows(); });
  layout->addLayout(NewOkCancelRow(BitBtnOK, BitBtnCancel));
  connect(BitBtnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(BitBtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

int TFormLabelSelect::ItemIndex() const { return group_->checkedId(); }

void TFormLabelSelect::UpdateRows() {
  const int index = ItemIndex();
  if (index >= 0) SpinStartRow->setMaximum(kLabelStyles[std::size_t(index)].labelsPerSheet / 2);
}

std::optional<LabelChoice> TFormLabelSelect::Choice() const {
  if (ItemIndex() < 0) return std::nullopt;
  return LabelChoice{ItemIndex(), {SpinStartRow->value(), SpinStartColumn->value()}};
}

std::optional<LabelChoice> TFormLabelSelect::Execute() {
  if (exec() != QDialog::Accepted) return std::nullopt;
  return Choice();
}
