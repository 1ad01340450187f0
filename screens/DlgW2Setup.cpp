#include "screens/DlgW2Setup.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <string>
#include <type_traits>

#include "screens/DialogButtons.h"

namespace {

// A spin box that lets any text be typed and, on leaving it, takes the value
// the set-up gives that text (SpinValueFromText): within range, the minimum
// for a text that is no number. `decimals` digits after the point, the value
// counted in units of the last one.
template <class Base>
class SetUpSpin final : public Base {
 public:
  explicit SetUpSpin(int decimals) : decimals_(decimals) {}

  std::int32_t Units() const {
    return SpinValueFromText(this->cleanText().toStdString(), Scaled(this->minimum()),
                             Scaled(this->maximum()), decimals_);
  }

 protected:
  QValidator::State validate(QString& input, int& pos) const override {
    const QValidator::State state = Base::validate(input, pos);
    return state == QValidator::Invalid ? QValidator::Intermediate : state;
  }
  void fixup(QString& input) const override {
    const std::int32_t units = SpinValueFromText(Stripped(input), Scaled(this->minimum()),
                                                 Scaled(this->maximum()), decimals_);
    input = this->textFromValue(Unscaled(units));
    if (!this->prefix().isEmpty() || !this->suffix().isEmpty())
      input = this->prefix() + input + this->suffix();
  }

 private:
  std::string Stripped(QString text) const {
    if (!this->suffix().isEmpty() && text.endsWith(this->suffix()))
      text.chop(this->suffix().size());
    if (!this->prefix().isEmpty() && text.startsWith(this->prefix()))
      text.remove(0, this->prefix().size());
    return text.toStdString();
  }
  std::int32_t Scaled(double v) const {
    for (int i = 0; i < decimals_; ++i) v *= 10;
    return static_cast<std::int32_t>(std::lround(v));
  }
  auto Unscaled(std::int32_t units) const {
    if constexpr (std::is_same_v<Base, QSpinBox>) {
      return static_cast<int>(units);
    } else {
      double v = units;
      for (int i = 0; i < decimals_; ++i) v /= 10;
      return v;
    }
  }

  int decimals_;
};

using MarginSpinBox = SetUpSpin<QSpinBox>;
using ScaleSpinBox = SetUpSpin<QDoubleSpinBox>;

QSpinBox* NewSpin(const char* name, const MarginSpin& design) {
  auto* spin = new MarginSpinBox(0);
  spin->setObjectName(QString::fromLatin1(name));
  spin->setRange(design.minimum, design.maximum);
  spin->setSingleStep(design.step);
  spin->setValue(design.value);
  return spin;
}

// Percent with one decimal, the value in tenths of a percent.
QDoubleSpinBox* NewScaleSpin(const char* name, const MarginSpin& design) {
  auto* spin = new ScaleSpinBox(1);
  spin->setObjectName(QString::fromLatin1(name));
  spin->setLocale(QLocale::c());
  spin->setDecimals(1);
  spin->setSuffix(QStringLiteral(" %"));
  spin->setRange(design.minimum / 10.0, design.maximum / 10.0);
  spin->setSingleStep(design.step / 10.0);
  spin->setValue(design.value / 10.0);
  return spin;
}

void ShowSpin(QSpinBox* spin, const MarginSpin& spinValues) {
  spin->setRange(spinValues.minimum, std::max(spinValues.minimum, spinValues.maximum));
  spin->setValue(spinValues.value);
}

void ShowScale(QDoubleSpinBox* spin, const MarginSpin& spinValues) {
  spin->setValue(spinValues.value / 10.0);
}

// The value shown, as the box would take it on leaving: never the one before.
void TakeSpin(const QAbstractSpinBox* spin, MarginSpin& spinValues) {
  if (const auto* margin = dynamic_cast<const MarginSpinBox*>(spin)) {
    spinValues.SetValue(margin->Units());
  } else if (const auto* scale = dynamic_cast<const ScaleSpinBox*>(spin)) {
    spinValues.SetValue(scale->Units());
  }
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
  SpinEditScaleX = NewScaleSpin("SpinEditScaleX", design.scaleX);
  SpinEditScaleY = NewScaleSpin("SpinEditScaleY", design.scaleY);
  grid->addWidget(SpinEditScaleX, 2, 0);
  grid->addWidget(new QLabel(QStringLiteral(
                      "Scale ACROSS in percent (100.0 unless your printer stretches the page)")),
                  2, 1);
  grid->addWidget(SpinEditScaleY, 3, 0);
  grid->addWidget(new QLabel(QStringLiteral("Scale DOWN in percent (below 100.0 shrinks, above "
                                            "100.0 stretches the print)")),
                  3, 1);
  grid->addWidget(CheckBoxLineUpRequd, 4, 0);
  grid->addWidget(new QLabel(QStringLiteral("(Returns here afterwards)")), 4, 1);
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
  ShowScale(SpinEditScaleX, values.scaleX);
  ShowScale(SpinEditScaleY, values.scaleY);
  CheckBoxLineUpRequd->setChecked(values.lineUpRequired);
}

void TFormW2PrintSetUp::Take(FormSetUpValues& values) const {
  TakeSpin(SpinEditTOP, values.top);
  TakeSpin(SpinEditLEFT, values.left);
  TakeSpin(SpinEditScaleX, values.scaleX);
  TakeSpin(SpinEditScaleY, values.scaleY);
  values.lineUpRequired = CheckBoxLineUpRequd->isChecked();
}

bool TFormW2PrintSetUp::Execute(FormSetUpValues& values) {
  Show(values);
  if (exec() != QDialog::Accepted) return false;
  Take(values);
  return true;
}
