#include "setup/ProgmanService.h"

#include <filesystem>
#include <sstream>

namespace {

std::string Upper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

std::string Trim(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Quotes end a field of a listing line, so a name cannot hold one.
std::string ListingField(std::string text) {
  for (char& c : text) {
    if (c == '"') c = '\'';
  }
  return text;
}

// The program a command line runs: the whole line when it names a file,
// else its first word.
std::string ProgramOf(const std::string& commandLine) {
  std::error_code ec;
  if (std::filesystem::is_regular_file(commandLine, ec)) return commandLine;
  std::istringstream words(commandLine);
  std::string first;
  words >> first;
  return first;
}

}  // namespace

std::optional<std::vector<ProgmanCommand>> ParseProgmanCommands(const std::string& text) {
  std::vector<ProgmanCommand> commands;
  std::size_t at = 0;
  const auto skipBlanks = [&] {
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
  };
  for (;;) {
    skipBlanks();
    if (at == text.size()) break;
    if (text[at++] != '[') return std::nullopt;
    ProgmanCommand command;
    while (at < text.size() && text[at] != '(' && text[at] != ']') command.name += text[at++];
    command.name = Trim(command.name);
    if (command.name.empty() || at == text.size()) return std::nullopt;
    if (text[at] == '(') {
      ++at;
      for (;;) {
        skipBlanks();
        std::string argument;
        if (at < text.size() && text[at] == '"') {
          // Quoted: everything up to the closing quote; "" is one quote.
          for (++at;; ++at) {
            if (at >= text.size()) return std::nullopt;
            if (text[at] != '"') {
              argument += text[at];
            } else if (at + 1 < text.size() && text[at + 1] == '"') {
              argument += text[++at];
            } else {
              break;
            }
          }
          ++at;
          skipBlanks();
        } else {
          while (at < text.size() && text[at] != ',' && text[at] != ')') argument += text[at++];
          argument = Trim(argument);
        }
        if (at == text.size()) return std::nullopt;
        command.arguments.push_back(argument);
        if (text[at++] == ')') break;
        if (text[at - 1] != ',') return std::nullopt;
      }
      skipBlanks();
    }
    if (at == text.size() || text[at++] != ']') return std::nullopt;
    commands.push_back(std::move(command));
  }
  return commands;
}

ProgmanService::ProgmanService(DesktopMenu menu) : menu_(std::move(menu)) {}

std::optional<std::string> ProgmanService::Request(const std::string& item) const {
  std::string reply;
  if (Upper(item) == "GROUPS") {
    for (const std::string& group : menu_.Groups()) reply += group + "\r\n";
    return reply;
  }
  const std::optional<std::string> group = menu_.FindGroup(item);
  if (!group) return std::nullopt;
  const std::vector<MenuItem> items = menu_.Items(*group);
  reply = "\"" + ListingField(*group) + "\"," + menu_.GroupFile(*group).string() + "," +
          std::to_string(items.size()) + ",1\r\n";
  for (const MenuItem& entry : items) {
    reply += "\"" + ListingField(entry.name) + "\",\"" + ListingField(entry.commandLine) + "\"," +
             entry.folder + ",," + "0,0,0,0,0\r\n";
  }
  return reply;
}

std::uint32_t ProgmanService::Execute(const std::string& text) {
  const std::optional<std::vector<ProgmanCommand>> commands = ParseProgmanCommands(text);
  if (!commands) return kDdeErrNotProcessed;
  for (const ProgmanCommand& command : *commands) {
    if (!Run(command)) return kDdeErrNotProcessed;
  }
  return 0;
}

bool ProgmanService::Run(const ProgmanCommand& command) {
  const std::string name = Upper(command.name);
  const std::vector<std::string>& args = command.arguments;
  if (name == "CREATEGROUP" && !args.empty() && !args[0].empty()) {
    if (!menu_.CreateGroup(args[0])) return false;
    current_ = menu_.FindGroup(args[0]).value_or(args[0]);
    return true;
  }
  if (name == "SHOWGROUP" && !args.empty()) {
    const std::optional<std::string> group = menu_.FindGroup(args[0]);
    if (!group) return false;
    current_ = *group;
    return true;
  }
  if (name == "ADDITEM" && !args.empty() && !args[0].empty() && !current_.empty()) {
    const std::filesystem::path program(ProgramOf(args[0]));
    const std::string caption =
        args.size() > 1 && !args[1].empty() ? args[1] : program.filename().string();
    const std::string folder =
        args.size() > 6 && !args[6].empty() ? args[6] : program.parent_path().string();
    return menu_.AddItem(current_, caption, args[0], folder);
  }
  if (name == "DELETEITEM" && !args.empty() && !current_.empty()) {
    return menu_.DeleteItem(current_, args[0]);
  }
  return false;
}

bool LocalProgmanClient::Fail(std::uint32_t code) {
  lastError_ = code;
  return false;
}

bool LocalProgmanClient::Initialize() {
  initialized_ = true;
  return true;
}

bool LocalProgmanClient::Connect(const std::string& service, const std::string& topic) {
  if (!initialized_) return Fail(kDdeErrDllNotInitialized);
  if (Upper(service) != "PROGMAN" || Upper(topic) != "PROGMAN" || !service_.Available()) {
    return Fail(kDdeErrNoConvEstablished);
  }
  connected_ = true;
  return true;
}

std::optional<std::string> LocalProgmanClient::Request(const std::string& item) {
  if (!connected_) {
    Fail(kDdeErrNoConvEstablished);
    return std::nullopt;
  }
  std::optional<std::string> reply = service_.Request(item);
  if (!reply) Fail(kDdeErrNotProcessed);
  return reply;
}

bool LocalProgmanClient::Execute(const std::string& command) {
  if (!connected_) return Fail(kDdeErrNoConvEstablished);
  const std::uint32_t code = service_.Execute(command);
  return code == 0 || Fail(code);
}

std::uint32_t LocalProgmanClient::GetLastError() {
  const std::uint32_t code = lastError_;
  lastError_ = 0;
  return code;
}
