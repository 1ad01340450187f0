#pragma once
// The program's message boxes: a QMessageBox for every request.

#include "platform/MessageBoxes.h"

class QWidget;

class QtMessageBoxes final : public IMessageBoxes {
 public:
  MsgButton Show(const MessageBoxRequest& request) override;
};
