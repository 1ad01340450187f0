#include "setup/SetupListDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "setup/DialogFont.h"

namespace {

const char* const kSelectDriveText =
    "Select which drive to install programs on to.  Cannot install to CD-ROM so CD-ROM drive not "
    "included in list.  Drives marked Fixed are local hard drives, and are preferred for new "
    "installs, any marked Remote are usually network drives.";
const char* const kSelectDriveHint = "Press OK when selected, or Cancel to stop install.";
const char* const kMultipleCopiesText =
    "More than one existing copy of the main program being installed has been found on this "
    "drive.  Please select which one is to be replaced by this setup program then click OK -OR- "
    "click ChgDrive to search a different drive -OR- click Cancel to stop setup.";

QLabel* WrappedLabel(const char* text, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setWordWrap(true);
  return label;
}

}  // namespace

SetupListDialog::SetupListDialog(Kind kind, const std::vector<std::string>& entries,
                                 QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
  const bool drives = kind == Kind::SelectDrive;
  setWindowTitle(drives ? QStringLiteral("Select Hard Drive")
                        : QStringLiteral("Replace which existing copy ?"));
  setFont(SetupDialogFont());
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(WrappedLabel(drives ? kSelectDriveText : kMultipleCopiesText, this));

  SetControlId(list_, kIdList);
  for (const std::string& entry : entries) list_->addItem(QString::fromStdString(entry));
  if (!entries.empty()) list_->setCurrentRow(0);
  layout->addWidget(list_);
  if (drives) layout->addWidget(WrappedLabel(kSelectDriveHint, this));
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] { done(kIdOk); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  const auto addButton = [&](const QString& text, int id) {
    auto* button = new QPushButton(text, this);
    SetControlId(button, id);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, id] { done(id); });
    buttons->addWidget(button);
    return button;
  };
  addButton(QStringLiteral("OK"), kIdOk)->setDefault(true);
  if (!drives) addButton(QStringLiteral("ChgDrive"), kIdChgDrive);
  addButton(QStringLiteral("Cancel"), kIdCancel);
  layout->addLayout(buttons);
  resize(drives ? 460 : 640, drives ? 300 : 340);
}

ListChoice SetupListDialog::Choice() const {
  ListChoice choice;
  choice.button = result();
  const int row = list_->currentRow();
  if (choice.button == kIdOk && row >= 0) {
    choice.index = static_cast<std::size_t>(row);
    choice.line = list_->item(row)->text().left(kSelectionCapacity).toStdString();
  }
  return choice;
}

// The close box and Escape are Cancel.
void SetupListDialog::reject() { done(kIdCancel); }
