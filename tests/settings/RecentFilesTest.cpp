// The recent files of the File menu: latest first, once only, at most four.

#include <gtest/gtest.h>

#include "settings/QuillmarRegistry.h"

TEST(RecentFiles, LatestFirstOnceOnlyAtMostFour) {
  using Files = std::vector<std::string>;
  const Files four = {"/d.qmr", "/c.qmr", "/b.qmr", "/a.qmr"};
  EXPECT_EQ(TQuillmarRegistry::WithRecentFile(four, "/b.qmr"),
            (Files{"/b.qmr", "/d.qmr", "/c.qmr", "/a.qmr"}));
  EXPECT_EQ(TQuillmarRegistry::WithRecentFile(four, "/e.qmr"),
            (Files{"/e.qmr", "/d.qmr", "/c.qmr", "/b.qmr"}));
}
