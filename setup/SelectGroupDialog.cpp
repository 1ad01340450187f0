#include "setup/SelectGroupDialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "setup/DialogFont.h"
#include "setup/SetupDialogs.h"

SelectGroupDialog::SelectGroupDialog(const std::vector<std::string>& groups, std::size_t selected,
                                     QWidget* parent)
    : QDialog(parent), combo_(new QComboBox(this)) {
  setWindowTitle(QStringLiteral("Select Group in which to place Icons"));
  setFont(SetupDialogFont());
  auto* layout = new QVBoxLayout(this);
  auto* text = new QLabel(
      QStringLiteral("Select the name of the Group Item to hold the program icons on the task "
                     "bar Start, Programs Menu.  Click the down arrow to see more choices (all "
                     "your existing Groups are listed), click an alternate choice if preferred.  "
                     "Click OK when done."),
      this);
  text->setWordWrap(true);
  layout->addWidget(text);

  // The caller hands the list in its sorted order.
  SetControlId(combo_, kIdList);
  combo_->setEditable(false);
  for (const std::string& group : groups) combo_->addItem(QString::fromStdString(group));
  if (selected < groups.size()) combo_->setCurrentIndex(static_cast<int>(selected));
  layout->addWidget(combo_);

  auto* row = new QHBoxLayout;
  row->addStretch();
  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  SetControlId(ok, kIdOk);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] { done(kIdOk); });
  row->addWidget(ok);
  layout->addLayout(row);
  resize(420, 180);
}

std::string SelectGroupDialog::Group() const { return combo_->currentText().toStdString(); }

void SelectGroupDialog::reject() { done(kIdOk); }
