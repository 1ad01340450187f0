#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>

#include "app/Main.h"
#include "data/QuillmarFormFile.h"
#include "data/SocSecMedicareRates.h"
#include "platform/qt/QtMessageBoxes.h"
#include "rules/FiledCopy.h"
#include "settings/InstallValues.h"
#include "settings/QuillmarRegistry.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;

const char* const kNoFileText =
    "From the main (start up) window for this program you must first open an existing W2 file, or "
    "either import data from our Paywick system or create a new empty W2 file if you are not one "
    "of our Paywick customers.";
const char* const kCompleteW3Text =
    "Company Information on form W-3 must be fully completed before any W-2 forms can be entered. "
    "Click OK to do this.";

class ScriptedFileDialog final : public IFileDialog {
 public:
  std::optional<std::string> Execute(const FileDialogRequest& request) override {
    requests.push_back(request);
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected file dialog";
      return std::nullopt;
    }
    std::optional<std::string> answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::deque<std::optional<std::string>> answers;
  std::vector<FileDialogRequest> requests;
};

class RecordingLauncher final : public IScreenLauncher {
 public:
  struct Call {
    LaunchTarget target;
    TQuillmarFormFile* file;
  };
  bool Available(LaunchTarget target) const override { return missing.count(target) == 0; }
  void ShowRates(TQuillmarRegistry&, TQuillmarFormFile* file) override {
    Record(LaunchTarget::RatesScreen, file);
  }
  void ShowW3(TQuillmarFormFile& file, TQuillmarRegistry&) override {
    Record(LaunchTarget::W3Screen, &file);
  }
  void ShowW2(TQuillmarFormFile& file, TQuillmarRegistry&) override {
    Record(LaunchTarget::W2Screen, &file);
  }
  void PrintW3(TQuillmarFormFile& file, TQuillmarRegistry&) override {
    Record(LaunchTarget::PrintW3, &file);
  }
  void PrintW2s(TQuillmarFormFile& file, TQuillmarRegistry&) override {
    Record(LaunchTarget::PrintW2s, &file);
  }
  void PrintMailingLabels(TQuillmarFormFile& file, TQuillmarRegistry&) override {
    Record(LaunchTarget::MailingLabels, &file);
  }
  void ExportEfw2(TQuillmarFormFile& file, TQuillmarRegistry&) override {
    Record(LaunchTarget::ExportEfw2, &file);
  }
  void ExportStateW2(TQuillmarFormFile& file, TQuillmarRegistry&) override {
    Record(LaunchTarget::ExportStateW2, &file);
  }
  void PrintPlainPaperW2s(TQuillmarFormFile& file, TQuillmarRegistry&) override {
    Record(LaunchTarget::PlainPaperW2s, &file);
  }
  void RunCorrections(CorrectionsTask, TQuillmarFormFile& file, TQuillmarRegistry&) override {
    Record(LaunchTarget::Corrections, &file);
  }
  void PrintPlainPaperW3(TQuillmarFormFile& file) override {
    Record(LaunchTarget::PlainPaperW3, &file);
  }
  void ImportEmployees(TQuillmarFormFile& file, TQuillmarRegistry&) override {
    Record(LaunchTarget::ImportEmployees, &file);
  }
  void ExportEmployees(TQuillmarFormFile& file) override {
    Record(LaunchTarget::ExportEmployees, &file);
  }
  void CheckAllW2s(TQuillmarFormFile& file, TQuillmarRegistry&) override {
    Record(LaunchTarget::CheckAllW2s, &file);
  }
  std::vector<LaunchTarget> Targets() const {
    std::vector<LaunchTarget> t;
    for (const Call& c : calls) t.push_back(c.target);
    return t;
  }
  std::vector<Call> calls;
  std::set<LaunchTarget> missing;  // screens this build lacks
  // Runs inside the launch, while the screen would be showing.
  std::function<void(LaunchTarget, TQuillmarFormFile*)> during;

 private:
  void Record(LaunchTarget target, TQuillmarFormFile* file) {
    calls.push_back({target, file});
    if (during) during(target, file);
  }
};

class FakeDesktop final : public IDesktop {
 public:
  WorkArea GetWorkArea() const override { return area; }
  WorkArea area{1024, 768};
};

class MainFormTest : public ::testing::Test {
 protected:
  std::unique_ptr<TMainForm> MakeForm(std::vector<std::string> arguments = {}) {
    MainFormSettings settings;
    settings.registryFolder = RegistryFolder();
    settings.programPath = kProgramPath;
    settings.desktopDataFolder = (home.Path() / "data").string();
    settings.arguments = std::move(arguments);
    return std::make_unique<TMainForm>(settings, dialog, launcher, desktop);
  }
  std::string RegistryFolder() const { return (home.Path() / "config" / "Tolvane").string(); }
  std::string DataFile(const std::string& name) const { return home.File(name); }

  // A data file whose W-3 record has a tax year, an EIN and a name.
  void MakeCompleteFile(const std::string& path) {
    auto file = TQuillmarFormFile::Create(path);
    ASSERT_TRUE(file->ReadW3());
    file->WorkRec.w3.TaxYear = 2001;
    file->WorkRec.w3.EmployerEIN = "12-3456789";
    file->WorkRec.w3.EmployerName = "Acme Tools";
    EXPECT_TRUE(file->SaveCurrent(false));
  }

  static constexpr const char* kProgramPath = "/opt/Tolvane/Quillmar/Quillmar";
  TempDir home;
  ScriptedMessageBoxes boxes;
  ScriptedFileDialog dialog;
  RecordingLauncher launcher;
  FakeDesktop desktop;
};

}  // namespace

TEST_F(MainFormTest, StartRegistersTheInstallationAndSeedsTheRates) {
  auto form = MakeForm();
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Quillmar 95/98/NT"));
  EXPECT_EQ(form->ActiveFile(), nullptr);
  TQuillmarRegistry registry(RegistryFolder());
  const InstallValues values = registry.ReadInstallValues(kProgramPath);
  EXPECT_EQ(values.CurrVers, "1.0");
  EXPECT_EQ(values.ExecPath_Name, kProgramPath);
  SocSecMedicareRates rates;
  rates.TaxYear = 2002;
  registry.ReadRatesForYear(rates);
  EXPECT_GT(rates.SocSecMaxWage, 0);
}

TEST_F(MainFormTest, TheTitlePanelNamesTheProductAndVersion) {
  auto form = MakeForm();
  QStringList lines;
  for (const QLabel* label : form->centralWidget()->findChildren<QLabel*>()) {
    lines << label->text();
    EXPECT_TRUE(label->alignment() & Qt::AlignHCenter) << label->text().toStdString();
  }
  EXPECT_EQ(lines, (QStringList{QString::fromUtf8("Quillmar \u2122"),
                                "(32 bit Windows 95/98/NT and above)", "Version 1.0 (1/2002)"}));
}

TEST_F(MainFormTest, MenusCarryTheirCaptionsHintsAndStates) {
  auto form = MakeForm();
  struct Item {
    QAction* action;
    const char* caption;
    const char* hint;
    bool enabled;
  };
  const Item items[] = {
      {form->FileNewItem, "&New", "Create a new file", true},
      {form->FileOpenItem, "&Open...", "Open an existing file", true},
      {form->FileExportEfw2Item, "Export for SSA (EFW2)...",
       "Write the W-2s to a wage file for the Social Security Administration", false},
      {form->FileExportStateW2Item, "Export State W-2 File...",
       "Write one state's W-2s to a file for that state", false},
      {form->FileExitItem, "E&xit", "Exit this application", true},
      {form->EditSocSecRates, "&Soc.Sec/Medicare Rates",
       "View or Change Soc.Sec/Medicare Rates used to verify W-2 entries", true},
      {form->EditW3Company, "W-3 &Company Information",
       "Enter, View, or Change Company Information. View W-2 Totals", true},
      {form->EditW2Employee, "W-2 &Employee Information",
       "Enter, View, or Change Employee W-2 Information", true},
      {form->PrintW3Company, "W-3 &Company Information",
       "Print W-3 Form (Company Information and W-2 Totals)", true},
      {form->PrintMailingLabels, "Mailing &Labels", "Print Employee Mailing Labels", true},
      {form->PrintPlainPaperW2s, "W-2 Employee Copies (&plain paper)...",
       "Print the employees' Copies B, C and 2 with the form drawn, or one PDF per employee", true},
      {form->PrintPlainPaperW3, "W-3 for your &records (plain paper)",
       "Print the W-3 with its totals, drawn on plain paper, for the employer's records", true},
      {form->HelpContentsItem, "&Contents", "Display the help contents screen", true},
      {form->FileNewYearItem, "New &Year from This File...",
       "Start next tax year's file with this file's company and employees", false},
      {form->EditEmployeeList, "Employee &List...",
       "See every employee with boxes 1 to 6 and the W-3 totals; open one", true},
      {form->HelpSearchItem, "&Search for Help On...", "Search help file for a topic", false},
      {form->HelpHowToUseItem, "&How to Use Help", "Help on using the help system", false},
      {form->HelpAboutItem, "&About...", "Show program information", true},
  };
  for (const Item& item : items) {
    ASSERT_NE(item.action, nullptr);
    EXPECT_EQ(item.action->text(), QString::fromUtf8(item.caption));
    EXPECT_EQ(item.action->statusTip(), QString::fromUtf8(item.hint));
    EXPECT_EQ(item.action->isEnabled(), item.enabled) << item.caption;
  }
  QStringList menus;
  for (QAction* a : form->menuBar()->actions()) menus << a->text();
  EXPECT_EQ(menus, (QStringList{"&File", "&Edit", "&Print", "&Help"}));
  // The desktop's usual keys.
  const std::pair<QAction*, const char*> keys[] = {{form->FileNewItem, "Ctrl+N"},
                                                   {form->FileOpenItem, "Ctrl+O"},
                                                   {form->PrintW2Employees, "Ctrl+P"},
                                                   {form->FileExitItem, "Ctrl+Q"},
                                                   {form->HelpContentsItem, "F1"}};
  for (const auto& [action, key] : keys) {
    EXPECT_EQ(action->shortcut().toString(), QString::fromLatin1(key)) << key;
  }
  EXPECT_EQ(form->SpeedButton1->toolTip(), "New");
  EXPECT_EQ(form->SpeedButton2->toolTip(), "Open");
  EXPECT_EQ(form->SpeedButton4->toolTip(), "Exit");
  EXPECT_EQ(form->SpeedButton5->toolTip(), "Help Contents");
  EXPECT_TRUE(form->SpeedButton5->isEnabled());
  EXPECT_EQ(form->SpeedButton6->toolTip(), "About");
}

TEST_F(MainFormTest, StatusLineShowsTheLongPartOfAHint) {
  auto form = MakeForm();
  const std::pair<const char*, const char*> cases[] = {
      {"Create a new file", "Create a new file"}, {"New|", ""}, {"Short|Long hint", "Long hint"}};
  for (const auto& [hint, shown] : cases) {
    form->ShowHint(QString::fromUtf8(hint));
    EXPECT_EQ(form->StatusLine->currentMessage(), QString::fromUtf8(shown));
  }
}

TEST_F(MainFormTest, TheHighlightedItemsHintReachesTheStatusLine) {
  auto form = MakeForm();
  // A menu item highlighted in its menu.
  form->EditSocSecRates->showStatusText(form->menuBar());
  EXPECT_EQ(form->StatusLine->currentMessage(),
            "View or Change Soc.Sec/Medicare Rates used to verify W-2 entries");
  // A tool button under the mouse: its hint has no long part.
  QStatusTipEvent tip(form->SpeedButton1->statusTip());
  QApplication::sendEvent(form->SpeedButton1, &tip);
  EXPECT_EQ(form->StatusLine->currentMessage(), "");
  EXPECT_EQ(form->SpeedButton1->statusTip(), "New|");
}

TEST_F(MainFormTest, WithoutAFileEveryFileItemShowsTheNoFileMessageButRatesOpen) {
  auto form = MakeForm();
  const std::vector<void (TMainForm::*)()> handlers = {
      &TMainForm::EditW3CompanyClick, &TMainForm::EditW2EmployeeClick,
      &TMainForm::PrintW3CompanyClick, &TMainForm::PrintW2EmployeesClick,
      &TMainForm::PrintMailingLabelsClick};
  for (auto handler : handlers) {
    boxes.Answer(MsgOk);
    ((*form).*handler)();
  }
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>(5, kNoFileText));
  EXPECT_EQ(boxes.Shown().at(0).caption, "Quillmar");
  EXPECT_TRUE(launcher.calls.empty());
  form->EditSocSecRatesClick();
  ASSERT_EQ(launcher.calls.size(), 1u);
  EXPECT_EQ(launcher.calls[0].target, LaunchTarget::RatesScreen);
  EXPECT_EQ(launcher.calls[0].file, nullptr);
}

TEST_F(MainFormTest, NewCompletesTheExtensionCreatesTheFileAndOpensTheW3Screen) {
  auto form = MakeForm();
  dialog.answers.push_back(DataFile("payroll"));
  form->FileNew();
  const std::string path = DataFile("payroll.qmr");
  EXPECT_EQ(fs::file_size(path), 1920u);
  EXPECT_EQ(form->CurrentFileName(), path);
  EXPECT_EQ(form->LastW2Dir(), home.Path().string() + "/");
  EXPECT_EQ(form->windowTitle(), QString::fromStdString("Processing: " + path));
  ASSERT_EQ(launcher.calls.size(), 1u);
  EXPECT_EQ(launcher.calls[0].target, LaunchTarget::W3Screen);
  EXPECT_EQ(launcher.calls[0].file, form->ActiveFile());
  // The dialog as New shows it: the three filters, the first one chosen.
  ASSERT_EQ(dialog.requests.size(), 1u);
  const FileDialogRequest& request = dialog.requests[0];
  ASSERT_EQ(request.filters.size(), 3u);
  EXPECT_EQ(request.filters[0].name, "W2 Files");
  EXPECT_EQ(request.filters[0].pattern, "*.qmr");
  EXPECT_EQ(request.filters[1].name, "Paywick Configuration Files");
  EXPECT_EQ(request.filters[1].pattern, "*.cnf");
  EXPECT_EQ(request.filters[2].name, "All Files");
  EXPECT_EQ(request.filters[2].pattern, "*.*");
  EXPECT_EQ(request.filterIndex, 0);
  EXPECT_EQ(request.initialDir, "");
  // The next dialog starts in the folder of the last file.
  dialog.answers.push_back(std::nullopt);
  form->FileNew();
  EXPECT_EQ(dialog.requests[1].initialDir, home.Path().string() + "/");
}

TEST_F(MainFormTest, TheW3ScreenOpensOnFreshTotalsOfTheW3Record) {
  const std::string path = DataFile("acme.qmr");
  {
    auto file = TQuillmarFormFile::Create(path);
    file->WorkRec.w2.SocSecNum = "001-01-0001";
    file->WorkRec.w2.Wages = 1234500;
    EXPECT_TRUE(file->SaveCurrent(false));
  }
  auto form = MakeForm();
  dialog.answers.push_back(path);
  launcher.during = [](LaunchTarget target, TQuillmarFormFile* file) {
    ASSERT_EQ(target, LaunchTarget::W3Screen);
    EXPECT_EQ(file->RecPos(), 640);
    EXPECT_EQ(file->WorkRec.w3.W2Count, 1);
    EXPECT_EQ(file->WorkRec.w3.TotWages, 1234500);
  };
  form->FileNew();  // an existing name: opened, not overwritten
  EXPECT_EQ(fs::file_size(path), 1920u);
  EXPECT_EQ(launcher.Targets(), std::vector<LaunchTarget>{LaunchTarget::W3Screen});
}

TEST_F(MainFormTest, NewOnAnExistingNameOpensThatFileUnchanged) {
  const std::string path = DataFile("acme.qmr");
  MakeCompleteFile(path);
  std::ifstream before(path, std::ios::binary);
  const std::string bytesBefore((std::istreambuf_iterator<char>(before)),
                                std::istreambuf_iterator<char>());
  auto form = MakeForm();
  dialog.answers.push_back(DataFile("acme"));
  form->FileNew();
  form.reset();
  std::ifstream after(path, std::ios::binary);
  const std::string bytesAfter((std::istreambuf_iterator<char>(after)),
                               std::istreambuf_iterator<char>());
  EXPECT_EQ(bytesAfter.size(), bytesBefore.size());
  EXPECT_EQ(bytesAfter.substr(1280), bytesBefore.substr(1280));
  EXPECT_EQ(launcher.Targets(), std::vector<LaunchTarget>{LaunchTarget::W3Screen});
}

TEST_F(MainFormTest, OpenOnANewNameCreatesItAsTypedAndAsksForTheW3First) {
  auto form = MakeForm();
  dialog.answers.push_back(DataFile("payroll"));
  boxes.Answer(MsgOk);
  form->FileOpen();
  EXPECT_TRUE(fs::exists(DataFile("payroll")));  // Open never completes the name
  EXPECT_FALSE(fs::exists(DataFile("payroll.qmr")));
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{kCompleteW3Text});
  EXPECT_EQ(launcher.Targets(), std::vector<LaunchTarget>{LaunchTarget::W3Screen});
}

TEST_F(MainFormTest, OpenOfACompleteFileShowsItsEmployeesAndACancelledOpenShowsThemAgain) {
  const std::string path = DataFile("acme.qmr");
  MakeCompleteFile(path);
  auto form = MakeForm();
  dialog.answers.push_back(path);
  form->FileOpen();
  dialog.answers.push_back(std::nullopt);
  form->FileOpen();
  EXPECT_EQ(launcher.Targets(),
            (std::vector<LaunchTarget>{LaunchTarget::W2Screen, LaunchTarget::W2Screen}));
  EXPECT_EQ(launcher.calls[1].file, form->ActiveFile());
  EXPECT_EQ(form->CurrentFileName(), path);
  EXPECT_EQ(form->ActiveFile()->RecPos(), 1280);  // GoFirst made the first employee current
}

TEST_F(MainFormTest, TheSsaExportIsOfferedWhileAFileIsOpen) {
  const std::string path = DataFile("acme.qmr");
  MakeCompleteFile(path);
  auto form = MakeForm();
  dialog.answers.push_back(path);
  form->FileOpen();
  ASSERT_TRUE(form->FileExportEfw2Item->isEnabled());
  form->FileExportEfw2Item->trigger();
  ASSERT_EQ(launcher.calls.size(), 2u);
  EXPECT_EQ(launcher.calls[1].target, LaunchTarget::ExportEfw2);
  EXPECT_EQ(launcher.calls[1].file, form->ActiveFile());
  ASSERT_TRUE(form->FileExportStateW2Item->isEnabled());
  form->FileExportStateW2Item->trigger();
  ASSERT_EQ(launcher.calls.size(), 3u);
  EXPECT_EQ(launcher.calls[2].target, LaunchTarget::ExportStateW2);
  auto holder = TQuillmarFormFile::Create(DataFile("locked.qmr"));
  dialog.answers.push_back(DataFile("locked.qmr"));
  boxes.Answer(MsgOk);
  form->FileOpenItem->trigger();  // refused, with the reason: the open file stays open
  EXPECT_EQ(boxes.Texts().back(),
            "Cannot open file " + DataFile("locked.qmr") +
                "\rIt is open in another window of Quillmar or in another program.");
  EXPECT_TRUE(form->FileExportEfw2Item->isEnabled());
  EXPECT_TRUE(form->FileExportStateW2Item->isEnabled());
}

TEST_F(MainFormTest, MarkAsFiledKeepsTheFiledCopyAndTheCorrectionItemsReachTheLauncher) {
  const std::string path = DataFile("acme.qmr");
  MakeCompleteFile(path);
  auto form = MakeForm();
  EXPECT_FALSE(form->FileMarkFiledItem->isEnabled());
  dialog.answers.push_back(path);
  form->FileOpen();
  ASSERT_TRUE(form->FileMarkFiledItem->isEnabled());
  boxes.Answer(MsgNo);
  form->FileMarkFiledItem->trigger();
  EXPECT_FALSE(std::filesystem::exists(DataFile("acme.filed.qmr")));
  boxes.Answer(MsgYes).Answer(MsgOk);
  form->FileMarkFiledItem->trigger();
  const std::optional<FiledCopy> copy = ReadFiledCopy(DataFile("acme.filed.qmr"));
  ASSERT_TRUE(copy.has_value());
  EXPECT_EQ(copy->How, FilingMethod::Paper);
  EXPECT_EQ(copy->W3.EmployerName.Str(), "Acme Tools");

  for (QAction* item : {form->EditCorrections, form->PrintW2c, form->FileExportEfw2cItem}) {
    launcher.calls.clear();
    item->trigger();
    ASSERT_EQ(launcher.Targets(), std::vector<LaunchTarget>{LaunchTarget::Corrections})
        << item->text().toStdString();
  }
  // Nothing changed since: marking corrections as filed says so and writes nothing.
  boxes.Answer(MsgOk);
  form->FileMarkCorrectionsFiledItem->trigger();
  EXPECT_EQ(boxes.Texts().back(), "Nothing has changed since the W-2s were filed.");
}

TEST_F(MainFormTest, SpreadsheetItemsWorkOnTheOpenFileAndTheImportWantsACompleteW3) {
  auto form = MakeForm();
  for (QAction* item :
       {form->FileImportEmployeesItem, form->FileExportEmployeesItem, form->EditCheckAllW2s}) {
    boxes.Answer(MsgOk);
    item->trigger();
  }
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>(3, kNoFileText));
  const std::string path = DataFile("acme.qmr");
  MakeCompleteFile(path);
  dialog.answers.push_back(path);
  form->FileOpen();
  for (QAction* item :
       {form->FileImportEmployeesItem, form->FileExportEmployeesItem, form->EditCheckAllW2s})
    item->trigger();
  EXPECT_EQ(launcher.Targets(),
            (std::vector<LaunchTarget>{LaunchTarget::W2Screen, LaunchTarget::ImportEmployees,
                                       LaunchTarget::ExportEmployees, LaunchTarget::CheckAllW2s}));
  // Without a tax year the SSN rules are unknown: the W-3 screen comes first.
  dialog.answers.push_back(DataFile("new.qmr"));
  form->FileNew();
  launcher.calls.clear();
  boxes.Answer(MsgOk);
  form->FileImportEmployeesItem->trigger();
  EXPECT_EQ(launcher.Targets(), (std::vector<LaunchTarget>{LaunchTarget::W3Screen}));
}

TEST_F(MainFormTest, ACancelledOpenWithoutAFileShowsTheNoFileMessage) {
  auto form = MakeForm();
  dialog.answers.push_back(std::nullopt);
  boxes.Answer(MsgOk);
  form->FileOpen();
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{kNoFileText});
  EXPECT_TRUE(launcher.calls.empty());
}

TEST_F(MainFormTest, ARefusedOpenKeepsTheOpenFileItsNameAndItsEmployees) {
  const std::string first = DataFile("first.qmr");
  const std::string csv = DataFile("staff.csv");
  std::ofstream(csv) << "name,ssn\n";
  MakeCompleteFile(first);
  auto form = MakeForm();
  dialog.answers.push_back(first);
  form->FileOpen();
  TQuillmarFormFile* const open = form->ActiveFile();
  dialog.answers.push_back(csv);
  boxes.Answer(MsgOk);
  form->FileOpenItem->trigger();  // through the menu: the error display shows the refusal
  EXPECT_EQ(boxes.Texts().back(), csv + " is not a Quillmar data file.");
  EXPECT_EQ(form->ActiveFile(), open);
  EXPECT_EQ(form->CurrentFileName(), first);
  form->EditW2EmployeeClick();
  EXPECT_EQ(launcher.calls.back().file, open);
  // The open file itself, opened again, is closed first (its lock would refuse it).
  dialog.answers.push_back(first);
  form->FileOpen();
  ASSERT_NE(form->ActiveFile(), nullptr);
}

TEST_F(MainFormTest, APrintRunsBoxWithNoActiveWindowBlocksTheMainWindowsMenus) {
  const std::string path = DataFile("acme.qmr");
  MakeCompleteFile(path);
  auto form = MakeForm();
  dialog.answers.push_back(path);
  form->FileOpen();
  QtMessageBoxes qtBoxes;
  qtBoxes.SetMainWindow(form.get());
  IMessageBoxes* const scripted = SetMessageBoxes(&qtBoxes);
  ASSERT_EQ(QApplication::activeWindow(), nullptr);
  bool menuOpened = true;
  // The print run's dialog has closed: its read error comes while no window is active.
  launcher.during = [&](LaunchTarget, TQuillmarFormFile*) {
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->parentWidget(), form.get());
      // A click on the main window's File menu (where Exit is) opens nothing.
      form->show();
      QMenuBar* bar = form->menuBar();
      const QPoint file = bar->mapTo(form.get(), bar->actionGeometry(bar->actions()[0]).center());
      QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, file);
      menuOpened = QApplication::activePopupWidget() != nullptr;
      if (menuOpened) QApplication::activePopupWidget()->close();
      box->button(QMessageBox::Ok)->click();
    });
    ShowMessage("File READ error in 640 byte record", MsgIcon::Error);
  };
  form->PrintW2Employees->trigger();
  SetMessageBoxes(scripted);
  EXPECT_FALSE(menuOpened);
}

TEST_F(MainFormTest, WorkAreaCheckWarnsOnceOnASmallDesktop) {
  const std::string message =
      "Your Windows screen setting is too small to view the entire W-3 or W-2 entry screens.  "
      "There "
      "are two solutions:\r\rUnless you have a really old monitor the preferred solution is for "
      "you "
      "to reset the Windows screen size. Right click on the Windows desktop, a pop up menu will "
      "appear, left click \"Properties\", a tabbed dialog will appear (you can also reach this "
      "dialog "
      "from Start, Settings, Control Panel, Display). In the tabbed dialog, click on the Settings "
      "tab, then in the \"Screen Area\" box at the lower right move the slider to the right "
      "(towards "
      "\"More\") until \"800 by 600 pixels\" appears. Click Apply and follow the instructions that "
      "will be displayed.\r\rThe other solution is to click the square maximize button (middle of "
      "3) "
      "on the top right corner of the W-3 and W-2 entry screens. This should insert scroll bars on "
      "the right and bottom sides of the entry screens so you can move the screen around to "
      "uncover "
      "hidden areas.";
  struct Case {
    WorkArea area;
    bool warned;
  };
  const Case cases[] = {{{800, 520}, false},
                        {{740, 560}, true},
                        {{742, 508}, false},
                        {{742, 507}, true},
                        {{741, 600}, true}};
  for (const Case& c : cases) {
    boxes.Clear();
    desktop.area = c.area;
    auto form = MakeForm();
    if (c.warned) boxes.Answer(MsgOk);
    form->FirstActivation();
    if (c.warned) {
      EXPECT_EQ(boxes.Texts(), std::vector<std::string>{message})
          << c.area.width << "x" << c.area.height;
      EXPECT_EQ(boxes.Shown().at(0).caption, "Quillmar");
    } else {
      EXPECT_TRUE(boxes.Shown().empty()) << c.area.width << "x" << c.area.height;
    }
  }
}

TEST_F(MainFormTest, CommandLineOpensTheW2ScreenOrPrints) {
  const std::string path = DataFile("acme.qmr");
  MakeCompleteFile(path);
  {
    auto form = MakeForm({path});
    form->FirstActivation();
    EXPECT_EQ(form->windowTitle(), QString::fromStdString("Processing: " + path));
    EXPECT_EQ(form->LastW2Dir(), home.Path().string() + "/");
  }
  {
    auto form = MakeForm({"/p", "\"ignored\"", path});
    form->FirstActivation();
    EXPECT_NE(form->ActiveFile(), nullptr);  // the program stays open with the file
  }
  EXPECT_EQ(launcher.Targets(),
            (std::vector<LaunchTarget>{LaunchTarget::W2Screen, LaunchTarget::PrintW2s}));
}

TEST_F(MainFormTest, CommandLineOpensAFileInAFolderWhoseNameStartsWithP) {
  fs::create_directories(home.Path() / "payroll");
  const std::string path = (home.Path() / "payroll" / "acme.qmr").string();
  MakeCompleteFile(path);
  auto form = MakeForm({path});  // as the desktop's Open passes it
  form->FirstActivation();
  EXPECT_EQ(form->CurrentFileName(), path);
  EXPECT_EQ(launcher.Targets(), std::vector<LaunchTarget>{LaunchTarget::W2Screen});
}

TEST_F(MainFormTest, CommandLineWithANewFileCreatesItAndAsksForTheW3) {
  const std::string path = DataFile("new.qmr");
  auto form = MakeForm({DataFile("older.qmr"), path});  // a later file replaces an earlier
  boxes.Answer(MsgOk);
  form->FirstActivation();
  EXPECT_EQ(fs::file_size(path), 1920u);
  EXPECT_FALSE(fs::exists(DataFile("older.qmr")));
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{kCompleteW3Text});
  EXPECT_EQ(launcher.Targets(), std::vector<LaunchTarget>{LaunchTarget::W3Screen});
}

TEST_F(MainFormTest, ExitKeepsTheLastFolderAndOffersThePendingChange) {
  const std::string path = DataFile("acme.qmr");
  MakeCompleteFile(path);
  {
    auto form = MakeForm();
    dialog.answers.push_back(path);
    form->FileOpen();
    form->ActiveFile()->WorkRec.w2.LastName = "Smith";
    boxes.Answer(MsgYes);
    form->FileExit();
    EXPECT_EQ(form->ActiveFile(), nullptr);
  }
  EXPECT_EQ(boxes.Shown().at(0).text, "Save changes to W-2 for    Smith ?");
  EXPECT_EQ(TQuillmarRegistry(RegistryFolder()).ReadLastDir(), home.Path().string() + "/");
  auto file = TQuillmarFormFile::Create(path);
  EXPECT_EQ(file->WorkRec.w2.LastName.Str(), "Smith");
}

TEST_F(MainFormTest, LastFolderIsWrittenBackOnlyWhenThereIsOne) {
  { auto form = MakeForm(); }
  EXPECT_EQ(TQuillmarRegistry(RegistryFolder()).ReadLastDir(), "");
  TQuillmarRegistry(RegistryFolder()).WriteLastDir("/srv/payroll/");
  { auto form = MakeForm(); }
  EXPECT_EQ(TQuillmarRegistry(RegistryFolder()).ReadLastDir(), "/srv/payroll/");
}

TEST_F(MainFormTest, AMistypedLastFolderIsReportedAndTheStartGoesOn) {
  {
    TQuillmarRegistry registry(RegistryFolder());
    registry.SetRootKey(RegRoot::CurrentUser);
    ASSERT_TRUE(registry.OpenKey(TQuillmarRegistry::kPayrollKey, true));
    registry.WriteInteger("LastW2Dir", 7);
  }
  boxes.Answer(MsgOk);
  std::unique_ptr<TMainForm> form;
  ASSERT_NO_THROW(form = MakeForm());
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].text, "Invalid data type for 'LastW2Dir'");
  EXPECT_EQ(boxes.Shown()[0].caption, "Quillmar");
  EXPECT_EQ(form->LastW2Dir(), "");
  // The rest of the start still ran.
  SocSecMedicareRates rates;
  rates.TaxYear = 2002;
  form->AppRegistry().ReadRatesForYear(rates);
  EXPECT_EQ(rates.SocSecMaxWage, 849000000);
  form.reset();  // nothing to write back: the value stays as it was
  TQuillmarRegistry registry(RegistryFolder());
  registry.SetRootKey(RegRoot::CurrentUser);
  ASSERT_TRUE(registry.OpenKey(TQuillmarRegistry::kPayrollKey, false));
  EXPECT_EQ(registry.ReadInteger("LastW2Dir"), 7);
}

TEST_F(MainFormTest, AboutNamesTheProductAndVersion) {
  auto form = MakeForm();
  boxes.Answer(MsgOk);
  form->HelpAbout();
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Quillmar \x99\rVersion 1.0 (1/2002)"});
}

TEST_F(MainFormTest, WhatThisBuildLacksIsDisabledAndSaidSoFromTheCommandLine) {
  const std::string path = DataFile("acme.qmr");
  MakeCompleteFile(path);
  launcher.missing = {LaunchTarget::PrintW2s, LaunchTarget::MailingLabels};
  auto form = MakeForm({"/p", path});
  EXPECT_FALSE(form->PrintW2Employees->isEnabled());
  EXPECT_FALSE(form->PrintMailingLabels->isEnabled());
  EXPECT_TRUE(form->PrintW3Company->isEnabled());
  boxes.Answer(MsgOk);
  form->FirstActivation();
  EXPECT_EQ(boxes.Texts(),
            std::vector<std::string>{
                "Printing the W-2 forms is not available in this version of Quillmar."});
  EXPECT_TRUE(launcher.calls.empty());
}

namespace {

TEST_F(MainFormTest, RecentFilesReopenAndAGoneOneSaysSo) {
  const std::string first = DataFile("first.qmr"), second = DataFile("second.qmr");
  for (const std::string& path : {first, second}) {
    MakeCompleteFile(path);
    dialog.answers.push_back(path);
    MakeForm()->FileOpen();
  }
  auto form = MakeForm();  // the list comes from the registry, the latest first
  ASSERT_EQ(form->RecentFileItems.size(), 2u);
  EXPECT_EQ(form->RecentFileItems[0]->text(), "&1 second.qmr");
  EXPECT_EQ(form->RecentFileItems[1]->statusTip(), QString::fromStdString(first));
  form->RecentFileItems[1]->trigger();
  EXPECT_EQ(form->CurrentFileName(), first);
  EXPECT_EQ(form->RecentFileItems[0]->text(), "&1 first.qmr");
  std::filesystem::remove(second);
  boxes.Answer(MsgOk);
  form->RecentFileItems[1]->trigger();
  EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{"Cannot open file " + second +
                                                     "\rThe file does not exist."}));
  EXPECT_FALSE(std::filesystem::exists(second)) << "a gone file is not made anew";
}

}  // namespace
