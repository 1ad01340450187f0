#pragma once
// Puts the data file back at the position it had, also when a walk over its
// records (the totals, a print run, the wage file) is ended early by an error.

#include <cstdint>

#include "data/QuillmarFormFile.h"

class KeepFilePosition {
 public:
  explicit KeepFilePosition(TQuillmarFormFile& file) : file_(file), saved_(file.Position()) {}
  ~KeepFilePosition() { file_.Seek(saved_); }
  KeepFilePosition(const KeepFilePosition&) = delete;
  KeepFilePosition& operator=(const KeepFilePosition&) = delete;

 private:
  TQuillmarFormFile& file_;
  std::int64_t saved_;
};
