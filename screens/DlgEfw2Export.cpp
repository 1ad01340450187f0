#include "screens/DlgEfw2Export.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/QtRecordText.h"
#include "screens/DialogButtons.h"

const std::array<const char*, TDlgEfw2Export::kPreparerCount> TDlgEfw2Export::PreparerItems = {
    "L  Self-prepared", "A  Accounting firm", "S  Service bureau", "P  Parent company", "O  Other"};

const std::array<const char*, TDlgEfw2Export::kKindOfEmployerCount>
    TDlgEfw2Export::KindOfEmployerItems = {"None apply", "501c non-govt.", "State/local non-501c",
                                           "State/local 501c", "Federal govt."};

namespace {

QLineEdit* AddLine(QFormLayout* form, const char* label, const char* name, int maxLength) {
  auto* edit = new QLineEdit;
  edit->setObjectName(QString::fromLatin1(name));
  edit->setMaxLength(maxLength);
  form->addRow(QString::fromUtf8(label), edit);
  return edit;
}

QCheckBox* NewCheckBox(const char* caption, const char* name) {
  auto* box = new QCheckBox(QString::fromUtf8(caption));
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

}  // namespace

TDlgEfw2Export::TDlgEfw2Export(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("DlgEfw2Export"));
  setWindowTitle(QStringLiteral("Export for SSA (EFW2)"));
  auto* layout = new QVBoxLayout(this);

  auto* submitter = new QGroupBox(QStringLiteral("Submitter (who sends the file to the SSA)"));
  auto* form = new QFormLayout(submitter);
  EditUserId = AddLine(form, "BSO User ID", "EditUserId", 8);
  EditEin = AddLine(form, "EIN", "EditEin", 10);
  EditName = AddLine(form, "Name", "EditName", 57);
  EditSuite = AddLine(form, "Suite / Attention", "EditSuite", 22);
  EditStreet = AddLine(form, "Street or P.O. Box", "EditStreet", 22);
  EditCity = AddLine(form, "City", "EditCity", 22);
  EditState = AddLine(form, "State", "EditState", 23);
  EditZip = AddLine(form, "Zip Code", "EditZip", 10);
  layout->addWidget(submitter);

  auto* contact =
      new QGroupBox(QStringLiteral("Contact (the SSA writes to this person about the file)"));
  auto* contactForm = new QFormLayout(contact);
  EditContact = AddLine(contactForm, "Name", "EditContact", 27);
  EditPhone = AddLine(contactForm, "Telephone", "EditPhone", 20);
  EditEMail = AddLine(contactForm, "E-mail", "EditEMail", 40);
  EditFax = AddLine(contactForm, "Fax", "EditFax", 20);
  layout->addWidget(contact);

  auto* file = new QGroupBox(QStringLiteral("This file"));
  auto* fileForm = new QFormLayout(file);
  ComboBoxPreparer = new QComboBox;
  ComboBoxPreparer->setObjectName(QStringLiteral("ComboBoxPreparer"));
  for (const char* item : PreparerItems) ComboBoxPreparer->addItem(QString::fromUtf8(item));
  fileForm->addRow(QStringLiteral("Prepared by"), ComboBoxPreparer);
  ComboBoxKindOfEmployer = new QComboBox;
  ComboBoxKindOfEmployer->setObjectName(QStringLiteral("ComboBoxKindOfEmployer"));
  for (const char* item : KindOfEmployerItems)
    ComboBoxKindOfEmployer->addItem(QString::fromUtf8(item));
  fileForm->addRow(QStringLiteral("Kind of employer"), ComboBoxKindOfEmployer);
  CheckBoxResubmission = NewCheckBox("Replaces a file the SSA rejected", "CheckBoxResubmission");
  EditResubWfid = new QLineEdit;
  EditResubWfid->setObjectName(QStringLiteral("EditResubWfid"));
  EditResubWfid->setMaxLength(6);
  fileForm->addRow(CheckBoxResubmission);
  fileForm->addRow(QStringLiteral("WFID of the SSA's notice"), EditResubWfid);
  CheckBoxTerminating =
      NewCheckBox("Last W-2s filed under this EIN (business ends)", "CheckBoxTerminating");
  CheckBoxSuffix = NewCheckBox(
      "Take JR, SR, II, III, IV or V at the end of a last name as its suffix", "CheckBoxSuffix");
  CheckBoxBox11Section457 = NewCheckBox(
      "Box 11 amounts come from a nongovernmental section 457 plan", "CheckBoxBox11Section457");
  fileForm->addRow(CheckBoxTerminating);
  fileForm->addRow(CheckBoxSuffix);
  fileForm->addRow(CheckBoxBox11Section457);
  layout->addWidget(file);

  layout->addLayout(NewOkCancelRow(BitBtnOK, BitBtnCancel));
  connect(BitBtnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(BitBtnCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(CheckBoxResubmission, &QCheckBox::toggled, EditResubWfid, &QLineEdit::setEnabled);
  EditResubWfid->setEnabled(false);
}

void TDlgEfw2Export::SetSubmitter(const Efw2Submitter& s, bool kindFromW3) {
  const std::pair<QLineEdit*, const std::string*> texts[] = {
      {EditUserId, &s.UserId},      {EditEin, &s.Ein},       {EditName, &s.Name},
      {EditSuite, &s.Suite},        {EditStreet, &s.Street}, {EditCity, &s.City},
      {EditState, &s.State},        {EditZip, &s.Zip},       {EditContact, &s.Contact},
      {EditPhone, &s.Phone},        {EditEMail, &s.EMail},   {EditFax, &s.Fax},
      {EditResubWfid, &s.ResubWfid}};
  for (const auto& [edit, text] : texts) edit->setText(FromRecordText(*text));
  int preparer = 0;
  for (int i = 0; i < kPreparerCount; ++i) {
    if (PreparerItems[static_cast<std::size_t>(i)][0] == s.PreparerCode) preparer = i;
  }
  ComboBoxPreparer->setCurrentIndex(preparer);
  const bool knownKind = s.KindOfEmployer >= 1 && s.KindOfEmployer <= kKindOfEmployerCount;
  ComboBoxKindOfEmployer->setCurrentIndex(knownKind ? s.KindOfEmployer - 1 : 0);
  ComboBoxKindOfEmployer->setEnabled(!kindFromW3);
  CheckBoxResubmission->setChecked(s.Resubmission);
  EditResubWfid->setEnabled(s.Resubmission);
  CheckBoxTerminating->setChecked(s.TerminatingBusiness);
  CheckBoxSuffix->setChecked(s.SuffixFromLastName);
  CheckBoxBox11Section457->setChecked(s.Box11Section457);
}

Efw2Submitter TDlgEfw2Export::Submitter() const {
  Efw2Submitter s;
  const std::pair<const QLineEdit*, std::string*> texts[] = {
      {EditUserId, &s.UserId},      {EditEin, &s.Ein},       {EditName, &s.Name},
      {EditSuite, &s.Suite},        {EditStreet, &s.Street}, {EditCity, &s.City},
      {EditState, &s.State},        {EditZip, &s.Zip},       {EditContact, &s.Contact},
      {EditPhone, &s.Phone},        {EditEMail, &s.EMail},   {EditFax, &s.Fax},
      {EditResubWfid, &s.ResubWfid}};
  for (const auto& [edit, text] : texts) *text = RecordText(edit->text());
  s.PreparerCode =
      PreparerItems[static_cast<std::size_t>(std::max(0, ComboBoxPreparer->currentIndex()))][0];
  s.KindOfEmployer = ComboBoxKindOfEmployer->currentIndex() + 1;
  s.Resubmission = CheckBoxResubmission->isChecked();
  if (!s.Resubmission) s.ResubWfid.clear();
  s.TerminatingBusiness = CheckBoxTerminating->isChecked();
  s.SuffixFromLastName = CheckBoxSuffix->isChecked();
  s.Box11Section457 = CheckBoxBox11Section457->isChecked();
  return s;
}

bool QtEfw2SubmitterDialog::Execute(Efw2Submitter& submitter, bool kindFromW3) {
  TDlgEfw2Export dialog(parent_);
  dialog.SetSubmitter(submitter, kindFromW3);
  if (dialog.exec() != QDialog::Accepted) return false;
  submitter = dialog.Submitter();
  return true;
}
