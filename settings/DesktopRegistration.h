#pragma once
// Registration with the freedesktop desktop, the counterpart of the file
// association: a shared-mime-info package that gives *.qmr files the type
// application/x-quillmar, and a desktop entry that opens such a file with the
// program and offers a Print action that runs it with /p.

#include <filesystem>
#include <string>

// The texts written, for a program at `programPath`.
std::string QuillmarMimePackage();
std::string QuillmarDesktopEntry(const std::string& programPath);

// Writes the package to <dataHome>/mime/packages and the entry to
// <dataHome>/applications (each only when it changed) and refreshes the
// desktop's caches of those folders when their tools are installed. False
// when a file could not be written; nothing is reported to the user.
bool RegisterWithDesktop(const std::filesystem::path& dataHome, const std::string& programPath);
