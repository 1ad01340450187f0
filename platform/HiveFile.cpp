#include "platform/HiveFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "platform/AtomicFile.h"

namespace {

bool WritableEntry(const std::filesystem::path& path, const struct stat& st) {
  return (st.st_mode & S_IWUSR) != 0 && ::access(path.c_str(), W_OK) == 0;
}

// An exclusive lock on the hive's lock file, held while it lives.
class HiveLock {
public:
  explicit HiveLock(const std::filesystem::path& hive) {
    std::filesystem::path lockFile = hive;
    lockFile += ".lock";
    fd_ = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0) return;
    int rc;
    do {
      rc = ::flock(fd_, LOCK_EX);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
      ::close(fd_);
      fd_ = -1;
    }
  }
  ~HiveLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  HiveLock(const HiveLock&) = delete;
  HiveLock& operator=(const HiveLock&) = delete;

  bool Held() const { return fd_ >= 0; }

private:
  int fd_ = -1;
};

}  // namespace

HiveFile::HiveFile(std::filesystem::path file, std::vector<RegRoot> roots)
    : file_(std::move(file)), roots_(std::move(roots)), cache_(roots_) {}

const RegHive& HiveFile::Load() const {
  struct stat st {};
  std::optional<std::string> text;
  if (::stat(file_.c_str(), &st) == 0 && S_ISREG(st.st_mode)) text = ReadWholeFile(file_);
  if (!text) {
    cache_ = RegHive(roots_);
    cacheValid_ = false;
    return cache_;
  }
  // The file's size and time cannot tell a changed hive for certain (a copy
  // that keeps its time, an inode used again within one clock tick): only
  // the parsing is saved when the text is the same.
  if (cacheValid_ && *text == cacheText_) return cache_;
  cache_ = RegHive::Parse(*text, roots_);
  cacheText_ = std::move(*text);
  cacheValid_ = true;
  return cache_;
}

bool HiveFile::Writable() const {
  struct stat st {};
  if (::stat(file_.c_str(), &st) == 0) {
    if (!S_ISREG(st.st_mode) || !WritableEntry(file_, st)) return false;
  } else if (errno != ENOENT) {
    return false;
  }
  // The folder, or the nearest folder above it that exists (it will be made).
  std::filesystem::path folder = file_.parent_path();
  if (folder.empty()) folder = ".";
  while (::stat(folder.c_str(), &st) != 0) {
    if (errno != ENOENT) return false;
    std::filesystem::path parent = folder.parent_path();
    if (parent.empty()) parent = ".";
    if (parent == folder) return false;
    folder = parent;
  }
  return S_ISDIR(st.st_mode) && WritableEntry(folder, st) && ::access(folder.c_str(), X_OK) == 0;
}

bool HiveFile::Update(const std::function<void(RegHive&)>& change) {
  if (!Writable()) return false;
  std::error_code ec;
  std::filesystem::create_directories(file_.parent_path(), ec);
  if (ec) return false;
  HiveLock lock(file_);
  if (!lock.Held()) return false;

  // Another writer may have changed the hive since it was last read here.
  RegHive hive(roots_);
  struct stat st {};
  if (::stat(file_.c_str(), &st) == 0) {
    const std::optional<std::string> text = ReadWholeFile(file_);
    if (!text) return false;  // a hive that cannot be read must not be overwritten
    hive = RegHive::Parse(*text, roots_);
  }
  change(hive);
  if (!WriteFileAtomically(file_, hive.Serialize())) return false;
  cacheValid_ = false;
  return true;
}
