#include <gtest/gtest.h>

#include "setup/ProgmanService.h"
#include "setup/ProgramGroup.h"
#include "tests/setup/SetupFakes.h"
#include "tests/setup/SetupTestFiles.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

class ProgramGroupTest : public ::testing::Test {
 protected:
  ProgramGroupTest() { WriteText(program / "Quillmar", "program"); }

  DesktopMenu Menu() const { return DesktopMenu(temp.Path() / "config", temp.Path() / "data"); }
  void Prepare(const std::string& commands) { ASSERT_EQ(service.Execute(commands), 0u); }
  void Install() { InstallProgramIcons(program, QuillmarItemTable(), dde, boxes, dialogs); }
  Strings ItemNames(const std::string& group) const {
    Strings names;
    for (const MenuItem& item : Menu().Items(group)) names.push_back(item.name);
    return names;
  }
  std::string AddItem() const {
    return "[AddItem(\"" + (program / "Quillmar").string() + "\",\"Quillmar\")]";
  }

  TempDir temp;
  fs::path program = temp.Path() / "prog";
  ProgmanService service{Menu()};
  RecordingDde dde{service};
  ScriptedBoxes boxes;
  ScriptedDialogs dialogs;
};

TEST_F(ProgramGroupTest, GroupInOtherCaseLosesOnlyTheProgramsOldIcons) {
  Prepare(
      "[CreateGroup(\"QUILLMAR\")][AddItem(\"/old/Quillmar /X\",\"Quillmar Old\")]"
      "[AddItem(\"/opt/Tolvane/Quillmar/QmReport\",\"Report\")]");
  Install();
  EXPECT_EQ(dialogs.groupsShown, Strings{"QUILLMAR"});
  EXPECT_EQ(dde.executed, (Strings{"[CreateGroup(\"QUILLMAR\")]", "[ShowGroup(\"QUILLMAR\",1)]",
                                   "[DeleteItem(\"Quillmar Old\")]", AddItem()}));
  EXPECT_EQ(ItemNames("Quillmar"), (Strings{"Report", "Quillmar"}));
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(dde.disconnects, 1);
}

TEST_F(ProgramGroupTest, QuillmarToolsIsPreselectedAndNoQuillmarGroupIsMade) {
  Prepare("[CreateGroup(\"Quillmar Tools\")][CreateGroup(\"Accessories\")]");
  Install();
  EXPECT_EQ(dialogs.groupsShown, (Strings{"Accessories", "Quillmar Tools"}));
  EXPECT_EQ(dialogs.groupSelected, 1u);
  EXPECT_EQ(dde.executed, (Strings{"[CreateGroup(\"Quillmar Tools\")]",
                                   "[ShowGroup(\"Quillmar Tools\",1)]", AddItem()}));
  EXPECT_EQ(Menu().Groups(), (Strings{"Accessories", "Quillmar Tools"}));
  EXPECT_EQ(ItemNames("Quillmar Tools"), Strings{"Quillmar"});
}

TEST_F(ProgramGroupTest, ProgramManagerNotAnsweringIsReportedAndMakesNoGroup) {
  WriteText(temp.Path() / "blocked", "");
  ProgmanService blocked(DesktopMenu(temp.Path() / "blocked", temp.Path() / "data"));
  RecordingDde recording(blocked);
  InstallProgramIcons(program, QuillmarItemTable(), recording, boxes, dialogs);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].caption, "ERROR FROM DDEML");
  EXPECT_EQ(boxes.shown[0].text,
            "Dde failure in DdeConnect operation.  Error was No_Conv_Established");
  EXPECT_EQ(boxes.shown[0].icon, BoxIcon::Warning);
  EXPECT_TRUE(dialogs.log.empty());
  EXPECT_TRUE(recording.executed.empty());
}

// Another program's menu file defines a Quillmar group with an icon of its
// own: it is listed, its icon cannot be deleted, and the new icon still goes in.
TEST_F(ProgramGroupTest, FailedCommandIsReportedAndTheNextOneIsStillSent) {
  const std::string foreign =
      "<?xml version=\"1.0\"?>\n"
      "<Menu><Name>Applications</Name><!-- theirs -->\n"
      "  <Menu><Name>Quillmar</Name><Include><Filename>vendor-qm.desktop</Filename></Include>"
      "<Menu><Name>Nested</Name></Menu></Menu>\n"
      "  <Menu><Name>Games &amp; Fun</Name></Menu>\n</Menu>\n";
  WriteText(temp.Path() / "config/menus/applications-merged/vendor.menu", foreign);
  WriteText(temp.Path() / "data/applications/vendor-qm.desktop",
            "[Desktop Entry]\nName=Quillmar\nExec=/usr/games/Quillmar %f\n");
  EXPECT_EQ(service.Request("Groups"), "Quillmar\r\nGames & Fun\r\n");
  Install();
  EXPECT_EQ(boxes.Texts(), Strings{"ERROR FROM DDEML | Dde failure in DdeClientTransaction "
                                   "(XTYP_Execute) operation.  Error was NotProcessed"});
  EXPECT_EQ(dde.executed.at(2), "[DeleteItem(\"Quillmar\")]");
  EXPECT_EQ(dde.executed.at(3), AddItem());
  EXPECT_EQ(ItemNames("Quillmar"), (Strings{"Quillmar", "Quillmar"}));
  EXPECT_EQ(ReadText(temp.Path() / "config/menus/applications-merged/vendor.menu"), foreign);
}

TEST_F(ProgramGroupTest, GroupListingHasTheDocumentedLines) {
  Prepare("[CreateGroup(\"Quillmar\")]" + AddItem());
  EXPECT_EQ(service.Request("Groups"), "Quillmar\r\n");
  EXPECT_EQ(service.Request("quillmar"),
            "\"Quillmar\"," + Menu().GroupFile("Quillmar").string() + ",1,1\r\n\"Quillmar\",\"" +
                (program / "Quillmar").string() + "\"," + program.string() + ",,0,0,0,0,0\r\n");
  EXPECT_EQ(service.Request("Elsewhere"), std::nullopt);
}

// Install folders with characters that the Program Manager commands or the
// desktop entry treat specially: the menu entry still runs exactly the program.
TEST_F(ProgramGroupTest, OddFolderNamesGetAnEntryThatRunsExactlyTheProgram) {
  for (const char* name : {"a\"b", "a)b", "a]b", "100%", "a\"),(\"x", "$HOME `id` \\n"}) {
    const TempDir root;
    const fs::path odd = root.Path() / name;
    WriteText(odd / "Quillmar", "program");
    ProgmanService local(DesktopMenu(root.Path() / "config", root.Path() / "data"));
    RecordingDde recording(local);
    InstallProgramIcons(odd, QuillmarItemTable(), recording, boxes, dialogs);
    const std::vector<MenuItem> items =
        DesktopMenu(root.Path() / "config", root.Path() / "data").Items("Quillmar");
    ASSERT_EQ(items.size(), 1u) << name;
    EXPECT_EQ(items[0].commandLine, (odd / "Quillmar").string()) << name;
    if (std::string(name) == "100%") {  // the desktop reads "%%" as "%"
      EXPECT_NE(ReadText(items[0].desktopFile).find("/100%%/Quillmar\"\n"), std::string::npos);
    }
  }
}

// Links planted where a menu file's temporary copy once went ("<file>.new")
// are neither written through nor removed.
TEST_F(ProgramGroupTest, MenuFilesAreNeverWrittenThroughAPlantedLink) {
  const fs::path victim = temp.Path() / "victim";
  WriteText(victim, "theirs");
  const fs::path planted[] = {
      temp.Path() / "config/menus/applications-merged/progman-quillmar.menu.new",
      temp.Path() / "data/desktop-directories/progman-quillmar.directory.new",
      temp.Path() / "data/applications/progman-quillmar-quillmar.desktop.new"};
  for (const fs::path& link : planted) {
    fs::create_directories(link.parent_path());
    fs::create_symlink(victim, link);
  }
  Install();
  EXPECT_EQ(ItemNames("Quillmar"), Strings{"Quillmar"});
  EXPECT_EQ(ReadText(victim), "theirs");
  for (const fs::path& link : planted) EXPECT_TRUE(fs::is_symlink(link)) << link;
}

TEST(PrepareGroupListTest, DefaultChosenByPrefixOrAdded) {
  const struct {
    Strings groups;
    Strings list;
    std::size_t selected;
  } cases[] = {
      {{"Office", "Games"}, {"Games", "Office", "Quillmar"}, 2},
      {{"quillmar tools", "Accessories", "QUILLMAR"},
       {"Accessories", "QUILLMAR", "quillmar tools"},
       1},
      {{}, {"Quillmar"}, 0},
      {{"Zeta", "", "Quill"}, {"Quill", "Quillmar", "Zeta"}, 1},
  };
  for (const auto& c : cases) {
    const GroupList list = PrepareGroupList(c.groups, "Quillmar");
    EXPECT_EQ(list.names, c.list);
    EXPECT_EQ(list.selected, c.selected);
  }
}

TEST(OldItemNameTest, CommandLineMustRunTheProgramFile) {
  const struct {
    const char* line;
    const char* file;
    std::optional<std::string> name;
  } cases[] = {
      {"\"Quillmar\",\"/opt/Tolvane/Quillmar/Quillmar\",/opt,,0", "Quillmar", "\"Quillmar\""},
      {"\"Old\",\"D:\\OLD\\QUILLMAR.EXE /X\",D:\\OLD", "Quillmar.exe", "\"Old\""},
      {"\"Q\",\"/usr/bin/quillmar\",", "Quillmar", "\"Q\""},
      {"\"Report\",\"/opt/Tolvane/Quillmar/QmReport\",", "Quillmar", std::nullopt},
      {"\"Notes\",\"/home/u/QuillmarNotes/notes\",", "Quillmar", std::nullopt},
      {"\"Quillmar\",,\"/x/Quillmar\"", "Quillmar", std::nullopt},
      {"no fields", "Quillmar", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(OldItemName(c.line, c.file), c.name) << c.line;
}

TEST(ConversationTextTest, BracketsLinesAndErrorNames) {
  EXPECT_EQ(BracketCommand(""), std::nullopt);
  EXPECT_EQ(BracketCommand("[]"), std::nullopt);
  for (const char* command : {"X(1)", "[X(1)", "X(1)]", "[X(1)]"}) {
    EXPECT_EQ(BracketCommand(command), "[X(1)]");
  }
  EXPECT_EQ(SplitReplyLines("A\r\nB\r\ntail"), (Strings{"A", "B"}));
  EXPECT_EQ(SplitReplyLines("A\rB\r"), (Strings{"A", "B"}));
  EXPECT_EQ(SplitReplyLines("\r\n"), Strings{""});
  EXPECT_EQ(DdeErrorName(0x4000), "AdvAckTimeout");
  EXPECT_EQ(DdeErrorName(0x4011), "Unfound_Queue_ID");
  EXPECT_EQ(DdeErrorName(0x1400A), "No_Conv_Established");
  EXPECT_EQ(DdeErrorName(0x4012), "not specified");
  EXPECT_EQ(DdeErrorName(0x0001), "not specified");
}

TEST(ProgmanCommandsTest, ParsesBracketedCommands) {
  const auto parsed =
      ParseProgmanCommands(" [CreateGroup(\"A, b\")] [ShowGroup( \"G\" , 1 )][Reload]");
  ASSERT_TRUE(parsed);
  ASSERT_EQ(parsed->size(), 3u);
  EXPECT_EQ((*parsed)[0].arguments, Strings{"A, b"});
  EXPECT_EQ((*parsed)[1].name, "ShowGroup");
  EXPECT_EQ((*parsed)[1].arguments, (Strings{"G", "1"}));
  EXPECT_TRUE((*parsed)[2].arguments.empty());
  for (const char* bad : {"CreateGroup(\"x\")", "[Open(\"x\"]", "[X(\"open)]", "[]", "[X(a b)"}) {
    EXPECT_FALSE(ParseProgmanCommands(bad)) << bad;
  }
}

TEST(DesktopExecTest, CommandLinesSurviveTheExecQuoting) {
  const TempDir temp;
  const fs::path program = temp.Path() / "My Apps" / "Quillmar";
  WriteText(program, "");
  EXPECT_EQ(ExecForCommandLine(program.string()), "\"" + program.string() + "\"");
  EXPECT_EQ(CommandLineOfExec(ExecForCommandLine(program.string())), program.string());
  EXPECT_EQ(ExecForCommandLine("/no/such/prog /p 50%$"), "\"/no/such/prog\" \"/p\" \"50%%\\$\"");
  EXPECT_EQ(CommandLineOfExec("\"/no/such/prog\" \"/p\" \"50%%\\$\""), "/no/such/prog /p 50%$");
  EXPECT_EQ(CommandLineOfExec("/usr/bin/Quillmar %f"), "/usr/bin/Quillmar");
}

}  // namespace
