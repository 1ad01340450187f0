#include "app/Main.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <filesystem>

#include "app/CommandLine.h"
#include "app/ErrorDisplay.h"
#include "data/QuillmarFormFile.h"
#include "data/SocSecMedicareRates.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "platform/FilePaths.h"
#include "platform/MessageBoxes.h"
#include "rules/Corrections.h"
#include "rules/FiledCopy.h"
#include "rules/NextYearFile.h"
#include "rules/SumToW3.h"
#include "screens/FileQuestions.h"
#include "screens/HelpWindow.h"
#include "settings/DesktopRegistration.h"
#include "settings/InstallCheck.h"
#include "settings/QuillmarRegistry.h"
#include "settings/RateTableSeeding.h"

namespace {

const char* const kNoFileCaption = "Quillmar 95/98/NT";

// The smallest work area on which the W-3 and W-2 screens show whole.
constexpr int kMinWorkAreaWidth = 742;
constexpr int kMinWorkAreaHeight = 508;

std::string SmallScreenMessage() {
  return std::string(
             "Your Windows screen setting is too small to view the entire W-3 or W-2 entry "
             "screens.  There are two solutions:") +
         "\r\r" +
         "Unless you have a really old monitor the preferred solution is for you to reset the "
         "Windows screen size. Right click on the Windows desktop, a pop up menu will appear, "
         "left click " +
         "\"Properties\"" +
         ", a tabbed dialog will appear (you can also reach this dialog from Start, Settings, "
         "Control Panel, Display). In the tabbed dialog, click on the Settings tab, then in the " +
         "\"Screen Area\"" + " box at the lower right move the slider to the right (towards " +
         "\"More\"" + ") until " + "\"800 by 600 pixels\"" +
         " appears. Click Apply and follow the instructions that will be displayed." + "\r\r" +
         "The other solution is to click the square maximize button (middle of 3) on the top "
         "right corner of the W-3 and W-2 entry screens. This should insert scroll bars on the "
         "right and bottom sides of the entry screens so you can move the screen around to "
         "uncover hidden areas.";
}

QString ShortHint(const QString& hint) {
  const qsizetype bar = hint.indexOf(QLatin1Char('|'));
  return bar < 0 ? hint : hint.left(bar);
}

QString LongHint(const QString& hint) {
  const qsizetype bar = hint.indexOf(QLatin1Char('|'));
  return bar < 0 ? hint : hint.mid(bar + 1);
}

}  // namespace

TMainForm::TMainForm(MainFormSettings settings, IFileDialog& fileDialog, IScreenLauncher& launcher,
                     const IDesktop& desktop, QWidget* parent)
    : QMainWindow(parent),
      settings_(std::move(settings)),
      fileDialog_(fileDialog),
      launcher_(launcher),
      desktop_(desktop) {
  setWindowTitle(QString::fromLatin1(kNoFileCaption));
  BuildTitlePanel();
  BuildMenu();
  BuildSpeedBar();
  StatusLine = statusBar();
  StatusLine->setObjectName(QStringLiteral("StatusLine"));
  resize(520, 300);
  FormCreate();
}

void TMainForm::FormCreate() {
  appRegistry_ = std::make_unique<TQuillmarRegistry>(settings_.registryFolder);
  // A mistyped value is shown by the error display; the start goes on without a folder.
  RunGuarded([this] { lastW2Dir_ = appRegistry_->ReadLastDir(); });
  RefreshRecentFiles();
  if (InstallCheckFails(*appRegistry_, settings_.programPath)) {
    RegisterInstall(*appRegistry_, settings_.programPath, settings_.desktopDataFolder,
                    settings_.systemDataFolders);
  } else if (RegisteredSystemWide(settings_.systemDataFolders, settings_.programPath,
                                  settings_.desktopDataFolder)) {
    // The package was installed over a copy that had registered per user:
    // the per-user entry and type it wrote go, leaving the package's only.
    RegisterWithDesktop(settings_.desktopDataFolder, settings_.programPath,
                        settings_.systemDataFolders);
  }
  SeedPresetRates(*appRegistry_);
  CheckInstalledVersion(*appRegistry_, settings_.programPath);
}

TMainForm::~TMainForm() {
  // FormDestroy: the open file offers its pending change once more, then the
  // last folder is kept for the next start.
  RunGuarded([this] { CloseActiveFile(); });
  if (!lastW2Dir_.empty()) RunGuarded([this] { appRegistry_->WriteLastDir(lastW2Dir_); });
}

void TMainForm::BuildTitlePanel() {
  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("TitlePanel"));
  panel->setFrameShape(QFrame::StyledPanel);
  auto* layout = new QVBoxLayout(panel);
  layout->addStretch();
  const QString lines[] = {QStringLiteral("Quillmar \u2122"),
                           QStringLiteral("(32 bit Windows 95/98/NT and above)"),
                           QStringLiteral("Version 1.0 (1/2002)")};
  for (const QString& text : lines) {
    auto* label = new QLabel(text, panel);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
  }
  QFont titleFont = layout->itemAt(1)->widget()->font();
  titleFont.setPointSize(titleFont.pointSize() * 2);
  titleFont.setBold(true);
  layout->itemAt(1)->widget()->setFont(titleFont);
  layout->addStretch();
  setCentralWidget(panel);
}

QAction* TMainForm::AddItem(QMenu* menu, const char* caption, const char* hint,
                            void (TMainForm::*handler)()) {
  QAction* action = menu->addAction(QString::fromUtf8(caption));
  action->setStatusTip(QString::fromUtf8(hint));
  if (handler) {
    connect(action, &QAction::triggered, this,
            [this, handler] { RunGuarded([&] { (this->*handler)(); }); });
  }
  return action;
}

void TMainForm::BuildMenu() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  FileNewItem = AddItem(file, "&New", "Create a new file", &TMainForm::FileNew);
  FileNewItem->setShortcut(QKeySequence::New);
  FileOpenItem = AddItem(file, "&Open...", "Open an existing file", &TMainForm::FileOpen);
  FileOpenItem->setShortcut(QKeySequence::Open);
  FileNewYearItem = AddItem(file, "New &Year from This File...",
                            "Start next tax year's file with this file's company and employees",
                            &TMainForm::FileNewYearClick);
  FileNewYearItem->setEnabled(false);
  // The groups: the employees in and out, the files for the SSA and the
  // states, what was filed and its corrections.
  file->addSeparator();
  FileImportEmployeesItem =
      AddItem(file, "Import Employees...", "Add or update employees from a spreadsheet (CSV file)",
              &TMainForm::FileImportEmployeesClick);
  FileExportEmployeesItem = AddItem(file, "Export Employees (CSV)...",
                                    "Write every W-2 with every field to a spreadsheet (CSV file)",
                                    &TMainForm::FileExportEmployeesClick);
  file->addSeparator();
  FileExportEfw2Item =
      AddItem(file, "Export for SSA (EFW2)...",
              "Write the W-2s to a wage file for the Social Security Administration",
              &TMainForm::FileExportEfw2Click);
  FileExportEfw2Item->setEnabled(false);
  FileExportStateW2Item =
      AddItem(file, "Export State W-2 File...", "Write one state's W-2s to a file for that state",
              &TMainForm::FileExportStateW2Click);
  FileExportStateW2Item->setEnabled(false);
  file->addSeparator();
  FileMarkFiledItem = AddItem(file, "Mark as Filed...",
                              "Keep the W-2s and the W-3 as filed on paper; later changes are "
                              "corrections",
                              &TMainForm::FileMarkFiledClick);
  FileExportEfw2cItem =
      AddItem(file, "Export Corrections for SSA (EFW2C)...",
              "Write the corrections since filing to a correction file for the Social Security "
              "Administration",
              &TMainForm::FileExportEfw2cClick);
  FileMarkCorrectionsFiledItem =
      AddItem(file, "Mark Corrections as Filed",
              "Keep the corrected W-2s as filed, so that the next correction starts from them",
              &TMainForm::FileMarkCorrectionsFiledClick);
  for (QAction* a : {FileMarkFiledItem, FileExportEfw2cItem, FileMarkCorrectionsFiledItem})
    a->setEnabled(false);
  file->addSeparator();
  FileExitItem = AddItem(file, "E&xit", "Exit this application", &TMainForm::FileExit);
  FileExitItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  recentSeparator_ = file->insertSeparator(FileExitItem);
  RefreshRecentFiles();

  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
  EditSocSecRates = AddItem(edit, "&Soc.Sec/Medicare Rates",
                            "View or Change Soc.Sec/Medicare Rates used to verify W-2 entries",
                            &TMainForm::EditSocSecRatesClick);
  edit->addSeparator();
  EditW3Company = AddItem(edit, "W-3 &Company Information",
                          "Enter, View, or Change Company Information. View W-2 Totals",
                          &TMainForm::EditW3CompanyClick);
  edit->addSeparator();
  EditW2Employee =
      AddItem(edit, "W-2 &Employee Information", "Enter, View, or Change Employee W-2 Information",
              &TMainForm::EditW2EmployeeClick);
  EditEmployeeList = AddItem(edit, "Employee &List...",
                             "See every employee with boxes 1 to 6 and the W-3 totals; open one",
                             &TMainForm::EditEmployeeListClick);
  EditCorrections = AddItem(edit, "Corrections...",
                            "List the W-2s changed since filing and the correction each needs",
                            &TMainForm::EditCorrectionsClick);
  EditCheckAllW2s = AddItem(edit, "Check All W-2s",
                            "Run the error check over every W-2 and the W-3 in one report",
                            &TMainForm::EditCheckAllW2sClick);

  QMenu* print = menuBar()->addMenu(QStringLiteral("&Print"));
  PrintW3Company = AddItem(print, "W-3 &Company Information",
                           "Print W-3 Form (Company Information and W-2 Totals)",
                           &TMainForm::PrintW3CompanyClick);
  print->addSeparator();
  PrintW2Employees = AddItem(print, "W-2 &Employee Information", "Print the employees' W-2 forms",
                             &TMainForm::PrintW2EmployeesClick);
  PrintW2Employees->setShortcut(QKeySequence::Print);
  print->addSeparator();
  PrintMailingLabels = AddItem(print, "Mailing &Labels", "Print Employee Mailing Labels",
                               &TMainForm::PrintMailingLabelsClick);
  print->addSeparator();
  PrintPlainPaperW2s =
      AddItem(print, "W-2 Employee Copies (&plain paper)...",
              "Print the employees' Copies B, C and 2 with the form drawn, or one PDF per employee",
              &TMainForm::PrintPlainPaperW2sClick);
  PrintPlainPaperW3 =
      AddItem(print, "W-3 for your &records (plain paper)",
              "Print the W-3 with its totals, drawn on plain paper, for the employer's records",
              &TMainForm::PrintPlainPaperW3Click);
  PrintW2c =
      AddItem(print, "W-2c and W-3c (plain paper)...",
              "Print the corrected W-2s on Forms W-2c with the W-3c, or one PDF per employee",
              &TMainForm::PrintW2cClick);
  print->addSeparator();
  PrintPreviewFirst =
      AddItem(print, "Preview Before Printing",
              "Show every print job on screen first; print it from the preview", nullptr);
  PrintPreviewFirst->setCheckable(true);
  connect(PrintPreviewFirst, &QAction::toggled, this,
          [this](bool on) { launcher_.SetPreviewFirst(on); });

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  HelpContentsItem =
      AddItem(help, "&Contents", "Display the help contents screen", &TMainForm::HelpContents);
  HelpContentsItem->setShortcut(QKeySequence::HelpContents);
  HelpSearchItem = AddItem(help, "&Search for Help On...", "Search help file for a topic", nullptr);
  HelpHowToUseItem = AddItem(help, "&How to Use Help", "Help on using the help system", nullptr);
  help->addSeparator();
  HelpAboutItem = AddItem(help, "&About...", "Show program information", &TMainForm::HelpAbout);
  // The help is the user's guide in one window: searching it and help on
  // help have no items of their own.
  for (QAction* a : {HelpSearchItem, HelpHowToUseItem}) a->setEnabled(false);

  UpdateLaunchItems();
}

void TMainForm::UpdateLaunchItems() {
  // Screens and print runs that this build does not have are disabled.
  const std::pair<QAction*, LaunchTarget> targets[] = {
      {EditSocSecRates, LaunchTarget::RatesScreen},
      {EditW3Company, LaunchTarget::W3Screen},
      {EditW2Employee, LaunchTarget::W2Screen},
      {EditEmployeeList, LaunchTarget::W2Screen},
      {PrintW3Company, LaunchTarget::PrintW3},
      {PrintW2Employees, LaunchTarget::PrintW2s},
      {PrintMailingLabels, LaunchTarget::MailingLabels},
      {PrintPlainPaperW2s, LaunchTarget::PlainPaperW2s},
      {PrintPlainPaperW3, LaunchTarget::PlainPaperW3},
      {EditCorrections, LaunchTarget::Corrections},
      {PrintW2c, LaunchTarget::Corrections},
      {FileImportEmployeesItem, LaunchTarget::ImportEmployees},
      {FileExportEmployeesItem, LaunchTarget::ExportEmployees},
      {EditCheckAllW2s, LaunchTarget::CheckAllW2s}};
  for (const auto& [action, target] : targets) action->setEnabled(launcher_.Available(target));
}

QToolButton* TMainForm::AddSpeedButton(const char* hint, int icon, void (TMainForm::*handler)()) {
  auto* button = new QToolButton(SpeedBar);
  const QString fullHint = QString::fromUtf8(hint);
  button->setIcon(style()->standardIcon(static_cast<QStyle::StandardPixmap>(icon)));
  button->setToolTip(ShortHint(fullHint));
  button->setStatusTip(fullHint);
  button->setAutoRaise(true);
  if (handler) {
    connect(button, &QToolButton::clicked, this,
            [this, handler] { RunGuarded([&] { (this->*handler)(); }); });
  }
  SpeedBar->addWidget(button);
  return button;
}

void TMainForm::BuildSpeedBar() {
  SpeedBar = addToolBar(QStringLiteral("SpeedBar"));
  SpeedBar->setObjectName(QStringLiteral("SpeedBar"));
  SpeedBar->setMovable(false);
  SpeedButton1 = AddSpeedButton("New|", QStyle::SP_FileIcon, &TMainForm::FileNew);
  SpeedButton2 = AddSpeedButton("Open|", QStyle::SP_DialogOpenButton, &TMainForm::FileOpen);
  SpeedButton4 = AddSpeedButton("Exit|", QStyle::SP_DialogCloseButton, &TMainForm::FileExit);
  SpeedBar->addSeparator();
  SpeedButton5 =
      AddSpeedButton("Help Contents|", QStyle::SP_DialogHelpButton, &TMainForm::HelpContents);
  SpeedButton6 = AddSpeedButton("About|", QStyle::SP_MessageBoxInformation, &TMainForm::HelpAbout);
}

bool TMainForm::event(QEvent* e) {
  if (e->type() == QEvent::StatusTip) {
    ShowHint(static_cast<QStatusTipEvent*>(e)->tip());
    return true;
  }
  return QMainWindow::event(e);
}

void TMainForm::ShowHint(const QString& hint) { StatusLine->showMessage(LongHint(hint)); }

void TMainForm::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  if (activated_) return;
  activated_ = true;
  // After the window is on screen, so that its messages and screens stand in front of it.
  QTimer::singleShot(0, this, [this] { RunGuarded([this] { FirstActivation(); }); });
}

void TMainForm::FirstActivation() {
  const WorkArea area = desktop_.GetWorkArea();
  if (area.width < kMinWorkAreaWidth || area.height < kMinWorkAreaHeight) {
    ShowMessage(SmallScreenMessage());
  }
  const CommandLineRequest request = ParseCommandLine(settings_.arguments);
  if (request.fileName.empty()) return;
  const std::string path = std::filesystem::absolute(request.fileName).lexically_normal().string();
  currentFileName_ = path;
  lastW2Dir_ = FolderOf(path);
  OpenActiveFile(path);
  ShowProcessingCaption();
  if (request.print) {
    PrintW2EmployeesClick();
  } else {
    EditW2EmployeeClick();
  }
}

bool TMainForm::CanLaunch(LaunchTarget target) {
  if (launcher_.Available(target)) return true;
  // Reached only from the command line: the menu items of what this build
  // lacks are disabled.
  const char* what = "";
  switch (target) {
    case LaunchTarget::RatesScreen:
      what = "The Soc.Sec/Medicare rates screen";
      break;
    case LaunchTarget::W3Screen:
      what = "The W-3 company screen";
      break;
    case LaunchTarget::W2Screen:
      what = "The W-2 employee screen";
      break;
    case LaunchTarget::PrintW3:
      what = "Printing the W-3";
      break;
    case LaunchTarget::PrintW2s:
      what = "Printing the W-2 forms";
      break;
    case LaunchTarget::MailingLabels:
      what = "Printing mailing labels";
      break;
    case LaunchTarget::ExportEfw2:
      what = "The export for the SSA";
      break;
    case LaunchTarget::ExportStateW2:
      what = "The export of a state W-2 file";
      break;
    case LaunchTarget::PlainPaperW2s:
      what = "Printing the W-2 employee copies on plain paper";
      break;
    case LaunchTarget::PlainPaperW3:
      what = "Printing the W-3 on plain paper";
      break;
    case LaunchTarget::Corrections:
      what = "Correcting filed W-2s";
      break;
    case LaunchTarget::ImportEmployees:
      what = "The import of employees";
      break;
    case LaunchTarget::ExportEmployees:
      what = "The export of employees";
      break;
    case LaunchTarget::CheckAllW2s:
      what = "Check All W-2s";
      break;
  }
  ShowMessage(std::string(what) + " is not available in this version of Quillmar.",
              MsgIcon::Information);
  return false;
}

bool TMainForm::HasFile() const { return !currentFileName_.empty() && activeFile_; }

void TMainForm::CloseActiveFile() {
  // The file asks nothing as it closes: a pending change is offered here.
  if (activeFile_) SettleBeforeClose(*activeFile_);
  // Released first, so that the program never goes on with a file whose close failed.
  std::unique_ptr<TQuillmarFormFile> closing = std::move(activeFile_);
  FileExportEfw2Item->setEnabled(false);
  FileExportStateW2Item->setEnabled(false);
  for (QAction* a : {FileMarkFiledItem, FileExportEfw2cItem, FileMarkCorrectionsFiledItem})
    a->setEnabled(false);
  FileNewYearItem->setEnabled(false);
  closing.reset();
}

void TMainForm::OpenActiveFile(const std::string& path, bool mayCreate) {
  // The open file holds its lock; opened a second time it would refuse itself.
  std::error_code ec;
  if (activeFile_ && std::filesystem::equivalent(activeFile_->Path(), path, ec)) CloseActiveFile();
  std::unique_ptr<TQuillmarFormFile> opened = TQuillmarFormFile::Open(path, mayCreate);
  CloseActiveFile();
  activeFile_ = std::move(opened);
  FileNewYearItem->setEnabled(true);
  // A registry that cannot be written costs the list, never the open file.
  RunGuarded([&] {
    appRegistry_->WriteRecentFiles(
        TQuillmarRegistry::WithRecentFile(appRegistry_->ReadRecentFiles(), path));
  });
  RefreshRecentFiles();
  // A journal of another file found beside it was kept aside, not applied.
  if (const std::string notice = activeFile_->KeptJournalNotice(); !notice.empty()) {
    ShowMessage(notice, MsgIcon::Warning);
  }
  FileExportEfw2Item->setEnabled(launcher_.Available(LaunchTarget::ExportEfw2));
  FileExportStateW2Item->setEnabled(launcher_.Available(LaunchTarget::ExportStateW2));
  FileMarkFiledItem->setEnabled(true);
  FileMarkCorrectionsFiledItem->setEnabled(true);
  FileExportEfw2cItem->setEnabled(launcher_.Available(LaunchTarget::Corrections));
}

void TMainForm::ShowProcessingCaption() {
  setWindowTitle(QStringLiteral("Processing: ") + QString::fromStdString(currentFileName_));
}

void TMainForm::FileNew() {
  FileDialogRequest request;
  request.title = openMode_ ? "Open" : "New";
  request.filters = {
      {"W2 Files", "*.qmr"}, {"Paywick Configuration Files", "*.cnf"}, {"All Files", "*.*"}};
  request.filterIndex = 0;
  request.initialDir = lastW2Dir_;
  std::optional<std::string> chosen = fileDialog_.Execute(request);
  if (!chosen) return;
  std::string fileName = *chosen;
  if (!openMode_) fileName = CompleteNewFileExtension(fileName);
  // A file that cannot be opened leaves the open file (and its name) in place.
  OpenActiveFile(fileName);
  currentFileName_ = fileName;
  lastW2Dir_ = FolderOf(fileName);
  ShowProcessingCaption();
  if (!openMode_) EditW3CompanyClick();
}

void TMainForm::FileOpen() {
  openMode_ = true;
  struct ResetOpenMode {
    bool& flag;
    ~ResetOpenMode() { flag = false; }
  } reset{openMode_};
  FileNew();
  openMode_ = false;
  EditW2EmployeeClick();
}

void TMainForm::FileExit() {
  CloseActiveFile();
  close();
}

void TMainForm::ShowNoFileMessage() {
  ShowMessage(
      "From the main (start up) window for this program you must first open an existing W2 file, "
      "or either import data from our Paywick system or create a new empty W2 file if you are not "
      "one of our Paywick customers.");
}

bool TMainForm::RequireFile() {
  if (HasFile()) return true;
  ShowNoFileMessage();
  return false;
}

void TMainForm::EditSocSecRatesClick() {
  if (CanLaunch(LaunchTarget::RatesScreen)) launcher_.ShowRates(*appRegistry_, activeFile_.get());
}

void TMainForm::EditW3CompanyClick() {
  if (!RequireFile()) return;
  SumToW3(*activeFile_);
  if (activeFile_->ReadW3() && CanLaunch(LaunchTarget::W3Screen)) {
    launcher_.ShowW3(*activeFile_, *appRegistry_);
  }
}

bool TMainForm::RequireCompletedW3() {
  if (!RequireFile()) return false;
  const W3Record& w3 = activeFile_->W3Rec.w3;
  if (w3.TaxYear != 0 && !w3.EmployerEIN.Str().empty() && !w3.EmployerName.Str().empty()) {
    return true;
  }
  ShowMessage(
      "Company Information on form W-3 must be fully completed before any W-2 forms can be "
      "entered. Click OK to do this.");
  EditW3CompanyClick();
  return false;
}

void TMainForm::EditW2EmployeeClick() {
  if (!RequireCompletedW3()) return;
  if (activeFile_->GoFirst() && CanLaunch(LaunchTarget::W2Screen)) {
    launcher_.ShowW2(*activeFile_, *appRegistry_);
  }
}

void TMainForm::PrintW3CompanyClick() {
  if (!RequireFile()) return;
  SumToW3(*activeFile_);
  if (activeFile_->ReadW3() && CanLaunch(LaunchTarget::PrintW3)) {
    launcher_.PrintW3(*activeFile_, *appRegistry_);
  }
}

void TMainForm::PrintW2EmployeesClick() {
  if (!RequireFile()) return;
  if (CanLaunch(LaunchTarget::PrintW2s)) launcher_.PrintW2s(*activeFile_, *appRegistry_);
}

void TMainForm::PrintPlainPaperW2sClick() {
  if (!RequireFile()) return;
  if (CanLaunch(LaunchTarget::PlainPaperW2s))
    launcher_.PrintPlainPaperW2s(*activeFile_, *appRegistry_);
}

void TMainForm::PrintPlainPaperW3Click() {
  if (!RequireFile()) return;
  if (CanLaunch(LaunchTarget::PlainPaperW3)) launcher_.PrintPlainPaperW3(*activeFile_);
}

void TMainForm::PrintMailingLabelsClick() {
  if (!RequireFile()) return;
  if (CanLaunch(LaunchTarget::MailingLabels))
    launcher_.PrintMailingLabels(*activeFile_, *appRegistry_);
}

void TMainForm::FileExportEfw2Click() {
  if (!HasFile()) {
    ShowNoFileMessage();
    return;
  }
  if (CanLaunch(LaunchTarget::ExportEfw2)) launcher_.ExportEfw2(*activeFile_, *appRegistry_);
}

void TMainForm::FileExportStateW2Click() {
  if (!RequireFile()) return;
  if (CanLaunch(LaunchTarget::ExportStateW2)) launcher_.ExportStateW2(*activeFile_, *appRegistry_);
}

void TMainForm::FileMarkFiledClick() {
  if (!RequireFile()) return;
  const std::string text = "Mark the W-2s of this file as filed on paper today (" +
                           DateText(NowDateTime()) +
                           ")?\r\rQuillmar then keeps a copy of them and of the W-3, and changes "
                           "made later are corrections (Edit, Corrections...).";
  if (MessageBoxes().Show({kAppTitle, text, MsgIcon::Question, MsgYes | MsgNo, false}) != MsgYes)
    return;
  SumToW3(*activeFile_);
  if (activeFile_->ReadW3()) KeepFiledCopy(*activeFile_, FilingMethod::Paper);
}

void TMainForm::FileExportEfw2cClick() {
  if (!RequireFile()) return;
  if (CanLaunch(LaunchTarget::Corrections)) {
    launcher_.RunCorrections(CorrectionsTask::ExportFile, *activeFile_, *appRegistry_);
  }
}

void TMainForm::FileMarkCorrectionsFiledClick() {
  if (RequireFile()) MarkCorrectionsFiled(*activeFile_);
}

void TMainForm::EditCorrectionsClick() {
  if (!RequireFile()) return;
  if (CanLaunch(LaunchTarget::Corrections)) {
    launcher_.RunCorrections(CorrectionsTask::Show, *activeFile_, *appRegistry_);
  }
}

void TMainForm::PrintW2cClick() {
  if (!RequireFile()) return;
  if (CanLaunch(LaunchTarget::Corrections)) {
    launcher_.RunCorrections(CorrectionsTask::PrintForms, *activeFile_, *appRegistry_);
  }
}

void TMainForm::FileImportEmployeesClick() {
  // The tax year decides the rules of the Social Security numbers and box 12 codes.
  if (!RequireCompletedW3()) return;
  if (CanLaunch(LaunchTarget::ImportEmployees))
    launcher_.ImportEmployees(*activeFile_, *appRegistry_);
}

void TMainForm::FileExportEmployeesClick() {
  if (!RequireFile()) return;
  if (CanLaunch(LaunchTarget::ExportEmployees)) launcher_.ExportEmployees(*activeFile_);
}

void TMainForm::EditCheckAllW2sClick() {
  if (!RequireFile()) return;
  if (CanLaunch(LaunchTarget::CheckAllW2s)) launcher_.CheckAllW2s(*activeFile_, *appRegistry_);
}

void TMainForm::HelpAbout() {
  MessageBoxes().Show({"About Quillmar", "Quillmar \x99\rVersion " QUILLMAR_VERSION " (1/2002)",
                       MsgIcon::Information, MsgOk, false});
}

void TMainForm::HelpContents() {
  if (helpWindow_) {
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
    return;
  }
  QFile guide(QStringLiteral(":/docs/user-guide.md"));
  if (!guide.open(QIODevice::ReadOnly)) {
    ShowMessage("The user's guide is not part of this installation of Quillmar.",
                MsgIcon::Information);
    return;
  }
  auto* window = new THelpWindow(QString::fromUtf8(guide.readAll()), this);
  window->setAttribute(Qt::WA_DeleteOnClose);
  helpWindow_ = window;
  window->show();
}

void TMainForm::RefreshRecentFiles() {
  QMenu* file = qobject_cast<QMenu*>(FileExitItem->parent());
  for (QAction* item : RecentFileItems) {
    if (file) file->removeAction(item);
    item->deleteLater();
  }
  RecentFileItems.clear();
  std::vector<std::string> files;
  RunGuarded([&] { files = appRegistry_ ? appRegistry_->ReadRecentFiles() : files; });
  for (std::size_t n = 0; n < files.size() && file; ++n) {
    const std::string path = files[n];
    const QString name = QString::fromStdString(std::filesystem::path(path).filename().string());
    auto* item = new QAction(QStringLiteral("&%1 %2").arg(n + 1).arg(name), file);
    item->setStatusTip(QString::fromStdString(path));
    connect(item, &QAction::triggered, this,
            [this, path] { RunGuarded([&] { FileOpenRecent(path); }); });
    file->insertAction(recentSeparator_, item);
    RecentFileItems.push_back(item);
  }
  recentSeparator_->setVisible(!files.empty());
}

void TMainForm::FileOpenRecent(const std::string& path) {
  // A file that cannot be opened leaves no file open and the former name in place.
  OpenActiveFile(path, false);
  currentFileName_ = path;
  lastW2Dir_ = FolderOf(path);
  ShowProcessingCaption();
  EditW2EmployeeClick();
}

void TMainForm::FileNewYearClick() {
  if (!RequireFile()) return;
  const std::int32_t year = activeFile_->W3Rec.w3.TaxYear;
  if (year == 0) {
    ShowMessage("Enter the tax year on the W-3 of this file first.");
    return;
  }
  FileDialogRequest request;
  request.title = "New Year from This File";
  request.filters = {{"W2 Files", "*.qmr"}, {"All Files", "*.*"}};
  request.initialDir = FolderOf(currentFileName_);
  request.initialFile = NextYearFileName(currentFileName_, year);
  request.save = true;
  const std::optional<std::string> chosen = fileDialog_.Execute(request);
  if (!chosen) return;
  const std::string path = CompleteNewFileExtension(*chosen);
  const int employees = MakeNextYearFile(*activeFile_, path);
  const std::string text =
      "The file for tax year " + std::to_string(year + 1) + " was made:\r" + Utf8ToCp1252(path) +
      "\r\rIt holds the company and " + std::to_string(employees) +
      (employees == 1 ? " employee" : " employees") + ", with all amounts zero. Open it now?";
  if (MessageBoxes().Show({kAppTitle, text, MsgIcon::Question, MsgYes | MsgNo, false}) != MsgYes)
    return;
  OpenActiveFile(path, false);
  currentFileName_ = path;
  lastW2Dir_ = FolderOf(path);
  ShowProcessingCaption();
}

void TMainForm::EditEmployeeListClick() {
  if (!RequireFile()) return;
  const std::optional<std::int64_t> chosen = launcher_.ShowEmployeeList(*activeFile_);
  if (!chosen) return;
  const W3Record& w3 = activeFile_->W3Rec.w3;
  if (w3.TaxYear == 0 || w3.EmployerEIN.Str().empty() || w3.EmployerName.Str().empty()) {
    EditW2EmployeeClick();  // says what is missing and opens the W-3 screen
    return;
  }
  if (activeFile_->GoToRecord(*chosen) && CanLaunch(LaunchTarget::W2Screen)) {
    launcher_.ShowW2(*activeFile_, *appRegistry_);
  }
}
