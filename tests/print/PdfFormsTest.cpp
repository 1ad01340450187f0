// The W-2, W-3 and label runs through the QPrinter backend into a PDF file,
// read back with poppler's pdftotext: the boxes land the stated distances
// from the margins on the sheet.

#include <gtest/gtest.h>

#include <QPageSize>
#include <optional>
#include <regex>

#include "data/QuillmarFormFile.h"
#include "platform/ScriptedPrintDialogs.h"
#include "platform/qt/QtPrinterDevice.h"
#include "print/LabelPrint.h"
#include "print/PlainPaperW2.h"
#include "print/PrintTextReport.h"
#include "print/W2Print.h"
#include "print/W3Print.h"
#include "settings/QuillmarRegistry.h"
#include "tests/support/PdfWords.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempDir.h"

namespace {

struct OkSetUp final : IFormSetUpDialog {
  bool Execute(FormSetUpValues& values) override { return !(values.lineUpRequired = false); }
};

class PdfFormsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    printer.Printer().setPageSize(QPageSize(QPageSize::Letter));
    // A quarter inch unprintable all round.
    printer.SetPdfOutput(QString::fromStdString(dir.File("out.pdf")), 600,
                         QMarginsF(18, 18, 18, 18));
    W3Record& w3 = file->W3Rec.w3;
    w3.EmployerName = "ACME", w3.Street = "1 MAIN ST", w3.Town = "SPRINGFIELD";
    w3.TotWages = 555555500;
    w3.TaxYear = 2001;
    printerDialog.otherwise = true;
    fontDialog.Answer(true);
    for (const auto& [first, wages] : {std::pair{"ANN", 123456700}, {"BOB", 234567800}}) {
      ASSERT_TRUE(file->AddNew(kRecTypeW2));
      file->WorkRec.w2.SocSecNum = std::to_string(wages).substr(0, 3) + "-45-6789";
      file->WorkRec.w2.FirstName = first, file->WorkRec.w2.Wages = wages;
      ASSERT_TRUE(file->SaveCurrent(false));
    }
  }
  // Where the word starts, in inches from the sheet's top-left corner; its
  // sheet from 1.
  std::tuple<double, double, int> At(const std::string& wanted) {
    const std::optional<PdfWord> word = FindPdfWord(ReadPdfWords(dir.File("out.pdf")), wanted);
    if (!word) {
      ADD_FAILURE() << wanted << " not printed";
      return {};
    }
    return {word->xMin / 72, word->yMin / 72, word->page};
  }

  TempDir dir;
  ScriptedMessageBoxes boxes;
  TQuillmarRegistry registry{dir.Path()};
  std::unique_ptr<TQuillmarFormFile> file = TQuillmarFormFile::Create(dir.File("acme.qmr"));
  QtPrinterDevice printer{false};
  OkSetUp setUp;
  ScriptedPrinterSetupDialog printerDialog;
  ScriptedFontDialog fontDialog;
};

constexpr double kPixel = 1.0 / 600;

TEST_F(PdfFormsTest, W2BoxOneAndTheBottomForm) {
  registry.WriteFormMargins(FormKind::W2, {50, 25, 31, 25});
  PrintAllW2s(*file, registry, printer, {setUp, printerDialog, fontDialog});
  const auto [x, y, sheet] = At("12345.67");
  const auto [bottomX, bottomY, bottomSheet] = At("23456.78");
  EXPECT_NEAR(x, 0.31 + 4.6, kPixel);
  EXPECT_NEAR(y, 0.50 + 2 / 6.0, kPixel);
  EXPECT_NEAR(bottomY - y, 5.5, kPixel);
  EXPECT_EQ(bottomSheet, sheet);
}

TEST_F(PdfFormsTest, W3TotalsAndAddress) {
  registry.WriteFormMargins(FormKind::W3, {60, 25, 40, 25});
  PrintW3(*file, registry, printer, {setUp, printerDialog, fontDialog});
  const auto [x, y, sheet] = At("55555.55");
  EXPECT_NEAR(x, 0.40 + 3.7, kPixel);
  EXPECT_NEAR(y, 0.60 + 2 / 6.0, kPixel);
  EXPECT_NEAR(std::get<1>(At("SPRINGFIELD")), 0.60 + 13 / 6.0, kPixel);  // line 14
}

TEST_F(PdfFormsTest, LabelsTwoAcross) {
  PrintEmployeeLabels(*file, printer, printerDialog, fontDialog, 0);
  const auto [x, y, sheet] = At("ANN");
  const auto [rightX, rightY, rightSheet] = At("BOB");
  EXPECT_NEAR(x, 0.35, kPixel);
  EXPECT_NEAR(y, 0.5 + 1 / 6.0, kPixel);
  EXPECT_NEAR(rightX - x, 4.2, kPixel);
  EXPECT_NEAR(rightY, y, kPixel);
}

// Every page of every kind of job is Letter on a printer left at its start-up
// paper, whatever the locale would choose.
TEST_F(PdfFormsTest, EveryKindOfJobPrintsOnLetter) {
  // The set-up dialog that prints one line-up sample, then cancels.
  struct OneSample final : IFormSetUpDialog {
    int shown = 0;
    bool Execute(FormSetUpValues& values) override {
      return (values.lineUpRequired = shown++ == 0);
    }
  } sample;
  const char* const kinds[] = {"W-2 forms",      "W-2 line-up sample", "W-3",
                               "labels",         "error report",       "plain-paper W-2s",
                               "plain-paper W-3"};
  for (int k = 0; k < 7; ++k) {
    SCOPED_TRACE(kinds[k]);
    const std::string pdf = dir.File(std::to_string(k) + ".pdf");
    QtPrinterDevice p{false};
    p.SetPdfOutput(QString::fromStdString(pdf), 300, QMarginsF(18, 18, 18, 18));
    fontDialog.Answer(true);
    if (k == 0) PrintAllW2s(*file, registry, p, {setUp, printerDialog, fontDialog});
    if (k == 1) PrintAllW2s(*file, registry, p, {sample, printerDialog, fontDialog});
    if (k == 2) PrintW3(*file, registry, p, {setUp, printerDialog, fontDialog});
    if (k == 3) PrintEmployeeLabels(*file, p, printerDialog, fontDialog, 3);
    if (k == 4) PrintTextReport({"BOX 1"}, p, printerDialog, fontDialog);
    if (k == 5) PrintPlainPaperW2s(p, PrintableW2s(*file), file->W3Rec.w3, true);
    if (k == 6) PrintPlainPaperW3(p, file->W3Rec.w3);
    const std::string info = CommandOutput("pdfinfo -f 1 -l 99 '" + pdf + "' 2>/dev/null");
    const std::regex size(R"(Page +\d+ size: +([0-9.]+) x ([0-9.]+) pts)");
    int pages = 0;
    for (auto it = std::sregex_iterator(info.begin(), info.end(), size);
         it != std::sregex_iterator(); ++it, ++pages) {
      EXPECT_EQ((*it)[1].str() + " x " + (*it)[2].str(), "612 x 792");
    }
    EXPECT_GE(pages, 1);
  }
}

// A 2025 and a 2026 W-2 on pre-printed forms, with the margins that put the
// form where the IRS form lies on its page, and the same W-2 drawn on plain
// paper: every value starts (a text), ends (an amount) or is centred (the
// SSN, a box 12 code) at the same place on the sheet, box 14b's codes too.
TEST_F(PdfFormsTest, PlainPaperLaidOverThePrePrintedFormMatchesBoxForBox) {
  for (const int year : {2025, 2026}) {
    SCOPED_TRACE(year);
    W3Record& w3 = file->W3Rec.w3;
    w3.TaxYear = year, w3.EmployerEIN = "36-1234567";
    ASSERT_TRUE(file->GoFirst());
    W2Record& w2 = file->WorkRec.w2;
    w2.LastName = "SMITH", w2.ControlNum = 4711, w2.City = "OAKLAND", w2.FedTax = 98765400;
    w2.Box12[0] = {'D', 'D', {}, 62500000};
    w2.Box12[1] = {year == 2026 ? 'T' : ' ', year == 2026 ? 'P' : '\0', {}, 3000000};
    w2.TipCodes[0] = year == 2026 ? "102" : "", w2.TipCodes[1] = year == 2026 ? "000" : "";
    w2.ST1State = "CA", w2.ST1StateWage = 111111100;
    ASSERT_TRUE(file->SaveCurrent(false));
    const W2Record ann = w2;
    // Column 1 at 30.8 points, line 1 at 46 points from the sheet's edges.
    registry.WriteFormMargins(FormKind::W2, {64, 25, 43, 25});
    PrintAllW2s(*file, registry, printer, {setUp, printerDialog, fontDialog});
    const std::vector<PdfWord> pre = ReadPdfWords(dir.File("out.pdf"));
    const std::string plainPath = dir.File("plain.pdf");
    {
      QtPrinterDevice plain{false};
      plain.Printer().setPageSize(QPageSize(QPageSize::Letter));
      plain.SetPdfOutput(QString::fromStdString(plainPath), 600, QMarginsF(18, 18, 18, 18));
      ASSERT_TRUE(PrintPlainPaperW2s(plain, {ann}, w3, false));
    }
    const std::vector<PdfWord> drawn = ReadPdfWords(plainPath);
    enum Edge { Start, End, Middle };
    const std::vector<std::pair<std::string, Edge>> values = {
        {"123-45-6789", Middle}, {"36-1234567", Start}, {"4711", Start},  {"SMITH", Start},
        {"OAKLAND", Start},      {"12345.67", End},     {"9876.54", End}, {"DD", Middle},
        {"6250.00", End},        {"CA", Middle},        {"11111.11", End}};
    std::vector<std::pair<std::string, Edge>> all = values;
    if (year == 2026) all.insert(all.end(), {{"TP", Middle}, {"102", Start}, {"000", Start}});
    for (const auto& [text, edge] : all) {
      SCOPED_TRACE(text);
      // The employee's form is the bottom one of the pre-printed sheet (BOB comes first).
      std::optional<PdfWord> a;
      for (const PdfWord& w : pre)
        if (w.text == text && w.yMin > 396) a = w;
      if (a) a->yMin -= 396, a->yMax -= 396;
      const std::optional<PdfWord> b = FindPdfWord(drawn, text);
      ASSERT_TRUE(a && b);
      const auto x = [edge](const PdfWord& w) {
        return edge == Start ? w.xMin : edge == End ? w.xMax : (w.xMin + w.xMax) / 2;
      };
      EXPECT_NEAR(x(*a), x(*b), 1.5) << "points across";
      EXPECT_NEAR(a->yMax, b->yMax, 4.0) << "points down (the two types differ in height)";
    }
  }
}

}  // namespace
