#include "screens/DlgW3PayerKind.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "screens/DialogButtons.h"

namespace {

constexpr int kOnlyTPSickPay = 2;

// Checks the button of `index` in an exclusive group; an index out of range
// leaves every button unchecked.
void Select(QButtonGroup* group, int index) {
  if (QAbstractButton* button = group->button(index)) {
    button->setChecked(true);
    return;
  }
  group->setExclusive(false);
  for (QAbstractButton* button : group->buttons()) button->setChecked(false);
  group->setExclusive(true);
}

}  // namespace

TDlgKindOfPayer::TDlgKindOfPayer(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("DlgKindOfPayer"));
  setWindowTitle(QStringLiteral("W-3 Kind of Payer"));
  auto* layout = new QVBoxLayout(this);

  RadioGroupTPSickPay = new QGroupBox(QStringLiteral("Third-party sick pay"));
  RadioGroupTPSickPay->setObjectName(QStringLiteral("RadioGroupTPSickPay"));
  tpSickPayGroup_ = new QButtonGroup(this);
  auto* tpLayout = new QVBoxLayout(RadioGroupTPSickPay);
  for (int i = 0; i < kTPSickPayCount; ++i) {
    TPSickPayButtons[i] = new QRadioButton(QString::fromUtf8(TPSickPayItems[i]));
    tpSickPayGroup_->addButton(TPSickPayButtons[i], i);
    tpLayout->addWidget(TPSickPayButtons[i]);
  }
  layout->addWidget(RadioGroupTPSickPay);

  // Two columns, filled column by column.
  RadioGroupKindOfPayer = new QGroupBox(QStringLiteral("Kind of Payer (if not only Third-party sick pay)"));
  RadioGroupKindOfPayer->setObjectName(QStringLiteral("RadioGroupKindOfPayer"));
  kindOfPayerGroup_ = new QButtonGroup(this);
  auto* kindLayout = new QGridLayout(RadioGroupKindOfPayer);
  constexpr int kRows = (kKindOfPayerCount + 1) / 2;
  for (int i = 0; i < kKindOfPayerCount; ++i) {
    KindOfPayerButtons[i] = new QRadioButton(QString::fromUtf8(KindOfPayerItems[i]));
    kindOfPayerGroup_->addButton(KindOfPayerButtons[i], i);
    kindLayout->addWidget(KindOfPayerButtons[i], i % kRows, i / kRows);
  }
  layout->addWidget(RadioGroupKindOfPayer);

  layout->addLayout(NewOkCancelRow(BitBtnOK, BitBtnCancel));

  // The third-party group comes first; within a group the checked item takes the focus.
  for (int i = 0; i + 1 < kTPSickPayCount; ++i) setTabOrder(TPSickPayButtons[i], TPSickPayButtons[i + 1]);
  setTabOrder(TPSickPayButtons[kTPSickPayCount - 1], KindOfPayerButtons[0]);
  for (int i = 0; i + 1 < kKindOfPayerCount; ++i) setTabOrder(KindOfPayerButtons[i], KindOfPayerButtons[i + 1]);
  setTabOrder(KindOfPayerButtons[kKindOfPayerCount - 1], BitBtnOK);
  setTabOrder(BitBtnOK, BitBtnCancel);

  SetSelections(0, 0);
  connect(BitBtnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(BitBtnCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(qApp, &QApplication::focusChanged, this, &TDlgKindOfPayer::FocusChanged);
}

TDlgKindOfPayer::~TDlgKindOfPayer() {
  // The radio buttons lose the focus while they are destroyed, after this
  // object: the application's focus signal must not reach it then.
  disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

int TDlgKindOfPayer::TPSickPayIndex() const { return tpSickPayGroup_->checkedId(); }

int TDlgKindOfPayer::KindOfPayerIndex() const { return kindOfPayerGroup_->checkedId(); }

void TDlgKindOfPayer::SetSelections(int kindOfPayer, int tpSickPayKind) {
  Select(tpSickPayGroup_, tpSickPayKind);
  Select(kindOfPayerGroup_, kindOfPayer);
  SetKindOfPayerEnabled();
}

void TDlgKindOfPayer::SetKindOfPayerEnabled() {
  RadioGroupKindOfPayer->setEnabled(TPSickPayIndex() != kOnlyTPSickPay);
}

void TDlgKindOfPayer::RadioGroupTPSickPayEnter() { RadioGroupKindOfPayer->setEnabled(true); }

void TDlgKindOfPayer::FocusChanged(QWidget* old, QWidget* now) {
  // Focus leaving the program's windows altogether is no move between groups.
  if (now == nullptr || !isAncestorOf(now)) return;
  const bool wasIn = old != nullptr && RadioGroupTPSickPay->isAncestorOf(old);
  const bool isIn = RadioGroupTPSickPay->isAncestorOf(now);
  if (isIn && !wasIn) RadioGroupTPSickPayEnter();
  if (wasIn && !isIn) {
    SetKindOfPayerEnabled();
    // Tab went on into the group that is disabled now: on to OK instead.
    if (!RadioGroupKindOfPayer->isEnabled() && RadioGroupKindOfPayer->isAncestorOf(now)) {
      BitBtnOK->setFocus(Qt::TabFocusReason);
    }
  }
}
