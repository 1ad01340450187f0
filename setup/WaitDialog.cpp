#include "setup/WaitDialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QVBoxLayout>
#include <QWindow>

#include "setup/DialogFont.h"

WaitDialog::WaitDialog(WaitBox box, QWidget* parent) : QDialog(parent) {
  const bool scanning = box == WaitBox::Scanning;
  setWindowTitle(scanning ? QStringLiteral("Scanning Disk")
                          : QStringLiteral("Now Installing Files"));
  setFont(SetupDialogFont());
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  auto* first = new QLabel(scanning ? QStringLiteral("Setup is scanning the target drive for an "
                                                     "existing installation of Quillmar.")
                                    : QStringLiteral("Setup is installing (or upgrading) files"),
                           this);
  first->setWordWrap(true);
  layout->addWidget(first);
  layout->addWidget(new QLabel(QStringLiteral("This may take a short time, PLEASE WAIT."), this));
  resize(360, 110);
}

void WaitDialog::ShowNow() {
  show();
  raise();
  // The work that follows blocks the event loop, so wait (briefly) until the
  // window system has mapped the box, then paint it at once.
  QElapsedTimer waited;
  waited.start();
  while (!(windowHandle() && windowHandle()->isExposed()) && waited.elapsed() < 1000) {
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
  }
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  repaint();
}
