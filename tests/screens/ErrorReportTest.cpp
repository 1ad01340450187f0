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
#include "platform/ScriptedPrintDialogs.h"
#include "screens/ErrorReport.h"

namespace {

struct Window {
  RecordingPrinter printer;
  ScriptedPrinterSetupDialog setup;
  ScriptedFontDialog fonts;
  TFormErrorReport form{printer, setup, fonts};
};

TEST(ErrorReport, KeepsItsButtonsCentredBelowAReadOnlyMemo) {
  Window w;
  EXPECT_EQ(w.form.windowTitle(), QStringLiteral("Error Report"));
  EXPECT_TRUE(w.form.Memo1->isReadOnly());
  EXPECT_EQ(w.form.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(w.form.BitBtnPrint->text(), QStringLiteral("Print"));
  w.form.show();
  for (const int width : {560, 401, 250}) {
    w.form.resize(width, 300);
    QApplication::processEvents();
    ASSERT_EQ(w.form.Panel1->width(), width);
    EXPECT_EQ(w.form.Panel1->height(), 41);
    EXPECT_EQ(w.form.BitBtnPrint->x(), width / 2 - 100) << width;
    EXPECT_EQ(w.form.BitBtnClose->x(), width / 2 + 25) << width;
  }
}

TEST(ErrorReport, PrintPrintsTheLinesOfTheMemoInTheFontDialogsFont) {
  Window w;
  const std::vector<std::string> lines = {"Smith, Jos\xe9", "", "   Box 3 is above the wage base"};
  w.form.SetReportLines(lines);
  w.setup.Answer(true);
  w.fonts.Answer(true);
  QTest::mouseClick(w.form.BitBtnPrint, Qt::LeftButton);
  const std::vector<std::string> printed = w.printer.Texts();
  ASSERT_EQ(printed.size(), 3u);  // the empty line draws nothing; then the footer
  EXPECT_EQ(printed[0], lines[0]);
  EXPECT_EQ(printed[1], lines[2]);
  // The first time, Liberation Serif with an 11-point cell.
  EXPECT_EQ(w.printer.Pages()[0].texts[0].font,
            (PrinterFont{"Liberation Serif", -11, 0, 0, kAnsiCharset}));
  w.form.SetReportLines({});  // an empty report shows no dialog
  QTest::mouseClick(w.form.BitBtnPrint, Qt::LeftButton);
  EXPECT_EQ(w.setup.Shown(), 1);
}

TEST(ErrorReport, ShowReportShowsTheLinesUntilCloseIsClicked) {
  Window w;
  QString shown;
  QTimer::singleShot(0, &w.form, [&] {
    if (w.form.isVisible()) shown = w.form.Memo1->toPlainText();
    QTest::mouseClick(w.form.BitBtnClose, Qt::LeftButton);
  });
  static_cast<IErrorReportView&>(w.form).ShowReport({"first", "second"});
  EXPECT_EQ(shown, QStringLiteral("first\nsecond"));
  EXPECT_FALSE(w.form.isVisible());
}

}  // namespace
