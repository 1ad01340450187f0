// A whole session on a real X server, as a user has it: Xvfb with the openbox
// window manager, the real Quillmar program, real key events sent by xdotool.
// It creates a data file from the command line, fills the W-3 screen from the
// keyboard, enters three employees on the W-2 screen (one entry refused on the
// way, with its message), deletes the third, opens the second from the
// employee list, ends the program and reads the records on disk.
// What it shows beyond the offscreen tests: the focus coming back after a
// message box, the window manager's activation, real typing into masks.

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "data/QuillmarFormFile.h"
#include "data/RecordBuffer.h"
#include "platform/MessageBoxes.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TempDir.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

std::string Output(const std::string& command) {
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    std::array<char, 512> buffer{};
    while (fgets(buffer.data(), buffer.size(), pipe)) out += buffer.data();
    pclose(pipe);
  }
  while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
  return out;
}

// A display number no X server of this machine uses.
int FreeDisplay() {
  for (int n = 90; n < 200; ++n) {
    if (!fs::exists("/tmp/.X11-unix/X" + std::to_string(n)) &&
        !fs::exists("/tmp/.X" + std::to_string(n) + "-lock")) {
      return n;
    }
  }
  return -1;
}

class DesktopSession : public ::testing::Test {
 protected:
  void SetUp() override {
    if (Output("for p in Xvfb openbox xdotool; do command -v $p; done | wc -l") != "3") {
      FAIL() << "Xvfb, openbox and xdotool are needed (scripts/install-deps.sh installs them)";
    }
    const int display = FreeDisplay();
    ASSERT_GT(display, 0);
    display_ = ":" + std::to_string(display);
    setenv("DISPLAY", display_.c_str(), 1);
    fs::create_directories(home_.Path() / "runtime");
    fs::permissions(home_.Path() / "runtime", fs::perms::owner_all, fs::perm_options::replace);
    xvfb_ = std::make_unique<Child>(std::vector<std::string>{"Xvfb", display_, "-screen", "0",
                                                             "1280x1024x24", "-nolisten", "tcp"},
                                    std::vector<std::string>{});
    ASSERT_TRUE(xvfb_->Started());
    // The socket appears before the server takes clients: wait until it answers.
    ASSERT_TRUE(WaitUntil([&] {
      return Output("xdotool getdisplaygeometry 2>/dev/null") == "1280 1024";
    })) << "Xvfb did not start";
    // The window manager says when it manages the screen; a program started
    // before that would get no active window.
    const fs::path ready = home_.Path() / "window-manager-ready";
    wm_ = std::make_unique<Child>(
        std::vector<std::string>{"openbox", "--startup", "touch '" + ready.string() + "'"}, Env());
    ASSERT_TRUE(wm_->Started());
    ASSERT_TRUE(WaitUntil([&] { return fs::exists(ready); })) << "openbox did not start";
  }

  void TearDown() override {
    program_.reset();
    wm_.reset();
    xvfb_.reset();
  }

  std::vector<std::string> Env() const {
    const fs::path home = home_.Path();
    return {"HOME=" + home.string(),
            "XDG_CONFIG_HOME=" + (home / "config").string(),
            "XDG_DATA_HOME=" + (home / "data").string(),
            "XDG_CACHE_HOME=" + (home / "cache").string(),
            "XDG_RUNTIME_DIR=" + (home / "runtime").string(),
            "QT_QPA_PLATFORM=xcb",
            "DISPLAY=" + display_};
  }

  template <typename Ready>
  static bool WaitUntil(Ready ready, std::chrono::seconds limit = std::chrono::seconds(15)) {
    const auto deadline = Clock::now() + limit;
    while (Clock::now() < deadline) {
      if (ready()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return ready();
  }

  static std::string ActiveWindow() {
    return Output("xdotool getactivewindow getwindowname 2>/dev/null");
  }

  // Waits until the window with this title is the active one; a short pause
  // after that lets its focus settle, as a person's eye would.
  // A step that does not come ends the session at once (the exception fails the test).
  // The limit is generous: with the whole suite running on two cores the
  // program's first window can take more than ten seconds to come.
  static void WaitActive(const std::string& title) {
    if (!WaitUntil([&] { return ActiveWindow() == title; }, std::chrono::seconds(30))) {
      if (const char* shots = std::getenv("QUILLMAR_SESSION_SHOTS")) {
        std::system(("import -window root '" + std::string(shots) + "/failed.png'").c_str());
      }
      throw std::runtime_error("waiting for \"" + title + "\", the active window is \"" +
                               ActiveWindow() + "\"");
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
  }

  static void Keys(const std::string& keys) {
    ASSERT_EQ(std::system(("xdotool key --delay 40 " + keys).c_str()), 0) << keys;
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
  }
  static void Type(const std::string& text) {
    if (text.empty()) return;
    ASSERT_EQ(std::system(("xdotool type --delay 25 '" + text + "'").c_str()), 0) << text;
  }
  // Types into the focused field and leaves it with Tab.
  static void Field(const std::string& text) {
    Type(text);
    Keys("Tab");
  }

  TempDir home_;
  std::string display_;
  std::unique_ptr<Child> xvfb_, wm_, program_;
};

std::string FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

constexpr const char* kW3Title = "W-3 Transmittal of Wage and Tax Statements";
constexpr const char* kW2Title = "W-2 Wage and Tax Statement";
constexpr const char* kYearTitle = "Verification of Tax Year";

// The bytes the data layer writes for a file that holds what the session
// typed: a reference made through TQuillmarFormFile, not through the screens.
std::string ReferenceFile(const fs::path& path) {
  SetMessageBoxes(nullptr);
  auto file = TQuillmarFormFile::Create(path.string());
  EXPECT_TRUE(file->ReadW3());
  W3Record& w3 = file->WorkRec.w3;
  w3.TaxYear = 2002;
  w3.ControlNum = 77;
  w3.W2Count = 0;  // the new file's blank placeholder is no W-2
  w3.Establishment = "0007";
  w3.EmployerEIN = "12-3456789";
  w3.EmployerName = "Acme Tools";
  w3.Street = "1 Main St";
  w3.Town = "Springfield";
  w3.State = "Illinois";
  w3.Zip = "62701-    ";  // a masked field keeps its blank places
  w3.StateForID = "IL";
  w3.StateID = "IL-555";
  w3.Contact = "Jo Payroll";
  w3.Phone = "(217)555-0100";
  EXPECT_TRUE(file->SaveCurrent(false));
  const auto employee = [&](const char* ssn, const char* first, const char* last, Currency wages,
                            Currency ssTax, Currency medTax) {
    W2Record& w2 = file->WorkRec.w2;
    w2.SocSecNum = ssn;
    w2.FirstName = first;
    w2.LastName = last;
    w2.StreetPOB = "5 Elm St";
    w2.City = "Peoria";
    w2.AddrState = "IL";
    w2.Zip = "61602-    ";
    w2.Wages = w2.SSWages = w2.MedWage = w2.ST1StateWage = w2.ST1LocalWage = wages;
    w2.SSTax = ssTax;
    w2.MedTax = medTax;
    w2.ST1State = "IL";
    w2.ST1StateID = "IL-555";
    EXPECT_TRUE(file->SaveCurrent(false));
  };
  EXPECT_TRUE(file->GoFirst());
  employee("123-45-6780", "Ann", "Baker", 10000000, 620000, 145000);
  EXPECT_TRUE(file->AddNew(kRecTypeW2));
  employee("234-56-7890", "Bob", "Carter", 20000000, 1240000, 290000);
  file->WorkRec.w2.ControlNum = 5;  // typed after the employee list opened Carter
  EXPECT_TRUE(file->SaveCurrent(false));
  file.reset();
  return FileBytes(path);
}

}  // namespace

TEST_F(DesktopSession, TwoEmployeesTypedOnTheScreensReachTheFileByteForByte) {
  const fs::path dataFile = home_.Path() / "acme.qmr";
  program_ =
      std::make_unique<Child>(std::vector<std::string>{QUILLMAR_PROGRAM, dataFile.string()}, Env());
  ASSERT_TRUE(program_->Started());

  // A new file: the W-3 must be completed first.
  WaitActive("Quillmar");
  Keys("Return");

  // The W-3 screen, from the keyboard only. The tax year far from today's is questioned.
  WaitActive(kW3Title);
  Keys("ctrl+a");
  Field("2002");
  WaitActive(kYearTitle);
  Keys("Return");
  WaitActive(kW3Title);
  Keys("Tab");  // from the rates button, where Tab had gone, to the control number
  Field("77");
  Keys("Tab");    // the kind-of-payer button
  Field("0007");  // establishment number
  Field("123456789");
  Field("Acme Tools");
  Field("");  // suite
  Field("1 Main St");
  Field("Springfield");
  Field("Illinois");
  Field("62701");
  Field("");        // other EIN
  Field("IL");      // state of the ID
  Field("IL-555");  // the state ID field, enabled by the state before it
  Field("Jo Payroll");
  Field("2175550100");
  Keys("Tab Tab Tab Tab");  // e-mail, fax, box 13, box 14: to OK
  Keys("Return");
  WaitActive(kYearTitle);
  Keys("Return");

  // The W-2 screen from the Edit menu.
  WaitActive("Processing: " + dataFile.string());
  Keys("alt+e e");
  WaitActive(kW2Title);
  // Types an employee from the SSN field on; ends in box 2.
  const auto typeEmployee = [&](const char* ssn, const char* first, const char* last,
                                const char* wages) {
    Field(ssn);
    Field(first);
    Field(last);
    Field("");  // suite
    Field("5 Elm St");
    Field("Peoria");
    Field("IL");
    Field("61602");
    Keys("Tab Tab");  // post code, country
    Field(wages);     // box 1 fills boxes 3 to 6 and the state wages
  };
  // An SSN with area 666 is refused; the focus comes back to the SSN, where
  // the typed correction lands.
  Keys("Tab Tab");  // control number, void: to the SSN
  Field("666123456");
  WaitActive("Quillmar");
  Keys("Return");
  WaitActive(kW2Title);
  Keys("ctrl+a");
  typeEmployee("123456780", "Ann", "Baker", "1000");

  // From box 2 on to "Add New" (44 stops further: the state and state ID of
  // line 1 hold the employer's and are disabled), which saves with a question.
  for (int i = 0; i < 44; ++i) Keys("Tab");
  Keys("space");
  WaitActive("W-2/W-3 Update Program");
  Keys("Return");
  WaitActive(kW2Title);
  // From "Add New" round to the SSN: box 12, Error Check, Delete W-2, Close,
  // control number, void.
  Keys("Tab Tab Tab Tab Tab Tab Tab");
  typeEmployee("234567890", "Bob", "Carter", "2000");
  // A third employee by the button's key, saved on the way back to Carter.
  Keys("alt+a");
  WaitActive("W-2/W-3 Update Program");
  Keys("Return");
  WaitActive(kW2Title);
  // A button's key leaves the focus in box 2: back to the SSN over eleven fields.
  for (int i = 0; i < 11; ++i) Keys("shift+Tab");
  typeEmployee("345678901", "Cy", "Dunn", "3000");
  Keys("alt+p");
  WaitActive("W-2/W-3 Update Program");
  Keys("Return");
  WaitActive(kW2Title);
  // Next to Dunn, who is deleted after the question.
  Keys("alt+n");
  Keys("alt+d");
  WaitActive("Quillmar");
  Keys("alt+y");
  WaitActive(kW2Title);
  Keys("alt+o");  // Close: Carter, shown after the delete, is unchanged
  WaitActive("Processing: " + dataFile.string());

  // The employee list: the search finds Carter, Enter opens the W-2 screen
  // there, where the control number typed reaches Carter's record.
  Keys("alt+e l");
  WaitActive("Employee List");
  Type("carter");
  Keys("Return");
  WaitActive(kW2Title);
  Keys("ctrl+a");
  Field("5");
  Keys("alt+o");
  WaitActive("W-2/W-3 Update Program");
  Keys("Return");
  WaitActive("Processing: " + dataFile.string());
  // F1: the user's guide built into the program (without it a message comes).
  Keys("F1");
  WaitActive("Quillmar Help");
  Keys("Escape");
  WaitActive("Processing: " + dataFile.string());
  Keys("alt+f x");
  ASSERT_TRUE(program_->WaitForExit(std::chrono::seconds(15)))
      << "File, Exit did not end the program";

  const std::string written = FileBytes(dataFile);
  const std::string expected = ReferenceFile(home_.Path() / "reference.qmr");
  ASSERT_EQ(written.size(), expected.size()) << "header, W-3 and two employees (the third deleted)";
  for (std::size_t record = 0; record * kRecSize < written.size(); ++record) {
    // Bytes 0 to 7 are the time of the save.
    for (std::size_t i = 8; i < kRecSize; ++i) {
      const std::size_t at = record * kRecSize + i;
      EXPECT_EQ(static_cast<unsigned char>(written[at]), static_cast<unsigned char>(expected[at]))
          << "record " << record << ", byte " << i;
    }
  }
}
