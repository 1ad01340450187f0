// The error report window on the offscreen platform: its parts, the centred
// buttons, printing the report and closing.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

#include "platform/RecordingPrinter.h"
#include "screens/ErrorReport.h"
#include "tests/support/ScriptedPrintDialogs.h"

namespace {

struct Window {
  RecordingPrinter printer;
  ScriptedPrinterSetupDialog setup;
  ScriptedFontDialog fonts;
  TFormErrorReport form{printer, setup, fonts};
};

TEST(ErrorReport, HasAReadOnlyMemoAboveItsButtonPanel) {
  Window w;
  EXPECT_EQ(w.form.windowTitle(), QStringLiteral("Error Report"));
  EXPECT_TRUE(w.form.Memo1->isReadOnly());
  EXPECT_EQ(w.form.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(w.form.Panel1->height(), 41);
  EXPECT_EQ(w.form.BitBtnPrint->text(), QStringLiteral("Print"));
  EXPECT_FALSE(w.form.BitBtnPrint->icon().isNull());
  EXPECT_EQ(w.fonts.Font(), (PrinterFont{.name = "MS Sans Serif", .size = 8}));
}

TEST(ErrorReport, KeepsItsButtonsCentredOnThePanel) {
  Window w;
  w.form.show();
  for (const int width : {560, 401, 250}) {
    SCOPED_TRACE(width);
    w.form.resize(width, 300);
    QApplication::processEvents();
    const int panel = w.form.Panel1->width();
    ASSERT_EQ(panel, width);
    EXPECT_EQ(w.form.BitBtnPrint->x(), panel / 2 - 100);
    EXPECT_EQ(w.form.BitBtnClose->x(), panel / 2 + 25);
  }
}

TEST(ErrorReport, PrintPrintsTheLinesOfTheMemo) {
  Window w;
  const std::vector<std::string> lines = {"Smith, Jos\xe9", "", "   Box 3 is above the wage base"};
  w.form.SetReportLines(lines);
  EXPECT_EQ(w.form.ReportLines(), lines);
  w.setup.Answer(true);
  w.fonts.Answer(true);
  QTest::mouseClick(w.form.BitBtnPrint, Qt::LeftButton);
  const std::vector<std::string> printed = w.printer.Texts();
  ASSERT_EQ(printed.size(), 3u);  // the empty line draws nothing; then the footer
  EXPECT_EQ(printed[0], lines[0]);
  EXPECT_EQ(printed[1], lines[2]);
  EXPECT_EQ(printed[2].rfind("Printed: ", 0), 0u);
  // The font dialog opened on its own font and printed in it.
  EXPECT_EQ(w.printer.Pages()[0].texts[0].font.name, "MS Sans Serif");

  // An empty report prints nothing and shows no dialog.
  w.form.SetReportLines({});
  QTest::mouseClick(w.form.BitBtnPrint, Qt::LeftButton);
  EXPECT_EQ(w.setup.Shown(), 1);
}

TEST(ErrorReport, ShowReportShowsTheLinesUntilCloseIsClicked) {
  Window w;
  SetFormErrorReport(&w.form);
  bool shownWithLines = false;
  QTimer::singleShot(0, &w.form, [&] {
    shownWithLines =
        w.form.isVisible() && w.form.Memo1->toPlainText() == QStringLiteral("first\nsecond");
    QTest::mouseClick(w.form.BitBtnClose, Qt::LeftButton);
  });
  FormErrorReport()->ShowReport({"first", "second"});
  EXPECT_TRUE(shownWithLines);
  EXPECT_FALSE(w.form.isVisible());
  SetFormErrorReport(nullptr);
}

}  // namespace
