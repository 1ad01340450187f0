#include "settings/InstallCheck.h"

#include "platform/MessageBoxes.h"
#include "platform/RegistryError.h"
#include "settings/DesktopRegistration.h"
#include "settings/QuillmarRegistry.h"

bool InstallCheckFails(TQuillmarRegistry& registry, const std::string& shortPath) {
  registry.SetRootKey(RegRoot::LocalMachine);
  if (!registry.OpenKey(TQuillmarRegistry::kProductKey, false)) return true;
  bool fails = true;
  try {
    fails = registry.ReadString("ExecPath_Name") != shortPath;
  } catch (const RegistryError&) {
    // A mistyped value is reported by RegisterInstall, which runs next.
  }
  registry.CloseKey();
  return fails;
}

void RegisterInstall(TQuillmarRegistry& registry, const std::string& shortPath,
                     const std::filesystem::path& desktopDataFolder,
                     const std::vector<std::string>& systemDataFolders) {
  try {
    InstallValues values = registry.ReadInstallValues(shortPath);
    values.CurrVers = TQuillmarRegistry::kProgramVersion;
    values.ExecPath_Name = shortPath;
    registry.WriteInstallValues(values);
    registry.WriteAppPath(shortPath);
    registry.WriteFileAssociation(shortPath);
  } catch (const RegistryError& error) {
    ShowMessage(error.what(), MsgIcon::Error);
  }
  RegisterWithDesktop(desktopDataFolder, shortPath, systemDataFolders);
}

void CheckInstalledVersion(TQuillmarRegistry& registry, const std::string& shortPath) {
  try {
    InstallValues values = registry.ReadInstallValues(shortPath);
    if (values.CurrVers == TQuillmarRegistry::kProgramVersion) return;
    values.CurrVers = TQuillmarRegistry::kProgramVersion;
    registry.WriteInstallValues(values);
  } catch (const RegistryError& error) {
    ShowMessage(error.what(), MsgIcon::Error);
  }
}
