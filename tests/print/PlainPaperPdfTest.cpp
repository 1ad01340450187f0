// The plain-paper W-2 through the QPrinter backend, read back from the PDF
// with poppler: box 1's amount lands inside box 1, and one PDF per employee
// carries the employee's name and their two sheets.

#include <gtest/gtest.h>

#include <QPageSize>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "platform/qt/QtPrinterDevice.h"
#include "print/PlainPaperW2.h"
#include "tests/support/TempDir.h"

namespace {

constexpr int kDpi = 600;

std::unique_ptr<IPrinterDevice> PdfDevice(const std::string& path) {
  auto device = std::make_unique<QtPrinterDevice>(false);
  device->Printer().setPageSize(QPageSize(QPageSize::Letter));
  // A quarter-inch unprintable border all round.
  device->SetPdfOutput(QString::fromStdString(path), kDpi, QMarginsF(18, 18, 18, 18));
  return device;
}

std::string Output(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  pclose(pipe);
  return out;
}

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
      auto printer = PdfDevice(pdf);
      ASSERT_TRUE(PrintPlainPaperW2s(*printer, {Employee("SMITH", "MARY")}, w3, false));
    }
    const std::string page = Output("pdftotext -f 1 -l 1 -bbox '" + pdf + "' -");
    const std::regex word(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">1234567\.80</word>)re");
    std::smatch m;
    ASSERT_TRUE(std::regex_search(page, m, word)) << page.substr(0, 400);
    const auto device = [](const std::string& points) {
      return std::stod(points) * kDpi / 72 - 150;
    };

    const PlainW2Layout& layout = PlainW2LayoutForYear(year);
    const auto box1 = std::find_if(layout.boxes.begin(), layout.boxes.end(), [](const FormBox& b) {
      return b.caption == "1 Wages, tips, other compensation";
    });
    ASSERT_NE(box1, layout.boxes.end());
    auto printer = PdfDevice(dir.File("unused.pdf"));
    const PlainFormGeometry g(printer->Caps(), layout.left, layout.top, layout.right, 0);
    const DeviceRect r = ToDevice(g, box1->rect);
    EXPECT_GT(device(m[1]), r.left);
    EXPECT_GT(device(m[2]), r.top);
    EXPECT_LT(device(m[3]), r.right);
    EXPECT_LT(device(m[4]), r.bottom);
    // Right-aligned: it ends within a tenth of an inch of the box's right edge.
    EXPECT_GT(device(m[3]), r.right - kDpi / 10);
  }
}

TEST(PlainPaperPdf, OnePdfPerEmployeeNamedAfterThemWithTheirTwoSheets) {
  const TempDir dir;
  W3Record w3{};
  w3.TaxYear = 2024;
  const std::vector<std::string> written = PrintPlainPaperW2PerEmployee(
      PdfDevice, dir.File(""),
      {Employee("SMITH", "MARY"), Employee("AC/DC", "BO"), Employee("SMITH", "MARY")}, w3);
  ASSERT_EQ(written.size(), 3u);
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.File(""))) {
    names.insert(entry.path().filename().string());
    const std::string info = Output("pdfinfo '" + entry.path().string() + "'");
    EXPECT_NE(info.find("Pages:           2\n"), std::string::npos) << entry.path();
  }
  EXPECT_EQ(names, (std::set<std::string>{"SMITH MARY W-2 2024.pdf", "AC_DC BO W-2 2024.pdf",
                                          "SMITH MARY W-2 2024 (2).pdf"}));
}

}  // namespace
