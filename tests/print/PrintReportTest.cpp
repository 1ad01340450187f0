// The print grid on the recording device: margins, grid positions, amounts,
// the dialogs and the font it prints in.

#include <gtest/gtest.h>

#include "platform/RecordingPrinter.h"
#include "platform/ScriptedPrintDialogs.h"
#include "print/PrintReport.h"

namespace {

// A job without dialogs; margins in hundredths of an inch.
struct Job {
  Job(int dpi, int border, int top, int bottom, int left, int right)
      : printer(RecordingPrinter::LetterCaps(dpi, border, border)),
        report(printer, nullptr, nullptr, "Form W-2", top, bottom, left, right, true, true, true) {}
  const RecordedText& Only() const {
    EXPECT_EQ(printer.Pages().at(0).texts.size(), 1u);
    return printer.Pages().at(0).texts.at(0);
  }
  RecordingPrinter printer;
  TPrintReport report;
};

TEST(PrintReport, MarginsCountFromThePaperEdgeAndStopAtTheUnprintableBorder) {
  struct Case {
    int dpi, border, top, bottom, left, right, wantTop, wantBottom, wantLeft, wantRight;
  };
  const Case cases[] = {
      {600, 150, 50, 25, 25, 25, 150, 0, 0, 0},   // 300 pixels, 150 of them unprintable
      {600, 150, 10, 10, 10, 40, 0, 0, 0, 90},    // inside the border: on the printable edge
      {203, 20, 50, 25, 25, 50, 82, 31, 31, 82},  // MulDiv: 101.5 -> 102, 50.75 -> 51
      {300, 0, 33, 0, 150, 1, 99, 0, 450, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.dpi << " dpi, " << c.top << "/" << c.left);
    Job job(c.dpi, c.border, c.top, c.bottom, c.left, c.right);
    EXPECT_EQ(job.report.Top(), c.wantTop);
    EXPECT_EQ(job.report.Bottom(), c.wantBottom);
    EXPECT_EQ(job.report.Left(), c.wantLeft);
    EXPECT_EQ(job.report.Right(), c.wantRight);
    EXPECT_EQ(job.report.TextHeight(), job.printer.Caps().pageHeight - c.wantTop - c.wantBottom);
    EXPECT_EQ(job.report.LinePitch(), (c.dpi + 3) / 6);
  }
}

TEST(PrintReport, GridStartsAtTheMarginCornerAndStepsATenthAndASixthOfAnInch) {
  struct Case {
    int dpi, column, line, wantX, wantY;
  };
  const Case cases[] = {{600, 1, 1, 0, 0},   {600, 11, 7, 600, 600}, {300, 11, 7, 300, 300},
                        {203, 2, 2, 20, 34}, {205, 2, 2, 21, 34},    {203, 4, 3, 61, 68}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.dpi << " dpi, column " << c.column << ", line " << c.line);
    Job job(c.dpi, 0, 100, 0, 100, 0);             // the corner one inch from each edge
    job.report.PrintTextAt(c.column, c.line, "");  // draws nothing
    job.report.PrintTextAt(c.column, c.line, "X");
    EXPECT_EQ(job.Only().x, c.dpi + c.wantX);
    EXPECT_EQ(job.Only().y, c.dpi + c.wantY);
  }
}

TEST(PrintReport, AmountsFollowTheirThreeSwitches) {
  struct Case {
    Currency amount;
    bool allowNegative, printZero, rightAlign;
    const char* want;  // nullptr: nothing drawn
  };
  const Case cases[] = {
      {0, false, false, false, nullptr},     {0, false, true, false, "0.00"},
      {49, true, false, false, nullptr},     {-49, true, false, false, nullptr},
      {50, false, false, false, "0.01"},     {-50, false, true, false, nullptr},
      {-50000, true, false, false, "-5.00"}, {12345000, false, false, true, "1234.50"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.amount);
    Job job(600, 0, 0, 0, 0, 0);
    job.printer.SetFont({.name = "Courier New", .size = 12});  // 60 pixels a character
    job.report.PrintAmountAt(11, 3, c.amount, c.allowNegative, c.printZero, c.rightAlign);
    if (!c.want) {
      EXPECT_TRUE(job.printer.Pages().at(0).texts.empty());
      continue;
    }
    EXPECT_EQ(job.Only().text, c.want);
    // Right-aligned text ends three quarters of a column past the column's start.
    EXPECT_EQ(job.Only().x, c.rightAlign ? 600 + 45 - 60 * 7 : 600);
    EXPECT_EQ(job.Only().y, 200);
  }
}

TEST(PrintReport, DefaultFontBecomesTimesNewRoman11WithOrWithoutTheFontDialog) {
  const PrinterFont times11{.name = "Times New Roman", .size = -11};
  const PrinterFont arial10{.name = "Arial", .size = 10, .style = FontBold};
  struct Case {
    PrinterFont printerFont;
    bool fontDialog;
    PrinterFont want;
    int wantPitch;  // nine eighths of the font's height
  };
  const Case cases[] = {
      {{.name = "MS Sans Serif", .size = 8}, false, times11, 104},
      {{.name = "MS Sans Serif", .size = -8}, false, times11, 104},
      {{.name = "MS Sans Serif", .size = 10}, false, {.name = "MS Sans Serif", .size = 10}, 93},
      {{.name = "MS Sans Serif", .size = 8}, true, arial10, 93},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.printerFont.size << " " << c.fontDialog);
    RecordingPrinter printer;
    printer.SetFont(c.printerFont);
    ScriptedPrinterSetupDialog setup;
    ScriptedFontDialog fonts;
    setup.Answer(true);
    fonts.Answer(true, arial10);
    {
      TPrintReport report(printer, &setup, &fonts, "W-3", 50, 25, 25, 25, false, false,
                          !c.fontDialog);
      report.PrintTextAt(1, 1, "A");
      EXPECT_EQ(report.LinePitch(), c.wantPitch);
    }
    EXPECT_EQ(printer.Pages().at(0).texts.at(0).font, c.want);
    ASSERT_EQ(fonts.Offered().size(), c.fontDialog ? 1u : 0u);
    if (c.fontDialog) {
      EXPECT_EQ(fonts.Offered()[0].first, times11);
      const FontDialogOptions o = fonts.Offered()[0].second;
      EXPECT_TRUE(o.printerFonts && o.ansiOnly && o.effects && o.forceFontExist);
    }
  }
}

TEST(PrintReport, RunsOneJobFromCreationToDestructionUnlessCancelled) {
  // Cancel in the printer dialog, in the font dialog, or a printer that cannot start.
  for (int cancel = 0; cancel < 4; ++cancel) {
    SCOPED_TRACE(cancel);
    RecordingPrinter printer;
    printer.beginFails = cancel == 2;
    ScriptedPrinterSetupDialog setup;
    ScriptedFontDialog fonts;
    setup.Answer(cancel != 0);
    fonts.Answer(cancel != 1);
    {
      TPrintReport report(printer, &setup, &fonts, "W-2", 50, 25, 25, 25, true, false, false);
      EXPECT_EQ(report.Cancelled(), cancel != 3);
      report.PrintTextAt(1, 1, "first");
      report.StartNewPage();
      report.PrintAmountAt(1, 1, 10000, true, true, false);
    }
    EXPECT_EQ(fonts.Offered().size(), cancel == 0 ? 0u : 1u);
    if (cancel != 3) {
      EXPECT_TRUE(printer.Documents().empty());
      continue;
    }
    ASSERT_EQ(printer.Documents().size(), 1u);
    const RecordedDocument& doc = printer.Documents()[0];
    EXPECT_EQ(doc.title, "W-2");
    EXPECT_TRUE(doc.ended);
    ASSERT_EQ(doc.pages.size(), 2u);
    EXPECT_EQ(doc.pages[1].texts.at(0).y, doc.pages[0].texts.at(0).y);  // the same margins
  }
}

}  // namespace
