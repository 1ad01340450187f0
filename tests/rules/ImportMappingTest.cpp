#include <gtest/gtest.h>

#include "rules/ImportMapping.h"
#include "rules/W2CsvFields.h"

namespace {

// The members each column was given; "" for a column left out.
std::vector<std::string> Members(const ColumnMapping& mapping) {
  std::vector<std::string> members;
  for (int field : mapping)
    members.emplace_back(field == kNotImported ? "" : W2CsvFields()[field].Member);
  return members;
}

TEST(GuessMapping, PayrollProgramExport) {
  const CsvRow headers = {"Employee SSN",
                          "Employee First Name",
                          "Employee Last Name",
                          "Address Line 1",
                          "Address Line 2",
                          "City",
                          "State",
                          "Zip",
                          "Wages, Tips, Other Comp.",
                          "Federal Income Tax Withheld",
                          "Social Security Wages",
                          "Social Security Tax Withheld",
                          "Medicare Wages and Tips",
                          "Medicare Tax Withheld",
                          "Box 12a Code",
                          "Box 12a Amount",
                          "Retirement Plan",
                          "State",
                          "State Employer ID",
                          "State Wages",
                          "State Income Tax",
                          "Department"};
  EXPECT_EQ(
      Members(GuessMapping(headers)),
      (std::vector<std::string>{"SocSecNum",   "FirstName", "LastName",      "StreetPOB",
                                "Suite",       "City",      "AddrState",     "Zip",
                                "Wages",       "FedTax",    "SSWages",       "SSTax",
                                "MedWage",     "MedTax",    "Box12[0].Code", "Box12[0].Amount",
                                "RetirePlan",  "ST1State",  "ST1StateID",    "ST1StateWage",
                                "ST1StateTax", ""}));
}

TEST(GuessMapping, HandMadeSpreadsheetWithTwoStateLines) {
  const CsvRow headers = {"Last",        "First",          "MI",           "SS#",
                          "SSN",         "Street",         "City",         "ST",
                          "ZIP",         "Wages",          "Fed W/H",      "SS Wages",
                          "SS W/H",      "Medicare Wages", "Medicare W/H", "State",
                          "State Wages", "State W/H",      "State",        "State Wages",
                          "State W/H",   "Notes"};
  EXPECT_EQ(
      Members(GuessMapping(headers)),
      (std::vector<std::string>{
          "LastName", "FirstName",    "MiddleInitial", "",         "SocSecNum",    "StreetPOB",
          "City",     "AddrState",    "Zip",           "Wages",    "FedTax",       "SSWages",
          "SSTax",    "MedWage",      "MedTax",        "ST1State", "ST1StateWage", "ST1StateTax",
          "ST2State", "ST2StateWage", "ST2StateTax",   ""}));
}

TEST(GuessMapping, ExportCaptionsMapBackToTheirFieldsEveryOne) {
  CsvRow headers;
  for (const W2CsvField& field : W2CsvFields()) headers.emplace_back(field.Caption);
  const ColumnMapping mapping = GuessMapping(headers);
  for (std::size_t i = 0; i < mapping.size(); ++i) EXPECT_EQ(mapping[i], int(i)) << headers[i];
}

TEST(GuessMapping, RememberedChoicesWinAndTakeTheirFieldsFirst) {
  // Last time "Pay" was box 1 and "Wages" was left out.
  const ColumnMapping mapping =
      GuessMapping({"Wages", "Pay", "SSN"}, {std::string(""), std::string("Wages"), std::nullopt});
  EXPECT_EQ(Members(mapping), (std::vector<std::string>{"", "Wages", "SocSecNum"}));
}

TEST(MappingProblem, NeedsTheSsnOnceAndNoFieldTwice) {
  const int ssn = static_cast<int>(*W2CsvFieldOfMember("SocSecNum"));
  const int wages = static_cast<int>(*W2CsvFieldOfMember("Wages"));
  EXPECT_EQ(MappingProblem({wages}),
            "No column is mapped to the SSN: the employees are matched by their Social Security "
            "number.");
  EXPECT_EQ(MappingProblem({ssn, wages, wages}),
            "Box 1 Wages, tips, other compensation is mapped to more than one column.");
  EXPECT_EQ(MappingProblem({ssn, kNotImported, kNotImported, wages}), std::nullopt);
}

}  // namespace

TEST(PlainAmountText, TakesOutDollarSignsAndThousandsCommasOnly) {
  const std::pair<const char*, const char*> cases[] = {
      {"$1,234.50", "1234.50"}, {"-$1,000", "-1000"},     {"$-12.5", "-12.5"},
      {"1,234,567", "1234567"}, {"12abc", "12abc"},       {"1,23", "1,23"},
      {",123", ",123"},         {"1234,567", "1234,567"}, {" 7 ", " 7 "}};
  for (const auto& [typed, plain] : cases) EXPECT_EQ(PlainAmountText(typed), plain) << typed;
}
