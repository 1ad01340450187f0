#pragma once
// DLG_SELECTGROUP: the group that is to hold the program's icon, chosen from a
// drop-down list of the existing groups. Escape closes it like OK.

#include <QDialog>
#include <string>
#include <vector>

class QComboBox;

class SelectGroupDialog : public QDialog {
  Q_OBJECT
 public:
  SelectGroupDialog(const std::vector<std::string>& groups, std::size_t selected,
                    QWidget* parent = nullptr);

  std::string Group() const;
  void reject() override;

 private:
  QComboBox* combo_;
};
