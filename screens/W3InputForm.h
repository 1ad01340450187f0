#pragma once
// The W-3 screen: the employer's part of the Form W-3 of the open data file,
// entered over a picture of the form. The money boxes are the totals of the
// W-2 records, computed before the screen opens and shown read-only. Each
// field is checked and stored into the file's working record when the user
// leaves it; OK writes the W-3 record, Cancel drops every change, and the
// close box leaves the changes in the working record.

#include <QDialog>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "forms/W3FormPicture.h"

class LeaveFieldFilter;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TDlgKindOfPayer;
class TFormCanvas;
class TFormSocSecMedicare;
class TQuillmarFormFile;
class TQuillmarRegistry;
struct W3Record;

class TFormW3 final : public QDialog {
  Q_OBJECT

 public:
  // Works on the W-3 record that ReadW3 made the file's current record.
  TFormW3(TQuillmarFormFile& file, TQuillmarRegistry& registry, QWidget* parent = nullptr);
  ~TFormW3() override;

  // Shows a dialog of this screen (the rates screen, the kind-of-payer
  // dialog) modally and returns its result. Tests replace it with one that
  // drives the dialog without blocking.
  std::function<int(QDialog&)> RunModal = [](QDialog& dialog) { return dialog.exec(); };

  // Opens at the largest size of the form's proportions that fits the work
  // area (the desktop's, when the screen is made).
  void FitToWorkArea(const QRect& workArea);

  // The year of the system clock, taken when the screen was created.
  int ClockYear() const { return clockYear_; }
  // Asks "Verification of Tax Year" when the year lies outside the clock year
  // and the year before; false when the user answers No.
  bool VerifyTaxYear(std::int32_t year);

  // Event handlers.
  void ButtonSSMedcareRatesClick();
  void ButtonPayerClick();
  void EditTaxYearExit();
  void EditControlNumExit();
  void EditEstablishmentExit();
  void MaskEditEmployerFedIDExit();
  void EditEmployerNameExit();
  void EditSuiteExit();
  void EditStreetExit();
  void EditTownExit();
  void ComboBoxStateExit();
  void MaskEditZipExit();
  void MaskEditOtherEINExit();
  void ComboBoxStateForIDExit();
  void EditStateIDExit();
  void EditContactExit();
  void MaskEditPhoneExit();
  void EditEMailExit();
  void MaskEditFaxExit();
  void EditTPSickPayUseOnlyExit();
  void EditTaxWheldTPSickPayExit();
  void BitBtnOKClick();
  void BitBtnCancelClick();

  // Owned by the screen for its lifetime.
  TDlgKindOfPayer* DlgKindOfPayer = nullptr;
  TFormSocSecMedicare* FormSocSecMedicare = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Components, named as on the form; they are the screen's own, and tests
  // find them by these object names.
  TFormCanvas* Canvas = nullptr;
  QLineEdit* EditTaxYear = nullptr;
  QPushButton* ButtonSSMedcareRates = nullptr;
  QLineEdit* EditControlNum = nullptr;
  QLabel* LabelKindofPayer = nullptr;
  QPushButton* ButtonPayer = nullptr;
  QLabel* LabelW2Count = nullptr;
  QLineEdit* EditEstablishment = nullptr;
  QLineEdit* MaskEditEmployerFedID = nullptr;
  QLineEdit* EditEmployerName = nullptr;
  QLineEdit* EditSuite = nullptr;
  QLineEdit* EditStreet = nullptr;
  QLineEdit* EditTown = nullptr;
  QComboBox* ComboBoxState = nullptr;
  QLineEdit* MaskEditZip = nullptr;
  QLineEdit* MaskEditOtherEIN = nullptr;
  QComboBox* ComboBoxStateForID = nullptr;
  QLineEdit* EditStateID = nullptr;
  QLabel* LabelStateHint = nullptr;
  QLineEdit* EditContact = nullptr;
  QLineEdit* MaskEditPhone = nullptr;
  QLineEdit* EditEMail = nullptr;
  QLineEdit* MaskEditFax = nullptr;
  QLineEdit* EditTPSickPayUseOnly = nullptr;
  QLineEdit* EditTaxWheldTPSickPay = nullptr;
  // The totals of the W-2s, one label for each total of the W-3 table.
  std::vector<std::pair<W3Field, QLabel*>> totals_;
  QPushButton* BitBtnOK = nullptr;
  QPushButton* BitBtnCancel = nullptr;

  void BuildForm();
  void FormCreate();
  void LoadFromRecord();
  W3Record& Rec();
  void SetRatesCaption(const QString& yearText);
  // The box 15 hint stays inside its place, in a readable type, at any size.
  void KeepStateHintReadable();
  void FitStateHint();
  void ShowStateIDEnabled(bool enabled);
  // A rejected entry: the focus goes back to the field, and OK stays refused
  // until the field holds an accepted entry.
  void Reject(QWidget* field);
  void Accept(QWidget* field);
  // Runs `handler` when the user leaves `field`, unless the screen is closing.
  void Watch(QWidget* field, void (TFormW3::*handler)());

  TQuillmarFormFile& file_;
  TQuillmarRegistry& registry_;
  LeaveFieldFilter* leaveFilter_ = nullptr;
  int clockYear_ = 0;
  QWidget* rejectedField_ =
      nullptr;            // the field whose entry was refused last, until it is accepted
  QString rejectedText_;  // what that field showed when it was refused
  QWidget* rejectedLeavingTo_ = nullptr;  // where the focus was going when it was refused
  bool closing_ = false;
};
