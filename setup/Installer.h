#pragma once
// The installation: the program file beside setup, the drive, the search for
// an existing copy, the target folder, the copy with backup and the program
// group.

#include <filesystem>
#include <functional>
#include <optional>

#include "setup/Drives.h"
#include "setup/FileInstall.h"

class ISetupBoxes;
class ISetupDialogs;

class Installer {
 public:
  // Makes the program group and icon for the program in the given folder.
  using IconMaker = std::function<void(const std::filesystem::path& programFolder)>;

  Installer(ISetupBoxes& boxes, ISetupDialogs& dialogs, IDriveTable& drives, IconMaker makeIcons,
            ContentCopier copier = CopyFileContents);

  // Installs the program found in `setupFolder`.
  void Run(const std::filesystem::path& setupFolder);

 private:
  enum class ScanResult { NewInstall, Upgrade, ChangeDrive, Cancel };

  std::optional<Drive> ChooseDrive();
  ScanResult ScanDrive(const Drive& drive, std::filesystem::path& target);

  ISetupBoxes& boxes_;
  ISetupDialogs& dialogs_;
  IDriveTable& drives_;
  IconMaker makeIcons_;
  ContentCopier copier_;
};
