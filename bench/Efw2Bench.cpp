// The SSA wage file of 10,000 employees: converting and checking the W-2s,
// and writing the file through its temporary file, next to the floor of
// writing as many 512-character records with std::ofstream. The same for an
// Ohio W-2 file of the same employees (their RW, RO and one RS each).

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "data/RecordBuffer.h"
#include "efw2/Efw2Export.h"
#include "efw2/Efw2StateFile.h"
#include "efw2/Efw2WageFile.h"

namespace {

constexpr int kEmployees = 10000;

Currency Dollars(std::int64_t d) { return d * kCurrencyScale; }

void Put(auto& field, const std::string& text) { field = text; }

// A name of letters only for employee i.
std::string Letters(int i) {
  std::string name = "Emp";
  for (int k = 0; k < 4; ++k, i /= 26) name.push_back(static_cast<char>('a' + i % 26));
  return name;
}

Efw2Input MakeInput() {
  TRecordBuffer w3{};
  Put(w3.w3.EmployerEIN, "12-3456789");
  Put(w3.w3.EmployerName, "Acme Tools, Inc.");
  Put(w3.w3.Street, "500 Oak Ave");
  Put(w3.w3.Town, "Springfield");
  Put(w3.w3.State, "IL");
  Put(w3.w3.Zip, "62701");
  w3.w3.TaxYear = 2025;
  w3.w3.KindOfEmployer = 1;
  Efw2Input input;
  input.W3 = w3.w3;
  input.Submitter.UserId = "AB12CD34";
  input.Submitter.Ein = "12-3456789";
  input.Submitter.Name = "Acme Tools, Inc.";
  input.Submitter.Street = "500 Oak Ave";
  input.Submitter.City = "Springfield";
  input.Submitter.State = "IL";
  input.Submitter.Zip = "62701";
  input.Submitter.Contact = "Mary Smith";
  input.Submitter.Phone = "(217)555-1234";
  input.Submitter.EMail = "payroll@acme.example";
  input.Rates = {2025, Dollars(176100), 62000, 0, 14500, false};
  for (int i = 0; i < kEmployees; ++i) {
    TRecordBuffer r{};
    W2Record& w2 = r.w2;
    char ssn[12];
    std::snprintf(ssn, sizeof ssn, "234-%02d-%04d", 1 + i / 9999, 1 + i % 9999);
    Put(w2.SocSecNum, ssn);
    Put(w2.FirstName, Letters(i));
    Put(w2.MiddleInitial, "Q");
    Put(w2.LastName, "M\xFCller-Smith");
    Put(w2.Suite, "Apt 4B");
    Put(w2.StreetPOB, "123 Main St.");
    Put(w2.City, "Springfield");
    Put(w2.AddrState, "IL");
    Put(w2.Zip, "62704-1234");
    const Currency wage = Dollars(30000 + i % 50000);
    w2.Wages = w2.SSWages = w2.MedWage = wage;
    w2.FedTax = wage / 10;
    w2.SSTax = TaxProduct(wage, 62000);
    w2.MedTax = TaxProduct(wage, 14500);
    for (Box12Entry& line : w2.Box12) line.Code = ' ';
    w2.Box12[0] = {'D', 0, {}, Dollars(1000)};
    if (i % 10 == 0) w2.AllocTips = Dollars(250);
    input.Employees.push_back(w2);
  }
  return input;
}

std::string TempFile() {
  return (std::filesystem::temp_directory_path() /
          ("quillmar-efw2-bench-" + std::to_string(::getpid())))
      .string();
}

void BM_Efw2Checks(benchmark::State& state) {
  const Efw2Input input = MakeInput();
  for (auto _ : state) {
    const Efw2WageFile file(input);
    benchmark::DoNotOptimize(file.HasErrors());
  }
}
BENCHMARK(BM_Efw2Checks)->Unit(benchmark::kMillisecond);

void BM_Efw2WriteFile(benchmark::State& state) {
  const Efw2Input input = MakeInput();
  const std::string path = TempFile();
  for (auto _ : state) {
    const Efw2WageFile file(input);
    if (file.HasErrors() || !WriteEfw2File(path, file.Records()))
      state.SkipWithError("not written");
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_Efw2WriteFile)->Unit(benchmark::kMillisecond);

// Writes `records` records of 512 characters and CR LF with std::ofstream, as
// often as the benchmark asks: the floor of a wage file of as many records.
void WriteFloorRecords(benchmark::State& state, int records) {
  const std::string path = TempFile();
  const std::string record = std::string(512, 'X') + "\r\n";
  for (auto _ : state) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (int i = 0; i < records; ++i)
      out.write(record.data(), static_cast<std::streamsize>(record.size()));
    out.close();
  }
  std::filesystem::remove(path);
}

// The floor: as many records (RA, RE, the RW and RO records, RT, RU, RF) of 512
// characters and CR LF, written with std::ofstream.
void BM_Efw2Floor(benchmark::State& state) {
  WriteFloorRecords(state, kEmployees + kEmployees / 10 + 5);
}
BENCHMARK(BM_Efw2Floor)->Unit(benchmark::kMillisecond);

// The employees with an Ohio line in box 15, every tenth with city tax.
Efw2Input MakeOhioInput() {
  Efw2Input input = MakeInput();
  for (std::size_t i = 0; i < input.Employees.size(); ++i) {
    W2Record& w2 = input.Employees[i];
    Put(w2.ST1State, "OH");
    Put(w2.ST1StateID, "51-123456");
    w2.ST1StateWage = w2.Wages;
    w2.ST1StateTax = w2.Wages / 40;
    if (i % 10 == 0) {
      Put(w2.ST1LocName, "DAYTON");
      w2.ST1LocalWage = w2.Wages;
      w2.ST1LocalTax = w2.Wages / 40;
    }
  }
  return input;
}

void BM_StateW2File(benchmark::State& state) {
  const Efw2Input input = MakeOhioInput();
  const std::string path = TempFile();
  for (auto _ : state) {
    const Efw2StateFile file(input, {"OH", ""});
    if (file.HasErrors() || !WriteStateW2File(path, file.Records()))
      state.SkipWithError("not written");
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_StateW2File)->Unit(benchmark::kMillisecond);

// The floor of the Ohio file: RA, RE, the RW, RO and RS records, RT, RU and
// RF, written with std::ofstream.
void BM_StateW2Floor(benchmark::State& state) {
  WriteFloorRecords(state, 2 * kEmployees + kEmployees / 10 + 5);
}
BENCHMARK(BM_StateW2Floor)->Unit(benchmark::kMillisecond);

}  // namespace
