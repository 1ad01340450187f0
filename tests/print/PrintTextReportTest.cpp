// Text reports on the recording device: one-inch margins, page breaks,
// wrapping, the footer and the dialogs.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/DateTimeText.h"
#include "platform/RecordingPrinter.h"
#include "platform/ScriptedPrintDialogs.h"
#include "print/LabelPrint.h"
#include "print/PrintReport.h"
#include "print/PrintTextReport.h"
#include "settings/QuillmarRegistry.h"
#include "tests/support/FixedClock.h"
#include "tests/support/TempDir.h"

namespace {

// 600 dpi, a quarter-inch border: the text starts at 450, 450. In Courier New
// 12 a character is 60 wide and a line 113 high (9/8 of 100); the text area is
// 20 characters wide and exactly 10 lines high.
const PrinterCaps kCaps{600, 600, 2100, 2030, 2400, 2330, 150, 150};
constexpr int kLine = 113;

struct Report {
  explicit Report(const std::vector<std::string>& lines, int charWidth = 60,
                  bool fitCountFails = false) {
    printer.charWidth = charWidth;
    printer.fitCountFails = fitCountFails;
    setup.Answer(true);
    fonts.Answer(true, PrinterFont{.name = "Courier New", .size = 12});
    PrintTextReport(lines, printer, setup, fonts);
  }
  // The report's texts of each page; the footer is the last text of a page.
  std::vector<std::vector<std::string>> Bodies() const {
    std::vector<std::vector<std::string>> bodies;
    for (const RecordedPage& page : printer.Pages()) {
      bodies.emplace_back();
      for (std::size_t i = 0; i + 1 < page.texts.size(); ++i)
        bodies.back().push_back(page.texts[i].text);
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
  // A report that fills its last page exactly ends there, without a blank page.
  const std::pair<int, std::vector<std::size_t>> cases[] = {
      {1, {1}}, {10, {10}}, {11, {10, 1}}, {20, {10, 10}}, {21, {10, 10, 1}}};
  for (const auto& [lines, perPage] : cases) {
    SCOPED_TRACE(lines);
    const Report report(Numbered(lines));
    const auto bodies = report.Bodies();
    ASSERT_EQ(bodies.size(), perPage.size());
    for (std::size_t p = 0; p < bodies.size(); ++p) EXPECT_EQ(bodies[p].size(), perPage[p]);
    const auto& texts = report.printer.Pages().back().texts;
    EXPECT_EQ(texts.front().x, 450);
    EXPECT_EQ(texts.front().y, 450);
    EXPECT_EQ(texts[texts.size() - 2].y, 450 + static_cast<int>(perPage.back() - 1) * kLine);
  }
  // An empty line draws nothing but takes its line of space.
  const Report gaps({"one", "", "", "four"});
  EXPECT_EQ(gaps.Bodies()[0], (std::vector<std::string>{"one", "four"}));
  EXPECT_EQ(gaps.printer.Pages()[0].texts[1].y, 450 + 3 * kLine);
}

TEST(PrintTextReport, WrapsAfterTheLastBreakCharacterThatFits) {
  struct Case {
    std::string line;
    std::vector<std::string> want;
    int charWidth = 60;
    bool fitCountFails = false;
  };
  const std::string stars(45, '*');
  const Case cases[] = {
      {"twenty characters!!!", {"twenty characters!!!"}},
      {"alpha beta gamma delta epsilon zeta eta",
       {"alpha beta gamma ", "delta epsilon zeta ", "eta"}},
      {"well-known-troublemakers", {"well-known-", "troublemakers"}},
      {"a/b\\cccccccccccccccccccc", {"a/b\\", "cccccccccccccccccccc"}},
      // No break character within the fitting part: broken at the fit count.
      {stars, {stars.substr(0, 20), stars.substr(0, 20), stars.substr(0, 5)}},
      {"alpha beta gamma delta epsilon", {"alpha beta gamma ", "delta epsilon"}, 60, true},
      // Characters wider than the text: one to a line, or all when the fit count fails.
      {"abc", {"a", "b", "c"}, 1300},
      {"abc", {"abc"}, 1300, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const Report report({c.line}, c.charWidth, c.fitCountFails);
    ASSERT_EQ(report.Bodies().size(), 1u);
    EXPECT_EQ(report.Bodies()[0], c.want);
  }
}

TEST(PrintTextReport, FooterCentredOrShortenedKeepingThePageAndNeverOverlapped) {
  const FixedClock clock(FixedClock::LocalNoon(2024, 3, 15));
  const std::string stamp = "Printed: " + DateTimeText(clock.Now());
  const std::string footer = stamp + "     Page ";
  const int length = static_cast<int>(footer.size()) + 1;
  // Narrow characters centre the footer on the page; wide ones shorten its
  // date and time so that it fits, keeping the page number.
  for (const int charWidth : {2100 / length - 1, 2100 / length + 1}) {
    const Report report(Numbered(12), charWidth);
    ASSERT_EQ(report.printer.Pages().size(), 2u);
    for (int p = 0; p < 2; ++p) {
      const RecordedText& text = report.printer.Pages()[p].texts.back();
      const std::string page = "  Page " + std::to_string(p + 1);
      const std::size_t kept = std::size_t((2100 - charWidth * int(page.size())) / charWidth);
      const std::string want = charWidth * length <= 2100 ? footer + std::to_string(p + 1)
                                                          : stamp.substr(0, kept) + page;
      EXPECT_EQ(text.text, want);
      EXPECT_EQ(text.x, (2100 - charWidth * int(want.size())) / 2);
      EXPECT_EQ(text.y, 2030 - 2 * kLine);
    }
  }
  // A 48-point font: a line of 450, the footer at 1130; one line to a page ends above it.
  RecordingPrinter printer(kCaps);
  ScriptedPrinterSetupDialog setup;
  ScriptedFontDialog fonts;
  setup.Answer(true);
  fonts.Answer(true, PrinterFont{.name = "Courier New", .size = 48});
  PrintTextReport({"a", "b", "c"}, printer, setup, fonts);
  ASSERT_EQ(printer.Pages().size(), 3u);
  for (const RecordedPage& page : printer.Pages()) {
    ASSERT_EQ(page.texts.size(), 2u);
    EXPECT_LE(page.texts[0].y + 450, page.texts[1].y);
    EXPECT_EQ(page.texts[1].y, 2030 - 2 * 450);
  }
}

TEST(PrintTextReport, DialogsDecideWhetherAndInWhichFontItPrints) {
  RecordingPrinter printer(kCaps);
  ScriptedPrinterSetupDialog setup;
  ScriptedFontDialog fonts;
  PrintTextReport({}, printer, setup, fonts);  // no lines: no dialog
  EXPECT_EQ(setup.Shown(), 0);
  setup.Answer(false);
  PrintTextReport({"x"}, printer, setup, fonts);  // set-up cancelled: no font dialog
  EXPECT_TRUE(printer.Documents().empty());
  EXPECT_TRUE(fonts.Offered().empty());
  // Font dialog cancelled: the printer's own font and its line height.
  setup.Answer(true);
  fonts.Answer(false, PrinterFont{.name = "Courier New", .size = 12});
  printer.SetFont({.name = "Arial", .size = 10});
  PrintTextReport({"a", "b"}, printer, setup, fonts);
  const auto& texts = printer.Pages().at(0).texts;
  EXPECT_EQ(texts[0].font.name, "Arial");
  EXPECT_EQ(texts[1].y - texts[0].y, 93);  // 9/8 of 83
  EXPECT_EQ(printer.Documents()[0].title, "Quillmar");
}

TEST(PrintTextReport, TheReportsFontDialogOpensOnItsLastFont) {
  const TempDir dir;
  TQuillmarRegistry registry(dir.Path());
  RecordingPrinter printer(kCaps);
  ScriptedPrinterSetupDialog setup;
  setup.otherwise = true;
  ScriptedFontDialog fonts;
  const PrinterFont arial{.name = "Arial", .size = 9};
  fonts.Answer(true, arial).Answer(false);
  PrintTextReportInLastFont({"a"}, printer, setup, fonts, registry);
  PrintTextReportInLastFont({"a"}, printer, setup, fonts, registry);
  ASSERT_EQ(fonts.Offered().size(), 2u);
  EXPECT_EQ(fonts.Offered()[0].first, FirstPrintFont());  // the first time
  EXPECT_EQ(fonts.Offered()[1].first, arial);
  EXPECT_EQ(registry.ReadPrintFont(kReportFontItem), arial);
  EXPECT_EQ(registry.ReadPrintFont(kLabelFontItem), std::nullopt);  // the labels keep their own
}

}  // namespace
