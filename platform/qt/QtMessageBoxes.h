#pragma once
// The program's message boxes: a QMessageBox for every request.
//
// Every box blocks the whole program while it is open (application-modal).
// It stands over the active window, or over the main window when no window
// is active (a box shown right after a dialog closed), so that it never
// slides behind the main window while File, Exit stays usable under it.
// A Yes/No question cannot be dismissed without an answer: Escape and the
// close box do nothing on it; a box with Cancel takes Escape as Cancel.

#include <QPointer>

#include "platform/MessageBoxes.h"

class QWidget;

class QtMessageBoxes final : public IMessageBoxes {
 public:
  MsgButton Show(const MessageBoxRequest& request) override;
  // The window a box stands over when no window is active (not owned;
  // forgotten when it is destroyed).
  void SetMainWindow(QWidget* mainWindow) { mainWindow_ = mainWindow; }

 private:
  QPointer<QWidget> mainWindow_;
};
