#pragma once
// setup's message boxes as QMessageBox.

#include <QPointer>

#include "setup/SetupBoxes.h"

class QWidget;

class QtSetupBoxes final : public ISetupBoxes {
 public:
  // Boxes that are not task-modal belong to the owner window.
  void SetOwner(QWidget* owner) { owner_ = owner; }
  BoxAnswer Show(const BoxRequest& request) override;

 private:
  QPointer<QWidget> owner_;
};
