#include "data/SortedKeyList.h"

#include <algorithm>

#include "platform/AsciiText.h"

int SortedKeyList::CompareKeys(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char x = static_cast<unsigned char>(UpperAscii(a[i]));
    const unsigned char y = static_cast<unsigned char>(UpperAscii(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool SortedKeyList::Find(std::string_view key, int& index) const {
  const auto it = std::lower_bound(
      entries_.begin(), entries_.end(), key,
      [](const Entry& e, std::string_view k) { return CompareKeys(e.Key, k) < 0; });
  index = static_cast<int>(it - entries_.begin());
  return it != entries_.end() && CompareKeys(it->Key, key) == 0;
}

int SortedKeyList::Add(std::string key, TQuillmarFileOfs* object) {
  int index = 0;
  if (Find(key, index) && duplicates_ == Duplicates::Ignore) return -1;
  entries_.insert(entries_.begin() + index, Entry{std::move(key), object});
  return index;
}

void SortedKeyList::Delete(int index) { entries_.erase(entries_.begin() + index); }

int SortedKeyList::IndexOfObject(std::string_view key, const TQuillmarFileOfs* object) const {
  int index = 0;
  if (Find(key, index)) {
    for (int i = index;
         i < Count() && CompareKeys(entries_[static_cast<std::size_t>(i)].Key, key) == 0; ++i) {
      if (entries_[static_cast<std::size_t>(i)].Object == object) return i;
    }
  }
  for (int i = 0; i < Count(); ++i) {
    if (entries_[static_cast<std::size_t>(i)].Object == object) return i;
  }
  return -1;
}

void SortedKeyList::Load(std::vector<Entry> scanned) {
  const auto less = [](const Entry& a, const Entry& b) { return CompareKeys(a.Key, b.Key) < 0; };
  if (duplicates_ == Duplicates::Accept) {
    // Each later insertion goes in front of its equals: equal keys end up in
    // the reverse of the scanning order.
    std::reverse(scanned.begin(), scanned.end());
    std::stable_sort(scanned.begin(), scanned.end(), less);
  } else {
    // The first one scanned stays, later equals are dropped.
    std::stable_sort(scanned.begin(), scanned.end(), less);
    const auto last =
        std::unique(scanned.begin(), scanned.end(),
                    [](const Entry& a, const Entry& b) { return CompareKeys(a.Key, b.Key) == 0; });
    scanned.erase(last, scanned.end());
  }
  entries_ = std::move(scanned);
}
