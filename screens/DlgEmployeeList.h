#pragma once
// The employee list (Edit, Employee List...): every W-2 of the file with its
// name, SSN, boxes 1 to 6 and void mark, sortable by any column, a search
// box that narrows the rows, and the W-3's count and totals below. A
// double-click, Enter or "Open W-2" chooses an employee for the W-2 screen.

#include <QDialog>
#include <cstdint>
#include <optional>

#include "rules/EmployeeList.h"

class QLineEdit;
class QPushButton;
class QTableWidget;
class TQuillmarFormFile;

class TDlgEmployeeList final : public QDialog {
  Q_OBJECT

 public:
  explicit TDlgEmployeeList(TQuillmarFormFile& file, QWidget* parent = nullptr);

  // The chosen employee's W-2 record (its place in the file), once accepted.
  std::optional<std::int64_t> ChosenOffset() const { return chosen_; }

  // Shows only the rows the search text finds.
  void EditSearchChange();
  // Chooses the employee of the current row and closes.
  void BitBtnOpenClick();

  // Found by tests through their object names too.
  QLineEdit* EditSearch = nullptr;
  QTableWidget* GridEmployees = nullptr;
  QTableWidget* GridTotals = nullptr;
  QPushButton* BitBtnOpen = nullptr;
  QPushButton* BitBtnClose = nullptr;

 private:
  void Fill();

  EmployeeList list_;
  std::optional<std::int64_t> chosen_;
};
