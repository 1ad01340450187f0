#include <gtest/gtest.h>

#include <stdexcept>

#include "app/ErrorDisplay.h"
#include "platform/QuillmarError.h"
#include "tests/support/ScriptedMessageBoxes.h"

TEST(ErrorDisplay, AnEscapingErrorIsShownAndTheProgramGoesOn) {
  ScriptedMessageBoxes boxes;
  boxes.Answer(MsgOk);
  bool after = false;
  EXPECT_FALSE(RunGuarded([] { throw QuillmarError("Cannot open file /x/acme.qmr"); }));
  after = true;
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].caption, "Quillmar");
  EXPECT_EQ(boxes.Shown()[0].text, "Cannot open file /x/acme.qmr");
  EXPECT_EQ(boxes.Shown()[0].icon, MsgIcon::Error);
  EXPECT_TRUE(after);
}

TEST(ErrorDisplay, AHandlerThatSucceedsShowsNothing) {
  ScriptedMessageBoxes boxes;
  int runs = 0;
  EXPECT_TRUE(RunGuarded([&] { ++runs; }));
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(boxes.Shown().empty());
}
