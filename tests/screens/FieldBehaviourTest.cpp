// How the screens' fields take typing: the cursor of a masked field within
// reach of typing, and leave rules that never run inside one another.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <string>
#include <vector>

#include "screens/LeaveFieldFilter.h"
#include "screens/MaskCursor.h"

namespace {

struct MaskCase {
  const char* mask;
  const char* typedFirst;
  const char* typedAfterClick;
  const char* shown;
};

// Typed, clicked far to the right of the typed text, typed on.
const MaskCase kMaskCases[] = {
    {"000-00-0000; ", "123", "456780", "123-45-6780"},
    {"00000-0000; ", "12", "345", "12345-    "},
    {"00-0000000; ", "", "123456789", "12-3456789"},
    {"(000)000-0000; ", "518", "5550142", "(518)555-0142"},
    {"000-00-0000; ", "123456780", "9", "123-45-6780"},  // full: nothing more goes in
};

class Window : public ::testing::Test {
 protected:
  void SetUp() override {
    window.resize(400, 120);
    for (QLineEdit*& edit : edits) edit = new QLineEdit(&window);
    for (int i = 0; i < 3; ++i) edits[i]->setGeometry(10, 10 + 35 * i, 380, 30);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  QWidget window;
  QLineEdit* edits[3] = {};
};

using MaskCursor = Window;

TEST_F(MaskCursor, ClickingRightOfTheTypedTextTypesOnAtTheFirstBlank) {
  QLineEdit* edit = edits[0];
  KeepCursorInTypedPart(edit);
  for (const MaskCase& c : kMaskCases) {
    SCOPED_TRACE(c.mask);
    edit->setInputMask(QString::fromLatin1(c.mask));
    edit->clear();
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(edit, QString::fromLatin1(c.typedFirst));
    edits[1]->setFocus(Qt::TabFocusReason);
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(edit->width() - 4, edit->height() / 2));
    QTest::keyClicks(edit, QString::fromLatin1(c.typedAfterClick));
    EXPECT_EQ(edit->displayText(), QString::fromLatin1(c.shown));
  }
}

TEST_F(MaskCursor, APlaceInsideTheTypedPartStaysWhereTheUserPutIt) {
  EXPECT_EQ(MaskTypingPlace("000-00-0000; ", "12 -45-6789", 8), 8);
  EXPECT_EQ(MaskTypingPlace("000-00-0000; ", "12 -4 -    ", 9), 2);
  EXPECT_EQ(MaskTypingPlace("000-00-0000; ", "123-4 -    ", 11), 5);
  EXPECT_EQ(MaskTypingPlace("!\\(000\\)000-0000;_", "(5__)___-____", 13), 2);
  // The focus coming back to a field whose cursor was left at the end.
  QLineEdit* edit = edits[0];
  KeepCursorInTypedPart(edit);
  edit->setInputMask(QStringLiteral("00000-0000; "));
  edit->setText(QStringLiteral("123"));
  edit->end(false);
  edit->setFocus(Qt::OtherFocusReason);
  QTest::keyClicks(edit, QStringLiteral("45"));
  EXPECT_EQ(edit->displayText(), QStringLiteral("12345-    "));
}

using LeaveRules = Window;

// A rule whose message box moves the focus between other fields (as a real
// window manager's activation does) runs no other rule meanwhile; the field
// left meanwhile is left for real later.
TEST_F(LeaveRules, NoRuleRunsWhileAnotherOnesMessageIsOpen) {
  LeaveFieldFilter filter;
  std::vector<std::string> ran;
  filter.Watch(edits[0], [&] {
    ran.push_back("first");
    if (ran.size() > 1) return;
    edits[2]->setFocus(Qt::TabFocusReason);
    edits[1]->setFocus(Qt::TabFocusReason);
    edits[0]->setFocus(Qt::OtherFocusReason);  // back to the field the rule named
  });
  filter.Watch(edits[1], [&] { ran.push_back("second"); });
  filter.Watch(edits[2], [&] { ran.push_back("third"); });
  edits[0]->setFocus(Qt::TabFocusReason);
  edits[1]->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(ran, std::vector<std::string>{"first"});
  EXPECT_EQ(QApplication::focusWidget(), edits[0]);
  edits[1]->setFocus(Qt::TabFocusReason);
  edits[2]->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(ran, (std::vector<std::string>{"first", "first", "second"}));
}

}  // namespace
