#include <gtest/gtest.h>

#include "platform/MessageBoxes.h"
#include "tests/support/ScriptedMessageBoxes.h"

TEST(MessageBoxes, PlainMessageCarriesTheProgramTitleAndOkOnly) {
  ScriptedMessageBoxes boxes;
  boxes.Answer(MsgOk);
  ShowMessage("Hello", MsgIcon::Information);
  ASSERT_EQ(boxes.Shown().size(), 1u);
  const MessageBoxRequest& r = boxes.Shown()[0];
  EXPECT_EQ(r.caption, "Quillmar");
  EXPECT_EQ(r.text, "Hello");
  EXPECT_EQ(r.icon, MsgIcon::Information);
  EXPECT_EQ(r.buttons, unsigned{MsgOk});
  EXPECT_FALSE(r.taskModal);
}

TEST(MessageBoxes, UpdateQuestionIsTaskModalWithTheDataFileTitle) {
  ScriptedMessageBoxes boxes;
  boxes.Answer(MsgNo);
  EXPECT_EQ(AskUpdate("Save?", MsgIcon::Question, MsgYes | MsgNo), MsgNo);
  const MessageBoxRequest& r = boxes.Shown().at(0);
  EXPECT_EQ(r.caption, "W-2/W-3 Update Program");
  EXPECT_TRUE(r.taskModal);
  EXPECT_EQ(r.buttons, unsigned{MsgYes | MsgNo});
}

TEST(MessageBoxes, WithoutAServiceABoxIsAProgrammingError) {
  EXPECT_THROW(ShowMessage("nobody answers"), std::logic_error);
}

TEST(MessageBoxes, ScriptedServiceRestoresThePreviousOne) {
  ScriptedMessageBoxes outer;
  {
    ScriptedMessageBoxes inner;
    EXPECT_EQ(&MessageBoxes(), &inner);
  }
  EXPECT_EQ(&MessageBoxes(), &outer);
}
