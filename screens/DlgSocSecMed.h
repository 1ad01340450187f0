#pragma once
// The rates screen: the user reviews the Social Security and Medicare rates
// of each tax year and adds or changes those of 2002 and later. Earlier years
// are shown read-only. Works with or without an open data file.

#include <QDialog>
#include <cstdint>
#include <optional>
#include <string>

#include "data/SocSecMedicareRates.h"

class LeaveFieldFilter;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class TQuillmarRegistry;

class TFormSocSecMedicare final : public QDialog {
  Q_OBJECT

 public:
  // `openFileTaxYear`: the tax year of the open data file's W-3 record, 0
  // when no file is open. A year after 1997 opens that year when it is on
  // file and no year at all when it is not; otherwise (no file, or an earlier
  // year) the screen opens on the latest year.
  explicit TFormSocSecMedicare(TQuillmarRegistry& registry, std::int32_t openFileTaxYear = 0,
                               QWidget* parent = nullptr);
  ~TFormSocSecMedicare() override;

  // Shows the rates of the year (Windows-1252 text as typed or chosen).
  void LoadYear(const std::string& yearText);
  void ComboBoxTaxYearChange();
  void EditSocSecMaxWageExit();
  void EditSocSecRateExit();
  void EditMedMaxWageExit();
  void EditMedRateExit();
  // Asks whether to save the changed rates of the shown year, and saves them.
  void OfferSave();
  // False (with a message, and the OK click that led here undone) when a
  // required figure is zero.
  bool CheckComplete();
  // Makes the rates of the shown year read-only.
  void LockFields();
  void BitBtnOKClick();

  const SocSecMedicareRates& WorkingRates() const { return rates_; }
  const std::string& LoadedYearText() const { return loadedYearText_; }

  QComboBox* ComboBoxTaxYear = nullptr;
  QLineEdit* EditSocSecMaxWage = nullptr;
  QLineEdit* EditSocSecRate = nullptr;
  QCheckBox* CheckBoxUseMedMax = nullptr;
  QLineEdit* EditMedMaxWage = nullptr;
  QLineEdit* EditMedRate = nullptr;
  QPushButton* BitBtnOK = nullptr;
  QPushButton* BitBtnCancel = nullptr;

 private:
  enum class ModalResult { None, Ok };

  void BuildForm();
  using RateWarning = std::optional<std::string> (*)(std::optional<double> entry);
  // Shows the warning about the entry, if any, then stores it into `rate`.
  void LeaveRateField(QLineEdit* edit, RateWarning warning, Currency& rate);
  void FormCreate();
  std::string YearText() const;
  void ShowYearText(const std::string& text);
  void AddYearToList(const std::string& year);

  TQuillmarRegistry& registry_;
  std::int32_t openFileTaxYear_;
  LeaveFieldFilter* leaveFilter_ = nullptr;
  SocSecMedicareRates rates_;   // the working record of the shown year
  std::string loadedYearText_;  // the year text as it stood when the year was last loaded
  ModalResult modalResult_ = ModalResult::None;
};
