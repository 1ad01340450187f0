// The recent files of the File menu, kept in the registry.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/QuillmarRegistry.h"
#include "tests/support/TempDir.h"

namespace {

using Files = std::vector<std::string>;

TEST(RecentFiles, LatestFirstOnceOnlyAtMostFourAndKeptAcrossStarts) {
  struct Step {
    const char* opened;
    Files list;
  };
  const Step steps[] = {
      {"/a.qmr", {"/a.qmr"}},
      {"/b.qmr", {"/b.qmr", "/a.qmr"}},
      {"/a.qmr", {"/a.qmr", "/b.qmr"}},  // opened again: moved up, not doubled
      {"/c.qmr", {"/c.qmr", "/a.qmr", "/b.qmr"}},
      {"/d e.qmr", {"/d e.qmr", "/c.qmr", "/a.qmr", "/b.qmr"}},
      {"/f.qmr", {"/f.qmr", "/d e.qmr", "/c.qmr", "/a.qmr"}},  // the oldest goes
  };
  TempDir dir;
  for (const Step& step : steps) {
    TQuillmarRegistry registry(dir.Path());
    registry.WriteRecentFiles(
        TQuillmarRegistry::WithRecentFile(registry.ReadRecentFiles(), step.opened));
    EXPECT_EQ(TQuillmarRegistry(dir.Path()).ReadRecentFiles(), step.list) << step.opened;
  }
}

}  // namespace
