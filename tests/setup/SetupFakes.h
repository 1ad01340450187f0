#pragma once
// Scripted stand-ins for setup's boxes, dialogs and drives, and a recording
// Program Manager client.

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "setup/Drives.h"
#include "setup/ProgmanService.h"
#include "setup/SetupBoxes.h"
#include "setup/SetupDialogs.h"

class ScriptedBoxes final : public ISetupBoxes {
 public:
  BoxAnswer Show(const BoxRequest& request) override {
    shown.push_back(request);
    if (!answers.empty()) {
      const BoxAnswer answer = answers.front();
      answers.pop_front();
      return answer;
    }
    if (request.buttons == BoxButtons::OkCancel) ADD_FAILURE() << "unanswered: " << request.text;
    return BoxAnswer::Ok;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const BoxRequest& r : shown) texts.push_back(r.caption + " | " + r.text);
    return texts;
  }
  std::vector<BoxRequest> shown;
  std::deque<BoxAnswer> answers;
};

// Logs every dialog in order; list dialogs answer from `choices`, the group
// dialog with `group` or else the entry selected on opening.
class ScriptedDialogs final : public ISetupDialogs {
 public:
  ListChoice SelectDrive(const std::vector<std::string>& entries) override {
    return List("SelectDrive", entries);
  }
  ListChoice SelectCopy(const std::vector<std::string>& entries) override {
    return List("SelectCopy", entries);
  }
  std::string SelectGroup(const std::vector<std::string>& groups, std::size_t selected) override {
    log.push_back("SelectGroup");
    groupsShown = groups;
    groupSelected = selected;
    return group.empty() ? groups.at(selected) : group;
  }
  void ShowWait(WaitBox box) override {
    log.push_back(box == WaitBox::Scanning ? "Scanning" : "Installing");
  }
  void CloseWait() override { log.push_back("CloseWait"); }

  std::vector<std::string> log;
  std::vector<std::vector<std::string>> listsShown;
  std::deque<ListChoice> choices;
  std::string group;
  std::vector<std::string> groupsShown;
  std::size_t groupSelected = 0;

 private:
  ListChoice List(const char* name, const std::vector<std::string>& entries) {
    log.push_back(name);
    listsShown.push_back(entries);
    if (choices.empty()) {
      ADD_FAILURE() << "unanswered " << name;
      return {};
    }
    ListChoice choice = choices.front();
    choices.pop_front();
    // The line as the dialog hands it back: cut to the buffer.
    if (choice.button == kIdOk && choice.index < entries.size()) {
      choice.line = entries[choice.index].substr(0, kSelectionCapacity);
    }
    return choice;
  }
};

class FolderDrives final : public IDriveTable {
 public:
  std::vector<Drive> Drives() override { return drives; }
  std::vector<Drive> drives;
};

// The real client, with a record of the commands it sends.
class RecordingDde final : public LocalProgmanClient {
 public:
  using LocalProgmanClient::LocalProgmanClient;
  bool Execute(const std::string& command) override {
    executed.push_back(command);
    return LocalProgmanClient::Execute(command);
  }
  void Disconnect() override {
    ++disconnects;
    LocalProgmanClient::Disconnect();
  }
  std::vector<std::string> executed;
  int disconnects = 0;
};
