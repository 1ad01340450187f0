#include "settings/QuillmarRegistry.h"

#include <pwd.h>
#include <unistd.h>

#include <vector>

#include "data/SocSecMedicareRates.h"
#include "platform/CodePage.h"
#include "platform/FilePaths.h"

namespace {

// Closes the registry's open key when it goes, also on an error.
class OpenKeyScope {
 public:
  explicit OpenKeyScope(Registry& registry) : registry_(registry) {}
  ~OpenKeyScope() { registry_.CloseKey(); }
  OpenKeyScope(const OpenKeyScope&) = delete;
  OpenKeyScope& operator=(const OpenKeyScope&) = delete;

 private:
  Registry& registry_;
};

// The system's registered owner: the user's full name from the account
// database, or the login name when it has none.
std::string SystemOwnerName() {
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found) return {};
  std::string fullName = found->pw_gecos ? found->pw_gecos : "";
  fullName = fullName.substr(0, fullName.find(','));
  return Utf8ToCp1252(fullName.empty() ? std::string(found->pw_name) : fullName);
}

RegValue AmountValue(const char* name, Currency amount) {
  unsigned char bytes[8];
  const auto raw = static_cast<std::uint64_t>(amount);
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<unsigned char>((raw >> (8 * i)) & 0xFFu);
  return RegValue::Binary(name, bytes, sizeof bytes);
}

Currency ReadAmount(const Registry& registry, const char* name) {
  unsigned char bytes[8];
  registry.ReadBinaryData(name, bytes, sizeof bytes);
  std::uint64_t raw = 0;
  for (int i = 7; i >= 0; --i) raw = (raw << 8) | bytes[i];
  return static_cast<Currency>(raw);
}

}  // namespace

TQuillmarRegistry::TQuillmarRegistry(std::filesystem::path folder) : Registry(std::move(folder)) {}

std::vector<std::string> TQuillmarRegistry::ReadRecentFiles() {
  std::vector<std::string> files;
  SetRootKey(RegRoot::CurrentUser);
  if (!OpenKey(kRecentKey, false)) return files;
  OpenKeyScope scope(*this);
  for (std::size_t n = 1; n <= kRecentCount; ++n) {
    const std::string name = "File" + std::to_string(n);
    if (!ValueExists(name)) continue;
    if (std::string path = ReadString(name); !path.empty()) files.push_back(std::move(path));
  }
  return files;
}

void TQuillmarRegistry::WriteRecentFiles(const std::vector<std::string>& files) {
  SetRootKey(RegRoot::CurrentUser);
  if (!OpenKey(kRecentKey, true)) return;
  OpenKeyScope scope(*this);
  std::vector<RegValue> values;
  for (std::size_t n = 1; n <= kRecentCount; ++n) {
    values.push_back(
        RegValue::String("File" + std::to_string(n), n <= files.size() ? files[n - 1] : ""));
  }
  WriteValues(values);
}

std::vector<std::string> TQuillmarRegistry::WithRecentFile(std::vector<std::string> files,
                                                           const std::string& path) {
  std::erase(files, path);
  files.insert(files.begin(), path);
  if (files.size() > kRecentCount) files.resize(kRecentCount);
  return files;
}

std::string TQuillmarRegistry::ReadLastDir() {
  SetRootKey(RegRoot::CurrentUser);
  if (!OpenKey(kPayrollKey, false)) return {};
  OpenKeyScope scope(*this);
  return ReadString("LastW2Dir");
}

void TQuillmarRegistry::WriteLastDir(const std::string& folder) {
  SetRootKey(RegRoot::CurrentUser);
  if (!OpenKey(kPayrollKey, true)) return;
  OpenKeyScope scope(*this);
  WriteString("LastW2Dir", folder);
}

InstallValues TQuillmarRegistry::ReadInstallValues(const std::string& shortPath) {
  InstallValues values;
  SetRootKey(RegRoot::LocalMachine);
  if (OpenKey(kProductKey, false)) {
    OpenKeyScope scope(*this);
    values.Name = ReadString("Name");
    values.Company = ReadString("Company");
    values.CurrVers = ReadString("CurrVers");
    values.ExecPath_Name = ReadString("ExecPath_Name");
  } else if (OpenKey(kSystemVersionKey, false)) {
    OpenKeyScope scope(*this);
    values.Name = ReadString("RegisteredOwner");
    values.Company = ReadString("RegisteredOrganization");
    values.ExecPath_Name = shortPath;
  } else {
    // No Windows system key here: the owner comes from the user account.
    values.Name = SystemOwnerName();
    values.ExecPath_Name = shortPath;
  }
  return values;
}

void TQuillmarRegistry::WriteInstallValues(const InstallValues& values) {
  SetRootKey(RegRoot::LocalMachine);
  if (!OpenKey(kProductKey, true)) return;
  OpenKeyScope scope(*this);
  WriteValues({RegValue::String("Name", values.Name), RegValue::String("Company", values.Company),
               RegValue::String("CurrVers", values.CurrVers),
               RegValue::String("ExecPath_Name", values.ExecPath_Name)});
}

void TQuillmarRegistry::WriteAppPath(const std::string& shortPath) {
  SetRootKey(RegRoot::LocalMachine);
  if (!OpenKey(kAppPathKey, true)) return;
  OpenKeyScope scope(*this);
  WriteValues({RegValue::String("", shortPath), RegValue::String("Path", FolderOf(shortPath))});
}

void TQuillmarRegistry::WriteFileAssociation(const std::string& shortPath) {
  struct Entry {
    const char* key;
    std::string value;
  };
  const Entry entries[] = {
      {"\\Quillmar_TQP\\shell\\open\\command", shortPath + " \"%1\""},
      {"\\Quillmar_TQP\\shell\\print\\command", shortPath + " /p \"%1\""},
      {"\\Quillmar_TQP\\DefaultIcon", shortPath},
      {"\\Quillmar_TQP", "Quillmar"},
      {"\\.qmr", "Quillmar_TQP"},
  };
  SetRootKey(RegRoot::ClassesRoot);
  for (const Entry& entry : entries) {
    if (!OpenKey(entry.key, true)) continue;
    OpenKeyScope scope(*this);
    WriteString("", entry.value);
  }
}

std::vector<std::string> TQuillmarRegistry::ReadEfw2Values(const std::vector<std::string>& names) {
  std::vector<std::string> texts(names.size());
  SetRootKey(RegRoot::CurrentUser);
  if (!OpenKey(kEfw2Key, false)) return texts;
  OpenKeyScope scope(*this);
  for (std::size_t i = 0; i < names.size(); ++i) texts[i] = ReadString(names[i]);
  return texts;
}

void TQuillmarRegistry::WriteEfw2Values(
    const std::vector<std::pair<std::string, std::string>>& values) {
  SetRootKey(RegRoot::CurrentUser);
  if (!OpenKey(kEfw2Key, true)) return;
  OpenKeyScope scope(*this);
  std::vector<RegValue> regValues;
  regValues.reserve(values.size());
  for (const auto& [name, text] : values) regValues.push_back(RegValue::String(name, text));
  WriteValues(regValues);
}

std::vector<std::optional<std::string>> TQuillmarRegistry::ReadImportMapping(
    const std::vector<std::string>& names) {
  std::vector<std::optional<std::string>> choices(names.size());
  SetRootKey(RegRoot::CurrentUser);
  if (!OpenKey(kImportKey, false)) return choices;
  OpenKeyScope scope(*this);
  for (std::size_t i = 0; i < names.size(); ++i)
    if (!names[i].empty() && ValueExists(names[i])) choices[i] = ReadString(names[i]);
  return choices;
}

void TQuillmarRegistry::WriteImportMapping(
    const std::vector<std::pair<std::string, std::string>>& choices) {
  SetRootKey(RegRoot::CurrentUser);
  if (!OpenKey(kImportKey, true)) return;
  OpenKeyScope scope(*this);
  std::vector<RegValue> values;
  for (const auto& [name, member] : choices)
    if (!name.empty()) values.push_back(RegValue::String(name, member));
  WriteValues(values);
}

std::string TQuillmarRegistry::RatesKeyOf(std::int32_t taxYear) {
  return std::string(kRatesKey) + "\\" + std::to_string(taxYear);
}

void TQuillmarRegistry::ReadRatesForYear(SocSecMedicareRates& rates) {
  const std::int32_t taxYear = rates.TaxYear;
  rates = SocSecMedicareRates{};
  rates.TaxYear = taxYear;
  SetRootKey(RegRoot::LocalMachine);
  if (!OpenKey(RatesKeyOf(taxYear), false)) return;
  OpenKeyScope scope(*this);
  rates.SocSecMaxWage = ReadAmount(*this, "SocSecMaxWage");
  rates.SocSecRate = ReadAmount(*this, "SocSecRate");
  rates.MedicareMaxWage = ReadAmount(*this, "MedicareMaxWage");
  rates.MedicareRate = ReadAmount(*this, "MedicareRate");
  rates.MedicareHasMaxWage = ReadBool("MedicareHasMaxWage");
}

bool TQuillmarRegistry::WriteRatesForYear(const SocSecMedicareRates& rates) {
  SetRootKey(RegRoot::LocalMachine);
  if (!OpenKey(RatesKeyOf(rates.TaxYear), true)) return false;
  OpenKeyScope scope(*this);
  // One change of the hive: a year is never left half written.
  WriteValues({AmountValue("SocSecMaxWage", rates.SocSecMaxWage),
               AmountValue("SocSecRate", rates.SocSecRate),
               AmountValue("MedicareMaxWage", rates.MedicareMaxWage),
               AmountValue("MedicareRate", rates.MedicareRate),
               RegValue::Dword("MedicareHasMaxWage", rates.MedicareHasMaxWage ? 1u : 0u)});
  return true;
}

const char* TQuillmarRegistry::MarginsKeyOf(FormKind kind) {
  return kind == FormKind::W2 ? kW2MarginsKey : kW3MarginsKey;
}

FormMargins TQuillmarRegistry::ReadFormMargins(FormKind kind) {
  SetRootKey(RegRoot::CurrentUser);
  FormMargins margins;
  if (!OpenKey(MarginsKeyOf(kind), false)) return margins;
  OpenKeyScope scope(*this);
  const auto read = [this](const char* name) { return ValueExists(name) ? ReadInteger(name) : 0; };
  margins.Top = read("Top");
  margins.Bottom = read("Bottom");
  margins.Left = read("Left");
  margins.Right = read("Right");
  return margins;
}

void TQuillmarRegistry::WriteFormMargins(FormKind kind, const FormMargins& margins) {
  SetRootKey(RegRoot::CurrentUser);
  if (!OpenKey(MarginsKeyOf(kind), true)) return;
  OpenKeyScope scope(*this);
  WriteValues({RegValue::Dword("Top", static_cast<std::uint32_t>(margins.Top)),
               RegValue::Dword("Bottom", static_cast<std::uint32_t>(margins.Bottom)),
               RegValue::Dword("Left", static_cast<std::uint32_t>(margins.Left)),
               RegValue::Dword("Right", static_cast<std::uint32_t>(margins.Right))});
}

FormScale TQuillmarRegistry::ReadFormScale(FormKind kind) {
  SetRootKey(RegRoot::CurrentUser);
  FormScale scale;
  if (!OpenKey(MarginsKeyOf(kind), false)) return scale;
  OpenKeyScope scope(*this);
  if (ValueExists("ScaleX")) scale.X = ReadInteger("ScaleX");
  if (ValueExists("ScaleY")) scale.Y = ReadInteger("ScaleY");
  return scale;
}

void TQuillmarRegistry::WriteFormScale(FormKind kind, const FormScale& scale) {
  SetRootKey(RegRoot::CurrentUser);
  if (!OpenKey(MarginsKeyOf(kind), true)) return;
  OpenKeyScope scope(*this);
  WriteValues({RegValue::Dword("ScaleX", static_cast<std::uint32_t>(scale.X)),
               RegValue::Dword("ScaleY", static_cast<std::uint32_t>(scale.Y))});
}

std::optional<PrinterFont> TQuillmarRegistry::ReadPrintFont(const std::string& item) {
  SetRootKey(RegRoot::CurrentUser);
  if (!OpenKey(std::string(kProductKey) + "\\" + item, false)) return std::nullopt;
  OpenKeyScope scope(*this);
  if (!ValueExists("FontName") || !ValueExists("FontSize")) return std::nullopt;
  PrinterFont font;
  font.name = ReadString("FontName");
  if (font.name.empty()) return std::nullopt;
  font.size = ReadInteger("FontSize");
  if (ValueExists("FontStyle")) font.style = static_cast<unsigned>(ReadInteger("FontStyle")) & 15u;
  if (ValueExists("FontColor")) font.color = static_cast<std::uint32_t>(ReadInteger("FontColor"));
  if (ValueExists("FontCharset")) font.charset = ReadInteger("FontCharset");
  return font;
}

void TQuillmarRegistry::WritePrintFont(const std::string& item, const PrinterFont& font) {
  SetRootKey(RegRoot::CurrentUser);
  if (!OpenKey(std::string(kProductKey) + "\\" + item, true)) return;
  OpenKeyScope scope(*this);
  WriteValues({RegValue::String("FontName", font.name),
               RegValue::Dword("FontSize", static_cast<std::uint32_t>(font.size)),
               RegValue::Dword("FontStyle", font.style), RegValue::Dword("FontColor", font.color),
               RegValue::Dword("FontCharset", static_cast<std::uint32_t>(font.charset))});
}

PlainPaperSettings TQuillmarRegistry::ReadPlainPaper() {
  SetRootKey(RegRoot::CurrentUser);
  PlainPaperSettings settings;
  if (!OpenKey(kPlainPaperKey, false)) return settings;
  OpenKeyScope scope(*this);
  if (ValueExists("CopyD")) settings.copyD = ReadBool("CopyD");
  if (ValueExists("OnePdfPerEmployee")) settings.onePdfPerEmployee = ReadBool("OnePdfPerEmployee");
  if (ValueExists("Folder")) settings.folder = ReadString("Folder");
  return settings;
}

void TQuillmarRegistry::WritePlainPaper(const PlainPaperSettings& settings) {
  SetRootKey(RegRoot::CurrentUser);
  if (!OpenKey(kPlainPaperKey, true)) return;
  OpenKeyScope scope(*this);
  WriteValues({RegValue::Dword("CopyD", settings.copyD ? 1u : 0u),
               RegValue::Dword("OnePdfPerEmployee", settings.onePdfPerEmployee ? 1u : 0u),
               RegValue::String("Folder", settings.folder)});
}
