#pragma once
// Files that hold Social Security numbers (the copy of a data file before an
// import, the employee export) are created readable and writable by their
// owner only (mode 0600), and replaced whole: the contents go to a temporary
// file beside the target (named as AtomicFile names them, and locked while
// written), are flushed to the disk and renamed over it.

#include <filesystem>
#include <string_view>

// Replaces `file` with `contents`, mode 0600 whatever the file had. False
// when anything fails; the old file is then unchanged.
bool WritePrivateFileAtomically(const std::filesystem::path& file, std::string_view contents);
