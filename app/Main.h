#pragma once
// The main window: owns the open data file and the registry settings, creates
// and opens data files from its menus and the command line, and starts every
// other screen through the launcher.

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <string>
#include <vector>

#include "app/ScreenLauncher.h"
#include "platform/Desktop.h"
#include "platform/FileDialog.h"

class QAction;
class QDialog;
class QLabel;
class QStatusBar;
class QToolBar;
class QToolButton;
class TQuillmarFormFile;
class TQuillmarRegistry;

// What the main window needs from its surroundings; the program passes the
// real ones, tests their own.
struct MainFormSettings {
  std::string registryFolder;          // folder of the registry hives
  std::string programPath;             // path of the running program (the installation check)
  std::string desktopDataFolder;       // $XDG_DATA_HOME, for the desktop registration
  std::vector<std::string> arguments;  // command-line arguments, program name excluded
  // $XDG_DATA_DIRS: where a package registers the program with the desktop
  std::vector<std::string> systemDataFolders;
};

class TMainForm final : public QMainWindow {
  Q_OBJECT

 public:
  TMainForm(MainFormSettings settings, IFileDialog& fileDialog, IScreenLauncher& launcher,
            const IDesktop& desktop, QWidget* parent = nullptr);
  ~TMainForm() override;  // FormDestroy

  // Menu and tool-bar handlers.
  void FileNew();
  void FileOpen();
  void FileExit();
  void EditSocSecRatesClick();
  void EditW3CompanyClick();
  void EditW2EmployeeClick();
  void PrintW3CompanyClick();
  void PrintW2EmployeesClick();
  void PrintMailingLabelsClick();
  void FileExportEfw2Click();
  void FileExportStateW2Click();
  void FileImportEmployeesClick();
  void FileExportEmployeesClick();
  void EditCheckAllW2sClick();
  void PrintPlainPaperW2sClick();
  void PrintPlainPaperW3Click();
  void FileMarkFiledClick();
  void FileExportEfw2cClick();
  void FileMarkCorrectionsFiledClick();
  void EditCorrectionsClick();
  void PrintW2cClick();
  void HelpAbout();
  // Help, Contents (F1): the user's guide in the help window.
  void HelpContents();
  // File, New Year from This File...: next tax year's file made from this one.
  void FileNewYearClick();
  // A file of the recent-files list: opened, never created.
  void FileOpenRecent(const std::string& path);
  // Edit, Employee List...: the list, then the W-2 screen at the employee chosen.
  void EditEmployeeListClick();
  void ShowNoFileMessage();
  // Enables the items of the screens and runs the launcher has; called again
  // when the launcher gains one after the window was built (the error report
  // window, which the window itself parents).
  void UpdateLaunchItems();

  // The work-area check and the command line; runs once, when the window is
  // first shown.
  void FirstActivation();
  // Puts the long part of a hint into the status line.
  void ShowHint(const QString& hint);

  TQuillmarFormFile* ActiveFile() const { return activeFile_.get(); }
  TQuillmarRegistry& AppRegistry() const { return *appRegistry_; }
  const std::string& CurrentFileName() const { return currentFileName_; }
  const std::string& LastW2Dir() const { return lastW2Dir_; }

  // Components, named as on the form.
  QToolBar* SpeedBar = nullptr;
  QToolButton* SpeedButton1 = nullptr;  // New
  QToolButton* SpeedButton2 = nullptr;  // Open
  QToolButton* SpeedButton4 = nullptr;  // Exit
  QToolButton* SpeedButton5 = nullptr;  // Help Contents
  QToolButton* SpeedButton6 = nullptr;  // About
  QStatusBar* StatusLine = nullptr;
  QAction* FileNewItem = nullptr;
  QAction* FileOpenItem = nullptr;
  QAction* FileExportEfw2Item = nullptr;     // enabled while a data file is open
  QAction* FileExportStateW2Item = nullptr;  // enabled while a data file is open
  QAction* FileMarkFiledItem = nullptr;      // the three: enabled while a data file is open
  QAction* FileExportEfw2cItem = nullptr;
  QAction* FileMarkCorrectionsFiledItem = nullptr;
  QAction* EditCorrections = nullptr;
  QAction* PrintW2c = nullptr;
  QAction* FileImportEmployeesItem = nullptr;
  QAction* FileExportEmployeesItem = nullptr;
  QAction* FileNewYearItem = nullptr;  // enabled while a data file is open
  // The recent files, latest first, above Exit.
  std::vector<QAction*> RecentFileItems;
  QAction* FileExitItem = nullptr;
  QAction* EditEmployeeList = nullptr;
  QAction* EditSocSecRates = nullptr;
  QAction* EditW3Company = nullptr;
  QAction* EditW2Employee = nullptr;
  QAction* EditCheckAllW2s = nullptr;
  QAction* PrintW3Company = nullptr;
  QAction* PrintW2Employees = nullptr;
  QAction* PrintMailingLabels = nullptr;
  QAction* PrintPlainPaperW2s = nullptr;
  QAction* PrintPlainPaperW3 = nullptr;
  QAction* PrintPreviewFirst = nullptr;
  QAction* HelpContentsItem = nullptr;
  QAction* HelpSearchItem = nullptr;
  QAction* HelpHowToUseItem = nullptr;
  QAction* HelpAboutItem = nullptr;

 protected:
  bool event(QEvent* e) override;
  void showEvent(QShowEvent* e) override;

 private:
  void FormCreate();
  void BuildTitlePanel();
  void BuildMenu();
  void BuildSpeedBar();
  QAction* AddItem(QMenu* menu, const char* caption, const char* hint,
                   void (TMainForm::*handler)());
  QToolButton* AddSpeedButton(const char* hint, int icon, void (TMainForm::*handler)());
  bool HasFile() const;
  // True with a file open; otherwise shows the no-file message.
  bool RequireFile();
  // RequireFile, and a W-3 with its tax year, EIN and employer's name; else
  // says so and opens the W-3 screen.
  bool RequireCompletedW3();
  // Whether this build has the screen or print run; says so to the user when not.
  bool CanLaunch(LaunchTarget target);
  // Closes the open data file; its pending change is offered for saving.
  void CloseActiveFile();
  // Opens (or creates, unless not `mayCreate`) `path` and then closes the
  // file that was open; the new file goes to the top of the recent files. A
  // file that is refused (not a data file, held by another writer) leaves the
  // open file open; only the file itself, opened again, is closed first.
  void OpenActiveFile(const std::string& path, bool mayCreate = true);
  // Shows the recent files of the registry at the foot of the File menu.
  void RefreshRecentFiles();
  void ShowProcessingCaption();

  MainFormSettings settings_;
  IFileDialog& fileDialog_;
  IScreenLauncher& launcher_;
  const IDesktop& desktop_;
  std::unique_ptr<TQuillmarRegistry> appRegistry_;
  std::unique_ptr<TQuillmarFormFile> activeFile_;
  std::string currentFileName_;
  std::string lastW2Dir_;
  bool openMode_ = false;
  QAction* recentSeparator_ = nullptr;
  QPointer<QDialog> helpWindow_;
  bool activated_ = false;
};
