#include "screens/Box12Frame.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "platform/qt/QtRecordText.h"
#include "rules/Box12Codes.h"
#include "screens/ComboLists.h"

TFrameBox12Item::TFrameBox12Item(QWidget* parent) : QFrame(parent) {
  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->setEditable(true);
  // A typed code stays a text of this row; it never joins the list.
  ComboBox1->setInsertPolicy(QComboBox::NoInsert);
  ComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  ComboBox1->setMinimumContentsLength(60);
  SetCodeLines(std::vector<std::string>(Box12CodeLines.begin(), Box12CodeLines.end()));
  // A chosen line shows from its code letter on, not from its end.
  connect(ComboBox1, &QComboBox::activated, ComboBox1->lineEdit(),
          [this] { ComboBox1->lineEdit()->home(false); });

  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));

  Label1 = new QLabel(QStringLiteral("Box 12 Item, Amount for above type"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  QFont bold = Label1->font();
  bold.setBold(true);
  Label1->setFont(bold);
  Label1->setWordWrap(true);
  Label1->setBuddy(Edit1);

  Bevel1 = new QFrame(this);
  Bevel1->setObjectName(QStringLiteral("Bevel1"));
  Bevel1->setFrameShape(QFrame::HLine);
  Bevel1->setFrameShadow(QFrame::Sunken);

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(4, 4, 4, 0);
  layout->addWidget(ComboBox1, 0, 0, 1, 2);
  layout->addWidget(Edit1, 1, 0);
  layout->addWidget(Label1, 1, 1);
  layout->addWidget(Bevel1, 2, 0, 1, 2);
  layout->setColumnStretch(1, 1);
  setTabOrder(ComboBox1, Edit1);
}

void TFrameBox12Item::SetCodeLines(const std::vector<std::string>& lines) {
  ComboBox1->clear();
  for (const std::string& line : lines) {
    const QString text = FromRecordText(line);
    ComboBox1->addItem(text);
  }
  // The longest descriptions are wider than the field: the list shows them whole.
  ShowEntriesInFull(ComboBox1, true);
  ComboBox1->setCurrentIndex(-1);
  ComboBox1->setEditText(QString());
}

QString Box12CodeOfLine(const QString& line, bool twoLetters) {
  if (!twoLetters) return line.left(1);
  const qsizetype space = line.indexOf(QLatin1Char(' '));
  return space < 0 ? line : line.left(space);
}

void PairBox12Code(QComboBox* combo, QLineEdit* codeField, bool twoLetters) {
  combo->setCurrentIndex(-1);
  combo->setEditText(QString());
  const QString code = codeField->text();
  const qsizetype longest = twoLetters ? 2 : 1;
  if (code.isEmpty() || code.size() > longest || combo->count() == 0) return;
  QString upper = code.toUpper();
  // A letter whose upper case is longer (German sharp s) stays as typed: the
  // field holds the code's characters.
  if (upper.size() != code.size()) upper = code;
  codeField->setText(upper);
  for (int i = 0; i < combo->count(); ++i) {
    const QString item = combo->itemText(i);
    const bool matches = twoLetters ? Box12CodeOfLine(item, true) == upper : item.left(1) == upper;
    if (matches) {
      combo->setCurrentIndex(i);
      combo->setEditText(item);
      if (QLineEdit* edit = combo->lineEdit()) edit->home(false);
      return;
    }
  }
}
