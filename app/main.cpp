// Quillmar: prepares the year-end W-2 wage statements and the W-3 transmittal.

#include "app/Main.h"

#include <QScreen>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/QtScreenLauncher.h"
#include "app/QuillmarApplication.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramPath.h"
#include "platform/qt/QtDesktop.h"
#include "platform/qt/QtFileDialog.h"
#include "platform/qt/QtMessageBoxes.h"
#include "platform/qt/QtPrintDialogs.h"
#include "platform/qt/QtPrinterDevice.h"
#include "screens/ErrorReport.h"
#include "settings/QuillmarRegistry.h"

namespace {

// $NAME when set and not empty, else $HOME followed by `fallback`.
std::string XdgFolder(const char* name, const char* fallback) {
  const char* value = std::getenv(name);
  if (value && *value) return value;
  const char* home = std::getenv("HOME");
  return std::string(home ? home : "") + fallback;
}

// The folders of $XDG_DATA_DIRS, or the freedesktop default when it is unset or empty.
std::vector<std::string> SystemDataFolders() {
  const char* value = std::getenv("XDG_DATA_DIRS");
  const std::string dirs = value && *value ? value : "/usr/local/share/:/usr/share/";
  std::vector<std::string> folders;
  std::size_t start = 0;
  for (std::size_t colon; (colon = dirs.find(':', start)) != std::string::npos; start = colon + 1) {
    folders.push_back(dirs.substr(start, colon - start));
  }
  folders.push_back(dirs.substr(start));
  return folders;
}

}  // namespace

int main(int argc, char* argv[]) {
  TQuillmarApplication app(argc, argv);
  QtMessageBoxes boxes;
  SetMessageBoxes(&boxes);

  MainFormSettings settings;
  settings.registryFolder = XdgFolder("XDG_CONFIG_HOME", "/.config") + "/Tolvane";
  settings.desktopDataFolder = XdgFolder("XDG_DATA_HOME", "/.local/share");
  settings.systemDataFolders = SystemDataFolders();
  settings.programPath = RunningProgramPath();
  const QStringList arguments = QApplication::arguments();
  for (qsizetype i = 1; i < arguments.size(); ++i)
    settings.arguments.push_back(arguments[i].toStdString());

  QtFileDialog fileDialog(nullptr);
  QtScreenLauncher launcher;
  QtDesktop desktop;
  // The one printer of the program, as every print run and report finds it.
  QtPrinterDevice printer;
  QtPrinterSetupDialog printerSetupDialog;
  QtFontDialog fontDialog;
  // The error report keeps a font of its own, apart from the labels'.
  QtFontDialog reportFontDialog;
  QtPrintPreview preview;
  // Before the window is built: it enables its Print items by what the launcher has.
  launcher.SetPrinting(&printer, &printerSetupDialog, &fontDialog);
  launcher.SetPreview(&preview);
  int result = 0;
  {
    TMainForm window(settings, fileDialog, launcher, desktop);
    launcher.SetParent(&window);
    // A box shown while no window is active stands over the main window.
    boxes.SetMainWindow(&window);
    // Created once, hidden until the edit check shows its report in it.
    TFormErrorReport errorReport(printer, printerSetupDialog, reportFontDialog, &window);
    TQuillmarRegistry reportRegistry(settings.registryFolder);
    errorReport.SetPrintSettings(&reportRegistry, &preview);
    preview.SetParent(&window);
    launcher.SetReportWindow(&errorReport);
    window.UpdateLaunchItems();
    // In the middle of the screen from the start: the boxes shown at start-up
    // (a file on the command line) centre on it before the window manager
    // would have placed it.
    if (const QScreen* screen = window.screen()) {
      window.move(screen->availableGeometry().center() - window.rect().center());
    }
    window.show();
    result = app.exec();
    launcher.SetReportWindow(nullptr);
    launcher.SetPrinting(nullptr, nullptr, nullptr);
    launcher.SetPreview(nullptr);
  }
  SetMessageBoxes(nullptr);
  return result;
}
