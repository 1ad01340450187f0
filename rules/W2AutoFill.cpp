#include "rules/W2AutoFill.h"

#include <optional>

#include "data/EntryRules.h"
#include "rules/TaxYearRules.h"

namespace {

// Box 1 fills the other boxes only above half a cent.
constexpr double kLeastAutoFillWage = 0.005;

bool PositiveProduct(Currency a, Currency b) { return (a > 0 && b > 0) || (a < 0 && b < 0); }

}  // namespace

bool W2AutoFillArmed(const W2Record& w2) {
  return w2.SocSecNum.Empty() && w2.Wages == 0 && w2.SSWages == 0;
}

W2FilledBoxes W2AutoFill(W2Record& w2, std::string_view typedWages,
                         const SocSecMedicareRates& rates) {
  W2FilledBoxes filled;
  const std::optional<double> typed = PlainDecimalValue(TrimText(typedWages));
  if (!typed || *typed <= kLeastAutoFillWage) return filled;
  const Currency wages = w2.Wages;
  if (w2.SSWages == 0) {
    w2.SSWages =
        rates.SocSecMaxWage > 0 && rates.SocSecMaxWage < wages ? rates.SocSecMaxWage : wages;
    filled.SSWages = true;
  }
  if (w2.SSTax == 0 && PositiveProduct(w2.SSWages, rates.SocSecRate)) {
    w2.SSTax = TaxProduct(w2.SSWages, rates.SocSecRate);
    filled.SSTax = true;
  }
  if (w2.MedWage == 0) {
    w2.MedWage =
        rates.MedicareHasMaxWage && rates.MedicareMaxWage < wages ? rates.MedicareMaxWage : wages;
    filled.MedWage = true;
  }
  if (w2.MedTax == 0 && rates.MedicareRate > 0) {
    w2.MedTax = CalculatedMedicareTax(w2.MedWage, rates);
    filled.MedTax = true;
  }
  if (w2.ST1StateWage == 0) {
    w2.ST1StateWage = wages;
    filled.ST1StateWage = true;
  }
  if (w2.ST1LocalWage == 0) {
    w2.ST1LocalWage = wages;
    filled.ST1LocalWage = true;
  }
  return filled;
}
