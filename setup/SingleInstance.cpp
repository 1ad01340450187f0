#include "setup/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

SingleInstance::~SingleInstance() {
  if (fd_ >= 0) close(fd_);
}

bool SingleInstance::Acquire(const std::filesystem::path& lockFile) {
  const int fd = open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return true;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const bool held = errno == EWOULDBLOCK;
    close(fd);
    return !held;
  }
  if (fd_ >= 0) close(fd_);
  fd_ = fd;
  return true;
}

std::filesystem::path SingleInstance::DefaultLockFile() {
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime == '/') {
    return std::filesystem::path(runtime) / "Tolvane_Setup.lock";
  }
  std::error_code ec;
  return std::filesystem::temp_directory_path(ec) /
         ("Tolvane_Setup-" + std::to_string(getuid()) + ".lock");
}
