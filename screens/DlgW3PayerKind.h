#pragma once
// The kind-of-payer dialog of the W-3 screen (box b): whether the W-2s
// include third-party sick pay, and the kind of payer. The W-3 screen reads
// the two selections when the user confirms the W-3.

#include <QDialog>
#include <array>
#include <string>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;

class TDlgKindOfPayer final : public QDialog {
  Q_OBJECT

public:
  static constexpr int kTPSickPayCount = 3;
  static constexpr int kKindOfPayerCount = 6;
  // The items of the two groups, by index (the values stored in the W-3 record).
  static const std::array<const char*, kTPSickPayCount> TPSickPayItems;
  static const std::array<const char*, kKindOfPayerCount> KindOfPayerItems;

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

  // The text of the W-3 screen's kind-of-payer label for the two selections:
  // the kind of payer, with " + Third-party sick pay" when the W-2s include
  // it, or "Third-party sick pay" alone when that is all that is filed.
  static std::string KindOfPayerLabel(int tpSickPayKind, int kindOfPayer);

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
