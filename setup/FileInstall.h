#pragma once
// Putting the program file in place: the backup name of the old version, the
// copy with backup and roll-back, and the target folder.

#include <filesystem>
#include <functional>

class ISetupBoxes;
class ISetupDialogs;

// " Old Vers" goes in front of the extension of the file name
// (Quillmar.exe -> Quillmar Old Vers.exe) or after a name without one
// (Quillmar -> Quillmar Old Vers); dots in folder names do not count.
std::filesystem::path BackupName(const std::filesystem::path& destination);

// Writes the bytes of `from` into the already created, empty file `to`.
using ContentCopier =
    std::function<bool(const std::filesystem::path& from, const std::filesystem::path& to)>;
// The copier of the program: contents, permission bits, then fsync.
bool CopyFileContents(const std::filesystem::path& from, const std::filesystem::path& to);

// Copies `source` to `destination`, keeping an existing destination under its
// backup name. The new copy is written under a temporary name in the target
// folder and renamed into place, so the program's own name never holds a
// half-written file. On failure the backup is put back and the copy error is
// shown. True when the new copy is in place.
bool CopyWithBackup(const std::filesystem::path& source, const std::filesystem::path& destination,
                    ISetupBoxes& boxes, ISetupDialogs& dialogs,
                    const ContentCopier& copier = CopyFileContents);

// Makes sure `folder` exists, creating missing parents first; shows the
// "Cannot access directory" box and returns false when it cannot.
bool EnsureFolder(const std::filesystem::path& folder, ISetupBoxes& boxes);
