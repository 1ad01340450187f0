#pragma once
// The program's settings in the registry: the folder of the last data file,
// the installation values, the App Paths entry and the .qmr file
// association, and the Social Security / Medicare rate table. Each operation
// chooses its root key, opens its key, reads or writes and closes it again.
// Keys that cannot be opened for writing are skipped silently.
//
// The program path ("short path") of an installation is the canonical path of
// the running program file.

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/PrinterDevice.h"
#include "platform/Registry.h"
#include "settings/FormMargins.h"
#include "settings/InstallValues.h"

struct SocSecMedicareRates;

// The last choice of the plain-paper employee copies.
struct PlainPaperSettings {
  bool copyD = false;
  bool onePdfPerEmployee = false;
  std::string folder;  // UTF-8
};

class TQuillmarRegistry : public Registry {
 public:
  static constexpr const char* kProductKey = "\\Software\\Tolvane\\Quillmar\\1.0";
  static constexpr const char* kPayrollKey = "\\Software\\Tolvane\\Quillmar\\1.0\\Payroll";
  static constexpr const char* kW2MarginsKey = "\\Software\\Tolvane\\Quillmar\\1.0\\W2Margins";
  static constexpr const char* kW3MarginsKey = "\\Software\\Tolvane\\Quillmar\\1.0\\W3Margins";
  static constexpr const char* kPlainPaperKey = "\\Software\\Tolvane\\Quillmar\\1.0\\PlainPaper";
  static constexpr const char* kEfw2Key = "\\Software\\Tolvane\\Quillmar\\1.0\\EFW2";
  static constexpr const char* kImportKey = "\\Software\\Tolvane\\Quillmar\\1.0\\Import";
  static constexpr const char* kRatesKey = "\\Software\\Tolvane\\Quillmar\\SocSecMedicare";
  static constexpr const char* kSystemVersionKey = "\\Software\\Microsoft\\Windows\\CurrentVersion";
  static constexpr const char* kAppPathKey =
      "\\Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Quillmar.exe";
  static constexpr const char* kProgramVersion = "1.0";

  // The hives live in `folder` (the program passes $XDG_CONFIG_HOME/Tolvane).
  explicit TQuillmarRegistry(std::filesystem::path folder);

  // The recent files of the File menu, the latest first ("File1" to "File4"
  // of the current user's Recent Files key); missing ones are left out.
  static constexpr const char* kRecentKey = "\\Software\\Tolvane\\Quillmar\\1.0\\Recent Files";
  static constexpr std::size_t kRecentCount = 4;
  std::vector<std::string> ReadRecentFiles();
  // Writes the list (at most kRecentCount) in one change of the hive.
  void WriteRecentFiles(const std::vector<std::string>& files);
  // The list with `path` put first: once only, at most kRecentCount long.
  static std::vector<std::string> WithRecentFile(std::vector<std::string> files,
                                                 const std::string& path);

  // "LastW2Dir" of the current user; empty when the key or value is missing.
  std::string ReadLastDir();
  void WriteLastDir(const std::string& folder);

  // The installation values; when the product key is missing, the system's
  // registered owner and organisation with `shortPath` as the program path
  // and an empty version.
  InstallValues ReadInstallValues(const std::string& shortPath);
  void WriteInstallValues(const InstallValues& values);
  // App Paths: the program path as the default value, its folder as "Path".
  void WriteAppPath(const std::string& shortPath);
  // The .qmr association: open runs the program with the file, print with /p.
  void WriteFileAssociation(const std::string& shortPath);

  // The texts `names` of the current user's EFW2 key (the submitter data of
  // the last SSA wage file), in that order; empty for a value not there. A
  // value of another type raises the registry's read error.
  std::vector<std::string> ReadEfw2Values(const std::vector<std::string>& names);
  // Writes the named texts into that key in one change of the hive, creating
  // the key; nothing when it cannot be created.
  void WriteEfw2Values(const std::vector<std::pair<std::string, std::string>>& values);

  // The W-2 field last chosen for each of the spreadsheet headers `names`
  // (the current user's Import key, one value per header): a field's member
  // name, "" for a column left out; nothing for a header not seen before.
  std::vector<std::optional<std::string>> ReadImportMapping(const std::vector<std::string>& names);
  // Remembers the choices in one change of the hive, creating the key;
  // nothing when it cannot be created.
  void WriteImportMapping(const std::vector<std::pair<std::string, std::string>>& choices);

  // Fills the record of rates.TaxYear from the table; all zero (no rates on
  // file) when the year has no entry. A missing or mistyped value raises the
  // registry's read error.
  void ReadRatesForYear(SocSecMedicareRates& rates);
  // Writes the five values of the year, creating its key. False (nothing
  // written) when the key cannot be created or opened.
  bool WriteRatesForYear(const SocSecMedicareRates& rates);
  // The margins of a form kind (W2Margins or W3Margins of the current user).
  // A missing key or value reads as 0, so a set never stored is not Stored().
  FormMargins ReadFormMargins(FormKind kind);
  // Writes the four values in one change of the hive, creating the key;
  // nothing when it cannot be created.
  void WriteFormMargins(FormKind kind, const FormMargins& margins);
  static const char* MarginsKeyOf(FormKind kind);
  // The scale correction of a form kind ("ScaleX" and "ScaleY" beside its
  // margins); a missing value reads as 0.
  FormScale ReadFormScale(FormKind kind);
  void WriteFormScale(FormKind kind, const FormScale& scale);

  // The plain-paper run's last choice; all off and no folder when never stored.
  PlainPaperSettings ReadPlainPaper();
  void WritePlainPaper(const PlainPaperSettings& settings);

  // The last font of a print item (the mailing labels, the error report),
  // kept in its key under the product key; none when it was never stored or
  // has no name.
  std::optional<PrinterFont> ReadPrintFont(const std::string& item);
  void WritePrintFont(const std::string& item, const PrinterFont& font);
  // The key of one year's rates.
  static std::string RatesKeyOf(std::int32_t taxYear);
};
