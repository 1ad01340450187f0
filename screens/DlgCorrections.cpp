#include "screens/DlgCorrections.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "platform/qt/QtRecordText.h"
#include "screens/DlgEfw2Export.h"
#include "screens/DlgPlainPaperW2.h"

namespace {

QString Text(const std::string& cp1252) { return FromRecordText(cp1252); }

}  // namespace

TDlgCorrections::TDlgCorrections(const FiledCopy& filed,
                                 const std::vector<EmployeeCorrection>& corrections,
                                 const std::string& employerNote, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Corrections"));
  auto* layout = new QVBoxLayout(this);
  std::string filedText =
      "The W-2s were filed " + FilingMethodText(filed.How) + " on " + DateText(filed.FiledOn) + ".";
  if (filed.CorrectionsFiledOn != 0) {
    filedText += " Corrections were last filed on " + DateText(filed.CorrectionsFiledOn) + ".";
  }
  if (!employerNote.empty()) filedText += "\n\n" + employerNote + "\n\n";
  filedText +=
      corrections.empty() ? " No W-2 has changed since." : " These W-2s have changed since:";
  LabelFiled = new QLabel(Text(filedText));
  LabelFiled->setWordWrap(true);
  layout->addWidget(LabelFiled);
  TreeCorrections = new QTreeWidget;
  TreeCorrections->setColumnCount(3);
  TreeCorrections->setHeaderLabels({QStringLiteral("Box"), QStringLiteral("Previously reported"),
                                    QStringLiteral("Correct information")});
  for (const EmployeeCorrection& e : corrections) {
    auto* employee = new QTreeWidgetItem(TreeCorrections);
    employee->setText(0, Text(e.Subject()));
    employee->setFirstColumnSpanned(true);
    auto* advice = new QTreeWidgetItem(employee);
    advice->setText(0, Text(CorrectionAdvice(e)));
    advice->setFirstColumnSpanned(true);
    QFont bold = advice->font(0);
    bold.setBold(true);
    advice->setFont(0, bold);
    for (const CorrectionItem& item : e.items) {
      auto* row = new QTreeWidgetItem(employee);
      row->setText(0, Text(item.Label()));
      row->setText(1, Text(item.previous));
      row->setText(2, Text(item.correct));
      if (item.Kind() == ItemKind::Money) {
        row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
      }
    }
  }
  TreeCorrections->expandAll();
  QHeaderView* header = TreeCorrections->header();
  header->setStretchLastSection(false);
  header->setSectionResizeMode(0, QHeaderView::Stretch);
  for (const int column : {1, 2}) {
    header->setSectionResizeMode(column, QHeaderView::Fixed);
    header->resizeSection(
        column,
        header->fontMetrics().horizontalAdvance(QStringLiteral("Correct information")) + 24);
  }
  TreeCorrections->setMinimumSize(640, 360);
  layout->addWidget(TreeCorrections, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  BitBtnClose = new QPushButton(QStringLiteral("Close"));
  BitBtnClose->setDefault(true);
  buttons->addWidget(BitBtnClose);
  layout->addLayout(buttons);
  connect(BitBtnClose, &QPushButton::clicked, this, &QDialog::accept);
}

bool QtW2cPrintDialog::Execute(PlainPaperChoice& choice) {
  TDlgPlainPaperW2 dialog(parent_);
  dialog.setWindowTitle(QStringLiteral("W-2c and W-3c (plain paper)"));
  const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
  for (QLabel* label : labels) {
    if (label == dialog.LabelCopyA) continue;
    label->setText(QStringLiteral(
        "Each employee's W-2c (Copies B, C and 2) is drawn on plain letter paper, one form to a "
        "page, with only the corrected boxes filled; the W-3c with its totals follows."));
    break;
  }
  dialog.LabelCopyA->setText(QStringLiteral(
      "Copy A is not printed here: it goes to the SSA on the official form or electronically "
      "(File, Export Corrections for SSA)."));
  dialog.RadioPdfPerEmployee->setText(
      QStringLiteral("One PDF per employee (Copies B, C and 2) and one for the W-3c into this "
                     "folder:"));
  dialog.SetChoice(choice);
  if (dialog.exec() != QDialog::Accepted) return false;
  choice = dialog.Choice();
  return true;
}

bool QtEfw2cSubmitterDialog::Execute(Efw2Submitter& submitter, bool kindFromW3) {
  TDlgEfw2Export dialog(parent_);
  dialog.setWindowTitle(QStringLiteral("Export Corrections for SSA (EFW2C)"));
  dialog.SetSubmitter(submitter, kindFromW3);
  if (dialog.exec() != QDialog::Accepted) return false;
  submitter = dialog.Submitter();
  return true;
}
