#pragma once
// The desktop's applications menu, as Program Manager groups and items: a
// group is a submenu defined by a merged menu file under
// <config>/menus/applications-merged (with a .directory entry for its name and
// icon), an item is a .desktop entry in <data>/applications included by it.
// Groups defined by other programs' menu files are listed and can take items;
// only the files written here (named "progman-...") are ever changed.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

struct MenuItem {
  std::string name;
  // The program and its arguments, as typed on a command line.
  std::string commandLine;
  std::string folder;
  std::filesystem::path desktopFile;
};

class DesktopMenu {
 public:
  DesktopMenu(std::filesystem::path configHome, std::filesystem::path dataHome);
  // The menu of the user running setup: $XDG_CONFIG_HOME and $XDG_DATA_HOME,
  // or their defaults below $HOME.
  static DesktopMenu ForUser();

  // Creates the menu folders as needed; false when they cannot be written.
  bool Usable() const;

  std::vector<std::string> Groups() const;
  // The group's name as stored, found without regard to case.
  std::optional<std::string> FindGroup(const std::string& name) const;
  // The menu file that defines the group first.
  std::filesystem::path GroupFile(const std::string& group) const;
  std::vector<MenuItem> Items(const std::string& group) const;

  bool CreateGroup(const std::string& name);
  bool AddItem(const std::string& group, const std::string& name, const std::string& commandLine,
               const std::string& folder);
  // Deletes the first item of that name (case ignored) written here.
  bool DeleteItem(const std::string& group, const std::string& name);

 private:
  struct GroupDefinition {
    std::string name;
    std::filesystem::path menuFile;
    std::string directory;
    std::vector<std::string> filenames;
  };
  std::vector<GroupDefinition> ReadDefinitions() const;
  std::optional<GroupDefinition> OwnDefinition(const std::string& group) const;
  bool WriteDefinition(const GroupDefinition& definition) const;

  std::filesystem::path mergedFolder_;
  std::filesystem::path applicationsFolder_;
  std::filesystem::path directoriesFolder_;
};

// The Exec value that runs `commandLine` (a program path, which may hold
// blanks, or a program and its arguments), quoted by the desktop-entry rules.
std::string ExecForCommandLine(const std::string& commandLine);
// The command line an Exec value runs, field codes left out.
std::string CommandLineOfExec(const std::string& exec);
