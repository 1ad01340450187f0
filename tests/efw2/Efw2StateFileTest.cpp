// The state W-2 files: the RS records of the general layout and of each
// state layout Quillmar ships, read back by the positions of the state
// layouts written down here on their own, the order and counts of the
// records, and the states that take no file.

#include <gtest/gtest.h>

#include <functional>

#include "efw2/Efw2StateFile.h"
#include "tests/efw2/Efw2Reader.h"
#include "tests/efw2/Efw2Samples.h"

namespace {

struct At {
  int pos, len;
  std::string value;  // blanks after it up to the length
};

// Checks fields of one record by 1-based position; with `whole`, the fields
// must cover the 512 positions without a gap.
void ExpectFields(const Efw2ReadRecord& r, const std::vector<At>& fields, bool whole) {
  int next = 1;
  for (const At& f : fields) {
    if (whole) {
      EXPECT_EQ(f.pos, next) << r.Id << " table gap at " << f.pos;
    }
    next = f.pos + f.len;
    std::string want = f.value;
    want.resize(static_cast<std::size_t>(f.len), ' ');
    EXPECT_EQ(r.Raw.substr(static_cast<std::size_t>(f.pos - 1), static_cast<std::size_t>(f.len)),
              want)
        << r.Id << " " << f.pos << "-" << f.pos + f.len - 1;
  }
  if (whole) {
    EXPECT_EQ(next, 513) << r.Id;
  }
}

void SetLine(W2Record& w2, int line, const char* state, const char* id, const char* wages,
             const char* tax, const char* localWages = "0", const char* localTax = "0",
             const char* locality = "") {
  if (line == 1) {
    w2.ST1State = state, w2.ST1StateID = id, w2.ST1LocName = locality;
    w2.ST1StateWage = Money(wages), w2.ST1StateTax = Money(tax);
    w2.ST1LocalWage = Money(localWages), w2.ST1LocalTax = Money(localTax);
  } else {
    w2.ST2State = state, w2.ST2StateID = id, w2.ST2LocName = locality;
    w2.ST2StateWage = Money(wages), w2.ST2StateTax = Money(tax);
    w2.ST2LocalWage = Money(localWages), w2.ST2LocalTax = Money(localTax);
  }
}

W2Record John() {
  W2Record w2 = JanePublic();
  w2.SocSecNum = "345-67-8901";
  w2.FirstName = "John";
  w2.MiddleInitial = "";
  for (Box12Entry& line : w2.Box12) SetCode(line, " ", "0");
  w2.AllocTips = Money("100");  // gives an RO
  return w2;
}

std::vector<std::string> Ids(const std::vector<Efw2ReadRecord>& records) {
  std::vector<std::string> ids;
  for (const Efw2ReadRecord& r : records) ids.push_back(r.Id);
  return ids;
}

std::string Report(const Efw2StateFile& file) {
  std::string text;
  for (const std::string& line : Efw2StateReportLines(SampleW3(), file)) text += line + "\n";
  return text;
}

bool HasFinding(const Efw2StateFile& file, Efw2Severity severity, const std::string& text) {
  for (const Efw2Finding& f : file.Findings())
    if (f.Severity == severity && f.Text == text) return true;
  return false;
}

}  // namespace

// The general RS of publication 42-007 (positions agreed by three sources).
// The tax type in 308 stays blank: no state says which kind a box 20
// locality is (unverified).
TEST(Efw2StateFile, TheGeneralRsFieldByFieldAndTheWarningNamingTheStatesInstructions) {
  Efw2Input input = SampleInput();
  SetLine(input.Employees[0], 2, "KY", "ky-12345", "52340.15", "1800", "100", "2", "LEX");
  const Efw2StateFile file(input, {"KY", ""});
  ASSERT_FALSE(file.HasErrors()) << Report(file);
  EXPECT_TRUE(HasFinding(
      file, Efw2Severity::Warning,
      "Quillmar has no layout of Kentucky's own: the file is in the general layout of the SSA's "
      "publication 42-007; check it against Kentucky's own instructions for electronic W-2 "
      "filing (an EFW2 file, due 31 January) before filing"));
  const std::vector<Efw2ReadRecord> r = ReadEfw2(file.Records());
  ASSERT_EQ(Ids(r), (std::vector<std::string>{"RA", "RE", "RW", "RS", "RT", "RF"}));
  // clang-format off
  ExpectFields(r[3], {{1, 2, "RS"}, {3, 2, "21"}, {5, 5, ""}, {10, 9, "234567890"},
      {19, 15, "JANE"}, {34, 15, "Q"}, {49, 20, "PUBLIC"}, {69, 4, ""}, {73, 22, "APT 4B"},
      {95, 22, "123 MAIN ST"}, {117, 22, "SPRINGFIELD"}, {139, 2, "IL"}, {141, 5, "62704"},
      {146, 4, "1234"}, {150, 5, ""}, {155, 23, ""}, {178, 15, ""}, {193, 2, ""}, {195, 53, ""},
      {248, 20, "KY-12345"}, {268, 6, ""}, {274, 2, "21"}, {276, 11, "00005234015"},
      {287, 11, "00000180000"}, {298, 10, ""}, {308, 1, ""}, {309, 11, "00000010000"},
      {320, 11, "00000000200"}, {331, 182, ""}}, true);
  // clang-format on
  EXPECT_EQ(r[2].Raw, ReadEfw2(Efw2WageFile(SampleInput()).Records())[2].Raw);  // the SSA's RW
}

// Pennsylvania: 3-4 and 10-18 from the state's own myPATH page; the account
// ID in 248-255, the ITIN zeros in 338-346, the RV and the bare RF from one
// payroll program's writer (weakly backed).
TEST(Efw2StateFile, PennsylvaniaRsRvAndRfWithAccountItinAndRvWeaklyBacked) {
  Efw2Input input = SampleInput();
  SetLine(input.Employees[0], 1, "PA", "1234-5678", "52340.15", "1606.84");
  input.Employees.push_back(John());
  SetLine(input.Employees[1], 1, "OH", "51-123456", "1000", "20");  // not in the PA file
  const Efw2StateFile file(input, {"pa", ""});
  ASSERT_FALSE(file.HasErrors()) << Report(file);
  const std::vector<Efw2ReadRecord> r = ReadEfw2(file.Records());
  ASSERT_EQ(Ids(r), (std::vector<std::string>{"RA", "RE", "RS", "RV", "RF"}));
  // clang-format off
  ExpectFields(r[2], {{1, 2, "RS"}, {3, 2, "42"}, {10, 9, "234567890"}, {49, 20, "PUBLIC"},
      {248, 8, "12345678"}, {256, 12, ""}, {274, 2, "42"}, {276, 11, "00005234015"},
      {287, 11, "00000160684"}, {338, 9, "000000000"}, {347, 166, ""}}, false);
  // clang-format on
  // clang-format off
  ExpectFields(r[3], {{1, 2, "RV"}, {3, 2, "42"}, {5, 4, "2025"}, {9, 8, "12345678"},
      {17, 9, "123456789"}, {26, 7, "0000001"}, {33, 15, "000000005234015"},
      {48, 15, "000000000160684"}, {63, 450, ""}}, true);
  // clang-format on
  ExpectFields(r[4], {{1, 2, "RF"}, {3, 510, ""}}, true);

  SetLine(input.Employees[0], 1, "PA", "1234-567", "52340.15", "1606.84");
  EXPECT_TRUE(HasFinding(Efw2StateFile(input, {"PA", ""}), Efw2Severity::Error,
                         "Box 15 Employer's state ID number 1234-567 is not Pennsylvania's "
                         "account ID of 8 digits"));
}

// Ohio: the federal records with one RS per Ohio line; the tax type E for a
// school district number and C for a city rests on a payroll vendor's page
// (weakly backed), Ohio's own changes were not read.
TEST(Efw2StateFile, OhioOrderCountsAndTaxTypeWeaklyBacked) {
  Efw2Input input = SampleInput();
  SetLine(input.Employees[0], 1, "PA", "12345678", "100", "3");
  SetLine(input.Employees[0], 2, "OH", "51-123456", "52340.15", "900", "52340.15", "523.40",
          "DAYTON");
  W2Record gone = John();
  gone.Void = 1;  // void W-2s are never exported
  SetLine(gone, 1, "OH", "51-123456", "1", "1");
  input.Employees.push_back(gone);
  input.Employees.push_back(John());
  SetLine(input.Employees[2], 1, "OH", "", "1000", "20", "1000", "15", "SD4701");
  SetLine(input.Employees[2], 2, "OH", "", "500", "10");
  input.W3.StateForID = "OH";
  input.W3.StateID = "51-123456";
  input.Employees.erase(input.Employees.begin() + 1);  // Efw2Employees leaves void W-2s out
  const Efw2StateFile file(input, {"OH", ""});
  ASSERT_FALSE(file.HasErrors()) << Report(file);
  const std::vector<Efw2ReadRecord> r = ReadEfw2(file.Records());
  ASSERT_EQ(Ids(r), (std::vector<std::string>{"RA", "RE", "RW", "RS", "RW", "RO", "RS", "RS", "RT",
                                              "RU", "RF"}));
  EXPECT_EQ(r[8]["RwCount"], "0000002");
  EXPECT_EQ(r[9]["RoCount"], "0000001");
  EXPECT_EQ(r[10]["RwCount"], "000000002");
  EXPECT_EQ(r[8]["Box1"], "000000010468030");  // two RW of 52340.15
  // clang-format off
  const std::vector<std::pair<int, std::vector<At>>> rs = {
      {3, {{3, 2, "39"}, {10, 9, "234567890"}, {248, 20, "51-123456"}, {274, 2, "39"},
           {276, 11, "00005234015"}, {287, 11, "00000090000"}, {308, 1, "C"},
           {309, 11, "00005234015"}, {320, 11, "00000052340"}}},
      {6, {{10, 9, "345678901"}, {248, 20, "51-123456"}, {308, 1, "E"}, {320, 11, "00000001500"}}},
      {7, {{276, 11, "00000050000"}, {308, 1, ""}, {309, 22, std::string(22, '0')}}}};
  // clang-format on
  for (const auto& [index, fields] : rs)
    ExpectFields(r[static_cast<std::size_t>(index)], fields, false);
  EXPECT_EQ(file.RsCount(), 3u);
  EXPECT_EQ(file.StateWages(), 5234015u + 100000u + 50000u);
}

// Illinois: the federal layout and the general RV (weakly backed: a vendor's
// note on the Illinois guide).
TEST(Efw2StateFile, IllinoisGeneralRvWeaklyBacked) {
  Efw2Input input = SampleInput();
  SetLine(input.Employees[0], 1, "IL", "1234-5678", "52340.15", "2590.84");
  const std::vector<Efw2ReadRecord> r = ReadEfw2(Efw2StateFile(input, {"IL", ""}).Records());
  ASSERT_EQ(Ids(r), (std::vector<std::string>{"RA", "RE", "RW", "RS", "RT", "RV", "RF"}));
  ExpectFields(r[3], {{3, 2, "17"}, {248, 20, "1234-5678"}, {287, 11, "00000259084"}}, false);
  // clang-format off
  ExpectFields(r[5], {{1, 2, "RV"}, {3, 7, "0000001"}, {10, 15, "000000005234015"},
      {25, 15, "000000000259084"}, {40, 473, ""}}, true);
  // clang-format on
}

// Iowa: RS 309-330 zeros (Iowa's own FAQ); the permit number right-justified
// and zero-filled (two sources); the RV with the business e-file number in
// 40-47 and zeros in 48-57 (one source, weakly backed).
TEST(Efw2StateFile, IowaZeroLocalsPermitAndRvWithBenWeaklyBacked) {
  Efw2Input input = SampleInput();
  SetLine(input.Employees[0], 1, "IA", "123-456-789", "52340.15", "2000", "50", "1");
  const Efw2StateFile file(input, {"IA", "1234-5678"});
  ASSERT_FALSE(file.HasErrors()) << Report(file);
  EXPECT_TRUE(HasFinding(file, Efw2Severity::Warning,
                         "Boxes 18 and 19 local wages and tax are not reported to Iowa, which has "
                         "no local income tax; the file holds zeros"));
  const std::vector<Efw2ReadRecord> r = ReadEfw2(file.Records());
  ASSERT_EQ(Ids(r), (std::vector<std::string>{"RA", "RE", "RW", "RS", "RT", "RV", "RF"}));
  // clang-format off
  ExpectFields(r[3], {{3, 2, "19"}, {248, 20, "00000000000123456789"}, {274, 2, "19"},
      {287, 11, "00000200000"}, {308, 1, ""}, {309, 22, std::string(22, '0')}}, false);
  // clang-format on
  // clang-format off
  ExpectFields(r[5], {{1, 2, "RV"}, {3, 7, "0000001"}, {10, 15, "000000005234015"},
      {25, 15, "000000000200000"}, {40, 8, "12345678"}, {48, 10, "0000000000"},
      {58, 455, ""}}, true);
  // clang-format on
  EXPECT_TRUE(HasFinding(Efw2StateFile(input, {"IA", "123"}), Efw2Severity::Error,
                         "Business e-file number (BEN) 123 is not the 8 digits of Iowa's BEN"));
}

TEST(Efw2StateFile, StatesWithoutEmployeesOrWithoutAW2FileAreRefused) {
  const std::pair<const char*, const char*> cases[] = {
      {"MI", "No W-2 shows MI in box 15: there is nothing to file for Michigan"},
      {"CA", "California takes no W-2 file: the wage data goes to the EDD on the quarterly DE 9C."},
      {"NY", "New York takes no W-2 file: the wage data goes on the quarterly NYS-45."},
      {"TX", "Texas has no income tax on wages: no W-2 filing is needed."},
      {"XX", "XX is not a state of the United States"}};
  Efw2Input input = SampleInput();
  for (const auto& [state, text] : cases) {
    SetLine(input.Employees[0], 1, state, "1", "1", "0");
    if (std::string(state) == "MI") SetLine(input.Employees[0], 1, "WI", "1", "1", "0");
    const Efw2StateFile file(input, {state, ""});
    EXPECT_TRUE(HasFinding(file, Efw2Severity::Error, text)) << state << "\n" << Report(file);
    EXPECT_THROW(file.Records(), std::logic_error) << state;
  }
  EXPECT_EQ(Box15States({input.Employees[0], John()}), (std::vector<std::string>{"XX"}));
}
