// The foreign-address warnings and the state-line rules of a W-2.

#include <gtest/gtest.h>

#include <cstring>

#include "rules/W2ForeignAddress.h"
#include "rules/W2StateLines.h"

namespace {

const std::string kNone = "<none>";
const std::string kZipWithForeign =
    "As foreign postal code and/or foreign country entered US zip code should be empty";
const std::string kPostCodeAlone =
    "As foreign postal code entered do not forget to also enter foreign country";
const std::string kCountryAlone =
    "As foreign country entered do not forget to also enter foreign postal code";
const std::string kForeignWithZip = "US zip code should not be entered for foreign addresses";

std::string Or(const std::optional<std::string>& warning) { return warning.value_or(kNone); }

TEST(W2ForeignAddress, EachFieldWarnsAboutWhatTheOthersHold) {
  const struct {
    W2AddressEntries entries;
    const std::string& zip;
    const std::string& postCode;
    const std::string& country;
  } cases[] = {
      {{false, false, false}, kNone, kNone, kNone},
      {{true, false, false}, kNone, kNone, kNone},
      {{false, true, false}, kNone, kPostCodeAlone, kNone},
      {{false, false, true}, kNone, kNone, kCountryAlone},
      {{false, true, true}, kNone, kNone, kNone},
      {{true, true, false}, kZipWithForeign, kPostCodeAlone, kNone},
      {{true, false, true}, kZipWithForeign, kNone, kCountryAlone},
      {{true, true, true}, kZipWithForeign, kForeignWithZip, kForeignWithZip},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.entries.zip) + std::to_string(c.entries.postCode) +
                 std::to_string(c.entries.country));
    EXPECT_EQ(Or(ZipWarning(c.entries)), c.zip);
    EXPECT_EQ(Or(PostCodeWarning(c.entries)), c.postCode);
    EXPECT_EQ(Or(CountryWarning(c.entries)), c.country);
  }
}

template <typename Record>
Record Blank() {
  Record record;
  std::memset(&record, 0, sizeof record);
  return record;
}

TEST(W2StateLines, LineOneTakesTheEmployersStateAndLocksWhatMatchesExactly) {
  const struct {
    const char* stateForID;
    const char* stateID;
    const char* employeeState;
    const char* employeeID;
    const char* state;  // line 1 afterwards
    const char* id;
    bool stateLocked;
    bool idLocked;
  } cases[] = {
      {"NY", "NY-7788", "", "", "NY", "NY-7788", true, true},
      {"NY", "NY-7788", "NJ", "", "NJ", "NY-7788", false, true},
      {"NY", "NY-7788", "NY", "NJ-1", "NY", "NJ-1", true, false},
      {"X", "", "", "", "", "", false, false},  // several states: no default
      {"X", "", "NJ", "NJ-1", "NJ", "NJ-1", false, false},
      {"", "", "", "", "", "", false, false},
      // A state of the table in lower case is still the employer's state;
      // an employee's upper-case line 1 is then another value.
      {"ny", "ab-1", "NY", "AB-1", "NY", "AB-1", false, false},
      {"ny", "ab-1", "", "", "ny", "ab-1", true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.stateForID) + "/" + c.employeeState + "/" + c.employeeID);
    W3Record w3 = Blank<W3Record>();
    w3.StateForID = c.stateForID;
    w3.StateID = c.stateID;
    W2Record w2 = Blank<W2Record>();
    w2.ST1State = c.employeeState;
    w2.ST1StateID = c.employeeID;
    const StateLine1Lock lock = ApplyStateLine1Defaults(w2, w3);
    EXPECT_EQ(w2.ST1State.Str(), c.state);
    EXPECT_EQ(w2.ST1StateID.Str(), c.id);
    EXPECT_EQ(lock.state, c.stateLocked);
    EXPECT_EQ(lock.stateID, c.idLocked);
  }
}

TEST(W2StateLines, LineTwoNeedsAStateForItsId) {
  W2Record w2 = Blank<W2Record>();
  EXPECT_FALSE(StateLine2IdWithoutState(w2));
  w2.ST2StateID = "55-1";
  EXPECT_TRUE(StateLine2IdWithoutState(w2));
  w2.ST2State = "NJ";
  EXPECT_FALSE(StateLine2IdWithoutState(w2));
  w2.ST2StateID = "";
  EXPECT_FALSE(StateLine2IdWithoutState(w2));
  EXPECT_STREQ(kStateLine2IdWithoutStateMessage,
               "You have a State ID Number on State Line 2, but no State selected to the left of "
               "it. One of those entries is an error.");
}

}  // namespace
