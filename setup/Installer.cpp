#include "setup/Installer.h"

#include <unistd.h>

#include <vector>

#include "setup/DriveScan.h"
#include "setup/SetupBoxes.h"
#include "setup/SetupDialogs.h"
#include "setup/SetupTexts.h"

namespace fs = std::filesystem;

namespace {

bool SameFolder(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  return fs::equivalent(a, b, ec);
}

}  // namespace

Installer::Installer(ISetupBoxes& boxes, ISetupDialogs& dialogs, IDriveTable& drives,
                     IconMaker makeIcons, ContentCopier copier)
    : boxes_(boxes),
      dialogs_(dialogs),
      drives_(drives),
      makeIcons_(std::move(makeIcons)),
      copier_(std::move(copier)) {}

void Installer::Run(const fs::path& setupFolder) {
  const fs::path program = setupFolder / kProgramFile;
  std::error_code ec;
  if (!fs::is_regular_file(program, ec)) {
    boxes_.Show({kMissingCaption, ProgramMissingText(program.string()), BoxIcon::Error,
                 BoxButtons::Ok, true});
    return;
  }

  fs::path target;
  for (;;) {
    const std::optional<Drive> drive = ChooseDrive();
    if (!drive) return;
    target = drive->root / kDefaultFolder;
    const ScanResult scan = ScanDrive(*drive, target);
    if (scan == ScanResult::Cancel) return;
    if (scan != ScanResult::ChangeDrive) break;
  }

  if (!EnsureFolder(target, boxes_)) {
    boxes_.Show({kInstallFailedCaption, kInstallFailedText, BoxIcon::Error, BoxButtons::Ok, true});
    return;
  }
  // Case matters in Linux file names, so the same folder is the same inode.
  if (SameFolder(target, setupFolder)) {
    makeIcons_(target);
    return;
  }
  if (CopyWithBackup(program, target / kProgramFile, boxes_, dialogs_, copier_)) {
    makeIcons_(target);
    return;
  }
  boxes_.Show({kMoveFailedCaption, MoveFailedText(setupFolder.string(), target.string()),
               BoxIcon::Error, BoxButtons::Ok, true});
  makeIcons_(setupFolder);
}

std::optional<Drive> Installer::ChooseDrive() {
  const std::vector<Drive> drives = drives_.Drives();
  if (drives.empty()) {
    boxes_.Show({"", kNoDrivesText, BoxIcon::None, BoxButtons::Ok, true});
    return std::nullopt;
  }
  if (drives.size() == 1) return drives.front();
  std::vector<std::string> entries;
  for (const Drive& drive : drives) entries.push_back(DriveListEntry(drive));
  const ListChoice choice = dialogs_.SelectDrive(entries);
  if (choice.button != kIdOk || choice.index >= drives.size()) return std::nullopt;
  return drives[choice.index];
}

Installer::ScanResult Installer::ScanDrive(const Drive& drive, fs::path& target) {
  dialogs_.ShowWait(WaitBox::Scanning);
  std::vector<FoundCopy> copies = ScanForProgram(drive.root, kProgramFile);
  dialogs_.CloseWait();

  // Only a copy that nobody else can change is offered for upgrade.
  std::string notOffered;
  std::erase_if(copies, [&](const FoundCopy& copy) {
    if (TrustedFolder(copy.path.parent_path(), geteuid(), getegid())) return false;
    if (!notOffered.empty()) notOffered += ", ";
    notOffered += copy.path.string();
    return true;
  });
  if (!notOffered.empty()) {
    boxes_.Show(
        {kNotOfferedCaption, NotOfferedText(notOffered), BoxIcon::Warning, BoxButtons::Ok, true});
    if (copies.empty()) return ScanResult::NewInstall;
  }
  if (copies.empty()) {
    boxes_.Show({kNotUpgradeCaption, kNotUpgradeText, BoxIcon::None, BoxButtons::Ok, true});
    return ScanResult::NewInstall;
  }
  std::vector<std::string> entries;
  for (const FoundCopy& copy : copies) entries.push_back(FoundCopyEntry(copy));
  std::size_t selected = 0;
  if (copies.size() == 1) {
    boxes_.Show({kUpgradeCaption, kUpgradePrefix + entries.front()});
  } else {
    const ListChoice choice = dialogs_.SelectCopy(entries);
    if (choice.button == kIdChgDrive) return ScanResult::ChangeDrive;
    if (choice.button != kIdOk || choice.index >= copies.size()) return ScanResult::Cancel;
    selected = choice.index;
  }
  // The folder comes from the found path itself, not from the shown line,
  // which may be cut short and whose date holds slashes too.
  target = copies[selected].path.parent_path();
  return ScanResult::Upgrade;
}
