#include "screens/W2InputForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>
#include <optional>
#include <type_traits>

#include "data/CountryTable.h"
#include "data/EntryRules.h"
#include "data/QuillmarFormFile.h"
#include "data/RecordKind.h"
#include "data/StateTable.h"
#include "platform/MessageBoxes.h"
#include "platform/qt/QtRecordText.h"
#include "rules/Box12Codes.h"
#include "rules/TaxYearRules.h"
#include "rules/W2AutoFill.h"
#include "rules/W2EditCheck.h"
#include "rules/W2ForeignAddress.h"
#include "rules/W2StateLines.h"
#include "screens/Box12Frame.h"
#include "screens/ComboLists.h"
#include "screens/DlgW2Box12.h"
#include "screens/ErrorReportView.h"
#include "screens/FileNavFrame.h"
#include "screens/FormCanvas.h"
#include "screens/LeaveFieldFilter.h"
#include "screens/MaskCursor.h"
#include "screens/PickIndex.h"
#include "screens/W2ScreenLayout.h"
#include "settings/QuillmarRegistry.h"

namespace {

const char* const kSsnNotAvailable = "000-00-0000";
const char* const kSsnSetMessage =
    "Social Security Number will be set to 000-00-0000 (which means SSN not available, an SSA "
    "error)";
const char* const kFixSsnQuestion =
    "Do you wish to fix the SSN error before leaving this employee ?";

// An entry field of this screen as the entry rules see it; a rejected entry
// goes back to the screen, which gives the field the focus again.
class ScreenEntryField final : public IEntryField {
 public:
  ScreenEntryField(QLineEdit* edit, std::function<void()> reject)
      : edit_(edit), reject_(std::move(reject)) {}
  std::string Text() const override { return RecordText(edit_->text()); }
  void SetFocus() override { reject_(); }

 private:
  QLineEdit* edit_;
  std::function<void()> reject_;
};

constexpr std::size_t Box12AmountOffset(int line) {
  return offsetof(W2Record, Box12) + static_cast<std::size_t>(line) * sizeof(Box12Entry) +
         offsetof(Box12Entry, Amount);
}

}  // namespace

TFormW2::TFormW2(TQuillmarFormFile& file, TQuillmarRegistry& registry, QWidget* parent)
    : QDialog(parent), file_(file), registry_(registry) {
  BuildForm();
  FormCreate();
}

TFormW2::~TFormW2() {
  // The fields lose the focus while they are destroyed, after this object:
  // no on-leave rule may run then.
  delete leaveFilter_;
}

W2Record& TFormW2::W2() { return file_.WorkRec.w2; }

const W3Record& TFormW2::W3() const { return file_.W3Rec.w3; }

template <typename Field>
Field* TFormW2::AddField(const char* name) {
  auto* field = new Field(Canvas);
  field->setObjectName(QString::fromLatin1(name));
  Canvas->Place(field, W2FieldRect(name));
  if constexpr (std::is_same_v<Field, QLineEdit> || std::is_same_v<Field, QComboBox>) {
    field->setStyleSheet(QStringLiteral("background-color: yellow;"));
  }
  if constexpr (std::is_same_v<Field, QComboBox>) {
    field->setEditable(true);
    field->setInsertPolicy(QComboBox::NoInsert);
    // Stored as typed: the beginning of a list entry is not completed to it.
    field->setCompleter(nullptr);
  }
  if constexpr (std::is_same_v<Field, QLabel>)
    field->setTextInteractionFlags(Qt::NoTextInteraction);
  return field;
}

template <std::size_t N>
void TFormW2::BindText(QWidget* field, ShortString<N>& value) {
  texts_.push_back({field, [&value](const std::string& text) { value = text; },
                    [&value] { return value.Str(); }});
}

void TFormW2::BuildForm() {
  setObjectName(QStringLiteral("FormW2"));
  setWindowTitle(QStringLiteral("W-2 Wage and Tax Statement"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  Canvas = new TFormCanvas(W2FormPicture(), this);
  layout->addWidget(Canvas);

  EditControlNum = AddField<QLineEdit>("EditControlNum");
  CheckBoxVoid = AddField<QCheckBox>("CheckBoxVoid");
  MaskEditSocSecNum = AddField<QLineEdit>("MaskEditSocSecNum");
  // A digit or a blank in each place; the blanks read as spaces.
  MaskEditSocSecNum->setInputMask(QStringLiteral("000-00-0000; "));
  KeepCursorInTypedPart(MaskEditSocSecNum);
  EditFirstNameInitial = AddField<QLineEdit>("EditFirstNameInitial");
  EditLastName = AddField<QLineEdit>("EditLastName");
  EditSuite = AddField<QLineEdit>("EditSuite");
  EditStreetPOB = AddField<QLineEdit>("EditStreetPOB");
  EditCity = AddField<QLineEdit>("EditCity");
  ComboBoxAddrState = AddField<QComboBox>("ComboBoxAddrState");
  MaskEditZip = AddField<QLineEdit>("MaskEditZip");
  MaskEditZip->setInputMask(QStringLiteral("00000-0000; "));
  KeepCursorInTypedPart(MaskEditZip);
  EditPostCode = AddField<QLineEdit>("EditPostCode");
  ComboBoxCountry = AddField<QComboBox>("ComboBoxCountry");
  for (QWidget* foreign :
       {static_cast<QWidget*>(EditPostCode), static_cast<QWidget*>(ComboBoxCountry)}) {
    foreign->setStyleSheet(QStringLiteral("background-color: aqua;"));
  }

  EditWages = AddField<QLineEdit>("EditWages");
  EditFedTax = AddField<QLineEdit>("EditFedTax");
  EditSSWages = AddField<QLineEdit>("EditSSWages");
  EditSSTax = AddField<QLineEdit>("EditSSTax");
  EditMedWage = AddField<QLineEdit>("EditMedWage");
  EditMedTax = AddField<QLineEdit>("EditMedTax");
  EditSSTips = AddField<QLineEdit>("EditSSTips");
  EditAllocTips = AddField<QLineEdit>("EditAllocTips");
  EditAdvEIC = AddField<QLineEdit>("EditAdvEIC");
  EditDepCare = AddField<QLineEdit>("EditDepCare");
  EditNonQualPlans = AddField<QLineEdit>("EditNonQualPlans");
  Edit12a_code = AddField<QLineEdit>("Edit12a_code");
  Edit12a_amount = AddField<QLineEdit>("Edit12a_amount");
  Edit12b_code = AddField<QLineEdit>("Edit12b_code");
  Edit12b_amount = AddField<QLineEdit>("Edit12b_amount");
  Edit12c_code = AddField<QLineEdit>("Edit12c_code");
  Edit12c_amount = AddField<QLineEdit>("Edit12c_amount");
  Edit12d_code = AddField<QLineEdit>("Edit12d_code");
  Edit12d_amount = AddField<QLineEdit>("Edit12d_amount");
  box12Codes_ = {Edit12a_code, Edit12b_code, Edit12c_code, Edit12d_code};
  box12Amounts_ = {Edit12a_amount, Edit12b_amount, Edit12c_amount, Edit12d_amount};
  for (QLineEdit* code : box12Codes_) code->setMaxLength(1);
  CheckBoxStatEmpl = AddField<QCheckBox>("CheckBoxStatEmpl");
  CheckBoxRetirePlan = AddField<QCheckBox>("CheckBoxRetirePlan");
  CheckBoxTPSickPay = AddField<QCheckBox>("CheckBoxTPSickPay");
  Edit14a_label = AddField<QLineEdit>("Edit14a_label");
  Edit14a_amount = AddField<QLineEdit>("Edit14a_amount");
  Edit14b_label = AddField<QLineEdit>("Edit14b_label");
  Edit14b_amount = AddField<QLineEdit>("Edit14b_amount");
  Edit14c_label = AddField<QLineEdit>("Edit14c_label");
  Edit14c_amount = AddField<QLineEdit>("Edit14c_amount");
  ComboBoxST1State = AddField<QComboBox>("ComboBoxST1State");
  EditST1StateID = AddField<QLineEdit>("EditST1StateID");
  EditST1StateWage = AddField<QLineEdit>("EditST1StateWage");
  EditST1StateTax = AddField<QLineEdit>("EditST1StateTax");
  EditST1LocalWage = AddField<QLineEdit>("EditST1LocalWage");
  EditST1LocalTax = AddField<QLineEdit>("EditST1LocalTax");
  EditST1LocName = AddField<QLineEdit>("EditST1LocName");
  ComboBoxST2State = AddField<QComboBox>("ComboBoxST2State");
  // The state boxes are two letters wide: a slim drop-down button leaves them room.
  for (QComboBox* state : {ComboBoxST1State, ComboBoxST2State}) {
    state->setStyleSheet(
        QStringLiteral("QComboBox { background-color: yellow; padding-left: 1px; }"
                       " QComboBox::drop-down { width: 9px; }"));
  }
  EditST2StateID = AddField<QLineEdit>("EditST2StateID");
  EditST2StateWage = AddField<QLineEdit>("EditST2StateWage");
  EditST2StateTax = AddField<QLineEdit>("EditST2StateTax");
  EditST2LocalWage = AddField<QLineEdit>("EditST2LocalWage");
  EditST2LocalTax = AddField<QLineEdit>("EditST2LocalTax");
  EditST2LocName = AddField<QLineEdit>("EditST2LocName");

  Label3 = AddField<QLabel>("Label3");
  LabelEmployerID = AddField<QLabel>("LabelEmployerID");
  LabelEmployerName = AddField<QLabel>("LabelEmployerName");
  LabelEmployerAddress1 = AddField<QLabel>("LabelEmployerAddress1");
  LabelEmployerAddress2 = AddField<QLabel>("LabelEmployerAddress2");
  LabelEmployerAddress3 = AddField<QLabel>("LabelEmployerAddress3");
  LabelEmployerAddress4 = AddField<QLabel>("LabelEmployerAddress4");
  LabelForeign = AddField<QLabel>("LabelForeign");
  LabelForeign->setText(QStringLiteral("Post Code & Country (if not USA)"));
  LabelForeign->setAutoFillBackground(true);
  LabelForeign->setStyleSheet(QStringLiteral("background-color: aqua;"));
  const std::pair<const char*, const char*> addressLabels[] = {
      {"LabelSuite", "Suite"},
      {"LabelStreetPOB", "Street / P.O. Box"},
      {"LabelCity", "City"},
      {"LabelAddrState", "State"},
      {"LabelZip", "ZIP code"}};
  for (const auto& [name, caption] : addressLabels)
    AddField<QLabel>(name)->setText(QString::fromLatin1(caption));

  FrameFileNav1 = new TFrameFileNav(Canvas);
  FrameFileNav1->setObjectName(QStringLiteral("FrameFileNav1"));
  Canvas->Place(FrameFileNav1, W2FieldRect("FrameFileNav1"));
  FrameFileNav1->BitBtnNext->setDefault(true);

  PanelButtons = new QFrame(Canvas);
  PanelButtons->setObjectName(QStringLiteral("PanelButtons"));
  auto* panelLayout = new QHBoxLayout(PanelButtons);
  panelLayout->setContentsMargins(2, 2, 2, 2);
  BitBtnSetupBox12 = new QPushButton(QStringLiteral("Box 12"), PanelButtons);
  BitBtnSetupBox12->setObjectName(QStringLiteral("BitBtnSetupBox12"));
  BitBtnErrorCheck = new QPushButton(QStringLiteral("Error Check"), PanelButtons);
  BitBtnErrorCheck->setObjectName(QStringLiteral("BitBtnErrorCheck"));
  BitBtnClose = new QPushButton(QStringLiteral("Close"), PanelButtons);
  BitBtnClose->setObjectName(QStringLiteral("BitBtnClose"));
  for (QPushButton* button : {BitBtnSetupBox12, BitBtnErrorCheck, BitBtnClose})
    panelLayout->addWidget(button);
  Canvas->Place(PanelButtons, W2FieldRect("PanelButtons"));

  amounts_ = {
      {EditWages, offsetof(W2Record, Wages)},
      {EditFedTax, offsetof(W2Record, FedTax)},
      {EditSSWages, offsetof(W2Record, SSWages)},
      {EditSSTax, offsetof(W2Record, SSTax)},
      {EditMedWage, offsetof(W2Record, MedWage)},
      {EditMedTax, offsetof(W2Record, MedTax)},
      {EditSSTips, offsetof(W2Record, SSTips)},
      {EditAllocTips, offsetof(W2Record, AllocTips)},
      {EditAdvEIC, offsetof(W2Record, AdvEIC)},
      {EditDepCare, offsetof(W2Record, DepCare)},
      {EditNonQualPlans, offsetof(W2Record, NonQualPlans)},
      {Edit12a_amount, Box12AmountOffset(0)},
      {Edit12b_amount, Box12AmountOffset(1)},
      {Edit12c_amount, Box12AmountOffset(2)},
      {Edit12d_amount, Box12AmountOffset(3)},
      {Edit14a_amount, offsetof(W2Record, Box14aAmount)},
      {Edit14b_amount, offsetof(W2Record, Box14bAmount)},
      {Edit14c_amount, offsetof(W2Record, Box14cAmount)},
      {EditST1StateWage, offsetof(W2Record, ST1StateWage)},
      {EditST1StateTax, offsetof(W2Record, ST1StateTax)},
      {EditST1LocalWage, offsetof(W2Record, ST1LocalWage)},
      {EditST1LocalTax, offsetof(W2Record, ST1LocalTax)},
      {EditST2StateWage, offsetof(W2Record, ST2StateWage)},
      {EditST2StateTax, offsetof(W2Record, ST2StateTax)},
      {EditST2LocalWage, offsetof(W2Record, ST2LocalWage)},
      {EditST2LocalTax, offsetof(W2Record, ST2LocalTax)},
  };
  for (const AmountBinding& amount : amounts_) amount.edit->setAlignment(Qt::AlignRight);

  W2Record& w2 = W2();
  BindText(EditLastName, w2.LastName);
  BindText(EditSuite, w2.Suite);
  BindText(EditStreetPOB, w2.StreetPOB);
  BindText(EditCity, w2.City);
  BindText(ComboBoxAddrState, w2.AddrState);
  BindText(EditST1StateID, w2.ST1StateID);
  BindText(EditST1LocName, w2.ST1LocName);
  BindText(EditST2LocName, w2.ST2LocName);
  BindText(Edit14a_label, w2.Box14aLabel);
  BindText(Edit14b_label, w2.Box14bLabel);
  BindText(Edit14c_label, w2.Box14cLabel);

  SetTabOrder();
  WatchFields();

  connect(FrameFileNav1->BitBtnIndex, &QPushButton::clicked, this,
          [this] { FrameFileNav1BitBtnIndexClick(); });
  connect(FrameFileNav1->BitBtnFirst, &QPushButton::clicked, this,
          [this] { FrameFileNav1BitBtnFirstClick(); });
  connect(FrameFileNav1->BitBtnPrevs, &QPushButton::clicked, this,
          [this] { FrameFileNav1BitBtnPrevsClick(); });
  connect(FrameFileNav1->BitBtnNext, &QPushButton::clicked, this,
          [this] { FrameFileNav1BitBtnNextClick(); });
  connect(FrameFileNav1->BitBtnLast, &QPushButton::clicked, this,
          [this] { FrameFileNav1BitBtnLastClick(); });
  connect(FrameFileNav1->BitBtnAddNew, &QPushButton::clicked, this,
          [this] { FrameFileNav1BitBtnAddNewClick(); });
  connect(BitBtnSetupBox12, &QPushButton::clicked, this, [this] { BitBtnSetupBox12Click(); });
  connect(BitBtnErrorCheck, &QPushButton::clicked, this, [this] { BitBtnErrorCheckClick(); });
  connect(BitBtnClose, &QPushButton::clicked, this, &QWidget::close);

  FitToWorkArea(DesktopWorkArea(*this));
}

void TFormW2::FitToWorkArea(const QRect& workArea) { FitFormWindow(*this, *Canvas, workArea); }

void TFormW2::SetTabOrder() {
  const std::vector<QWidget*> order = {EditControlNum,
                                       CheckBoxVoid,
                                       MaskEditSocSecNum,
                                       EditFirstNameInitial,
                                       EditLastName,
                                       EditSuite,
                                       EditStreetPOB,
                                       EditCity,
                                       ComboBoxAddrState,
                                       MaskEditZip,
                                       EditPostCode,
                                       ComboBoxCountry,
                                       EditWages,
                                       EditFedTax,
                                       EditSSWages,
                                       EditSSTax,
                                       EditMedWage,
                                       EditMedTax,
                                       EditSSTips,
                                       EditAllocTips,
                                       EditAdvEIC,
                                       EditDepCare,
                                       EditNonQualPlans,
                                       Edit12a_code,
                                       Edit12a_amount,
                                       Edit12b_code,
                                       Edit12b_amount,
                                       Edit12c_code,
                                       Edit12c_amount,
                                       Edit12d_code,
                                       Edit12d_amount,
                                       CheckBoxStatEmpl,
                                       CheckBoxRetirePlan,
                                       CheckBoxTPSickPay,
                                       Edit14a_label,
                                       Edit14a_amount,
                                       Edit14b_label,
                                       Edit14b_amount,
                                       Edit14c_label,
                                       Edit14c_amount,
                                       ComboBoxST1State,
                                       EditST1StateID,
                                       EditST1StateWage,
                                       EditST1StateTax,
                                       EditST1LocalWage,
                                       EditST1LocalTax,
                                       EditST1LocName,
                                       ComboBoxST2State,
                                       EditST2StateID,
                                       EditST2StateWage,
                                       EditST2StateTax,
                                       EditST2LocalWage,
                                       EditST2LocalTax,
                                       EditST2LocName,
                                       FrameFileNav1->BitBtnIndex,
                                       FrameFileNav1->BitBtnFirst,
                                       FrameFileNav1->BitBtnPrevs,
                                       FrameFileNav1->BitBtnNext,
                                       FrameFileNav1->BitBtnLast,
                                       FrameFileNav1->BitBtnAddNew,
                                       BitBtnSetupBox12,
                                       BitBtnErrorCheck,
                                       BitBtnClose};
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

std::function<void()> TFormW2::LeaveRule(QWidget* field, std::function<void()> rule) {
  return [this, field, rule = std::move(rule)] {
    // The box 12 write-back moves the focus between fields it is storing itself.
    if (runningRules_) return;
    rule();
    if (auto it = committed_.find(field); it != committed_.end())
      it->second.value = FieldText(field);
  };
}

void TFormW2::WatchFields() {
  leaveFilter_ = new LeaveFieldFilter(this);
  auto watchLine = [this](QLineEdit* edit, std::function<void()> rule) {
    leaveFilter_->Watch(edit, LeaveRule(edit, std::move(rule)));
  };
  auto watchWidget = [this](QWidget* field, std::function<void()> rule) {
    std::function<void()> onLeave = LeaveRule(field, std::move(rule));
    committed_[field] = Committed{std::string(), onLeave};
    leaveFilter_->Watch(field, std::move(onLeave));
  };

  watchLine(EditControlNum, [this] { EditControlNumExit(); });
  watchWidget(CheckBoxVoid, [this] { CheckBoxVoidExit(); });
  watchLine(MaskEditSocSecNum, [this] { MaskEditSocSecNumExit(); });
  watchLine(EditFirstNameInitial, [this] { EditFirstNameInitialExit(); });
  for (const TextBinding& text : texts_) {
    QWidget* field = text.field;
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
      watchLine(edit, [this, field] { TextFieldExit(field); });
    } else {
      watchWidget(field, [this, field] { TextFieldExit(field); });
    }
  }
  watchLine(MaskEditZip, [this] { MaskEditZipExit(); });
  watchLine(EditPostCode, [this] { EditPostCodeExit(); });
  watchWidget(ComboBoxCountry, [this] { ComboBoxCountryExit(); });
  watchLine(EditWages, [this] { EditWagesExit(); });
  for (const AmountBinding& amount : amounts_) {
    QLineEdit* edit = amount.edit;
    if (edit != EditWages) watchLine(edit, [this, edit] { AmountFieldExit(edit); });
  }
  for (int line = 0; line < 4; ++line)
    watchLine(box12Codes_[line], [this, line] { Edit12CodeExit(line); });
  for (QCheckBox* box : {CheckBoxStatEmpl, CheckBoxRetirePlan, CheckBoxTPSickPay}) {
    watchWidget(box, [this, box] { CheckBoxExit(box); });
  }
  watchWidget(ComboBoxST1State, [this] { ComboBoxST1StateExit(); });
  watchWidget(ComboBoxST2State, [this] { ComboBoxST2StateExit(); });
  watchLine(EditST2StateID, [this] { EditST2StateIDExit(); });
}

void TFormW2::FormCreate() {
  box12Dialog_ = new TSetUpBox12(this);
  pickList_ = new TFormW2PickList(file_, this);

  yearRates_ = SocSecMedicareRates{};
  yearRates_.TaxYear = W3().TaxYear;
  registry_.ReadRatesForYear(yearRates_);

  // The box 12 codes of the year; two letters only in a year that has them.
  box12Dialog_->SetTaxYear(W3().TaxYear);
  for (QLineEdit* code : box12Codes_)
    code->setMaxLength(HasTwoLetterBox12Codes(W3().TaxYear) ? 2 : 1);

  ErrorLines.clear();

  for (const StateEntry& state : StateTable) {
    ComboBoxAddrState->addItem(FromRecordText(std::string(state.Name)));
    ComboBoxST2State->addItem(FromRecordText(std::string(state.Abbrev)));
  }
  for (const CountryEntry& country : CountryTable)
    ComboBoxCountry->addItem(FromRecordText(std::string(country.Name)));
  for (QComboBox* combo : {ComboBoxAddrState, ComboBoxCountry, ComboBoxST1State, ComboBoxST2State})
    ShowEntriesInFull(combo);

  ShowEmployee();
}

// --- Showing an employee -----------------------------------------------------

std::string TFormW2::FieldText(const QWidget* field) const {
  if (const auto* edit = qobject_cast<const QLineEdit*>(field)) {
    // A masked field reads with its literals and its blank places as spaces.
    const QString text = edit->inputMask().isEmpty() ? edit->text() : edit->displayText();
    return RecordText(text);
  }
  if (const auto* combo = qobject_cast<const QComboBox*>(field)) {
    return RecordText(combo->currentText());
  }
  if (const auto* box = qobject_cast<const QCheckBox*>(field)) return box->isChecked() ? "1" : "0";
  return std::string();
}

void TFormW2::SetFieldText(QWidget* field, const std::string& text) {
  if (auto* edit = qobject_cast<QLineEdit*>(field)) {
    edit->setText(FromRecordText(text));
  } else if (auto* combo = qobject_cast<QComboBox*>(field)) {
    combo->setEditText(FromRecordText(text));
  }
}

Currency TFormW2::AmountAt(std::size_t offset) const {
  Currency amount = 0;
  std::memcpy(&amount, file_.WorkRec.bytes + offset, sizeof amount);
  return amount;
}

void TFormW2::SetAmountAt(std::size_t offset, Currency amount) {
  std::memcpy(file_.WorkRec.bytes + offset, &amount, sizeof amount);
}

void TFormW2::ShowAmount(QLineEdit* edit, Currency amount) {
  edit->setText(FromRecordText(FormatAmount(amount)));
}

void TFormW2::ShowEmployee() {
  const W3Record& w3 = W3();
  W2Record& w2 = W2();
  rejectedField_ = nullptr;
  refusedSsn_.clear();

  Label3->setText(QString::number(w3.TaxYear));
  LabelEmployerID->setText(FromRecordText(w3.EmployerEIN.Str()));
  LabelEmployerName->setText(FromRecordText(w3.EmployerName.Str()));
  LabelEmployerAddress1->setText(FromRecordText(w3.Suite.Str()));
  LabelEmployerAddress2->setText(FromRecordText(w3.Street.Str()));
  LabelEmployerAddress3->setText(FromRecordText(w3.Town.Str()));
  LabelEmployerAddress4->setText(FromRecordText(w3.State.Str() + "  " + w3.Zip.Str()));

  autoFillArmed_ = W2AutoFillArmed(w2);

  EditControlNum->setText(QString::number(w2.ControlNum));
  CheckBoxVoid->setChecked(w2.Void != 0);
  BitBtnErrorCheck->setEnabled(w2.Void == 0);

  EditFirstNameInitial->setText(FromRecordText(w2.FirstName.Str() + " " + w2.MiddleInitial.Str()));
  for (const TextBinding& text : texts_) SetFieldText(text.field, text.load());
  MaskEditZip->setText(FromRecordText(w2.Zip.Str()));
  MaskEditSocSecNum->setText(FromRecordText(w2.SocSecNum.Str()));
  EditPostCode->setText(FromRecordText(w2.PostCode.Str()));
  ComboBoxCountry->setEditText(FromRecordText(CountryName(w2.Country.Str())));

  for (const AmountBinding& amount : amounts_) ShowAmount(amount.edit, AmountAt(amount.offset));
// GCC 12 at -O3 reports a bogus -Wrestrict inside std::string's inlined copy
// for this string expression (GCC bug 105329 and its relatives: it sees overlap
// in sizes no string can have). The code is correct; the warning is off here only.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wrestrict"
  for (int line = 0; line < 4; ++line) {
    std::string code = Box12CodeOf(w2.Box12[line], w3.TaxYear);
    if (code[0] == '\0') code = " ";
    box12Codes_[line]->setText(FromRecordText(code));
  }
#pragma GCC diagnostic pop
  CheckBoxStatEmpl->setChecked(w2.StatEmpl != 0);
  CheckBoxRetirePlan->setChecked(w2.RetirePlan != 0);
  CheckBoxTPSickPay->setChecked(w2.TPSickPay != 0);

  const StateLine1Lock locked = ApplyStateLine1Defaults(w2, w3);
  ComboBoxST1State->setEditText(FromRecordText(w2.ST1State.Str()));
  EditST1StateID->setText(FromRecordText(w2.ST1StateID.Str()));
  ComboBoxST1State->setEnabled(!locked.state);
  EditST1StateID->setEnabled(!locked.stateID);

  EditST1LocName->setText(FromRecordText(w2.ST1LocName.Str()));
  ComboBoxST2State->setEditText(FromRecordText(w2.ST2State.Str()));
  EditST2StateID->setText(FromRecordText(w2.ST2StateID.Str()));
  EditST2LocName->setText(FromRecordText(w2.ST2LocName.Str()));

  for (auto& [field, committed] : committed_) committed.value = FieldText(field);
  // A text longer than its field shows from its first character.
  for (QLineEdit* edit : Canvas->findChildren<QLineEdit*>()) edit->setCursorPosition(0);
}

// --- On-leave rules ----------------------------------------------------------

void TFormW2::RejectField(QWidget* field) {
  // Back into the field as a new visit, also when it kept the focus (Enter,
  // a button's commit): leaving it again checks the entry again.
  if (field->hasFocus()) field->clearFocus();
  field->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
  rejectedField_ = field;
  rejectedText_ = FieldText(field);
}

void TFormW2::EditControlNumExit() {
  ScreenEntryField field(EditControlNum, [this] { RejectField(EditControlNum); });
  std::int32_t value = W2().ControlNum;
  ReadIntegerField(field, value);
  W2().ControlNum = value;
}

void TFormW2::CheckBoxVoidExit() {
  W2().Void = CheckBoxVoid->isChecked() ? 1 : 0;
  BitBtnErrorCheck->setEnabled(!CheckBoxVoid->isChecked());
}

void TFormW2::MaskEditSocSecNumExit() {
  const std::string text = FieldText(MaskEditSocSecNum);
  if (text == kSsnNotAvailable || text == kBlankSsn || text.empty()) {
    ShowMessage(kSsnSetMessage);
    MaskEditSocSecNum->setText(QString::fromLatin1(kSsnNotAvailable));
    W2().SocSecNum = kSsnNotAvailable;
    return;
  }
  // Refused once already: the user leaves it as it is, and leaving the
  // employee asks about it.
  if (text == refusedSsn_) return;
  // A bad number keeps the stored one; the focus goes back for the user to fix it.
  if (CheckSSN(text, RulesForYear(W3().TaxYear).IdNumbers)) {
    W2().SocSecNum = text;
    refusedSsn_.clear();
    return;
  }
  refusedSsn_ = text;
  RejectField(MaskEditSocSecNum);
}

void TFormW2::EditFirstNameInitialExit() {
  const std::string text = TrimText(FieldText(EditFirstNameInitial));
  std::size_t split = text.find(',');
  if (split == std::string::npos) split = text.find(' ');
  W2Record& w2 = W2();
  if (split == std::string::npos) {
    w2.FirstName = text;
    w2.MiddleInitial = std::string();
  } else {
    w2.FirstName = text.substr(0, split);
    w2.MiddleInitial = TrimText(text.substr(split + 1, 15));
  }
}

void TFormW2::TextFieldExit(QWidget* field) {
  for (const TextBinding& text : texts_) {
    if (text.field == field) text.store(FieldText(field));
  }
}

W2AddressEntries TFormW2::AddressEntries() const {
  return {FieldText(MaskEditZip) != kBlankZip, !FieldText(EditPostCode).empty(),
          !FieldText(ComboBoxCountry).empty()};
}

void TFormW2::MaskEditZipExit() {
  const std::string text = FieldText(MaskEditZip);
  if (text == kBlankZip) {
    W2().Zip = std::string();
    return;
  }
  if (const auto warning = ZipWarning(AddressEntries())) ShowMessage(*warning, MsgIcon::Warning);
  if (CheckZip(text)) {
    W2().Zip = text;
  } else {
    RejectField(MaskEditZip);
  }
}

void TFormW2::EditPostCodeExit() {
  if (const auto warning = PostCodeWarning(AddressEntries())) {
    ShowMessage(*warning, MsgIcon::Information);
  }
  W2().PostCode = FieldText(EditPostCode);
}

void TFormW2::ComboBoxCountryExit() {
  if (const auto warning = CountryWarning(AddressEntries())) {
    ShowMessage(*warning, MsgIcon::Information);
  }
  W2().Country = CountryCode(FieldText(ComboBoxCountry));
}

const TFormW2::AmountBinding* TFormW2::AmountOf(const QLineEdit* edit) const {
  const auto it = std::find_if(amounts_.begin(), amounts_.end(),
                               [edit](const AmountBinding& amount) { return amount.edit == edit; });
  return it == amounts_.end() ? nullptr : &*it;
}

void TFormW2::AmountFieldExit(QLineEdit* edit) {
  const AmountBinding* binding = AmountOf(edit);
  if (binding == nullptr) return;
  ScreenEntryField field(edit, [this, edit] { RejectField(edit); });
  Currency amount = AmountAt(binding->offset);
  ReadAmountField(field, amount);
  SetAmountAt(binding->offset, amount);
}

void TFormW2::EditWagesExit() {
  AmountFieldExit(EditWages);
  if (autoFillArmed_) AutoFill();
}

void TFormW2::AutoFill() {
  W2Record& w2 = W2();
  const W2FilledBoxes filled = W2AutoFill(w2, FieldText(EditWages), yearRates_);
  if (filled.SSWages) ShowAmount(EditSSWages, w2.SSWages);
  if (filled.SSTax) ShowAmount(EditSSTax, w2.SSTax);
  if (filled.MedWage) ShowAmount(EditMedWage, w2.MedWage);
  if (filled.MedTax) ShowAmount(EditMedTax, w2.MedTax);
  // The state and local wages show box 1 as typed.
  if (filled.ST1StateWage) EditST1StateWage->setText(EditWages->text());
  if (filled.ST1LocalWage) EditST1LocalWage->setText(EditWages->text());
}

void TFormW2::Edit12CodeExit(int line) {
  QLineEdit* edit = box12Codes_[static_cast<std::size_t>(line)];
  ScreenEntryField field(edit, [this, edit] { RejectField(edit); });
  Box12Entry& entry = W2().Box12[line];
  if (HasTwoLetterBox12Codes(W3().TaxYear)) {
    ReadTwoLetterCodeField(field, entry.Code, entry.Code2);
    return;
  }
  // The byte after the code stays as the file holds it.
  ReadCodeField(field, entry.Code);
}

void TFormW2::CheckBoxExit(QCheckBox* box) {
  const std::uint8_t checked = box->isChecked() ? 1 : 0;
  if (box == CheckBoxStatEmpl) W2().StatEmpl = checked;
  if (box == CheckBoxRetirePlan) W2().RetirePlan = checked;
  if (box == CheckBoxTPSickPay) W2().TPSickPay = checked;
}

void TFormW2::ComboBoxST1StateExit() {
  std::string text = FieldText(ComboBoxST1State);
  if (!CheckStateAbbrev(text)) {
    RejectField(ComboBoxST1State);
    return;
  }
  W2().ST1State = text;
  ComboBoxST1State->setEditText(FromRecordText(text));
}

void TFormW2::ComboBoxST2StateExit() {
  std::string text = TrimText(FieldText(ComboBoxST2State));
  if (text.empty()) {
    W2().ST2State = std::string();
    return;
  }
  if (!CheckStateAbbrev(text)) {
    RejectField(ComboBoxST2State);
    return;
  }
  W2().ST2State = text;
  ComboBoxST2State->setEditText(FromRecordText(text));
}

void TFormW2::EditST2StateIDExit() {
  W2Record& w2 = W2();
  w2.ST2StateID = TrimText(FieldText(EditST2StateID));
  if (StateLine2IdWithoutState(w2)) {
    ShowMessage(kStateLine2IdWithoutStateMessage, MsgIcon::Information);
    ComboBoxST2State->setFocus(Qt::OtherFocusReason);
  }
}

void TFormW2::CommitFocusedField() {
  QWidget* focused = QApplication::focusWidget();
  QWidget* const rejected = rejectedField_;
  rejectedField_ = nullptr;
  // The entry was refused as the focus came back to it; its message is on record.
  if (focused != nullptr && focused == rejected && FieldText(focused) == rejectedText_) return;
  leaveFilter_->CommitFocusedField();
  // A drop-down or check box changed again after its rule ran in this visit.
  if (auto it = committed_.find(focused);
      it != committed_.end() && FieldText(focused) != it->second.value) {
    const std::function<void()> rule = it->second.rule;
    rule();
  }
}

// --- Leaving the employee -----------------------------------------------------

bool TFormW2::SsnFixWanted() {
  if (CheckBoxVoid->isChecked()) return false;
  if (CheckSSN(FieldText(MaskEditSocSecNum), RulesForYear(W3().TaxYear).IdNumbers)) return false;
  const MsgButton answer =
      MessageBoxes().Show({kAppTitle, kFixSsnQuestion, MsgIcon::Warning, MsgYes | MsgNo, false});
  return answer == MsgYes;
}

void TFormW2::FocusSsnToFix() {
  // A new visit also when the field kept the focus (Enter, the close box):
  // leaving it unfixed reports the number again.
  if (MaskEditSocSecNum->hasFocus()) MaskEditSocSecNum->clearFocus();
  MaskEditSocSecNum->setFocus(Qt::OtherFocusReason);
  // The user stays to fix it: leaving it unfixed reports it again.
  refusedSsn_.clear();
}

void TFormW2::Navigate(const std::function<void()>& move) {
  CommitFocusedField();
  if (SsnFixWanted()) {
    FocusSsnToFix();
    return;
  }
  move();
}

void TFormW2::AfterMove(bool moved, const std::string& failure) {
  if (moved) {
    ShowEmployee();
  } else if (!file_.SaveRefused()) {
    ShowMessage(failure);
  }
  // A refused save has been explained by the file; the employee stays on
  // screen with the entries as the user left them.
}

void TFormW2::FrameFileNav1BitBtnFirstClick() {
  Navigate(
      [this] { AfterMove(file_.GoFirst(), "First employee not found (or already on the first)"); });
}

void TFormW2::FrameFileNav1BitBtnPrevsClick() {
  Navigate([this] {
    AfterMove(file_.GoPrev(), "Previous employee not found (or already on the first)");
  });
}

void TFormW2::FrameFileNav1BitBtnNextClick() {
  Navigate(
      [this] { AfterMove(file_.GoNext(), "Next employee not found (or already on the last)"); });
}

void TFormW2::FrameFileNav1BitBtnLastClick() {
  Navigate(
      [this] { AfterMove(file_.GoLast(), "Last employee not found (or already on the last)"); });
}

void TFormW2::FrameFileNav1BitBtnAddNewClick() {
  Navigate([this] { AfterMove(file_.AddNew(kRecTypeW2), "Could not add a new employee W-2"); });
}

void TFormW2::FrameFileNav1BitBtnIndexClick() {
  Navigate([this] {
    if (ExecDialog(*pickList_) != QDialog::Accepted) return;
    const std::string key = pickList_->ChosenKey();
    AfterMove(file_.LocateKey(key), "Could not locate employee with key = " + key);
  });
}

bool TFormW2::FormCloseQuery() {
  CommitFocusedField();
  if (SsnFixWanted()) {
    FocusSsnToFix();
    return false;
  }
  file_.SaveCurrent(true);
  // A refused save keeps the screen open: closing it would lose the entries.
  return !file_.SaveRefused();
}

void TFormW2::reject() {
  if (FormCloseQuery()) QDialog::reject();
}

// --- Box 12 and the edit check -----------------------------------------------

void TFormW2::BitBtnSetupBox12Click() {
  const std::array<TFrameBox12Item*, 4> items = box12Dialog_->Items();
  const bool twoLetters = HasTwoLetterBox12Codes(W3().TaxYear);
  for (std::size_t line = 0; line < items.size(); ++line) {
    PairBox12Code(items[line]->ComboBox1, box12Codes_[line], twoLetters);
    items[line]->Edit1->setText(box12Amounts_[line]->text());
  }
  if (ExecDialog(*box12Dialog_) != QDialog::Accepted) return;
  for (std::size_t line = 0; line < items.size(); ++line) {
    box12Codes_[line]->setText(Box12CodeOfLine(items[line]->ComboBox1->currentText(), twoLetters));
    box12Amounts_[line]->setText(items[line]->Edit1->text());
  }
  // The rules below move the focus to a refused entry; those moves are no
  // leaves of the user's.
  runningRules_ = true;
  for (int line = 0; line < 4; ++line) {
    Edit12CodeExit(line);
    AmountFieldExit(box12Amounts_[static_cast<std::size_t>(line)]);
  }
  runningRules_ = false;
}

void TFormW2::BitBtnErrorCheckClick() {
  CommitFocusedField();
  // Leaving the Void box for the button may just have made the W-2 void.
  if (W2().Void != 0) return;
  if (ErrorReportView == nullptr) {
    ShowMessage("The W-2 Error Check is not available in this version of Quillmar.",
                MsgIcon::Information);
    return;
  }
  W2Record& w2 = W2();
  const Currency ssWages = w2.SSWages;
  const Currency medWage = w2.MedWage;
  ErrorLines = RunErrorCheck(w2, yearRates_);
  // Boxes 3 and 5 show what the check lowered them to, so that leaving one of
  // them does not store the old amount again.
  if (w2.SSWages != ssWages) ShowAmount(EditSSWages, w2.SSWages);
  if (w2.MedWage != medWage) ShowAmount(EditMedWage, w2.MedWage);
  ErrorReportView->ShowReport(ErrorLines);
}
