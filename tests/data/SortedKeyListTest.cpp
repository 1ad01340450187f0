// The order and duplicate rules of the name and SSN indexes.

#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <string>
#include <vector>

#include "data/SortedKeyList.h"

namespace {

int Sign(int v) { return (v > 0) - (v < 0); }

TEST(SortedKeyList, ComparesAsciiUpperCaseFormsByteByByte) {
  struct Case {
    const char* a;
    const char* b;
    int sign;
  };
  const Case cases[] = {
      {"smith", "SMITH", 0},
      {"a", "b", -1},
      {"B", "a", 1},
      {"[", "a", 1},  // '[' follows 'Z', so it follows 'a' too
      {"SMITH", "SMITH, JOHN", -1},
      {"SMITH JR", "SMITH, JOHN", -1},  // blank before comma
      {"\xe9", "z", 1},                 // Windows-1252 letters after ASCII, case kept
      {"\xe9", "\xc9", 1},
      {"", "", 0},
      {"", "A", -1},
      {"123-45-6789", "123-45-6788", 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Sign(SortedKeyList::CompareKeys(c.a, c.b)), c.sign) << c.a << " vs " << c.b;
    EXPECT_EQ(Sign(SortedKeyList::CompareKeys(c.b, c.a)), -c.sign) << c.b << " vs " << c.a;
  }
}

TEST(SortedKeyList, EqualNameKeysGoInFrontAndLookupFindsTheFirst) {
  std::deque<TQuillmarFileOfs> ofs{{1280}, {1920}, {2560}, {3200}};
  SortedKeyList names(SortedKeyList::Duplicates::Accept);
  EXPECT_EQ(names.Add("SMITH", &ofs[0]), 0);
  EXPECT_EQ(names.Add("ADAMS", &ofs[1]), 0);
  EXPECT_EQ(names.Add("smith", &ofs[2]), 1);  // in front of the equal key
  EXPECT_EQ(names.Add("ZED", &ofs[3]), 3);
  int at = -1;
  ASSERT_TRUE(names.Find("Smith", at));
  EXPECT_EQ(at, 1);
  EXPECT_EQ(names.Object(at)->Offset, 2560);
  EXPECT_FALSE(names.Find("MILLER", at));
  EXPECT_EQ(at, 1);  // where it would go
  EXPECT_EQ(names.IndexOfObject("SMITH", &ofs[0]), 2);
  names.Delete(2);
  EXPECT_EQ(names.IndexOfObject("SMITH", &ofs[0]), -1);
  EXPECT_EQ(names.Count(), 3);
}

TEST(SortedKeyList, SsnIndexIgnoresAKeyAlreadyPresent) {
  std::deque<TQuillmarFileOfs> ofs{{1280}, {1920}};
  SortedKeyList ssns(SortedKeyList::Duplicates::Ignore);
  EXPECT_EQ(ssns.Add("123-45-6789", &ofs[0]), 0);
  EXPECT_EQ(ssns.Add("123-45-6789", &ofs[1]), -1);
  ASSERT_EQ(ssns.Count(), 1);
  EXPECT_EQ(ssns.Object(0), &ofs[0]);
}

// Building an index from a whole scan gives exactly what adding the scanned
// entries one by one gives, equal keys included.
TEST(SortedKeyList, LoadingAScanEqualsAddingItOneByOne) {
  const std::vector<std::string> pool = {"",  "a",   "A",   "ab",   "AB",   "b",
                                         "B", "a b", "a,b", "\xe9", "\xc9", "z"};
  std::mt19937 rng(1998);
  std::uniform_int_distribution<std::size_t> pick(0, pool.size() - 1);
  for (int round = 0; round < 200; ++round) {
    const std::size_t n = round % 40;
    std::deque<TQuillmarFileOfs> ofs;
    std::vector<SortedKeyList::Entry> scan;
    for (std::size_t i = 0; i < n; ++i) {
      ofs.push_back({static_cast<std::int64_t>(1280 + 640 * i)});
      scan.push_back({pool[pick(rng)], &ofs.back()});
    }
    for (auto mode : {SortedKeyList::Duplicates::Accept, SortedKeyList::Duplicates::Ignore}) {
      SortedKeyList added(mode);
      for (const SortedKeyList::Entry& e : scan) added.Add(e.Key, e.Object);
      SortedKeyList loaded(mode);
      loaded.Load(scan);
      ASSERT_EQ(loaded.Count(), added.Count()) << round;
      for (int i = 0; i < added.Count(); ++i) {
        EXPECT_EQ(loaded.Key(i), added.Key(i)) << round << " at " << i;
        EXPECT_EQ(loaded.Object(i), added.Object(i)) << round << " at " << i;
      }
    }
  }
}

}  // namespace
