// The data file's questions and refusals as the user sees them, the pending
// change offered as the file closes, and the entry rules' messages in their
// plain boxes.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <cerrno>
#include <string>
#include <vector>

#include "data/EntryRules.h"
#include "data/QuillmarFormFile.h"
#include "platform/PosixFile.h"
#include "screens/EntryMessage.h"
#include "screens/FileQuestions.h"
#include "screens/LineEditField.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempDir.h"

namespace {

TEST(FileQuestions, AskAndRefuseInTaskModalUpdateProgramBoxes) {
  TFileQuestions questions;
  const struct {
    const char* what;
    std::function<bool()> ask;
    MsgButton answer;
    bool result;
    MsgIcon icon;
    unsigned buttons;
  } rows[] = {
      {"save question", [&] { return questions.SaveChanges("Q"); }, MsgNo, false, MsgIcon::Question,
       MsgYes | MsgNo},
      {"namesake", [&] { return questions.TakeNamesake("Q", false); }, MsgYes, true,
       MsgIcon::Question, MsgYes | MsgNo},
      {"last namesake", [&] { return questions.TakeNamesake("Q", true); }, MsgOk, true,
       MsgIcon::Question, MsgOk},
      {"refusal", [] { return ShowSaveRefusal("Q"), true; }, MsgOk, true, MsgIcon::Error, MsgOk},
  };
  for (const auto& row : rows) {
    ScriptedMessageBoxes boxes;
    boxes.Answer(row.answer);
    EXPECT_EQ(row.ask(), row.result) << row.what;
    ASSERT_EQ(boxes.Shown().size(), 1u) << row.what;
    const MessageBoxRequest& box = boxes.Shown()[0];
    EXPECT_EQ(box.caption, "W-2/W-3 Update Program") << row.what;
    EXPECT_EQ(box.text, "Q") << row.what;
    EXPECT_EQ(box.icon, row.icon) << row.what;
    EXPECT_EQ(box.buttons, row.buttons) << row.what;
    EXPECT_TRUE(box.taskModal) << row.what;
  }
}

class ClosingTest : public ::testing::Test {
 protected:
  TempDir dir;
  FixedClock clock{FixedClock::LocalNoon(2002, 1, 15)};
  ScriptedMessageBoxes boxes;
  std::string path = dir.File("acme.qmr");
};

TEST_F(ClosingTest, ThePendingChangeIsOfferedBeforeTheFileCloses) {
  auto file = TQuillmarFormFile::Create(path);
  file->WorkRec.w2.LastName = "Kept";
  boxes.Answer(MsgYes);
  SettleBeforeClose(*file);
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Save changes to W-2 for    Kept ?"});
  file = TQuillmarFormFile::Create((file.reset(), path));
  EXPECT_EQ(file->WorkRec.w2.LastName.Str(), "Kept");
  file->WorkRec.w2.LastName = "Dropped";
  boxes.Answer(MsgNo);
  SettleBeforeClose(*file);
  file = TQuillmarFormFile::Create((file.reset(), path));
  EXPECT_EQ(file->WorkRec.w2.LastName.Str(), "Kept");
  EXPECT_EQ(file->SetDecisions(nullptr), nullptr);  // the questions were only lent
}

TEST_F(ClosingTest, AFailedSaveOnClosingIsShownWithItsReason) {
  auto file = TQuillmarFormFile::Create(path);
  ASSERT_TRUE(file->AddNew(kRecTypeW2));
  file->WorkRec.w2.SocSecNum = "222-22-2222";
  boxes.Answer(MsgYes).Answer(MsgOk);
  const IoFault previous = SetIoFault([](IoStep, int) { return ENOSPC; });
  SettleBeforeClose(*file);
  SetIoFault(previous);
  ASSERT_EQ(boxes.Shown().size(), 2u);
  EXPECT_EQ(boxes.Shown()[1].caption, "Quillmar");
  EXPECT_EQ(boxes.Shown()[1].text, "Cannot write file " + path + "\rThe disk is full.");
  EXPECT_EQ(boxes.Shown()[1].icon, MsgIcon::Error);
  EXPECT_EQ(file->Size(), 1920);
}

// The rules return their messages; the screens show them in plain boxes.
TEST(EntryMessage, RefusedEntriesAreShownInAPlainQuillmarBox) {
  ScriptedMessageBoxes boxes;
  boxes.Answer(MsgOk).Answer(MsgOk);
  EXPECT_TRUE(EntryAccepted(CheckSSN("001-01-0001")));
  EXPECT_FALSE(EntryAccepted(CheckSSN("123-45-6789")));
  QLineEdit edit(QStringLiteral("abc"));
  LineEditField field(&edit);
  std::int32_t value = 7;
  ReadIntegerField(field, value);
  EXPECT_EQ(value, 7);
  ASSERT_EQ(boxes.Shown().size(), 2u);
  EXPECT_EQ(boxes.Shown()[0].text, ValidationMessageText(ValidationKind::SSN));
  EXPECT_EQ(boxes.Shown()[1].text.substr(0, 14), "Entry of \"abc\"");
  for (const MessageBoxRequest& box : boxes.Shown()) {
    EXPECT_EQ(box.caption, "Quillmar");
    EXPECT_EQ(box.icon, MsgIcon::None);
    EXPECT_EQ(box.buttons, unsigned{MsgOk});
    EXPECT_FALSE(box.taskModal);
  }
}

}  // namespace
