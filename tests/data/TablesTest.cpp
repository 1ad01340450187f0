#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "data/CountryTable.h"
#include "data/EntryRules.h"
#include "data/StateTable.h"

namespace {

bool IsTwoUpperLetters(std::string_view code) {
  return code.size() == 2 && code[0] >= 'A' && code[0] <= 'Z' && code[1] >= 'A' && code[1] <= 'Z';
}

struct Row {
  std::size_t position;  // counted from 1, as the lists show them
  const char* name;
  const char* code;
};

template <typename Table, typename Code>
void ExpectRows(const Table& table, std::initializer_list<Row> rows, Code code) {
  for (const Row& row : rows) {
    EXPECT_EQ(table[row.position - 1].Name, row.name) << row.position;
    EXPECT_EQ(code(table[row.position - 1]), row.code) << row.position;
  }
}

TEST(StateTable, HoldsTheStatesTerritoriesAndPostOfficesInListOrder) {
  ASSERT_EQ(StateTable.size(), 62u);
  ExpectRows(StateTable,
             {
                 {1, "Alabama", "AL"},
                 {2, "Alaska", "AK"},
                 {9, "District of Columbia", "DC"},
                 {33, "New York", "NY"},
                 {51, "Wyoming", "WY"},
                 {52, "TERRITORIES AND POSSESSIONS", ""},
                 {53, "American Samoa", "AS"},
                 {56, "Puerto Rico", "PR"},
                 {57, "Virgin Islands", "VI"},
                 {58, "MILITARY POST OFFICES", ""},
                 {59, "Alaska and the Pacific", "AP"},
                 {60, "Canada, Europe, Africa and the Middle East", "AE"},
                 {61, "Central and South America", "AA"},
                 {62, "Contingency Operations", "AC"},
             },
             [](const StateEntry& state) { return state.Abbrev; });
}

TEST(StateTable, EveryRowButTheTwoHeadingsHasItsOwnAbbreviation) {
  std::set<std::string_view> seen;
  for (std::size_t i = 0; i < StateTable.size(); ++i) {
    const StateEntry& state = StateTable[i];
    EXPECT_FALSE(state.Name.empty()) << i + 1;
    if (i + 1 == 52 || i + 1 == 58) {
      EXPECT_TRUE(state.Abbrev.empty()) << i + 1;
      continue;
    }
    EXPECT_TRUE(IsTwoUpperLetters(state.Abbrev)) << i + 1 << " " << state.Abbrev;
    EXPECT_TRUE(seen.insert(state.Abbrev).second) << "duplicate " << state.Abbrev;
  }
  EXPECT_EQ(seen.size(), 60u);
}

TEST(CountryTable, KeepsItsOrderAndItsNamesAsTheyStand) {
  ASSERT_EQ(CountryTable.size(), 262u);
  ExpectRows(CountryTable,
             {
                 {1, "Afghanistan", "AF"},
                 {16, "Azores", "PO"},
                 {17, "Bahamas, The", "BF"},
                 {29, "Birkina Faso", "UV"},
                 {41, "Canada", "CA"},
                 {42, "Canary Islands", "SP"},
                 {46, "Chand", "CD"},
                 {48, "China, People s Republic of", "CH"},
                 {50, "Christman Island (Pacific Ocean)", "KR"},
                 {60, "Cote d lvoire (Ivory Coast)", "IV"},
                 {88, "Germany", "GM"},
                 {89, "Georgia", "GG"},
                 {119, "Jan Mayan", "JN"},
                 {129, "Korea, Democratic People s Republic of (North)", "KN"},
                 {139, "Leichtenstein", "LS"},
                 {165, "Nambia", "WA"},
                 {178, "Northern Ireland", "UK"},
                 {182, "Palistan", "PK"},
                 {192, "Portugal", "PO"},
                 {217, "Spain", "SP"},
                 {231, "Tongo", "TO"},
                 {232, "Tokelau", "TL"},
                 {233, "Tonga", "TN"},
                 {245, "United Kingdom", "UK"},
                 {261, "Zimbabwe", "ZI"},
                 {262, "Other Countries", "OC"},
             },
             [](const CountryEntry& country) { return country.Code; });
}

TEST(CountryTable, OnlyPortugalSpainAndTheUnitedKingdomShareACode) {
  std::map<std::string_view, int> uses;
  for (const CountryEntry& country : CountryTable) {
    EXPECT_FALSE(country.Name.empty());
    EXPECT_TRUE(IsTwoUpperLetters(country.Code)) << country.Name << " " << country.Code;
    ++uses[country.Code];
  }
  std::set<std::string_view> shared;
  for (const auto& [code, count] : uses)
    if (count > 1) {
      shared.insert(code);
      EXPECT_EQ(count, 2) << code;
    }
  EXPECT_EQ(shared, (std::set<std::string_view>{"PO", "SP", "UK"}));
  EXPECT_EQ(uses.size(), 259u);
}

TEST(BadEinPrefixes, AreTheTwentyFivePrefixesTheSsaRejects) {
  const std::set<std::string_view> expected = {"00", "07", "08", "09", "10", "17", "18", "19", "20",
                                               "26", "27", "28", "29", "30", "40", "49", "50", "60",
                                               "69", "70", "78", "79", "80", "89", "90"};
  EXPECT_EQ(std::set<std::string_view>(BadEinPrefixes.begin(), BadEinPrefixes.end()), expected);
}

}  // namespace
