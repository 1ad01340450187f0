// The line-up set-up dialog and the label-size dialog: their texts, the
// spin box rules, and what closing them with OK gives the print runs.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest/QTest>

#include "screens/DlgW2Setup.h"
#include "screens/Dlglabel.h"

namespace {

QStringList LabelTexts(const QWidget& dialog) {
  QStringList texts;
  for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
  return texts;
}

TEST(PrintSetUpDialog, ShowsItsTextsAndTakesTheUsersMarginsWithinRange) {
  TFormW2PrintSetUp dialog;
  EXPECT_EQ(dialog.windowTitle(), "Lineup for printed forms");
  EXPECT_EQ(LabelTexts(dialog),
            (QStringList{"TOP Margin in 100ths of an inch  (Suggest 50 = 0.5\" (1/2 inch))",
                         "LEFT Margin in 100ths of an inch  (Suggest 25 to 31 = 0.25\" to 0.3125\" "
                         "(1/4 to 5/16 inch))",
                         "Scale ACROSS in percent (100.0 unless your printer stretches the page)",
                         "Scale DOWN in percent (below 100.0 shrinks, above 100.0 stretches the "
                         "print)",
                         "(Returns here afterwards)",
                         "Tip: If short of forms use plain paper for the lineup and hold result to "
                         "the light with a form behind it.",
                         "When line up is satisfactory clear check mark at \"Print Line Up "
                         "Sample\" and click OK, do not click Cancel unless you wish to abandon "
                         "printing."}));
  EXPECT_EQ(dialog.CheckBoxLineUpRequd->text(), "Print Line Up Sample");

  FormSetUpValues values;
  values.top.minimum = 17;  // learned from a printer
  QTimer::singleShot(0, &dialog, [&] {
    EXPECT_EQ(dialog.SpinEditTOP->value(), 50);
    EXPECT_EQ(dialog.SpinEditTOP->minimum(), 17);
    EXPECT_TRUE(dialog.CheckBoxLineUpRequd->isChecked());
    dialog.SpinEditTOP->setValue(20);
    dialog.SpinEditLEFT->setValue(90);
    dialog.CheckBoxLineUpRequd->setChecked(false);
    dialog.BitBtnOK->click();
  });
  ASSERT_TRUE(dialog.Execute(values));
  EXPECT_EQ(values.top.value, 20);
  EXPECT_EQ(values.left.value, 75);
  EXPECT_FALSE(values.lineUpRequired);

  QTimer::singleShot(0, &dialog, [&] { dialog.close(); });  // the close box counts as Cancel
  EXPECT_FALSE(dialog.Execute(values));
}

TEST(LabelStyleDialog, OffersFourSizesWithNoneChosenAndOkNeedsAChoice) {
  TFormLabelSelect dialog;
  EXPECT_EQ(dialog.windowTitle(), "Select label style");
  EXPECT_EQ(dialog.RadioGroupLabelType->title(), "What size label ?");
  QStringList items;
  for (const QRadioButton* button : dialog.LabelTypeButtons) items << button->text();
  EXPECT_EQ(items, (QStringList{"4\" x 1\",  2 across, 10 down, 20 per sheet",
                                "4\" x 1 1/3\",  2 across, 7 down, 14 per sheet",
                                "4\" x 1 1/2\",  2 across, 7 down, 14 per sheet",
                                "4\" x 2\",  2 across, 5 down, 10 per sheet"}));
  QTimer::singleShot(0, &dialog, [&] { dialog.BitBtnOK->click(); });
  EXPECT_EQ(dialog.Execute(), std::nullopt);  // nothing chosen at open
  QTimer::singleShot(0, &dialog, [&] {
    dialog.LabelTypeButtons[2]->click();
    dialog.BitBtnOK->click();
  });
  const std::optional<LabelChoice> choice = dialog.Execute();
  ASSERT_TRUE(choice);
  EXPECT_EQ(choice->style, 2);
}

TEST(PrintSetUpDialog, LeavingABoxBringsItsTextWithinRangeAndOkTakesWhatIsShown) {
  TFormW2PrintSetUp dialog;
  FormSetUpValues values;
  values.top.minimum = 17;
  dialog.Show(values);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  struct Case {
    const char* name;
    QAbstractSpinBox* box;
    const char* typed;
    QString shown;
  };
  const Case cases[] = {
      {"top, letters: the minimum", dialog.SpinEditTOP, "abc", "17"},
      {"top, above", dialog.SpinEditTOP, "999", "150"},
      {"left, within", dialog.SpinEditLEFT, "30", "30"},
      {"scale across, above", dialog.SpinEditScaleX, "200", "110.0 %"},
      {"scale down, tenths", dialog.SpinEditScaleY, "98.5", "98.5 %"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.box->setFocus();
    c.box->selectAll();
    QTest::keyClicks(c.box, QString::fromLatin1(c.typed));
    dialog.CheckBoxLineUpRequd->setFocus();  // leaving the box
    EXPECT_EQ(c.box->text(), c.shown);
  }
  // Typed but not yet left: OK takes the text shown.
  dialog.SpinEditTOP->setFocus();
  dialog.SpinEditTOP->selectAll();
  QTest::keyClicks(dialog.SpinEditTOP, QStringLiteral("60"));
  dialog.Take(values);
  EXPECT_EQ(values.top.value, 60);
  EXPECT_EQ(values.left.value, 30);
  EXPECT_EQ(values.scaleX.value, 1100);
  EXPECT_EQ(values.scaleY.value, 985);
}

TEST(LabelStyleDialog, AsksForTheFirstLabelWithinTheChosenSheet) {
  TFormLabelSelect dialog;
  dialog.LabelTypeButtons[3]->click();  // 4" x 2": five rows
  EXPECT_EQ(dialog.SpinStartRow->maximum(), 5);
  EXPECT_EQ(dialog.SpinStartColumn->maximum(), 2);
  dialog.SpinStartRow->setValue(4);
  dialog.SpinStartColumn->setValue(2);
  const LabelChoice choice = dialog.Choice().value();
  EXPECT_EQ((std::tuple{choice.style, choice.start.row, choice.start.column}),
            (std::tuple{3, 4, 2}));
}

}  // namespace
