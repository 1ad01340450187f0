// main() of the widget tests: a QApplication (offscreen unless the caller
// chose a platform) around GoogleTest. The run gets a home and XDG folders
// of its own, so that nothing Qt or the program writes lands outside it.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <cstdlib>
#include <string>

#include "tests/support/TempDir.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const TempDir home;
  const std::string runtime = home.File("runtime");
  mkdir(runtime.c_str(), 0700);
  setenv("HOME", home.Path().c_str(), 1);
  setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  setenv("XDG_CONFIG_HOME", home.File("config").c_str(), 1);
  setenv("XDG_DATA_HOME", home.File("data").c_str(), 1);
  setenv("XDG_CACHE_HOME", home.File("cache").c_str(), 1);
  int result = 0;
  {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    result = RUN_ALL_TESTS();
  }
  return result;
}
