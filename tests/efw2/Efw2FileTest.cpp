#include <gtest/gtest.h>

#include "data/QuillmarFormFile.h"
#include "efw2/Efw2Export.h"
#include "rules/Box12Codes.h"
#include "rules/SumToW3.h"
#include "rules/W2EditCheck.h"
#include "tests/efw2/Efw2Reader.h"
#include "tests/efw2/Efw2Samples.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempDir.h"

namespace {

W2Record Employee(const char* ssn, const char* first, const char* last) {
  W2Record w2 = JanePublic();
  w2.SocSecNum = ssn;
  w2.FirstName = first;
  w2.MiddleInitial = "";
  w2.LastName = last;
  for (Box12Entry& line : w2.Box12) SetCode(line, " ", "0");
  return w2;
}

}  // namespace

TEST(Efw2File, AFewEmployeesReadBackFieldByFieldInNameOrder) {
  ScriptedMessageBoxes boxes;
  TempDir dir;
  W2Record adler = Employee("345-67-8901", "Zo\xEB", "Adler");  // Windows-1252 e with diaeresis
  adler.Suite = "";
  adler.StreetPOB = "Unter den Linden 5";
  adler.City = "Berlin";
  adler.AddrState = "Berlin";
  adler.Zip = "";
  adler.PostCode = "10115";
  adler.Country = "GM";
  W2Record munoz = Employee("456-78-9012", "\xC9lise", "Mu\xF1oz Jr.");  // Élise Muñoz Jr.
  SetCode(munoz.Box12[0], "D", "1000");
  SetCode(munoz.Box12[1], "W", "500");
  SetCode(munoz.Box12[2], "AA", "750");
  W2Record gone = Employee("567-89-0123", "Void", "Person");
  gone.Void = 1;
  W2Record baker = Employee("678-90-1234", "Tom", "Baker");
  baker.AllocTips = Money("1234.56");
  SetCode(baker.Box12[0], "A", "10");
  SetCode(baker.Box12[1], "B", "5");
  const std::string path = dir.File("acme.qmr");
  WriteDataFile(path, SampleW3(), {munoz, adler, gone, baker, JanePublic()});
  auto file = TQuillmarFormFile::Create(path);
  SumToW3(*file);
  Efw2Input input{file->W3Rec.w3, SampleSubmitter(), Rates2025(), Efw2Employees(*file)};
  const Efw2WageFile wageFile(input);
  ASSERT_FALSE(wageFile.HasErrors());
  const std::vector<Efw2ReadRecord> r = ReadEfw2(wageFile.Records());

  std::vector<std::string> ids;
  for (const Efw2ReadRecord& record : r) ids.push_back(record.Id);
  ASSERT_EQ(ids,
            (std::vector<std::string>{"RA", "RE", "RW", "RW", "RO", "RW", "RW", "RT", "RU", "RF"}));
  // clang-format off
  const std::tuple<int, const char*, const char*> fields[] = {
      {2, "Ssn", "345678901"}, {2, "First", "ZOE"}, {2, "Middle", ""}, {2, "Last", "ADLER"},
      {2, "Delivery", "UNTER DEN LINDEN 5"}, {2, "City", "BERLIN"}, {2, "State", ""},
      {2, "Zip", ""}, {2, "ZipExt", ""}, {2, "ForeignState", "BERLIN"},
      {2, "ForeignPostal", "10115"}, {2, "Country", "GM"}, {2, "Retirement", "1"},
      {2, "Statutory", "0"}, {3, "Ssn", "678901234"}, {3, "Last", "BAKER"},
      {4, "AllocTips", "00000123456"}, {4, "AB", "00000001500"}, {4, "EE", "00000000000"},
      {4, "PrWages", "00000000000"}, {5, "First", "ELISE"}, {5, "Last", "MUNOZ"},
      {5, "Suffix", "JR"}, {5, "State", "IL"}, {5, "Zip", "62704"}, {5, "ZipExt", "1234"},
      {5, "D", "00000100000"}, {5, "W", "00000050000"}, {5, "AA", "00000075000"},
      {5, "DD", "00000000000"}, {6, "Ssn", "234567890"}, {6, "DD", "00000625000"},
      {7, "RwCount", "0000004"}, {8, "RoCount", "0000001"}, {8, "AllocTips", "000000000123456"},
      {9, "RwCount", "000000004"}};
  // clang-format on
  for (const auto& [record, name, value] : fields)
    EXPECT_EQ(r[record][name], value) << record << " " << name;

  // Each total is the sum of its field over the block, and agrees with the W-3.
  for (const auto& [totalId, id] :
       {std::pair<std::string, std::string>{"RT", "RW"}, {"RU", "RO"}}) {
    const Efw2ReadRecord& total = r[totalId == "RT" ? 7 : 8];
    for (const std::string& name : Efw2AmountNames(totalId)) {
      if (name == "SickPayTax") continue;  // entered on the W-3, not summed
      std::uint64_t sum = 0;
      for (const Efw2ReadRecord& record : r) sum += record.Id == id ? record.Number(name) : 0;
      EXPECT_EQ(total.Number(name), sum) << totalId << " " << name;
    }
  }
  const W3Record& w3 = file->W3Rec.w3;
  const std::pair<const char*, Currency> w3Totals[] = {
      {"Box1", w3.TotWages},  {"Box2", w3.TotFedTax},   {"Box3", w3.TotSSWages},
      {"Box4", w3.TotSSTax},  {"Box5", w3.TotMedWages}, {"Box6", w3.TotMedTax},
      {"Box7", w3.TotSSTips}, {"Box10", w3.TotDepCare}};
  for (const auto& [name, total] : w3Totals)
    EXPECT_EQ(r[7].Number(name) * 100, static_cast<std::uint64_t>(total)) << name;
  EXPECT_EQ(r[8].Number("AllocTips") * 100, static_cast<std::uint64_t>(w3.TotAllocTips));
  EXPECT_EQ(w3.W2Count, 4);

  input.Submitter.SuffixFromLastName = false;
  EXPECT_EQ(ReadEfw2(Efw2WageFile(input).Records())[5]["Last"], "MUNOZ JR");
  // The suffix of box e goes to the suffix field as it is, whatever the last name.
  input.Employees[0].Suffix = "iii";
  const std::vector<Efw2ReadRecord> withSuffix = ReadEfw2(Efw2WageFile(input).Records());
  EXPECT_EQ(withSuffix[2]["Suffix"], "III");
  EXPECT_EQ(withSuffix[2]["Last"], r[2]["Last"]);
}

// The deferred compensation codes of each year, in one table, through every
// user of them: the list itself, the W-3 total (SumToW3, which the W-3
// screen and both printed W-3s show), the edit check's paragraph and the
// wage file's comparison with the W-3.
TEST(DeferredCompensationCodes, EachYearThroughTheTotalsTheEditCheckAndTheWageFile) {
  ScriptedMessageBoxes boxes;
  const struct {
    std::int32_t year;
    std::vector<std::string_view> codes;
  } years[] = {{2004, {"D", "E", "F", "G", "H", "S"}},
               {2005, {"D", "E", "F", "G", "H", "S", "Y"}},
               {2006, {"D", "E", "F", "G", "H", "S", "Y", "AA", "BB"}},
               {2011, {"D", "E", "F", "G", "H", "S", "Y", "AA", "BB", "EE"}},
               {2025, {"D", "E", "F", "G", "H", "S", "Y", "AA", "BB", "EE"}}};
  // Every code of the latest year, and two that never count, at $1 apart.
  const char* const all[] = {"D", "E", "F", "G", "H", "S", "Y", "AA", "BB", "EE", "DD", "C"};
  for (const auto& y : years) {
    SCOPED_TRACE(y.year);
    EXPECT_EQ(DeferredCompensationCodes(y.year), y.codes);
    std::vector<W2Record> w2s;
    Currency expected = 0;
    for (std::size_t i = 0; i < std::size(all); ++i) {
      W2Record w2 = Employee(("234-56-78" + std::to_string(10 + i)).c_str(), "Pat", "Lee");
      w2.LastName = std::string("Lee") + static_cast<char>('A' + i);
      SetCode(w2.Box12[0], all[i], "1");
      // Before 2006 the byte after a code is no second letter: DD is D there.
      const std::string read = y.year >= 2006 ? all[i] : std::string(1, all[i][0]);
      const bool counts = std::find(y.codes.begin(), y.codes.end(), read) != y.codes.end();
      if (counts) expected += Money("1");
      ReportLines lines;
      CheckW2Entries(w2, lines, false, y.year);
      const bool paragraph = std::find(lines.begin(), lines.end(),
                                       "You have Deferred Compensation entries, most of these "
                                       "plans reduce") != lines.end();
      EXPECT_EQ(paragraph, counts) << all[i];
      w2s.push_back(w2);
    }
    TempDir dir;
    W3Record w3 = SampleW3();
    w3.TaxYear = y.year;
    WriteDataFile(dir.File("f.qmr"), w3, w2s);
    auto file = TQuillmarFormFile::Create(dir.File("f.qmr"));
    SumToW3(*file);
    EXPECT_EQ(file->W3Rec.w3.TotDefComp, expected);
    if (y.year < 2006) continue;  // no wage file reads one-letter codes of two letters
    SocSecMedicareRates rates = Rates2025();
    rates.TaxYear = y.year;
    const Efw2WageFile wageFile({file->W3Rec.w3, SampleSubmitter(), rates, Efw2Employees(*file)});
    for (const Efw2Finding& f : wageFile.Findings())
      EXPECT_EQ(f.Text.find("Deferred Compensation"), std::string::npos) << f.Text;
  }
}
