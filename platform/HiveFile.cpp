#include "platform/HiveFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <ctime>
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

// How long after its last change a file's state alone tells a later change:
// far beyond the clock tick of any file system, and a network file server's
// small clock difference.
constexpr std::int64_t kSettleNanos = 100'000'000;

bool SameTime(const timespec& a, const timespec& b) {
  return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

}  // namespace

HiveFile::HiveFile(std::filesystem::path file, std::vector<RegRoot> roots)
    : file_(std::move(file)), roots_(std::move(roots)), cache_(roots_) {}

const RegHive& HiveFile::Load() const {
  struct stat st {};
  if (::stat(file_.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
    Forget();
    return cache_;
  }
  if (cacheValid_ && cacheSettled_ && st.st_dev == cacheDev_ && st.st_ino == cacheIno_ &&
      st.st_size == cacheSize_ && SameTime(st.st_mtim, cacheMtime_) &&
      SameTime(st.st_ctim, cacheCtime_)) {
    return cache_;
  }
  std::optional<std::string> text = ReadWholeFile(file_);
  if (!text) {
    Forget();
    return cache_;
  }
  Remember(std::move(*text), st);
  return cache_;
}

void HiveFile::Remember(std::string text, const struct stat& st) const {
  // The same text again (a copy put back, a change undone) needs no parsing.
  if (!cacheValid_ || text != cacheText_) cache_ = RegHive::Parse(text, roots_);
  cacheText_ = std::move(text);
  cacheValid_ = true;
  Stamp(st);
}

void HiveFile::Stamp(const struct stat& st) const {
  cacheDev_ = st.st_dev;
  cacheIno_ = st.st_ino;
  cacheSize_ = st.st_size;
  cacheMtime_ = st.st_mtim;
  cacheCtime_ = st.st_ctim;
  // Any later change of the file gets a later change time, unless it falls
  // within the clock tick of this one: until that tick is clearly over, the
  // text is compared as well.
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  const auto nanos = [](const timespec& t) {
    return std::int64_t{t.tv_sec} * 1000000000 + t.tv_nsec;
  };
  cacheSettled_ = nanos(now) - nanos(st.st_ctim) > kSettleNanos;
}

void HiveFile::Forget() const {
  cache_ = RegHive(roots_);
  cacheValid_ = false;
  cacheText_.clear();
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

  // A writer killed part way left its temporary file: every writer holds
  // the lock while it has one.
  RemoveLeftoverTempFiles(file_);

  // Another writer may have changed the hive since it was last read here.
  RegHive hive(roots_);
  struct stat st {};
  if (::stat(file_.c_str(), &st) == 0) {
    std::optional<std::string> text = ReadWholeFile(file_);
    if (!text) return false;  // a hive that cannot be read must not be overwritten
    if (cacheValid_ && *text == cacheText_) {
      hive = std::move(cache_);
    } else {
      hive = RegHive::Parse(*text, roots_);
    }
  }
  Forget();
  change(hive);
  std::string text = hive.Serialize();
  if (!WriteFileAtomically(file_, text)) return false;
  // Nobody else writes while the lock is held: what is on disk now is this.
  if (::stat(file_.c_str(), &st) == 0) {
    cache_ = std::move(hive);
    cacheText_ = std::move(text);
    cacheValid_ = true;
    Stamp(st);
  }
  return true;
}
