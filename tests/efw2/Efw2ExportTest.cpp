#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "data/QuillmarFormFile.h"
#include "efw2/Efw2Editions.h"
#include "efw2/Efw2Export.h"
#include "efw2/Efw2Rules.h"
#include "platform/AtomicFile.h"
#include "rules/TaxYearRules.h"
#include "settings/QuillmarRegistry.h"
#include "tests/efw2/Efw2Reader.h"
#include "tests/efw2/Efw2Samples.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;

// Records what it is shown; `answer` changes the data as the user would (empty: Cancel).
struct ScriptedSubmitterDialog final : IEfw2SubmitterDialog {
  bool Execute(Efw2Submitter& submitter, bool kindFromW3) override {
    shown.push_back(submitter);
    kindsFromW3.push_back(kindFromW3);
    if (answer) answer(submitter);
    return static_cast<bool>(answer);
  }
  std::function<void(Efw2Submitter&)> answer;
  std::vector<Efw2Submitter> shown;
  std::vector<bool> kindsFromW3;
};

struct ScriptedSaveDialog final : IFileDialog {
  std::optional<std::string> Execute(const FileDialogRequest& request) override {
    requests.push_back(request);
    EXPECT_LT(requests.size(), answers.size() + 1) << "unexpected file dialog";
    return requests.size() <= answers.size() ? answers[requests.size() - 1] : std::nullopt;
  }
  std::vector<std::optional<std::string>> answers;
  std::vector<FileDialogRequest> requests;
};

class Efw2ExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    registry.WriteRatesForYear(Rates2025());
    W2Record jane = JanePublic();
    SetCode(jane.Box12[1], " ", "0");
    WriteDataFile(dataPath, SampleW3(), {jane});
    file = TQuillmarFormFile::Create(dataPath);
    submitterDialog.answer = [](Efw2Submitter& s) { s.UserId = "AB12CD34"; };
  }
  std::optional<std::string> Export() {
    return ExportForSsa(
        *file, registry,
        {submitterDialog, fileDialog,
         [this](const std::vector<std::string>& lines) { reports.push_back(lines); }});
  }

  TempDir dir;
  TQuillmarRegistry registry{dir.Path() / "config"};
  ScriptedMessageBoxes boxes;
  ScriptedSubmitterDialog submitterDialog;
  ScriptedSaveDialog fileDialog;
  std::vector<std::vector<std::string>> reports;
  const std::string dataPath = dir.File("acme.qmr");
  const std::string reportPath = dir.File("W2REPORT");
  std::unique_ptr<TQuillmarFormFile> file;
};

}  // namespace

TEST_F(Efw2ExportTest, WritesTheFileSumsItUpAndRemembersTheSubmitter) {
  fileDialog.answers.push_back(reportPath);
  boxes.Answer(MsgOk);
  EXPECT_EQ(Export(), reportPath);
  ASSERT_EQ(submitterDialog.shown.size(), 1u);
  EXPECT_EQ(submitterDialog.shown[0].Name, "Acme Tools, Inc.");  // from the W-3 at first
  EXPECT_EQ(submitterDialog.shown[0].UserId, "");
  EXPECT_TRUE(submitterDialog.kindsFromW3[0]);
  EXPECT_TRUE(reports.empty());
  ASSERT_EQ(fileDialog.requests.size(), 1u);
  EXPECT_EQ(fileDialog.requests[0].initialDir, dir.Path().string());
  EXPECT_EQ(fileDialog.requests[0].initialFile, "W2REPORT");
  EXPECT_TRUE(fileDialog.requests[0].save);
  const std::vector<Efw2ReadRecord> records = ReadEfw2(ReadWholeFile(reportPath).value());
  ASSERT_EQ(records.size(), 5u);
  EXPECT_EQ(records[0]["UserId"], "AB12CD34");
  EXPECT_EQ(boxes.Texts(),
            std::vector<std::string>{
                "The SSA wage file of 1 W-2 was written to\r" + reportPath +
                "\r\rBox 1 Wages: 52340.15\rBox 2 Federal Tax: 4812.00\rBox 3 Social Security "
                "Wage: 55000.00\rBox 4 Social Security Tax: 3410.00\rBox 5 Medicare Wage: "
                "55000.00\rBox 6 Medicare Tax: 797.50\rBox 7 Social Security Tips: 0.00\r\rTest "
                "the file with AccuWage Online and upload it through the SSA's Business Services "
                "Online (www.ssa.gov/bso)."});
  submitterDialog.answer = nullptr;  // Cancel: nothing more happens
  EXPECT_EQ(Export(), std::nullopt);
  ASSERT_EQ(submitterDialog.shown.size(), 2u);
  EXPECT_EQ(submitterDialog.shown[1].UserId, "AB12CD34");
  EXPECT_EQ(fileDialog.requests.size(), 1u);
}

TEST_F(Efw2ExportTest, ErrorsAreReportedAndNoFileIsWritten) {
  submitterDialog.answer = [](Efw2Submitter& s) { s.UserId = "short"; };
  EXPECT_EQ(Export(), std::nullopt);
  ASSERT_EQ(reports.size(), 1u);
  ASSERT_GE(reports[0].size(), 5u);
  EXPECT_EQ(reports[0][2], "1 error: the file is not written until they are corrected.");
  EXPECT_EQ(reports[0][4],
            "Error:   Submitter: BSO User ID must be the 8 letters and digits of a Business "
            "Services Online User ID");
  EXPECT_TRUE(fileDialog.requests.empty());
  EXPECT_FALSE(fs::exists(reportPath));
}

TEST_F(Efw2ExportTest, AFailedWriteLeavesNothingHalfWrittenAndTheDataFileIsNeverATarget) {
  fs::create_directory(reportPath);  // a folder of that name: the rename over it fails
  fileDialog.answers.push_back(reportPath);
  fileDialog.answers.push_back(dataPath);
  boxes.Answer(MsgOk).Answer(MsgOk);
  EXPECT_EQ(Export(), std::nullopt);
  EXPECT_EQ(Export(), std::nullopt);
  EXPECT_EQ(boxes.Texts(),
            (std::vector<std::string>{
                "The SSA wage file could not be written to " + reportPath + ".\rIs a directory.",
                "The SSA wage file cannot be written over the open data file " + dataPath + "."}));
  std::vector<std::string> names;
  for (const fs::directory_entry& e : fs::directory_iterator(dir.Path()))
    names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  // No temporary file is left; the journal belongs to the data file while it is open.
  EXPECT_EQ(names,
            (std::vector<std::string>{"W2REPORT", "acme.qmr", "acme.qmr-journal", "config"}));
  EXPECT_TRUE(fs::is_empty(reportPath));
  EXPECT_EQ(fs::file_size(dataPath), 3u * 640);
}

namespace {

struct ScriptedStateDialog final : IEfw2StateDialog {
  bool Execute(const std::vector<std::string>& states, Efw2StateChoice& choice) override {
    offered.push_back(states);
    if (!answer) return false;
    choice = *answer;
    return true;
  }
  std::optional<Efw2StateChoice> answer;
  std::vector<std::vector<std::string>> offered;
};

}  // namespace

// The state file goes the SSA export's way (submitter data, checks first,
// whole or not at all) and is created readable by its owner only.
TEST_F(Efw2ExportTest, APennsylvaniaFileIsWrittenPrivateAndSummedUp) {
  ScriptedStateDialog stateDialog;
  const auto exportState = [&] {
    return ExportStateW2(
        *file, registry,
        {stateDialog, {submitterDialog, fileDialog, [this](const std::vector<std::string>& l) {
                         reports.push_back(l);
                       }}});
  };
  boxes.Answer(MsgOk);
  EXPECT_EQ(exportState(), std::nullopt);  // no box 15 state
  EXPECT_TRUE(stateDialog.offered.empty());
  file.reset();
  W2Record jane = JanePublic();
  SetCode(jane.Box12[1], " ", "0");
  jane.ST1State = "PA", jane.ST1StateID = "12345678", jane.ST1StateWage = Money("52340.15");
  jane.ST2State = "oh";
  WriteDataFile(dataPath, SampleW3(), {jane});
  file = TQuillmarFormFile::Create(dataPath);
  stateDialog.answer = Efw2StateChoice{"PA", ""};
  const std::string path = dir.File("W2REPORT_PA.TXT");
  fileDialog.answers.push_back(path);
  boxes.Answer(MsgOk);
  EXPECT_EQ(exportState(), path);
  EXPECT_EQ(stateDialog.offered, (std::vector<std::vector<std::string>>{{"OH", "PA"}}));
  EXPECT_EQ(fileDialog.requests.at(0).initialFile, "W2REPORT_PA.TXT");
  ASSERT_EQ(reports.size(), 1u);  // the warning that names Pennsylvania's instructions
  EXPECT_EQ(
      reports[0][0],
      "State W-2 File (PA) Report for: Acme Tools, Inc.,   EIN = 12-3456789,   Tax Year 2025");
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
  const std::vector<Efw2ReadRecord> records = ReadEfw2(ReadWholeFile(path).value());
  ASSERT_EQ(records.size(), 5u);
  EXPECT_EQ(records[2].Id, "RS");
  EXPECT_EQ(boxes.Texts().back(),
            "The Pennsylvania W-2 file of 1 W-2 (1 state record) was written to\r" + path +
                "\r\rBox 16 State wages: 52340.15\rBox 17 State income tax: 0.00\r\rPennsylvania "
                "wants the W-2 data: a myPATH EFW2 upload of RA, RE, RS, RV and RF records, due "
                "31 January; local earned income tax goes to the local collectors. Do not send "
                "this file to the SSA.");
  EXPECT_EQ(boxes.Texts().front(),
            "No W-2 of this file names a state in box 15: there is no state W-2 file to write.");
}

// Tax year 2026 has no layout of its own yet: W-2s with TA, TP, TT or box 14b
// are refused with what is missing and the other ways to file; without them
// the file is written in the 2025 layout only after Yes to the question.
TEST_F(Efw2ExportTest, A2026FileIsRefusedWithTipsAndWrittenIn2025LayoutOnlyAfterYes) {
  W3Record w3 = SampleW3();
  w3.TaxYear = 2026;
  SocSecMedicareRates rates = Rates2025();
  rates.TaxYear = 2026, rates.SocSecMaxWage = Money("184500");
  registry.WriteRatesForYear(rates);
  W2Record jane = JanePublic(), tipped = JanePublic();
  SetCode(jane.Box12[1], " ", "0");
  tipped.SocSecNum = "123-45-6781", tipped.FirstName = "Tom";
  SetCode(tipped.Box12[1], "TP", "300.00");
  tipped.TipCodes[0] = "102";
  file.reset();
  WriteDataFile(dataPath, w3, {jane, tipped});
  file = TQuillmarFormFile::Create(dataPath);
  boxes.Answer(MsgOk);
  EXPECT_EQ(Export(), std::nullopt);
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].icon, MsgIcon::Error);
  EXPECT_EQ(boxes.Texts()[0],
            "The SSA's wage file layout for tax year 2026 (Publication 42-007 for tax year 2026) "
            "is not available to Quillmar. It has no known place for box 12 codes TA, TP and TT "
            "or for the box 14b tipped occupation codes, which these W-2s carry: Tom Public (box "
            "12 code TP and box 14b). No file is written: one without them would drop those "
            "amounts and codes without a word.\r\rInstead you can key the W-2s in at the SSA's "
            "W-2 Online in Business Services Online (www.ssa.gov/bso), which takes up to 50 W-2s, "
            "or, when you file fewer than 10 returns, mail paper Copy A on the red-ink forms with "
            "Form W-3.");
  EXPECT_TRUE(submitterDialog.shown.empty());

  file.reset();
  WriteDataFile(dataPath, w3, {jane});
  file = TQuillmarFormFile::Create(dataPath);
  boxes.Answer(MsgNo);
  EXPECT_EQ(Export(), std::nullopt);
  ASSERT_EQ(boxes.Shown().size(), 2u);
  EXPECT_EQ(boxes.Shown()[1].buttons, unsigned{MsgYes | MsgNo});
  EXPECT_EQ(boxes.Texts()[1],
            "The SSA's wage file layout for tax year 2026 (Publication 42-007 for tax year 2026) "
            "is not available to Quillmar. None of these W-2s carries box 12 codes TA, TP or TT "
            "or a box 14b code, so the file can be written in the layout of Publication 42-007, "
            "tax year 2025; the SSA may have changed that layout for 2026.\r\rCheck the file with "
            "AccuWage Online before submitting it.\r\rWrite the 2026 file in the tax year 2025 "
            "layout?");
  EXPECT_TRUE(submitterDialog.shown.empty());
  EXPECT_FALSE(fs::exists(reportPath));

  boxes.Answer(MsgYes).Answer(MsgOk);
  fileDialog.answers.push_back(reportPath);
  EXPECT_EQ(Export(), reportPath);
  const std::vector<Efw2ReadRecord> records = ReadEfw2(ReadWholeFile(reportPath).value());
  ASSERT_EQ(records.size(), 5u);
  EXPECT_EQ(records[1]["TaxYear"], "2026");
}

// The 2026 amounts the program uses, and no wage file edition for 2026 yet.
TEST(Efw2Year2026, AmountsOfTheYearAndNoEditionFor2026Yet) {
  EXPECT_EQ(PresetRatesForYear(2026)->SocSecMaxWage, Money("184500"));
  EXPECT_EQ(efw2::HouseholdThreshold(2026), Money("3000"));
  EXPECT_EQ(RulesForYear(2026).AddlMedicareThreshold, Money("200000"));
  EXPECT_TRUE(Efw2EditionOfYear(2025) != nullptr && Efw2EditionOfYear(2026) == nullptr);
}
