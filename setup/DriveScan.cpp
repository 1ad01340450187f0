#include "setup/DriveScan.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <utility>

namespace fs = std::filesystem;

namespace {

// Linux keeps no archive flag: every file counts as changed since its last
// backup, as a freshly copied program does on Windows.
std::string Attributes(const fs::path& path, const struct stat& st) {
  std::string attributes = "      ";
  if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) attributes[0] = 'R';
  if (path.filename().string().starts_with('.')) attributes[1] = 'H';
  attributes[5] = 'A';
  return attributes;
}

}  // namespace

std::vector<FoundCopy> ScanForProgram(const fs::path& root, const std::string& fileName) {
  std::vector<FoundCopy> found;
  struct stat rootStat {};
  if (lstat(root.c_str(), &rootStat) != 0 || !S_ISDIR(rootStat.st_mode)) return found;

  std::set<std::pair<dev_t, ino_t>> visited;
  std::vector<fs::path> pending{root};
  while (!pending.empty()) {
    const fs::path folder = std::move(pending.back());
    pending.pop_back();
    struct stat folderStat {};
    if (lstat(folder.c_str(), &folderStat) != 0 || !S_ISDIR(folderStat.st_mode) ||
        folderStat.st_dev != rootStat.st_dev ||
        !visited.insert({folderStat.st_dev, folderStat.st_ino}).second) {
      continue;
    }
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec), end;
         !ec && it != end; it.increment(ec)) {
      names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());

    const fs::path candidate = folder / fileName;
    struct stat st {};
    if (std::binary_search(names.begin(), names.end(), fileName) &&
        lstat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
      found.push_back({candidate, static_cast<std::uintmax_t>(st.st_size), st.st_mtime,
                       Attributes(candidate, st)});
    }
    // Pushed last to first, so the first subfolder is searched next.
    for (auto it = names.rbegin(); it != names.rend(); ++it) {
      if (it->find('.') != std::string::npos) continue;
      const fs::path sub = folder / *it;
      struct stat subStat {};
      if (lstat(sub.c_str(), &subStat) == 0 && S_ISDIR(subStat.st_mode)) pending.push_back(sub);
    }
  }
  return found;
}

bool TrustedFolder(const fs::path& folder, unsigned user, unsigned group) {
  std::error_code ec;
  fs::path at = fs::absolute(folder, ec).lexically_normal();
  if (ec) return false;
  for (bool own = true;; own = false) {
    struct stat st {};
    if (lstat(at.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    if (st.st_uid != user && st.st_uid != 0) return false;
    const bool othersWrite =
        (st.st_mode & S_IWOTH) != 0 || ((st.st_mode & S_IWGRP) != 0 && st.st_gid != group);
    if (othersWrite && (own || (st.st_mode & S_ISVTX) == 0)) return false;
    if (!at.has_relative_path()) return true;  // the root checked
    at = at.parent_path();
  }
}

std::string FoundCopyEntry(const FoundCopy& copy) {
  struct tm local {};
  localtime_r(&copy.modified, &local);
  char date[32];
  std::snprintf(date, sizeof date, "%04d/%02d/%02d", local.tm_year + 1900, local.tm_mon + 1,
                local.tm_mday);
  return copy.path.string() + "  " + std::to_string(copy.size) + "  " + date + "  [" +
         copy.attributes + "]";
}
