#include "screens/W3InputForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <optional>
#include <string_view>
#include <utility>

#include "data/Currency.h"
#include "data/EntryRules.h"
#include "data/QuillmarFormFile.h"
#include "data/StateTable.h"
#include "forms/FieldCaptions.h"
#include "forms/W2Geometry.h"
#include "platform/AsciiText.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/qt/QtRecordText.h"
#include "rules/Box12Codes.h"
#include "rules/KindOfPayer.h"
#include "rules/TaxYearCheck.h"
#include "rules/TaxYearRules.h"
#include "screens/ComboLists.h"
#include "screens/DlgSocSecMed.h"
#include "screens/DlgW3PayerKind.h"
#include "screens/EntryMessage.h"
#include "screens/FileQuestions.h"
#include "screens/FormCanvas.h"
#include "screens/LeaveFieldFilter.h"
#include "screens/MaskCursor.h"
#include "screens/W3ScreenLayout.h"

namespace {

// The masks of the masked fields (a blank place shows as a space) and the
// text each shows when nothing is typed.
constexpr const char* kEinMask = "00-0000000; ";
constexpr const char* kBlankEin = "  -       ";
constexpr const char* kZipMask = "00000-0000; ";
constexpr const char* kBlankZip = "     -    ";
constexpr const char* kPhoneMask = "(000)000-0000; ";
constexpr const char* kBlankPhone = "(   )   -    ";

constexpr const char* kMultipleStates = "X";
constexpr const char* kRatesCaptionTail = " Soc.Sec. && Medicare Rates";
constexpr const char* kEMailWarning = "Check EMail address, format may be invalid";
constexpr const char* kBox13Warning =
    "Your Kind of Payer setting says you do not have any Third Party Sick Pay yet there is an "
    "entry in Box 13 "
    "(For Third Party Sick Pay use only)";
// How much of an e-mail address after its "@" is searched for a ".".
constexpr std::size_t kEMailDomainSearch = 40;
constexpr int kNoTPSickPay = 0;

// The text of a field as the rules see it: a masked field with its literals
// and its blank places as spaces.
std::string ShownText(const QLineEdit* edit) { return RecordText(edit->displayText()); }

// A line edit as the entry rules see it, noting whether a rule rejected the
// entry. A rule that rejects asks for the focus back; the screen gives it
// (TFormW3::Reject), so that the field's next leave runs its rule again.
class ScreenField final : public IEntryField {
 public:
  explicit ScreenField(QLineEdit* edit) : edit_(edit) {}
  std::string Text() const override { return ShownText(edit_); }
  void Reject(const std::string& message) override {
    ShowMessage(message, MsgIcon::None);
    rejected_ = true;
  }
  bool Rejected() const { return rejected_; }

 private:
  QLineEdit* edit_;
  bool rejected_ = false;
};

// A telephone or fax number as shown; a field left blank is emptied.
std::string PhoneNumber(QLineEdit* edit) {
  std::string text = ShownText(edit);
  if (text == kBlankPhone) {
    edit->clear();
    text.clear();
  }
  return text;
}

void ShowRecordText(QComboBox* combo, const std::string& text) {
  const QString shown = FromRecordText(text);
  combo->setCurrentIndex(combo->findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive));
  combo->setEditText(shown);
}

// Entry fields have a yellow background.
void MarkAsEntry(QWidget* widget) {
  QPalette p = widget->palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    p.setColor(group, QPalette::Base, QColor(255, 255, 160));
  }
  widget->setPalette(p);
}

// The text of a field as shown, for telling whether a refused entry was changed.
QString ShownFieldText(const QWidget* field) {
  if (const auto* edit = qobject_cast<const QLineEdit*>(field)) return edit->displayText();
  if (const auto* combo = qobject_cast<const QComboBox*>(field)) return combo->currentText();
  return {};
}

}  // namespace

TFormW3::TFormW3(TQuillmarFormFile& file, TQuillmarRegistry& registry, QWidget* parent)
    : QDialog(parent), file_(file), registry_(registry) {
  BuildForm();
  FormCreate();
}

TFormW3::~TFormW3() {
  // The fields lose the focus as they go; that is no leaving by the user.
  closing_ = true;
  Canvas->removeEventFilter(this);
}

W3Record& TFormW3::Rec() { return file_.WorkRec.w3; }

void TFormW3::BuildForm() {
  setObjectName(QStringLiteral("FormW3"));
  setWindowTitle(QStringLiteral("W-3 Transmittal of Wage and Tax Statements"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  Canvas = new TFormCanvas(W3FormPicture(), this);
  Canvas->setObjectName(QStringLiteral("Canvas"));
  // A caption has the line above its box's value: it stays on that line.
  Canvas->SetOneLineCaptions();
  layout->addWidget(Canvas);

  auto place = [this](auto* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    // A screen reader reads the box caption.
    if (const std::string caption = W3WidgetCaption(name); !caption.empty())
      widget->setAccessibleName(QString::fromStdString(caption));
    Canvas->Place(widget, W3ControlRect(name));
    return widget;
  };
  auto entry = [&](const char* name, std::size_t capacity) {
    auto* edit = place(new QLineEdit(Canvas), name);
    edit->setMaxLength(static_cast<int>(capacity));
    MarkAsEntry(edit);
    return edit;
  };
  auto masked = [&](const char* name, const char* mask) {
    auto* edit = place(new QLineEdit(Canvas), name);
    edit->setInputMask(QString::fromLatin1(mask));
    KeepCursorInTypedPart(edit);
    MarkAsEntry(edit);
    return edit;
  };
  auto list = [&](const char* name) {
    auto* combo = place(new QComboBox(Canvas), name);
    combo->setEditable(true);
    // Stored as typed: nothing is completed and nothing is added to the list.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->setMaxVisibleItems(16);
    MarkAsEntry(combo);
    return combo;
  };
  auto total = [&](const char* name) {
    auto* label = place(new QLabel(Canvas), name);
    label->setAutoFillBackground(true);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, Qt::white);
    label->setPalette(p);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
  };
  auto text = [&](const char* name, const char* caption) {
    auto* label = place(new QLabel(QString::fromUtf8(caption), Canvas), name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
  };

  text("LabelTaxYear", "Tax Year:");
  EditTaxYear = entry("EditTaxYear", 11);
  QFont yearFont = EditTaxYear->font();
  yearFont.setBold(true);
  yearFont.setPointSizeF(yearFont.pointSizeF() * 1.6);
  EditTaxYear->setFont(yearFont);
  ButtonSSMedcareRates = place(new QPushButton(Canvas), "ButtonSSMedcareRates");
  EditControlNum = entry("EditControlNum", 11);
  LabelKindofPayer = total("LabelKindofPayer");
  ButtonPayer = place(new QPushButton(QStringLiteral("Set or Change Kind"), Canvas), "ButtonPayer");
  LabelW2Count = total("LabelW2Count");
  EditEstablishment = entry("EditEstablishment", decltype(W3Record::Establishment)::Capacity);
  MaskEditEmployerFedID = masked("MaskEditEmployerFedID", kEinMask);
  EditEmployerName = entry("EditEmployerName", decltype(W3Record::EmployerName)::Capacity);
  text("LabelSuite", "Suite/Unit:");
  EditSuite = entry("EditSuite", decltype(W3Record::Suite)::Capacity);
  text("LabelStreet", "Street:");
  EditStreet = entry("EditStreet", decltype(W3Record::Street)::Capacity);
  text("LabelTown", "Town:");
  EditTown = entry("EditTown", decltype(W3Record::Town)::Capacity);
  ComboBoxState = list("ComboBoxState");
  // Typing stops at what the record keeps; a longer list entry shows cut to it.
  ComboBoxState->lineEdit()->setMaxLength(decltype(W3Record::State)::Capacity);
  MaskEditZip = masked("MaskEditZip", kZipMask);
  MaskEditOtherEIN = masked("MaskEditOtherEIN", kEinMask);
  ComboBoxStateForID = list("ComboBoxStateForID");
  EditStateID = entry("EditStateID", decltype(W3Record::StateID)::Capacity);
  LabelStateHint =
      text("LabelStateHint", " If multiple W-2 States, State = X and leave State ID# empty ");
  LabelStateHint->setWordWrap(true);
  EditContact = entry("EditContact", decltype(W3Record::Contact)::Capacity);
  MaskEditPhone = masked("MaskEditPhone", kPhoneMask);
  EditEMail = entry("EditEMail", decltype(W3Record::EMail)::Capacity);
  MaskEditFax = masked("MaskEditFax", kPhoneMask);
  EditTPSickPayUseOnly =
      entry("EditTPSickPayUseOnly", decltype(W3Record::TPSickPayUseOnly)::Capacity);
  EditTaxWheldTPSickPay = entry("EditTaxWheldTPSickPay", 32);
  // The totals of the W-2s, where the W-3 table places them.
  for (const W3LayoutRow& row : W3Layout()) {
    if (row.kind == W3FieldKind::Amount && std::string_view(row.widget).starts_with("Label"))
      totals_.emplace_back(row.field, total(row.widget));
  }
  BitBtnOK = place(new QPushButton(QStringLiteral("OK"), Canvas), "BitBtnOK");
  BitBtnOK->setDefault(true);
  BitBtnCancel = place(new QPushButton(QStringLiteral("Cancel"), Canvas), "BitBtnCancel");
  // A click on Cancel leaves the field being typed in without its rule: the
  // entries are dropped anyway, and a question of the rule would lose the click.
  BitBtnCancel->setFocusPolicy(Qt::TabFocus);

  const std::array<QWidget*, 23> tabOrder = {EditTaxYear,
                                             ButtonSSMedcareRates,
                                             EditControlNum,
                                             ButtonPayer,
                                             EditEstablishment,
                                             MaskEditEmployerFedID,
                                             EditEmployerName,
                                             EditSuite,
                                             EditStreet,
                                             EditTown,
                                             ComboBoxState,
                                             MaskEditZip,
                                             MaskEditOtherEIN,
                                             ComboBoxStateForID,
                                             EditStateID,
                                             EditContact,
                                             MaskEditPhone,
                                             EditEMail,
                                             MaskEditFax,
                                             EditTPSickPayUseOnly,
                                             EditTaxWheldTPSickPay,
                                             BitBtnOK,
                                             BitBtnCancel};
  for (std::size_t i = 0; i + 1 < tabOrder.size(); ++i) setTabOrder(tabOrder[i], tabOrder[i + 1]);

  leaveFilter_ = new LeaveFieldFilter(this);
  Watch(EditTaxYear, &TFormW3::EditTaxYearExit);
  Watch(EditControlNum, &TFormW3::EditControlNumExit);
  Watch(EditEstablishment, &TFormW3::EditEstablishmentExit);
  Watch(MaskEditEmployerFedID, &TFormW3::MaskEditEmployerFedIDExit);
  Watch(EditEmployerName, &TFormW3::EditEmployerNameExit);
  Watch(EditSuite, &TFormW3::EditSuiteExit);
  Watch(EditStreet, &TFormW3::EditStreetExit);
  Watch(EditTown, &TFormW3::EditTownExit);
  Watch(ComboBoxState, &TFormW3::ComboBoxStateExit);
  Watch(MaskEditZip, &TFormW3::MaskEditZipExit);
  Watch(MaskEditOtherEIN, &TFormW3::MaskEditOtherEINExit);
  Watch(ComboBoxStateForID, &TFormW3::ComboBoxStateForIDExit);
  Watch(EditStateID, &TFormW3::EditStateIDExit);
  Watch(EditContact, &TFormW3::EditContactExit);
  Watch(MaskEditPhone, &TFormW3::MaskEditPhoneExit);
  Watch(EditEMail, &TFormW3::EditEMailExit);
  Watch(MaskEditFax, &TFormW3::MaskEditFaxExit);
  Watch(EditTPSickPayUseOnly, &TFormW3::EditTPSickPayUseOnlyExit);
  Watch(EditTaxWheldTPSickPay, &TFormW3::EditTaxWheldTPSickPayExit);
  connect(ButtonSSMedcareRates, &QPushButton::clicked, this,
          [this] { ButtonSSMedcareRatesClick(); });
  connect(ButtonPayer, &QPushButton::clicked, this, [this] { ButtonPayerClick(); });
  connect(BitBtnOK, &QPushButton::clicked, this, [this] { BitBtnOKClick(); });
  connect(BitBtnCancel, &QPushButton::clicked, this, [this] { BitBtnCancelClick(); });

  KeepStateHintReadable();
  FitToWorkArea(DesktopWorkArea(*this));
}

void TFormW3::FitToWorkArea(const QRect& workArea) { FitFormWindow(*this, *Canvas, workArea); }

namespace {

// Whether `text`, word-wrapped in the font, fits the rectangle.
bool TextFits(const QFont& font, const QSize& room, const QString& text) {
  const QRect needed =
      QFontMetrics(font).boundingRect(QRect(0, 0, room.width(), 1 << 20), Qt::TextWordWrap, text);
  return needed.width() <= room.width() && needed.height() <= room.height();
}

QSize HintRoomAt(double pixelsPerInch) {
  const GridRect place = W3ControlRect("LabelStateHint");
  return QSize(static_cast<int>(place.cols / 10 * pixelsPerInch),
               static_cast<int>(place.lines / 6 * pixelsPerInch));
}

}  // namespace

void TFormW3::KeepStateHintReadable() {
  // The screen is never made smaller than the size at which the hint fits in
  // the desktop's small font.
  QFont small = Canvas->font();
  small.setPixelSize(SmallFontPixelSize());
  double pixelsPerInch = 72;
  while (pixelsPerInch < 400 && !TextFits(small, HintRoomAt(pixelsPerInch), LabelStateHint->text()))
    pixelsPerInch += 1;
  Canvas->setMinimumSize(Canvas->SizeAt(pixelsPerInch).expandedTo(Canvas->minimumSize()));
  Canvas->installEventFilter(this);
}

void TFormW3::FitStateHint() {
  // The largest type up to the fields' that keeps the hint inside its place.
  QFont type = Canvas->font();
  // Placed after this runs: the size of its place at the canvas's new size.
  const QSize room = Canvas->ToWidget(W3ControlRect("LabelStateHint")).size();
  int pixels = Canvas->FieldPixelSize();
  for (; pixels > SmallFontPixelSize(); --pixels) {
    type.setPixelSize(pixels);
    if (TextFits(type, room, LabelStateHint->text())) break;
  }
  type.setPixelSize(pixels);
  LabelStateHint->setFont(type);
}

bool TFormW3::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Canvas && event->type() == QEvent::Resize) FitStateHint();
  return QDialog::eventFilter(watched, event);
}

void TFormW3::Watch(QWidget* field, void (TFormW3::*handler)()) {
  auto run = [this, handler] {
    if (!closing_) (this->*handler)();
  };
  if (auto* edit = qobject_cast<QLineEdit*>(field)) {
    leaveFilter_->Watch(edit, run);
  } else {
    leaveFilter_->Watch(field, run);
  }
}

namespace {

// The kind-of-payer label; the kind of employer only in a year that has one.
QString PayerLabel(std::int32_t taxYear, int tpSickPayKind, int kindOfPayer, int kindOfEmployer) {
  if (!RulesForYear(taxYear).KindOfEmployer) kindOfEmployer = 0;
  return FromRecordText(KindOfPayerLabel(tpSickPayKind, kindOfPayer, kindOfEmployer));
}

}  // namespace

void TFormW3::FormCreate() {
  DlgKindOfPayer = new TDlgKindOfPayer(this);
  FormSocSecMedicare = new TFormSocSecMedicare(registry_, Rec().TaxYear, this);

  ComboBoxStateForID->addItem(QString::fromLatin1(kMultipleStates));
  for (const StateEntry& state : StateTable) {
    ComboBoxStateForID->addItem(FromRecordText(std::string(state.Abbrev)));
    ComboBoxState->addItem(FromRecordText(std::string(state.Name)));
  }
  ShowEntriesInFull(ComboBoxStateForID);
  ShowEntriesInFull(ComboBoxState);

  clockYear_ = CurrentYear();
  LoadFromRecord();
}

void TFormW3::LoadFromRecord() {
  W3Record& w3 = Rec();
  EditTaxYear->setText(QString::number(w3.TaxYear));
  SetRatesCaption(QString::number(w3.TaxYear));
  EditControlNum->setText(QString::number(w3.ControlNum));
  DlgKindOfPayer->SetSelections(w3.KindOfPayer, w3.TPSickPayKind, w3.KindOfEmployer);
  LabelKindofPayer->setText(
      PayerLabel(w3.TaxYear, w3.TPSickPayKind, w3.KindOfPayer, w3.KindOfEmployer));
  LabelW2Count->setText(QString::number(w3.W2Count));
  EditEstablishment->setText(FromRecordText(w3.Establishment.Str()));
  MaskEditEmployerFedID->setText(FromRecordText(w3.EmployerEIN.Str()));
  EditEmployerName->setText(FromRecordText(w3.EmployerName.Str()));
  EditSuite->setText(FromRecordText(w3.Suite.Str()));
  EditStreet->setText(FromRecordText(w3.Street.Str()));
  EditTown->setText(FromRecordText(w3.Town.Str()));
  ShowRecordText(ComboBoxState, w3.State.Str());
  MaskEditZip->setText(FromRecordText(w3.Zip.Str()));
  MaskEditOtherEIN->setText(FromRecordText(w3.OtherEIN.Str()));
  ShowRecordText(ComboBoxStateForID, w3.StateForID.Str());
  if (w3.StateForID.Str() == kMultipleStates) {
    w3.StateID = "";
    ShowStateIDEnabled(false);
  } else {
    ShowStateIDEnabled(true);
    EditStateID->setText(FromRecordText(w3.StateID.Str()));
  }
  EditContact->setText(FromRecordText(w3.Contact.Str()));
  MaskEditPhone->setText(FromRecordText(w3.Phone.Str()));
  EditEMail->setText(FromRecordText(w3.EMail.Str()));
  MaskEditFax->setText(FromRecordText(w3.Fax.Str()));
  EditTPSickPayUseOnly->setText(FromRecordText(w3.TPSickPayUseOnly.Str()));
  EditTaxWheldTPSickPay->setText(QString::fromStdString(FormatAmount(w3.TaxWheldTPSickPay)));

  // The deferred compensation total names the codes it adds in the W-3's year.
  std::string codes;
  for (const std::string_view code : DeferredCompensationCodes(w3.TaxYear))
    codes += (codes.empty() ? "" : ", ") + std::string(code);
  for (const auto& [field, label] : totals_) {
    label->setText(QString::fromStdString(FormatAmount(W3Amount(field, w3))));
    if (field == W3Field::TotDefComp)
      label->setToolTip(QString::fromStdString("Box 12 codes " + codes));
    // Box 9 is no longer used from 2011: greyed and empty.
    if (field == W3Field::TotAdvEIC) {
      const bool unused = !Uses2001W2Form(w3.TaxYear) && W2GeometryForYear(w3.TaxYear).box9Shaded;
      label->setEnabled(!unused);
      label->setAutoFillBackground(unused);
      label->setStyleSheet(unused ? QStringLiteral("background-color: lightgray;") : QString());
      if (unused) label->clear();
    }
  }
}

void TFormW3::SetRatesCaption(const QString& yearText) {
  ButtonSSMedcareRates->setText(yearText + QString::fromLatin1(kRatesCaptionTail));
}

void TFormW3::ShowStateIDEnabled(bool enabled) {
  if (!enabled) EditStateID->clear();
  EditStateID->setEnabled(enabled);
}

void TFormW3::Reject(QWidget* field) {
  rejectedField_ = field;
  rejectedText_ = ShownFieldText(field);
  rejectedLeavingTo_ = QApplication::focusWidget();
  // Back into the field as a new visit, so that its rule runs again when the
  // user leaves it or presses Enter, whether or not the entry is changed.
  if (field->hasFocus()) field->clearFocus();
  field->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
}

void TFormW3::Accept(QWidget* field) {
  if (rejectedField_ == field) rejectedField_ = nullptr;
}

bool TFormW3::VerifyTaxYear(std::int32_t year) {
  if (!TaxYearNeedsVerification(year, clockYear_)) return true;
  MessageBoxRequest request;
  request.caption = kTaxYearQuestionCaption;
  request.text = TaxYearQuestion(year, clockYear_);
  request.icon = MsgIcon::Question;
  request.buttons = MsgYes | MsgNo;
  return MessageBoxes().Show(request) != MsgNo;
}

void TFormW3::ButtonSSMedcareRatesClick() {
  FormSocSecMedicare->LoadYear(std::to_string(Rec().TaxYear));
  RunModal(*FormSocSecMedicare);
}

void TFormW3::ButtonPayerClick() {
  // The items of the year as it stands on the screen.
  DlgKindOfPayer->SetTaxYear(Rec().TaxYear);
  if (RunModal(*DlgKindOfPayer) != QDialog::Accepted) {
    // Back to the record's kind, which the screen's OK stores; the label says so too.
    DlgKindOfPayer->SetSelections(Rec().KindOfPayer, Rec().TPSickPayKind, Rec().KindOfEmployer);
  }
  LabelKindofPayer->setText(PayerLabel(Rec().TaxYear, DlgKindOfPayer->TPSickPayIndex(),
                                       DlgKindOfPayer->KindOfPayerIndex(),
                                       DlgKindOfPayer->KindOfEmployerValue()));
}

void TFormW3::EditTaxYearExit() {
  if (!EditTaxYear->isModified()) return;
  if (const std::optional<std::int32_t> year =
          ParseWholeNumber(TrimText(RecordText(EditTaxYear->text())))) {
    if (!VerifyTaxYear(*year)) {
      Reject(EditTaxYear);
      return;
    }
  }
  ScreenField field(EditTaxYear);
  std::int32_t taxYear = Rec().TaxYear;
  ReadIntegerField(field, taxYear);
  if (field.Rejected()) {
    // Still marked modified: leaving the field again checks it again.
    Reject(EditTaxYear);
    return;
  }
  Rec().TaxYear = taxYear;
  SetRatesCaption(EditTaxYear->text());
  EditTaxYear->setModified(false);
  Accept(EditTaxYear);
}

void TFormW3::EditControlNumExit() {
  ScreenField field(EditControlNum);
  std::int32_t controlNum = Rec().ControlNum;
  ReadIntegerField(field, controlNum);
  if (field.Rejected()) {
    Reject(EditControlNum);
    return;
  }
  Rec().ControlNum = controlNum;
  Accept(EditControlNum);
}

void TFormW3::EditEstablishmentExit() { Rec().Establishment = ShownText(EditEstablishment); }

void TFormW3::MaskEditEmployerFedIDExit() {
  const std::string text = ShownText(MaskEditEmployerFedID);
  if (!EntryAccepted(CheckEIN(text, RulesForYear(Rec().TaxYear).IdNumbers))) {
    Reject(MaskEditEmployerFedID);
    return;
  }
  Rec().EmployerEIN = text;
  Accept(MaskEditEmployerFedID);
}

void TFormW3::EditEmployerNameExit() { Rec().EmployerName = ShownText(EditEmployerName); }

void TFormW3::EditSuiteExit() { Rec().Suite = ShownText(EditSuite); }

void TFormW3::EditStreetExit() { Rec().Street = ShownText(EditStreet); }

void TFormW3::EditTownExit() { Rec().Town = ShownText(EditTown); }

void TFormW3::ComboBoxStateExit() { Rec().State = RecordText(ComboBoxState->currentText()); }

void TFormW3::MaskEditZipExit() {
  const std::string text = ShownText(MaskEditZip);
  if (text == kBlankZip) {
    Rec().Zip = "";
  } else if (CheckZip(text)) {
    Rec().Zip = text;
  } else {
    Reject(MaskEditZip);
    return;
  }
  Accept(MaskEditZip);
}

void TFormW3::MaskEditOtherEINExit() {
  const std::string text = ShownText(MaskEditOtherEIN);
  if (text == kBlankEin) {
    Rec().OtherEIN = "";
  } else if (EntryAccepted(CheckEIN(text, RulesForYear(Rec().TaxYear).IdNumbers))) {
    Rec().OtherEIN = text;
  } else {
    Reject(MaskEditOtherEIN);
    return;
  }
  Accept(MaskEditOtherEIN);
}

void TFormW3::ComboBoxStateForIDExit() {
  const std::string text = TrimText(RecordText(ComboBoxStateForID->currentText()));
  if (UpperCaseAscii(text) == kMultipleStates) {
    ShowRecordText(ComboBoxStateForID, kMultipleStates);
    Rec().StateForID = kMultipleStates;
    ShowStateIDEnabled(false);
    Rec().StateID = "";
    Accept(ComboBoxStateForID);
    return;
  }
  const bool stateIDWasEnabled = EditStateID->isEnabled();
  ShowStateIDEnabled(true);
  std::string abbrev = text;
  if (!EntryAccepted(CheckStateAbbrev(abbrev))) {
    Reject(ComboBoxStateForID);
    return;
  }
  ShowRecordText(ComboBoxStateForID, abbrev);
  Rec().StateForID = abbrev;
  Accept(ComboBoxStateForID);
  // Tab passed the State ID field while it was disabled: it goes there now.
  if (!stateIDWasEnabled && QApplication::focusWidget() == EditContact) {
    EditStateID->setFocus(Qt::TabFocusReason);
  }
}

void TFormW3::EditStateIDExit() { Rec().StateID = ShownText(EditStateID); }

void TFormW3::EditContactExit() { Rec().Contact = ShownText(EditContact); }

void TFormW3::MaskEditPhoneExit() { Rec().Phone = PhoneNumber(MaskEditPhone); }

void TFormW3::MaskEditFaxExit() { Rec().Fax = PhoneNumber(MaskEditFax); }

void TFormW3::EditEMailExit() {
  const std::string text = ShownText(EditEMail);
  if (!text.empty()) {
    const std::size_t at = text.find('@');
    if (at == std::string::npos ||
        text.substr(at, kEMailDomainSearch).find('.') == std::string::npos) {
      ShowMessage(kEMailWarning, MsgIcon::Information);
    }
  }
  Rec().EMail = text;
}

void TFormW3::EditTPSickPayUseOnlyExit() {
  const std::string text = ShownText(EditTPSickPayUseOnly);
  if (DlgKindOfPayer->TPSickPayIndex() == kNoTPSickPay && !text.empty()) {
    ShowMessage(kBox13Warning, MsgIcon::Information);
  }
  Rec().TPSickPayUseOnly = text;
}

void TFormW3::EditTaxWheldTPSickPayExit() {
  ScreenField field(EditTaxWheldTPSickPay);
  Currency amount = Rec().TaxWheldTPSickPay;
  ReadAmountField(field, amount);
  if (field.Rejected()) {
    Reject(EditTaxWheldTPSickPay);
    return;
  }
  Rec().TaxWheldTPSickPay = amount;
  Accept(EditTaxWheldTPSickPay);
}

void TFormW3::BitBtnOKClick() {
  // Enter in a field presses OK without leaving the field: its rule runs
  // first. A click on OK has run it already, when the focus left the field
  // for the button; a refusal then is not reported a second time.
  const bool refusedOnTheWay = rejectedField_ != nullptr && rejectedLeavingTo_ == BitBtnOK &&
                               ShownFieldText(rejectedField_) == rejectedText_;
  rejectedLeavingTo_ = nullptr;
  if (!refusedOnTheWay) leaveFilter_->CommitFocusedField();
  if (rejectedField_ != nullptr) {
    // A field still holds an entry that its rule refused: the user corrects it or cancels.
    rejectedField_->setFocus(Qt::OtherFocusReason);
    return;
  }
  if (!EditTaxYear->isModified() && !VerifyTaxYear(Rec().TaxYear)) {
    EditTaxYear->setFocus(Qt::OtherFocusReason);
    return;
  }
  if (DlgKindOfPayer->KindOfPayerIndex() >= 0)
    Rec().KindOfPayer = DlgKindOfPayer->KindOfPayerIndex();
  if (DlgKindOfPayer->TPSickPayIndex() >= 0) Rec().TPSickPayKind = DlgKindOfPayer->TPSickPayIndex();
  // Earlier years leave the byte of the kind of employer as the file holds it.
  if (RulesForYear(Rec().TaxYear).KindOfEmployer)
    Rec().KindOfEmployer = static_cast<std::uint8_t>(DlgKindOfPayer->KindOfEmployerValue());
  if (!file_.WorkRec.SameBytes(file_.OrigRec)) {
    if (const SaveResult saved = file_.SaveCurrent(false); saved.Refused()) {
      ShowSaveRefusal(saved.reason);
    }
  }
  closing_ = true;
  accept();
}

void TFormW3::BitBtnCancelClick() {
  closing_ = true;
  file_.WorkRec = file_.OrigRec;
  reject();
}

void TFormW3::closeEvent(QCloseEvent* event) {
  // The close box keeps what was typed in the working record, the field
  // being typed in included; the next save question offers it.
  if (!closing_) leaveFilter_->CommitFocusedField();
  closing_ = true;
  QDialog::closeEvent(event);
}

void TFormW3::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    BitBtnCancelClick();
    return;
  }
  QDialog::keyPressEvent(event);
}
