#pragma once
// A sorted list of keys, each with the index entry of one W-2 record: the
// name index and the SSN index of an open data file.
//
// Order: the keys' ASCII upper-case forms compared byte by byte (Windows-1252
// bytes above 127 keep their value). A key equal to keys already in the list
// goes in front of them; a lookup finds the first of equal keys. A list that
// ignores duplicates leaves an insertion whose key is present unmade.

#include <string>
#include <string_view>
#include <vector>

#include "data/QuillmarFileOfs.h"

class SortedKeyList {
 public:
  enum class Duplicates { Accept, Ignore };

  struct Entry {
    std::string Key;
    TQuillmarFileOfs* Object;
  };

  explicit SortedKeyList(Duplicates duplicates) : duplicates_(duplicates) {}

  // Negative, zero or positive as a sorts before, with or after b.
  static int CompareKeys(std::string_view a, std::string_view b);

  int Count() const { return static_cast<int>(entries_.size()); }
  const std::string& Key(int index) const {
    return entries_.at(static_cast<std::size_t>(index)).Key;
  }
  TQuillmarFileOfs* Object(int index) const {
    return entries_.at(static_cast<std::size_t>(index)).Object;
  }
  const std::vector<Entry>& Entries() const { return entries_; }

  // True and the position of the first entry with an equal key; otherwise
  // false and the position where the key would go.
  bool Find(std::string_view key, int& index) const;
  // Inserts the entry in order and returns its position; -1 when the list
  // ignores duplicates and the key is present.
  int Add(std::string key, TQuillmarFileOfs* object);
  void Delete(int index);
  // The position of the entry holding `object`, looked for among the entries
  // with an equal key first, then in the whole list; -1 when none holds it.
  int IndexOfObject(std::string_view key, const TQuillmarFileOfs* object) const;

  // Replaces the contents with the given entries, which come in the order a
  // file scan met them. The result is the same as adding them one by one in
  // that order, in O(n log n).
  void Load(std::vector<Entry> scanned);
  void Clear() { entries_.clear(); }

 private:
  Duplicates duplicates_;
  std::vector<Entry> entries_;
};
