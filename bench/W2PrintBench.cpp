// PrintAllW2s for 1,000 and 10,000 employees into a PDF file through the
// QPrinter backend, next to its floor: the same text items at the same
// device positions drawn directly with QPainter on the same QPrinter.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QPageSize>
#include <QPainter>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include "bench/PdfBenchSupport.h"
#include "data/QuillmarFormFile.h"
#include "platform/MessageBoxes.h"
#include "platform/RecordingPrinter.h"
#include "platform/ScriptedPrintDialogs.h"
#include "platform/qt/QtPrinterDevice.h"
#include "platform/qt/QtRecordText.h"
#include "print/W2Print.h"
#include "settings/QuillmarRegistry.h"

namespace {

// A data file of `employees` filled-in W-2s of tax year `year` (2002: the
// 2001 form's grid; 2025: the current form's geometry), made once per size.
const std::string& DataFile(int employees, int year) {
  static std::map<std::pair<int, int>, std::string> paths;
  auto it = paths.find({employees, year});
  if (it != paths.end()) return it->second;
  const std::string path =
      (Folder() / ("w2s-" + std::to_string(employees) + "-" + std::to_string(year) + ".qmr"))
          .string();
  std::ofstream out(path, std::ios::binary);
  TRecordBuffer record;
  record.Clear();
  record.header.RecType = kRecTypeHeader;
  out.write(reinterpret_cast<const char*>(record.bytes), kRecSize);
  record.w3.RecType = kRecTypeW3;
  record.w3.TaxYear = year;
  record.w3.EmployerEIN = "12-3456789";
  record.w3.EmployerName = "Tolvane Garden Supply";
  record.w3.Street = "400 Orchard Road";
  record.w3.Town = "Lancaster";
  record.w3.State = "PA";
  record.w3.Zip = "17601";
  out.write(reinterpret_cast<const char*>(record.bytes), kRecSize);
  for (int i = 0; i < employees; ++i) {
    record.Clear();
    W2Record& w2 = record.w2;
    w2.RecType = kRecTypeW2;
    char ssn[16];
    std::snprintf(ssn, sizeof ssn, "%03d-%02d-%04d", 100 + i / 1000000, (i / 10000) % 100,
                  i % 10000);
    w2.SocSecNum = ssn;
    w2.LastName = "Last" + std::to_string((i * 7919) % 100003);
    w2.FirstName = "First" + std::to_string(i);
    w2.StreetPOB = std::to_string(i) + " Elm Street";
    w2.City = "Lancaster";
    w2.AddrState = "PA";
    w2.Zip = "17602";
    w2.Wages = w2.SSWages = w2.MedWage = w2.ST1StateWage = 300000000 + i * 10000;
    w2.FedTax = 45000000;
    w2.SSTax = 18600000;
    w2.MedTax = 4350000;
    for (Box12Entry& line : w2.Box12) line.Code = ' ';
    w2.ST1State = "PA";
    w2.ST1StateID = "1234567";
    w2.ST1StateTax = 9210000;
    out.write(reinterpret_cast<const char*>(record.bytes), kRecSize);
  }
  return paths.emplace(std::pair{employees, year}, path).first->second;
}

void BM_PrintAllW2s_Pdf(benchmark::State& state) {
  auto file = TQuillmarFormFile::Create(
      DataFile(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
  TQuillmarRegistry registry(Folder());
  PrintNow setUp;
  ScriptedPrinterSetupDialog printerSetup;
  printerSetup.otherwise = true;
  ScriptedFontDialog font;
  for (auto _ : state) {
    QtPrinterDevice printer(false);
    UsePdf(printer, "w2s.pdf");
    PrintAllW2s(*file, registry, printer, {setUp, printerSetup, font});
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PrintAllW2s_Pdf)
    ->ArgsProduct({{1000, 10000}, {2002, 2025}})
    ->Unit(benchmark::kMillisecond);

// The floor: the run's text items, taken once from the recording device with
// the PDF's capabilities, drawn one by one with QPainter.
void BM_Floor_QPainterPdf(benchmark::State& state) {
  auto file = TQuillmarFormFile::Create(
      DataFile(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
  TQuillmarRegistry registry(Folder());
  std::vector<RecordedPage> pages;
  {
    QtPrinterDevice pdf(false);
    UsePdf(pdf, "w2s.pdf");
    RecordingPrinter recorder(pdf.Caps());
    PrintNow setUp;
    ScriptedPrinterSetupDialog printerSetup;
    printerSetup.otherwise = true;
    ScriptedFontDialog font;
    PrintAllW2s(*file, registry, recorder, {setUp, printerSetup, font});
    pages = recorder.Pages();
  }
  for (auto _ : state) {
    QtPrinterDevice device(false);
    UsePdf(device, "w2s.pdf");
    QPrinter& printer = device.Printer();
    const QFont qfont = ToQFont(FormFont(), device.Caps().logPixelsY);
    QPainter painter(&printer);
    painter.setFont(qfont);
    const double ascent = QFontMetricsF(qfont, &printer).ascent();
    for (std::size_t p = 0; p < pages.size(); ++p) {
      if (p > 0) printer.newPage();
      for (const RecordedText& t : pages[p].texts) {
        painter.drawText(QPointF(t.x, t.y + ascent), FromRecordText(t.text));
      }
    }
    painter.end();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Floor_QPainterPdf)
    ->ArgsProduct({{1000, 10000}, {2002, 2025}})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunPdfBenchmarks(argc, argv); }
