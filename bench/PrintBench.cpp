// A text report of 10,000 lines through PrintTextReport, on the recording
// device and into a PDF file through the QPrinter backend, each next to its
// floor: the same lines drawn one by one on the same device, with the same
// page breaks, and nothing else.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QPageSize>
#include <QPainter>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/PdfBenchSupport.h"
#include "platform/MessageBoxes.h"
#include "platform/MulDiv.h"
#include "platform/RecordingPrinter.h"
#include "platform/ScriptedPrintDialogs.h"
#include "platform/qt/QtPrinterDevice.h"
#include "platform/qt/QtRecordText.h"
#include "print/PrintTextReport.h"

namespace {

constexpr int kLines = 10000;
const PrinterFont kFont{.name = "MS Sans Serif", .size = 8};

// Lines as the edit check writes them, each narrower than the text width.
const std::vector<std::string>& ReportLines() {
  static const std::vector<std::string> lines = [] {
    std::vector<std::string> result;
    for (int i = 0; i < kLines; ++i) {
      switch (i % 4) {
        case 0:
          result.push_back("Employee " + std::to_string(i) + "  Calder, Ruth  SSN 123-45-6789");
          break;
        case 1:
          result.push_back("   Box 3 Social Security wages 87000.00 exceed the wage base 84900.00");
          break;
        case 2:
          result.push_back("   Box 4 Social Security tax withheld should be 5263.80, not 5300.00");
          break;
        default:
          result.push_back("");
          break;
      }
    }
    return result;
  }();
  return lines;
}

void UseReportPdf(QtPrinterDevice& printer) {
  UsePdf(printer, "report.pdf");
  printer.SetFont(kFont);
}

// The floor: each line drawn at its place, a new page every full page.
template <typename DrawLine, typename NextPage>
void DrawLineByLine(const PrinterCaps& caps, DrawLine draw, NextPage next) {
  const int left = caps.logPixelsX - caps.physicalOffsetX;
  const int top = caps.logPixelsY - caps.physicalOffsetY;
  const int textHeight = caps.pageHeight - 2 * top;
  const int lineHeight = MulDiv(MulDiv(kFont.size, caps.logPixelsY, 72), 9, 8);
  int used = 0;
  for (const std::string& line : ReportLines()) {
    if (used + lineHeight > textHeight) {
      next();
      used = 0;
    }
    if (!line.empty()) draw(left, top + used, line);
    used += lineHeight;
  }
}

void BM_PrintTextReport_Recording(benchmark::State& state) {
  ScriptedPrinterSetupDialog setup;
  setup.otherwise = true;
  ScriptedFontDialog font;  // cancelled: the printer's font prints
  for (auto _ : state) {
    RecordingPrinter printer;
    PrintTextReport(ReportLines(), printer, setup, font);
    benchmark::DoNotOptimize(printer.Pages().size());
  }
}
BENCHMARK(BM_PrintTextReport_Recording)->Unit(benchmark::kMillisecond);

void BM_Floor_Recording(benchmark::State& state) {
  for (auto _ : state) {
    RecordingPrinter printer;
    printer.SetFont(kFont);
    printer.BeginDoc("floor");
    DrawLineByLine(
        printer.Caps(), [&](int x, int y, const std::string& line) { printer.TextOut(x, y, line); },
        [&] { printer.NewPage(); });
    printer.EndDoc();
    benchmark::DoNotOptimize(printer.Pages().size());
  }
}
BENCHMARK(BM_Floor_Recording)->Unit(benchmark::kMillisecond);

void BM_PrintTextReport_Pdf(benchmark::State& state) {
  ScriptedPrinterSetupDialog setup;
  setup.otherwise = true;
  ScriptedFontDialog font;  // cancelled: the printer's font prints
  for (auto _ : state) {
    QtPrinterDevice printer(false);
    UseReportPdf(printer);
    PrintTextReport(ReportLines(), printer, setup, font);
  }
}
BENCHMARK(BM_PrintTextReport_Pdf)->Unit(benchmark::kMillisecond);

void BM_Floor_QPainterPdf(benchmark::State& state) {
  for (auto _ : state) {
    QtPrinterDevice device(false);
    UseReportPdf(device);
    QPrinter& printer = device.Printer();
    const PrinterCaps caps = device.Caps();
    const QFont font = ToQFont(kFont, caps.logPixelsY);
    QPainter painter(&printer);
    painter.setFont(font);
    const double ascent = QFontMetricsF(font, &printer).ascent();
    DrawLineByLine(
        caps,
        [&](int x, int y, const std::string& line) {
          painter.drawText(QPointF(x, y + ascent), FromRecordText(line));
        },
        [&] { printer.newPage(); });
    painter.end();
  }
}
BENCHMARK(BM_Floor_QPainterPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunPdfBenchmarks(argc, argv); }
