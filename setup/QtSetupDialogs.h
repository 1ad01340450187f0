#pragma once
// The dialogs of setup as Qt dialogs, owned by setup's window.

#include <QPointer>
#include <memory>

#include "setup/SetupDialogs.h"

class QWidget;
class WaitDialog;

class QtSetupDialogs final : public ISetupDialogs {
 public:
  QtSetupDialogs();
  ~QtSetupDialogs() override;
  void SetOwner(QWidget* owner) { owner_ = owner; }

  ListChoice SelectDrive(const std::vector<std::string>& entries) override;
  ListChoice SelectCopy(const std::vector<std::string>& entries) override;
  std::string SelectGroup(const std::vector<std::string>& groups, std::size_t selected) override;
  void ShowWait(WaitBox box) override;
  void CloseWait() override;

 private:
  QPointer<QWidget> owner_;
  std::unique_ptr<WaitDialog> wait_;
};
