// The W-2, W-3 and label runs through the QPrinter backend into a PDF file,
// read back with poppler's pdftotext: the boxes land the stated distances
// from the margins on the sheet.

#include <gtest/gtest.h>

#include <QPageSize>
#include <fstream>
#include <regex>
#include <sstream>

#include "data/QuillmarFormFile.h"
#include "platform/ScriptedPrintDialogs.h"
#include "platform/qt/QtPrinterDevice.h"
#include "print/LabelPrint.h"
#include "print/W2Print.h"
#include "print/W3Print.h"
#include "settings/QuillmarRegistry.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempDir.h"

namespace {

struct Word {
  int page;
  double x, y;  // inches from the sheet's top-left corner
};

struct OkSetUp final : IFormSetUpDialog {
  bool Execute(FormSetUpValues& values) override {
    values.lineUpRequired = false;
    return true;
  }
};

class PdfFormsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    printer.Printer().setPageSize(QPageSize(QPageSize::Letter));
    // A quarter inch unprintable all round.
    printer.SetPdfOutput(QString::fromStdString(dir.File("out.pdf")), 600,
                         QMarginsF(18, 18, 18, 18));
    file = TQuillmarFormFile::Create(dir.File("acme.qmr"));
    W3Record& w3 = file->W3Rec.w3;
    w3.EmployerName = "ACME";
    w3.Street = "1 MAIN ST";
    w3.Town = "SPRINGFIELD";
    w3.TotWages = 555555500;
    printerDialog.otherwise = true;
  }
  void Add(const std::string& last, Currency wages) {
    ASSERT_TRUE(file->AddNew(kRecTypeW2));
    file->WorkRec.w2.SocSecNum = "123-45-678" + std::to_string(serial++);
    file->WorkRec.w2.FirstName = "PAT";
    file->WorkRec.w2.LastName = last;
    file->WorkRec.w2.Wages = wages;
    ASSERT_TRUE(file->SaveCurrent(false));
  }
  // Every word of the PDF with where it starts.
  std::multimap<std::string, Word> Words() {
    const std::string html = dir.File("out.html");
    EXPECT_EQ(std::system(("pdftotext -bbox '" + dir.File("out.pdf") + "' '" + html + "'").c_str()),
              0);
    std::stringstream text;
    text << std::ifstream(html).rdbuf();
    const std::string doc = text.str();
    std::multimap<std::string, Word> words;
    const std::regex item(
        R"re(<page |<word xMin="([0-9.]+)" yMin="([0-9.]+)"[^>]*>([^<]*)</word>)re");
    int page = 0;
    for (auto it = std::sregex_iterator(doc.begin(), doc.end(), item); it != std::sregex_iterator();
         ++it) {
      if ((*it)[3].length() == 0 && (*it)[1].length() == 0) {
        ++page;
        continue;
      }
      words.emplace((*it)[3], Word{page, std::stod((*it)[1]) / 72, std::stod((*it)[2]) / 72});
    }
    return words;
  }

  TempDir dir;
  ScriptedMessageBoxes boxes;
  TQuillmarRegistry registry{dir.Path()};
  std::unique_ptr<TQuillmarFormFile> file;
  QtPrinterDevice printer{false};
  OkSetUp setUp;
  ScriptedPrinterSetupDialog printerDialog;
  ScriptedFontDialog fontDialog;
  int serial = 0;
};

constexpr double kPixel = 1.0 / 600;

TEST_F(PdfFormsTest, W2BoxOneAndTheBottomForm) {
  registry.WriteFormMargins(FormKind::W2, {50, 25, 31, 25});
  Add("ADAMS", 123456700);
  Add("BAKER", 234567800);
  PrintAllW2s(*file, registry, printer, {setUp, printerDialog, fontDialog});
  const auto words = Words();
  ASSERT_EQ(words.count("12345.67") + words.count("23456.78"), 2u);
  const Word top = words.find("12345.67")->second, bottom = words.find("23456.78")->second;
  EXPECT_NEAR(top.x, 0.31 + 4.6, kPixel);
  EXPECT_NEAR(top.y, 0.50 + 2 / 6.0, kPixel);
  EXPECT_NEAR(bottom.y - top.y, 5.5, kPixel);
  EXPECT_EQ(bottom.page, top.page);
  EXPECT_NEAR(words.find("SPRINGFIELD")->second.x, 0.31 + 0.1, kPixel);
}

TEST_F(PdfFormsTest, W3TotalsAndAddress) {
  registry.WriteFormMargins(FormKind::W3, {60, 25, 40, 25});
  PrintW3(*file, registry, printer, {setUp, printerDialog, fontDialog});
  const auto words = Words();
  const Word wages = words.find("55555.55")->second, town = words.find("SPRINGFIELD")->second;
  EXPECT_NEAR(wages.x, 0.40 + 3.7, kPixel);
  EXPECT_NEAR(wages.y, 0.60 + 2 / 6.0, kPixel);
  EXPECT_NEAR(town.x, 0.40, kPixel);
  EXPECT_NEAR(town.y, 0.60 + 13 / 6.0, kPixel);  // line 14, below the street
}

TEST_F(PdfFormsTest, LabelsTwoAcross) {
  Add("ADAMS", 0);
  Add("BAKER", 0);
  printerDialog.Answer(true);
  fontDialog.Answer(true, PrinterFont{"Courier New", 10, 0, 0, kAnsiCharset});
  PrintEmployeeLabels(*file, printer, printerDialog, fontDialog, 0);
  const auto words = Words();
  ASSERT_EQ(words.count("PAT"), 2u);
  const Word left = words.find("PAT")->second, right = std::next(words.find("PAT"))->second;
  EXPECT_NEAR(left.x, 0.35, kPixel);
  EXPECT_NEAR(left.y, 0.5 + 1 / 6.0, kPixel);
  EXPECT_NEAR(right.x - left.x, 4.2, kPixel);
  EXPECT_NEAR(right.y, left.y, kPixel);
}

}  // namespace
