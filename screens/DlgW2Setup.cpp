#include "screens/DlgW2Setup.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "screens/DialogButtons.h"

namespace {

QSpinBox* NewSpin(const char* name, const MarginSpin& design) {
  auto* spin = new QSpinBox;
  spin->setObjectName(QString::fromLatin1(name));
  spin->setRange(design.minimum, design.maximum);
  spin->setSingleStep(design.step);
  spin->setValue(design.value);
  return spin;
}

void ShowSpin(QSpinBox* spin, const MarginSpin& spinValues) {
  spin->setRange(spinValues.minimum, std::max(spinValues.minimum, spinValues.maximum));
  spin->setValue(spinValues.value);
}

void TakeSpin(const QSpinBox* spin, MarginSpin& spinValues) {
  // The text, or the minimum when the text is no whole number; then within range.
  bool ok = false;
  const int typed = spin->cleanText().toInt(&ok);
  spinValues.SetValue(ok ? typed : spinValues.minimum);
}

}  // namespace

TFormW2PrintSetUp::TFormW2PrintSetUp(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FormW2PrintSetUp"));
  setWindowTitle(QStringLiteral("Lineup for printed forms"));
  // Only a close box, which counts as Cancel.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  const FormSetUpValues design;
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  SpinEditTOP = NewSpin("SpinEditTOP", design.top);
  SpinEditLEFT = NewSpin("SpinEditLEFT", design.left);
  CheckBoxLineUpRequd = new QCheckBox(QStringLiteral("Print Line Up Sample"));
  CheckBoxLineUpRequd->setObjectName(QStringLiteral("CheckBoxLineUpRequd"));
  CheckBoxLineUpRequd->setChecked(design.lineUpRequired);
  grid->addWidget(SpinEditTOP, 0, 0);
  grid->addWidget(new QLabel(QStringLiteral(
                      "TOP Margin in 100ths of an inch  (Suggest 50 = 0.5\" (1/2 inch))")),
                  0, 1);
  grid->addWidget(SpinEditLEFT, 1, 0);
  grid->addWidget(new QLabel(QStringLiteral("LEFT Margin in 100ths of an inch  (Suggest 25 to 31 = "
                                            "0.25\" to 0.3125\" (1/4 to 5/16 inch))")),
                  1, 1);
  grid->addWidget(CheckBoxLineUpRequd, 2, 0);
  grid->addWidget(new QLabel(QStringLiteral("(Returns here afterwards)")), 2, 1);
  layout->addLayout(grid);
  auto* tip =
      new QLabel(QStringLiteral("Tip: If short of forms use plain paper for the lineup and "
                                "hold result to the light with a form behind it."));
  tip->setWordWrap(true);
  layout->addWidget(tip);
  LabelInstruction = new QLabel(QStringLiteral(
      "When line up is satisfactory clear check mark at \"Print Line Up Sample\" and click OK, do "
      "not click Cancel unless you wish to abandon printing."));
  LabelInstruction->setWordWrap(true);
  LabelInstruction->setStyleSheet(QStringLiteral("QLabel { color: #b00000; font-weight: bold; }"));
  layout->addWidget(LabelInstruction);
  layout->addLayout(NewOkCancelRow(BitBtnOK, BitBtnCancel));
  connect(BitBtnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(BitBtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormW2PrintSetUp::Show(const FormSetUpValues& values) {
  ShowSpin(SpinEditTOP, values.top);
  ShowSpin(SpinEditLEFT, values.left);
  CheckBoxLineUpRequd->setChecked(values.lineUpRequired);
}

void TFormW2PrintSetUp::Take(FormSetUpValues& values) const {
  TakeSpin(SpinEditTOP, values.top);
  TakeSpin(SpinEditLEFT, values.left);
  values.lineUpRequired = CheckBoxLineUpRequd->isChecked();
}

bool TFormW2PrintSetUp::Execute(FormSetUpValues& values) {
  Show(values);
  if (exec() != QDialog::Accepted) return false;
  Take(values);
  return true;
}
