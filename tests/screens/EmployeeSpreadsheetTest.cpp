// Import Employees from the file dialog to the last message, with every
// dialog scripted: the mapping step remembers the user's choices, the dry run
// goes to the report window, and No to the question writes nothing.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QTableWidget>
#include <fstream>

#include "data/QuillmarFormFile.h"
#include "rules/W2CsvFields.h"
#include "screens/DlgImportMapping.h"
#include "screens/EmployeeSpreadsheet.h"
#include "screens/ErrorReportView.h"
#include "settings/QuillmarRegistry.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempDir.h"

namespace {

class ChosenFile final : public IFileDialog {
 public:
  explicit ChosenFile(std::string path) : path_(std::move(path)) {}
  std::optional<std::string> Execute(const FileDialogRequest&) override { return path_; }

 private:
  std::string path_;
};

class RecordedReport final : public IErrorReportView {
 public:
  void ShowReport(const std::vector<std::string>& lines) override { reports.push_back(lines); }
  std::vector<std::vector<std::string>> reports;
};

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ImportEmployees, RemembersTheMappingShowsTheDryRunAndWritesNothingOnNo) {
  TempDir dir;
  ScriptedMessageBoxes boxes;
  TQuillmarRegistry registry(dir.Path() / "registry");
  const std::string csvPath = dir.File("staff.csv");
  std::ofstream(csvPath) << "Pay,SSN,Family\n100,212-34-5678,Ng\n";
  auto file = TQuillmarFormFile::Create(dir.File("acme.qmr"));
  ASSERT_TRUE(file->ReadW3());
  file->WorkRec.w3.TaxYear = 2025;
  ASSERT_TRUE(file->SaveCurrent(false));
  const std::string before = Bytes(file->Path());

  ChosenFile chooser(csvPath);
  RecordedReport report;
  std::vector<ColumnMapping> offered;
  const ImportSeams seams{chooser,
                          [&](const CsvTable& table, ColumnMapping& mapping) {
                            offered.push_back(mapping);
                            // The user makes "Pay" box 1 and "Family" the last name.
                            TDlgImportMapping dialog(table, mapping, 2025);
                            dialog.ChooseField(0, *W2CsvFieldOfMember("Wages"));
                            dialog.ChooseField(2, *W2CsvFieldOfMember("LastName"));
                            mapping = dialog.Mapping();
                            return true;
                          },
                          report, [](int) { return ImportProgress{}; }};
  boxes.Answer(MsgNo);
  ImportEmployees(*file, registry, seams);
  ASSERT_EQ(report.reports.size(), 1u);
  EXPECT_EQ(report.reports[0][4], "   Row 2: 212-34-5678  Ng");
  EXPECT_EQ(boxes.Texts().back(),
            "Import 1 rows: 1 new employees, 0 employees updated ?\r\rA copy of the data file as "
            "it is now is kept in " +
                dir.File("acme.before-import.qmr") + ".");
  EXPECT_EQ(Bytes(file->Path()), before);

  // The next import of the same headers starts from the user's choices.
  boxes.Answer(MsgNo);
  ImportEmployees(*file, registry, seams);
  ASSERT_EQ(offered.size(), 2u);
  const int wages = static_cast<int>(*W2CsvFieldOfMember("Wages"));
  const int ssn = static_cast<int>(*W2CsvFieldOfMember("SocSecNum"));
  const int last = static_cast<int>(*W2CsvFieldOfMember("LastName"));
  EXPECT_EQ(offered[0], (ColumnMapping{kNotImported, ssn, kNotImported}));
  EXPECT_EQ(offered[1], (ColumnMapping{wages, ssn, last}));
}

TEST(DlgImportMapping, ShowsCellsAsReadAndRefusesOkWithoutTheSsn) {
  ScriptedMessageBoxes boxes;
  const CsvTable table = ReadCsv("SSN,Zip,Wages\n212345678,02134,\"$1,234.5\"\n");
  TDlgImportMapping dialog(table, GuessMapping(table.Rows[0]), 2025);
  EXPECT_EQ(dialog.Grid->item(0, 2)->text(), "212-34-5678");
  EXPECT_EQ(dialog.Grid->item(1, 2)->text(), "02134");
  EXPECT_EQ(dialog.Grid->item(2, 2)->text(), "1234.50");
  dialog.ChooseField(2, *W2CsvFieldOfMember("FirstName"));
  EXPECT_EQ(dialog.Grid->item(2, 2)->text(), "$1,234.5");
  dialog.ChooseField(0, kNotImported);
  boxes.Answer(MsgOk);
  dialog.BitBtnOKClick();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_TRUE(boxes.Texts().back().starts_with("No column is mapped to the SSN"));
}

}  // namespace
