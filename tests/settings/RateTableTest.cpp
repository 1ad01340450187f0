// The rate table in the registry: its layout, the preset years and the
// seeding rule.

#include <gtest/gtest.h>

#include <filesystem>

#include "data/SocSecMedicareRates.h"
#include "platform/AtomicFile.h"
#include "platform/RegistryError.h"
#include "settings/QuillmarRegistry.h"
#include "settings/RateTableSeeding.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {

SocSecMedicareRates Read(TQuillmarRegistry& registry, std::int32_t year) {
  SocSecMedicareRates rates;
  rates.TaxYear = year;
  registry.ReadRatesForYear(rates);
  return rates;
}

std::string ReadError(TQuillmarRegistry& registry, std::int32_t year) {
  try {
    Read(registry, year);
  } catch (const RegistryError& error) {
    return error.what();
  }
  return {};
}

// Writes one value of a year key by hand, as a damaged or edited table would hold it.
void PutValue(TQuillmarRegistry& registry, std::int32_t year, const RegValue& value) {
  registry.SetRootKey(RegRoot::LocalMachine);
  ASSERT_TRUE(registry.OpenKey(TQuillmarRegistry::RatesKeyOf(year), true));
  registry.WriteValues({value});
  registry.CloseKey();
}

TEST(SocSecMedicareRates, SeedingWritesThePresetYearsExactly) {
  TempDir dir;
  TQuillmarRegistry registry(dir.Path());
  SeedPresetRates(registry);
  const struct {
    std::int32_t year;
    Currency wageBase;
  } presets[] = {{1998, 684000000},
                 {1999, 726000000},
                 {2000, 762000000},
                 {2001, 804000000},
                 {2002, 849000000}};
  for (const auto& preset : presets) {
    EXPECT_EQ(Read(registry, preset.year),
              (SocSecMedicareRates{preset.year, preset.wageBase, 62000, 0, 14500, false}))
        << preset.year;
  }
  registry.SetRootKey(RegRoot::LocalMachine);
  ASSERT_TRUE(registry.OpenKey(TQuillmarRegistry::kRatesKey, false));
  std::vector<std::string> years;
  for (int year = 1998; year <= 2026; ++year) years.push_back(std::to_string(year));
  EXPECT_EQ(registry.GetKeyNames(), years);
  ASSERT_TRUE(registry.OpenKey("2002", false));
  EXPECT_EQ(registry.GetValueNames(),
            (std::vector<std::string>{"SocSecMaxWage", "SocSecRate", "MedicareMaxWage",
                                      "MedicareRate", "MedicareHasMaxWage"}));
  EXPECT_EQ(Read(registry, 2027), (SocSecMedicareRates{2027, 0, 0, 0, 0, false}))
      << "no entry reads as zeros";
}

TEST(SocSecMedicareRates, SeedingStopsAtA2002WageBase) {
  TempDir dir;
  TQuillmarRegistry registry(dir.Path());
  SeedPresetRates(registry);
  const SocSecMedicareRates edited{2002, 850000000, 62500, 900000000, 14567, true};
  ASSERT_TRUE(registry.WriteRatesForYear(edited));
  const SocSecMedicareRates old1999{1999, 1, 2, 3, 4, true};
  ASSERT_TRUE(registry.WriteRatesForYear(old1999));
  SeedPresetRates(registry);
  EXPECT_EQ(Read(registry, 2002), edited);
  EXPECT_EQ(Read(registry, 1999), old1999);

  // Even with the earlier years gone.
  TempDir only2002;
  TQuillmarRegistry fresh(only2002.Path());
  ASSERT_TRUE(fresh.WriteRatesForYear(edited));
  SeedPresetRates(fresh);
  EXPECT_FALSE(fresh.KeyExists(TQuillmarRegistry::RatesKeyOf(1998)));
}

TEST(SocSecMedicareRates, A2002EntryWithoutAWageBaseIsSeededAfresh) {
  for (const bool damaged : {false, true}) {
    TempDir dir;
    TQuillmarRegistry registry(dir.Path());
    ASSERT_TRUE(registry.WriteRatesForYear({1999, 1, 2, 3, 4, true}));
    if (damaged) {
      // A wage base of another type cannot be read: the presets replace it.
      PutValue(registry, 2002, RegValue::Dword("SocSecMaxWage", 84900));
    } else {
      ASSERT_TRUE(registry.WriteRatesForYear({2002, 0, 62000, 0, 14500, false}));
    }
    SeedPresetRates(registry);
    EXPECT_EQ(Read(registry, 2002), PresetRates[4]) << damaged;
    EXPECT_EQ(Read(registry, 1999), PresetRates[1]) << "every preset year is overwritten";
  }
}

// A later preset year is written only where the table has no rates for it:
// never over the user's entry nor a damaged one; an entry without a wage
// base is none.
TEST(SocSecMedicareRates, SeedingAddsOnlyTheMissingLaterYears) {
  TempDir dir;
  TQuillmarRegistry registry(dir.Path());
  const SocSecMedicareRates own2025{2025, 1760000000, 62500, 0, 14567, false};
  ASSERT_TRUE(registry.WriteRatesForYear(own2025));
  ASSERT_TRUE(registry.WriteRatesForYear({2024, 0, 62000, 0, 14500, false}));
  PutValue(registry, 2020, RegValue::Dword("SocSecMaxWage", 5));
  SeedPresetRates(registry);
  EXPECT_EQ(Read(registry, 2025), own2025);
  EXPECT_EQ(Read(registry, 2024), (SocSecMedicareRates{2024, 1686000000, 62000, 0, 14500, false}));
  EXPECT_EQ(Read(registry, 2012), (SocSecMedicareRates{2012, 1101000000, 42000, 0, 14500, false}));
  EXPECT_EQ(ReadError(registry, 2020), "Invalid data type for 'SocSecMaxWage'");
}

TEST(SocSecMedicareRates, StoresEightByteLittleEndianAmountsAndADword) {
  TempDir dir;
  TQuillmarRegistry registry(dir.Path());
  ASSERT_TRUE(registry.WriteRatesForYear({2003, 876000000, 62500, -1, 14567, true}));
  const std::string hive = ReadWholeFile(dir.Path() / "system.reg").value_or("");
  EXPECT_NE(hive.find("[HKEY_LOCAL_MACHINE\\Software\\Tolvane\\Quillmar\\SocSecMedicare\\2003]\n"
                      "\"SocSecMaxWage\"=hex:00,b3,36,34,00,00,00,00\n"
                      "\"SocSecRate\"=hex:24,f4,00,00,00,00,00,00\n"
                      "\"MedicareMaxWage\"=hex:ff,ff,ff,ff,ff,ff,ff,ff\n"
                      "\"MedicareRate\"=hex:e7,38,00,00,00,00,00,00\n"
                      "\"MedicareHasMaxWage\"=dword:00000001\n"),
            std::string::npos)
      << hive;
  EXPECT_EQ(Read(registry, 2003), (SocSecMedicareRates{2003, 876000000, 62500, -1, 14567, true}));
}

TEST(SocSecMedicareRates, ADamagedYearRaisesTheRegistryErrorNamingTheValue) {
  TempDir dir;
  TQuillmarRegistry registry(dir.Path());
  SeedPresetRates(registry);
  PutValue(registry, 2000, RegValue::Binary("SocSecRate", "\x30\xf2\x00\x00", 4));
  EXPECT_EQ(ReadError(registry, 2000), "Invalid data type for 'SocSecRate'");
  PutValue(registry, 2001, RegValue::String("MedicareHasMaxWage", "yes"));
  EXPECT_EQ(ReadError(registry, 2001), "Invalid data type for 'MedicareHasMaxWage'");
  PutValue(registry, 2027, RegValue::Binary("SocSecMaxWage", "\0\0\0\0\0\0\0\0", 8));
  EXPECT_EQ(ReadError(registry, 2027), "Failed to get data for 'SocSecRate'");
  PutValue(registry, 1999, RegValue::Dword("MedicareHasMaxWage", 7));
  EXPECT_TRUE(Read(registry, 1999).MedicareHasMaxWage) << "any non-zero value is true";
}

TEST(SocSecMedicareRates, AReadOnlyTableIsSkippedSilently) {
  TempDir dir;
  ScriptedMessageBoxes boxes;
  fs::permissions(dir.Path(),
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  TQuillmarRegistry registry(dir.Path());
  EXPECT_FALSE(registry.WriteRatesForYear(PresetRates[4]));
  SeedPresetRates(registry);
  EXPECT_TRUE(fs::is_empty(dir.Path()));
  EXPECT_TRUE(boxes.Shown().empty());
}

}  // namespace
