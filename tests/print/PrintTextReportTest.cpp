// Text reports on the recording device: one-inch margins, page breaks,
// wrapping, the footer and the dialogs.

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "platform/RecordingPrinter.h"
#include "print/PrintTextReport.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ScriptedPrintDialogs.h"

namespace {

// 600 dpi, a quarter-inch border: the text starts at 450, 450. In Courier New
// 12 a character is 60 wide and a line 113 high (9/8 of 100); the text area is
// 20 characters wide and exactly 10 lines high.
const PrinterCaps kCaps{600, 600, 2100, 2030, 2400, 2330, 150, 150};
const PrinterFont kCourier12{.name = "Courier New", .size = 12};
constexpr int kLine = 113;

struct Report {
  Report() {
    setup.Answer(true);
    fonts.Answer(true, kCourier12);
  }
  void Print(const std::vector<std::string>& lines) {
    PrintTextReport(lines, printer, setup, fonts);
  }
  // The report lines of each page, footers left out.
  std::vector<std::vector<std::string>> Bodies() const {
    std::vector<std::vector<std::string>> bodies;
    for (const RecordedPage& page : printer.Pages()) {
      bodies.emplace_back();
      for (const RecordedText& t : page.texts) {
        if (t.text.rfind("Printed: ", 0) != 0) bodies.back().push_back(t.text);
      }
    }
    return bodies;
  }
  RecordingPrinter printer{kCaps};
  ScriptedPrinterSetupDialog setup;
  ScriptedFontDialog fonts;
};

std::vector<std::string> Numbered(int count) {
  std::vector<std::string> lines;
  for (int i = 1; i <= count; ++i) lines.push_back("line " + std::to_string(i));
  return lines;
}

TEST(PrintTextReport, APageHoldsTenLinesWhenTheTextHeightIsTenLineHeights) {
  struct Case {
    int lines;
    std::vector<std::size_t> perPage;
  };
  // A report that fills its last page exactly ends there, without a blank page.
  const Case cases[] = {{1, {1}}, {10, {10}}, {11, {10, 1}}, {20, {10, 10}}, {21, {10, 10, 1}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines);
    Report report;
    report.Print(Numbered(c.lines));
    const auto bodies = report.Bodies();
    ASSERT_EQ(bodies.size(), c.perPage.size());
    for (std::size_t p = 0; p < bodies.size(); ++p) EXPECT_EQ(bodies[p].size(), c.perPage[p]);
    // Each page starts at the top text margin and steps one line height.
    const auto& last = report.printer.Pages().back().texts;
    EXPECT_EQ(last.front().x, 450);
    EXPECT_EQ(last.front().y, 450);
    if (c.perPage.back() == 10) {
      EXPECT_EQ(last[9].y, 450 + 9 * kLine);
    }
    EXPECT_TRUE(report.printer.Documents().back().ended);
  }
}

TEST(PrintTextReport, AnEmptyLineTakesItsLineOfSpace) {
  Report report;
  report.Print({"one", "", "", "four"});
  const auto& texts = report.printer.Pages().at(0).texts;
  ASSERT_EQ(texts.size(), 3u);  // two lines and the footer
  EXPECT_EQ(texts[1].text, "four");
  EXPECT_EQ(texts[1].y, 450 + 3 * kLine);
}

TEST(PrintTextReport, WrapsAtTheLastBreakCharacterThatFits) {
  struct Case {
    const char* name;
    std::string line;
    std::vector<std::string> want;
    int charWidth = 60;
    bool fitCountFails = false;
  };
  const Case cases[] = {
      {"exactly the width", "twenty characters!!!", {"twenty characters!!!"}},
      {"at spaces",
       "alpha beta gamma delta epsilon zeta eta",
       {"alpha beta gamma ", "delta epsilon zeta ", "eta"}},
      {"after a hyphen", "well-known-troublemakers", {"well-known-", "troublemakers"}},
      {"after slashes", "a/b\\cccccccccccccccccccc", {"a/b\\", "cccccccccccccccccccc"}},
      {"asterisks wider than the page",
       std::string(45, '*'),
       {std::string(20, '*'), std::string(20, '*'), std::string(5, '*')}},
      {"no break after a break",
       "x/" + std::string(25, 'y'),
       {"x/", std::string(20, 'y'), std::string(5, 'y')}},
      {"fit count failing",
       "alpha beta gamma delta epsilon",
       {"alpha beta gamma ", "delta epsilon"},
       60,
       true},
      {"a character wider than the page", "abc", {"a", "b", "c"}, 1300},
      {"and the fit count failing too", "abc", {"abc"}, 1300, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Report report;
    report.printer.charWidth = c.charWidth;
    report.printer.fitCountFails = c.fitCountFails;
    report.Print({c.line});
    ASSERT_EQ(report.Bodies().size(), 1u);
    EXPECT_EQ(report.Bodies()[0], c.want);
  }
}

class ReportFooter : public testing::Test {
 protected:
  void SetUp() override {
    const char* old = std::getenv("LC_ALL");
    if (old) oldLcAll_ = old;
    setenv("LC_ALL", "C", 1);
  }
  void TearDown() override {
    if (oldLcAll_) {
      setenv("LC_ALL", oldLcAll_->c_str(), 1);
    } else {
      unsetenv("LC_ALL");
    }
  }
  std::optional<std::string> oldLcAll_;
};

TEST_F(ReportFooter, CarriesDateTimeAndPageCentredOrAtTheMarginWhenWider) {
  const FixedClock clock(FixedClock::LocalNoon(2024, 3, 15));
  struct Case {
    int charWidth;
    int wantX;
  };
  // 37 characters: 1110 pixels centre on the 2100 of the page; 2220 do not fit.
  const Case cases[] = {{30, (2100 - 1110) / 2}, {60, 450}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.charWidth);
    Report report;
    report.printer.charWidth = c.charWidth;
    report.Print(Numbered(12));
    const auto& pages = report.printer.Pages();
    ASSERT_EQ(pages.size(), 2u);
    for (int p = 0; p < 2; ++p) {
      const RecordedText& footer = pages[p].texts.back();
      EXPECT_EQ(footer.text, "Printed: 03/15/24 12:00:00     Page " + std::to_string(p + 1));
      EXPECT_EQ(footer.x, c.wantX);
      EXPECT_EQ(footer.y, 2030 - 2 * kLine);
    }
  }
}

TEST(PrintTextReport, DialogsDecideWhetherAndInWhichFontItPrints) {
  {
    SCOPED_TRACE("no lines: no dialog, no job");
    RecordingPrinter printer;
    ScriptedPrinterSetupDialog setup;
    ScriptedFontDialog fonts;
    PrintTextReport({}, printer, setup, fonts);
    EXPECT_EQ(setup.Shown(), 0);
    EXPECT_TRUE(fonts.Offered().empty());
    EXPECT_TRUE(printer.Documents().empty());
  }
  {
    SCOPED_TRACE("set-up cancelled: no font dialog, no job");
    RecordingPrinter printer;
    ScriptedPrinterSetupDialog setup;
    ScriptedFontDialog fonts;
    setup.Answer(false);
    PrintTextReport({"x"}, printer, setup, fonts);
    EXPECT_TRUE(fonts.Offered().empty());
    EXPECT_TRUE(printer.Documents().empty());
  }
  {
    SCOPED_TRACE("font dialog cancelled: the printer's font, its line height");
    RecordingPrinter printer(kCaps);
    ScriptedPrinterSetupDialog setup;
    ScriptedFontDialog fonts;
    setup.Answer(true);
    fonts.Answer(false, kCourier12);
    printer.SetFont({.name = "Arial", .size = 10});
    PrintTextReport({"a", "b"}, printer, setup, fonts);
    const auto& texts = printer.Pages().at(0).texts;
    EXPECT_EQ(texts[0].font.name, "Arial");
    EXPECT_EQ(texts[1].y - texts[0].y, 93);  // 9/8 of 83
    EXPECT_EQ(printer.Documents()[0].title, "Quillmar");
  }
}

}  // namespace
