#pragma once
// Tells whether another copy of setup is running for this user: the first
// copy holds a lock on a file in the user's runtime folder until it ends.

#include <filesystem>

class SingleInstance {
 public:
  SingleInstance() = default;
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // False when another copy holds the lock. A lock file that cannot be made
  // at all does not keep setup from running.
  bool Acquire(const std::filesystem::path& lockFile);

  // $XDG_RUNTIME_DIR/Tolvane_Setup.lock, else one per user in the temp folder.
  static std::filesystem::path DefaultLockFile();

 private:
  int fd_ = -1;
};
