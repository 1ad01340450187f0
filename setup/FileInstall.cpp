#include "setup/FileInstall.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

#include "setup/SetupBoxes.h"
#include "setup/SetupDialogs.h"
#include "setup/SetupTexts.h"

namespace fs = std::filesystem;

namespace {

bool Exists(const fs::path& path) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(path, ec));
}

bool WriteAll(int fd, const char* data, ssize_t size) {
  while (size > 0) {
    const ssize_t written = write(fd, data, static_cast<std::size_t>(size));
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    size -= written;
  }
  return true;
}

}  // namespace

fs::path BackupName(const fs::path& destination) {
  const std::string name = destination.filename().string();
  const std::size_t dot = name.find('.', 1);
  const std::string backup = dot == std::string::npos
                                 ? name + kBackupSuffix
                                 : name.substr(0, dot) + kBackupSuffix + name.substr(dot);
  return destination.parent_path() / backup;
}

bool CopyFileContents(const fs::path& from, const fs::path& to) {
  const int in = open(from.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return false;
  const int out = open(to.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  bool ok = out >= 0;
  struct stat st {};
  ok = ok && fstat(in, &st) == 0;
  std::vector<char> buffer(1 << 16);
  while (ok) {
    const ssize_t got = read(in, buffer.data(), buffer.size());
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      ok = got == 0;
      break;
    }
    ok = WriteAll(out, buffer.data(), got);
  }
  ok = ok && fchmod(out, st.st_mode & 07777) == 0 && fsync(out) == 0;
  if (out >= 0 && close(out) != 0) ok = false;
  close(in);
  return ok;
}

bool CopyWithBackup(const fs::path& source, const fs::path& destination, ISetupBoxes& boxes,
                    ISetupDialogs& dialogs, const ContentCopier& copier) {
  dialogs.ShowWait(WaitBox::Installing);
  const fs::path backup = BackupName(destination);
  std::error_code ec;
  if (Exists(destination) && Exists(backup)) fs::remove(backup, ec);
  bool backedUp = false;
  if (Exists(destination)) {
    fs::rename(destination, backup, ec);
    backedUp = !ec;
  }

  std::string pattern =
      (destination.parent_path() / ("." + destination.filename().string() + ".setup-XXXXXX"))
          .string();
  std::vector<char> temp(pattern.begin(), pattern.end());
  temp.push_back('\0');
  const int fd = mkstemp(temp.data());
  bool copied = false;
  if (fd >= 0) {
    close(fd);
    const fs::path tempPath(temp.data());
    copied = copier(source, tempPath);
    if (copied) {
      fs::rename(tempPath, destination, ec);
      copied = !ec;
    }
    if (!copied) fs::remove(tempPath, ec);
  }
  dialogs.CloseWait();
  if (copied) return true;

  std::string text = CopyFailedText(source.string(), destination.string());
  if (backedUp) {
    fs::remove(destination, ec);
    fs::rename(backup, destination, ec);
    // Only a version that is really back under its name is reported restored.
    if (!ec) text += std::string("\n\n") + kRestoredSentence;
  }
  boxes.Show({kCopyErrorCaption, text, BoxIcon::Error, BoxButtons::Ok, true});
  return false;
}

bool EnsureFolder(const fs::path& folder, ISetupBoxes& boxes) {
  std::error_code ec;
  if (fs::is_directory(folder, ec)) return true;
  fs::create_directories(folder, ec);
  if (!ec && fs::is_directory(folder, ec)) return true;
  boxes.Show({kNoFolderCaption, NoFolderText(folder.string()), BoxIcon::Error});
  return false;
}
