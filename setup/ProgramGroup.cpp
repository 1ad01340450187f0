#include "setup/ProgramGroup.h"

#include <algorithm>
#include <array>

#include "setup/DdeClient.h"
#include "setup/SetupBoxes.h"
#include "setup/SetupDialogs.h"
#include "setup/SetupTexts.h"

namespace {

constexpr const char* kServiceName = "PROGMAN";
constexpr const char* kTopicName = "PROGMAN";
constexpr const char* kGroupsItem = "Groups";

constexpr std::array<const char*, 18> kErrorNames = {"AdvAckTimeout",       "Busy",
                                                     "DataAckTimeout",      "DLL_Not_Initialized",
                                                     "DLL_Usage",           "ExecAckTimeout",
                                                     "InvalidParameter",    "Low_Memory",
                                                     "Memory_Error",        "NotProcessed",
                                                     "No_Conv_Established", "PokeAckTimeout",
                                                     "PostMsg_Failed",      "Reentrancy",
                                                     "Server_Died",         "Sys_Error",
                                                     "UnadvAckTimeout",     "Unfound_Queue_ID"};

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string ToUpper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), Upper);
  return text;
}

bool SameText(const std::string& a, const std::string& b) { return ToUpper(a) == ToUpper(b); }

bool LessText(const std::string& a, const std::string& b) {
  const std::string ua = ToUpper(a);
  const std::string ub = ToUpper(b);
  return ua != ub ? ua < ub : a < b;
}

}  // namespace

std::vector<ProgramItem> QuillmarItemTable() {
  return {{"", kProductName}, {kProgramFile, kProductName}};
}

std::string DdeErrorName(std::uint32_t code) {
  const std::uint32_t low = code & 0xFFFF;
  if (low >= 0x4000 && low < 0x4000 + kErrorNames.size()) return kErrorNames[low - 0x4000];
  return "not specified";
}

std::string ProgmanArgument(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::optional<std::string> BracketCommand(const std::string& command) {
  if (command.empty() || command == "[]") return std::nullopt;
  std::string text = command;
  if (text.front() != '[') text.insert(text.begin(), '[');
  if (text.back() != ']') text.push_back(']');
  return text;
}

std::vector<std::string> SplitReplyLines(const std::string& data) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t cr = data.find('\r'); cr != std::string::npos; cr = data.find('\r', start)) {
    lines.push_back(data.substr(start, cr - start));
    start = cr + 1;
    if (start < data.size() && data[start] == '\n') ++start;
  }
  return lines;
}

GroupList PrepareGroupList(std::vector<std::string> groups, const std::string& defaultName) {
  // A blank line of the reply names no group.
  std::erase_if(groups, [](const std::string& g) { return g.empty(); });
  std::stable_sort(groups.begin(), groups.end(), LessText);
  const std::string prefix = ToUpper(defaultName);
  auto match = std::find_if(groups.begin(), groups.end(),
                            [&](const std::string& g) { return ToUpper(g).starts_with(prefix); });
  if (match == groups.end()) {
    match = groups.insert(std::upper_bound(groups.begin(), groups.end(), defaultName, LessText),
                          defaultName);
  }
  return {groups, static_cast<std::size_t>(match - groups.begin())};
}

std::optional<std::string> OldItemName(const std::string& line, const std::string& fileName) {
  const std::string upper = ToUpper(line);
  const std::size_t fieldStart = upper.find("\",");
  if (fieldStart == std::string::npos || fileName.empty()) return std::nullopt;
  std::string field = upper.substr(fieldStart + 2);
  field = field.substr(0, field.find(','));

  // On Linux the program file has no extension, so its name must be a whole
  // path component: the folder /opt/Tolvane/Quillmar does not make every
  // program in it Quillmar.
  const std::string target = ToUpper(fileName);
  bool runsProgram = false;
  for (std::size_t at = field.find(target); at != std::string::npos && !runsProgram;
       at = field.find(target, at + 1)) {
    const std::size_t end = at + target.size();
    const bool startsComponent =
        at == 0 || std::string("/\\\"").find(field[at - 1]) != std::string::npos;
    const bool endsComponent =
        end == field.size() || std::string(" \t\"").find(field[end]) != std::string::npos;
    runsProgram = startsComponent && endsComponent;
  }
  if (!runsProgram) return std::nullopt;
  const std::size_t open = line.find('"');
  const std::size_t close = line.find('"', open + 1);
  if (close == std::string::npos) return std::nullopt;
  return line.substr(0, close + 1);
}

ProgmanConversation::ProgmanConversation(IDdeClient& dde, ISetupBoxes& boxes)
    : dde_(dde), boxes_(boxes) {}

ProgmanConversation::~ProgmanConversation() { Disconnect(); }

bool ProgmanConversation::DdeOK(const std::string& operation, bool callSucceeded) {
  const std::uint32_t code = dde_.GetLastError();
  // A call that failed without leaving a code is still a failure.
  if ((code & 0xFFFF) == 0 && callSucceeded) return true;
  boxes_.Show({"ERROR FROM DDEML",
               "Dde failure in " + operation + " operation.  Error was " + DdeErrorName(code),
               BoxIcon::Warning, BoxButtons::Ok, true});
  return false;
}

bool ProgmanConversation::Connect() {
  initialized_ = DdeOK("DdeInitialize", dde_.Initialize());
  if (!initialized_) return false;
  connected_ = DdeOK("DdeConnect", dde_.Connect(kServiceName, kTopicName));
  return connected_;
}

void ProgmanConversation::SendCommand(const std::string& command) {
  const std::optional<std::string> text = BracketCommand(command);
  if (!text) return;
  DdeOK("DdeClientTransaction (XTYP_Execute)", dde_.Execute(*text));
}

bool ProgmanConversation::RequestItem(const std::string& item) {
  lines_.clear();
  const std::optional<std::string> data = dde_.Request(item);
  if (!DdeOK("DdeClientTransaction (XTYP_REQUEST)", data.has_value())) return false;
  lines_ = SplitReplyLines(*data);
  return true;
}

void ProgmanConversation::Disconnect() {
  if (connected_) dde_.Disconnect();
  if (initialized_) dde_.Uninitialize();
  connected_ = initialized_ = false;
  lines_.clear();
}

void InstallProgramIcons(const std::filesystem::path& folder, const std::vector<ProgramItem>& items,
                         IDdeClient& dde, ISetupBoxes& boxes, ISetupDialogs& dialogs) {
  ProgmanConversation conversation(dde, boxes);
  if (items.empty() || !conversation.Connect() || !conversation.RequestItem(kGroupsItem)) {
    conversation.Disconnect();
    return;
  }
  const std::vector<std::string> groups = conversation.Lines();
  const GroupList list = PrepareGroupList(groups, items.front().caption);
  const std::string group = dialogs.SelectGroup(list.names, list.selected);
  const bool isNew = std::none_of(groups.begin(), groups.end(),
                                  [&](const std::string& g) { return SameText(g, group); });
  conversation.ReleaseData();

  conversation.SendCommand("CreateGroup(" + ProgmanArgument(group) + ")");
  conversation.SendCommand("ShowGroup(" + ProgmanArgument(group) + ",1)");
  if (!isNew && conversation.RequestItem(group)) {
    const std::vector<std::string> lines = conversation.Lines();
    for (std::size_t i = 1; i < lines.size(); ++i) {
      for (std::size_t item = 1; item < items.size(); ++item) {
        if (const std::optional<std::string> name = OldItemName(lines[i], items[item].file)) {
          conversation.SendCommand("DeleteItem(" + *name + ")");
          break;
        }
      }
    }
    conversation.ReleaseData();
  }
  for (std::size_t item = 1; item < items.size(); ++item) {
    const std::filesystem::path file = folder / items[item].file;
    std::error_code ec;
    if (std::filesystem::exists(file, ec)) {
      conversation.SendCommand("AddItem(" + ProgmanArgument(file.string()) + "," +
                               ProgmanArgument(items[item].caption) + ")");
    }
  }
  conversation.Disconnect();
}
