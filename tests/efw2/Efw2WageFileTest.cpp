#include <gtest/gtest.h>
#include <openssl/evp.h>

#include <functional>
#include <stdexcept>

#include "efw2/Efw2Rules.h"
#include "efw2/Efw2Text.h"
#include "efw2/Efw2WageFile.h"
#include "tests/efw2/Efw2Reader.h"
#include "tests/efw2/Efw2Samples.h"

namespace {

constexpr std::size_t kLine = 514;  // 512 characters and CR LF

std::string Sha256(const std::string& data) {
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int size = 0;
  EVP_Digest(data.data(), data.size(), digest, &size, EVP_sha256(), nullptr);
  std::string hex;
  for (unsigned int i = 0; i < size; ++i) {
    static const char* digits = "0123456789abcdef";
    hex += digits[digest[i] >> 4];
    hex += digits[digest[i] & 15];
  }
  return hex;
}

std::string Report(const Efw2WageFile& file) {
  std::string text;
  for (const std::string& line : Efw2ReportLines(SampleW3(), file.Findings())) text += line + "\n";
  return text;
}

bool HasFinding(const Efw2WageFile& file, Efw2Severity severity, const std::string& subject,
                const std::string& text) {
  for (const Efw2Finding& f : file.Findings()) {
    if (f.Severity == severity && f.Subject == subject && f.Text == text) return true;
  }
  return false;
}

const char* const kJane = "Jane Q Public (SSN 234-56-7890)";

}  // namespace

TEST(Efw2WageFile, TheWorkedExampleGivesThePublishedRecords) {
  const Efw2WageFile file(SampleInput());
  ASSERT_FALSE(file.HasErrors()) << Report(file);
  const std::string records = file.Records();
  ASSERT_EQ(records.size(), 5 * kLine);  // RA RE RW RT RF
  EXPECT_EQ(Sha256(records.substr(2 * kLine, 512)),
            "ae82fcaa84945b53179ee4b73f555c5bdfb2dc51ff61d828b51e0a15d87b3996");
  EXPECT_EQ(Sha256(records.substr(2 * kLine, kLine)),
            "6bd3d2a1c3e34f45137528cf3b22153a324c759a178ba4a4946534bf23d09fd4");
  EXPECT_EQ(Sha256(records.substr(3 * kLine, 512)),
            "51c05c82aa463bbde1226f07df14506bc6c3aac359db40d53086c49440925b67");
  EXPECT_EQ(Sha256(records.substr(4 * kLine, 512)),
            "e612767dda4d75e057ffcd4c524d08a9f8d85016c9bbb0f1bf4b591bd3910009");
}

TEST(Efw2WageFile, SubmitterAndEmployerFieldsComeFromTheDialogAndTheW3) {
  Efw2Input input = SampleInput();
  input.W3.Suite = "Suite 7 (rear)";
  input.W3.Establishment = "0012";
  input.W3.KindOfPayer = 6;  // 944
  input.W3.TPSickPayKind = 2;
  input.W3.TaxWheldTPSickPay = Money("99.50");
  input.Submitter.Resubmission = true;
  input.Submitter.ResubWfid = "a1b2c3";
  input.Submitter.TerminatingBusiness = true;
  const std::vector<Efw2ReadRecord> records = ReadEfw2(Efw2WageFile(input).Records());
  ASSERT_EQ(records.size(), 5u);
  // clang-format off
  const std::tuple<int, const char*, const char*> fields[] = {
      {0, "SubmitterEin", "123456789"}, {0, "UserId", "AB12CD34"}, {0, "VendorCode", ""},
      {0, "Resub", "1"}, {0, "Wfid", "A1B2C3"}, {0, "SoftwareCode", "98"},
      {0, "CompanyName", "ACME TOOLS INC"}, {0, "CompanyState", "IL"},
      {0, "SubmitterName", "ACME TOOLS INC"}, {0, "SubmitterDelivery", "500 OAK AVE"},
      {0, "SubmitterCity", "SPRINGFIELD"}, {0, "SubmitterState", "IL"},
      {0, "SubmitterZip", "62701"}, {0, "SubmitterZipExt", "0042"},
      {0, "ContactName", "MARY SMITH"}, {0, "ContactPhone", "2175551234"},
      {0, "ContactPhoneExt", "12"}, {0, "ContactEMail", "Payroll@Acme.example"},
      {0, "ContactFax", ""}, {0, "PreparerCode", "L"}, {1, "TaxYear", "2025"},
      {1, "AgentIndicator", ""}, {1, "Ein", "123456789"}, {1, "Terminating", "1"},
      {1, "Establishment", "0012"}, {1, "OtherEin", ""}, {1, "Name", "ACME TOOLS INC"},
      {1, "Location", "SUITE 7 REAR"}, {1, "Zip", "62701"}, {1, "ZipExt", ""},
      {1, "KindOfEmployer", "N"}, {1, "EmploymentCode", "F"}, {1, "TaxJurisdiction", ""},
      {1, "SickPay", "1"}, {1, "ContactPhone", "2175551234"},
      {1, "ContactEMail", "Payroll@Acme.example"}, {3, "SickPayTax", "000000000009950"}};
  // clang-format on
  for (const auto& [record, name, value] : fields) EXPECT_EQ(records[record][name], value) << name;
}

TEST(Efw2WageFile, EachErrorClassRefusesTheFile) {
  struct Case {
    void (*change)(Efw2Input&);
    const char* subject;  // null: Jane
    const char* text;
  };
  static W2Record& (*jane)(Efw2Input&) = [](Efw2Input& in) -> W2Record& { return in.Employees[0]; };
  // clang-format off
  const Case cases[] = {
    {[](Efw2Input& in) { jane(in).SocSecNum = "666-12-3456"; }, "Jane Q Public (SSN 666-12-3456)",
     "SSN 666-12-3456 is not a valid Social Security number (9 digits; area not 000, 666 or 900-999, group not 00, serial not 0000)"},
    {[](Efw2Input& in) { jane(in).SocSecNum = ""; }, "Jane Q Public (SSN missing)", "SSN is missing"},
    {[](Efw2Input& in) { in.Employees.push_back(JanePublic()); in.Employees[1].FirstName = "John"; },
     "John Q Public (SSN 234-56-7890)", "SSN is the same as on the W-2 of Jane Q Public (SSN 234-56-7890)"},
    {[](Efw2Input& in) { jane(in).FirstName = " "; }, "Q Public (SSN 234-56-7890)", "First name is missing"},
    {[](Efw2Input& in) { jane(in).LastName = "Public3"; }, "Jane Q Public3 (SSN 234-56-7890)",
     "Last name holds characters the SSA does not accept in names (only letters, blanks, hyphens and apostrophes)"},
    {[](Efw2Input& in) { jane(in).AddrState = "AC"; }, nullptr,
     "State AC (Contingency Operations) is no longer accepted by the SSA"},
    {[](Efw2Input& in) { jane(in).AddrState = "Ilinois"; }, nullptr, "State Ilinois is not a U.S. state abbreviation"},
    {[](Efw2Input& in) { jane(in).Zip = "6270"; }, nullptr, "Zip Code 6270 is invalid: 5 digits, or 5 digits, a hyphen and 4 digits"},
    {[](Efw2Input& in) { jane(in).Zip = ""; jane(in).PostCode = "10115"; }, nullptr, "Foreign Country is missing"},
    {[](Efw2Input& in) { jane(in).Country = "GM"; }, nullptr,
     "The address has a U.S. Zip Code and a foreign country or postal code; empty the one that does not apply"},
    {[](Efw2Input& in) { jane(in).Wages = Money("-1"); }, nullptr, "Box 1 Wages of -1.00 is negative, this is not allowed"},
    {[](Efw2Input& in) { jane(in).FedTax = Money("1000000000"); }, nullptr,
     "Box 2 Federal Tax of 1000000000.00 does not fit the file (at most 999999999.99)"},
    {[](Efw2Input& in) { jane(in).SSTips = Money("121100.01"); }, nullptr,
     "Social Security Wage 55000.00 + Tips 121100.01 = 176100.01 exceed the maximum of 176100.00, this is not allowed"},
    {[](Efw2Input& in) { jane(in).SSTax = Money("10918.21"); }, nullptr,
     "Box 4 Social Security Tax of 10918.21 exceeds the maximum of 10918.20, this is not allowed"},
    {[](Efw2Input& in) { jane(in).SSWages = 0; }, nullptr,
     "Box 4 Social Security Tax of 3410.00 with no Social Security wages or tips, this is not allowed"},
    {[](Efw2Input& in) { jane(in).MedWage = 0; }, nullptr,
     "Box 6 Medicare Tax of 797.50 with no Medicare wages, this is not allowed"},
    {[](Efw2Input& in) { jane(in).MedWage = Money("54999.99"); }, nullptr,
     "Box 5 Medicare Wage 54999.99 is less than Social Security Wage + Tips 55000.00, this is not allowed"},
    {[](Efw2Input& in) { in.W3.KindOfPayer = 5; }, nullptr,
     "Medicare government employment: boxes 3, 4 and 7 must be zero, this is not allowed"},
    {[](Efw2Input& in) { in.W3.KindOfPayer = 4; jane(in).SSWages = Money("2799.99"); }, nullptr,
     "Social Security Wage + Tips of 2799.99 are below the household threshold of 2800.00 and must be zero, this is not allowed"},
    {[](Efw2Input& in) { jane(in).AdvEIC = Money("12"); }, nullptr,
     "Box 9 Advance EIC payment of 12.00 cannot be reported: box 9 no longer exists"},
    {[](Efw2Input& in) { SetCode(jane(in).Box12[2], "X", "5"); }, nullptr, "Box 12 code X is not a box 12 code"},
    {[](Efw2Input& in) { SetCode(jane(in).Box12[2], "TA", "5"); }, nullptr,
     "Box 12 code TA cannot be written: the SSA has not yet published its place in the file"},
    {[](Efw2Input& in) { SetCode(jane(in).Box12[2], " ", "5"); }, nullptr, "Box 12 amount of 5.00 has no code"},
    {[](Efw2Input& in) { in.W3.TaxYear = 0; }, "W-3 Company", "Tax year is missing"},
    {[](Efw2Input& in) { in.Rates = {}; }, "W-3 Company",
     "No Social Security and Medicare rates are on file for tax year 2025; add them under Edit, Soc.Sec/Medicare Rates"},
    {[](Efw2Input& in) { in.W3.EmployerEIN = "07-1234567"; }, "W-3 Company",
     "Employer EIN 07-1234567 is not an EIN the SSA accepts (9 digits; prefix not 00, 07, 08, 09, 17, 18, 19, 28, 29, 49, 69, 70, 78, 79 or 89)"},
    {[](Efw2Input& in) { in.W3.EmployerName = ""; }, "W-3 Company", "Employer name is missing"},
    {[](Efw2Input& in) { in.W3.KindOfEmployer = 0; in.Submitter.KindOfEmployer = 0; }, "W-3 Company",
     "Kind of employer is not chosen"},
    {[](Efw2Input& in) { in.W3.KindOfPayer = 7; }, "W-3 Company", "Kind of payer 7 is unknown"},
    {[](Efw2Input& in) { in.Employees.clear(); }, "W-3 Company", "There are no W-2s to report: every W-2 is void or blank"},
    {[](Efw2Input& in) { in.Submitter.UserId = "AB12CD3"; }, "Submitter",
     "BSO User ID must be the 8 letters and digits of a Business Services Online User ID"},
    {[](Efw2Input& in) { in.Submitter.EMail = ""; }, "Submitter", "Contact e-mail is missing; the SSA sends its notices by e-mail"},
    {[](Efw2Input& in) { in.Submitter.EMail = "payroll.department.of.acme@tools.example.com"; }, "Submitter",
     "Contact e-mail payroll.department.of.acme@tools.example.com is 44 characters long, longer than the 40 of its field"},
    {[](Efw2Input& in) { in.Submitter.Phone = "555-1234"; }, "Submitter",
     "Contact telephone 555-1234 is not a telephone number with its area code (10 to 15 digits, an extension of up to 5 after \"x\")"},
    {[](Efw2Input& in) { in.Submitter.Resubmission = true; }, "Submitter",
     "A resubmission needs the 6-character wage file identifier (WFID) of the SSA's notice"},
    {[](Efw2Input& in) { in.Submitter.State = ""; }, "Submitter", "State is missing"},
    {[](Efw2Input& in) { in.Submitter.PreparerCode = 'X'; }, "Submitter", "Preparer code X is unknown"},
  };
  // clang-format on
  for (const Case& c : cases) {
    Efw2Input input = SampleInput();
    c.change(input);
    const Efw2WageFile file(input);
    EXPECT_TRUE(HasFinding(file, Efw2Severity::Error, c.subject ? c.subject : kJane, c.text))
        << c.text << "\n"
        << Report(file);
    EXPECT_THROW(file.Records(), std::logic_error) << c.text;
  }
}

TEST(Efw2WageFile, WarningsLeaveTheFileWritableAndCodesNotReportedOut) {
  Efw2Input input = SampleInput();
  W2Record& jane = input.Employees[0];
  SetCode(jane.Box12[2], "J", "300");
  jane.FedTax = Money("52340.16");
  jane.StreetPOB = "";
  input.W3.Zip = "";
  const Efw2WageFile file(input);
  EXPECT_FALSE(file.HasErrors()) << Report(file);
  EXPECT_TRUE(HasFinding(
      file, Efw2Severity::Warning, kJane,
      "Box 12 code J amount of 300.00 is not reported to the SSA and is left out of the file"));
  EXPECT_TRUE(HasFinding(
      file, Efw2Severity::Warning, kJane,
      "Box 2 Federal Tax 52340.16 is more than Box 1 Wages 52340.15, verify this is O.K."));
  EXPECT_TRUE(HasFinding(file, Efw2Severity::Warning, kJane, "Street is missing"));
  EXPECT_TRUE(HasFinding(file, Efw2Severity::Warning, "W-3 Company",
                         "Zip Code is missing; the SSA writes to this address"));
  const std::vector<Efw2ReadRecord> records = ReadEfw2(file.Records());
  ASSERT_EQ(records.size(), 5u);
  EXPECT_EQ(records[2]["Delivery"], "");
  EXPECT_EQ(records[3]["D"], "000000000265985");  // J added nothing
  const std::vector<std::string> lines = Efw2ReportLines(input.W3, file.Findings());
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(
      lines[0],
      "SSA Wage File (EFW2) Report for: Acme Tools, Inc.,   EIN = 12-3456789,   Tax Year 2025");
  EXPECT_EQ(lines[2], "No errors were found: the file can be written.");
  EXPECT_EQ(lines[3], std::to_string(file.Findings().size()) + " warnings: verify these are O.K.");
  EXPECT_EQ(lines[5], "Warning: W-3 Company: Zip Code is missing; the SSA writes to this address");
}

TEST(Efw2Rules, SsnAndEinAsTheSsaTakesThemToday) {
  for (const char* ssn : {"773123456", "800123456", "665123456", "001010001"})
    EXPECT_TRUE(efw2::IsSsaValidSsn(ssn)) << ssn;
  for (const char* ssn : {"000123456", "666123456", "900123456", "999123456", "123001234",
                          "123450000", "123456789", "111111111", "12345678", "12345678a"}) {
    EXPECT_FALSE(efw2::IsSsaValidSsn(ssn)) << ssn;
  }
  for (const char* ein : {"101234567", "201234567", "261234567", "901234567"})
    EXPECT_TRUE(efw2::IsSsaValidEin(ein)) << ein;
  for (const char* ein :
       {"001234567", "071234567", "191234567", "491234567", "891234567", "12345678"}) {
    EXPECT_FALSE(efw2::IsSsaValidEin(ein)) << ein;
  }
}

// A 2025 file with an employee still waiting for a number and codes DD and
// AA: zeros in RW 3-11 and warnings only; two such employees are no
// duplicate. Every other invalid SSN is still refused (above).
TEST(Efw2WageFile, AnSsnNotYetIssuedIsWrittenAsZerosWithAWarning) {
  Efw2Input input = SampleInput();
  input.Employees[0].SocSecNum = "000-00-0000";
  SetCode(input.Employees[0].Box12[2], "AA", "500");
  input.Employees.push_back(input.Employees[0]);
  input.Employees[1].FirstName = "John";
  input.W3.W2Count = 2;
  input.W3.TotDefComp = Money("6319.70");  // D and AA of both, as SumToW3 adds them
  const Efw2WageFile file(input);
  EXPECT_FALSE(file.HasErrors()) << Report(file);
  for (const char* who : {"Jane Q Public (SSN 000-00-0000)", "John Q Public (SSN 000-00-0000)"}) {
    EXPECT_TRUE(HasFinding(file, Efw2Severity::Warning, who,
                           "SSN 000-00-0000: the employee has applied for a Social Security "
                           "number, the file reports zeros; file a W-2c with the number once it "
                           "is issued"));
  }
  for (const Efw2Finding& f : file.Findings())
    EXPECT_EQ(f.Text.find("Deferred"), std::string::npos) << f.Text;
  const std::vector<Efw2ReadRecord> records = ReadEfw2(file.Records());
  ASSERT_EQ(records.size(), 6u);
  EXPECT_EQ(records[2]["Ssn"], "000000000");
  EXPECT_EQ(records[3]["Ssn"], "000000000");
  EXPECT_EQ(records[3]["AA"], "00000050000");
}

// Windows-1252 curly quotes, dashes, a no-break space and a soft hyphen as
// a word processor types them pass as their plain forms in every kind of field.
TEST(Efw2WageFile, TypographicPunctuationIsMadePlainBeforeTheChecks) {
  EXPECT_EQ(efw2::PlainPunctuation("\x91"
                                   "a\x92 \x93"
                                   "b\x94 c\x96"
                                   "d\x97"
                                   "e\x85\xA0"
                                   "f\xAD"),
            "'a' \"b\" c-d-e... f");
  Efw2Input input = SampleInput();
  W2Record& jane = input.Employees[0];
  jane.LastName = "O\x92Neil\x96Smith";
  jane.FirstName = "Jane\xA0";
  jane.StreetPOB = "123 Main St \x96 Rear";
  jane.Zip =
      "62704\x96"
      "1234";
  jane.SocSecNum =
      "234\x96"
      "56\x96"
      "7890";
  input.Submitter.EMail = "payroll\xAD@acme.example";
  input.Submitter.Phone =
      "(217)555\x97"
      "1234";
  const Efw2WageFile file(input);
  ASSERT_FALSE(file.HasErrors()) << Report(file);
  const std::vector<Efw2ReadRecord> records = ReadEfw2(file.Records());
  EXPECT_EQ(records[0]["ContactEMail"], "payroll@acme.example");
  EXPECT_EQ(records[0]["ContactPhone"], "2175551234");
  EXPECT_EQ(records[2]["Ssn"], "234567890");
  EXPECT_EQ(records[2]["First"], "JANE");
  EXPECT_EQ(records[2]["Last"], "O'NEIL-SMITH");
  EXPECT_EQ(records[2]["Delivery"], "123 MAIN ST - REAR");
  EXPECT_EQ(records[2]["ZipExt"], "1234");
}
