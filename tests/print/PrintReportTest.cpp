// The print grid on the recording device: margins, grid positions, amounts,
// the dialogs and the font it prints in.

#include <gtest/gtest.h>

#include "platform/RecordingPrinter.h"
#include "print/PrintReport.h"
#include "tests/support/ScriptedPrintDialogs.h"

namespace {

PrinterCaps Caps(int dpi, int borderX, int borderY) {
  return RecordingPrinter::LetterCaps(dpi, borderX, borderY);
}

// A job without dialogs: margins top, bottom, left, right in hundredths of an inch.
struct Job {
  explicit Job(const PrinterCaps& caps, int top = 50, int bottom = 25, int left = 25,
               int right = 25, bool sixLines = true)
      : printer(caps),
        report(printer, nullptr, nullptr, "job", top, bottom, left, right, sixLines, true, true) {}
  RecordingPrinter printer;
  TPrintReport report;
};

TEST(PrintReport, MarginsAreMeasuredFromThePaperEdgeAndStopAtTheUnprintableBorder) {
  struct Case {
    int dpi, borderX, borderY;
    int top, bottom, left, right;
    int wantTop, wantBottom, wantLeft, wantRight;
  };
  const Case cases[] = {
      // 0.50 inch at 600 dpi is 300 pixels, 150 of them unprintable.
      {600, 150, 150, 50, 25, 25, 25, 150, 0, 0, 0},
      // A margin inside the border falls on the printable area's edge.
      {600, 150, 150, 10, 10, 10, 40, 0, 0, 0, 90},
      // MulDiv rounds halves away from zero: 25 x 203 / 100 = 50.75, 50 x 203 / 100 = 101.5.
      {203, 20, 17, 50, 25, 25, 50, 85, 34, 31, 82},
      // No border at all (a PDF file).
      {300, 0, 0, 33, 0, 150, 1, 99, 0, 450, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.dpi << " dpi, margins " << c.top << "/" << c.bottom << "/"
                                    << c.left << "/" << c.right);
    const PrinterCaps caps = Caps(c.dpi, c.borderX, c.borderY);
    Job job(caps, c.top, c.bottom, c.left, c.right);
    EXPECT_EQ(job.report.Top(), c.wantTop);
    EXPECT_EQ(job.report.Bottom(), c.wantBottom);
    EXPECT_EQ(job.report.Left(), c.wantLeft);
    EXPECT_EQ(job.report.Right(), c.wantRight);
    EXPECT_EQ(job.report.TextWidth(), caps.pageWidth - c.wantLeft - c.wantRight);
    EXPECT_EQ(job.report.TextHeight(), caps.pageHeight - c.wantTop - c.wantBottom);
    EXPECT_EQ(job.report.CurrentLinePosition(), c.wantTop);
  }
}

TEST(PrintReport, GridStartsAtTheMarginCornerAndStepsATenthAndASixthOfAnInch) {
  struct Case {
    int dpi, column, line, wantX, wantY;
  };
  const Case cases[] = {
      {600, 1, 1, 0, 0},   {600, 11, 7, 600, 600}, {600, 2, 2, 60, 100},   {300, 11, 7, 300, 300},
      {203, 2, 2, 20, 34}, {205, 2, 2, 21, 34},    {203, 11, 7, 203, 203}, {203, 4, 3, 61, 68},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.dpi << " dpi, column " << c.column << ", line " << c.line);
    Job job(Caps(c.dpi, 0, 0), 100, 0, 50, 0);
    job.report.PrintTextAt(c.column, c.line, "X");
    job.report.PrintTextAt(c.column, c.line, "");  // draws nothing
    const auto& texts = job.printer.Pages().at(0).texts;
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].x, (c.dpi + 1) / 2 + c.wantX);  // half an inch, rounded
    EXPECT_EQ(texts[0].y, c.dpi + c.wantY);
  }
}

TEST(PrintReport, AmountsFollowTheirThreeSwitches) {
  struct Case {
    Currency amount;
    bool allowNegative, printZero, rightAlign;
    const char* want;  // nullptr: nothing drawn
    int wantX;
  };
  // 600 dpi, no border, left margin 0: column 11 starts at 600; a character is 60 wide.
  const Case cases[] = {
      {0, false, false, false, nullptr, 0},
      {0, false, true, false, "0.00", 600},
      {49, true, false, false, nullptr, 0},  // 0.0049 shows as 0.00
      {-49, true, false, false, nullptr, 0},
      {50, false, false, false, "0.01", 600},  // 0.0050 rounds away from zero
      {-50000, false, true, false, nullptr, 0},
      {-50000, true, false, false, "-5.00", 600},
      {-50, false, true, false, nullptr, 0},  // any negative, however small
      {12345000, false, false, true, "1234.50", 600 - 7 * 60 + 45},
      {-50000, true, true, true, "-5.00", 600 - 5 * 60 + 45},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.amount << " " << c.allowNegative << c.printZero << c.rightAlign);
    Job job(Caps(600, 0, 0), 0, 0, 0, 0);
    job.printer.SetFont({.name = "Courier New", .size = 12});
    job.report.PrintAmountAt(11, 3, c.amount, c.allowNegative, c.printZero, c.rightAlign);
    const auto& texts = job.printer.Pages().at(0).texts;
    if (!c.want) {
      EXPECT_TRUE(texts.empty());
      continue;
    }
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, c.want);
    EXPECT_EQ(texts[0].x, c.wantX);
    EXPECT_EQ(texts[0].y, 200);
  }
}

TEST(PrintReport, DefaultFontBecomesTimesNewRoman11WithOrWithoutTheFontDialog) {
  const PrinterFont chosen{.name = "Arial", .size = 10, .style = FontBold};
  struct Case {
    PrinterFont printerFont;
    bool fontDialog;
    PrinterFont want;
    int wantPitch;  // without six lines to the inch: nine eighths of the font's height
  };
  const PrinterFont times11{.name = "Times New Roman", .size = -11};
  const Case cases[] = {
      {{.name = "MS Sans Serif", .size = 8}, false, times11, 104},
      {{.name = "MS Sans Serif", .size = -8}, false, times11, 104},
      {{.name = "MS Sans Serif", .size = 10}, false, {.name = "MS Sans Serif", .size = 10}, 93},
      {{.name = "Courier New", .size = 8}, false, {.name = "Courier New", .size = 8}, 75},
      {{.name = "MS Sans Serif", .size = 8}, true, chosen, 93},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.printerFont.name << " " << c.printerFont.size << " " << c.fontDialog);
    RecordingPrinter printer(Caps(600, 150, 150));
    printer.SetFont(c.printerFont);
    ScriptedPrinterSetupDialog setup;
    ScriptedFontDialog fonts;
    setup.Answer(true);
    if (c.fontDialog) fonts.Answer(true, chosen);
    {
      TPrintReport report(printer, &setup, &fonts, "W-2", 50, 25, 25, 25, false, false,
                          !c.fontDialog);
      report.PrintTextAt(1, 1, "A");
      EXPECT_EQ(report.LinePitch(), c.wantPitch);
    }
    EXPECT_EQ(printer.Pages().at(0).texts.at(0).font, c.want);
    if (c.fontDialog) {
      ASSERT_EQ(fonts.Offered().size(), 1u);
      EXPECT_EQ(fonts.Offered()[0], times11);
      const FontDialogOptions options = fonts.OfferedOptions()[0];
      EXPECT_TRUE(options.printerFonts && options.ansiOnly && options.effects &&
                  options.forceFontExist);
    }
  }
}

TEST(PrintReport, CancelInEitherDialogStartsNoJob) {
  for (const bool cancelPrinter : {true, false}) {
    RecordingPrinter printer;
    ScriptedPrinterSetupDialog setup;
    ScriptedFontDialog fonts;
    setup.Answer(!cancelPrinter);
    if (!cancelPrinter) fonts.Answer(false);
    {
      TPrintReport report(printer, &setup, &fonts, "W-3", 50, 25, 25, 25, true, false, false);
      EXPECT_TRUE(report.Cancelled());
      report.PrintTextAt(1, 1, "nothing");
      report.PrintAmountAt(1, 1, 10000, true, true, false);
      report.StartNewPage();
    }
    EXPECT_TRUE(printer.Documents().empty());
    EXPECT_EQ(fonts.Offered().size(), cancelPrinter ? 0u : 1u);
  }
}

TEST(PrintReport, RunsOneJobOfItsTitleFromCreationToDestruction) {
  RecordingPrinter printer(Caps(203, 20, 17));
  {
    TPrintReport report(printer, nullptr, nullptr, "Form W-2", 50, 25, 25, 25, true, true, true);
    EXPECT_EQ(report.LinePitch(), 34);  // (203 + 3) / 6
    EXPECT_TRUE(printer.Printing());
    report.PrintTextAt(1, 1, "first");
    report.StartNewPage();
    EXPECT_EQ(report.CurrentLinePosition(), report.Top());
    report.PrintTextAt(1, 1, "second");
  }
  ASSERT_EQ(printer.Documents().size(), 1u);
  const RecordedDocument& doc = printer.Documents()[0];
  EXPECT_EQ(doc.title, "Form W-2");
  EXPECT_TRUE(doc.ended);
  ASSERT_EQ(doc.pages.size(), 2u);
  // The second page measures from the same margin corner.
  EXPECT_EQ(doc.pages[1].texts.at(0).x, doc.pages[0].texts.at(0).x);
  EXPECT_EQ(doc.pages[1].texts.at(0).y, doc.pages[0].texts.at(0).y);
}

TEST(PrintReport, APrinterThatCannotStartCountsAsCancelled) {
  RecordingPrinter printer;
  printer.beginFails = true;
  TPrintReport report(printer, nullptr, nullptr, "job", 50, 25, 25, 25, true, true, true);
  EXPECT_TRUE(report.Cancelled());
  report.PrintTextAt(1, 1, "x");  // the recording device would throw outside a job
}

}  // namespace
