#include "data/SocSecMedicareRates.h"

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
