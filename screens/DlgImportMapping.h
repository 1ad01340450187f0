#pragma once
// The mapping step of File, Import Employees: one line for each column of
// the spreadsheet, with the W-2 field it fills (guessed, or as chosen the
// last time) and its first rows as the import will read them.

#include <QDialog>
#include <cstdint>
#include <vector>

#include "rules/CsvText.h"
#include "rules/ImportMapping.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

class TDlgImportMapping final : public QDialog {
  Q_OBJECT

 public:
  // The rows shown beside each column.
  static constexpr int kPreviewRows = 3;

  TDlgImportMapping(const CsvTable& table, const ColumnMapping& mapping, std::int32_t taxYear,
                    QWidget* parent = nullptr);

  ColumnMapping Mapping() const;
  // Chooses the field of a column (kNotImported leaves it out), as the user would.
  void ChooseField(int column, int field);
  // OK: refused with a message while MappingProblem finds one.
  void BitBtnOKClick();

  QLabel* LabelFile = nullptr;
  QTableWidget* Grid = nullptr;
  std::vector<QComboBox*> FieldBoxes;
  QPushButton* BitBtnOK = nullptr;
  QPushButton* BitBtnCancel = nullptr;

 private:
  void ShowPreview(int column);

  const CsvTable& table_;
  std::int32_t taxYear_;
};
