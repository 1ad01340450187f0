#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "platform/qt/QtMessageBoxes.h"

// Escape and the close box on each kind of box; a box they leave open is
// then answered Yes.
TEST(QtMessageBoxes, EscapeLeavesAYesNoQuestionOpenAndAnswersCancelOrOkElsewhere) {
  const struct {
    const char* name;
    unsigned buttons;
    MsgButton answer;
  } rows[] = {{"yes/no: only a button answers", MsgYes | MsgNo, MsgYes},
              {"yes/no/cancel: Escape is Cancel", MsgYes | MsgNo | MsgCancel, MsgCancel},
              {"ok/cancel: Escape is Cancel", MsgOk | MsgCancel, MsgCancel},
              {"ok: Escape is OK", MsgOk, MsgOk}};
  for (const auto& row : rows) {
    QtMessageBoxes boxes;
    QTimer::singleShot(0, [] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      QTest::keyClick(box, Qt::Key_Escape);
      if (box->isVisible()) box->close();
      if (box->isVisible()) box->button(QMessageBox::Yes)->click();
    });
    EXPECT_EQ(boxes.Show({"Quillmar", "Save changes?", MsgIcon::Question, row.buttons, true}),
              row.answer)
        << row.name;
  }
}
