// The start-up registration against a hive folder of its own: first start,
// later starts from the same and from another folder, an old version, a
// read-only hive and a mistyped value.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>

#include "data/SocSecMedicareRates.h"
#include "platform/AtomicFile.h"
#include "platform/RegistryError.h"
#include "settings/InstallCheck.h"
#include "settings/QuillmarRegistry.h"
#include "settings/RateTableSeeding.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {

const std::string kProgram = "/opt/Tolvane/Quillmar/Quillmar";

std::string ReadText(const fs::path& file) { return ReadWholeFile(file).value_or(""); }

// The main window's start-up steps, in its order.
void Start(TQuillmarRegistry& registry, const std::string& program, const fs::path& dataHome = {}) {
  if (InstallCheckFails(registry, program)) RegisterInstall(registry, program, dataHome);
  SeedPresetRates(registry);
  CheckInstalledVersion(registry, program);
}

// A machine whose system key names its registered owner.
void WriteSystemOwner(TQuillmarRegistry& registry) {
  registry.SetRootKey(RegRoot::LocalMachine);
  ASSERT_TRUE(registry.OpenKey(TQuillmarRegistry::kSystemVersionKey, true));
  registry.WriteString("RegisteredOwner", "Jane Owner");
  registry.WriteString("RegisteredOrganization", "Owner & Co");
  registry.CloseKey();
}

std::string RateSection(const std::string& year, const std::string& wageBase,
                        const char* rate = "30,f2,00,00,00,00,00,00") {
  return std::string("[HKEY_LOCAL_MACHINE\\Software\\Tolvane\\Quillmar\\SocSecMedicare\\") + year +
         "]\n"
         "\"SocSecMaxWage\"=hex:" +
         wageBase +
         "\n"
         "\"SocSecRate\"=hex:" +
         rate +
         "\n"
         "\"MedicareMaxWage\"=hex:00,00,00,00,00,00,00,00\n"
         "\"MedicareRate\"=hex:a4,38,00,00,00,00,00,00\n"
         "\"MedicareHasMaxWage\"=dword:00000000\n\n";
}

// The entries of 2003 to 2026: each wage base as eight little-endian bytes;
// 4.2 % (10,a4) in 2011 and 2012.
std::string LaterRateSections() {
  const std::uint64_t bases[] = {87000,  87900,  90000,  94200,  97500,  102000, 106800, 106800,
                                 106800, 110100, 113700, 117000, 118500, 118500, 127200, 128400,
                                 132900, 137700, 142800, 147000, 160200, 168600, 176100, 184500};
  std::string sections;
  for (int year = 2003; year <= 2026; ++year) {
    char hex[32];
    const std::uint64_t v = bases[year - 2003] * 10000;
    std::snprintf(hex, sizeof hex, "%02x,%02x,%02x,%02x,00,00,00,00", unsigned(v & 0xff),
                  unsigned(v >> 8 & 0xff), unsigned(v >> 16 & 0xff), unsigned(v >> 24 & 0xff));
    const bool holiday = year == 2011 || year == 2012;
    sections += RateSection(std::to_string(year), hex,
                            holiday ? "10,a4,00,00,00,00,00,00" : "30,f2,00,00,00,00,00,00");
  }
  return sections;
}

TEST(InstallCheck, TheFirstStartRegistersAndSeedsExactly) {
  TempDir dir;
  ScriptedMessageBoxes boxes;
  TQuillmarRegistry registry(dir.Path());
  WriteSystemOwner(registry);
  EXPECT_TRUE(InstallCheckFails(registry, kProgram));
  Start(registry, kProgram);

  EXPECT_EQ(ReadText(dir.Path() / "system.reg"),
            "REGEDIT4\n\n"
            "[HKEY_LOCAL_MACHINE\\Software]\n\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Microsoft]\n\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows]\n\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion]\n"
            "\"RegisteredOwner\"=\"Jane Owner\"\n"
            "\"RegisteredOrganization\"=\"Owner & Co\"\n\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\App Paths]\n\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\App "
            "Paths\\Quillmar.exe]\n"
            "@=\"/opt/Tolvane/Quillmar/Quillmar\"\n"
            "\"Path\"=\"/opt/Tolvane/Quillmar/\"\n\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Tolvane]\n\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Tolvane\\Quillmar]\n\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Tolvane\\Quillmar\\1.0]\n"
            "\"Name\"=\"Jane Owner\"\n"
            "\"Company\"=\"Owner & Co\"\n"
            "\"CurrVers\"=\"1.0\"\n"
            "\"ExecPath_Name\"=\"/opt/Tolvane/Quillmar/Quillmar\"\n\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Tolvane\\Quillmar\\SocSecMedicare]\n\n" +
                RateSection("1998", "00,03,c5,28,00,00,00,00") +
                RateSection("1999", "80,e1,45,2b,00,00,00,00") +
                RateSection("2000", "80,32,6b,2d,00,00,00,00") +
                RateSection("2001", "00,11,ec,2f,00,00,00,00") +
                RateSection("2002", "40,b6,9a,32,00,00,00,00") + LaterRateSections() +
                "[HKEY_CLASSES_ROOT\\Quillmar_TQP]\n"
                "@=\"Quillmar\"\n\n"
                "[HKEY_CLASSES_ROOT\\Quillmar_TQP\\shell]\n\n"
                "[HKEY_CLASSES_ROOT\\Quillmar_TQP\\shell\\open]\n\n"
                "[HKEY_CLASSES_ROOT\\Quillmar_TQP\\shell\\open\\command]\n"
                "@=\"/opt/Tolvane/Quillmar/Quillmar \\\"%1\\\"\"\n\n"
                "[HKEY_CLASSES_ROOT\\Quillmar_TQP\\shell\\print]\n\n"
                "[HKEY_CLASSES_ROOT\\Quillmar_TQP\\shell\\print\\command]\n"
                "@=\"/opt/Tolvane/Quillmar/Quillmar /p \\\"%1\\\"\"\n\n"
                "[HKEY_CLASSES_ROOT\\Quillmar_TQP\\DefaultIcon]\n"
                "@=\"/opt/Tolvane/Quillmar/Quillmar\"\n\n"
                "[HKEY_CLASSES_ROOT\\.qmr]\n"
                "@=\"Quillmar_TQP\"\n\n");
  EXPECT_FALSE(fs::exists(dir.Path() / "user.reg")) << "nothing of the user's is written at start";
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST(InstallCheck, WithoutASystemKeyTheOwnerComesFromTheUserAccount) {
  TempDir dir;
  TQuillmarRegistry registry(dir.Path());
  const InstallValues values = registry.ReadInstallValues(kProgram);
  EXPECT_FALSE(values.Name.empty());
  EXPECT_EQ(values.Company, "");
  EXPECT_EQ(values.CurrVers, "");
  EXPECT_EQ(values.ExecPath_Name, kProgram);
  EXPECT_FALSE(fs::exists(dir.Path() / "system.reg")) << "reading writes nothing";
}

TEST(InstallCheck, ASecondStartFromTheSameProgramWritesNothing) {
  TempDir dir;
  TQuillmarRegistry registry(dir.Path());
  Start(registry, kProgram);
  const fs::path hive = dir.Path() / "system.reg";
  const std::string before = ReadText(hive);
  struct stat first {};
  ASSERT_EQ(stat(hive.c_str(), &first), 0);

  TQuillmarRegistry again(dir.Path());
  EXPECT_FALSE(InstallCheckFails(again, kProgram));
  Start(again, kProgram);
  struct stat second {};
  ASSERT_EQ(stat(hive.c_str(), &second), 0);
  EXPECT_EQ(second.st_ino, first.st_ino) << "the hive was rewritten";
  EXPECT_EQ(ReadText(hive), before);
}

TEST(InstallCheck, AStartFromAnotherFolderRegistersAgainAndKeepsNameAndCompany) {
  TempDir dir;
  TQuillmarRegistry registry(dir.Path());
  WriteSystemOwner(registry);
  Start(registry, kProgram);
  // The owner changes the names by hand; a move must not bring back the system's.
  registry.SetRootKey(RegRoot::LocalMachine);
  ASSERT_TRUE(registry.OpenKey(TQuillmarRegistry::kProductKey, true));
  registry.WriteString("Name", "Payroll Office");
  registry.WriteString("Company", "Acme Tools");
  registry.CloseKey();

  const std::string moved = "/home/jane/bin/Quillmar";
  EXPECT_TRUE(InstallCheckFails(registry, moved));
  Start(registry, moved);
  EXPECT_EQ(registry.ReadInstallValues(moved),
            (InstallValues{"Payroll Office", "Acme Tools", "1.0", moved}));
  registry.SetRootKey(RegRoot::LocalMachine);
  ASSERT_TRUE(registry.OpenKey(TQuillmarRegistry::kAppPathKey, false));
  EXPECT_EQ(registry.ReadString(""), moved);
  EXPECT_EQ(registry.ReadString("Path"), "/home/jane/bin/");
  registry.SetRootKey(RegRoot::ClassesRoot);
  ASSERT_TRUE(registry.OpenKey("\\Quillmar_TQP\\shell\\print\\command", false));
  EXPECT_EQ(registry.ReadString(""), moved + " /p \"%1\"");
  registry.CloseKey();
  EXPECT_FALSE(InstallCheckFails(registry, moved));
  EXPECT_TRUE(InstallCheckFails(registry, kProgram)) << "the comparison is exact";
}

TEST(InstallCheck, AnotherVersionIsRewrittenWithTheProgramsVersion) {
  TempDir dir;
  TQuillmarRegistry registry(dir.Path());
  WriteSystemOwner(registry);
  Start(registry, kProgram);
  registry.WriteInstallValues({"Jane Owner", "Owner & Co", "0.9 beta", kProgram});
  EXPECT_FALSE(InstallCheckFails(registry, kProgram));
  Start(registry, kProgram);
  EXPECT_EQ(registry.ReadInstallValues(kProgram),
            (InstallValues{"Jane Owner", "Owner & Co", "1.0", kProgram}));
}

TEST(InstallCheck, AReadOnlyHiveMakesEveryStartUpWriteFailSilently) {
  TempDir dir;
  ScriptedMessageBoxes boxes;
  fs::permissions(dir.Path(),
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  TQuillmarRegistry registry(dir.Path());
  Start(registry, kProgram);
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_TRUE(fs::is_empty(dir.Path()));
  EXPECT_TRUE(InstallCheckFails(registry, kProgram)) << "the next start tries again";
  registry.WriteLastDir("/home/jane/");  // silently skipped as well
  EXPECT_EQ(registry.ReadLastDir(), "");
}

TEST(InstallCheck, AMistypedInstallationValueIsReportedAndTheStartGoesOn) {
  TempDir dir;
  ScriptedMessageBoxes boxes;
  boxes.Answer(MsgOk).Answer(MsgOk);
  TQuillmarRegistry registry(dir.Path());
  registry.SetRootKey(RegRoot::LocalMachine);
  ASSERT_TRUE(registry.OpenKey(TQuillmarRegistry::kProductKey, true));
  registry.WriteInteger("ExecPath_Name", 1);
  registry.CloseKey();

  EXPECT_TRUE(InstallCheckFails(registry, kProgram));
  Start(registry, kProgram);
  // RegisterInstall and the version check each read it and report it.
  EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{"Invalid data type for 'ExecPath_Name'",
                                                     "Invalid data type for 'ExecPath_Name'"}));
  EXPECT_EQ(boxes.Shown().front().caption, "Quillmar");
  EXPECT_EQ(boxes.Shown().front().icon, MsgIcon::Error);
  SocSecMedicareRates rates;
  rates.TaxYear = 2002;
  registry.ReadRatesForYear(rates);
  EXPECT_EQ(rates.SocSecMaxWage, 849000000) << "the rates are seeded all the same";
}

TEST(InstallCheck, TheLastFolderIsKeptPerUser) {
  TempDir dir;
  TQuillmarRegistry registry(dir.Path());
  EXPECT_EQ(registry.ReadLastDir(), "");
  registry.WriteLastDir("/home/jane/W2 files/");
  EXPECT_EQ(TQuillmarRegistry(dir.Path()).ReadLastDir(), "/home/jane/W2 files/");
  EXPECT_NE(ReadText(dir.Path() / "user.reg")
                .find("[HKEY_CURRENT_USER\\Software\\Tolvane\\Quillmar\\1.0\\Payroll]\n"
                      "\"LastW2Dir\"=\"/home/jane/W2 files/\"\n"),
            std::string::npos);
  EXPECT_FALSE(fs::exists(dir.Path() / "system.reg"));

  registry.SetRootKey(RegRoot::CurrentUser);
  ASSERT_TRUE(registry.OpenKey(TQuillmarRegistry::kPayrollKey, true));
  registry.WriteBool("LastW2Dir", true);
  registry.CloseKey();
  try {
    registry.ReadLastDir();
    ADD_FAILURE() << "a mistyped LastW2Dir must raise the read error";
  } catch (const RegistryError& error) {
    EXPECT_STREQ(error.what(), "Invalid data type for 'LastW2Dir'");
  }
  EXPECT_FALSE(registry.HasOpenKey()) << "the key is closed after the error";
}

}  // namespace
