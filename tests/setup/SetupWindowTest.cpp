#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "setup/SelectGroupDialog.h"
#include "setup/SetupListDialog.h"
#include "setup/SetupWindow.h"
#include "setup/SingleInstance.h"
#include "tests/setup/SetupFakes.h"
#include "tests/support/TempDir.h"

namespace {

using Strings = std::vector<std::string>;

// The bounding box of the pixels of one colour.
QRect PixelsOf(const QImage& image, QRgb colour) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

TEST(SetupWindowTest, PaintsTitleAndIdentificationOnDarkBlue) {
  ScriptedBoxes boxes;
  SetupWindow window(boxes, [] {});
  window.resize(800, 600);
  QImage image(window.size(), QImage::Format_RGB32);
  window.render(&image);
  EXPECT_EQ(image.pixel(400, 300) & 0xFFFFFF, 0x000080u);
  const QRect title = PixelsOf(image, qRgb(255, 255, 0));
  ASSERT_FALSE(title.isEmpty());
  EXPECT_GE(title.left(), 25);
  EXPECT_LE(title.left(), 32);
  EXPECT_GE(title.top(), 25);
  // Two lines of 37-pixel text, the second indented by five spaces.
  EXPECT_GE(title.height(), 60);
  EXPECT_LE(title.bottom(), 25 + 2 * 45);
  const QRect block = PixelsOf(image, qRgb(0, 255, 0));
  ASSERT_FALSE(block.isEmpty());
  EXPECT_EQ(block.united(window.IdentificationRect(window.size())),
            window.IdentificationRect(window.size()));
  EXPECT_EQ(window.IdentificationRect(window.size()).bottomRight(), QPoint(800 - 26, 600 - 26));
  EXPECT_GE(block.right(), 800 - 25 - 4);
}

TEST(SetupWindowTest, OpeningBoxesThenTheInstallationOnlyAfterOk) {
  for (const BoxAnswer answer : {BoxAnswer::Cancel, BoxAnswer::Ok}) {
    ScriptedBoxes boxes;
    boxes.answers = {BoxAnswer::Ok, BoxAnswer::Ok, answer};
    int installs = 0;
    SetupWindow window(boxes, [&] { ++installs; });
    window.StartTimerFired();
    EXPECT_EQ(installs, answer == BoxAnswer::Ok ? 1 : 0);
    ASSERT_EQ(boxes.shown.size(), 3u);
    EXPECT_EQ(boxes.shown[0].caption, "About Quillmar Setup");
    EXPECT_EQ(boxes.shown[0].text,
              "Quillmar is a 32 bit Windows application which can be run from Windows 95/98/NT "
              "and above.  It will not run on 16 bit Windows 3.1\n\nTolvane\nYear-end wage "
              "statements for small employers\nQuillmar Setup " SETUP_VERSION);
    EXPECT_EQ(boxes.shown[1].caption, "Be sure Quillmar is not running");
    EXPECT_TRUE(boxes.shown[1].text.ends_with(
        "\n\nIf Quillmar is running make it active then exit all the way out of it.\n\n"));
    EXPECT_EQ(boxes.shown[2].caption, "Cancel to Stop else OK to continue");
    EXPECT_EQ(boxes.shown[2].buttons, BoxButtons::OkCancel);
    EXPECT_FALSE(boxes.shown[2].taskModal);
  }
}

int ControlId(const QObject* control) { return control->property("controlId").toInt(); }

QPushButton* Button(const QWidget& dialog, int id) {
  for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
    if (ControlId(button) == id) return button;
  }
  return nullptr;
}

TEST(SetupDialogsTest, MultipleCopiesListHandsBackButtonAndCutLine) {
  const std::string longEntry(300, 'x');
  SetupListDialog dialog(SetupListDialog::Kind::MultipleCopies, {"first", longEntry});
  EXPECT_EQ(dialog.windowTitle(), "Replace which existing copy ?");
  EXPECT_EQ(dialog.font().family(), "Arial");
  EXPECT_EQ(dialog.font().pointSize(), 10);
  QListWidget* list = dialog.findChild<QListWidget*>();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(ControlId(list), kIdList);
  EXPECT_EQ(list->currentRow(), 0);
  ASSERT_NE(Button(dialog, kIdChgDrive), nullptr);
  EXPECT_EQ(Button(dialog, kIdChgDrive)->text(), "ChgDrive");
  Button(dialog, kIdChgDrive)->click();
  EXPECT_EQ(dialog.Choice().button, kIdChgDrive);

  list->setCurrentRow(1);
  Button(dialog, kIdOk)->click();
  const ListChoice choice = dialog.Choice();
  EXPECT_EQ(choice.button, kIdOk);
  EXPECT_EQ(choice.index, 1u);
  EXPECT_EQ(choice.line, std::string(259, 'x'));
  dialog.reject();
  EXPECT_EQ(dialog.Choice().button, kIdCancel);
}

TEST(SetupDialogsTest, DriveListHasNoChgDriveAndGroupDialogClosesOnEscapeLikeOk) {
  SetupListDialog drives(SetupListDialog::Kind::SelectDrive, {"C: = Fixed"});
  EXPECT_EQ(drives.windowTitle(), "Select Hard Drive");
  EXPECT_EQ(Button(drives, kIdChgDrive), nullptr);
  EXPECT_EQ(Button(drives, kIdCancel)->text(), "Cancel");

  SelectGroupDialog group({"Accessories", "Quillmar Tools"}, 1);
  EXPECT_EQ(group.windowTitle(), "Select Group in which to place Icons");
  EXPECT_EQ(Button(group, kIdOk)->text(), "&OK");
  EXPECT_FALSE(group.findChild<QComboBox*>()->isEditable());
  group.show();
  QTest::keyClick(&group, Qt::Key_Escape);
  EXPECT_EQ(group.result(), kIdOk);
  EXPECT_EQ(group.Group(), "Quillmar Tools");
}

TEST(SingleInstanceTest, SecondCopyIsRefusedUntilTheFirstEnds) {
  const TempDir temp;
  const auto lock = temp.Path() / "Tolvane_Setup.lock";
  auto first = std::make_unique<SingleInstance>();
  ASSERT_TRUE(first->Acquire(lock));
  EXPECT_FALSE(SingleInstance().Acquire(lock));
  first.reset();
  EXPECT_TRUE(SingleInstance().Acquire(lock));
}

}  // namespace
