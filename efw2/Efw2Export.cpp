#include "efw2/Efw2Export.h"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "data/BlankW2.h"
#include "data/EntryRules.h"
#include "data/NameOrder.h"
#include "data/QuillmarFormFile.h"
#include "efw2/Efw2Editions.h"
#include "efw2/Efw2Rules.h"
#include "efw2/Efw2States.h"
#include "efw2/Efw2WageFile.h"
#include "platform/AtomicFile.h"
#include "platform/CodePage.h"
#include "platform/MessageBoxes.h"
#include "platform/QuillmarError.h"
#include "rules/SumToW3.h"
#include "settings/QuillmarRegistry.h"

namespace {

constexpr const char* kDefaultFileName = "W2REPORT";

std::string Summary(const Efw2WageFile& wageFile, const std::string& path) {
  using namespace efw2;
  const std::size_t count = wageFile.W2Count();
  std::string text = "The SSA wage file of " + std::to_string(count) +
                     (count == 1 ? " W-2" : " W-2s") + " was written to\r" + Utf8ToCp1252(path) +
                     "\r";
  for (const auto& [label, box] : kSummaryBoxes) {
    text += std::string("\r") + label + ": " +
            FormatAmount(static_cast<Currency>(wageFile.Total(box)) * 100);
  }
  text +=
      "\r\rTest the file with AccuWage Online and upload it through the SSA's Business Services "
      "Online (www.ssa.gov/bso).";
  return text;
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return std::filesystem::equivalent(a, b, error) && !error;
}

}  // namespace

std::vector<W2Record> Efw2Employees(TQuillmarFormFile& file) {
  std::vector<W2Record> employees;
  employees.reserve(static_cast<std::size_t>(file.NameIndex().Count()));
  ForEachInNameOrder(
      file,
      [&](const W2Record& w2) {
        if (IsCountedW2(w2)) employees.push_back(w2);
      },
      [&](const std::string&, std::int64_t) {
        throw QuillmarError("A W-2 record of " + file.Path() + " cannot be read.");
      });
  return employees;
}

IoResult WriteEfw2File(const std::string& path, const std::string& records) {
  return WriteFileAtomically(path, records);
}

namespace {

// The submitter data of the file: remembered, shown, and remembered again.
bool AskForSubmitter(Efw2Input& input, TQuillmarRegistry& registry, IEfw2SubmitterDialog& dialog) {
  input.Submitter = LoadSubmitter(registry, input.W3);
  // A kind of employer chosen on the W-3 is shown; the one remembered for
  // files without it stays remembered.
  const int rememberedKind = input.Submitter.KindOfEmployer;
  const int w3Kind = efw2::KindOfEmployerOf(input.W3);
  const bool kindFromW3 = efw2::KindOfEmployerLetter(w3Kind).has_value();
  if (kindFromW3) input.Submitter.KindOfEmployer = w3Kind;
  if (!dialog.Execute(input.Submitter, kindFromW3)) return false;
  if (kindFromW3) input.Submitter.KindOfEmployer = rememberedKind;
  SaveSubmitter(registry, input.Submitter);
  return true;
}

// Where the file goes: asked in the data file's folder, never the data file itself.
std::optional<std::string> AskForTarget(TQuillmarFormFile& file, IFileDialog& dialog,
                                        const std::string& title, const std::string& name,
                                        const std::string& what) {
  FileDialogRequest request;
  request.title = title;
  request.initialDir = std::filesystem::path(file.Path()).parent_path().string();
  request.initialFile = name;
  request.filters = {{"All Files", "*.*"}};
  request.save = true;
  const std::optional<std::string> chosen = dialog.Execute(request);
  if (!chosen) return std::nullopt;
  if (SameFile(*chosen, file.Path())) {
    ShowMessage(what + " cannot be written over the open data file " + Utf8ToCp1252(*chosen) + ".",
                MsgIcon::Error);
    return std::nullopt;
  }
  return chosen;
}

}  // namespace

std::optional<std::string> ExportForSsa(TQuillmarFormFile& file, TQuillmarRegistry& registry,
                                        const Efw2ExportSeams& seams) {
  // The W-3 totals are the ones the file's totals are compared with.
  SumToW3(file);
  Efw2Input input;
  input.W3 = file.W3Rec.w3;
  input.Employees = Efw2Employees(file);
  // A year whose layout Quillmar does not have is refused or asked about first.
  const Efw2YearDecision year = DecideEfw2Year(input.W3.TaxYear, input.Employees);
  if (year.kind == Efw2YearDecision::Kind::Refuse) {
    ShowMessage(year.text, MsgIcon::Error);
    return std::nullopt;
  }
  if (year.kind == Efw2YearDecision::Kind::Ask &&
      AskUpdate(year.text, MsgIcon::Question, MsgYes | MsgNo) != MsgYes)
    return std::nullopt;
  if (!AskForSubmitter(input, registry, seams.SubmitterDialog)) return std::nullopt;

  input.Rates.TaxYear = input.W3.TaxYear;
  registry.ReadRatesForYear(input.Rates);
  const Efw2WageFile wageFile(input);
  if (!wageFile.Findings().empty())
    seams.ShowReport(Efw2ReportLines(input.W3, wageFile.Findings()));
  if (wageFile.HasErrors()) return std::nullopt;

  const std::optional<std::string> chosen = AskForTarget(
      file, seams.FileDialog, "Export for SSA (EFW2)", kDefaultFileName, "The SSA wage file");
  if (!chosen) return std::nullopt;
  if (const IoResult written = WriteEfw2File(*chosen, wageFile.Records()); !written) {
    ShowMessage("The SSA wage file could not be written to " + Utf8ToCp1252(*chosen) + ".\r" +
                    IoErrorText(written.error),
                MsgIcon::Error);
    return std::nullopt;
  }
  ShowMessage(Summary(wageFile, *chosen), MsgIcon::Information);
  return chosen;
}

bool WriteStateW2File(const std::string& path, const std::string& records) {
  // A new file is made first, empty and private, so that the replacement
  // keeps its mode 0600; it goes again when the write fails.
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd >= 0) ::close(fd);
  if (WriteEfw2File(path, records)) return true;
  if (fd >= 0) ::unlink(path.c_str());
  return false;
}

std::optional<std::string> ExportStateW2(TQuillmarFormFile& file, TQuillmarRegistry& registry,
                                         const Efw2StateExportSeams& seams) {
  SumToW3(file);
  Efw2Input input;
  input.W3 = file.W3Rec.w3;
  input.Employees = Efw2Employees(file);
  const std::vector<std::string> states = Box15States(input.Employees);
  if (states.empty()) {
    ShowMessage("No W-2 of this file names a state in box 15: there is no state W-2 file to write.",
                MsgIcon::Information);
    return std::nullopt;
  }
  Efw2StateChoice choice;
  choice.State = states.front();
  if (!seams.StateDialog.Execute(states, choice)) return std::nullopt;
  if (!AskForSubmitter(input, registry, seams.Export.SubmitterDialog)) return std::nullopt;
  input.Rates.TaxYear = input.W3.TaxYear;
  registry.ReadRatesForYear(input.Rates);

  const Efw2StateFile stateFile(input, choice);
  if (!stateFile.Findings().empty())
    seams.Export.ShowReport(Efw2StateReportLines(input.W3, stateFile));
  if (stateFile.HasErrors()) return std::nullopt;

  const std::string name = efw2::StateName(stateFile.State());
  const std::string what = "The " + name + " W-2 file";
  const std::optional<std::string> chosen =
      AskForTarget(file, seams.Export.FileDialog, "Export State W-2 File",
                   "W2REPORT_" + stateFile.State() + ".TXT", what);
  if (!chosen) return std::nullopt;
  if (!WriteStateW2File(*chosen, stateFile.Records())) {
    ShowMessage(what + " could not be written to " + Utf8ToCp1252(*chosen) + ".", MsgIcon::Error);
    return std::nullopt;
  }
  const std::size_t count = stateFile.W2Count(), rsCount = stateFile.RsCount();
  ShowMessage(what + " of " + std::to_string(count) + (count == 1 ? " W-2" : " W-2s") + " (" +
                  std::to_string(rsCount) + (rsCount == 1 ? " state record" : " state records") +
                  ") was written to\r" + Utf8ToCp1252(*chosen) + "\r\rBox 16 State wages: " +
                  FormatAmount(static_cast<Currency>(stateFile.StateWages()) * 100) +
                  "\rBox 17 State income tax: " +
                  FormatAmount(static_cast<Currency>(stateFile.StateTax()) * 100) + "\r\r" +
                  efw2::StateFilingText(stateFile.State()) + " Do not send this file to the SSA.",
              MsgIcon::Information);
  return chosen;
}
