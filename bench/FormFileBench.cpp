// The employer data file with 1,000, 10,000 and 100,000 employees: opening
// (the index build), walking in name order, looking up and saving; and one
// save of a record, journal and all, next to its floor, one 640-byte pwrite
// and fdatasync.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "data/QuillmarFormFile.h"
#include "platform/MessageBoxes.h"

namespace {

// Nothing here should ask; should anything ask, it gets the first button.
class QuietBoxes final : public IMessageBoxes {
 public:
  MsgButton Show(const MessageBoxRequest& request) override {
    for (MsgButton b : {MsgYes, MsgOk, MsgNo, MsgCancel}) {
      if (request.buttons & b) return b;
    }
    return MsgOk;
  }
};

// The benchmark files, made once per size in a folder removed at the end.
class BenchFiles {
 public:
  BenchFiles() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "quillmar-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    folder_ = pattern;
    SetMessageBoxes(&boxes_);
  }
  ~BenchFiles() {
    SetMessageBoxes(nullptr);
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
  }

  const std::string& Path(int employees) {
    auto it = paths_.find(employees);
    if (it == paths_.end()) it = paths_.emplace(employees, Write(employees)).first;
    return it->second;
  }

  // The name key of employee i, as the file holds it.
  static std::string NameKey(int i) {
    return "LAST" + std::to_string(Scramble(i)) + ", FIRST" + std::to_string(i);
  }

 private:
  // Names in an order unrelated to the file order.
  static unsigned Scramble(int i) { return (static_cast<unsigned>(i) * 2654435761u) % 1000003u; }

  std::string Write(int employees) {
    const std::string path =
        (folder_ / ("employees-" + std::to_string(employees) + ".qmr")).string();
    std::ofstream out(path, std::ios::binary);
    TRecordBuffer record;
    record.Clear();
    record.header.RecType = kRecTypeHeader;
    out.write(reinterpret_cast<const char*>(record.bytes), kRecSize);
    record.w3.RecType = kRecTypeW3;
    record.w3.TaxYear = 2002;
    record.w3.EmployerName = "Benchmark Employer";
    out.write(reinterpret_cast<const char*>(record.bytes), kRecSize);
    for (int i = 0; i < employees; ++i) {
      record.Clear();
      record.w2.RecType = kRecTypeW2;
      char ssn[16];
      std::snprintf(ssn, sizeof ssn, "%03d-%02d-%04d", 100 + i / 1000000, (i / 10000) % 100,
                    i % 10000);
      record.w2.SocSecNum = ssn;
      record.w2.LastName = "Last" + std::to_string(Scramble(i));
      record.w2.FirstName = "First" + std::to_string(i);
      record.w2.City = "Erie";
      record.w2.Wages = 4000000 + i;
      for (Box12Entry& line : record.w2.Box12) line.Code = ' ';
      out.write(reinterpret_cast<const char*>(record.bytes), kRecSize);
    }
    return path;
  }

  std::filesystem::path folder_;
  QuietBoxes boxes_;
  std::map<int, std::string> paths_;
};

BenchFiles& Files() {
  static BenchFiles files;
  return files;
}

void BM_Open(benchmark::State& state) {
  const std::string& path = Files().Path(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    auto file = TQuillmarFormFile::Create(path);
    benchmark::DoNotOptimize(file->NameIndex().Count());
  }
}

void BM_GoNextByName(benchmark::State& state) {
  auto file = TQuillmarFormFile::Create(Files().Path(static_cast<int>(state.range(0))));
  file->IndexMode = 1;
  for (auto _ : state) {
    int moves = 0;
    for (bool more = file->GoFirst(); more; more = file->GoNext()) ++moves;
    benchmark::DoNotOptimize(moves);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_LocateKey(benchmark::State& state) {
  const int employees = static_cast<int>(state.range(0));
  auto file = TQuillmarFormFile::Create(Files().Path(employees));
  std::vector<std::string> keys;
  for (int i = 0; i < 1000; ++i) keys.push_back(BenchFiles::NameKey((i * 7919) % employees));
  std::size_t next = 0;
  for (auto _ : state) {
    if (!file->LocateKey(keys[next])) state.SkipWithError("employee not found");
    next = (next + 1) % keys.size();
  }
}

void BM_SaveRenamed(benchmark::State& state) {
  auto file = TQuillmarFormFile::Create(Files().Path(static_cast<int>(state.range(0))));
  file->IndexMode = 1;
  file->GoFirst();
  bool flip = false;
  for (auto _ : state) {
    // A new last name moves the employee's entry across the name index.
    file->WorkRec.w2.LastName = flip ? "Aaronson" : "Zwicky";
    flip = !flip;
    if (!file->SaveCurrent(false)) state.SkipWithError("save refused");
  }
}

// One employee's record rewritten in place, as the W-2 screen saves it.
void BM_SaveCurrent(benchmark::State& state) {
  auto file = TQuillmarFormFile::Create(Files().Path(1000));
  file->GoFirst();
  for (auto _ : state) {
    ++file->WorkRec.w2.Wages;
    if (!file->SaveCurrent(false)) state.SkipWithError("save refused");
  }
}

// The floor: the same 640 bytes written at the same place and synced, nothing else.
void BM_PwriteFdatasyncFloor(benchmark::State& state) {
  const int fd = ::open(Files().Path(1000).c_str(), O_RDWR | O_CLOEXEC);
  unsigned char record[kRecSize];
  if (fd < 0 || ::pread(fd, record, kRecSize, kFirstW2Offset) != kRecSize)
    state.SkipWithError("cannot read");
  for (auto _ : state) {
    ++record[208];
    if (::pwrite(fd, record, kRecSize, kFirstW2Offset) != kRecSize || ::fdatasync(fd) != 0) {
      state.SkipWithError("cannot write");
    }
  }
  ::close(fd);
}

BENCHMARK(BM_SaveCurrent)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PwriteFdatasyncFloor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Open)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GoNextByName)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LocateKey)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveRenamed)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
