#include "screens/DlgImportMapping.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/MessageBoxes.h"
#include "platform/qt/QtRecordText.h"
#include "rules/W2CsvFields.h"
#include "screens/DialogButtons.h"

namespace {

constexpr int kFieldColumn = 1;
constexpr int kFirstPreviewColumn = 2;

}  // namespace

TDlgImportMapping::TDlgImportMapping(const CsvTable& table, const ColumnMapping& mapping,
                                     std::int32_t taxYear, QWidget* parent)
    : QDialog(parent), table_(table), taxYear_(taxYear) {
  setObjectName(QStringLiteral("DlgImportMapping"));
  setWindowTitle(QStringLiteral("Import Employees: Columns"));
  auto* layout = new QVBoxLayout(this);
  LabelFile = new QLabel(
      QStringLiteral("Choose the W-2 field each column fills. The rows show the values as they "
                     "will be read; employees are matched by their SSN."),
      this);
  LabelFile->setWordWrap(true);
  layout->addWidget(LabelFile);

  const int columns = table.Rows.empty() ? 0 : static_cast<int>(table.Rows[0].size());
  Grid = new QTableWidget(columns, kFirstPreviewColumn + kPreviewRows, this);
  Grid->setObjectName(QStringLiteral("Grid"));
  QStringList titles = {QStringLiteral("Column"), QStringLiteral("W-2 field")};
  for (int row = 0; row < kPreviewRows; ++row) {
    const std::size_t index = static_cast<std::size_t>(row) + 1;
    const int number = index < table.RowNumbers.size() ? table.RowNumbers[index] : row + 2;
    titles << QStringLiteral("Row %1").arg(number);
  }
  Grid->setHorizontalHeaderLabels(titles);
  Grid->verticalHeader()->setVisible(false);
  Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  const auto fields = W2CsvFields();
  for (int column = 0; column < columns; ++column) {
    auto* header =
        new QTableWidgetItem(FromRecordText(table.Rows[0][static_cast<std::size_t>(column)]));
    Grid->setItem(column, 0, header);
    auto* box = new QComboBox(Grid);
    box->addItem(QStringLiteral("(not imported)"), kNotImported);
    for (std::size_t i = 0; i < fields.size(); ++i)
      box->addItem(QString::fromLatin1(fields[i].Caption), static_cast<int>(i));
    const int field = static_cast<std::size_t>(column) < mapping.size()
                          ? mapping[static_cast<std::size_t>(column)]
                          : kNotImported;
    box->setCurrentIndex(box->findData(field));
    Grid->setCellWidget(column, kFieldColumn, box);
    FieldBoxes.push_back(box);
    connect(box, &QComboBox::currentIndexChanged, this, [this, column] { ShowPreview(column); });
    ShowPreview(column);
  }
  Grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  Grid->horizontalHeader()->setStretchLastSection(true);
  layout->addWidget(Grid, 1);

  layout->addLayout(NewOkCancelRow(BitBtnOK, BitBtnCancel));
  connect(BitBtnOK, &QPushButton::clicked, this, [this] { BitBtnOKClick(); });
  connect(BitBtnCancel, &QPushButton::clicked, this, &QDialog::reject);
  resize(900, 560);
}

void TDlgImportMapping::ShowPreview(int column) {
  const int field = FieldBoxes[static_cast<std::size_t>(column)]->currentData().toInt();
  for (int row = 0; row < kPreviewRows; ++row) {
    const std::size_t index = static_cast<std::size_t>(row) + 1;
    QString text;
    if (index < table_.Rows.size()) {
      const CsvRow& cells = table_.Rows[index];
      const std::string cell = static_cast<std::size_t>(column) < cells.size()
                                   ? cells[static_cast<std::size_t>(column)]
                                   : "";
      text = FromRecordText(CellAsRead(field, cell, taxYear_));
    }
    auto* item = new QTableWidgetItem(text);
    item->setToolTip(text);
    if (text.startsWith(QStringLiteral("Refused: "))) item->setForeground(Qt::red);
    if (field == kNotImported) item->setForeground(Qt::gray);
    Grid->setItem(column, kFirstPreviewColumn + row, item);
  }
}

ColumnMapping TDlgImportMapping::Mapping() const {
  ColumnMapping mapping;
  for (const QComboBox* box : FieldBoxes) mapping.push_back(box->currentData().toInt());
  return mapping;
}

void TDlgImportMapping::ChooseField(int column, int field) {
  QComboBox* box = FieldBoxes[static_cast<std::size_t>(column)];
  box->setCurrentIndex(box->findData(field));
}

void TDlgImportMapping::BitBtnOKClick() {
  if (const auto problem = MappingProblem(Mapping())) {
    ShowMessage(*problem, MsgIcon::Warning);
    return;
  }
  accept();
}
