#include "screens/PickIndex.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "data/QuillmarFormFile.h"
#include "platform/qt/QtRecordText.h"

namespace {

constexpr int kModeSsn = 2;

}  // namespace

TFormW2PickList::TFormW2PickList(TQuillmarFormFile& file, QWidget* parent)
    : QDialog(parent), file_(file) {
  setWindowTitle(QStringLiteral("Employees in this W-2 File"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  LabelInfo = new QLabel(QStringLiteral("Click on employee to select."), this);
  LabelInfo->setObjectName(QStringLiteral("LabelInfo"));

  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox1->setMinimumSize(320, 240);
  LabelInfo->setBuddy(ListBox1);

  RadioGroupWhichIndex = new QGroupBox(QStringLiteral("Sort Emlployee List by"), this);
  RadioGroupWhichIndex->setObjectName(QStringLiteral("RadioGroupWhichIndex"));
  whichIndex_ = new QButtonGroup(this);
  auto* radioLayout = new QVBoxLayout(RadioGroupWhichIndex);
  const char* items[] = {"No Index (Entry Sequence)", "Surname + Firstname", "Soc. Sec. Number"};
  for (int i = 0; i < 3; ++i) {
    RadioItems[i] = new QRadioButton(QString::fromLatin1(items[i]), RadioGroupWhichIndex);
    whichIndex_->addButton(RadioItems[i], i);
    radioLayout->addWidget(RadioItems[i]);
  }

  BitBtnCancel = new QPushButton(QStringLiteral("Cancel"), this);
  BitBtnCancel->setObjectName(QStringLiteral("BitBtnCancel"));
  // Enter on a line picks it; it never cancels.
  BitBtnCancel->setAutoDefault(false);

  auto* side = new QVBoxLayout;
  side->addWidget(RadioGroupWhichIndex);
  side->addStretch(1);
  side->addWidget(BitBtnCancel);
  auto* body = new QHBoxLayout;
  body->addWidget(ListBox1, 1);
  body->addLayout(side);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LabelInfo);
  layout->addLayout(body);

  connect(whichIndex_, &QButtonGroup::idClicked, this, &TFormW2PickList::RadioGroupWhichIndexClick);
  connect(ListBox1, &QListWidget::itemClicked, this, &TFormW2PickList::ListBox1Click);
  // Enter or a double click on the current line picks it, as a click does.
  connect(ListBox1, &QListWidget::itemActivated, this, &TFormW2PickList::ListBox1Click);
  connect(BitBtnCancel, &QPushButton::clicked, this, &TFormW2PickList::BitBtnCancelClick);
}

void TFormW2PickList::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) Activate();
  QDialog::showEvent(event);
}

void TFormW2PickList::Activate() {
  rememberedMode_ = file_.IndexMode;
  SetItemIndex(file_.IndexMode);
  chosenKey_.clear();
  FillList();
  ListBox1->setFocus(Qt::OtherFocusReason);
}

int TFormW2PickList::ItemIndex() const { return whichIndex_->checkedId(); }

void TFormW2PickList::SetItemIndex(int index) {
  if (index >= 0 && index < static_cast<int>(RadioItems.size())) {
    RadioItems[static_cast<std::size_t>(index)]->setChecked(true);
    return;
  }
  // No item for the number: none is checked.
  whichIndex_->setExclusive(false);
  for (QRadioButton* item : RadioItems) item->setChecked(false);
  whichIndex_->setExclusive(true);
}

void TFormW2PickList::FillList() {
  const SortedKeyList& index = file_.IndexMode == kModeSsn ? file_.SsnIndex() : file_.NameIndex();
  ListBox1->clear();
  for (int i = 0; i < index.Count(); ++i) {
    const std::string& key = index.Key(i);
    auto* item = new QListWidgetItem(FromRecordText(key), ListBox1);
    // The key itself, byte for byte, for the lookup.
    item->setData(Qt::UserRole, QByteArray(key.data(), static_cast<qsizetype>(key.size())));
  }
}

void TFormW2PickList::RadioGroupWhichIndexClick(int index) {
  file_.IndexMode = index;
  FillList();
}

void TFormW2PickList::ListBox1Click(QListWidgetItem* item) {
  if (!item || !isVisible()) return;
  chosenKey_ = item->data(Qt::UserRole).toByteArray().toStdString();
  accept();
}

void TFormW2PickList::BitBtnCancelClick() { reject(); }

void TFormW2PickList::reject() {
  file_.IndexMode = rememberedMode_;
  chosenKey_.clear();
  QDialog::reject();
}
