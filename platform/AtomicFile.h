#pragma once
// Small files that must never be seen half written: the new contents go to a
// temporary file beside the target, are flushed to the disk and then renamed
// over it, so a crash leaves either the old file or the new one.
//
// A temporary file is named "<target>.new-<pid>-<n>", and its writer holds a
// write lock on it (fcntl, open file description) for as long as it works on
// it; a temporary file that nobody holds was left by a writer that was killed.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/PosixFile.h"

// Replaces `file` with `contents`. A file that exists keeps its permissions;
// a new one, like every temporary file, is readable and writable by the user
// only (0600): what it holds may be private (the wage file holds every
// employee's SSN). On failure the old file is unchanged and the result holds
// the reason.
IoResult WriteFileAtomically(const std::filesystem::path& file, std::string_view contents);
// The same for a file that only its owner may ever read (one that holds
// Social Security numbers): mode 0600 from its first byte on, whatever the
// mode of the file it replaces.
IoResult WritePrivateFileAtomically(const std::filesystem::path& file, std::string_view contents);

// A name for a new temporary file beside `file`, unique in this process.
std::filesystem::path TempFileName(const std::filesystem::path& file);

// Removes the temporary files beside `file` that no writer holds any more.
void RemoveLeftoverTempFiles(const std::filesystem::path& file);

// The whole file, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);
