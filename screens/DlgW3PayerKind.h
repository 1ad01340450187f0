#pragma once
// The kind-of-payer dialog of the W-3 screen (box b): whether the W-2s
// include third-party sick pay, the kind of payer and, from 2011, the kind
// of employer. The W-3 screen reads the selections when the user confirms
// the W-3. Items and groups that the tax year does not have are hidden.

#include <QDialog>
#include <array>
#include <cstdint>

#include "rules/KindOfPayer.h"

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;

class TDlgKindOfPayer final : public QDialog {
  Q_OBJECT

 public:
  // The items of the two groups are TPSickPayItems and KindOfPayerItems, by
  // index (the values stored in the W-3 record).
  static constexpr int kTPSickPayCount = ::kTPSickPayCount;
  static constexpr int kKindOfPayerCount = ::kKindOfPayerCount;
  static constexpr int kKindOfEmployerCount = ::kKindOfEmployerCount;

  explicit TDlgKindOfPayer(QWidget* parent = nullptr);
  ~TDlgKindOfPayer() override;

  // The chosen items; -1 when none is chosen (a stored index out of range
  // selects none).
  int TPSickPayIndex() const;
  int KindOfPayerIndex() const;
  // The chosen kind of employer, 1 to 5, as the W-3 record stores it; 0 when
  // none is chosen.
  int KindOfEmployerValue() const;
  // Selects the items of a W-3 record's KindOfPayer, TPSickPayKind and
  // KindOfEmployer (0 or a value out of range selects none).
  void SetSelections(int kindOfPayer, int tpSickPayKind, int kindOfEmployer = 0);
  // Shows the items of the tax year: "944" from 2006, the kind of employer
  // from 2011. A hidden item that is chosen stays chosen.
  void SetTaxYear(std::int32_t taxYear);
  // Disables the kind-of-payer group when only third-party sick pay is
  // filed, enables it otherwise. Runs when the focus leaves the third-party group.
  void SetKindOfPayerEnabled();

  QGroupBox* RadioGroupTPSickPay = nullptr;
  std::array<QRadioButton*, kTPSickPayCount> TPSickPayButtons{};
  QGroupBox* RadioGroupKindOfPayer = nullptr;
  std::array<QRadioButton*, kKindOfPayerCount> KindOfPayerButtons{};
  QGroupBox* RadioGroupKindOfEmployer = nullptr;
  std::array<QRadioButton*, kKindOfEmployerCount> KindOfEmployerButtons{};  // values 1 to 5
  QPushButton* BitBtnOK = nullptr;
  QPushButton* BitBtnCancel = nullptr;

 private:
  void RadioGroupTPSickPayEnter();
  void FocusChanged(QWidget* old, QWidget* now);

  QButtonGroup* tpSickPayGroup_ = nullptr;
  QButtonGroup* kindOfPayerGroup_ = nullptr;
  QButtonGroup* kindOfEmployerGroup_ = nullptr;
};
