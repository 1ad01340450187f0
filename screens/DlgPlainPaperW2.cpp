#include "screens/DlgPlainPaperW2.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/MessageBoxes.h"

TDlgPlainPaperW2::TDlgPlainPaperW2(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("W-2 Employee Copies (plain paper)"));
  auto* layout = new QVBoxLayout(this);
  auto* intro = new QLabel(QStringLiteral(
      "Every employee's Copies B, C and 2 are drawn in full on plain letter paper, two forms "
      "to a sheet, in the layout of the file's tax year."));
  intro->setWordWrap(true);
  layout->addWidget(intro);
  LabelCopyA = new QLabel(QStringLiteral(
      "Copy A is not printed here: it goes to the SSA electronically (File, Export for SSA) "
      "or on the official form."));
  LabelCopyA->setWordWrap(true);
  layout->addWidget(LabelCopyA);
  CheckBoxCopyD = new QCheckBox(QStringLiteral("Also print Copy D (For Employer)"));
  layout->addWidget(CheckBoxCopyD);
  CheckBoxLastFour = new QCheckBox(QStringLiteral(
      "Show only the last four digits of the SSN on Copies B, C and 2 (XXX-XX-1234)"));
  CheckBoxLastFour->setObjectName(QStringLiteral("CheckBoxLastFour"));
  layout->addWidget(CheckBoxLastFour);
  RadioPrinter = new QRadioButton(QStringLiteral("Print all copies on the printer"));
  RadioPdfPerEmployee = new QRadioButton(
      QStringLiteral("One PDF per employee (Copies B, C and 2) into this folder:"));
  RadioPrinter->setChecked(true);
  layout->addWidget(RadioPrinter);
  layout->addWidget(RadioPdfPerEmployee);
  auto* folderRow = new QHBoxLayout;
  EditFolder = new QLineEdit;
  ButtonBrowse = new QPushButton(QStringLiteral("Browse..."));
  folderRow->addWidget(EditFolder, 1);
  folderRow->addWidget(ButtonBrowse);
  layout->addLayout(folderRow);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  BitBtnOK = new QPushButton(QStringLiteral("OK"));
  BitBtnOK->setDefault(true);
  BitBtnCancel = new QPushButton(QStringLiteral("Cancel"));
  buttons->addWidget(BitBtnOK);
  buttons->addWidget(BitBtnCancel);
  layout->addLayout(buttons);

  connect(RadioPdfPerEmployee, &QRadioButton::toggled, this, [this] { UpdateEnabled(); });
  connect(ButtonBrowse, &QPushButton::clicked, this, [this] {
    const QString folder = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Folder for the PDF files"), EditFolder->text());
    if (!folder.isEmpty()) EditFolder->setText(folder);
  });
  connect(BitBtnOK, &QPushButton::clicked, this, [this] { Confirm(); });
  connect(BitBtnCancel, &QPushButton::clicked, this, &QDialog::reject);
  UpdateEnabled();
}

void TDlgPlainPaperW2::SetChoice(const PlainPaperChoice& choice) {
  CheckBoxCopyD->setChecked(choice.copyD);
  CheckBoxLastFour->setChecked(choice.lastFourOfSsn);
  (choice.onePdfPerEmployee ? RadioPdfPerEmployee : RadioPrinter)->setChecked(true);
  EditFolder->setText(QString::fromStdString(choice.folder));
  UpdateEnabled();
}

PlainPaperChoice TDlgPlainPaperW2::Choice() const {
  return PlainPaperChoice{CheckBoxCopyD->isChecked(), RadioPdfPerEmployee->isChecked(),
                          EditFolder->text().trimmed().toStdString(),
                          CheckBoxLastFour->isChecked()};
}

void TDlgPlainPaperW2::UpdateEnabled() {
  const bool pdfs = RadioPdfPerEmployee->isChecked();
  EditFolder->setEnabled(pdfs);
  ButtonBrowse->setEnabled(pdfs);
  // The employees' own PDFs never hold the employer's Copy D.
  CheckBoxCopyD->setEnabled(!pdfs);
}

void TDlgPlainPaperW2::Confirm() {
  if (RadioPdfPerEmployee->isChecked()) {
    const QString folder = EditFolder->text().trimmed();
    if (folder.isEmpty() || !QDir(folder).exists()) {
      ShowMessage("Choose an existing folder for the employees' PDF files.", MsgIcon::Warning);
      EditFolder->setFocus();
      return;
    }
  }
  accept();
}

bool QtPlainPaperDialog::Execute(PlainPaperChoice& choice) {
  TDlgPlainPaperW2 dialog(parent_);
  if (registry_) choice = LoadPlainPaperChoice(*registry_);
  dialog.SetChoice(choice);
  if (dialog.exec() != QDialog::Accepted) return false;
  choice = dialog.Choice();
  if (registry_) SavePlainPaperChoice(*registry_, choice);
  return true;
}
