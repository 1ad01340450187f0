// How the fields take typing: a masked field's cursor stays within reach of
// typing, and leave rules never run inside one another.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <string>
#include <vector>

#include "screens/LeaveFieldFilter.h"
#include "screens/MaskCursor.h"

namespace {

class Fields : public ::testing::Test {
 protected:
  void SetUp() override {
    for (QLineEdit*& edit : edits) edit = new QLineEdit(&window);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  QWidget window;
  QLineEdit* edits[3] = {};
};

TEST_F(Fields, ClickingRightOfTheTypedTextOfAMaskTypesOnAtItsFirstBlank) {
  const char* const cases[][4] = {{"000-00-0000; ", "123", "456780", "123-45-6780"},
                                  {"(000)000-0000; ", "", "5185550142", "(518)555-0142"},
                                  {"000-00-0000; ", "123456780", "9", "123-45-6780"}};
  KeepCursorInTypedPart(edits[0]);
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c[0]) + " typed " + c[1] + ", then " + c[2]);
    edits[0]->setInputMask(QString::fromLatin1(c[0]));
    edits[0]->clear();
    edits[0]->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(edits[0], QString::fromLatin1(c[1]));
    edits[1]->setFocus(Qt::TabFocusReason);
    QTest::mouseClick(edits[0], Qt::LeftButton, {}, QPoint(edits[0]->width() - 4, 15));
    QTest::keyClicks(edits[0], QString::fromLatin1(c[2]));
    EXPECT_EQ(edits[0]->displayText(), QString::fromLatin1(c[3])) << c[0];
  }
  EXPECT_EQ(MaskTypingPlace("000-00-0000; ", "12 -45-6789", 8), 8);
  EXPECT_EQ(MaskTypingPlace("000-00-0000; ", "12 -4 -    ", 9), 2);
}

// A rule whose message moves the focus between other fields (as a window
// manager's activation does) runs no other rule meanwhile.
TEST_F(Fields, NoLeaveRuleRunsWhileAnotherOneRuns) {
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
