#pragma once
// The search of a drive for copies of the program already installed.

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

struct FoundCopy {
  std::filesystem::path path;
  std::uintmax_t size = 0;
  std::time_t modified = 0;
  // R H S V D A, a blank for each attribute not set.
  std::string attributes = "      ";
};

// Depth first from `root`: in each folder first the regular files named
// `fileName`, then each subfolder whose name has no dot, in name order.
// Symbolic links are not followed, other file systems are not entered and no
// folder is visited twice, so the walk always ends. Unreadable folders are
// passed over.
std::vector<FoundCopy> ScanForProgram(const std::filesystem::path& root,
                                      const std::string& fileName);

// True when only `user` (or root) can change what `folder` holds: it and
// every folder above it belong to `user` or to root, and none of them can be
// written by other users. Above the folder itself a sticky folder (/tmp) may
// be writable by all, as nobody can move another's folder out of it; a
// folder writable by its group counts as the user's own only when the group
// is `group` (the user's own group, as umask 002 systems give every user).
bool TrustedFolder(const std::filesystem::path& folder, unsigned user, unsigned group);

// "<path>  <size>  yyyy/mm/dd  [RHSVDA]" with the local date of the last write.
std::string FoundCopyEntry(const FoundCopy& copy);
