// setup: installs Quillmar from the folder it is started in.

#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <filesystem>

#include "setup/Drives.h"
#include "setup/Installer.h"
#include "setup/ProgmanService.h"
#include "setup/ProgramGroup.h"
#include "setup/QtSetupBoxes.h"
#include "setup/QtSetupDialogs.h"
#include "setup/SetupTexts.h"
#include "setup/SetupWindow.h"
#include "setup/SingleInstance.h"

namespace {

constexpr int kWindowSetupFailed = 255;

// While the window system is being set up, a fatal Qt error (no display, no
// platform plugin) ends setup with its own exit code instead of a crash.
void FatalEndsSetup(QtMsgType type, const QMessageLogContext&, const QString& message) {
  std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
  if (type == QtFatalMsg) _exit(kWindowSetupFailed);
}

}  // namespace

int main(int argc, char** argv) {
  const QtMessageHandler previous = qInstallMessageHandler(FatalEndsSetup);
  QApplication app(argc, argv);
  qInstallMessageHandler(previous);
  if (!QGuiApplication::primaryScreen()) return kWindowSetupFailed;

  QtSetupBoxes boxes;
  SingleInstance instance;
  if (!instance.Acquire(SingleInstance::DefaultLockFile())) {
    boxes.Show({"", kAlreadyRunningText, BoxIcon::None, BoxButtons::Ok, true});
    return 0;
  }

  std::error_code ec;
  const std::filesystem::path setupFolder =
      std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
  QtSetupDialogs dialogs;
  MountTableDrives drives;
  ProgmanService service(DesktopMenu::ForUser());
  LocalProgmanClient dde(service);
  Installer installer(boxes, dialogs, drives, [&](const std::filesystem::path& folder) {
    InstallProgramIcons(folder, QuillmarItemTable(), dde, boxes, dialogs);
  });
  SetupWindow window(boxes, [&] { installer.Run(setupFolder); });
  boxes.SetOwner(&window);
  dialogs.SetOwner(&window);
  window.Start();
  app.exec();
  return 0;
}
