#include "efw2/Efw2cExport.h"

#include <filesystem>
#include <system_error>

#include "data/QuillmarFormFile.h"
#include "efw2/Efw2Rules.h"
#include "efw2/Efw2cFile.h"
#include "platform/AtomicFile.h"
#include "platform/CodePage.h"
#include "platform/MessageBoxes.h"
#include "settings/QuillmarRegistry.h"

namespace {

constexpr const char* kDefaultFileName = "W2CREPORT";

std::string Summary(const Efw2cFile& corrections, const std::string& path) {
  using namespace efw2;
  const std::size_t count = corrections.W2cCount();
  std::string text = "The SSA correction file of " + std::to_string(count) +
                     (count == 1 ? " W-2c" : " W-2cs") + " was written to\r" + Utf8ToCp1252(path) +
                     "\r\rPreviously reported / correct:";
  for (const auto& [label, box] : kSummaryBoxes) {
    const auto total = corrections.Total(box);
    text += std::string("\r") + label + ": " + FormatAmount(static_cast<Currency>(total[0]) * 100) +
            " / " + FormatAmount(static_cast<Currency>(total[1]) * 100);
  }
  text +=
      "\r\rUpload it through the SSA's Business Services Online (www.ssa.gov/bso), then choose "
      "File, Mark Corrections as Filed.";
  return text;
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return std::filesystem::equivalent(a, b, error) && !error;
}

}  // namespace

std::optional<std::string> ExportCorrectionsForSsa(
    TQuillmarFormFile& file, TQuillmarRegistry& registry, const Efw2ExportSeams& seams,
    const std::vector<EmployeeCorrection>& corrections, bool safeHarborToo) {
  Efw2cInput input;
  input.W3 = file.W3Rec.w3;
  input.Submitter = LoadSubmitter(registry, input.W3);
  const int rememberedKind = input.Submitter.KindOfEmployer;
  const int w3Kind = efw2::KindOfEmployerOf(input.W3);
  const bool kindFromW3 = efw2::KindOfEmployerLetter(w3Kind).has_value();
  if (kindFromW3) input.Submitter.KindOfEmployer = w3Kind;
  if (!seams.SubmitterDialog.Execute(input.Submitter, kindFromW3)) return std::nullopt;
  if (kindFromW3) input.Submitter.KindOfEmployer = rememberedKind;
  SaveSubmitter(registry, input.Submitter);
  if (kindFromW3) input.Submitter.KindOfEmployer = w3Kind;

  input.Rates.TaxYear = input.W3.TaxYear;
  registry.ReadRatesForYear(input.Rates);
  for (const EmployeeCorrection& e : corrections) {
    if (GoesToSsa(e, safeHarborToo)) input.Employees.push_back(e);
  }
  const Efw2cFile correctionFile(input);
  if (!correctionFile.Findings().empty())
    seams.ShowReport(Efw2cReportLines(input.W3, correctionFile.Findings()));
  if (correctionFile.HasErrors()) return std::nullopt;

  FileDialogRequest request;
  request.title = "Export Corrections for SSA (EFW2C)";
  request.initialDir = std::filesystem::path(file.Path()).parent_path().string();
  request.initialFile = kDefaultFileName;
  request.filters = {{"All Files", "*.*"}};
  request.save = true;
  const std::optional<std::string> chosen = seams.FileDialog.Execute(request);
  if (!chosen) return std::nullopt;
  if (SameFile(*chosen, file.Path())) {
    ShowMessage("The SSA correction file cannot be written over the open data file " +
                    Utf8ToCp1252(*chosen) + ".",
                MsgIcon::Error);
    return std::nullopt;
  }
  if (!WritePrivateFileAtomically(*chosen, correctionFile.Records())) {
    ShowMessage("The SSA correction file could not be written to " + Utf8ToCp1252(*chosen) + ".",
                MsgIcon::Error);
    return std::nullopt;
  }
  ShowMessage(Summary(correctionFile, *chosen), MsgIcon::Information);
  return chosen;
}
