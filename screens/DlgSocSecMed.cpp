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

#include "settings/QuillmarRegistry.h"
#include "data/Currency.h"
#include "data/EntryRules.h"
#include "rules/RateChecks.h"
#include "platform/AsciiText.h"
#include "platform/MessageBoxes.h"
#include "platform/RegistryError.h"
#include "screens/LeaveFieldFilter.h"
#include "screens/LineEditField.h"
#include "platform/qt/QtRecordText.h"
#include "screens/DialogButtons.h"

namespace {

constexpr std::int32_t kFirstTaxYear = 1998;
constexpr std::int32_t kFirstEditableYear = 2002;
// A Medicare wage base below this is taken for a typing slip.
constexpr Currency kLowestMedicareMaxWage = 50000 * kCurrencyScale;



// The field's number for the plausibility warnings: empty text is 0; a text
// that is not a number gives none (the amount rule reports it).
std::optional<double> EnteredNumber(const QLineEdit* edit) {
  const std::string text = TrimText(RecordText(edit->text()));
  if (text.empty()) return 0.0;
  return PlainDecimalValue(text);
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

  auto* heading = new QLabel(QStringLiteral("Social Security and Medicare Rates (used to verify W-2 entries)"));
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
  socSecGrid->addWidget(new QLabel(QStringLiteral("Employee Rate (Percent of Wage to Maximum)")), 1, 0);
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
  medWageGrid->addWidget(NoteLabel("Maximum wage was eliminated in 1994, use provision for maximum only if SSA "
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

  layout->addWidget(NoteLabel("Note that years prior to 2002 cannot be modified as correctly set by author"));

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
    const int selected = openFileTaxYear_ >= kFirstTaxYear
                             ? ComboBoxTaxYear->findText(QString::number(openFileTaxYear_), Qt::MatchExactly)
                             : ComboBoxTaxYear->count() - 1;
    ComboBoxTaxYear->setCurrentIndex(selected);
  }
  rates_ = SocSecMedicareRates{};
  if (ComboBoxTaxYear->currentIndex() >= 0) LoadYear(YearText());
}

std::string TFormSocSecMedicare::YearText() const { return RecordText(ComboBoxTaxYear->currentText()); }

void TFormSocSecMedicare::ShowYearText(const std::string& text) {
  if (YearText() == text) return;  // leaves the text being typed alone
  const QSignalBlocker blocker(ComboBoxTaxYear);
  const int index = ComboBoxTaxYear->findText(FromRecordText(text), Qt::MatchExactly | Qt::MatchCaseSensitive);
  ComboBoxTaxYear->setCurrentIndex(index);
  if (index < 0) ComboBoxTaxYear->setEditText(FromRecordText(text));
}

void TFormSocSecMedicare::LoadYear(const std::string& yearText) {
  CheckBoxUseMedMax->setEnabled(true);
  for (QLineEdit* edit : {EditSocSecMaxWage, EditSocSecRate, EditMedMaxWage, EditMedRate}) edit->setReadOnly(false);

  const std::optional<std::int32_t> year = ParseWholeNumber(yearText);
  const bool invalid = !year || *year < kFirstTaxYear;
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
    if (*year < kFirstEditableYear) LockFields();
  }
  loadedYearText_ = YearText();
  for (QLineEdit* edit : {EditSocSecMaxWage, EditSocSecRate, EditMedMaxWage, EditMedRate}) edit->setModified(false);

  if (!readError.empty()) ShowMessage(readError, MsgIcon::Error);
  if (invalid) {
    ShowMessage("Tax Year " + yearText +
                " is invalid, must be 4 numeric digits and greater than 1997. Please correct it.");
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
  if (rates_.TaxYear > 2001) {
    const std::optional<double> entry = EnteredNumber(EditSocSecMaxWage);
    const std::optional<std::int64_t> expected = ExpectedSocSecMaxWage(rates_.TaxYear);
    if (entry && expected) {
      const double expectedValue = static_cast<double>(*expected);
      if (*entry > 1.1 * expectedValue || *entry < 0.9 * expectedValue) {
        ShowMessage("Was expecting Soc.Sec. Maximum Wage for " + std::to_string(rates_.TaxYear) +
                        " to be in the region of " + std::to_string(*expected) +
                        ". Please be sure your entry is correct.",
                    MsgIcon::Information);
      }
    }
  }
  LineEditField field(EditSocSecMaxWage);
  ReadAmountField(field, rates_.SocSecMaxWage);
}

void TFormSocSecMedicare::EditSocSecRateExit() {
  LeaveRateField(EditSocSecRate, 3.1, 9.3,
                 "Was expecting Soc.Sec. Rate to be around 6.2%, be sure your entry is correct.", rates_.SocSecRate);
}

void TFormSocSecMedicare::EditMedMaxWageExit() {
  if (EditMedMaxWage->isReadOnly()) return;
  if (CheckBoxUseMedMax->isChecked()) {
    const std::optional<double> entry = EnteredNumber(EditMedMaxWage);
    if (entry && *entry < 84900) {
      ShowMessage("If Medicare Maximum Wage has been reinstated was expecting a Maximum that is higher than "
                  "your entry, be sure your entry is correct.",
                  MsgIcon::Information);
    }
    LineEditField field(EditMedMaxWage);
    ReadAmountField(field, rates_.MedicareMaxWage);
  } else if (RecordText(EditMedMaxWage->text()).size() > 4) {
    ShowMessage("Any entry in Medicare Maximum Wage will be ignored unless there is also a check mark "
                "against \"Set Maximum Wage\"",
                MsgIcon::Information);
  }
}

void TFormSocSecMedicare::EditMedRateExit() {
  LeaveRateField(EditMedRate, 0.73, 2.18,
                 "Was expecting Medicare Rate to be around 1.45%, be sure your entry is correct.", rates_.MedicareRate);
}

void TFormSocSecMedicare::LeaveRateField(QLineEdit* edit, double lowest, double highest, const char* warning,
                                         Currency& rate) {
  if (edit->isReadOnly()) return;
  const std::optional<double> entry = EnteredNumber(edit);
  if (entry && (*entry > highest || *entry < lowest)) ShowMessage(warning, MsgIcon::Information);
  LineEditField field(edit);
  ReadAmountField(field, rate);
}

void TFormSocSecMedicare::OfferSave() {
  if (!CheckBoxUseMedMax->isEnabled() || rates_.TaxYear == 0) return;
  const bool modified = EditSocSecMaxWage->isModified() || EditSocSecRate->isModified() ||
                        EditMedMaxWage->isModified() || EditMedRate->isModified();
  if (!modified && CheckBoxUseMedMax->isChecked() == rates_.MedicareHasMaxWage) return;

  const std::string year = std::to_string(rates_.TaxYear);
  const MsgButton answer =
      MessageBoxes().Show({"Save ?", "Save Changes to Social Security and/or Medicare Rates for " + year,
                           MsgIcon::Question, MsgYes | MsgNo, false});
  if (answer != MsgYes || !CheckComplete()) return;

  if (CheckBoxUseMedMax->isChecked() && rates_.MedicareMaxWage < kLowestMedicareMaxWage) {
    CheckBoxUseMedMax->setChecked(false);
    rates_.MedicareMaxWage = 0;
    ShowMessage("Ignoring your entry in Medicare Maximum Wage as it is too low to be correct");
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
  const bool incomplete = (CheckBoxUseMedMax->isChecked() && rates_.MedicareMaxWage == 0) ||
                          rates_.SocSecMaxWage == 0 || rates_.SocSecRate == 0 || rates_.MedicareRate == 0;
  if (!incomplete) return true;
  ShowMessage("Cannot save incomplete Soc.Sec./Medicare entry - one or more required fields were zero.");
  modalResult_ = ModalResult::None;
  return false;
}

void TFormSocSecMedicare::LockFields() {
  CheckBoxUseMedMax->setEnabled(false);
  for (QLineEdit* edit : {EditSocSecMaxWage, EditSocSecRate, EditMedMaxWage, EditMedRate}) edit->setReadOnly(true);
}

void TFormSocSecMedicare::BitBtnOKClick() {
  // Enter on the default button leaves no field: store the one being typed in.
  leaveFilter_->CommitFocusedField();
  modalResult_ = ModalResult::Ok;
  OfferSave();
  if (modalResult_ == ModalResult::Ok) accept();
}
