// Forms W-2c and W-3c through the QPrinter backend, read back from the PDF
// with poppler: each corrected amount lands in its box's column, boxes that
// were right stay empty, and the W-3c carries the totals.

#include <gtest/gtest.h>

#include <QPageSize>
#include <filesystem>

#include "platform/qt/QtPrinterDevice.h"
#include "print/PlainPaperW2c.h"
#include "tests/support/LetterPdfDevice.h"
#include "tests/support/PdfWords.h"
#include "tests/support/TempDir.h"

namespace {

constexpr int kDpi = 600;

W2Record Jane(const char* last, Currency wages) {
  W2Record w2{};
  w2.RecType = kRecTypeW2;
  for (Box12Entry& line : w2.Box12) line.Code = ' ';
  w2.SocSecNum = "234-56-7890";
  w2.FirstName = "JANE";
  w2.LastName = std::string_view(last);
  w2.Wages = wages;
  w2.FedTax = Currency{4812} * kCurrencyScale;
  return w2;
}

// The device rectangle of the W-2c cell of `member` in `column`.
DeviceRect CellRect(std::size_t member, W2cColumn column) {
  const PlainW2cLayout& layout = PlainW2cLayout2026();
  const TempDir dir;
  const auto printer = LetterPdfDevice(dir.File("unused.pdf"));
  const PlainFormGeometry g(printer->Caps(), layout.left, layout.top, layout.right, 0);
  for (const W2cCell& cell : layout.cells) {
    if (cell.member == member && cell.column == column) return ToDevice(g, cell.rect);
  }
  ADD_FAILURE() << "no cell";
  return {};
}

bool Inside(const PdfWord& word, const DeviceRect& r) {
  const auto device = [](double points) { return points * kDpi / 72 - 150; };
  // Amounts are right-aligned: they end at the right edge, within two pixels.
  return device(word.xMin) > r.left && device(word.xMax) <= r.right + 2 &&
         device(word.yMin) > r.top - kDpi / 20 && device(word.yMax) < r.bottom + kDpi / 20;
}

TEST(W2cPdf, CorrectedBoxesReadBackInTheirColumnsAndTheW3cHoldsTheTotals) {
  const TempDir dir;
  W3Record w3{};
  w3.TaxYear = 2025;
  w3.EmployerName = "ACME TOOLS";
  const FiledCopy filed = MakeFiledCopy(w3, {Jane("PUBLICK", Currency{5234015} * kCurrencyScale)},
                                        FilingMethod::WageFile, 46000);
  const std::vector<EmployeeCorrection> corrections =
      FindCorrections(filed, {Jane("PUBLIC", Currency{5334015} * kCurrencyScale)});
  const std::vector<std::string> written =
      PrintPlainPaperW2cPerEmployee(LetterPdfDevice, dir.File(""), corrections, w3, false);
  ASSERT_EQ(written, (std::vector<std::string>{dir.File("PUBLIC JANE W-2c 2025.pdf"),
                                               dir.File("W-3c 2025.pdf")}));
  // They hold the SSN: readable by their owner only, whatever the umask.
  for (const std::string& path : written) {
    EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  }

  const std::vector<PdfWord> words = ReadPdfWords(written[0]);
  // Copies B, C, 2 and nothing else: one page each.
  ASSERT_FALSE(words.empty());
  EXPECT_EQ(words.back().page, 3);
  const std::optional<PdfWord> previous = FindPdfWord(words, "5234015.00");
  const std::optional<PdfWord> correct = FindPdfWord(words, "5334015.00");
  ASSERT_TRUE(previous && correct);
  EXPECT_EQ(previous->page, 1);
  EXPECT_TRUE(Inside(*previous, CellRect(offsetof(W2Record, Wages), W2cColumn::Previous)));
  EXPECT_TRUE(Inside(*correct, CellRect(offsetof(W2Record, Wages), W2cColumn::Correct)));
  // Box 2 was right: blank in both columns.
  EXPECT_FALSE(FindPdfWord(words, "4812.00").has_value());
  // Box g holds the name as filed, box h the correct one.
  const std::optional<PdfWord> filedName = FindPdfWord(words, "PUBLICK");
  ASSERT_TRUE(filedName.has_value());
  EXPECT_LT(filedName->xMin * kDpi / 72,
            CellRect(offsetof(W2Record, Wages), W2cColumn::Correct).left);
  EXPECT_TRUE(FindPdfWord(words, "W-2c").has_value());

  const std::vector<PdfWord> w3c = ReadPdfWords(written[1]);
  EXPECT_TRUE(FindPdfWord(w3c, "5234015.00").has_value());
  EXPECT_TRUE(FindPdfWord(w3c, "5334015.00").has_value());
  EXPECT_TRUE(FindPdfWord(w3c, "W-3c").has_value());
}

}  // namespace
