#include "screens/Dlglabel.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
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
  layout->addLayout(NewOkCancelRow(BitBtnOK, BitBtnCancel));
  connect(BitBtnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(BitBtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

int TFormLabelSelect::ItemIndex() const { return group_->checkedId(); }

std::optional<int> TFormLabelSelect::Execute() {
  if (exec() != QDialog::Accepted || ItemIndex() < 0) return std::nullopt;
  return ItemIndex();
}
