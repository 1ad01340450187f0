#include "screens/DlgW3PayerKind.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "rules/TaxYearRules.h"
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

  // Two columns of three, filled column by column; 944 goes below 943, as
  // the form lists it.
  RadioGroupKindOfPayer =
      new QGroupBox(QStringLiteral("Kind of Payer (if not only Third-party sick pay)"));
  RadioGroupKindOfPayer->setObjectName(QStringLiteral("RadioGroupKindOfPayer"));
  kindOfPayerGroup_ = new QButtonGroup(this);
  auto* kindLayout = new QGridLayout(RadioGroupKindOfPayer);
  constexpr int kRows = 3;
  for (int i = 0; i < kKindOfPayerCount; ++i) {
    KindOfPayerButtons[i] = new QRadioButton(QString::fromUtf8(KindOfPayerItems[i]));
    kindOfPayerGroup_->addButton(KindOfPayerButtons[i], i);
    if (i == kForm944) {
      kindLayout->addWidget(KindOfPayerButtons[i], kRows, 0);
    } else {
      kindLayout->addWidget(KindOfPayerButtons[i], i % kRows, i / kRows);
    }
  }
  layout->addWidget(RadioGroupKindOfPayer);

  RadioGroupKindOfEmployer = new QGroupBox(QStringLiteral("Kind of Employer"));
  RadioGroupKindOfEmployer->setObjectName(QStringLiteral("RadioGroupKindOfEmployer"));
  kindOfEmployerGroup_ = new QButtonGroup(this);
  auto* employerLayout = new QGridLayout(RadioGroupKindOfEmployer);
  for (int i = 0; i < kKindOfEmployerCount; ++i) {
    KindOfEmployerButtons[i] = new QRadioButton(QString::fromUtf8(KindOfEmployerItems[i]));
    kindOfEmployerGroup_->addButton(KindOfEmployerButtons[i], i + 1);
    employerLayout->addWidget(KindOfEmployerButtons[i], i % kRows, i / kRows);
  }
  layout->addWidget(RadioGroupKindOfEmployer);

  layout->addLayout(NewOkCancelRow(BitBtnOK, BitBtnCancel));

  // The third-party group comes first; within a group the checked item takes the focus.
  for (int i = 0; i + 1 < kTPSickPayCount; ++i)
    setTabOrder(TPSickPayButtons[i], TPSickPayButtons[i + 1]);
  setTabOrder(TPSickPayButtons[kTPSickPayCount - 1], KindOfPayerButtons[0]);
  for (int i = 0; i + 1 < kKindOfPayerCount; ++i)
    setTabOrder(KindOfPayerButtons[i], KindOfPayerButtons[i + 1]);
  setTabOrder(KindOfPayerButtons[kKindOfPayerCount - 1], KindOfEmployerButtons[0]);
  for (int i = 0; i + 1 < kKindOfEmployerCount; ++i)
    setTabOrder(KindOfEmployerButtons[i], KindOfEmployerButtons[i + 1]);
  setTabOrder(KindOfEmployerButtons[kKindOfEmployerCount - 1], BitBtnOK);
  setTabOrder(BitBtnOK, BitBtnCancel);

  SetSelections(0, 0);
  SetTaxYear(kFirstPresetYear);
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

int TDlgKindOfPayer::KindOfEmployerValue() const {
  return std::max(kindOfEmployerGroup_->checkedId(), 0);
}

void TDlgKindOfPayer::SetSelections(int kindOfPayer, int tpSickPayKind, int kindOfEmployer) {
  Select(tpSickPayGroup_, tpSickPayKind);
  Select(kindOfPayerGroup_, kindOfPayer);
  Select(kindOfEmployerGroup_, kindOfEmployer);
  SetKindOfPayerEnabled();
}

void TDlgKindOfPayer::SetTaxYear(std::int32_t taxYear) {
  const TaxYearRules& rules = RulesForYear(taxYear);
  KindOfPayerButtons[kForm944]->setVisible(rules.Form944);
  RadioGroupKindOfEmployer->setVisible(rules.KindOfEmployer);
  // Lay the items out at once, not only when the event loop gets to it.
  RadioGroupKindOfPayer->layout()->activate();
  layout()->activate();
  adjustSize();
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
