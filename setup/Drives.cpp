#include "setup/Drives.h"

#include <sys/statvfs.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <sstream>
#include <string_view>

namespace {

constexpr std::uint64_t kMebibyte = 1048576;

constexpr std::array<std::string_view, 15> kFixedTypes = {
    "ext2", "ext3",  "ext4",    "xfs", "btrfs",    "jfs",    "reiserfs", "f2fs",
    "ntfs", "ntfs3", "fuseblk", "zfs", "bcachefs", "nilfs2", "hfsplus"};

constexpr std::array<std::string_view, 19> kRemoteTypes = {
    "nfs",        "nfs4",           "cifs",        "smb3",      "smbfs",      "ncpfs", "afs",
    "9p",         "ceph",           "glusterfs",   "lustre",    "gpfs",       "davfs", "sshfs",
    "fuse.sshfs", "fuse.glusterfs", "fuse.rclone", "fuse.s3fs", "fuse.cephfs"};

// Mount-table fields escape blanks, tabs, newlines and backslashes as \ooo.
std::string Unescape(const std::string& field) {
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size()) {
      const std::string digits = field.substr(i + 1, 3);
      if (std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '7'; })) {
        out += static_cast<char>(std::stoi(digits, nullptr, 8));
        i += 3;
        continue;
      }
    }
    out += field[i];
  }
  return out;
}

}  // namespace

std::string DriveListEntry(const Drive& drive) {
  std::string entry(1, drive.letter);
  entry += ": = ";
  entry += drive.kind == DriveKind::Fixed ? "Fixed," : "Remote,";
  entry += " Size = " + std::to_string(drive.totalBytes / kMebibyte);
  entry += " Meg., Free = " + std::to_string(drive.freeBytes / kMebibyte) + " Meg.";
  return entry;
}

std::vector<MountEntry> ParseMountTable(const std::string& text) {
  std::vector<MountEntry> entries;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    MountEntry entry;
    if (fields >> entry.source >> entry.mountPoint >> entry.type) {
      entry.source = Unescape(entry.source);
      entry.mountPoint = Unescape(entry.mountPoint);
      entry.type = Unescape(entry.type);
      entries.push_back(std::move(entry));
    }
  }
  return entries;
}

std::optional<DriveKind> KindOfFileSystem(const std::string& type) {
  if (std::find(kFixedTypes.begin(), kFixedTypes.end(), type) != kFixedTypes.end()) {
    return DriveKind::Fixed;
  }
  if (std::find(kRemoteTypes.begin(), kRemoteTypes.end(), type) != kRemoteTypes.end()) {
    return DriveKind::Remote;
  }
  return std::nullopt;
}

MountTableDrives::MountTableDrives(std::filesystem::path table) : table_(std::move(table)) {}

std::vector<Drive> MountTableDrives::Drives() {
  std::ifstream in(table_);
  std::stringstream text;
  text << in.rdbuf();
  std::vector<MountEntry> mounts = ParseMountTable(text.str());

  // A later mount on the same folder hides the earlier one.
  std::vector<MountEntry> visible;
  for (auto it = mounts.rbegin(); it != mounts.rend(); ++it) {
    const bool hidden = std::any_of(visible.begin(), visible.end(), [&](const MountEntry& m) {
      return m.mountPoint == it->mountPoint;
    });
    if (!hidden) visible.insert(visible.begin(), *it);
  }
  // The root folder's file system comes first.
  std::stable_partition(visible.begin(), visible.end(),
                        [](const MountEntry& m) { return m.mountPoint == "/"; });

  std::vector<Drive> drives;
  char letter = 'C';
  for (const MountEntry& mount : visible) {
    if (letter > 'Z') break;
    const std::optional<DriveKind> kind = KindOfFileSystem(mount.type);
    std::error_code ec;
    // Files mounted over files (a container's /etc/hosts) are no drives.
    if (!kind || !std::filesystem::is_directory(mount.mountPoint, ec)) continue;
    struct statvfs fs {};
    if (statvfs(mount.mountPoint.c_str(), &fs) != 0) continue;
    Drive drive;
    drive.letter = letter++;
    drive.root = mount.mountPoint;
    drive.kind = *kind;
    drive.totalBytes = static_cast<std::uint64_t>(fs.f_blocks) * fs.f_frsize;
    drive.freeBytes = static_cast<std::uint64_t>(fs.f_bavail) * fs.f_frsize;
    drives.push_back(drive);
  }
  return drives;
}
