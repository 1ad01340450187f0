#include "tests/support/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

ScriptedMessageBoxes::ScriptedMessageBoxes() : previous_(SetMessageBoxes(this)) {}

ScriptedMessageBoxes::~ScriptedMessageBoxes() {
  SetMessageBoxes(previous_);
  EXPECT_TRUE(answers_.empty()) << answers_.size() << " scripted answer(s) were never asked for";
}

ScriptedMessageBoxes& ScriptedMessageBoxes::Answer(MsgButton button) {
  answers_.push_back(button);
  return *this;
}

MsgButton ScriptedMessageBoxes::Show(const MessageBoxRequest& request) {
  shown_.push_back(request);
  if (answers_.empty()) {
    ADD_FAILURE() << "unexpected message box \"" << request.caption << "\": " << request.text;
    // The safest answer: the one that changes nothing.
    if (request.buttons & MsgCancel) return MsgCancel;
    if (request.buttons & MsgNo) return MsgNo;
    return MsgOk;
  }
  const MsgButton answer = answers_.front();
  answers_.pop_front();
  EXPECT_NE(request.buttons & answer, 0u)
      << "scripted answer " << answer << " is not a button of the box: " << request.text;
  return answer;
}

std::vector<std::string> ScriptedMessageBoxes::Texts() const {
  std::vector<std::string> texts;
  for (const MessageBoxRequest& r : shown_) texts.push_back(r.text);
  return texts;
}

void ScriptedMessageBoxes::Clear() {
  answers_.clear();
  shown_.clear();
}
