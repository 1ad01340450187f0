#include "screens/DialogButtons.h"

#include <QHBoxLayout>
#include <QPushButton>

QHBoxLayout* NewOkCancelRow(QPushButton*& ok, QPushButton*& cancel) {
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  ok = new QPushButton(QStringLiteral("OK"));
  ok->setObjectName(QStringLiteral("BitBtnOK"));
  ok->setDefault(true);
  cancel = new QPushButton(QStringLiteral("Cancel"));
  cancel->setObjectName(QStringLiteral("BitBtnCancel"));
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  return buttons;
}
