// Small rules on file paths.

#include <gtest/gtest.h>

#include "platform/FilePaths.h"

namespace {

TEST(FilePaths, FolderKeepsItsTrailingSeparator) {
  EXPECT_EQ(FolderOf("/home/a/acme.qmr"), "/home/a/");
  EXPECT_EQ(FolderOf("/acme.qmr"), "/");
  EXPECT_EQ(FolderOf("acme.qmr"), "");
}

}  // namespace
