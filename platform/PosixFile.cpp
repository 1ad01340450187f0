#include "platform/PosixFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace {

IoFault& Fault() {
  static IoFault fault;
  return fault;
}

int InjectedFault(IoStep step, int fd) { return Fault() ? Fault()(step, fd) : 0; }

IoResult Errno() { return IoResult{errno != 0 ? errno : EIO}; }

}  // namespace

IoFault SetIoFault(IoFault fault) { return std::exchange(Fault(), std::move(fault)); }

IoResult WriteAllAt(int fd, std::int64_t offset, const void* data, std::size_t count) {
  if (const int fault = InjectedFault(IoStep::Write, fd)) return IoResult{fault};
  const auto* in = static_cast<const unsigned char*>(data);
  std::size_t done = 0;
  while (done < count) {
    const ssize_t n =
        ::pwrite(fd, in + done, count - done, static_cast<off_t>(offset + std::int64_t(done)));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Errno();
    // A write that writes nothing and says no more: the medium has no room.
    if (n == 0) return IoResult{ENOSPC};
    done += static_cast<std::size_t>(n);
  }
  return {};
}

IoResult WriteAll(int fd, const void* data, std::size_t count) {
  if (const int fault = InjectedFault(IoStep::Write, fd)) return IoResult{fault};
  const auto* in = static_cast<const unsigned char*>(data);
  while (count > 0) {
    const ssize_t n = ::write(fd, in, count);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Errno();
    if (n == 0) return IoResult{ENOSPC};
    in += n;
    count -= static_cast<std::size_t>(n);
  }
  return {};
}

IoResult ReadFullAt(int fd, std::int64_t offset, void* data, std::size_t count, std::size_t& got) {
  auto* out = static_cast<unsigned char*>(data);
  got = 0;
  if (offset < 0) return IoResult{EINVAL};
  while (got < count) {
    const ssize_t n =
        ::pread(fd, out + got, count - got, static_cast<off_t>(offset + std::int64_t(got)));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Errno();
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  return {};
}

IoResult SyncData(int fd) {
  if (const int fault = InjectedFault(IoStep::Sync, fd)) return IoResult{fault};
  return ::fdatasync(fd) == 0 ? IoResult{} : Errno();
}

IoResult SyncFile(int fd) {
  if (const int fault = InjectedFault(IoStep::Sync, fd)) return IoResult{fault};
  return ::fsync(fd) == 0 ? IoResult{} : Errno();
}

IoResult SyncFolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  const std::string folder =
      slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return Errno();
  const IoResult synced = SyncFile(dir);
  ::close(dir);
  return synced;
}

IoResult LockWhole(int fd) {
  struct flock lock {};
  lock.l_type = F_WRLCK;
  lock.l_whence = SEEK_SET;
  lock.l_start = 0;
  lock.l_len = 0;  // the whole file, however long it grows
  return ::fcntl(fd, F_OFD_SETLK, &lock) == 0 ? IoResult{} : Errno();
}

std::string IoErrorText(int error) {
  switch (error) {
    case ENOSPC:
    case EDQUOT:
      return "The disk is full.";
    case EROFS:
      return "The medium is read-only.";
    case EIO:
      return "An input/output error occurred.";
    case EACCES:
    case EPERM:
      return "Access is denied.";
    default:
      break;
  }
  char buffer[256];
  // The GNU strerror_r, which may return a static text instead of filling the buffer.
  std::string text = ::strerror_r(error, buffer, sizeof buffer);
  return text + ".";
}
