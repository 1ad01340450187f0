#pragma once
// One registry hive on disk. Reading needs no lock: the file is only ever
// replaced whole. A change is made under an exclusive lock on a lock file
// beside the hive, on the hive as it is on disk at that moment, and written
// back atomically, so two stores (in this or another running program) never
// lose each other's writes and a crash never leaves a torn hive.
//
// The hive is read and parsed once per change of the file: a file whose
// identity, size and change time are those of the last read is not read
// again once that change time lies clearly in the past (a change within the
// same tick of the file system's clock could keep it; the text tells then).

#include <sys/stat.h>
#include <sys/types.h>

#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/RegHive.h"

class HiveFile {
 public:
  HiveFile(std::filesystem::path file, std::vector<RegRoot> roots);

  const std::filesystem::path& File() const { return file_; }

  // The hive as it is on disk now; an empty hive when the file is missing or
  // cannot be read. Valid until the next call of Load or Update.
  const RegHive& Load() const;

  // Whether a change may be tried: the hive file (when it exists) and its
  // folder (or the nearest existing folder above it) are writable. A file or
  // folder without its owner's write permission counts as read-only for every
  // user, the superuser included.
  bool Writable() const;

  // Applies `change` to the current hive and writes it back. False (and the
  // file unchanged) when the hive is read-only, cannot be read or cannot be
  // written.
  bool Update(const std::function<void(RegHive&)>& change);

 private:
  std::filesystem::path file_;
  std::vector<RegRoot> roots_;

  // Makes `text`, read from the file as `st` describes it, the cached hive.
  void Remember(std::string text, const struct stat& st) const;
  // Notes the file's state `st` as that of the cached text.
  void Stamp(const struct stat& st) const;
  void Forget() const;

  // The last hive read, the text it was read from and the file's state then.
  mutable RegHive cache_;
  mutable bool cacheValid_ = false;
  mutable bool cacheSettled_ = false;  // the file's state alone tells a change
  mutable std::string cacheText_;
  mutable dev_t cacheDev_ = 0;
  mutable ino_t cacheIno_ = 0;
  mutable off_t cacheSize_ = 0;
  mutable timespec cacheMtime_{};
  mutable timespec cacheCtime_{};
};
