// Renders the main window, the W-3 screen, the W-2 screen, the error
// report window and the mapping step of Import Employees of a small example company to PNG files,
// for the README. Runs headless:
//   QT_QPA_PLATFORM=offscreen quillmar_screenshots docs
// Everything it writes besides the pictures goes to a temporary folder that
// it removes again.

#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/Main.h"
#include "data/Currency.h"
#include "data/QuillmarFormFile.h"
#include "data/SocSecMedicareRates.h"
#include "platform/MessageBoxes.h"
#include "platform/RecordingPrinter.h"
#include "platform/ScriptedPrintDialogs.h"
#include "rules/CsvText.h"
#include "rules/ImportMapping.h"
#include "rules/SumToW3.h"
#include "screens/DlgImportMapping.h"
#include "screens/ErrorReport.h"
#include "screens/W2InputForm.h"
#include "screens/W3InputForm.h"
#include "settings/QuillmarRegistry.h"
#include "settings/RateTableSeeding.h"

namespace {

namespace fs = std::filesystem;

// No one is there to answer: every box takes the answer that changes nothing.
class QuietMessageBoxes final : public IMessageBoxes {
 public:
  MsgButton Show(const MessageBoxRequest& request) override {
    std::cerr << "message: " << request.text << "\n";
    if (request.buttons & MsgNo) return MsgNo;
    if (request.buttons & MsgCancel) return MsgCancel;
    return MsgOk;
  }
};

class NoFileDialog final : public IFileDialog {
 public:
  std::optional<std::string> Execute(const FileDialogRequest&) override { return std::nullopt; }
};

class NoLauncher final : public IScreenLauncher {
 public:
  bool Available(LaunchTarget target) const override {
    return target == LaunchTarget::RatesScreen || target == LaunchTarget::W3Screen ||
           target == LaunchTarget::W2Screen;
  }
  void ShowRates(TQuillmarRegistry&, TQuillmarFormFile*) override {}
  void ShowW3(TQuillmarFormFile&, TQuillmarRegistry&) override {}
  void ShowW2(TQuillmarFormFile&, TQuillmarRegistry&) override {}
  void PrintW3(TQuillmarFormFile&, TQuillmarRegistry&) override {}
  void PrintW2s(TQuillmarFormFile&, TQuillmarRegistry&) override {}
  void PrintMailingLabels(TQuillmarFormFile&, TQuillmarRegistry&) override {}
  void ExportEfw2(TQuillmarFormFile&, TQuillmarRegistry&) override {}
  void ExportStateW2(TQuillmarFormFile&, TQuillmarRegistry&) override {}
  void PrintPlainPaperW2s(TQuillmarFormFile&, TQuillmarRegistry&) override {}
  void PrintPlainPaperW3(TQuillmarFormFile&) override {}
  void RunCorrections(CorrectionsTask, TQuillmarFormFile&, TQuillmarRegistry&) override {}
  void ImportEmployees(TQuillmarFormFile&, TQuillmarRegistry&) override {}
  void ExportEmployees(TQuillmarFormFile&) override {}
  void CheckAllW2s(TQuillmarFormFile&, TQuillmarRegistry&) override {}
};

// The desktop the pictures show: the screens open as large as it allows.
// A second argument "WIDTHxHEIGHT" takes the pictures on a desktop of that size.
int kDesktopWidth = 1280;
int kDesktopHeight = 1024;

class WideDesktop final : public IDesktop {
 public:
  WorkArea GetWorkArea() const override { return {kDesktopWidth, kDesktopHeight}; }
};

void FillExampleCompany(TQuillmarFormFile& file) {
  file.ReadW3();
  W3Record& w3 = file.WorkRec.w3;
  w3.TaxYear = 2001;
  w3.ControlNum = 1;
  w3.EmployerEIN = "12-3456789";
  w3.EmployerName = "Tolvane Hardware Co.";
  w3.Street = "410 Mill Street";
  w3.Town = "Albany";
  w3.State = "New York";
  w3.Zip = "12207-1234";
  w3.StateForID = "NY";
  w3.StateID = "NY-0042-77";
  w3.Contact = "Ruth Calder";
  w3.Phone = "(518)555-0142";
  w3.EMail = "payroll@tolvane.example";
  (void)file.SaveCurrent(false);

  file.GoFirst();
  W2Record& w2 = file.WorkRec.w2;
  w2.SocSecNum = "123-45-6780";
  w2.FirstName = "Mary";
  w2.MiddleInitial = "A";
  w2.LastName = "Fenwick";
  w2.StreetPOB = "17 Orchard Lane";
  w2.City = "Troy";
  w2.AddrState = "New York";
  w2.Zip = "12180-    ";
  w2.Wages = 4215000 * 100;  // 42,150.00
  w2.FedTax = 512300 * 100;
  w2.SSWages = 4215000 * 100;
  w2.SSTax = TaxProduct(w2.SSWages, 62000);
  w2.MedWage = 4215000 * 100;
  w2.MedTax = TaxProduct(w2.MedWage, 14500);
  w2.Box12[0].Code = 'D';
  w2.Box12[0].Amount = 150000 * 100;
  w2.RetirePlan = 1;
  w2.ST1State = "NY";
  w2.ST1StateID = "NY-0042-77";
  w2.ST1StateWage = 4215000 * 100;
  w2.ST1StateTax = 201000 * 100;
  (void)file.SaveCurrent(false);
}

bool Save(QWidget& widget, const fs::path& path) {
  widget.show();
  QApplication::processEvents();
  const bool saved = widget.grab().save(QString::fromStdString(path.string()));
  std::cerr << (saved ? "wrote " : "could not write ") << path << "\n";
  return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  const fs::path out = argc > 1 ? fs::path(argv[1]) : fs::path("docs");
  if (argc > 2 && std::sscanf(argv[2], "%dx%d", &kDesktopWidth, &kDesktopHeight) != 2) return 2;
  fs::create_directories(out);

  std::string pattern = (fs::temp_directory_path() / "quillmar-shots-XXXXXX").string();
  if (!mkdtemp(pattern.data())) return 1;
  const fs::path work = pattern;

  QuietMessageBoxes boxes;
  SetMessageBoxes(&boxes);
  bool ok = true;
  {
    TQuillmarRegistry registry(work / "registry");
    SeedPresetRates(registry);
    auto file = TQuillmarFormFile::Create((work / "tolvane-2001.qmr").string());
    FillExampleCompany(*file);

    NoFileDialog dialog;
    NoLauncher launcher;
    WideDesktop desktop;
    MainFormSettings settings{
        (work / "registry").string(), "/opt/Tolvane/Quillmar/Quillmar", "", {}, {}};
    TMainForm mainWindow(settings, dialog, launcher, desktop);
    ok = Save(mainWindow, out / "main-window.png") && ok;

    SumToW3(*file);  // as the main window does before it opens the W-3 screen
    {
      TFormW3 w3(*file, registry);
      w3.FitToWorkArea(QRect(0, 0, kDesktopWidth, kDesktopHeight));
      ok = Save(w3, out / "w3-screen.png") && ok;
    }
    file->GoFirst();
    {
      TFormW2 w2(*file, registry);
      w2.FitToWorkArea(QRect(0, 0, kDesktopWidth, kDesktopHeight));
      ok = Save(w2, out / "w2-screen.png") && ok;
    }
    file->WorkRec = file->OrigRec;  // nothing of the pictures is kept
    {
      RecordingPrinter printer;
      ScriptedPrinterSetupDialog setup;  // the picture prints nothing
      ScriptedFontDialog fonts;
      TFormErrorReport report(printer, setup, fonts);
      report.SetReportLines({
          "W-2 Error Report for: Ruth A Calder,   SSN = 123-45-6789",
          "",
          "Box 7 Social Security Tips are zero, verify this is O.K.",
          "Either Local Wage or Local Tax may be missing from the 1st State Line",
          "   (or if no local taxes in your area then zero the Local Wage and Local Tax entries)",
          "",
          "Calculated Soc.Sec.Tax at 2613.30 but your entry is 2600.00",
      });
      ok = Save(report, out / "error-report.png") && ok;
    }
    {
      // A hand-made spreadsheet, as the mapping step first shows it.
      const CsvTable table = ReadCsv(
          "Last,First,MI,SSN,Street,City,ST,ZIP,Wages,Fed W/H,SS Wages,SS W/H,Medicare Wages,"
          "Medicare W/H,Dept\n"
          "Fenwick,Mary,A,123456780,17 Orchard Lane,Troy,NY,02180,\"42,150.00\",5123.00,"
          "\"42,150.00\",2613.30,\"42,150.00\",611.18,Sales\n"
          "Calder,Ruth,,123-45-6781,\"9 Dock St, Apt 2\",Albany,NY,12207,$38000,4100,38000,2356,"
          "38000,551,Office\n"
          "Okafor,Ben,T,123-45-6782,3 Hill Rd,Cohoes,NY,12047,12abc,980,31200,1934.40,31200,452.40,"
          "Yard\n");
      TDlgImportMapping mapping(table, GuessMapping(table.Rows[0]), 2001);
      mapping.resize(900, 560);
      ok = Save(mapping, out / "import-mapping.png") && ok;
    }
  }
  SetMessageBoxes(nullptr);
  std::error_code ec;
  fs::remove_all(work, ec);
  return ok ? 0 : 1;
}
