#include "rules/RateChecks.h"

#include <cmath>

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
