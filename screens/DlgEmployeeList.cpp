#include "screens/DlgEmployeeList.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "data/Currency.h"
#include "platform/qt/QtRecordText.h"

namespace {

constexpr int kColumns = 9;
constexpr int kVoidColumn = 8;
// The row's W-2 record place, kept with its name cell.
constexpr int kOffsetRole = Qt::UserRole;
// The amount of a cell, by which it sorts.
constexpr int kAmountRole = Qt::UserRole + 1;

// A cell that sorts by its amount, not by its text.
class AmountItem final : public QTableWidgetItem {
 public:
  explicit AmountItem(Currency amount) : QTableWidgetItem(FromRecordText(FormatAmount(amount))) {
    setData(kAmountRole, QVariant::fromValue<qlonglong>(amount));
    setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  bool operator<(const QTableWidgetItem& other) const override {
    return data(kAmountRole).toLongLong() < other.data(kAmountRole).toLongLong();
  }
};

QTableWidgetItem* TextItem(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  return item;
}

QTableWidget* MakeGrid(QWidget* parent, const char* name) {
  auto* grid = new QTableWidget(0, kColumns, parent);
  grid->setObjectName(QString::fromLatin1(name));
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->verticalHeader()->hide();
  grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  return grid;
}

}  // namespace

TDlgEmployeeList::TDlgEmployeeList(TQuillmarFormFile& file, QWidget* parent)
    : QDialog(parent), list_(ListEmployees(file)) {
  setObjectName(QStringLiteral("DlgEmployeeList"));
  setWindowTitle(QStringLiteral("Employee List"));
  auto* layout = new QVBoxLayout(this);

  auto* searchRow = new QHBoxLayout;
  auto* searchLabel = new QLabel(QStringLiteral("&Search:"), this);
  EditSearch = new QLineEdit(this);
  EditSearch->setObjectName(QStringLiteral("EditSearch"));
  EditSearch->setPlaceholderText(QStringLiteral("Name or Social Security number"));
  EditSearch->setClearButtonEnabled(true);
  searchLabel->setBuddy(EditSearch);
  searchRow->addWidget(searchLabel);
  searchRow->addWidget(EditSearch, 1);
  layout->addLayout(searchRow);

  GridEmployees = MakeGrid(this, "GridEmployees");
  GridEmployees->setHorizontalHeaderLabels(
      {QStringLiteral("Name"), QStringLiteral("SSN"), QStringLiteral("Box 1 Wages"),
       QStringLiteral("Box 2 Fed. tax"), QStringLiteral("Box 3 SS wages"),
       QStringLiteral("Box 4 SS tax"), QStringLiteral("Box 5 Medicare wages"),
       QStringLiteral("Box 6 Medicare tax"), QStringLiteral("Void")});
  GridEmployees->setAccessibleName(QStringLiteral("Employees"));
  layout->addWidget(GridEmployees, 1);

  // The totals, column under column, not sorted with the employees.
  GridTotals = MakeGrid(this, "GridTotals");
  GridTotals->horizontalHeader()->hide();
  GridTotals->setFocusPolicy(Qt::NoFocus);
  GridTotals->setAccessibleName(QStringLiteral("W-3 totals"));
  GridTotals->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  GridTotals->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  layout->addWidget(GridTotals);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  BitBtnOpen = new QPushButton(QStringLiteral("&Open W-2"), this);
  BitBtnOpen->setObjectName(QStringLiteral("BitBtnOpen"));
  BitBtnOpen->setDefault(true);
  BitBtnClose = new QPushButton(QStringLiteral("Close"), this);
  BitBtnClose->setObjectName(QStringLiteral("BitBtnClose"));
  buttons->addWidget(BitBtnOpen);
  buttons->addWidget(BitBtnClose);
  layout->addLayout(buttons);

  Fill();

  connect(EditSearch, &QLineEdit::textChanged, this, [this] { EditSearchChange(); });
  const auto openAt = [this](const QModelIndex& index) {
    if (index.isValid()) GridEmployees->selectRow(index.row());
    BitBtnOpenClick();
  };
  connect(GridEmployees, &QTableWidget::activated, this, openAt);
  connect(GridEmployees, &QTableWidget::doubleClicked, this, openAt);
  connect(BitBtnOpen, &QPushButton::clicked, this, [this] { BitBtnOpenClick(); });
  connect(BitBtnClose, &QPushButton::clicked, this, &QDialog::reject);
  // The totals follow the employees' column widths and scrolling.
  connect(GridEmployees->horizontalHeader(), &QHeaderView::sectionResized, this,
          [this](int column, int, int width) { GridTotals->setColumnWidth(column, width); });
  resize(900, 480);
}

void TDlgEmployeeList::Fill() {
  GridEmployees->setSortingEnabled(false);
  GridEmployees->setRowCount(static_cast<int>(list_.rows.size()));
  for (int r = 0; r < static_cast<int>(list_.rows.size()); ++r) {
    const EmployeeListRow& row = list_.rows[static_cast<std::size_t>(r)];
    QTableWidgetItem* name = TextItem(FromRecordText(row.name));
    name->setData(kOffsetRole, QVariant::fromValue<qlonglong>(row.offset));
    GridEmployees->setItem(r, 0, name);
    GridEmployees->setItem(r, 1, TextItem(FromRecordText(row.ssn)));
    for (int box = 0; box < 6; ++box) {
      GridEmployees->setItem(r, 2 + box, new AmountItem(row.boxes[static_cast<std::size_t>(box)]));
    }
    GridEmployees->setItem(r, kVoidColumn, TextItem(row.isVoid ? QStringLiteral("Void") : ""));
  }
  GridEmployees->setSortingEnabled(true);
  GridEmployees->sortItems(0);
  GridEmployees->resizeColumnsToContents();
  if (GridEmployees->rowCount() > 0) GridEmployees->selectRow(0);

  const W3Record& t = list_.totals;
  GridTotals->setRowCount(1);
  GridTotals->setItem(
      0, 0,
      TextItem(
          QStringLiteral("W-3 totals (%1 W-2%2)").arg(t.W2Count).arg(t.W2Count == 1 ? "" : "s")));
  const Currency totals[] = {t.TotWages, t.TotFedTax,   t.TotSSWages,
                             t.TotSSTax, t.TotMedWages, t.TotMedTax};
  for (int box = 0; box < 6; ++box) GridTotals->setItem(0, 2 + box, new AmountItem(totals[box]));
  for (int c = 0; c < kColumns; ++c) {
    GridTotals->setColumnWidth(c, GridEmployees->columnWidth(c));
  }
  GridTotals->setFixedHeight(GridTotals->rowHeight(0) + 2 * GridTotals->frameWidth());
}

void TDlgEmployeeList::EditSearchChange() {
  const std::string search = RecordText(EditSearch->text());
  int firstShown = -1;
  for (int r = 0; r < GridEmployees->rowCount(); ++r) {
    const std::int64_t offset = GridEmployees->item(r, 0)->data(kOffsetRole).toLongLong();
    bool found = false;
    for (const EmployeeListRow& row : list_.rows) {
      if (row.offset == offset) found = EmployeeRowMatches(row, search);
    }
    GridEmployees->setRowHidden(r, !found);
    if (found && firstShown < 0) firstShown = r;
  }
  // The first employee found is the one Enter opens.
  if (firstShown >= 0) {
    GridEmployees->selectRow(firstShown);
  } else {
    GridEmployees->clearSelection();
    GridEmployees->setCurrentItem(nullptr);
  }
}

void TDlgEmployeeList::BitBtnOpenClick() {
  const QList<QTableWidgetItem*> selected = GridEmployees->selectedItems();
  if (selected.isEmpty()) return;
  const int row = selected.front()->row();
  if (GridEmployees->isRowHidden(row)) return;
  chosen_ = GridEmployees->item(row, 0)->data(kOffsetRole).toLongLong();
  accept();
}
