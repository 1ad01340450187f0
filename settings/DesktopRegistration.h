#pragma once
// Registration with the freedesktop desktop, the counterpart of the file
// association: a shared-mime-info package that gives *.qmr files the type
// application/x-quillmar, and a desktop entry that opens such a file with the
// program and offers a Print action that runs it with /p.

#include <filesystem>
#include <string>
#include <vector>

// The texts written, for a program at `programPath`.
std::string QuillmarMimePackage();
std::string QuillmarDesktopEntry(const std::string& programPath);

// True when one of the system's data folders (those of $XDG_DATA_DIRS) holds
// the package's desktop entry and MIME package, and the entry starts the
// program at `programPath` (the installed package). The user's own data
// folder `dataHome` does not count, should $XDG_DATA_DIRS name it too.
bool RegisteredSystemWide(const std::vector<std::string>& systemDataFolders,
                          const std::string& programPath,
                          const std::filesystem::path& dataHome = {});

// Writes the package to <dataHome>/mime/packages and the entry to
// <dataHome>/applications (each only when it changed) and refreshes the
// desktop's caches of those folders when their tools are installed. False
// when a file could not be written; nothing is reported to the user.
// When the program is registered system-wide (the Debian package), nothing
// is written: per-user copies would outlive the package's removal and show a
// second launcher. Copies an earlier start wrote for this program go then.
bool RegisterWithDesktop(const std::filesystem::path& dataHome, const std::string& programPath,
                         const std::vector<std::string>& systemDataFolders = {});
