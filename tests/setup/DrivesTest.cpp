#include <gtest/gtest.h>

#include "setup/DriveScan.h"
#include "setup/Drives.h"
#include "setup/FileInstall.h"
#include "tests/setup/SetupTestFiles.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;

TEST(DriveListEntryTest, SizesAreWholeMebibytesRoundedDown) {
  const Drive drive{'C', "/", DriveKind::Fixed, 19077ull * 1048576 + 1048575, 5120ull * 1048576};
  EXPECT_EQ(DriveListEntry(drive), "C: = Fixed, Size = 19077 Meg., Free = 5120 Meg.");
  const Drive remote{'F', "/net", DriveKind::Remote, 1048575, 0};
  EXPECT_EQ(DriveListEntry(remote), "F: = Remote, Size = 0 Meg., Free = 0 Meg.");
}

TEST(MountTableDrivesTest, DisksAndNetworkFileSystemsBecomeLetteredDrives) {
  const TempDir temp;
  const std::string t = temp.Path().string();
  for (const char* folder : {"data disk", "net", "smb", "cdrom", "stick", "over"}) {
    fs::create_directories(temp.Path() / folder);
  }
  WriteText(temp.Path() / "hosts", "");
  WriteText(temp.Path() / "mounts",
            "proc /proc proc rw 0 0\n"
            "/dev/sdb1 " +
                t +
                "/data\\040disk ext4 rw 0 0\n"
                "/dev/vda / ext4 rw 0 0\n"
                "server:/export " +
                t +
                "/net nfs4 rw 0 0\n"
                "/dev/sr0 " +
                t +
                "/cdrom iso9660 ro 0 0\n"
                "/dev/sdc1 " +
                t +
                "/stick vfat rw 0 0\n"
                "overlay " +
                t +
                "/over overlay rw 0 0\n"
                "/dev/vda " +
                t +
                "/hosts ext4 rw 0 0\n"
                "/dev/sdd1 " +
                t +
                "/gone ext4 rw 0 0\n"
                "//srv/share " +
                t +
                "/smb cifs rw 0 0\n"
                "/dev/sde1 " +
                t + "/net xfs rw 0 0\n");
  const std::vector<Drive> drives = MountTableDrives(temp.Path() / "mounts").Drives();
  std::vector<std::string> found;
  for (const Drive& d : drives) {
    found.push_back(std::string(1, d.letter) + (d.kind == DriveKind::Fixed ? " F " : " R ") +
                    d.root.string());
  }
  EXPECT_EQ(found, (std::vector<std::string>{"C F /", "D F " + t + "/data disk",
                                             "E R " + t + "/smb", "F F " + t + "/net"}));
  ASSERT_FALSE(drives.empty());
  EXPECT_GT(drives[0].totalBytes, 0u);
}

TEST(ScanForProgramTest, DepthFirstSkippingDottedFoldersLinksAndNonFiles) {
  const TempDir temp;
  const fs::path root = temp.Path();
  for (const char* file : {"Quillmar", "b/Quillmar", "a/deep/Quillmar", "v1.2/Quillmar",
                           "a/lib.d/x/Quillmar", "a/other/quillmar"}) {
    WriteText(root / file, "x");
  }
  fs::create_directories(root / "c" / "Quillmar");
  fs::create_directories(root / "e");
  fs::create_directory_symlink(root / "a", root / "link");
  fs::create_directory_symlink(root, root / "a" / "loop");
  fs::create_symlink(root / "Quillmar", root / "e" / "Quillmar");
  std::vector<fs::path> found;
  for (const FoundCopy& copy : ScanForProgram(root, "Quillmar")) found.push_back(copy.path);
  EXPECT_EQ(found, (std::vector<fs::path>{root / "Quillmar", root / "a" / "deep" / "Quillmar",
                                          root / "b" / "Quillmar"}));
}

TEST(ScanForProgramTest, EntryShowsSizeDateAndAttributes) {
  const TempDir temp;
  WriteText(temp.Path() / "QM" / "Quillmar", "0123456789a");
  SetDate(temp.Path() / "QM" / "Quillmar", 2002, 1, 8);
  fs::permissions(temp.Path() / "QM" / "Quillmar", fs::perms(0444));
  const std::vector<FoundCopy> found = ScanForProgram(temp.Path(), "Quillmar");
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(FoundCopyEntry(found[0]),
            (temp.Path() / "QM" / "Quillmar").string() + "  11  2002/01/08  [R    A]");
}

TEST(BackupNameTest, SuffixGoesBeforeTheFileNamesExtensionOnly) {
  const std::pair<const char*, const char*> cases[] = {
      {"/opt/Tolvane/Quillmar/Quillmar", "/opt/Tolvane/Quillmar/Quillmar Old Vers"},
      {"/srv/v1.2/apps.d/Quillmar", "/srv/v1.2/apps.d/Quillmar Old Vers"},
      {"/D/APPS/QM/Quillmar.exe", "/D/APPS/QM/Quillmar Old Vers.exe"},
      {"/x/.Quillmar", "/x/.Quillmar Old Vers"},
  };
  for (const auto& [destination, backup] : cases) {
    EXPECT_EQ(BackupName(destination), fs::path(backup)) << destination;
  }
}

}  // namespace
