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
#include <optional>
#include <type_traits>

#include "data/BlankW2.h"
#include "data/CountryTable.h"
#include "data/EntryRules.h"
#include "data/QuillmarFormFile.h"
#include "data/RecordKind.h"
#include "data/StateTable.h"
#include "forms/FieldCaptions.h"
#include "forms/W2Geometry.h"
#include "platform/MessageBoxes.h"
#include "platform/qt/QtRecordText.h"
#include "rules/Box12Codes.h"
#include "rules/DeleteW2.h"
#include "rules/TaxYearRules.h"
#include "rules/TippedOccupations.h"
#include "rules/TipsAndOvertime.h"
#include "rules/W2AutoFill.h"
#include "rules/W2EditCheck.h"
#include "rules/W2ForeignAddress.h"
#include "rules/W2StateLines.h"
#include "screens/Box12Frame.h"
#include "screens/ComboLists.h"
#include "screens/DlgW2Box12.h"
#include "screens/EntryMessage.h"
#include "screens/ErrorReportView.h"
#include "screens/FileNavFrame.h"
#include "screens/FileQuestions.h"
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
  void Reject(const std::string& message) override {
    ShowMessage(message, MsgIcon::None);
    reject_();
  }

 private:
  QLineEdit* edit_;
  std::function<void()> reject_;
};

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

void TFormW2::BuildForm() {
  setObjectName(QStringLiteral("FormW2"));
  setWindowTitle(QStringLiteral("W-2 Wage and Tax Statement"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  Canvas = new TFormCanvas(W2ScreenPictureForYear(W3().TaxYear), this);
  Canvas->setObjectName(QStringLiteral("Canvas"));
  // Each box begins 0.6 line above its first field: its caption stays in that room.
  Canvas->SetCaptionRoom(0.6);
  layout->addWidget(Canvas);

  // One entry field for each item of the W-2 table that the screen shows.
  for (const W2LayoutRow& row : W2Layout()) {
    if (*row.widget == '\0') continue;
    const std::string_view name = row.widget;
    QWidget* field = nullptr;
    if (row.kind == W2FieldKind::Check) {
      field = AddField<QCheckBox>(row.widget);
    } else if (name.starts_with("ComboBox")) {
      field = AddField<QComboBox>(row.widget);
    } else {
      auto* edit = AddField<QLineEdit>(row.widget);
      if (row.kind == W2FieldKind::Amount) edit->setAlignment(Qt::AlignRight);
      field = edit;
    }
    fields_[static_cast<std::size_t>(row.field)] = field;
    // A screen reader reads the box caption: "Box 1 Wages, tips, other compensation".
    field->setAccessibleName(QString::fromStdString(W2FieldCaption(row.field)));
  }
  // A digit or a blank in each place; the blanks read as spaces.
  Line(W2Field::SocSecNum)->setInputMask(QStringLiteral("000-00-0000; "));
  KeepCursorInTypedPart(Line(W2Field::SocSecNum));
  Line(W2Field::Zip)->setInputMask(QStringLiteral("00000-0000; "));
  KeepCursorInTypedPart(Line(W2Field::Zip));
  for (QWidget* foreign : {static_cast<QWidget*>(Line(W2Field::PostCode)),
                           static_cast<QWidget*>(Combo(W2Field::Country))}) {
    foreign->setStyleSheet(QStringLiteral("background-color: aqua;"));
  }
  box12Codes_ = {Line(W2Field::Box12aCode), Line(W2Field::Box12bCode), Line(W2Field::Box12cCode),
                 Line(W2Field::Box12dCode)};
  box12Amounts_ = {Line(W2Field::Box12aAmount), Line(W2Field::Box12bAmount),
                   Line(W2Field::Box12cAmount), Line(W2Field::Box12dAmount)};
  for (QLineEdit* code : box12Codes_) code->setMaxLength(1);
  // The state boxes are two letters wide: a slim drop-down button leaves them room.
  for (QComboBox* state : {Combo(W2Field::ST1State), Combo(W2Field::ST2State)}) {
    state->setStyleSheet(
        QStringLiteral("QComboBox { background-color: yellow; padding-left: 1px; }"
                       " QComboBox::drop-down { width: 9px; }"));
  }

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
  BitBtnSetupBox12 = new QPushButton(QStringLiteral("Box &12"), PanelButtons);
  BitBtnSetupBox12->setObjectName(QStringLiteral("BitBtnSetupBox12"));
  BitBtnErrorCheck = new QPushButton(QStringLiteral("Error &Check"), PanelButtons);
  BitBtnErrorCheck->setObjectName(QStringLiteral("BitBtnErrorCheck"));
  BitBtnDeleteW2 = new QPushButton(QStringLiteral("&Delete W-2"), PanelButtons);
  BitBtnDeleteW2->setObjectName(QStringLiteral("BitBtnDeleteW2"));
  BitBtnClose = new QPushButton(QStringLiteral("Cl&ose"), PanelButtons);
  BitBtnClose->setObjectName(QStringLiteral("BitBtnClose"));
  panelLayout->setSpacing(2);
  for (QPushButton* button : {BitBtnSetupBox12, BitBtnErrorCheck, BitBtnDeleteW2, BitBtnClose})
    panelLayout->addWidget(button);
  Canvas->Place(PanelButtons, W2FieldRect("PanelButtons"));

  SetTabOrder();
  WatchFields();
  ArrangeForYear();

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
  connect(BitBtnDeleteW2, &QPushButton::clicked, this, [this] { BitBtnDeleteW2Click(); });
  connect(BitBtnClose, &QPushButton::clicked, this, &QWidget::close);

  FitToWorkArea(DesktopWorkArea(*this));
}

void TFormW2::FitToWorkArea(const QRect& workArea) { FitFormWindow(*this, *Canvas, workArea); }

void TFormW2::SetTabOrder() {
  // The items in the order of the W-2 table, then the buttons.
  std::vector<QWidget*> order;
  for (QWidget* field : fields_) {
    if (field != nullptr) order.push_back(field);
  }
  order.insert(order.end(),
               {FrameFileNav1->BitBtnIndex, FrameFileNav1->BitBtnFirst, FrameFileNav1->BitBtnPrevs,
                FrameFileNav1->BitBtnNext, FrameFileNav1->BitBtnLast, FrameFileNav1->BitBtnAddNew,
                BitBtnSetupBox12, BitBtnErrorCheck, BitBtnDeleteW2, BitBtnClose});
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

  for (const W2LayoutRow& row : W2Layout()) {
    QWidget* field = fields_[static_cast<std::size_t>(row.field)];
    if (field == nullptr) continue;
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
      watchLine(edit, RuleOf(row.field));
    } else {
      watchWidget(field, RuleOf(row.field));
    }
  }
}

std::function<void()> TFormW2::RuleOf(W2Field field) {
  switch (field) {
    case W2Field::ControlNum:
      return [this] { EditControlNumExit(); };
    case W2Field::Void:
      return [this] { CheckBoxVoidExit(); };
    case W2Field::SocSecNum:
      return [this] { MaskEditSocSecNumExit(); };
    case W2Field::FirstName:
      return [this] { EditFirstNameInitialExit(); };
    case W2Field::Zip:
      return [this] { MaskEditZipExit(); };
    case W2Field::PostCode:
      return [this] { EditPostCodeExit(); };
    case W2Field::Country:
      return [this] { ComboBoxCountryExit(); };
    case W2Field::Wages:
      return [this] { EditWagesExit(); };
    case W2Field::ST1State:
      return [this] { ComboBoxST1StateExit(); };
    case W2Field::ST2State:
      return [this] { ComboBoxST2StateExit(); };
    case W2Field::ST2StateID:
      return [this] { EditST2StateIDExit(); };
    default:
      break;
  }
  QWidget* widget = fields_[static_cast<std::size_t>(field)];
  switch (W2Row(field).kind) {
    case W2FieldKind::Amount:
      return [this, widget] { AmountFieldExit(static_cast<QLineEdit*>(widget)); };
    case W2FieldKind::Check:
      return [this, widget] { CheckBoxExit(static_cast<QCheckBox*>(widget)); };
    case W2FieldKind::Code: {
      const int line = W2Row(field).access.box12Line;
      return [this, line] { Edit12CodeExit(line); };
    }
    case W2FieldKind::Text:
      break;
  }
  return [this, widget] { TextFieldExit(widget); };
}

QLineEdit* TFormW2::Line(W2Field field) const {
  return static_cast<QLineEdit*>(fields_[static_cast<std::size_t>(field)]);
}

QComboBox* TFormW2::Combo(W2Field field) const {
  return static_cast<QComboBox*>(fields_[static_cast<std::size_t>(field)]);
}

QCheckBox* TFormW2::Check(W2Field field) const {
  return static_cast<QCheckBox*>(fields_[static_cast<std::size_t>(field)]);
}

std::optional<W2Field> TFormW2::FieldOf(const QWidget* widget) const {
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    if (widget != nullptr && fields_[i] == widget) return static_cast<W2Field>(i);
  }
  return std::nullopt;
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
    Combo(W2Field::AddrState)->addItem(FromRecordText(std::string(state.Name)));
    Combo(W2Field::ST2State)->addItem(FromRecordText(std::string(state.Abbrev)));
  }
  for (const CountryEntry& country : CountryTable)
    Combo(W2Field::Country)->addItem(FromRecordText(std::string(country.Name)));
  for (QComboBox* combo : {Combo(W2Field::AddrState), Combo(W2Field::Country),
                           Combo(W2Field::ST1State), Combo(W2Field::ST2State)})
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

void TFormW2::ShowAmount(QLineEdit* edit, Currency amount) {
  edit->setText(FromRecordText(FormatAmount(amount)));
}

void TFormW2::ShowEmployee() {
  const W3Record& w3 = W3();
  W2Record& w2 = W2();
  rejectedField_ = nullptr;
  refusedSsn_.clear();

  Label3->setText(QString::number(w3.TaxYear));
  const std::pair<QLabel*, W2Field> employer[] = {{LabelEmployerID, W2Field::EmployerEIN},
                                                  {LabelEmployerName, W2Field::EmployerName},
                                                  {LabelEmployerAddress1, W2Field::EmployerSuite},
                                                  {LabelEmployerAddress2, W2Field::EmployerStreet},
                                                  {LabelEmployerAddress3, W2Field::EmployerTown},
                                                  {LabelEmployerAddress4, W2Field::EmployerState}};
  for (const auto& [label, field] : employer) label->setText(FromRecordText(W2Text(field, w2, w3)));

  autoFillArmed_ = W2AutoFillArmed(w2);

  for (const W2LayoutRow& row : W2Layout()) {
    QWidget* field = fields_[static_cast<std::size_t>(row.field)];
    if (field == nullptr) continue;
    switch (row.kind) {
      case W2FieldKind::Amount:
        ShowAmount(Line(row.field), W2Amount(row.field, w2));
        break;
      case W2FieldKind::Check:
        Check(row.field)->setChecked(W2Checked(row.field, w2));
        break;
      case W2FieldKind::Code: {
        // An unused line shows a blank.
        const std::string code = Box12CodeOf(W2Box12Line(row.field, w2), w3.TaxYear);
        Line(row.field)->setText(FromRecordText(code.empty() ? " " : code));
        break;
      }
      case W2FieldKind::Text:
        SetFieldText(field, W2Text(row.field, w2, w3));
        break;
    }
  }
  // The first name with the middle initial, the control number also when it
  // is 0, the country by its name.
  Line(W2Field::FirstName)->setText(FromRecordText(EmployeeFirstNameAndInitial(w2)));
  Line(W2Field::ControlNum)->setText(QString::number(W2Number(W2Field::ControlNum, w2)));
  BitBtnErrorCheck->setEnabled(!W2Checked(W2Field::Void, w2));
  Combo(W2Field::Country)
      ->setEditText(FromRecordText(CountryName(W2Text(W2Field::Country, w2, w3))));

  const StateLine1Lock locked = ApplyStateLine1Defaults(w2, w3);
  Combo(W2Field::ST1State)->setEditText(FromRecordText(W2Text(W2Field::ST1State, w2, w3)));
  Line(W2Field::ST1StateID)->setText(FromRecordText(W2Text(W2Field::ST1StateID, w2, w3)));
  Combo(W2Field::ST1State)->setEnabled(!locked.state);
  Line(W2Field::ST1StateID)->setEnabled(!locked.stateID);
  // What the screen filled in itself is no change of the user's.
  file_.TakeAsShown();

  ShowYearFields();

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
  ScreenEntryField field(Line(W2Field::ControlNum),
                         [this] { RejectField(Line(W2Field::ControlNum)); });
  std::int32_t value = W2Number(W2Field::ControlNum, W2());
  ReadIntegerField(field, value);
  W2SetNumber(W2Field::ControlNum, W2(), value);
}

void TFormW2::CheckBoxVoidExit() {
  W2SetChecked(W2Field::Void, W2(), Check(W2Field::Void)->isChecked());
  BitBtnErrorCheck->setEnabled(!Check(W2Field::Void)->isChecked());
}

void TFormW2::MaskEditSocSecNumExit() {
  const std::string text = FieldText(Line(W2Field::SocSecNum));
  if (text == kSsnNotAvailable || text == kBlankSsn || text.empty()) {
    ShowMessage(kSsnSetMessage);
    Line(W2Field::SocSecNum)->setText(QString::fromLatin1(kSsnNotAvailable));
    W2StoreText(W2Field::SocSecNum, W2(), kSsnNotAvailable);
    return;
  }
  // Refused once already: the user leaves it as it is, and leaving the
  // employee asks about it.
  if (text == refusedSsn_) return;
  // A bad number keeps the stored one; the focus goes back for the user to fix it.
  if (EntryAccepted(CheckSSN(text, RulesForYear(W3().TaxYear).IdNumbers))) {
    W2StoreText(W2Field::SocSecNum, W2(), text);
    refusedSsn_.clear();
    return;
  }
  refusedSsn_ = text;
  RejectField(Line(W2Field::SocSecNum));
}

void TFormW2::EditFirstNameInitialExit() {
  W2StoreText(W2Field::FirstName, W2(), FieldText(Line(W2Field::FirstName)));
}

void TFormW2::TextFieldExit(QWidget* field) {
  if (const std::optional<W2Field> item = FieldOf(field))
    W2StoreText(*item, W2(), FieldText(field));
}

W2AddressEntries TFormW2::AddressEntries() const {
  return {FieldText(Line(W2Field::Zip)) != kBlankZip, !FieldText(Line(W2Field::PostCode)).empty(),
          !FieldText(Combo(W2Field::Country)).empty()};
}

void TFormW2::MaskEditZipExit() {
  const std::string text = FieldText(Line(W2Field::Zip));
  if (text == kBlankZip) {
    W2StoreText(W2Field::Zip, W2(), std::string());
    return;
  }
  if (const auto warning = ZipWarning(AddressEntries())) ShowMessage(*warning, MsgIcon::Warning);
  if (CheckZip(text)) {
    W2StoreText(W2Field::Zip, W2(), text);
  } else {
    RejectField(Line(W2Field::Zip));
  }
}

void TFormW2::EditPostCodeExit() {
  if (const auto warning = PostCodeWarning(AddressEntries())) {
    ShowMessage(*warning, MsgIcon::Information);
  }
  W2StoreText(W2Field::PostCode, W2(), FieldText(Line(W2Field::PostCode)));
}

void TFormW2::ComboBoxCountryExit() {
  if (const auto warning = CountryWarning(AddressEntries())) {
    ShowMessage(*warning, MsgIcon::Information);
  }
  W2StoreText(W2Field::Country, W2(), CountryCode(FieldText(Combo(W2Field::Country))));
}

void TFormW2::AmountFieldExit(QLineEdit* edit) {
  const std::optional<W2Field> item = FieldOf(edit);
  if (!item || W2Row(*item).kind != W2FieldKind::Amount) return;
  ScreenEntryField field(edit, [this, edit] { RejectField(edit); });
  Currency amount = W2Amount(*item, W2());
  const Currency before = amount;
  ReadAmountField(field, amount);
  W2SetAmount(*item, W2(), amount);
  if (W2Row(*item).access.box12Line >= 0)
    TipRulesAccept(static_cast<int>(TipFinding::Part::Box12), edit, amount != before);
}

void TFormW2::EditWagesExit() {
  AmountFieldExit(Line(W2Field::Wages));
  if (autoFillArmed_) AutoFill();
}

void TFormW2::AutoFill() {
  W2Record& w2 = W2();
  const W2FilledBoxes filled = W2AutoFill(w2, FieldText(Line(W2Field::Wages)), yearRates_);
  for (const auto& [field, isFilled] :
       {std::pair(W2Field::SSWages, filled.SSWages), std::pair(W2Field::SSTax, filled.SSTax),
        std::pair(W2Field::MedWage, filled.MedWage), std::pair(W2Field::MedTax, filled.MedTax)}) {
    if (isFilled) ShowAmount(Line(field), W2Amount(field, w2));
  }
  // The state and local wages show box 1 as typed.
  if (filled.ST1StateWage) Line(W2Field::ST1StateWage)->setText(Line(W2Field::Wages)->text());
  if (filled.ST1LocalWage) Line(W2Field::ST1LocalWage)->setText(Line(W2Field::Wages)->text());
}

void TFormW2::Edit12CodeExit(int line) {
  QLineEdit* edit = box12Codes_[static_cast<std::size_t>(line)];
  ScreenEntryField field(edit, [this, edit] { RejectField(edit); });
  Box12Entry& entry = W2Box12Line(FieldOf(edit).value_or(W2Field::Box12aCode), W2());
  const std::string before = entry.CodeText();
  if (HasTwoLetterBox12Codes(W3().TaxYear)) {
    ReadTwoLetterCodeField(field, entry.Code, entry.Code2);
  } else {
    // The byte after the code stays as the file holds it.
    ReadCodeField(field, entry.Code);
  }
  if (rejectedField_ != edit)
    TipRulesAccept(static_cast<int>(TipFinding::Part::Box12), edit, entry.CodeText() != before);
}

// --- The fields of the current form ------------------------------------------

void TFormW2::ArrangeForYear() {
  const std::int32_t year = W3().TaxYear;
  if (Uses2001W2Form(year)) return;
  // Box a holds the SSN, box d the control number.
  Canvas->Place(Line(W2Field::SocSecNum), W2FieldRect("EditControlNum"));
  Canvas->Place(Line(W2Field::ControlNum), W2FieldRect("MaskEditSocSecNum"));
  GridRect last = W2FieldRect("EditLastName");
  last.cols = kScreenLastNameCols;
  Canvas->Place(Line(W2Field::LastName), last);
  EditSuffix = AddField<QLineEdit>("EditSuffix");
  EditSuffix->setMaxLength(4);
  Canvas->Place(EditSuffix, kScreenSuffixRect);
  setTabOrder(Line(W2Field::LastName), EditSuffix);
  const auto suffixRule = LeaveRule(EditSuffix, [this] { SuffixExit(); });
  leaveFilter_->Watch(EditSuffix, suffixRule);
  committed_[EditSuffix] = Committed{std::string(), suffixRule};
  if (W2GeometryForYear(year).box9Shaded) {
    QLineEdit* box9 = Line(W2Field::AdvEIC);
    box9->setEnabled(false);
    box9->setStyleSheet(QStringLiteral("background-color: lightgray;"));
  }
  if (!W2GeometryForYear(year).box14b) return;
  QStringList lines;
  for (const std::string& line : TipCodeLinesOfYear(year)) lines << FromRecordText(line);
  QWidget* before = Line(W2Field::Box14cAmount);
  for (int i = 0; i < 2; ++i) {
    QComboBox* combo = AddField<QComboBox>(i == 0 ? "ComboBoxTipCode1" : "ComboBoxTipCode2");
    combo->addItems(lines);
    // Typed into by code, or by any part of one occupation's title, which
    // leaving the field looks up (TipCodeOfEntry); or picked from the list.
    Canvas->Place(combo, kScreenTipCodeRects[i]);
    tipCodes_[static_cast<std::size_t>(i)] = combo;
    setTabOrder(before, combo);
    before = combo;
    const auto rule = LeaveRule(combo, [this, i] { TipCodeExit(i); });
    leaveFilter_->Watch(combo, rule);
    committed_[combo] = Committed{std::string(), rule};
  }
}

namespace {

// The box 14b code of the screen's first or second code field.
W2Field TipCodeField(std::size_t index) {
  return index == 0 ? W2Field::TipCode1 : W2Field::TipCode2;
}

}  // namespace

void TFormW2::ShowYearFields() {
  const W2Record& w2 = W2();
  if (EditSuffix != nullptr) EditSuffix->setText(FromRecordText(W2Text(W2Field::Suffix, w2)));
  if (!Line(W2Field::AdvEIC)->isEnabled()) Line(W2Field::AdvEIC)->clear();
  for (std::size_t i = 0; i < tipCodes_.size(); ++i) {
    if (tipCodes_[i] == nullptr) continue;
    const std::string code = W2Text(TipCodeField(i), w2);
    const TippedOccupation* known = FindTippedOccupation(code, W3().TaxYear);
    std::string shown = code;
    if (known != nullptr) shown += " " + std::string(known->title);
    if (code == kNotListedOccupation) shown = TipCodeLinesOfYear(W3().TaxYear).front();
    tipCodes_[i]->setEditText(FromRecordText(shown));
  }
}

void TFormW2::SuffixExit() { W2StoreText(W2Field::Suffix, W2(), TrimText(FieldText(EditSuffix))); }

void TFormW2::TipCodeExit(int index) {
  QComboBox* combo = tipCodes_[static_cast<std::size_t>(index)];
  const std::string typed = TrimText(FieldText(combo));
  const std::string code = TipCodeOfEntry(typed, W3().TaxYear);
  const bool digits = code.size() == 3 && code.find_first_not_of("0123456789") == std::string::npos;
  if (!code.empty() && !digits) {
    ShowMessage("Box 14b takes a three-digit tipped occupation code: \"" + typed +
                    "\" is none. Type the code, or part of an occupation's title and pick it "
                    "from the list.",
                MsgIcon::None);
    RejectField(combo);
    return;
  }
  const W2Field field = TipCodeField(static_cast<std::size_t>(index));
  const bool changed = W2Text(field, W2()) != code;
  W2StoreText(field, W2(), code);
  if (!TipRulesAccept(static_cast<int>(TipFinding::Part::Box14b), combo, changed)) return;
  ShowYearFields();
}

bool TFormW2::TipRulesAccept(int part, QWidget* field, bool changed) {
  std::string warnings;
  for (const TipFinding& finding : CheckTipsAndOvertime(W2(), W3().TaxYear)) {
    if (static_cast<int>(finding.part) != part) continue;
    if (finding.error) {
      ShowMessage(finding.text, MsgIcon::None);
      RejectField(field);
      return false;
    }
    warnings += (warnings.empty() ? "" : "\r") + finding.text;
  }
  if (changed && !warnings.empty()) ShowMessage(warnings, MsgIcon::Information);
  return true;
}

void TFormW2::CheckBoxExit(QCheckBox* box) {
  if (const std::optional<W2Field> item = FieldOf(box)) W2SetChecked(*item, W2(), box->isChecked());
}

void TFormW2::ComboBoxST1StateExit() {
  std::string text = FieldText(Combo(W2Field::ST1State));
  if (!EntryAccepted(CheckStateAbbrev(text))) {
    RejectField(Combo(W2Field::ST1State));
    return;
  }
  W2StoreText(W2Field::ST1State, W2(), text);
  Combo(W2Field::ST1State)->setEditText(FromRecordText(text));
}

void TFormW2::ComboBoxST2StateExit() {
  std::string text = TrimText(FieldText(Combo(W2Field::ST2State)));
  if (text.empty()) {
    W2StoreText(W2Field::ST2State, W2(), std::string());
    return;
  }
  if (!EntryAccepted(CheckStateAbbrev(text))) {
    RejectField(Combo(W2Field::ST2State));
    return;
  }
  W2StoreText(W2Field::ST2State, W2(), text);
  Combo(W2Field::ST2State)->setEditText(FromRecordText(text));
}

void TFormW2::EditST2StateIDExit() {
  W2Record& w2 = W2();
  W2StoreText(W2Field::ST2StateID, w2, TrimText(FieldText(Line(W2Field::ST2StateID))));
  if (StateLine2IdWithoutState(w2)) {
    ShowMessage(kStateLine2IdWithoutStateMessage, MsgIcon::Information);
    Combo(W2Field::ST2State)->setFocus(Qt::OtherFocusReason);
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
  if (Check(W2Field::Void)->isChecked()) return false;
  // A new or blank W-2 the user typed nothing into is dropped, not questioned.
  if (file_.Untouched() && (file_.CurOfs() == nullptr || IsBlankW2(W2()))) return false;
  if (EntryAccepted(
          CheckSSN(FieldText(Line(W2Field::SocSecNum)), RulesForYear(W3().TaxYear).IdNumbers)))
    return false;
  const MsgButton answer =
      MessageBoxes().Show({kAppTitle, kFixSsnQuestion, MsgIcon::Warning, MsgYes | MsgNo, false});
  return answer == MsgYes;
}

void TFormW2::FocusSsnToFix() {
  // A new visit also when the field kept the focus (Enter, the close box):
  // leaving it unfixed reports the number again.
  if (Line(W2Field::SocSecNum)->hasFocus()) Line(W2Field::SocSecNum)->clearFocus();
  Line(W2Field::SocSecNum)->setFocus(Qt::OtherFocusReason);
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
  } else if (!ShowIfSaveRefused(file_)) {
    ShowMessage(failure);
  }
  // After a refused save the employee stays on screen with the entries as
  // the user left them.
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
  // A refused save keeps the screen open: closing it would lose the entries.
  (void)file_.SaveCurrent(true);
  return !ShowIfSaveRefused(file_);
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
  if (W2Checked(W2Field::Void, W2())) return;
  if (ErrorReportView == nullptr) {
    ShowMessage("The W-2 Error Check is not available in this version of Quillmar.",
                MsgIcon::Information);
    return;
  }
  W2Record& w2 = W2();
  const Currency ssWages = W2Amount(W2Field::SSWages, w2);
  const Currency medWage = W2Amount(W2Field::MedWage, w2);
  ErrorLines = RunErrorCheck(w2, yearRates_);
  // Boxes 3 and 5 show what the check lowered them to, so that leaving one of
  // them does not store the old amount again.
  for (const auto& [field, before] :
       {std::pair(W2Field::SSWages, ssWages), std::pair(W2Field::MedWage, medWage)}) {
    if (W2Amount(field, w2) != before) ShowAmount(Line(field), W2Amount(field, w2));
  }
  ErrorReportView->ShowReport(ErrorLines);
}

// --- Deleting the employee ----------------------------------------------------

void TFormW2::BitBtnDeleteW2Click() {
  if (const std::string refusal = DeleteW2Refusal(file_); !refusal.empty()) {
    ShowMessage(refusal, MsgIcon::Information);
    return;
  }
  if (MessageBoxes().Show({kAppTitle, DeleteW2Question(W2()), MsgIcon::Question, MsgYes | MsgNo,
                           false}) != MsgYes) {
    return;
  }
  if (!file_.DeleteCurrent()) return;
  ShowEmployee();
  FrameFileNav1->BitBtnNext->setFocus(Qt::OtherFocusReason);
}
