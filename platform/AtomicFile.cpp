#include "platform/AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <string>

#include "platform/PosixFile.h"

namespace {

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

// `privateMode`: 0600 whatever the file replaced; otherwise a file that
// exists keeps the permissions its owner gave it.
IoResult WriteAtomically(const std::filesystem::path& file, std::string_view contents,
                         bool privateMode) {
  // A name of our own, so that two writers never share a temporary file.
  // Readable by the user only from the start: what it holds may be private.
  std::filesystem::path temp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = TempFileName(file);
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0600);
    if (fd < 0 && errno != EEXIST) return IoResult{errno};
  }
  if (fd < 0) return IoResult{EEXIST};
  struct stat existing {};
  // Held while it works, so that nobody takes the file for a leftover.
  IoResult result = LockWhole(fd);
  if (result && !privateMode && ::stat(file.c_str(), &existing) == 0 &&
      ::fchmod(fd, existing.st_mode & 07777) != 0) {
    result = IoResult{errno};
  }
  if (result) result = WriteAll(fd, contents.data(), contents.size());
  if (result) result = SyncFile(fd);
  if (::close(fd) != 0 && result) result = IoResult{errno};
  if (result && ::rename(temp.c_str(), file.c_str()) != 0) result = IoResult{errno};
  if (!result) {
    ::unlink(temp.c_str());
    return result;
  }
  // Makes the rename itself durable.
  (void)SyncFolderOf(file.string());
  return {};
}

}  // namespace

IoResult WriteFileAtomically(const std::filesystem::path& file, std::string_view contents) {
  return WriteAtomically(file, contents, false);
}

IoResult WritePrivateFileAtomically(const std::filesystem::path& file, std::string_view contents) {
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
