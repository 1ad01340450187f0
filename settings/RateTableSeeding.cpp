#include "settings/RateTableSeeding.h"

#include "data/SocSecMedicareRates.h"
#include "platform/MessageBoxes.h"
#include "platform/RegistryError.h"
#include "settings/QuillmarRegistry.h"

namespace {

// The first year whose preset is written only where the table has no entry.
constexpr std::int32_t kFirstAddedYear = 2003;

// True when the table holds no rates for the year: no key, or an entry
// without a wage base, which every reader takes for none. A damaged entry
// is the user's to mend on the rates screen and counts as present.
bool NoEntry(TQuillmarRegistry& registry, std::int32_t year) {
  SocSecMedicareRates rates;
  rates.TaxYear = year;
  try {
    registry.ReadRatesForYear(rates);
  } catch (const RegistryError&) {
    return false;
  }
  return rates.SocSecMaxWage == 0;
}

}  // namespace

void SeedPresetRates(TQuillmarRegistry& registry) {
  SocSecMedicareRates latest;
  latest.TaxYear = 2002;
  try {
    registry.ReadRatesForYear(latest);
  } catch (const RegistryError&) {
    // A damaged 2002 entry counts as present only when its wage base could
    // be read; otherwise the presets replace it.
  }
  try {
    if (latest.SocSecMaxWage == 0) {
      for (const SocSecMedicareRates& preset : PresetRates)
        if (preset.TaxYear < kFirstAddedYear) registry.WriteRatesForYear(preset);
    }
    for (const SocSecMedicareRates& preset : PresetRates)
      if (preset.TaxYear >= kFirstAddedYear && NoEntry(registry, preset.TaxYear))
        registry.WriteRatesForYear(preset);
  } catch (const RegistryError& error) {
    ShowMessage(error.what(), MsgIcon::Error);
  }
}
