#pragma once
// A message box service for tests: answers from a queue and records every box
// shown. A box with no queued answer, or an answer the box does not offer,
// fails the running test.

#include <deque>
#include <string>
#include <vector>

#include "platform/MessageBoxes.h"

class ScriptedMessageBoxes final : public IMessageBoxes {
 public:
  // Installs itself as the process-wide service; the destructor restores the
  // previous one.
  ScriptedMessageBoxes();
  ~ScriptedMessageBoxes() override;
  ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
  ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

  // Queues the answer to the next box.
  ScriptedMessageBoxes& Answer(MsgButton button);

  MsgButton Show(const MessageBoxRequest& request) override;

  const std::vector<MessageBoxRequest>& Shown() const { return shown_; }
  // The texts of the boxes shown, in order.
  std::vector<std::string> Texts() const;
  std::size_t PendingAnswers() const { return answers_.size(); }
  void Clear();

 private:
  IMessageBoxes* previous_;
  std::deque<MsgButton> answers_;
  std::vector<MessageBoxRequest> shown_;
};
