#pragma once
// Small files that must never be seen half written: the new contents go to a
// temporary file beside the target, are flushed to the disk and then renamed
// over it, so a crash leaves either the old file or the new one.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Replaces `file` with `contents`. A file that exists keeps its permissions;
// a new one gets the usual ones of the user (0666 less the umask). False
// when anything fails; the old file is then unchanged.
bool WriteFileAtomically(const std::filesystem::path& file, std::string_view contents);

// The whole file, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);
