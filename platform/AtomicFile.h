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

// Replaces `file` with `contents`. A file that exists keeps its permissions;
// a new one gets the usual ones of the user (0666 less the umask). False
// when anything fails; the old file is then unchanged.
bool WriteFileAtomically(const std::filesystem::path& file, std::string_view contents);
// The same for a file that only its owner may read (one that holds Social
// Security numbers): the file is mode 0600 from its first byte on, whatever
// the mode of the file it replaces.
bool WritePrivateFileAtomically(const std::filesystem::path& file, std::string_view contents);

// A name for a new temporary file beside `file`, unique in this process.
std::filesystem::path TempFileName(const std::filesystem::path& file);

// Removes the temporary files beside `file` that no writer holds any more.
void RemoveLeftoverTempFiles(const std::filesystem::path& file);

// The whole file, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);
