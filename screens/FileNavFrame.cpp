#include "screens/FileNavFrame.h"

#include <QHBoxLayout>
#include <QPushButton>

TFrameFileNav::TFrameFileNav(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("FrameFileNav1"));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  const auto make = [&](QPushButton*& button, const char* name, const char* caption) {
    button = new QPushButton(QString::fromLatin1(caption), this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    layout->addWidget(button);
  };
  make(BitBtnIndex, "BitBtnIndex", "Pick from &Index");
  make(BitBtnFirst, "BitBtnFirst", "&First");
  make(BitBtnPrevs, "BitBtnPrevs", "&Prevs");
  make(BitBtnNext, "BitBtnNext", "&Next");
  make(BitBtnLast, "BitBtnLast", "&Last");
  make(BitBtnAddNew, "BitBtnAddNew", "&Add New");
  BitBtnNext->setDefault(true);

  setTabOrder(BitBtnIndex, BitBtnFirst);
  setTabOrder(BitBtnFirst, BitBtnPrevs);
  setTabOrder(BitBtnPrevs, BitBtnNext);
  setTabOrder(BitBtnNext, BitBtnLast);
  setTabOrder(BitBtnLast, BitBtnAddNew);
}
