#include "screens/DlgW2Box12.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

#include "rules/Box12Codes.h"
#include "screens/Box12Frame.h"

TSetUpBox12::TSetUpBox12(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Setup for W-2 Box 12"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, true);

  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  TFrameBox12Item** rows[] = {&FrameBox12Item1, &FrameBox12Item2, &FrameBox12Item3,
                              &FrameBox12Item4};
  int n = 1;
  for (TFrameBox12Item** row : rows) {
    *row = new TFrameBox12Item(this);
    (*row)->setObjectName(QStringLiteral("FrameBox12Item%1").arg(n++));
    layout->addWidget(*row);
  }

  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  CancelBtn->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);
  layout->addLayout(buttons);

  // Escape rejects the dialog, as Cancel does.
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

  QWidget* previous = nullptr;
  for (TFrameBox12Item* row : Items()) {
    if (previous) setTabOrder(previous, row->ComboBox1);
    setTabOrder(row->ComboBox1, row->Edit1);
    previous = row->Edit1;
  }
  setTabOrder(previous, OKBtn);
  setTabOrder(OKBtn, CancelBtn);
}

void TSetUpBox12::SetTaxYear(std::int32_t taxYear) {
  const std::vector<std::string> lines = Box12CodeLinesOfYear(taxYear);
  for (TFrameBox12Item* row : Items()) row->SetCodeLines(lines);
}

void TSetUpBox12::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  if (const QScreen* s = screen()) {
    const QRect area = s->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
  FrameBox12Item1->ComboBox1->setFocus(Qt::OtherFocusReason);
}
