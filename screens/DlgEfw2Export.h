#pragma once
// The submitter data of File, Export for SSA (EFW2): who sends the wage file
// (BSO User ID, EIN, name and address, contact), the preparer code, the kind
// of employer when the W-3 has none, and the choices that belong to one file.

#include <QDialog>
#include <array>

#include "efw2/Efw2Export.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

class TDlgEfw2Export final : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kPreparerCount = 5;
  static constexpr int kKindOfEmployerCount = 5;
  static const std::array<const char*, kPreparerCount> PreparerItems;
  static const std::array<const char*, kKindOfEmployerCount> KindOfEmployerItems;

  explicit TDlgEfw2Export(QWidget* parent = nullptr);

  // Shows the values; with `kindFromW3` the kind of employer is shown but not offered.
  void SetSubmitter(const Efw2Submitter& submitter, bool kindFromW3);
  // The values as shown.
  Efw2Submitter Submitter() const;

  QLineEdit* EditUserId = nullptr;
  QLineEdit* EditEin = nullptr;
  QLineEdit* EditName = nullptr;
  QLineEdit* EditSuite = nullptr;
  QLineEdit* EditStreet = nullptr;
  QLineEdit* EditCity = nullptr;
  QLineEdit* EditState = nullptr;
  QLineEdit* EditZip = nullptr;
  QLineEdit* EditContact = nullptr;
  QLineEdit* EditPhone = nullptr;
  QLineEdit* EditEMail = nullptr;
  QLineEdit* EditFax = nullptr;
  QComboBox* ComboBoxPreparer = nullptr;
  QComboBox* ComboBoxKindOfEmployer = nullptr;
  QCheckBox* CheckBoxResubmission = nullptr;
  QLineEdit* EditResubWfid = nullptr;
  QCheckBox* CheckBoxTerminating = nullptr;
  QCheckBox* CheckBoxSuffix = nullptr;
  QCheckBox* CheckBoxBox11Section457 = nullptr;
  QPushButton* BitBtnOK = nullptr;
  QPushButton* BitBtnCancel = nullptr;
};

// The program's submitter dialog: TDlgEfw2Export, shown modally.
class QtEfw2SubmitterDialog final : public IEfw2SubmitterDialog {
 public:
  explicit QtEfw2SubmitterDialog(QWidget* parent) : parent_(parent) {}
  bool Execute(Efw2Submitter& submitter, bool kindFromW3) override;

 private:
  QWidget* parent_;
};
