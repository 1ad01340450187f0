// The freedesktop registration written by RegisterInstall.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "platform/AtomicFile.h"
#include "settings/DesktopRegistration.h"
#include "settings/InstallCheck.h"
#include "settings/QuillmarRegistry.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {

std::string ReadText(const fs::path& file) { return ReadWholeFile(file).value_or(""); }

TEST(DesktopRegistration, RegisterInstallWritesTheMimePackageAndTheDesktopEntry) {
  TempDir config;
  TempDir data;
  TQuillmarRegistry registry(config.Path());
  RegisterInstall(registry, "/opt/Tolvane/Quillmar/Quillmar", data.Path());

  EXPECT_EQ(ReadText(data.Path() / "mime" / "packages" / "tolvane-quillmar.xml"),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
            "  <mime-type type=\"application/x-quillmar\">\n"
            "    <comment>Quillmar</comment>\n"
            "    <glob pattern=\"*.qmr\"/>\n"
            "  </mime-type>\n"
            "</mime-info>\n");
  EXPECT_EQ(ReadText(data.Path() / "applications" / "tolvane-quillmar.desktop"),
            "[Desktop Entry]\n"
            "Type=Application\n"
            "Version=1.0\n"
            "Name=Quillmar\n"
            "Comment=W-2 wage statements and the W-3 transmittal\n"
            "Exec=\"/opt/Tolvane/Quillmar/Quillmar\" %f\n"
            "Icon=tolvane-quillmar\n"
            "MimeType=application/x-quillmar;\n"
            "Terminal=false\n"
            "Categories=Office;Finance;\n"
            "Actions=Print;\n"
            "\n"
            "[Desktop Action Print]\n"
            "Name=Print\n"
            "Exec=\"/opt/Tolvane/Quillmar/Quillmar\" /p %f\n");
}

TEST(DesktopRegistration, QuotesAProgramPathWithSpecialCharacters) {
  // Inside the quotes " ` $ \ are escaped, % is doubled, and then the
  // desktop-entry string escape doubles every backslash.
  const std::string entry = QuillmarDesktopEntry("/home/j $x/100% \"q\"/a\\b`c/Quillmar");
  EXPECT_NE(
      entry.find("\nExec=\"/home/j \\\\$x/100%% \\\\\"q\\\\\"/a\\\\\\\\b\\\\`c/Quillmar\" %f\n"),
      std::string::npos)
      << entry;
}

TEST(DesktopRegistration, AnUnchangedEntryIsNotRewritten) {
  TempDir data;
  ASSERT_TRUE(RegisterWithDesktop(data.Path(), "/usr/bin/Quillmar"));
  const fs::path entry = data.Path() / "applications" / "tolvane-quillmar.desktop";
  struct stat first {};
  ASSERT_EQ(stat(entry.c_str(), &first), 0);
  ASSERT_TRUE(RegisterWithDesktop(data.Path(), "/usr/bin/Quillmar"));
  struct stat second {};
  ASSERT_EQ(stat(entry.c_str(), &second), 0);
  EXPECT_EQ(first.st_ino, second.st_ino);
  ASSERT_TRUE(RegisterWithDesktop(data.Path(), "/usr/local/bin/Quillmar"));
  EXPECT_NE(ReadText(entry).find("Exec=\"/usr/local/bin/Quillmar\" /p %f\n"), std::string::npos);
}

TEST(DesktopRegistration, AFailureIsSilent) {
  TempDir dir;
  const fs::path notAFolder = dir.Path() / "share";
  std::ofstream(notAFolder) << "a file where the data folder should be";
  EXPECT_FALSE(RegisterWithDesktop(notAFolder, "/usr/bin/Quillmar"));
  TQuillmarRegistry registry(dir.Path());
  RegisterInstall(registry, "/usr/bin/Quillmar", notAFolder);  // no exception, no message
  EXPECT_FALSE(InstallCheckFails(registry, "/usr/bin/Quillmar")) << "the registry part was done";
}

}  // namespace

// A system data folder as the Debian package fills it: the entry starts a
// link to the program, as /usr/bin/Quillmar does.
TEST(DesktopRegistration, APackageRegisteredSystemWideGetsNoPerUserCopies) {
  TempDir root;
  const fs::path program = root.Path() / "opt" / "Quillmar";
  const fs::path system = root.Path() / "share";
  fs::create_directories(system / "applications");
  fs::create_directories(system / "mime" / "packages");
  fs::create_directories(program.parent_path());
  std::ofstream(program) << "program";
  fs::create_symlink(program, root.Path() / "link");
  std::ofstream(system / "applications" / "tolvane-quillmar.desktop")
      << "[Desktop Entry]\nExec=" << (root.Path() / "link").string() << " %f\n";
  std::ofstream(system / "mime" / "packages" / "tolvane-quillmar.xml") << QuillmarMimePackage();
  const std::vector<std::string> dirs = {"relative/share", system.string() + "/"};
  // The packaged program, and one of a build tree (which registers per user).
  for (const fs::path& running : {program, root.Path() / "build" / "Quillmar"}) {
    TempDir data;
    const bool perUser = running != program;
    ASSERT_TRUE(RegisterWithDesktop(data.Path(), running.string()));  // an earlier start
    ASSERT_TRUE(RegisterWithDesktop(data.Path(), running.string(), dirs));
    EXPECT_EQ(fs::exists(data.Path() / "applications" / "tolvane-quillmar.desktop"), perUser);
    EXPECT_EQ(fs::exists(data.Path() / "mime" / "packages" / "tolvane-quillmar.xml"), perUser);
  }
  EXPECT_FALSE(RegisteredSystemWide(dirs, program.string(), system)) << "the user's own folder";
  fs::remove(system / "mime" / "packages" / "tolvane-quillmar.xml");
  EXPECT_FALSE(RegisteredSystemWide(dirs, program.string())) << "without the MIME package";
}
