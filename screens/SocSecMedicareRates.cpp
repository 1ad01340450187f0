#include "screens/SocSecMedicareRates.h"

#include <cmath>

#include "app/QuillmarRegistry.h"
#include "platform/MessageBoxes.h"
#include "platform/RegistryError.h"

namespace {

constexpr Currency kPresetSocSecRate = 62000;    // 6.2 %
constexpr Currency kPresetMedicareRate = 14500;  // 1.45 %

constexpr SocSecMedicareRates Preset(std::int32_t year, Currency maxWage) {
  return {year, maxWage, kPresetSocSecRate, 0, kPresetMedicareRate, false};
}

}  // namespace

const std::array<SocSecMedicareRates, 5> PresetRates = {
    Preset(1998, 684000000), Preset(1999, 726000000), Preset(2000, 762000000),
    Preset(2001, 804000000), Preset(2002, 849000000),
};

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

std::optional<std::int64_t> ExpectedSocSecMaxWage(std::int32_t taxYear) {
  if (taxYear < 2002) return std::nullopt;
  // The figure is a whole number times 100; beyond this it has none.
  constexpr double kLimit = 9.2e16;
  double base = 849.0;
  for (std::int32_t year = 2002; year < taxYear; ++year) {
    base = base * 1.05552;
    if (base > kLimit) return std::nullopt;
  }
  return static_cast<std::int64_t>(std::nearbyint(base)) * 100;
}
