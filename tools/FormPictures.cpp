// Prints the README's form pictures of an example restaurant into PDF files:
// a 2025 W-2 sheet as the pre-printed run prints it, and a 2026 W-2 drawn on
// plain paper with box 14b. `pdftoppm` turns them into pictures.
//
//   quillmar_form_pictures <folder>

#include <QApplication>
#include <QPageSize>
#include <filesystem>
#include <string>

#include "data/QuillmarFormFile.h"
#include "platform/ScriptedPrintDialogs.h"
#include "platform/qt/QtPrinterDevice.h"
#include "print/FormSetUp.h"
#include "print/PlainPaperW2.h"
#include "print/W2Print.h"
#include "settings/QuillmarRegistry.h"

namespace fs = std::filesystem;

namespace {

struct PrintNow final : IFormSetUpDialog {
  bool Execute(FormSetUpValues& values) override {
    values.lineUpRequired = false;
    return true;
  }
};

void Pdf(QtPrinterDevice& printer, const fs::path& path) {
  printer.Printer().setPageSize(QPageSize(QPageSize::Letter));
  printer.SetPdfOutput(QString::fromStdString(path.string()), 300, QMarginsF(18, 18, 18, 18));
}

W3Record Restaurant(int year) {
  W3Record w3{};
  w3.TaxYear = year;
  w3.EmployerEIN = "36-4820517";
  w3.EmployerName = "HARBOR LIGHT BISTRO LLC";
  w3.Street = "210 LAKE SHORE DR";
  w3.Town = "CHICAGO";
  w3.State = "IL";
  w3.Zip = "60611";
  return w3;
}

W2Record Server(int year, const char* ssn, const char* first, const char* last) {
  W2Record w2{};
  for (Box12Entry& line : w2.Box12) line.Code = ' ';
  w2.SocSecNum = std::string(ssn);
  w2.FirstName = std::string(first), w2.MiddleInitial = "L", w2.LastName = std::string(last);
  w2.StreetPOB = "1457 N WELLS ST", w2.City = "CHICAGO", w2.AddrState = "IL", w2.Zip = "60610";
  w2.ControlNum = 12;
  w2.Wages = w2.SSWages = w2.MedWage = w2.ST1StateWage = 386402500;
  w2.FedTax = 29870000, w2.SSTax = 23956960, w2.MedTax = 5602840;
  w2.SSTips = 62400000;
  w2.Box12[0] = {'D', 'D', {}, 61200000};
  if (year >= 2026) {
    w2.Box12[1] = {'T', 'P', {}, 62400000};
    w2.TipCodes[0] = "102", w2.TipCodes[1] = "101";
  }
  w2.RetirePlan = 1;
  w2.Box14aLabel = "UNION", w2.Box14aAmount = 4800000;
  w2.ST1State = "IL", w2.ST1StateID = "4820-5170", w2.ST1StateTax = 19126900;
  return w2;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const fs::path out = argc > 1 ? fs::path(argv[1]) : fs::path("docs");
  fs::create_directories(out);
  const fs::path work = fs::temp_directory_path() / "quillmar-form-pictures";
  fs::remove_all(work);
  fs::create_directories(work);

  // A 2025 file of two servers, on pre-printed forms.
  {
    auto file = TQuillmarFormFile::Create((work / "bistro.qmr").string());
    file->W3Rec.w3 = Restaurant(2025);
    file->W3Rec.w3.RecType = kRecTypeW3;
    for (const auto& [ssn, first, last] :
         {std::tuple{"412-55-1203", "MARIA", "GARCIA"}, {"412-55-7781", "DANIEL", "OKAFOR"}}) {
      if (!file->AddNew(kRecTypeW2)) return 1;
      const std::uint16_t type = file->WorkRec.w2.RecType;
      file->WorkRec.w2 = Server(2025, ssn, first, last);
      file->WorkRec.w2.RecType = type;
      if (!file->SaveCurrent(false)) return 1;
    }
    TQuillmarRegistry registry(work / "config");
    registry.WriteFormMargins(FormKind::W2, {64, 25, 43, 25});
    QtPrinterDevice printer(false);
    Pdf(printer, out / "w2-2025-preprinted.pdf");
    PrintNow setUp;
    ScriptedPrinterSetupDialog printerSetup;
    printerSetup.otherwise = true;
    ScriptedFontDialog font;
    font.Answer(true);
    PrintAllW2s(*file, registry, printer, {setUp, printerSetup, font});
  }
  // A 2026 server on plain paper.
  {
    QtPrinterDevice printer(false);
    Pdf(printer, out / "w2-2026-plain-paper.pdf");
    PrintPlainPaperW2s(printer, {Server(2026, "412-55-1203", "MARIA", "GARCIA")}, Restaurant(2026),
                       false, true);
  }
  fs::remove_all(work);
  return 0;
}
