#include <gtest/gtest.h>
#include <unistd.h>

#include "setup/DriveScan.h"
#include "setup/Installer.h"
#include "setup/ProgmanService.h"
#include "setup/ProgramGroup.h"
#include "tests/setup/SetupFakes.h"
#include "tests/setup/SetupTestFiles.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

const char* const kNotUpgrade =
    "Not an Upgrade | No existing program found on target disk, assuming complete new "
    "installation required.";

class InstallerTest : public ::testing::Test {
 protected:
  InstallerTest()
      : service(DesktopMenu(temp.Path() / "config", temp.Path() / "data")), dde(service) {
    WriteText(source / "Quillmar", "new program");
    fs::permissions(source / "Quillmar", fs::perms(0755));
    AddDrive('C', "c");
  }

  fs::path AddDrive(char letter, const std::string& name) {
    fs::create_directories(temp.Path() / name);
    drives.drives.push_back(
        {letter, temp.Path() / name, DriveKind::Fixed, 20u << 20, (5u << 20) + 1});
    return temp.Path() / name;
  }

  void Run(const ContentCopier& copier = CopyFileContents) {
    Installer installer(
        boxes, dialogs, drives,
        [&](const fs::path& folder) {
          InstallProgramIcons(folder, QuillmarItemTable(), dde, boxes, dialogs);
        },
        copier);
    installer.Run(source);
  }

  static std::string AddItem(const fs::path& folder) {
    return "[AddItem(\"" + (folder / "Quillmar").string() + "\",\"Quillmar\")]";
  }
  static Strings GroupCommands(const fs::path& folder) {
    return {"[CreateGroup(\"Quillmar\")]", "[ShowGroup(\"Quillmar\",1)]", AddItem(folder)};
  }

  TempDir temp;
  fs::path source = temp.Path() / "media";
  fs::path target = temp.Path() / "c" / "opt" / "Tolvane" / "Quillmar";
  ScriptedBoxes boxes;
  ScriptedDialogs dialogs;
  FolderDrives drives;
  ProgmanService service;
  RecordingDde dde;
};

TEST_F(InstallerTest, MissingProgramIsReportedAndNothingIsInstalled) {
  fs::remove(source / "Quillmar");
  Run();
  EXPECT_EQ(boxes.Texts(), Strings{"Program Missing | Program to be installed \"" +
                                   (source / "Quillmar").string() +
                                   "\" is missing. There is nothing to install."});
  EXPECT_EQ(boxes.shown[0].icon, BoxIcon::Error);
  EXPECT_TRUE(boxes.shown[0].taskModal);
  EXPECT_TRUE(dialogs.log.empty());
  EXPECT_FALSE(fs::exists(temp.Path() / "c" / "opt"));
}

TEST_F(InstallerTest, FreshInstallOnTheOnlyDriveCreatesTheDefaultFolder) {
  Run();
  EXPECT_EQ(dialogs.log,
            (Strings{"Scanning", "CloseWait", "Installing", "CloseWait", "SelectGroup"}));
  EXPECT_EQ(boxes.Texts(), Strings{kNotUpgrade});
  EXPECT_EQ(ReadText(target / "Quillmar"), "new program");
  EXPECT_EQ(fs::status(target / "Quillmar").permissions(), fs::perms(0755));
  EXPECT_EQ(std::distance(fs::directory_iterator(target), fs::directory_iterator()), 1);
  EXPECT_EQ(dde.executed, GroupCommands(target));
  const std::vector<MenuItem> items =
      DesktopMenu(temp.Path() / "config", temp.Path() / "data").Items("Quillmar");
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].commandLine, (target / "Quillmar").string());
  EXPECT_NE(
      ReadText(items[0].desktopFile).find("\nExec=\"" + (target / "Quillmar").string() + "\"\n"),
      std::string::npos);
}

TEST_F(InstallerTest, OneCopyFoundIsUpgradedAndKeptAsBackup) {
  const fs::path folder = temp.Path() / "c" / "APPS" / "QM";
  WriteText(folder / "Quillmar", "old");
  SetDate(folder / "Quillmar", 2002, 1, 8);
  ASSERT_EQ(service.Execute("[CreateGroup(\"Quillmar\")][AddItem(\"" +
                            (folder / "Quillmar").string() + "\",\"Quillmar\")]"),
            0u);
  Run();
  EXPECT_EQ(boxes.Texts(), Strings{"Upgrade of Existing | Upgrading existing program found at " +
                                   (folder / "Quillmar").string() + "  3  2002/01/08  [     A]"});
  EXPECT_EQ(ReadText(folder / "Quillmar"), "new program");
  EXPECT_EQ(ReadText(folder / "Quillmar Old Vers"), "old");
  EXPECT_EQ(dde.executed, (Strings{"[CreateGroup(\"Quillmar\")]", "[ShowGroup(\"Quillmar\",1)]",
                                   "[DeleteItem(\"Quillmar\")]", AddItem(folder)}));
  EXPECT_EQ(DesktopMenu(temp.Path() / "config", temp.Path() / "data").Items("Quillmar").size(), 1u);
  EXPECT_FALSE(fs::exists(target));
}

// A copy whose folder other users can change is not upgraded (the menu entry
// would start what they put there): setup says so and installs fresh.
TEST_F(InstallerTest, CopiesInFoldersOthersCanChangeAreNotUpgraded) {
  const fs::path shared = temp.Path() / "c" / "shared";
  WriteText(shared / "Quillmar", "theirs");
  fs::permissions(shared, fs::perms(0777));
  Run();
  EXPECT_EQ(boxes.Texts(), Strings{"Not Upgraded | Not upgrading the copy found at " +
                                   (shared / "Quillmar").string() +
                                   ": its folder belongs to another user or other users can "
                                   "change it. A new copy is installed instead."});
  EXPECT_EQ(ReadText(target / "Quillmar"), "new program");
  EXPECT_EQ(ReadText(shared / "Quillmar"), "theirs");
}

TEST(TrustedFolderTest, OnlyFoldersNobodyElseCanChange) {
  const TempDir temp;
  const struct {
    const char* name;
    unsigned parentMode;
    unsigned mode;
    bool trusted;
  } rows[] = {{"own folder", 0755, 0755, true},
              {"writable by all", 0755, 0777, false},
              {"in a folder writable by all", 0777, 0755, false},
              {"in a sticky folder writable by all", 01777, 0755, true},
              {"sticky and writable by all itself", 0755, 01777, false}};
  for (const auto& row : rows) {
    const fs::path folder = temp.Path() / row.name / "qm";
    fs::create_directories(folder);
    fs::permissions(folder.parent_path(), fs::perms(row.parentMode));
    fs::permissions(folder, fs::perms(row.mode));
    EXPECT_EQ(TrustedFolder(folder, geteuid(), getegid()), row.trusted) << row.name;
  }
  // Another user's folder: as root, one given away; else ours, seen by another user.
  const bool root = geteuid() == 0;
  ASSERT_EQ(lchown(temp.Path().c_str(), root ? 12345 : geteuid(), -1), 0);
  EXPECT_FALSE(TrustedFolder(temp.Path(), root ? 0 : geteuid() + 1, getegid()));
}

TEST_F(InstallerTest, RunningFromTheInstalledFolderCopiesNothing) {
  source = target;
  WriteText(source / "Quillmar", "installed");
  Run();
  EXPECT_EQ(dialogs.log, (Strings{"Scanning", "CloseWait", "SelectGroup"}));
  EXPECT_EQ(ReadText(target / "Quillmar"), "installed");
  EXPECT_FALSE(fs::exists(target / "Quillmar Old Vers"));
  EXPECT_EQ(dde.executed, GroupCommands(target));
}

// A copy that fails part way: the temporary file holds half the program.
bool HalfCopy(const fs::path&, const fs::path& to) {
  std::ofstream(to, std::ios::binary) << "half";
  return false;
}

TEST_F(InstallerTest, FailedCopyPutsTheOldVersionBack) {
  WriteText(target / "Quillmar", "old");
  Run(HalfCopy);
  const std::string destination = (target / "Quillmar").string();
  ASSERT_EQ(boxes.shown.size(), 3u);
  EXPECT_EQ(boxes.shown[1].caption, "Setup - Copy Error");
  EXPECT_EQ(boxes.shown[1].text,
            "Copy of " + (source / "Quillmar").string() + " to " + destination +
                " failed. You need to find out why then do the install over again.\n\nThe earlier "
                "version has been restored so you still have something to work with until the "
                "install can be repeated.");
  EXPECT_EQ(boxes.shown[2].caption, "File Move Failed");
  EXPECT_EQ(boxes.shown[2].text,
            "Unable to move Quillmar file from " + source.string() + " to preferred " +
                target.string() +
                " Setting up icon to start program where it is now. Manually change icon "
                "properties if you move the program.");
  EXPECT_EQ(ReadText(target / "Quillmar"), "old");
  EXPECT_EQ(std::distance(fs::directory_iterator(target), fs::directory_iterator()), 1);
  EXPECT_EQ(dde.executed.back(), AddItem(source));
}

TEST_F(InstallerTest, FailedFreshCopyLeavesNoProgramAndNoRestoreSentence) {
  Run(HalfCopy);
  ASSERT_EQ(boxes.shown.size(), 3u);
  EXPECT_EQ(boxes.shown[1].text, "Copy of " + (source / "Quillmar").string() + " to " +
                                     (target / "Quillmar").string() +
                                     " failed. You need to find out why then do the install "
                                     "over again.");
  EXPECT_TRUE(fs::is_empty(target));
  EXPECT_EQ(dde.executed, GroupCommands(source));
}

TEST_F(InstallerTest, ChgDriveSearchesAnotherDriveAndLongEntriesKeepTheirFolder) {
  const fs::path d = AddDrive('D', "d");
  drives.drives[0].kind = DriveKind::Remote;
  WriteText(temp.Path() / "c" / "x" / "Quillmar", "old");
  WriteText(temp.Path() / "c" / "y" / "Quillmar", "old");
  fs::path longFolder = d;
  for (char c = 'a'; c < 'h'; ++c) longFolder /= std::string(40, c);
  WriteText(longFolder / "Quillmar", "old");
  WriteText(d / "zz" / "Quillmar", "old");
  dialogs.choices = {{kIdOk, "", 0}, {kIdChgDrive, "", 0}, {kIdOk, "", 1}, {kIdOk, "", 0}};
  Run();
  EXPECT_EQ(dialogs.log, (Strings{"SelectDrive", "Scanning", "CloseWait", "SelectCopy",
                                  "SelectDrive", "Scanning", "CloseWait", "SelectCopy",
                                  "Installing", "CloseWait", "SelectGroup"}));
  EXPECT_EQ(dialogs.listsShown[0], (Strings{"C: = Remote, Size = 20 Meg., Free = 5 Meg.",
                                            "D: = Fixed, Size = 20 Meg., Free = 5 Meg."}));
  ASSERT_GT(dialogs.listsShown[3][0].size(), kSelectionCapacity);
  EXPECT_EQ(ReadText(longFolder / "Quillmar"), "new program");
  EXPECT_EQ(ReadText(d / "zz" / "Quillmar"), "old");
  EXPECT_EQ(ReadText(temp.Path() / "c" / "x" / "Quillmar"), "old");
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(InstallerTest, FolderThatCannotBeMadeIsReportedTwice) {
  WriteText(temp.Path() / "c" / "opt", "a file where the folder belongs");
  Run();
  EXPECT_EQ(boxes.Texts(),
            (Strings{kNotUpgrade,
                     "Cannot access directory | Cannot access or create directory (folder) " +
                         target.string() +
                         " - may result in failure of install or use of an alternate folder.",
                     "Install Failed | Installation FAILED, unable to create directory. If network "
                     "drive use signon with rights to create directories and try again."}));
  EXPECT_TRUE(dde.executed.empty());
}

TEST_F(InstallerTest, NoDriveEndsTheInstallation) {
  drives.drives.clear();
  Run();
  EXPECT_EQ(boxes.Texts(), Strings{" | No hard disk drives found to install to."});
  EXPECT_TRUE(boxes.shown[0].taskModal);
  EXPECT_TRUE(dialogs.log.empty());
}

}  // namespace
