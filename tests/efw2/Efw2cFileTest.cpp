// The SSA correction file (EFW2C): every record's fields at their positions,
// the checks that stop it, and the export that writes it.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "data/QuillmarFormFile.h"
#include "efw2/Efw2cExport.h"
#include "efw2/Efw2cFile.h"
#include "platform/AtomicFile.h"
#include "settings/QuillmarRegistry.h"
#include "tests/efw2/Efw2Samples.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempDir.h"

namespace {

W2Record JohnDoe(const char* first) {
  W2Record w2 = JanePublic();
  w2.SocSecNum = "345-67-8901";
  w2.FirstName = std::string_view(first);
  w2.MiddleInitial = "";
  w2.LastName = "Doe";
  return w2;
}

// Filed: Jane with box 1 1,000.00 short, and John's first name misspelled.
Efw2cInput DoneWhenInput() {
  const FiledCopy filed =
      MakeFiledCopy(SampleW3(), {JanePublic(), JohnDoe("Jonh")}, FilingMethod::WageFile, 46000);
  W2Record jane = JanePublic();
  jane.Wages += Money("1000");
  Efw2cInput input;
  input.W3 = SampleW3();
  input.Submitter = SampleSubmitter();
  input.Rates = Rates2025();
  input.Employees = FindCorrections(filed, {jane, JohnDoe("John")});
  return input;
}

std::vector<std::string> Split(const std::string& file) {
  std::vector<std::string> records;
  for (std::size_t at = 0; at < file.size(); at += 1026) {
    EXPECT_EQ(file.substr(at + 1024, 2), "\r\n");
    records.push_back(file.substr(at, 1024));
  }
  return records;
}

// Positions 1-based, as the publication counts.
std::string At(const std::string& record, int pos, int len) {
  return record.substr(static_cast<std::size_t>(pos - 1), static_cast<std::size_t>(len));
}

TEST(Efw2cFile, RecordsHoldEveryFieldAtItsPosition) {
  const Efw2cFile file(DoneWhenInput());
  ASSERT_FALSE(file.HasErrors()) << file.Findings().front().Text;
  const std::vector<std::string> r = Split(file.Records());
  ASSERT_EQ(r.size(), 6u);
  const std::string ids[] = {"RCA", "RCE", "RCW", "RCW", "RCT", "RCF"};
  for (std::size_t i = 0; i < r.size(); ++i) EXPECT_EQ(At(r[i], 1, 3), ids[i]) << i;

  const std::string& rca = r[0];
  EXPECT_EQ(At(rca, 4, 9), "123456789");
  EXPECT_EQ(At(rca, 13, 8), "AB12CD34");
  EXPECT_EQ(At(rca, 21, 11), "         98");  // no vendor code, software in-house
  EXPECT_EQ(At(rca, 32, 16), "ACME TOOLS INC  ");
  EXPECT_EQ(At(rca, 111, 12), "500 OAK AVE ");
  EXPECT_EQ(At(rca, 133, 12), "SPRINGFIELD ");
  EXPECT_EQ(At(rca, 155, 11), "IL627010042");
  EXPECT_EQ(At(rca, 212, 11), "MARY SMITH ");
  EXPECT_EQ(At(rca, 239, 20), "2175551234     12   ");
  EXPECT_EQ(At(rca, 262, 21), "Payroll@Acme.example ");
  EXPECT_EQ(At(rca, 316, 2), "L0");

  const std::string& rce = r[1];
  EXPECT_EQ(At(rce, 4, 22), "2025         123456789");  // no originally reported EIN
  EXPECT_EQ(At(rce, 44, 15), "ACME TOOLS INC ");
  EXPECT_EQ(At(rce, 167, 7), "IL62701");
  EXPECT_EQ(At(rce, 222, 6), "     N");  // no employment code pair, kind of employer
  EXPECT_EQ(At(rce, 228, 11), "MARY SMITH ");

  // Jane: box 1 only. SSN and name pairs are blank when not corrected.
  const std::string& jane = r[2];
  EXPECT_EQ(At(jane, 4, 18), "         234567890");
  EXPECT_EQ(At(jane, 22, 50), std::string(50, ' '));
  EXPECT_EQ(At(jane, 72, 5), "JANE ");
  EXPECT_EQ(At(jane, 87, 2), "Q ");
  EXPECT_EQ(At(jane, 102, 7), "PUBLIC ");
  EXPECT_EQ(At(jane, 122, 30), "APT 4B                123 MAIN");
  EXPECT_EQ(At(jane, 188, 11), "IL627041234");
  EXPECT_EQ(At(jane, 244, 22), "0000523401500005334015");
  EXPECT_EQ(At(jane, 266, 1024 - 265), std::string(1024 - 265, ' '));

  // John: the name pair only, the originally reported name as it was filed.
  const std::string& john = r[3];
  EXPECT_EQ(At(john, 4, 9), "         ");
  EXPECT_EQ(At(john, 13, 9), "345678901");
  EXPECT_EQ(At(john, 22, 5), "JONH ");
  EXPECT_EQ(At(john, 52, 4), "DOE ");
  EXPECT_EQ(At(john, 72, 5), "JOHN ");
  EXPECT_EQ(At(john, 244, 1024 - 243), std::string(1024 - 243, ' '));

  const std::string& rct = r[4];
  EXPECT_EQ(At(rct, 4, 7), "0000002");
  EXPECT_EQ(At(rct, 11, 30), "000000005234015000000005334015");
  EXPECT_EQ(At(rct, 41, 1024 - 40), std::string(1024 - 40, ' '));
  EXPECT_EQ(At(r[5], 4, 9), "000000002");
  EXPECT_EQ(At(r[5], 13, 1012), std::string(1012, ' '));
  EXPECT_EQ(file.Total(efw2::kBox1), (std::array<std::uint64_t, 2>{5234015, 5334015}));
}

// RCO and RCU rest on one implementation's field table only (not on SSA text).
TEST(Efw2cFile, RcoAndRcuPositionsBackedByOneSourceOnly) {
  Efw2cInput input = DoneWhenInput();
  W2Record filed = JanePublic();
  W2Record now = filed;
  now.AllocTips = Money("310.00");         // box 8: RCO 13-34
  SetCode(now.Box12[2], "M", "12.34");     // code M: RCO 123-144
  SetCode(now.Box12[1], "DD", "6250.00");  // unchanged
  input.Employees =
      FindCorrections(MakeFiledCopy(SampleW3(), {filed}, FilingMethod::WageFile, 46000), {now});
  const Efw2cFile file(input);
  ASSERT_FALSE(file.HasErrors()) << file.Findings().front().Text;
  const std::vector<std::string> r = Split(file.Records());
  ASSERT_EQ(r.size(), 7u);
  EXPECT_EQ(At(r[3], 1, 3), "RCO");
  EXPECT_EQ(At(r[3], 4, 9), std::string(9, ' '));
  EXPECT_EQ(At(r[3], 13, 22), "0000000000000000031000");
  EXPECT_EQ(At(r[3], 35, 88), std::string(88, ' '));
  EXPECT_EQ(At(r[3], 123, 22), "0000000000000000001234");
  EXPECT_EQ(At(r[3], 145, 1024 - 144), std::string(1024 - 144, ' '));
  EXPECT_EQ(At(r[4], 1, 3), "RCT");
  EXPECT_EQ(At(r[5], 1, 10), "RCU0000001");
  EXPECT_EQ(At(r[5], 11, 30), "000000000000000000000000031000");
  EXPECT_EQ(At(r[5], 161, 30), "000000000000000000000000001234");
  EXPECT_EQ(At(r[6], 1, 12), "RCF000000001");
}

TEST(Efw2cFile, ErrorsStopTheFile) {
  struct Row {
    const char* name;
    std::function<void(W2Record& filed, W2Record& now)> change;
    const char* text;
  };
  const Row rows[] = {
      {"previously reported SSN the SSA does not take",
       [](W2Record& filed, W2Record&) { filed.SocSecNum = "666-12-3456"; },
       "The previously reported SSN 666-12-3456 is not a number the SSA takes; correct it on "
       "paper"},
      {"correct Social Security wages above the wage base",
       [](W2Record&, W2Record& now) { now.SSWages = now.MedWage = Money("180000"); }, nullptr},
      {"box 12 code II, whose place is not known",
       [](W2Record&, W2Record& now) { SetCode(now.Box12[2], "II", "100.00"); },
       "12 Code II cannot be corrected in the file: its place in the correction records is not "
       "known; correct it on paper"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    W2Record filed = JanePublic(), now = JanePublic();
    row.change(filed, now);
    Efw2cInput input = DoneWhenInput();
    input.Employees =
        FindCorrections(MakeFiledCopy(SampleW3(), {filed}, FilingMethod::WageFile, 46000), {now});
    const Efw2cFile file(input);
    EXPECT_TRUE(file.HasErrors());
    EXPECT_THROW(file.Records(), std::logic_error);
    if (row.text) {
      EXPECT_TRUE(std::any_of(file.Findings().begin(), file.Findings().end(),
                              [&](const Efw2Finding& f) { return f.Text == row.text; }));
    }
  }
}

struct Dialogs final : IEfw2SubmitterDialog, IFileDialog {
  bool Execute(Efw2Submitter& submitter, bool) override {
    submitter = SampleSubmitter();
    return true;
  }
  std::optional<std::string> Execute(const FileDialogRequest& request) override {
    initialFile = request.initialFile;
    return answer;
  }
  std::string initialFile;
  std::optional<std::string> answer;
};

TEST(Efw2cExport, WritesTheFileOwnerOnlyAndRemembersTheSubmitter) {
  const TempDir dir;
  ScriptedMessageBoxes boxes;
  TQuillmarRegistry registry{dir.Path() / "config"};
  registry.WriteRatesForYear(Rates2025());
  const std::string dataPath = dir.File("acme.qmr");
  WriteDataFile(dataPath, SampleW3(), {JanePublic()});
  auto data = TQuillmarFormFile::Create(dataPath);
  data->ReadW3();
  Dialogs dialogs;
  dialogs.answer = dir.File("W2CREPORT");
  boxes.Answer(MsgOk);
  std::vector<std::vector<std::string>> reports;
  const Efw2cInput input = DoneWhenInput();
  const std::optional<std::string> written = ExportCorrectionsForSsa(
      *data, registry,
      {dialogs, dialogs, [&](const std::vector<std::string>& l) { reports.push_back(l); }},
      input.Employees, false);
  ASSERT_EQ(written, dir.File("W2CREPORT"));
  EXPECT_EQ(dialogs.initialFile, "W2CREPORT");
  struct stat st {};
  ASSERT_EQ(::stat(written->c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_EQ(st.st_size, 6 * 1026);
  EXPECT_EQ(LoadSubmitter(registry, SampleW3()).UserId, "ab12cd34");
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_NE(boxes.Shown()[0].text.find("Box 1 Wages: 52340.15 / 53340.15"), std::string::npos);
}

}  // namespace
