#include "screens/DlgSocSecMed.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "data/Currency.h"
#include "data/EntryRules.h"
#include "platform/AsciiText.h"
#include "platform/MessageBoxes.h"
#include "platform/RegistryError.h"
#include "platform/qt/QtRecordText.h"
#include "rules/RateChecks.h"
#include "screens/DialogButtons.h"
#include "screens/LeaveFieldFilter.h"
#include "screens/LineEditField.h"
#include "settings/QuillmarRegistry.h"

namespace {

// The field's number for the plausibility warnings.
std::optional<double> EnteredNumber(const QLineEdit* edit) {
  return RateEntryNumber(RecordText(edit->text()));
}

void ShowWarning(const std::optional<std::string>& warning) {
  if (warning) ShowMessage(*warning, MsgIcon::Information);
}

bool LessNoCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return UpperCaseAscii(std::string(1, x)) < UpperCaseAscii(std::string(1, y));
  });
}

QLabel* NoteLabel(const char* text) {
  auto* label = new QLabel(QString::fromUtf8(text));
  label->setWordWrap(true);
  label->setStyleSheet(QStringLiteral("color: #a00000; font-weight: bold;"));
  return label;
}

}  // namespace

TFormSocSecMedicare::TFormSocSecMedicare(TQuillmarRegistry& registry, std::int32_t openFileTaxYear,
                                         QWidget* parent)
    : QDialog(parent), registry_(registry), openFileTaxYear_(openFileTaxYear) {
  BuildForm();
  FormCreate();
}

TFormSocSecMedicare::~TFormSocSecMedicare() {
  // The fields lose the focus while they are destroyed, after this object:
  // no on-leave handler may run then.
  delete leaveFilter_;
}

void TFormSocSecMedicare::BuildForm() {
  setObjectName(QStringLiteral("FormSocSecMedicare"));
  setWindowTitle(QStringLiteral("Soc.Sec. & Medicare"));
  auto* layout = new QVBoxLayout(this);

  auto* heading =
      new QLabel(QStringLiteral("Social Security and Medicare Rates (used to verify W-2 entries)"));
  QFont headingFont = heading->font();
  headingFont.setBold(true);
  heading->setFont(headingFont);
  layout->addWidget(heading);

  auto* yearRow = new QHBoxLayout;
  yearRow->addWidget(new QLabel(QStringLiteral("1. Select Tax Year, or Add a new Tax Year")));
  ComboBoxTaxYear = new QComboBox;
  ComboBoxTaxYear->setObjectName(QStringLiteral("ComboBoxTaxYear"));
  ComboBoxTaxYear->setEditable(true);
  // The list holds the years on file only; typing completes nothing.
  ComboBoxTaxYear->setInsertPolicy(QComboBox::NoInsert);
  ComboBoxTaxYear->setCompleter(nullptr);
  yearRow->addWidget(ComboBoxTaxYear);
  yearRow->addStretch();
  layout->addLayout(yearRow);

  layout->addWidget(new QLabel(QStringLiteral("2. Verify or set rate information")));

  auto makeEdit = [](const char* name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    edit->setAlignment(Qt::AlignRight);
    return edit;
  };

  auto* socSec = new QGroupBox(QStringLiteral("Social Security"));
  auto* socSecGrid = new QGridLayout(socSec);
  EditSocSecMaxWage = makeEdit("EditSocSecMaxWage");
  EditSocSecRate = makeEdit("EditSocSecRate");
  socSecGrid->addWidget(new QLabel(QStringLiteral("Maximum Wage")), 0, 0);
  socSecGrid->addWidget(EditSocSecMaxWage, 0, 1);
  socSecGrid->addWidget(new QLabel(QStringLiteral("Employee Rate (Percent of Wage to Maximum)")), 1,
                        0);
  socSecGrid->addWidget(EditSocSecRate, 1, 1);
  socSecGrid->addWidget(new QLabel(QStringLiteral("%")), 1, 2);
  layout->addWidget(socSec);

  auto* medWage = new QGroupBox(QStringLiteral("Medicare Wage"));
  auto* medWageGrid = new QGridLayout(medWage);
  CheckBoxUseMedMax = new QCheckBox(QStringLiteral("Set Maximum Wage to:"));
  CheckBoxUseMedMax->setObjectName(QStringLiteral("CheckBoxUseMedMax"));
  EditMedMaxWage = makeEdit("EditMedMaxWage");
  medWageGrid->addWidget(CheckBoxUseMedMax, 0, 0);
  medWageGrid->addWidget(EditMedMaxWage, 1, 0);
  medWageGrid->addWidget(
      NoteLabel("Maximum wage was eliminated in 1994, use provision for maximum only if SSA "
                "restore this in a future year."),
      0, 1, 2, 1);
  layout->addWidget(medWage);

  auto* medRate = new QGroupBox(QStringLiteral("Medicare Rate"));
  auto* medRateGrid = new QGridLayout(medRate);
  EditMedRate = makeEdit("EditMedRate");
  medRateGrid->addWidget(new QLabel(QStringLiteral("Employee Rate (Percent of Wage)")), 0, 0);
  medRateGrid->addWidget(EditMedRate, 0, 1);
  medRateGrid->addWidget(new QLabel(QStringLiteral("%")), 0, 2);
  layout->addWidget(medRate);

  layout->addWidget(
      NoteLabel("Note that years prior to 2002 cannot be modified as correctly set by author"));

  layout->addLayout(NewOkCancelRow(BitBtnOK, BitBtnCancel));

  setTabOrder(ComboBoxTaxYear, EditSocSecMaxWage);
  setTabOrder(EditSocSecMaxWage, EditSocSecRate);
  setTabOrder(EditSocSecRate, CheckBoxUseMedMax);
  setTabOrder(CheckBoxUseMedMax, EditMedMaxWage);
  setTabOrder(EditMedMaxWage, EditMedRate);
  setTabOrder(EditMedRate, BitBtnOK);
  setTabOrder(BitBtnOK, BitBtnCancel);

  leaveFilter_ = new LeaveFieldFilter(this);
  leaveFilter_->Watch(EditSocSecMaxWage, [this] { EditSocSecMaxWageExit(); });
  leaveFilter_->Watch(EditSocSecRate, [this] { EditSocSecRateExit(); });
  leaveFilter_->Watch(EditMedMaxWage, [this] { EditMedMaxWageExit(); });
  leaveFilter_->Watch(EditMedRate, [this] { EditMedRateExit(); });
  connect(ComboBoxTaxYear, &QComboBox::editTextChanged, this, [this] { ComboBoxTaxYearChange(); });
  connect(BitBtnOK, &QPushButton::clicked, this, [this] { BitBtnOKClick(); });
  connect(BitBtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormSocSecMedicare::FormCreate() {
  registry_.SetRootKey(RegRoot::LocalMachine);
  if (registry_.OpenKey(TQuillmarRegistry::kRatesKey, false)) {
    std::vector<std::string> years = registry_.GetKeyNames();
    registry_.CloseKey();
    std::sort(years.begin(), years.end(), LessNoCase);
    const QSignalBlocker blocker(ComboBoxTaxYear);
    ComboBoxTaxYear->clear();
    for (const std::string& year : years) ComboBoxTaxYear->addItem(FromRecordText(year));
    const int selected =
        openFileTaxYear_ >= kFirstRatesTaxYear
            ? ComboBoxTaxYear->findText(QString::number(openFileTaxYear_), Qt::MatchExactly)
            : ComboBoxTaxYear->count() - 1;
    ComboBoxTaxYear->setCurrentIndex(selected);
  }
  rates_ = SocSecMedicareRates{};
  if (ComboBoxTaxYear->currentIndex() >= 0) LoadYear(YearText());
}

std::string TFormSocSecMedicare::YearText() const {
  return RecordText(ComboBoxTaxYear->currentText());
}

void TFormSocSecMedicare::ShowYearText(const std::string& text) {
  if (YearText() == text) return;  // leaves the text being typed alone
  const QSignalBlocker blocker(ComboBoxTaxYear);
  const int index =
      ComboBoxTaxYear->findText(FromRecordText(text), Qt::MatchExactly | Qt::MatchCaseSensitive);
  ComboBoxTaxYear->setCurrentIndex(index);
  if (index < 0) ComboBoxTaxYear->setEditText(FromRecordText(text));
}

void TFormSocSecMedicare::LoadYear(const std::string& yearText) {
  CheckBoxUseMedMax->setEnabled(true);
  for (QLineEdit* edit : {EditSocSecMaxWage, EditSocSecRate, EditMedMaxWage, EditMedRate})
    edit->setReadOnly(false);

  const std::optional<std::int32_t> year = RatesTaxYear(yearText);
  const bool invalid = !year;
  std::string readError;
  rates_ = SocSecMedicareRates{};
  if (invalid) {
    ShowYearText(yearText);
    for (QLineEdit* edit : {EditSocSecMaxWage, EditSocSecRate, EditMedMaxWage, EditMedRate}) {
      edit->setText(QStringLiteral("0.00"));
    }
    CheckBoxUseMedMax->setChecked(false);
  } else {
    rates_.TaxYear = *year;
    try {
      registry_.ReadRatesForYear(rates_);
    } catch (const RegistryError& error) {
      // A damaged entry: the screen shows what could be read.
      readError = error.what();
    }
    ShowYearText(std::to_string(*year));
    EditSocSecMaxWage->setText(FromRecordText(FormatAmount(rates_.SocSecMaxWage)));
    EditSocSecRate->setText(FromRecordText(FormatRate(rates_.SocSecRate)));
    EditMedMaxWage->setText(FromRecordText(FormatAmount(rates_.MedicareMaxWage)));
    EditMedRate->setText(FromRecordText(FormatRate(rates_.MedicareRate)));
    CheckBoxUseMedMax->setChecked(rates_.MedicareHasMaxWage);
    if (*year < kFirstEditableRatesYear) LockFields();
  }
  loadedYearText_ = YearText();
  for (QLineEdit* edit : {EditSocSecMaxWage, EditSocSecRate, EditMedMaxWage, EditMedRate})
    edit->setModified(false);

  if (!readError.empty()) ShowMessage(readError, MsgIcon::Error);
  if (invalid) {
    ShowMessage(InvalidRatesYearMessage(yearText));
    ComboBoxTaxYear->setFocus(Qt::OtherFocusReason);
  }
}

void TFormSocSecMedicare::ComboBoxTaxYearChange() {
  const std::string text = YearText();
  if (text.size() != 4 || text == loadedYearText_) return;
  OfferSave();
  LoadYear(text);
}

void TFormSocSecMedicare::EditSocSecMaxWageExit() {
  if (EditSocSecMaxWage->isReadOnly()) return;
  ShowWarning(SocSecMaxWageWarning(rates_.TaxYear, EnteredNumber(EditSocSecMaxWage)));
  LineEditField field(EditSocSecMaxWage);
  ReadAmountField(field, rates_.SocSecMaxWage);
}

void TFormSocSecMedicare::EditSocSecRateExit() {
  LeaveRateField(EditSocSecRate, SocSecRateWarning, rates_.SocSecRate);
}

void TFormSocSecMedicare::EditMedMaxWageExit() {
  if (EditMedMaxWage->isReadOnly()) return;
  if (CheckBoxUseMedMax->isChecked()) {
    ShowWarning(MedicareMaxWageWarning(EnteredNumber(EditMedMaxWage)));
    LineEditField field(EditMedMaxWage);
    ReadAmountField(field, rates_.MedicareMaxWage);
  } else {
    ShowWarning(UncheckedMedicareMaxWageWarning(RecordText(EditMedMaxWage->text())));
  }
}

void TFormSocSecMedicare::EditMedRateExit() {
  LeaveRateField(EditMedRate, MedicareRateWarning, rates_.MedicareRate);
}

void TFormSocSecMedicare::LeaveRateField(QLineEdit* edit, RateWarning warning, Currency& rate) {
  if (edit->isReadOnly()) return;
  ShowWarning(warning(EnteredNumber(edit)));
  LineEditField field(edit);
  ReadAmountField(field, rate);
}

void TFormSocSecMedicare::OfferSave() {
  if (!CheckBoxUseMedMax->isEnabled() || rates_.TaxYear == 0) return;
  const bool modified = EditSocSecMaxWage->isModified() || EditSocSecRate->isModified() ||
                        EditMedMaxWage->isModified() || EditMedRate->isModified();
  if (!modified && CheckBoxUseMedMax->isChecked() == rates_.MedicareHasMaxWage) return;

  const std::string year = std::to_string(rates_.TaxYear);
  const MsgButton answer = MessageBoxes().Show(
      {"Save ?", "Save Changes to Social Security and/or Medicare Rates for " + year,
       MsgIcon::Question, MsgYes | MsgNo, false});
  if (answer != MsgYes || !CheckComplete()) return;

  if (CheckBoxUseMedMax->isChecked() && rates_.MedicareMaxWage < kLowestMedicareMaxWage) {
    CheckBoxUseMedMax->setChecked(false);
    rates_.MedicareMaxWage = 0;
    ShowMessage(kMedicareMaxWageTooLowMessage);
  } else if (!CheckBoxUseMedMax->isChecked()) {
    rates_.MedicareMaxWage = 0;
  }
  rates_.MedicareHasMaxWage = CheckBoxUseMedMax->isChecked();

  // A save that did not reach the table must not look like one: the user is
  // told, the year is not listed, and OK does not close the screen.
  std::string failure;
  try {
    if (!registry_.WriteRatesForYear(rates_)) failure = RegistryError::SetDataFailed(year).what();
  } catch (const RegistryError& error) {
    failure = error.what();
  }
  if (!failure.empty()) {
    ShowMessage(failure, MsgIcon::Error);
    modalResult_ = ModalResult::None;
    return;
  }
  AddYearToList(year);
}

void TFormSocSecMedicare::AddYearToList(const std::string& year) {
  const QString text = FromRecordText(year);
  if (ComboBoxTaxYear->findText(text, Qt::MatchExactly) >= 0) return;
  int position = 0;
  while (position < ComboBoxTaxYear->count() &&
         LessNoCase(RecordText(ComboBoxTaxYear->itemText(position)), year)) {
    ++position;
  }
  // Inserting may move the current index; the text being shown stays.
  const QSignalBlocker blocker(ComboBoxTaxYear);
  const QString shown = ComboBoxTaxYear->currentText();
  ComboBoxTaxYear->insertItem(position, text);
  if (ComboBoxTaxYear->currentText() != shown) ComboBoxTaxYear->setEditText(shown);
}

bool TFormSocSecMedicare::CheckComplete() {
  if (RatesComplete(rates_, CheckBoxUseMedMax->isChecked())) return true;
  ShowMessage(kIncompleteRatesMessage);
  modalResult_ = ModalResult::None;
  return false;
}

void TFormSocSecMedicare::LockFields() {
  CheckBoxUseMedMax->setEnabled(false);
  for (QLineEdit* edit : {EditSocSecMaxWage, EditSocSecRate, EditMedMaxWage, EditMedRate})
    edit->setReadOnly(true);
}

void TFormSocSecMedicare::BitBtnOKClick() {
  // Enter on the default button leaves no field: store the one being typed in.
  leaveFilter_->CommitFocusedField();
  modalResult_ = ModalResult::Ok;
  OfferSave();
  if (modalResult_ == ModalResult::Ok) accept();
}
