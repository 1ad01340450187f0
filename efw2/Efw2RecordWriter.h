#pragma once
// Writes the records of a wage file into one string, field by field, at the
// 1-based positions of the layout tables: each record 512 characters and CR LF.

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "efw2/Efw2Layout.h"

namespace efw2 {

// Writes records into one string, field by field, at the positions of the layout.
class RecordWriter {
 public:
  explicit RecordWriter(std::string& out) : out_(out) {}

  void Start(std::string_view id) {
    start_ = out_.size();
    out_.append(kRecordLength, ' ');
    Text(Field{1, 2}, id);
  }
  // Left-justified, cut to the field, blanks after it.
  void Text(Field f, std::string_view text) {
    const std::size_t n = std::min(text.size(), static_cast<std::size_t>(f.len));
    std::copy_n(text.data(), n, out_.begin() + static_cast<std::ptrdiff_t>(Offset(f)));
  }
  void Char(Field f, char c) { out_[Offset(f)] = c; }
  // Right-justified digits with zeros before them.
  void Number(Field f, std::uint64_t value) {
    std::size_t at = Offset(f) + static_cast<std::size_t>(f.len);
    for (int i = 0; i < f.len; ++i) {
      out_[--at] = static_cast<char>('0' + value % 10);
      value /= 10;
    }
    if (value != 0) throw std::logic_error("a number does not fit its field of the wage file");
  }
  // Every record ends with CR LF, the last one too. (Unverified: the
  // publication's wording on record terminators is not confirmed; CR LF is
  // what most producers write and what SSA's checker takes.)
  void End() {
    if (out_.size() - start_ != kRecordLength)
      throw std::logic_error("a wage file record is not 512 long");
    out_ += "\r\n";
  }

 private:
  std::size_t Offset(Field f) const { return start_ + static_cast<std::size_t>(f.pos - 1); }
  std::string& out_;
  std::size_t start_ = 0;
};

}  // namespace efw2
