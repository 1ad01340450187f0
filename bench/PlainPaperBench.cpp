// The W-2 employee copies of 1,000 employees drawn on plain paper into one
// PDF, next to its floor: the same texts, boxes and lines, recorded once and
// then drawn one by one with QPainter on the same kind of QPrinter (and a
// second floor of the texts alone), and next to the pre-printed run of the
// same employees to the same PDF backend.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QPageSize>
#include <QPainter>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "bench/PdfBenchSupport.h"
#include "data/QuillmarFormFile.h"
#include "platform/MessageBoxes.h"
#include "platform/RecordingPrinter.h"
#include "platform/ScriptedPrintDialogs.h"
#include "platform/qt/QtPrinterDevice.h"
#include "platform/qt/QtRecordText.h"
#include "print/PlainPaperW2.h"
#include "print/W2Print.h"
#include "settings/QuillmarRegistry.h"

namespace {

constexpr int kEmployees = 1000;

template <typename S>
void Set(S& field, const std::string& text) {
  field = std::string_view(text);
}

const std::vector<W2Record>& Employees() {
  static const std::vector<W2Record> employees = [] {
    std::vector<W2Record> result;
    for (int i = 0; i < kEmployees; ++i) {
      W2Record w{};
      Set(w.SocSecNum, "123-45-" + std::to_string(1000 + i));
      Set(w.FirstName, "RUTH");
      Set(w.LastName, "CALDER" + std::to_string(i));
      Set(w.StreetPOB, "48 MAPLE AVE");
      Set(w.City, "KETTERING");
      Set(w.AddrState, "OH");
      Set(w.Zip, "45429");
      w.Wages = w.SSWages = w.MedWage = (40000 + i) * Currency{10000};
      w.FedTax = 4200 * Currency{10000};
      w.SSTax = 2480 * Currency{10000};
      w.MedTax = 580 * Currency{10000};
      w.Box12[0].Code = 'D';
      w.Box12[0].Amount = 2500 * Currency{10000};
      w.RetirePlan = 1;
      Set(w.ST1State, "OH");
      Set(w.ST1StateID, "51234567");
      w.ST1StateWage = w.Wages;
      w.ST1StateTax = 1450 * Currency{10000};
      result.push_back(w);
    }
    return result;
  }();
  return employees;
}

W3Record Employer() {
  W3Record w3{};
  w3.TaxYear = 2024;
  Set(w3.EmployerEIN, "31-1234567");
  Set(w3.EmployerName, "TOLVANE HARDWARE AND SUPPLY CO");
  Set(w3.Street, "1200 RIVERSIDE DR");
  Set(w3.Town, "DAYTON");
  Set(w3.State, "OH");
  Set(w3.Zip, "45402");
  return w3;
}

void BM_PlainPaperW2s_Pdf(benchmark::State& state) {
  for (auto _ : state) {
    QtPrinterDevice printer(false);
    UsePdf(printer, "copies.pdf");
    PrintPlainPaperW2s(printer, Employees(), Employer(), false);
  }
  state.counters["pages"] = 2 * kEmployees;
}
BENCHMARK(BM_PlainPaperW2s_Pdf)->Unit(benchmark::kMillisecond)->Iterations(3);

// What the run draws, page by page, as the recording device keeps it.
const std::vector<RecordedPage>& Drawn() {
  static const std::vector<RecordedPage> pages = [] {
    QtPrinterDevice pdf(false);
    UsePdf(pdf, "copies.pdf");
    RecordingPrinter printer(pdf.Caps());
    PrintPlainPaperW2s(printer, Employees(), Employer(), false);
    return printer.Pages();
  }();
  return pages;
}

// The floor: every recorded item drawn directly with QPainter.
void Replay(bool withBoxes) {
  QtPrinterDevice device(false);
  UsePdf(device, "copies.pdf");
  QPrinter& printer = device.Printer();
  const int dpiY = device.Caps().logPixelsY;
  QPainter painter(&printer);
  std::map<std::pair<std::string, int>, std::pair<QFont, double>> fonts;
  bool first = true;
  for (const RecordedPage& page : Drawn()) {
    if (!first) printer.newPage();
    first = false;
    if (withBoxes) {
      for (const RecordedRectangle& r : page.rectangles) {
        painter.setPen(QPen(Qt::black, r.penWidth));
        painter.drawRect(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top));
      }
      for (const RecordedLine& l : page.lines) {
        painter.setPen(QPen(Qt::black, l.penWidth));
        painter.drawLine(l.x1, l.y1, l.x2, l.y2);
      }
    }
    for (const RecordedText& t : page.texts) {
      auto key = std::make_pair(t.font.name, t.font.size * 16 + static_cast<int>(t.font.style));
      auto it = fonts.find(key);
      if (it == fonts.end()) {
        const QFont font = ToQFont(t.font, dpiY);
        it = fonts.emplace(key, std::make_pair(font, QFontMetricsF(font, &printer).ascent())).first;
      }
      painter.setFont(it->second.first);
      painter.drawText(QPointF(t.x, t.y + it->second.second), FromRecordText(t.text));
    }
  }
  painter.end();
}

void BM_Floor_QPainterPdf(benchmark::State& state) {
  Drawn();
  for (auto _ : state) Replay(true);
}
BENCHMARK(BM_Floor_QPainterPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Floor_QPainterPdf_TextsOnly(benchmark::State& state) {
  Drawn();
  for (auto _ : state) Replay(false);
}
BENCHMARK(BM_Floor_QPainterPdf_TextsOnly)->Unit(benchmark::kMillisecond)->Iterations(3);

// A data file of the same employer and employees, made once.
const std::string& DataFile() {
  static const std::string path = [] {
    const std::string file = (Folder() / "employees.qmr").string();
    std::ofstream out(file, std::ios::binary);
    TRecordBuffer record;
    record.Clear();
    record.header.RecType = kRecTypeHeader;
    out.write(reinterpret_cast<const char*>(record.bytes), kRecSize);
    record.Clear();
    record.w3 = Employer();
    record.w3.RecType = kRecTypeW3;
    out.write(reinterpret_cast<const char*>(record.bytes), kRecSize);
    for (const W2Record& w2 : Employees()) {
      record.Clear();
      record.w2 = w2;
      record.w2.RecType = kRecTypeW2;
      out.write(reinterpret_cast<const char*>(record.bytes), kRecSize);
    }
    return file;
  }();
  return path;
}

// The floor of the run as a whole: the pre-printed W-2s of the same
// employees, with the margins of a fresh set-up.
void BM_Floor_PrePrintedW2s_Pdf(benchmark::State& state) {
  auto file = TQuillmarFormFile::Create(DataFile());
  TQuillmarRegistry registry(Folder());
  PrintNow setUp;
  ScriptedPrinterSetupDialog printerSetup;
  printerSetup.otherwise = true;
  ScriptedFontDialog font;
  for (auto _ : state) {
    QtPrinterDevice printer(false);
    UsePdf(printer, "copies.pdf");
    PrintAllW2s(*file, registry, printer, {setUp, printerSetup, font});
  }
}
BENCHMARK(BM_Floor_PrePrintedW2s_Pdf)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) { return RunPdfBenchmarks(argc, argv); }
