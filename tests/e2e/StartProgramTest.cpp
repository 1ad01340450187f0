// Starts the real Quillmar program, headless, with a new data file on its
// command line, and checks what it left on disk: the data file of three
// records and the registry hives with the installation values and the rates.

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/ChildProcess.h"
#include "tests/support/TempDir.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The program, started with its own HOME and XDG folders.
Child StartProgram(const TempDir& home, const std::vector<std::string>& args) {
  fs::create_directories(home.Path() / "runtime");
  fs::permissions(home.Path() / "runtime", fs::perms::owner_all, fs::perm_options::replace);
  std::vector<std::string> argv = {QUILLMAR_PROGRAM};
  argv.insert(argv.end(), args.begin(), args.end());
  return Child(
      argv, {"HOME=" + home.Path().string(), "XDG_CONFIG_HOME=" + (home.Path() / "config").string(),
             "XDG_DATA_HOME=" + (home.Path() / "data").string(),
             "XDG_CACHE_HOME=" + (home.Path() / "cache").string(),
             "XDG_RUNTIME_DIR=" + (home.Path() / "runtime").string(), "QT_QPA_PLATFORM=offscreen"});
}

// Waits (bounded) until `ready` holds.
template <typename Ready>
bool WaitFor(Ready ready) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (std::chrono::steady_clock::now() < deadline) {
    if (ready()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return ready();
}

}  // namespace

TEST(StartProgram, NewDataFileOnTheCommandLineIsCreatedAndTheRegistryIsSetUp) {
  TempDir home;
  const fs::path dataFile = home.Path() / "acme-2002.qmr";
  const fs::path systemHive = home.Path() / "config" / "Tolvane" / "system.reg";
  Child program = StartProgram(home, {dataFile.string()});
  ASSERT_TRUE(program.Started());

  // The program opens the file and then asks for the W-3 information: it
  // waits in that message, so the test reads the disk and ends it.
  ASSERT_TRUE(WaitFor([&] {
    std::error_code ec;
    return fs::file_size(dataFile, ec) == 1920 &&
           ReadText(systemHive).find("2002") != std::string::npos;
  })) << "the program did not create the data file and the rates";
  EXPECT_TRUE(program.Running()) << "the program must stay open after the command line";

  const std::string data = ReadText(dataFile);
  ASSERT_EQ(data.size(), 1920u);
  EXPECT_EQ(static_cast<unsigned char>(data[8]), 16u);     // header
  EXPECT_EQ(static_cast<unsigned char>(data[648]), 32u);   // W-3
  EXPECT_EQ(static_cast<unsigned char>(data[1288]), 48u);  // placeholder W-2
  for (const int box12 : {296, 312, 328, 344}) EXPECT_EQ(data[1280 + box12], ' ');

  const std::string hive = ReadText(systemHive);
  EXPECT_NE(hive.find("[HKEY_LOCAL_MACHINE\\Software\\Tolvane\\Quillmar\\1.0]"), std::string::npos)
      << hive;
  EXPECT_NE(hive.find("\"CurrVers\"=\"1.0\""), std::string::npos) << hive;
  const std::string program_path = fs::canonical(QUILLMAR_PROGRAM).string();
  EXPECT_NE(hive.find("\"ExecPath_Name\"=\"" + program_path + "\""), std::string::npos) << hive;
  for (const char* year : {"1998", "1999", "2000", "2001", "2002"}) {
    EXPECT_NE(hive.find(std::string(
                            "[HKEY_LOCAL_MACHINE\\Software\\Tolvane\\Quillmar\\SocSecMedicare\\") +
                        year + "]"),
              std::string::npos)
        << year;
  }
  program.Kill();
}
