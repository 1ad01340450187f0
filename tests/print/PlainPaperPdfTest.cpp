// The plain-paper W-2 through the QPrinter backend, read back from the PDF
// with poppler: box 1's amount lands inside box 1, and one PDF per employee
// carries the employee's name and their two sheets.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QPageSize>
#include <filesystem>
#include <fstream>
#include <set>

#include "platform/qt/QtPrinterDevice.h"
#include "print/PlainPaperW2.h"
#include "tests/support/LetterPdfDevice.h"
#include "tests/support/PdfWords.h"
#include "tests/support/TempDir.h"

namespace {

constexpr int kDpi = 600;

W2Record Employee(const char* last, const char* first) {
  W2Record w2{};
  w2.LastName = std::string_view(last);
  w2.FirstName = std::string_view(first);
  w2.Wages = Currency{1234567} * 10000 + 8000;
  return w2;
}

TEST(PlainPaperPdf, BoxOnesAmountLiesInsideBoxOneInBothLayouts) {
  for (const int year : {2005, 2024}) {
    SCOPED_TRACE(year);
    const TempDir dir;
    const std::string pdf = dir.File("w2.pdf");
    W3Record w3{};
    w3.TaxYear = year;
    {
      auto printer = LetterPdfDevice(pdf);
      ASSERT_TRUE(PrintPlainPaperW2s(*printer, {Employee("SMITH", "MARY")}, w3, false));
    }
    const std::vector<PdfWord> words = ReadPdfWords(pdf);
    const std::optional<PdfWord> amount = FindPdfWord(words, "1234567.80");
    ASSERT_TRUE(amount.has_value());
    ASSERT_EQ(amount->page, 1);
    const auto device = [](double points) { return points * kDpi / 72 - 150; };

    const PlainW2Layout& layout = PlainW2LayoutForYear(year);
    const auto box1 = std::find_if(layout.boxes.begin(), layout.boxes.end(), [](const FormBox& b) {
      return b.caption == "1 Wages, tips, other compensation";
    });
    ASSERT_NE(box1, layout.boxes.end());
    auto printer = LetterPdfDevice(dir.File("unused.pdf"));
    const PlainFormGeometry g(printer->Caps(), layout.left, layout.top, layout.right, 0);
    const DeviceRect r = ToDevice(g, box1->rect);
    EXPECT_GT(device(amount->xMin), r.left);
    EXPECT_GT(device(amount->yMin), r.top);
    EXPECT_LT(device(amount->xMax), r.right);
    EXPECT_LT(device(amount->yMax), r.bottom);
    // Right-aligned: it ends within a tenth of an inch of the box's right edge.
    EXPECT_GT(device(amount->xMax), r.right - kDpi / 10);
  }
}

TEST(PlainPaperPdf, OnePdfPerEmployeeNamedAfterThemWithTheirTwoSheets) {
  const TempDir dir;
  W3Record w3{};
  w3.TaxYear = 2024;
  const std::vector<std::string> written = PrintPlainPaperW2PerEmployee(
      LetterPdfDevice, dir.File(""),
      {Employee("SMITH", "MARY"), Employee("AC/DC", "BO"), Employee("SMITH", "MARY")}, w3);
  ASSERT_EQ(written.size(), 3u);
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.File(""))) {
    names.insert(entry.path().filename().string());
    const std::string info = CommandOutput("pdfinfo '" + entry.path().string() + "'");
    EXPECT_NE(info.find("Pages:           2\n"), std::string::npos) << entry.path();
  }
  EXPECT_EQ(names, (std::set<std::string>{"SMITH MARY W-2 2024.pdf", "AC_DC BO W-2 2024.pdf",
                                          "SMITH MARY W-2 2024 (2).pdf"}));
}

TEST(PlainPaperPdf, AccentedNamesGetAFileEachAndAPlantedLinkIsNeverWrittenThrough) {
  const TempDir dir;
  const std::string out = dir.File("out");
  std::filesystem::create_directory(out);
  const std::string victim = dir.File("victim");
  std::ofstream(victim) << "not yours";
  std::filesystem::create_symlink(victim, out + "/SMITH MARY W-2 2024.pdf");
  W3Record w3{};
  w3.TaxYear = 2024;
  const mode_t umaskBefore = ::umask(022);
  const std::vector<std::string> written =
      PrintPlainPaperW2PerEmployee(LetterPdfDevice, out,
                                   {Employee("M\xFCller", "J\xFCrgen"),
                                    Employee("M\xF6ller", "J\xF6rgen"), Employee("SMITH", "MARY")},
                                   w3);
  ::umask(umaskBefore);
  EXPECT_EQ(written, (std::vector<std::string>{out + "/M\u00fcller J\u00fcrgen W-2 2024.pdf",
                                               out + "/M\u00f6ller J\u00f6rgen W-2 2024.pdf",
                                               out + "/SMITH MARY W-2 2024 (2).pdf"}));
  for (const std::string& path : written) {
    struct stat st {};
    ASSERT_EQ(::lstat(path.c_str(), &st), 0) << path;
    EXPECT_TRUE(S_ISREG(st.st_mode)) << path;
    EXPECT_EQ(st.st_mode & 0777, 0600u) << path;
  }
  EXPECT_NE(CommandOutput("pdftotext '" + written[1] + "' -").find("M\u00f6ller"),
            std::string::npos);
  EXPECT_EQ(std::filesystem::file_size(victim), 9u);  // "not yours", untouched
}

}  // namespace
