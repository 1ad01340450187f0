#pragma once
// Small rules on file paths.

#include <string>

// The folder of a path with its trailing separator ("/data/acme.qmr" ->
// "/data/"); empty for a bare file name.
inline std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}
