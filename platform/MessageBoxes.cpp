#include "platform/MessageBoxes.h"

#include <stdexcept>

namespace {

class NoMessageBoxes final : public IMessageBoxes {
 public:
  MsgButton Show(const MessageBoxRequest& request) override {
    throw std::logic_error("no message box service installed for: " + request.text);
  }
};

NoMessageBoxes noBoxes;
IMessageBoxes* current = &noBoxes;

}  // namespace

IMessageBoxes& MessageBoxes() { return *current; }

IMessageBoxes* SetMessageBoxes(IMessageBoxes* boxes) {
  IMessageBoxes* previous = current == &noBoxes ? nullptr : current;
  current = boxes ? boxes : &noBoxes;
  return previous;
}

void ShowMessage(const std::string& text, MsgIcon icon) {
  MessageBoxes().Show({kAppTitle, text, icon, MsgOk, false});
}

MsgButton AskUpdate(const std::string& text, MsgIcon icon, unsigned buttons) {
  return MessageBoxes().Show({kUpdateProgramTitle, text, icon, buttons, true});
}
