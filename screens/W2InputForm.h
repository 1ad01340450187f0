#pragma once
// The W-2 screen: one employee's Form W-2 at a time, laid out like the paper
// form. Each field is checked and stored into the data file's working record
// when the user leaves it; the record reaches the file only through
// SaveCurrent (with the question) when the screen moves to another employee
// or closes. Boxes 3 to 6 and the state wages of a blank new employee are
// filled from box 1 and the rates of the tax year.

#include <QDialog>
#include <array>
#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "data/Currency.h"
#include "data/SocSecMedicareRates.h"
#include "forms/W2FormPicture.h"
#include "screens/FileQuestions.h"

class IErrorReportView;
class LeaveFieldFilter;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class TFormCanvas;
class TFormW2PickList;
class TFrameFileNav;
class TQuillmarFormFile;
class TQuillmarRegistry;
class TSetUpBox12;
struct W2AddressEntries;
struct W2Record;
struct W3Record;

class TFormW2 final : public QDialog {
  Q_OBJECT

 public:
  // Shows the current record of `file` (the main window has made an employee
  // current). The rates of the W-3 tax year are read from `registry` once.
  TFormW2(TQuillmarFormFile& file, TQuillmarRegistry& registry, QWidget* parent = nullptr);
  ~TFormW2() override;

  // Opens at the largest size of the form's proportions that fits the work
  // area (the desktop's, when the screen is made).
  void FitToWorkArea(const QRect& workArea);
  // Fills every field from the working W-2 record and the employer block from
  // the W-3 record; may default state line 1 to the employer's state.
  void ShowEmployee();
  // Asked before leaving the employee: true when the SSN is invalid (and the
  // record not void) and the user chose to stay and fix it.
  bool SsnFixWanted();
  // Whether the screen may close; saves the employee (with the question).
  bool FormCloseQuery();

  // On-leave rules of the fields with rules of their own.
  void EditControlNumExit();
  void CheckBoxVoidExit();
  void MaskEditSocSecNumExit();
  void EditFirstNameInitialExit();
  void MaskEditZipExit();
  void EditPostCodeExit();
  void ComboBoxCountryExit();
  void EditWagesExit();
  void ComboBoxST1StateExit();
  void ComboBoxST2StateExit();
  void EditST2StateIDExit();
  // The box 12 code field of line 0..3 (a..d).
  void Edit12CodeExit(int line);
  // The rule of every amount field (boxes 1 to 11, 12a-d, 14a-c, 16-19).
  void AmountFieldExit(QLineEdit* edit);
  // The rule of the plain text fields: the text as typed, cut to capacity.
  void TextFieldExit(QWidget* field);
  // The three box 13 check boxes.
  void CheckBoxExit(QCheckBox* box);

  void FrameFileNav1BitBtnIndexClick();
  void FrameFileNav1BitBtnFirstClick();
  void FrameFileNav1BitBtnPrevsClick();
  void FrameFileNav1BitBtnNextClick();
  void FrameFileNav1BitBtnLastClick();
  void FrameFileNav1BitBtnAddNewClick();
  void BitBtnSetupBox12Click();
  void BitBtnErrorCheckClick();
  // Deletes the employee shown, after a Yes to the question naming them.
  void BitBtnDeleteW2Click();

  // Runs the on-leave rule of the field that has the focus, once, so that
  // Enter, the buttons and closing act on what the user typed last.
  void CommitFocusedField();

  // Shows a modal dialog of the screen (the pick list, the box 12 dialog) and
  // returns its result. Tests replace it; nothing of theirs blocks in exec().
  std::function<int(QDialog&)> ExecDialog = [](QDialog& dialog) { return dialog.exec(); };
  // The error report window that shows the Error Check's report (not
  // owned). While none is connected the button says that the check is not
  // available.
  IErrorReportView* ErrorReportView = nullptr;

  const SocSecMedicareRates& YearRates() const { return yearRates_; }
  bool AutoFillArmed() const { return autoFillArmed_; }
  TQuillmarFormFile& File() const { return file_; }
  TSetUpBox12& Box12Dialog() const { return *box12Dialog_; }
  TFormW2PickList& PickList() const { return *pickList_; }
  // The lines of the last W-2 error report.
  std::vector<std::string> ErrorLines;

  // The screen's widgets are its own: tests find them by their object names
  // (the W-2 table's widget names, "FrameFileNav1", "BitBtnErrorCheck", ...).

  // The blank text of the masked fields, as their rules read it.
  static constexpr const char* kBlankSsn = "   -  -    ";
  static constexpr const char* kBlankZip = "     -    ";

 public slots:
  // Escape, the Close button and the window's close box all end here.
  void reject() override;

 private:
  void BuildForm();
  void FormCreate();
  // The fields of the current form (from 2007): the SSN in box a, the
  // control number in d, the suffix in e, box 9 greyed from 2011, the two
  // box 14b code fields from 2026.
  void ArrangeForYear();
  void ShowYearFields();
  void SuffixExit();
  void TipCodeExit(int index);
  // The 2026 rules of box 12 TA/TP/TT (`part` Box12) or of box 14b on
  // leaving `field`: an error is shown and the field refused, a point to
  // verify is shown as information when `changed`. False when refused.
  bool TipRulesAccept(int part, QWidget* field, bool changed);
  template <typename Field>
  Field* AddField(const char* name);
  void WatchFields();
  void SetTabOrder();
  // The common course of the navigation buttons: commit, the SSN question,
  // then `move`.
  void Navigate(const std::function<void()>& move);
  // Puts the focus on the SSN field for the user to fix the number.
  void FocusSsnToFix();
  // Shows the employee moved to, or the failure (unless the save was refused).
  void AfterMove(bool moved, const std::string& failure);
  void AutoFill();
  // Which of the ZIP code, foreign postal code and country are entered.
  W2AddressEntries AddressEntries() const;
  void ShowAmount(QLineEdit* edit, Currency amount);
  // The entry field of an item of the W-2 table, as the kind of widget it is.
  QLineEdit* Line(W2Field field) const;
  QComboBox* Combo(W2Field field) const;
  QCheckBox* Check(W2Field field) const;
  // The item an entry field shows; none for other widgets.
  std::optional<W2Field> FieldOf(const QWidget* widget) const;
  // The leave rule of an item's field.
  std::function<void()> RuleOf(W2Field field);
  // Puts the focus back into a rejected field and remembers it, so that the
  // commit before a button's action does not report the same entry twice.
  void RejectField(QWidget* field);
  // The text of a field as its rule reads it (a masked field with its
  // literals and blanks); "1" or "0" for a check box.
  std::string FieldText(const QWidget* field) const;
  void SetFieldText(QWidget* field, const std::string& text);
  // Runs `rule` for a field unless the screen itself is moving the focus.
  std::function<void()> LeaveRule(QWidget* field, std::function<void()> rule);
  W2Record& W2();
  const W3Record& W3() const;
  QLineEdit* EditSuffix = nullptr;
  std::array<QComboBox*, 2> tipCodes_{};

  TQuillmarFormFile& file_;
  // The file's questions are asked in message boxes while the screen is open.
  TFileQuestions questions_;
  ScopedFileDecisions askingInBoxes_{file_, questions_};
  TQuillmarRegistry& registry_;
  SocSecMedicareRates yearRates_;
  bool autoFillArmed_ = false;
  // Created once with the screen, owned by it and reused.
  TSetUpBox12* box12Dialog_ = nullptr;
  TFormW2PickList* pickList_ = nullptr;
  LeaveFieldFilter* leaveFilter_ = nullptr;
  // The entry fields, one for each item of the W-2 table that has one.
  std::array<QWidget*, static_cast<std::size_t>(W2Field::Count)> fields_{};
  std::array<QLineEdit*, 4> box12Codes_{};
  std::array<QLineEdit*, 4> box12Amounts_{};
  TFrameFileNav* FrameFileNav1 = nullptr;
  QFrame* PanelButtons = nullptr;
  QPushButton* BitBtnSetupBox12 = nullptr;
  QPushButton* BitBtnErrorCheck = nullptr;
  QPushButton* BitBtnDeleteW2 = nullptr;
  QPushButton* BitBtnClose = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* LabelEmployerID = nullptr;
  QLabel* LabelEmployerName = nullptr;
  QLabel* LabelEmployerAddress1 = nullptr;
  QLabel* LabelEmployerAddress2 = nullptr;
  QLabel* LabelEmployerAddress3 = nullptr;
  QLabel* LabelEmployerAddress4 = nullptr;
  QLabel* LabelForeign = nullptr;
  TFormCanvas* Canvas = nullptr;
  // A drop-down or check box with its value when its rule last ran (or when
  // it was shown): one changed again after a commit is committed again. (Line
  // edits are marked by the leave filter as they are typed into.)
  struct Committed {
    std::string value;
    std::function<void()> rule;
  };
  std::map<const QWidget*, Committed> committed_;
  QWidget* rejectedField_ = nullptr;
  std::string rejectedText_;
  // The SSN as last refused, for the employee shown; left unchanged it is not reported again.
  std::string refusedSsn_;
  bool runningRules_ = false;
};
