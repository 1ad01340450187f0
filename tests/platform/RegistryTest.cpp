// The registry store on its hive files: keys, typed values, errors, read-only
// hives and damaged files.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "platform/AtomicFile.h"
#include "platform/Registry.h"
#include "platform/RegistryError.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {

std::string ReadText(const fs::path& file) { return ReadWholeFile(file).value_or(""); }

void WriteText(const fs::path& file, const std::string& text) {
  std::ofstream out(file, std::ios::binary);
  out << text;
}

void MakeReadOnly(const fs::path& path) {
  fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
}

// The message of the RegistryError that `action` raises; empty when none.
template <typename Action>
std::string ErrorOf(Action action) {
  try {
    action();
  } catch (const RegistryError& error) {
    return error.what();
  }
  return {};
}

TEST(Registry, EachRootGoesToItsHiveFile) {
  TempDir dir;
  Registry registry(dir.Path() / "Tolvane");  // the folder is made on the first write
  registry.SetRootKey(RegRoot::CurrentUser);
  ASSERT_TRUE(registry.OpenKey("\\Software\\Tolvane\\Quillmar\\1.0\\Payroll", true));
  registry.WriteString("LastW2Dir", "/home/jane/w2/");
  registry.SetRootKey(RegRoot::ClassesRoot);
  ASSERT_TRUE(registry.OpenKey("\\.qmr", true));
  registry.WriteString("", "Quillmar_TQP");
  registry.SetRootKey(RegRoot::LocalMachine);
  ASSERT_TRUE(registry.OpenKey("\\Software\\Tolvane", true));
  registry.WriteInteger("Top", 50);

  EXPECT_EQ(ReadText(dir.Path() / "Tolvane" / "user.reg"),
            "REGEDIT4\n\n"
            "[HKEY_CURRENT_USER\\Software]\n\n"
            "[HKEY_CURRENT_USER\\Software\\Tolvane]\n\n"
            "[HKEY_CURRENT_USER\\Software\\Tolvane\\Quillmar]\n\n"
            "[HKEY_CURRENT_USER\\Software\\Tolvane\\Quillmar\\1.0]\n\n"
            "[HKEY_CURRENT_USER\\Software\\Tolvane\\Quillmar\\1.0\\Payroll]\n"
            "\"LastW2Dir\"=\"/home/jane/w2/\"\n\n");
  EXPECT_EQ(ReadText(dir.Path() / "Tolvane" / "system.reg"),
            "REGEDIT4\n\n"
            "[HKEY_CLASSES_ROOT\\.qmr]\n@=\"Quillmar_TQP\"\n\n"
            "[HKEY_LOCAL_MACHINE\\Software]\n\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Tolvane]\n\"Top\"=dword:00000032\n\n");
}

TEST(Registry, OpensKeysWithAndWithoutCreating) {
  TempDir dir;
  Registry registry(dir.Path());
  registry.SetRootKey(RegRoot::LocalMachine);
  EXPECT_FALSE(registry.OpenKey("\\Software\\Tolvane", false));
  EXPECT_FALSE(registry.HasOpenKey());
  EXPECT_FALSE(fs::exists(dir.Path() / "system.reg")) << "opening without creating writes nothing";

  ASSERT_TRUE(registry.OpenKey("\\Software\\Tolvane\\Quillmar\\", true));
  EXPECT_EQ(registry.CurrentPath(), "Software\\Tolvane\\Quillmar");
  // Relative to the open key, and case-insensitive.
  ASSERT_TRUE(registry.OpenKey("SocSecMedicare\\2002", true));
  EXPECT_EQ(registry.CurrentPath(), "Software\\Tolvane\\Quillmar\\SocSecMedicare\\2002");
  EXPECT_TRUE(registry.KeyExists("\\SOFTWARE\\tolvane\\quillmar\\socsecmedicare\\2002"));
  EXPECT_TRUE(registry.OpenKey("\\software\\TOLVANE", false));
  EXPECT_EQ(registry.GetKeyNames(), std::vector<std::string>{"Quillmar"});
  registry.CloseKey();
  EXPECT_FALSE(registry.HasOpenKey());
  EXPECT_TRUE(registry.GetKeyNames().empty());

  EXPECT_FALSE(registry.OpenKey("\\Software\\\\Tolvane", true)) << "a key without a name";
  registry.SetRootKey(RegRoot::CurrentUser);
  EXPECT_FALSE(registry.KeyExists("\\Software\\Tolvane")) << "another root, another hive";
}

TEST(Registry, ReadsAndWritesEachValueType) {
  TempDir dir;
  Registry registry(dir.Path());
  registry.SetRootKey(RegRoot::LocalMachine);
  ASSERT_TRUE(registry.OpenKey("\\K", true));
  const unsigned char bytes[8] = {0x40, 0xb6, 0x9a, 0x32, 0, 0, 0, 0x80};
  registry.WriteString("Text", "Jane \"J\" Smith");
  registry.WriteString("", "the default");
  registry.WriteInteger("Negative", -25);
  registry.WriteBool("Yes", true);
  registry.WriteBool("No", false);
  registry.WriteBinaryData("Bytes", bytes, sizeof bytes);

  Registry other(dir.Path());  // a second store sees the same hive
  other.SetRootKey(RegRoot::LocalMachine);
  ASSERT_TRUE(other.OpenKey("\\k", false));
  EXPECT_EQ(other.ReadString("text"), "Jane \"J\" Smith");
  EXPECT_EQ(other.ReadString(""), "the default");
  EXPECT_EQ(other.ReadInteger("Negative"), -25);
  EXPECT_TRUE(other.ReadBool("Yes"));
  EXPECT_FALSE(other.ReadBool("No"));
  unsigned char back[8] = {};
  other.ReadBinaryData("Bytes", back, sizeof back);
  EXPECT_EQ(0, std::memcmp(back, bytes, sizeof bytes));
  EXPECT_TRUE(other.ValueExists("BYTES"));
  EXPECT_FALSE(other.ValueExists("Missing"));
  EXPECT_EQ(other.GetValueNames(),
            (std::vector<std::string>{"Text", "", "Negative", "Yes", "No", "Bytes"}));
  // Any non-zero DWORD reads as true.
  registry.WriteInteger("Seven", 7);
  EXPECT_TRUE(other.ReadBool("Seven"));
}

TEST(Registry, ReportsMissingAndMistypedValuesByName) {
  TempDir dir;
  Registry registry(dir.Path());
  registry.SetRootKey(RegRoot::LocalMachine);
  ASSERT_TRUE(registry.OpenKey("\\K", true));
  const unsigned char four[4] = {1, 2, 3, 4};
  registry.WriteString("Text", "x");
  registry.WriteInteger("Number", 1);
  registry.WriteBinaryData("Four", four, 4);
  unsigned char eight[8];

  EXPECT_EQ(registry.ReadString("Missing"), "") << "a missing text reads as empty";
  const struct {
    const char* what;
    std::function<void()> read;
    std::string message;
  } cases[] = {
      {"missing integer", [&] { registry.ReadInteger("Missing"); },
       "Failed to get data for 'Missing'"},
      {"missing bool", [&] { registry.ReadBool("Gone"); }, "Failed to get data for 'Gone'"},
      {"missing binary", [&] { registry.ReadBinaryData("SocSecRate", eight, 8); },
       "Failed to get data for 'SocSecRate'"},
      {"text as integer", [&] { registry.ReadInteger("Text"); }, "Invalid data type for 'Text'"},
      {"integer as text", [&] { registry.ReadString("Number"); }, "Invalid data type for 'Number'"},
      {"integer as binary", [&] { registry.ReadBinaryData("Number", eight, 8); },
       "Invalid data type for 'Number'"},
      {"binary of another size", [&] { registry.ReadBinaryData("Four", eight, 8); },
       "Invalid data type for 'Four'"},
      {"binary as bool", [&] { registry.ReadBool("Four"); }, "Invalid data type for 'Four'"},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorOf(c.read), c.message) << c.what;

  registry.CloseKey();
  EXPECT_EQ(ErrorOf([&] { registry.ReadInteger("Number"); }), "Failed to get data for 'Number'");
  EXPECT_EQ(ErrorOf([&] { registry.WriteString("Name", "x"); }), "Failed to set data for 'Name'");
}

TEST(Registry, AReadOnlyHiveRefusesToOpenForWritingButStillReads) {
  for (const bool folderReadOnly : {false, true}) {
    TempDir dir;
    Registry registry(dir.Path());
    registry.SetRootKey(RegRoot::LocalMachine);
    ASSERT_TRUE(registry.OpenKey("\\Software\\Tolvane", true));
    registry.WriteString("Name", "Jane");
    registry.CloseKey();
    const std::string before = ReadText(dir.Path() / "system.reg");
    if (folderReadOnly) {
      fs::remove(dir.Path() / "system.reg.lock");
      MakeReadOnly(dir.Path());
    } else {
      MakeReadOnly(dir.Path() / "system.reg");
    }

    EXPECT_FALSE(registry.OpenKey("\\Software\\Tolvane", true))
        << "existing key, folder " << folderReadOnly;
    EXPECT_FALSE(registry.OpenKey("\\Software\\New", true)) << "new key, folder " << folderReadOnly;
    ASSERT_TRUE(registry.OpenKey("\\Software\\Tolvane", false));
    EXPECT_EQ(registry.ReadString("Name"), "Jane");
    // A key opened for reading cannot be written either.
    EXPECT_EQ(ErrorOf([&] { registry.WriteString("Name", "Joe"); }),
              "Failed to set data for 'Name'");
    EXPECT_EQ(ReadText(dir.Path() / "system.reg"), before);
    // The other hive is not affected by a read-only system hive.
    registry.SetRootKey(RegRoot::CurrentUser);
    EXPECT_EQ(registry.OpenKey("\\Software", true), !folderReadOnly);
  }
}

TEST(Registry, AHiveThatCannotBeReadIsNeverOverwritten) {
  TempDir dir;
  fs::create_directory(dir.Path() / "system.reg");  // not a file
  Registry registry(dir.Path());
  registry.SetRootKey(RegRoot::LocalMachine);
  EXPECT_FALSE(registry.KeyExists("\\Software"));
  EXPECT_FALSE(registry.OpenKey("\\Software", true));
  EXPECT_TRUE(fs::is_directory(dir.Path() / "system.reg"));
}

TEST(Registry, KeepsAHandEditedHiveWhenWriting) {
  TempDir dir;
  const fs::path hive = dir.Path() / "system.reg";
  WriteText(hive,
            "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Tolvane]\r\n"
            "\"Name\"=\"Jane\r\n"
            "\"Company\"=\"Acme\"\r\n"
            "\"Top\"=dword:zz\r\n");
  Registry registry(dir.Path());
  registry.SetRootKey(RegRoot::LocalMachine);
  ASSERT_TRUE(registry.OpenKey("\\Software\\Tolvane", true));
  EXPECT_EQ(registry.ReadString("Company"), "Acme");
  EXPECT_EQ(registry.ReadString("Name"), "") << "an unreadable line gives no value";
  registry.WriteString("CurrVers", "1.0");
  EXPECT_EQ(ReadText(hive),
            "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Tolvane]\n"
            "\"Name\"=\"Jane\n"
            "\"Company\"=\"Acme\"\n"
            "\"Top\"=dword:zz\n"
            "\"CurrVers\"=\"1.0\"\n\n");
}

TEST(Registry, SeesChangesMadeByAnotherStore) {
  TempDir dir;
  Registry first(dir.Path());
  Registry second(dir.Path());
  first.SetRootKey(RegRoot::LocalMachine);
  second.SetRootKey(RegRoot::LocalMachine);
  ASSERT_TRUE(first.OpenKey("\\K", true));
  first.WriteString("A", "1");
  ASSERT_TRUE(second.OpenKey("\\K", false));
  EXPECT_EQ(second.ReadString("A"), "1");
  second.WriteString("B", "2");
  first.WriteString("A", "3");  // must not drop B, written by the other store
  EXPECT_EQ(second.ReadString("A"), "3");
  EXPECT_EQ(first.ReadString("B"), "2");
}

TEST(Registry, SeesAHiveReplacedWithTheSameSizeAndTime) {
  // A hive put back from a copy that keeps its time (cp -p, rsync -t), or a
  // new file that gets the inode of the old one within the same clock tick.
  TempDir dir;
  const fs::path hive = dir.Path() / "system.reg";
  WriteText(hive, "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\K]\n\"A\"=\"1\"\n\n");
  struct stat before {};
  ASSERT_EQ(::stat(hive.c_str(), &before), 0);
  Registry registry(dir.Path());
  registry.SetRootKey(RegRoot::LocalMachine);
  ASSERT_TRUE(registry.OpenKey("\\K", false));
  ASSERT_EQ(registry.ReadString("A"), "1");
  {
    std::fstream file(hive, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(static_cast<std::streamoff>(
        std::string("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\K]\n\"A\"=\"").size()));
    file.put('2');
  }
  const timespec times[2] = {before.st_atim, before.st_mtim};
  ASSERT_EQ(::utimensat(AT_FDCWD, hive.c_str(), times, 0), 0);
  EXPECT_EQ(registry.ReadString("A"), "2");
}

TEST(Registry, WriteValuesChangesTheHiveOnce) {
  TempDir dir;
  Registry registry(dir.Path());
  registry.SetRootKey(RegRoot::LocalMachine);
  ASSERT_TRUE(registry.OpenKey("\\K", true));
  registry.WriteValues({RegValue::String("A", "1"), RegValue::Dword("B", 2)});
  EXPECT_EQ(ReadText(dir.Path() / "system.reg"),
            "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\K]\n\"A\"=\"1\"\n\"B\"=dword:00000002\n\n");
  // No temporary file is left beside the hive.
  std::vector<std::string> files;
  for (const auto& entry : fs::directory_iterator(dir.Path()))
    files.push_back(entry.path().filename());
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (std::vector<std::string>{"system.reg", "system.reg.lock"}));
}

TEST(Registry, ANewHiveGetsTheUsersPermissionsAndAnExistingOneKeepsItsOwn) {
  TempDir dir;
  Registry registry(dir.Path());
  registry.SetRootKey(RegRoot::CurrentUser);
  ASSERT_TRUE(registry.OpenKey("\\K", true));
  const fs::path hive = dir.Path() / "user.reg";
  fs::permissions(hive, fs::perms::owner_read | fs::perms::owner_write);
  registry.WriteString("A", "1");
  EXPECT_EQ(fs::status(hive).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
}

// The bytes this process has read from files so far.
long BytesReadSoFar() {
  long rchar = 0;
  std::ifstream("/proc/self/io").ignore(7) >> rchar;  // "rchar: "
  return rchar;
}

TEST(Registry, ReadsAHiveOncePerChangeOfItsFile) {
  TempDir dir;
  std::string text = "REGEDIT4\n\n[HKEY_CURRENT_USER\\K]\n";
  for (int i = 0; i < 10000; ++i)
    text += "\"V" + std::to_string(i) + "\"=\"" + std::string(60, 'x') + "\"\n";
  WriteText(dir.Path() / "user.reg", text);
  usleep(300000);  // until the file's change time lies in the past
  Registry registry(dir.Path());
  ASSERT_TRUE(registry.OpenKey("\\K", false));
  const long before = BytesReadSoFar();
  for (int i = 0; i < 100; ++i) ASSERT_EQ(registry.ReadString("V" + std::to_string(i)).size(), 60u);
  EXPECT_LT(BytesReadSoFar() - before, static_cast<long>(text.size()));
}

TEST(Registry, AWriteRemovesTheTemporaryFileOfAKilledWriter) {
  TempDir dir;
  const fs::path left = dir.Path() / "user.reg.new-4242-7";
  WriteText(left, "REGEDIT4\n");
  Registry registry(dir.Path());
  ASSERT_TRUE(registry.OpenKey("\\K", true));
  EXPECT_FALSE(fs::exists(left));
}

}  // namespace
