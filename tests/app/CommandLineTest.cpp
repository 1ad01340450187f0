#include <gtest/gtest.h>

#include "app/CommandLine.h"

TEST(CommandLine, NewFileExtensionCompletion) {
  struct Case {
    std::string typed;
    std::string expected;
  };
  const Case cases[] = {
      {"/data/payroll", "/data/payroll.qmr"},
      {"/data/payroll.", "/data/payroll.qmr"},
      {"/data/payroll.   ", "/data/payroll.qmr"},
      {"/data/payroll.txt", "/data/payroll.txt"},
      {"/data/payroll.QMR", "/data/payroll.QMR"},
      {"/data/payroll.  ", "/data/payroll.  "},          // two spaces: an extension of its own
      {"/my.folder/payroll", "/my.folder/payroll.qmr"},  // a dot in the folder is no extension
      {"payroll", "payroll.qmr"},
  };
  for (const Case& c : cases) EXPECT_EQ(CompleteNewFileExtension(c.typed), c.expected) << c.typed;
}

TEST(CommandLine, PrintFlagAndFileName) {
  struct Case {
    std::vector<std::string> args;
    bool print;
    std::string file;
  };
  const Case cases[] = {
      {{}, false, ""},
      {{"/home/a/acme.qmr"}, false, "/home/a/acme.qmr"},
      {{"/p", "/home/a/acme.qmr"}, true, "/home/a/acme.qmr"},
      {{"/home/a/acme.qmr", "/P"}, true, "/home/a/acme.qmr"},
      {{"x/print", "b.QmR"}, true, "b.QmR"},               // "/P" anywhere, any case
      {{"first.qmr", "second.qmr"}, false, "second.qmr"},  // a later file replaces an earlier
      {{"notes.txt", "--verbose"}, false, ""},             // others are ignored
      {{"/p/acme.qmr"}, false, "/p/acme.qmr"},  // a path through a folder named p is a file
      {{"/home/pat/payroll/acme.qmr"}, false, "/home/pat/payroll/acme.qmr"},
      {{"/p", "/srv/Payroll/acme.QMR"}, true, "/srv/Payroll/acme.QMR"},
      {{"/home/pat/notes.txt"}, true, ""},        // no data file: "/P" is the print flag
      {{"acme.qmr.bak"}, false, "acme.qmr.bak"},  // ".QMR" anywhere
  };
  for (const Case& c : cases) {
    const CommandLineRequest r = ParseCommandLine(c.args);
    EXPECT_EQ(r.print, c.print);
    EXPECT_EQ(r.fileName, c.file);
  }
}
