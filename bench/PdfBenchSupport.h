#pragma once
// What the benchmarks that print into a PDF file share: a temporary folder of
// their own, a letter-size QPrinter writing a PDF there at 600 dpi, message
// boxes that nobody answers, a set-up dialog that goes straight to the real
// job, and main(), which runs the benchmarks inside a QApplication.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QPageSize>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/MessageBoxes.h"
#include "platform/qt/QtPrinterDevice.h"
#include "print/FormSetUp.h"

inline constexpr int kDpi = 600;

// The benchmark run's own folder, made at the first call, removed by main().
inline const std::filesystem::path& Folder() {
  static const std::filesystem::path folder = [] {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "quillmar-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    return std::filesystem::path(pattern);
  }();
  return folder;
}

// Points `printer` at the PDF file `fileName` in the folder, on letter paper.
inline void UsePdf(QtPrinterDevice& printer, const std::string& fileName) {
  printer.Printer().setPageSize(QPageSize(QPageSize::Letter));
  printer.SetPdfOutput(QString::fromStdString((Folder() / fileName).string()), kDpi,
                       QMarginsF(18, 18, 18, 18));
}

// No one is there to answer.
class QuietBoxes final : public IMessageBoxes {
 public:
  MsgButton Show(const MessageBoxRequest&) override { return MsgOk; }
};

// OK with the line-up sample cleared: straight to the real job.
struct PrintNow final : IFormSetUpDialog {
  bool Execute(FormSetUpValues& values) override {
    values.lineUpRequired = false;
    return true;
  }
};

// main() of a PDF benchmark.
inline int RunPdfBenchmarks(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  QuietBoxes boxes;
  SetMessageBoxes(&boxes);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  SetMessageBoxes(nullptr);
  std::filesystem::remove_all(Folder());
  return 0;
}
