// The menu's run of the plain-paper employee copies on a data file: the
// dialog's choice, the W-2s in name order without the void ones, the printer
// or one PDF per employee.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "data/QuillmarFormFile.h"
#include "platform/RecordingPrinter.h"
#include "platform/ScriptedPrintDialogs.h"
#include "print/PlainPaperW2.h"
#include "settings/QuillmarRegistry.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempDir.h"

namespace {

class ScriptedPlainPaperDialog final : public IPlainPaperDialog {
 public:
  std::optional<PlainPaperChoice> answer;
  bool Execute(PlainPaperChoice& choice) override {
    if (answer) choice = *answer;
    return answer.has_value();
  }
};

TRecordBuffer Record(std::uint16_t kind, const char* last = "", bool isVoid = false) {
  TRecordBuffer r{};
  r.header.RecType = kind;
  if (kind == kRecTypeW2) {
    for (Box12Entry& line : r.w2.Box12) line.Code = ' ';
    r.w2.LastName = std::string_view(last);
    r.w2.FirstName = std::string_view("ANN");
    r.w2.SocSecNum = std::string_view(last);
    r.w2.Void = isVoid;
  } else if (kind == kRecTypeW3) {
    r.w3.TaxYear = 2024;
  }
  return r;
}

class PlainPaperRun : public testing::Test {
 protected:
  void SetUp() override {
    const std::string path = dir.File("acme.qmr");
    std::ofstream out(path, std::ios::binary);
    for (const TRecordBuffer& r :
         {Record(kRecTypeHeader), Record(kRecTypeW3), Record(kRecTypeW2, "ZED"),
          Record(kRecTypeW2, "AMY", true), Record(kRecTypeW2, "BOB")}) {
      out.write(reinterpret_cast<const char*>(r.bytes), kRecSize);
    }
    out.close();
    file = TQuillmarFormFile::Create(path);
    ASSERT_TRUE(file);
    setup.otherwise = true;
  }

  ScriptedMessageBoxes boxes;
  TempDir dir;
  std::unique_ptr<TQuillmarFormFile> file;
  ScriptedPlainPaperDialog dialog;
  RecordingPrinter printer;
  ScriptedPrinterSetupDialog setup;
  std::vector<std::string> pdfs;
  // A recording device; the PDF's bytes are left in the file the run names.
  PdfDeviceFactory factory = [this](const std::string& path) {
    pdfs.push_back(path);
    std::ofstream(path) << "%PDF-1.4";
    return std::make_unique<RecordingPrinter>();
  };
};

TEST_F(PlainPaperRun, PrintsTheNonVoidEmployeesInNameOrder) {
  dialog.answer = PlainPaperChoice{};
  RunPlainPaperW2s(*file, dialog, printer, setup, factory);
  ASSERT_EQ(printer.Pages().size(), 4u);
  const std::vector<std::string> texts = printer.Texts();
  const auto bob = std::find(texts.begin(), texts.end(), "BOB");
  EXPECT_LT(bob, std::find(texts.begin(), texts.end(), "ZED"));
  EXPECT_EQ(std::find(texts.begin(), texts.end(), "AMY"), texts.end());
  EXPECT_TRUE(pdfs.empty());
}

TEST_F(PlainPaperRun, OnePdfPerEmployeeIntoTheChosenFolder) {
  const std::string out = dir.File("out");
  std::filesystem::create_directory(out);
  dialog.answer = PlainPaperChoice{.onePdfPerEmployee = true, .folder = out};
  boxes.Answer(MsgOk);
  RunPlainPaperW2s(*file, dialog, printer, setup, factory);
  EXPECT_EQ(pdfs.size(), 2u);
  std::set<std::string> names;  // the temporary names are gone
  for (const auto& entry : std::filesystem::directory_iterator(out)) {
    names.insert(entry.path().filename().string());
  }
  EXPECT_EQ(names, (std::set<std::string>{"BOB ANN W-2 2024.pdf", "ZED ANN W-2 2024.pdf"}));
  EXPECT_TRUE(printer.Documents().empty());
  EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{"2 PDF files written to " + out + "."}));
}

TEST_F(PlainPaperRun, CancelInEitherDialogPrintsNothing) {
  RunPlainPaperW2s(*file, dialog, printer, setup, factory);
  dialog.answer = PlainPaperChoice{};
  setup.otherwise = false;
  RunPlainPaperW2s(*file, dialog, printer, setup, factory);
  EXPECT_TRUE(printer.Documents().empty());
  EXPECT_TRUE(pdfs.empty());
}

TEST_F(PlainPaperRun, CancelStopsThePdfsOrThePrintAndThePreviewShowsThePrint) {
  ScriptedProgress progress;
  progress.cancelAt = 1;
  const std::string out = dir.File("out");
  std::filesystem::create_directory(out);
  dialog.answer = PlainPaperChoice{.onePdfPerEmployee = true, .folder = out};
  boxes.Answer(MsgOk);
  RunPlainPaperW2s(*file, dialog, printer, setup, factory, nullptr, &progress);
  EXPECT_EQ(pdfs.size(), 1u);
  EXPECT_TRUE(std::filesystem::exists(out + "/BOB ANN W-2 2024.pdf"));
  EXPECT_FALSE(std::filesystem::exists(out + "/ZED ANN W-2 2024.pdf"));
  EXPECT_EQ(boxes.Texts(),
            (std::vector<std::string>{"Cancelled: 1 of 2 PDF files were written to " + out + "."}));
  // On the printer, through the preview: one employee (two sheets), the job ended.
  ScriptedPrintPreview preview;
  dialog.answer = PlainPaperChoice{};
  RunPlainPaperW2s(*file, dialog, printer, setup, factory, &preview, &progress);
  EXPECT_EQ(preview.Shown(), 1);
  EXPECT_EQ(printer.Pages().size(), 2u);
  EXPECT_TRUE(printer.Documents().back().ended);
  EXPECT_EQ(progress.Runs().back(),
            (std::pair<std::string, int>{"Printing the W-2 employee copies...", 2}));
}

TEST_F(PlainPaperRun, TheDialogsChoiceIsKeptInTheRegistry) {
  TQuillmarRegistry registry(dir.Path()), later(dir.Path());  // later: the next start
  SavePlainPaperChoice(registry, {false, true, "/home/pat/W-2 PDFs \xc3\xa9"});
  const PlainPaperChoice kept = LoadPlainPaperChoice(later);
  EXPECT_EQ(std::tuple(kept.copyD, kept.onePdfPerEmployee, kept.folder),
            std::tuple(false, true, std::string("/home/pat/W-2 PDFs \xc3\xa9")));
}

}  // namespace
