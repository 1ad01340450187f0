#pragma once
// The drives setup can install to. Each mounted disk or network file system
// is a drive with a letter: C: for the one holding the root folder, then D:,
// E:, ... in mount-table order. Pseudo and removable file systems are not
// drives here.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

enum class DriveKind { Fixed, Remote };

struct Drive {
  char letter = 'C';
  std::filesystem::path root;
  DriveKind kind = DriveKind::Fixed;
  std::uint64_t totalBytes = 0;
  std::uint64_t freeBytes = 0;
};

class IDriveTable {
 public:
  virtual ~IDriveTable() = default;
  // The usable drives in letter order.
  virtual std::vector<Drive> Drives() = 0;
};

// "C: = Fixed, Size = 19077 Meg., Free = 5120 Meg."
std::string DriveListEntry(const Drive& drive);

struct MountEntry {
  std::string source;
  std::string mountPoint;
  std::string type;
};

// The lines of a mount table (/proc/self/mounts), with the octal escapes of
// its fields decoded.
std::vector<MountEntry> ParseMountTable(const std::string& text);

// Fixed for local disk file systems, Remote for network ones, nothing for the
// rest (proc, tmpfs, overlay, squashfs, CD and DVD formats, FAT sticks, ...).
std::optional<DriveKind> KindOfFileSystem(const std::string& type);

// The drives of the system's mount table, sizes from statvfs.
class MountTableDrives final : public IDriveTable {
 public:
  explicit MountTableDrives(std::filesystem::path table = "/proc/self/mounts");
  std::vector<Drive> Drives() override;

 private:
  std::filesystem::path table_;
};
