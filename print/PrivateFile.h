#pragma once
// Files that a print run writes into a folder the user chose, each holding
// one employee's Social Security number and wages: created under a temporary
// name exclusively (never through a symbolic link, never over a file that is
// there), readable by their owner only, and given their name only where no
// file has it.

#include <string>

class TPrivateTempFile {
 public:
  // Creates ".quillmar-XXXXXX<suffix>" in `folder`, mode 0600 whatever the
  // umask. Failed() tells when it could not be made.
  TPrivateTempFile(const std::string& folder, const std::string& suffix);
  // Removes the temporary name (a file given its name keeps that one).
  ~TPrivateTempFile();
  TPrivateTempFile(const TPrivateTempFile&) = delete;
  TPrivateTempFile& operator=(const TPrivateTempFile&) = delete;

  bool Failed() const { return fd_ < 0; }
  const std::string& Path() const { return path_; }
  // True when the temporary name still names the file made here (nobody
  // swapped it for another file or a link) and the file is not empty.
  bool Filled() const;
  // Gives the file the name `path` unless something is there already (a
  // file, a link, a folder): 0 when done, EEXIST when the name is taken,
  // another errno when it cannot be done.
  int PublishAs(const std::string& path);

 private:
  std::string path_;
  int fd_ = -1;
  bool renamed_ = false;
};
