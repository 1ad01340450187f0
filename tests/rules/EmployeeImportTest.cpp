#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <fstream>
#include <iterator>

#include "data/QuillmarFormFile.h"
#include "data/RecordKind.h"
#include "rules/CheckAllW2s.h"
#include "rules/EmployeeImport.h"
#include "rules/W2CsvFields.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempDir.h"

namespace {

constexpr Currency D(double dollars) { return static_cast<Currency>(dollars * 10000 + 0.5); }

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ImportTest : public testing::Test {
 protected:
  // A data file of the tax year whose W-3 is filled in.
  std::unique_ptr<TQuillmarFormFile> NewFile(const std::string& name, std::int32_t year = 2025) {
    auto file = TQuillmarFormFile::Create(dir.File(name));
    EXPECT_TRUE(file->ReadW3());
    W3Record& w3 = file->WorkRec.w3;
    w3.TaxYear = year, w3.EmployerEIN = "12-3456789", w3.EmployerName = "Acme";
    w3.Street = "1 Main St", w3.Town = "Albany", w3.State = "NY", w3.Zip = "12207";
    w3.KindOfEmployer = 1;
    EXPECT_TRUE(file->SaveCurrent(false));
    return file;
  }
  static void Add(TQuillmarFormFile& file, const std::function<void(W2Record&)>& fill) {
    ASSERT_TRUE(file.AddNew(kRecTypeW2));
    fill(file.WorkRec.w2);
    ASSERT_TRUE(file.SaveCurrent(false));
  }
  static ImportPlan Plan(const TQuillmarFormFile& file, const CsvTable& table) {
    return PlanImport(table, GuessMapping(table.Rows[0]), file);
  }

  TempDir dir;
  ScriptedMessageBoxes boxes;
};

const char* const kCsv =
    "SSN,First Name,Last Name,Zip,Wages,Box 12a Code\n"
    "212345678,Ann,New,02134,\"1,234.50\",dd\n"  // added
    "212-34-5679,Bob,Known,00501,$1234.5,\n"     // updates Bob
    "212-34-5680,Cy,Bad,2134,12abc,ABC\n"        // refused: ZIP, amount, code
    "212-34-5678,Ann,Again,02134,1,\n"           // refused: same SSN as row 2
    "987-65-4321,Dee,Advert,02134,1,\n";         // refused: advertising SSN

TEST_F(ImportTest, DryRunListsAddedUpdatedAndRefusedRowsWithTheScreensMessages) {
  auto file = NewFile("a.qmr");
  Add(*file, [](W2Record& w) { w.SocSecNum = "212-34-5679", w.LastName = "Known"; });
  const ImportPlan plan = Plan(*file, ReadCsv(kCsv));
  ASSERT_EQ(plan.Rows.size(), 5u);
  EXPECT_EQ((std::vector<int>{plan.Added, plan.Updated, plan.Refused}),
            (std::vector<int>{1, 1, 3}));
  EXPECT_EQ(plan.Rows[1].StoredSsn, "212-34-5679");
  EXPECT_EQ(plan.Rows[2].Reasons,
            (std::vector<std::string>{
                "Zip Code \"2134\" is invalid",
                "Entry of \"12abc\" does not constitute a valid number. It must be made up of "
                "only digits 0 to 9, no more than one period if the number includes decimals, and "
                "no more than one minus sign if negative.",
                "\"ABC\" is too long, no more than TWO characters are allowed here."}));
  EXPECT_EQ(plan.Rows[3].Reasons,
            (std::vector<std::string>{"SSN 212-34-5678 is also in row 2, only the first is "
                                      "imported"}));
  ASSERT_EQ(plan.Rows[4].Reasons.size(), 1u);
  EXPECT_TRUE(plan.Rows[4].Reasons[0].starts_with("Social Security Number is missing or invalid."));

  const std::vector<std::string> report = ImportReport(plan, "staff.csv");
  const std::vector<std::string> head(report.begin(), report.begin() + 9);
  EXPECT_EQ(head, (std::vector<std::string>{
                      "Import of employees from staff.csv: 5 rows read",
                      "1 to be added, 1 to update an employee with the same SSN, 3 refused", "",
                      "Rows that will be added:", "   Row 2: 212-34-5678  Ann New", "",
                      "Rows that will update an existing employee (same SSN):",
                      "   Row 3: 212-34-5679  Bob Known", ""}));
  EXPECT_EQ(report[9], "Rows refused:");
  EXPECT_EQ(report[10], "   Row 4: 212-34-5680  Cy Bad");
  EXPECT_EQ(report[11], "      Zip Code \"2134\" is invalid");
}

TEST_F(ImportTest, ImportReadsTextAsTextAndAmountsByTheEntryRules) {
  auto file = NewFile("a.qmr");
  Add(*file, [](W2Record& w) {
    w.SocSecNum = "212-34-5679", w.LastName = "Known", w.City = "Kept", w.Wages = D(5);
  });
  const CsvTable table = ReadCsv(kCsv);
  const ImportPlan plan = Plan(*file, table);
  const ImportResult result = RunImport(*file, table, GuessMapping(table.Rows[0]), plan, {});
  ASSERT_EQ(result.Outcome, ImportOutcome::Done);
  EXPECT_EQ(result.Added, 1);
  EXPECT_EQ(result.Updated, 1);
  ASSERT_TRUE(file->LocateKey("212-34-5678"));
  const W2Record& ann = file->WorkRec.w2;
  EXPECT_EQ(ann.Zip.Str(), "02134");
  EXPECT_EQ(ann.Wages, D(1234.50));
  EXPECT_EQ(ann.Box12[0].CodeText(), "DD");
  ASSERT_TRUE(file->LocateKey("212-34-5679"));
  const W2Record& bob = file->WorkRec.w2;
  EXPECT_EQ(bob.Zip.Str(), "00501");
  EXPECT_EQ(bob.Wages, D(1234.50));
  EXPECT_EQ(bob.FirstName.Str(), "Bob");
  EXPECT_EQ(bob.City.Str(), "Kept");  // a field with no column stays as it was
}

TEST_F(ImportTest, TextCellsBecomeOneLineAndMustFitTheirField) {
  auto file = NewFile("a.qmr");
  const CsvTable table = ReadCsv(
      "SSN,Street,City\n212-34-5678,\"1 Elm St\r\nSuite 2\",Troy\n"
      "212-34-5679,x,Llanfairpwllgwyngyllgogery\n");
  const ImportPlan plan = Plan(*file, table);
  EXPECT_EQ(plan.Rows[1].Reasons,
            (std::vector<std::string>{"City \"Llanfairpwllgwyngyllgogery\" is longer than the 22 "
                                      "characters of its field"}));
  ASSERT_EQ(RunImport(*file, table, GuessMapping(table.Rows[0]), plan, {}).Added, 1);
  ASSERT_TRUE(file->LocateKey("212-34-5678"));
  EXPECT_EQ(file->WorkRec.w2.StreetPOB.Str(), "1 Elm St Suite 2");
}

TEST_F(ImportTest, ExportThenImportIsTheIdentity) {
  // 2026: the suffix and the box 14b codes travel too.
  auto a = NewFile("a.qmr", 2026);
  Add(*a, [](W2Record& w) {
    w.SocSecNum = "012-34-5678", w.FirstName = "Ann", w.MiddleInitial = "Q", w.LastName = "O'Hara";
    w.StreetPOB = "1 Elm St, Apt \"B\"", w.City = "Boston", w.AddrState = "MA",
    w.Zip = "02134-    ";
    w.Wages = D(200000), w.FedTax = 123456789, w.SSWages = D(176100), w.MedWage = D(200000);
    w.Box12[0].Code = 'D', w.Box12[0].Code2 = 'D', w.Box12[0].Amount = D(5000.25);
    w.RetirePlan = 1, w.Box14aLabel = "SDI", w.Box14aAmount = D(12.5), w.ControlNum = 42;
    w.ST1State = "MA", w.ST1StateID = "00123", w.ST1StateWage = D(200000);
    w.ST2State = "NH", w.ST2LocName = "Nashua", w.ST2LocalTax = -D(3);
    w.Suffix = "JR", w.TipCodes[0] = "101", w.TipCodes[1] = "000";
  });
  Add(*a, [](W2Record& w) {
    w.SocSecNum = "212-34-5679", w.FirstName = "Jos\xE9", w.LastName = "M\xFCller", w.Void = 1;
    w.StreetPOB = "Hauptstr. 1", w.City = "Berlin", w.AddrState = "Berlin", w.PostCode = "10115";
    w.Country = "GM", w.Box12[3].Code = 'C';
  });
  const std::string path = dir.File("staff.csv");
  ASSERT_TRUE(WriteEmployeesCsv(*a, path));
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);

  auto b = NewFile("b.qmr", 2026);
  const CsvTable table = ReadCsv(Bytes(path));
  const ImportPlan plan = Plan(*b, table);
  ASSERT_EQ(plan.Added, 2) << ImportReport(plan, "")[2];
  ASSERT_EQ(RunImport(*b, table, GuessMapping(table.Rows[0]), plan, {}).Outcome,
            ImportOutcome::Done);
  for (const char* ssn : {"012-34-5678", "212-34-5679"}) {
    ASSERT_TRUE(a->LocateKey(ssn));
    ASSERT_TRUE(b->LocateKey(ssn));
    // Every byte after the save time.
    EXPECT_EQ(std::memcmp(a->WorkRec.bytes + 8, b->WorkRec.bytes + 8, kRecSize - 8), 0) << ssn;
  }
  EXPECT_EQ(EmployeesCsvText(*a), EmployeesCsvText(*b));
}

TEST_F(ImportTest, CancelledImportLeavesTheFileByteForByteAndKeepsThePrivateCopy) {
  auto file = NewFile("acme.qmr");
  Add(*file, [](W2Record& w) { w.SocSecNum = "212-34-5679", w.LastName = "Known"; });
  const std::string before = Bytes(file->Path());
  std::string csv = "SSN,Last Name,Wages\n212-34-5679,Changed,9\n";
  for (int i = 0; i < 6; ++i) csv += "212-34-56" + std::to_string(80 + i) + ",New,1\n";
  const CsvTable table = ReadCsv(csv);
  const ImportPlan plan = Plan(*file, table);
  int calls = 0;
  const ImportResult result =
      RunImport(*file, table, GuessMapping(table.Rows[0]), plan, [&](int done, int total) {
        ++calls;
        EXPECT_EQ(total, 7);
        return done < 4;
      });
  EXPECT_EQ(result.Outcome, ImportOutcome::Cancelled);
  EXPECT_EQ(calls, 4);
  EXPECT_EQ(Bytes(file->Path()), before);
  const std::string copy = dir.File("acme.before-import.qmr");
  EXPECT_EQ(Bytes(copy), before);
  struct stat st {};
  ASSERT_EQ(::stat(copy.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  // The file's indexes follow the restored records.
  EXPECT_EQ(file->SsnIndex().Count(), 1);
  EXPECT_FALSE(file->LocateKey("212-34-5680"));
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(ImportTest, CheckAllReportsEveryFaultOnceAndChangesNothingUntilAsked) {
  auto file = NewFile("a.qmr");
  file->WorkRec = file->W3Rec;
  ASSERT_TRUE(file->ReadW3());
  file->WorkRec.w3.EmployerEIN = "07-1234567", file->WorkRec.w3.W2Count = 3;
  ASSERT_TRUE(file->SaveCurrent(false));
  auto fine = [](W2Record& w) {
    w.FirstName = "Al", w.StreetPOB = "1 Elm", w.City = "Albany", w.AddrState = "NY",
    w.Zip = "12207";
    w.Wages = w.SSWages = w.MedWage = D(1000), w.FedTax = D(100), w.SSTax = D(62);
    w.MedTax = D(14.5);
  };
  Add(*file, [&](W2Record& w) {
    fine(w), w.SocSecNum = "212-34-5601", w.LastName = "Able", w.Zip = "1220";
  });
  Add(*file, [&](W2Record& w) { fine(w), w.SocSecNum = "212-34-5604", w.LastName = "Baker"; });
  Add(*file, [&](W2Record& w) {
    fine(w), w.SocSecNum = "212-34-5602", w.LastName = "Zed", w.City = "";
    w.SSWages = D(200000), w.SSTax = D(10918.20);
  });
  Add(*file, [&](W2Record& w) { w.SocSecNum = "212-34-5603", w.LastName = "Void", w.Void = 1; });
  const SocSecMedicareRates rates{2025, D(176100), D(6.2), 0, D(1.45), false};
  const std::string before = Bytes(file->Path());

  const AllW2sCheck check = CheckAllW2s(*file, rates);
  EXPECT_EQ(Bytes(file->Path()), before);
  EXPECT_EQ(
      check.Lines,
      (std::vector<std::string>{
          "Check of all W-2s, tax year 2025", "",
          "W-2 Error Report for: Al  Able,   SSN = 212-34-5601", "   Zip Code is invalid", "",
          "W-2 Error Report for: Al  Baker,   SSN = 212-34-5604", "   No obvious errors were found",
          "", "W-2 Error Report for: Al  Zed,   SSN = 212-34-5602", "   City or Town is missing",
          "   Social Security Wage 200000.00 + Tips 0.00 = 200000.00 Wage would",
          "   be reduced to 176100.00 so they add to the maximum of 176100.00", "",
          "W-3 Company Information",
          "   Employer identification number (EIN) 07-1234567 is invalid", "",
          "2 of 3 W-2s have findings",
          "1 W-2s have boxes 3 or 5 above the wage base (listed above as "
          "\"would be reduced\"); nothing has been changed"}));
  EXPECT_EQ(ApplyWageBaseCorrections(*file, rates, check.WageBaseCorrections), 1);
  ASSERT_TRUE(file->LocateKey("212-34-5602"));
  EXPECT_EQ(file->WorkRec.w2.SSWages, D(176100));
  EXPECT_EQ(file->WorkRec.w2.Wages, D(1000));
}

}  // namespace
