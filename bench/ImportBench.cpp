// File, Import Employees of 10,000 spreadsheet rows (read, map, plan, write
// each through the journal) next to its floor, 10,000 new employees saved
// with one SaveCurrent each; and File, Export Employees (CSV) of 10,000
// employees next to writing the same text with std::ofstream.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "data/QuillmarFormFile.h"
#include "data/RecordKind.h"
#include "platform/MessageBoxes.h"
#include "rules/EmployeeImport.h"

namespace {

constexpr int kRows = 10000;

// Nothing here should ask; should anything ask, it gets the first button.
class QuietBoxes final : public IMessageBoxes {
 public:
  MsgButton Show(const MessageBoxRequest& request) override {
    for (MsgButton b : {MsgYes, MsgOk, MsgNo, MsgCancel})
      if (request.buttons & b) return b;
    return MsgOk;
  }
};

class Folder {
 public:
  Folder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "quillmar-import-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
    SetMessageBoxes(&boxes_);
  }
  ~Folder() {
    SetMessageBoxes(nullptr);
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
  QuietBoxes boxes_;
};

Folder& BenchFolder() {
  static Folder folder;
  return folder;
}

// A new data file of tax year 2025 in place of any earlier one of the name.
std::unique_ptr<TQuillmarFormFile> NewFile(const std::string& name) {
  const std::string path = BenchFolder().File(name);
  std::filesystem::remove(path);
  auto file = TQuillmarFormFile::Create(path);
  file->ReadW3();
  file->WorkRec.w3.TaxYear = 2025;
  file->WorkRec.w3.EmployerName = "Benchmark Employer";
  (void)file->SaveCurrent(false);
  return file;
}

// 100-11-1000 to 199-11-1099: distinct, and valid under the rules of 2025.
std::string Ssn(int i) {
  return std::to_string(100 + i / 100) + "-11-" + std::to_string(1000 + i % 100);
}

// A payroll program's export: names, address, the money boxes, one state line.
std::string PayrollCsv() {
  std::string csv =
      "SSN,First Name,Last Name,Address,City,State,Zip,Wages,Federal Income Tax Withheld,"
      "Social Security Wages,Social Security Tax Withheld,Medicare Wages,Medicare Tax Withheld,"
      "State,State Employer ID,State Wages,State Income Tax\r\n";
  for (int i = 0; i < kRows; ++i) {
    csv += Ssn(i) + ",First" + std::to_string(i) + ",Last" + std::to_string((i * 7919) % kRows) +
           ",\"" + std::to_string(i) + " Elm St, Apt 2\",Boston,MA,02134,\"$52,000.00\",6100.00," +
           "52000.00,3224.00,52000.00,754.00,MA,00123,52000.00,2600.00\r\n";
  }
  return csv;
}

void BM_Import10000Rows(benchmark::State& state) {
  const std::string csv = PayrollCsv();
  for (auto _ : state) {
    state.PauseTiming();
    auto file = NewFile("import.qmr");
    state.ResumeTiming();
    const CsvTable table = ReadCsv(csv);
    const ColumnMapping mapping = GuessMapping(table.Rows[0]);
    const ImportPlan plan = PlanImport(table, mapping, *file);
    const ImportResult result = RunImport(*file, table, mapping, plan, {});
    if (result.Added != kRows) state.SkipWithError("not every row was imported");
  }
}

void BM_SaveCurrent10000Floor(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto file = NewFile("floor.qmr");
    state.ResumeTiming();
    for (int i = 0; i < kRows; ++i) {
      file->AddNew(kRecTypeW2);
      file->WorkRec.w2.SocSecNum = Ssn(i);
      file->WorkRec.w2.LastName = "Last" + std::to_string(i);
      (void)file->SaveCurrent(false);
    }
  }
}

// The import and its floor pair by pair, so that both meet the same disk: after
// each imported row (in the progress callback) one new employee is saved into
// a second file, timed on its own. The import's time is the whole less the
// floor's share.
void BM_ImportAndFloorAlternated(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  const std::string csv = PayrollCsv();
  for (auto _ : state) {
    auto file = NewFile("alternated.qmr");
    auto floor = NewFile("alternated-floor.qmr");
    Clock::duration floorTime{};
    int saved = 0;
    const Clock::time_point start = Clock::now();
    const CsvTable table = ReadCsv(csv);
    const ColumnMapping mapping = GuessMapping(table.Rows[0]);
    const ImportPlan plan = PlanImport(table, mapping, *file);
    RunImport(*file, table, mapping, plan, [&](int, int) {
      const Clock::time_point t0 = Clock::now();
      floor->AddNew(kRecTypeW2);
      floor->WorkRec.w2.SocSecNum = Ssn(saved);
      floor->WorkRec.w2.LastName = "Last" + std::to_string(saved++);
      (void)floor->SaveCurrent(false);
      floorTime += Clock::now() - t0;
      return true;
    });
    const auto seconds = [](Clock::duration d) { return std::chrono::duration<double>(d).count(); };
    const double importSeconds = seconds(Clock::now() - start - floorTime);
    state.counters["import_s"] = importSeconds;
    state.counters["floor_s"] = seconds(floorTime);
    state.counters["ratio"] = importSeconds / seconds(floorTime);
  }
}

// The file with 10,000 employees the export benchmarks read, made once.
TQuillmarFormFile& ExportFile() {
  static std::unique_ptr<TQuillmarFormFile> file = [] {
    auto made = NewFile("export.qmr");
    const CsvTable table = ReadCsv(PayrollCsv());
    const ColumnMapping mapping = GuessMapping(table.Rows[0]);
    RunImport(*made, table, mapping, PlanImport(table, mapping, *made), {});
    return made;
  }();
  return *file;
}

void BM_ExportCsv10000(benchmark::State& state) {
  TQuillmarFormFile& file = ExportFile();
  const std::string path = BenchFolder().File("export.csv");
  for (auto _ : state) {
    if (!WriteEmployeesCsv(file, path)) state.SkipWithError("export failed");
  }
}

void BM_OfstreamFloor(benchmark::State& state) {
  const std::string text = EmployeesCsvText(ExportFile());
  const std::string path = BenchFolder().File("floor.csv");
  for (auto _ : state) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
  }
  state.counters["bytes"] = static_cast<double>(text.size());
}

}  // namespace

BENCHMARK(BM_Import10000Rows)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SaveCurrent10000Floor)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ImportAndFloorAlternated)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ExportCsv10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OfstreamFloor)->Unit(benchmark::kMillisecond);
