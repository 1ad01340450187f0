#include "print/PrivateFile.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

TPrivateTempFile::TPrivateTempFile(const std::string& folder, const std::string& suffix) {
  std::string pattern = folder.empty() || folder.back() == '/' ? folder : folder + "/";
  pattern += ".quillmar-XXXXXX" + suffix;
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  // mkostemps creates with O_CREAT | O_EXCL (a link in the way is refused,
  // never followed) and mode 0600.
  fd_ = ::mkostemps(name.data(), static_cast<int>(suffix.size()), O_CLOEXEC);
  if (fd_ >= 0) path_.assign(name.data());
}

TPrivateTempFile::~TPrivateTempFile() {
  if (fd_ < 0) return;
  if (renamed_) {
    ::close(fd_);
    return;
  }
  // Only while the name is still ours: a file put in its place is not touched.
  struct stat mine {};
  struct stat named {};
  if (::fstat(fd_, &mine) == 0 && ::lstat(path_.c_str(), &named) == 0 &&
      mine.st_dev == named.st_dev && mine.st_ino == named.st_ino) {
    ::unlink(path_.c_str());
  }
  ::close(fd_);
}

bool TPrivateTempFile::Filled() const {
  struct stat mine {};
  struct stat named {};
  return fd_ >= 0 && !renamed_ && ::fstat(fd_, &mine) == 0 && ::lstat(path_.c_str(), &named) == 0 &&
         S_ISREG(named.st_mode) && mine.st_dev == named.st_dev && mine.st_ino == named.st_ino &&
         mine.st_size > 0;
}

int TPrivateTempFile::PublishAs(const std::string& path) {
  if (!Filled()) return EIO;
  // link() never replaces what is at `path`, nor follows a link there.
  if (::link(path_.c_str(), path.c_str()) == 0) return 0;
  if (errno == EEXIST) return EEXIST;
  // File systems without hard links (FAT, some network shares).
  if (::renameat2(AT_FDCWD, path_.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0) {
    renamed_ = true;  // the temporary name is gone
    return 0;
  }
  return errno;
}
