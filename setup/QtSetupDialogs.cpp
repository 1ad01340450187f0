#include "setup/QtSetupDialogs.h"

#include "setup/SelectGroupDialog.h"
#include "setup/SetupListDialog.h"
#include "setup/WaitDialog.h"

QtSetupDialogs::QtSetupDialogs() = default;
QtSetupDialogs::~QtSetupDialogs() = default;

ListChoice QtSetupDialogs::SelectDrive(const std::vector<std::string>& entries) {
  SetupListDialog dialog(SetupListDialog::Kind::SelectDrive, entries, owner_);
  dialog.exec();
  return dialog.Choice();
}

ListChoice QtSetupDialogs::SelectCopy(const std::vector<std::string>& entries) {
  SetupListDialog dialog(SetupListDialog::Kind::MultipleCopies, entries, owner_);
  dialog.exec();
  return dialog.Choice();
}

std::string QtSetupDialogs::SelectGroup(const std::vector<std::string>& groups,
                                        std::size_t selected) {
  SelectGroupDialog dialog(groups, selected, owner_);
  dialog.exec();
  return dialog.Group();
}

void QtSetupDialogs::ShowWait(WaitBox box) {
  wait_ = std::make_unique<WaitDialog>(box, owner_);
  wait_->ShowNow();
}

void QtSetupDialogs::CloseWait() { wait_.reset(); }
