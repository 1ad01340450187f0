#pragma once
// The kind-of-payer dialog of the W-3 screen (box b): whether the W-2s
// include third-party sick pay, and the kind of payer. The W-3 screen reads
// the two selections when the user confirms the W-3.

#include <QDialog>
#include <array>

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

  explicit TDlgKindOfPayer(QWidget* parent = nullptr);
  ~TDlgKindOfPayer() override;

  // The chosen items; -1 when none is chosen (a stored index out of range
  // selects none).
  int TPSickPayIndex() const;
  int KindOfPayerIndex() const;
  // Selects the items of a W-3 record's KindOfPayer and TPSickPayKind.
  void SetSelections(int kindOfPayer, int tpSickPayKind);
  // Disables the kind-of-payer group when only third-party sick pay is
  // filed, enables it otherwise. Runs when the focus leaves the third-party group.
  void SetKindOfPayerEnabled();

  QGroupBox* RadioGroupTPSickPay = nullptr;
  std::array<QRadioButton*, kTPSickPayCount> TPSickPayButtons{};
  QGroupBox* RadioGroupKindOfPayer = nullptr;
  std::array<QRadioButton*, kKindOfPayerCount> KindOfPayerButtons{};
  QPushButton* BitBtnOK = nullptr;
  QPushButton* BitBtnCancel = nullptr;

private:
  void RadioGroupTPSickPayEnter();
  void FocusChanged(QWidget* old, QWidget* now);

  QButtonGroup* tpSickPayGroup_ = nullptr;
  QButtonGroup* kindOfPayerGroup_ = nullptr;
};
