#pragma once
// DLG_SCANNING and DLG_INSTALLING: modeless boxes without buttons that stay
// up while setup scans the drive or copies the program.

#include <QDialog>

#include "setup/SetupDialogs.h"

class WaitDialog : public QDialog {
  Q_OBJECT
 public:
  explicit WaitDialog(WaitBox box, QWidget* parent = nullptr);
  // Shows the box and lets it paint before the work begins.
  void ShowNow();
};
