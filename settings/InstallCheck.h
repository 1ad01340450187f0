#pragma once
// The start-up registration of the installation. The main window runs, in
// this order: InstallCheckFails (and RegisterInstall when it does),
// SeedPresetRates, CheckInstalledVersion.
//
// None of them lets an error escape: a value of the wrong type is shown in a
// "Quillmar" error message and the start goes on; keys that cannot be
// written are skipped silently, so the next start simply tries again.

#include <filesystem>
#include <string>
#include <vector>

#include "platform/ProgramPath.h"

class TQuillmarRegistry;

// True when the product key is missing or its "ExecPath_Name" differs from
// `shortPath` (exact comparison).
bool InstallCheckFails(TQuillmarRegistry& registry, const std::string& shortPath);

// Keeps Name and Company (on a first start, those of the system), stores
// version "1.0" and `shortPath`, writes App Paths and the file association,
// and registers with the desktop under `desktopDataFolder` (skipped when
// empty, or when one of `systemDataFolders` registers the program already;
// a failure there is silent).
void RegisterInstall(TQuillmarRegistry& registry, const std::string& shortPath,
                     const std::filesystem::path& desktopDataFolder,
                     const std::vector<std::string>& systemDataFolders = {});

// Rewrites the installation values with version "1.0" when they hold another.
void CheckInstalledVersion(TQuillmarRegistry& registry,
                           const std::string& shortPath = RunningProgramPath());
