#include "platform/AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <string>

namespace {

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t written = ::write(fd, data.data(), data.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Makes the rename itself durable.
void SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

bool AllDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Whether `name` is "<base>.new-<pid>-<n>".
bool IsTempNameOf(std::string_view name, std::string_view base) {
  const std::string prefix = std::string(base) + ".new-";
  if (name.substr(0, prefix.size()) != prefix) return false;
  name.remove_prefix(prefix.size());
  const std::size_t dash = name.find('-');
  return dash != std::string_view::npos && AllDigits(name.substr(0, dash)) &&
         AllDigits(name.substr(dash + 1));
}

bool LockFile(int fd) {
  struct flock lock {};
  lock.l_type = F_WRLCK;
  lock.l_whence = SEEK_SET;
  return ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

}  // namespace

std::filesystem::path TempFileName(const std::filesystem::path& file) {
  static std::atomic<unsigned> counter{0};
  std::filesystem::path temp = file;
  temp += ".new-" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
  return temp;
}

void RemoveLeftoverTempFiles(const std::filesystem::path& file) {
  const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
  const std::string base = file.filename().string();
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  while (const dirent* entry = ::readdir(dir)) {
    if (!IsTempNameOf(entry->d_name, base)) continue;
    const int fd = ::openat(::dirfd(dir), entry->d_name,
                            O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) continue;
    struct stat st {};
    struct flock probe {};
    probe.l_type = F_WRLCK;
    probe.l_whence = SEEK_SET;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::fcntl(fd, F_OFD_GETLK, &probe) == 0 &&
        probe.l_type == F_UNLCK) {
      ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::close(fd);
  }
  ::closedir(dir);
}

namespace {

// `privateMode`: created 0600 and kept so; otherwise the mode of the file replaced.
bool WriteAtomically(const std::filesystem::path& file, std::string_view contents,
                     bool privateMode) {
  // A name of our own, so that two writers never share a temporary file.
  std::filesystem::path temp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = TempFileName(file);
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, privateMode ? 0600 : 0666);
    if (fd < 0 && errno != EEXIST) return false;
  }
  if (fd < 0) return false;
  struct stat existing {};
  // Held while it works, so that nobody takes the file for a leftover.
  bool ok = LockFile(fd);
  if (privateMode) {
    ok = ok && ::fchmod(fd, 0600) == 0;
  } else if (ok && ::stat(file.c_str(), &existing) == 0) {
    ok = ::fchmod(fd, existing.st_mode & 07777) == 0;
  }
  ok = ok && WriteAll(fd, contents) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok) ok = ::rename(temp.c_str(), file.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  SyncFolder(file.parent_path());
  return true;
}

}  // namespace

bool WriteFileAtomically(const std::filesystem::path& file, std::string_view contents) {
  return WriteAtomically(file, contents, false);
}

bool WritePrivateFileAtomically(const std::filesystem::path& file, std::string_view contents) {
  return WriteAtomically(file, contents, true);
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string contents;
  char buffer[16384];
  while (true) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      return std::nullopt;
    }
    if (got == 0) break;
    contents.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(fd);
  return contents;
}
