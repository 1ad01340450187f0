#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "platform/qt/QtMessageBoxes.h"

namespace {

// Shows a box with `buttons`; while it is open presses Escape and its close
// box, notes whether it stayed open, then answers `fallback` when it did.
struct EscapeOutcome {
  MsgButton answer;
  bool stayedOpen;
};

EscapeOutcome PressEscape(unsigned buttons, QMessageBox::StandardButton fallback) {
  QtMessageBoxes boxes;
  bool stayedOpen = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    QTest::keyClick(box, Qt::Key_Escape);
    if (box->isVisible()) box->close();
    stayedOpen = box->isVisible();
    if (stayedOpen) box->button(fallback)->click();
  });
  const MsgButton answer =
      boxes.Show({"Quillmar", "Save changes?", MsgIcon::Question, buttons, true});
  return {answer, stayedOpen};
}

}  // namespace

TEST(QtMessageBoxes, EscapeLeavesAYesNoQuestionOpenAndAnswersCancelOrOkElsewhere) {
  struct Row {
    const char* name;
    unsigned buttons;
    MsgButton answer;
    bool stayedOpen;
  };
  const Row rows[] = {
      {"yes/no: only a button answers", MsgYes | MsgNo, MsgYes, true},
      {"yes/no/cancel: Escape is Cancel", MsgYes | MsgNo | MsgCancel, MsgCancel, false},
      {"ok/cancel: Escape is Cancel", MsgOk | MsgCancel, MsgCancel, false},
      {"ok: Escape is OK", MsgOk, MsgOk, false},
  };
  for (const Row& row : rows) {
    const EscapeOutcome outcome = PressEscape(row.buttons, QMessageBox::Yes);
    EXPECT_EQ(outcome.answer, row.answer) << row.name;
    EXPECT_EQ(outcome.stayedOpen, row.stayedOpen) << row.name;
  }
}
