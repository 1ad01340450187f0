#pragma once
// The program group and icon of the installed program, made through the
// Program Manager conversation: list the groups, let the user choose one,
// create or open it, delete old icons of the program and add the new one.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class IDdeClient;
class ISetupBoxes;
class ISetupDialogs;

// An entry of the item table: the first names the default group (no file),
// the others are program items.
struct ProgramItem {
  std::string file;
  std::string caption;
};
std::vector<ProgramItem> QuillmarItemTable();

// "AdvAckTimeout", ..., "not specified", by the low 16 bits of `code`.
std::string DdeErrorName(std::uint32_t code);

// An argument of a Program Manager command: in quotes, each quote inside
// doubled, so that commas, parentheses and brackets stay part of it.
std::string ProgmanArgument(const std::string& text);

// The command as sent, brackets added; nothing for "" and "[]".
std::optional<std::string> BracketCommand(const std::string& command);

// A reply's lines: each carriage return ends one (a line feed after it is
// skipped); text after the last carriage return is dropped.
std::vector<std::string> SplitReplyLines(const std::string& data);

// The group list of DLG_SELECTGROUP, sorted without regard to case, and the
// entry chosen on opening: the first that begins with `defaultName` (case
// ignored), else `defaultName` itself, added to the list.
struct GroupList {
  std::vector<std::string> names;
  std::size_t selected = 0;
};
GroupList PrepareGroupList(std::vector<std::string> groups, const std::string& defaultName);

// For an item line of a group listing ("name","command line",...): the name in
// its quotes when the command line runs `fileName` (case ignored, the whole
// last path component), else nothing.
std::optional<std::string> OldItemName(const std::string& line, const std::string& fileName);

// One Program Manager conversation; every call is checked and a failure shown
// in the "ERROR FROM DDEML" box.
class ProgmanConversation {
 public:
  ProgmanConversation(IDdeClient& dde, ISetupBoxes& boxes);
  ~ProgmanConversation();
  ProgmanConversation(const ProgmanConversation&) = delete;
  ProgmanConversation& operator=(const ProgmanConversation&) = delete;

  bool Connect();
  // Sends one command (execute); "" and "[]" are not sent.
  void SendCommand(const std::string& command);
  // Requests `item` and keeps its lines until ReleaseData.
  bool RequestItem(const std::string& item);
  const std::vector<std::string>& Lines() const { return lines_; }
  void ReleaseData() { lines_.clear(); }
  // Ends the conversation and the instance, whatever was set up.
  void Disconnect();

 private:
  // Reads and clears the last error; shows the warning box for a failure.
  bool DdeOK(const std::string& operation, bool callSucceeded);

  IDdeClient& dde_;
  ISetupBoxes& boxes_;
  bool initialized_ = false;
  bool connected_ = false;
  std::vector<std::string> lines_;
};

// Runs the whole conversation for the program folder `folder`.
void InstallProgramIcons(const std::filesystem::path& folder, const std::vector<ProgramItem>& items,
                         IDdeClient& dde, ISetupBoxes& boxes, ISetupDialogs& dialogs);
