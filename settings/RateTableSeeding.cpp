#include "settings/RateTableSeeding.h"

#include "data/SocSecMedicareRates.h"
#include "platform/MessageBoxes.h"
#include "platform/RegistryError.h"
#include "settings/QuillmarRegistry.h"

void SeedPresetRates(TQuillmarRegistry& registry) {
  SocSecMedicareRates latest;
  latest.TaxYear = 2002;
  try {
    registry.ReadRatesForYear(latest);
  } catch (const RegistryError&) {
    // A damaged 2002 entry counts as present only when its wage base could
    // be read; otherwise the presets replace it.
  }
  if (latest.SocSecMaxWage != 0) return;
  try {
    for (const SocSecMedicareRates& preset : PresetRates) registry.WriteRatesForYear(preset);
  } catch (const RegistryError& error) {
    ShowMessage(error.what(), MsgIcon::Error);
  }
}
