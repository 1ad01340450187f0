#include "data/SocSecMedicareRates.h"

namespace {

constexpr Currency kPresetSocSecRate = 62000;       // 6.2 %
constexpr Currency kPayrollTaxHolidayRate = 42000;  // 4.2 %, employee rate of 2011 and 2012
constexpr Currency kPresetMedicareRate = 14500;     // 1.45 %
constexpr Currency kDollar = 10000;

constexpr SocSecMedicareRates Preset(std::int32_t year, Currency maxWage,
                                     Currency socSecRate = kPresetSocSecRate) {
  return {year, maxWage, socSecRate, 0, kPresetMedicareRate, false};
}

}  // namespace

// The wage bases from 2003 on are those the Social Security Administration
// announced for each year.
const std::array<SocSecMedicareRates, kLastPresetYear - kFirstPresetYear + 1> PresetRates = {
    Preset(1998, 684000000),
    Preset(1999, 726000000),
    Preset(2000, 762000000),
    Preset(2001, 804000000),
    Preset(2002, 849000000),
    Preset(2003, 87000 * kDollar),
    Preset(2004, 87900 * kDollar),
    Preset(2005, 90000 * kDollar),
    Preset(2006, 94200 * kDollar),
    Preset(2007, 97500 * kDollar),
    Preset(2008, 102000 * kDollar),
    Preset(2009, 106800 * kDollar),
    Preset(2010, 106800 * kDollar),
    Preset(2011, 106800 * kDollar, kPayrollTaxHolidayRate),
    Preset(2012, 110100 * kDollar, kPayrollTaxHolidayRate),
    Preset(2013, 113700 * kDollar),
    Preset(2014, 117000 * kDollar),
    Preset(2015, 118500 * kDollar),
    Preset(2016, 118500 * kDollar),
    Preset(2017, 127200 * kDollar),
    Preset(2018, 128400 * kDollar),
    Preset(2019, 132900 * kDollar),
    Preset(2020, 137700 * kDollar),
    Preset(2021, 142800 * kDollar),
    Preset(2022, 147000 * kDollar),
    Preset(2023, 160200 * kDollar),
    Preset(2024, 168600 * kDollar),
    Preset(2025, 176100 * kDollar),
    Preset(2026, 184500 * kDollar),
};

const SocSecMedicareRates* PresetRatesForYear(std::int32_t taxYear) {
  if (taxYear < kFirstPresetYear || taxYear > kLastPresetYear) return nullptr;
  return &PresetRates[static_cast<std::size_t>(taxYear - kFirstPresetYear)];
}
