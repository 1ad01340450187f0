#pragma once
// Program Manager on a Linux desktop: the requests and execute commands of the
// PROGMAN service, carried out on the desktop's applications menu, and a DDE
// client that talks to it in-process.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "setup/DdeClient.h"
#include "setup/DesktopMenu.h"

// One command of an execute text: its name and arguments, quotes removed.
struct ProgmanCommand {
  std::string name;
  std::vector<std::string> arguments;
};
// "[Name(arg,"arg",...)][...]"; nothing when the text is not well formed.
std::optional<std::vector<ProgmanCommand>> ParseProgmanCommands(const std::string& text);

class ProgmanService {
 public:
  explicit ProgmanService(DesktopMenu menu);

  // Whether a conversation can be opened: the menu can be written.
  bool Available() const { return menu_.Usable(); }

  // "Groups": one name a line; a group's name: a line for the group, then one
  // line per item, "name","command line",folder,icon,... Lines end in CR LF.
  std::optional<std::string> Request(const std::string& item) const;
  // Carries out the commands in order and stops at the first that fails;
  // returns 0 or the DDE error code.
  std::uint32_t Execute(const std::string& text);

 private:
  bool Run(const ProgmanCommand& command);

  DesktopMenu menu_;
  // The group CreateGroup or ShowGroup made current; items go into it.
  std::string current_;
};

class LocalProgmanClient : public IDdeClient {
 public:
  explicit LocalProgmanClient(ProgmanService& service) : service_(service) {}

  bool Initialize() override;
  bool Connect(const std::string& service, const std::string& topic) override;
  std::optional<std::string> Request(const std::string& item) override;
  bool Execute(const std::string& command) override;
  void Disconnect() override { connected_ = false; }
  void Uninitialize() override { initialized_ = connected_ = false; }
  std::uint32_t GetLastError() override;

 private:
  bool Fail(std::uint32_t code);

  ProgmanService& service_;
  bool initialized_ = false;
  bool connected_ = false;
  std::uint32_t lastError_ = 0;
};
