#pragma once
// DLG_SELDRIVE and DLG_MULTICOPIES: a list of entries, the first selected on
// opening, closed by one of its buttons; the button's identifier is the
// dialog's result.

#include <QDialog>
#include <string>
#include <vector>

#include "setup/SetupDialogs.h"

class QListWidget;

class SetupListDialog : public QDialog {
  Q_OBJECT
 public:
  enum class Kind { SelectDrive, MultipleCopies };
  SetupListDialog(Kind kind, const std::vector<std::string>& entries, QWidget* parent = nullptr);

  // The button that closed the dialog and, for OK, the selected line.
  ListChoice Choice() const;
  void reject() override;

 private:
  QListWidget* list_;
};
