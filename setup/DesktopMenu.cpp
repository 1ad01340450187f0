#include "setup/DesktopMenu.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QXmlStreamReader>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

constexpr const char* kOwnPrefix = "progman-";

std::string Upper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

bool SameText(const std::string& a, const std::string& b) { return Upper(a) == Upper(b); }

// A name made of lower-case letters, digits and dashes, for file names.
std::string Slug(const std::string& name) {
  std::string slug;
  for (char c : name) {
    const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    if ((lower >= 'a' && lower <= 'z') || (lower >= '0' && lower <= '9')) {
      slug += lower;
    } else if (!slug.empty() && slug.back() != '-') {
      slug += '-';
    }
  }
  while (!slug.empty() && slug.back() == '-') slug.pop_back();
  return slug.empty() ? "item" : slug;
}

fs::path FreeName(const fs::path& folder, const std::string& base, const std::string& extension) {
  fs::path candidate = folder / (base + extension);
  std::error_code ec;
  for (int n = 2; fs::exists(fs::symlink_status(candidate, ec)); ++n) {
    candidate = folder / (base + "-" + std::to_string(n) + extension);
  }
  return candidate;
}

// Writes the file whole under a temporary name made here exclusively (never
// through a link or a file someone put beside it) and renames it into place.
bool WriteTextFile(const fs::path& file, const std::string& text) {
  std::error_code ec;
  fs::create_directories(file.parent_path(), ec);
  std::string hidden(1, '.');
  hidden += file.filename().string();
  hidden += ".XXXXXX";
  const std::string pattern = (file.parent_path() / hidden).string();
  std::vector<char> temp(pattern.begin(), pattern.end());
  temp.push_back('\0');
  const int fd = mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return false;
  // Menu files are for the desktop to read, like every file of the menu.
  bool written = fchmod(fd, 0644) == 0;
  for (std::size_t done = 0; written && done < text.size();) {
    const ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    written = n > 0;
    if (written) done += static_cast<std::size_t>(n);
  }
  written = close(fd) == 0 && written;
  if (written && rename(temp.data(), file.c_str()) == 0) return true;
  unlink(temp.data());
  return false;
}

std::string XmlEscape(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// A value of a desktop entry: escapes for backslash and line breaks.
std::string EntryValue(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string UnescapeEntryValue(const std::string& value) {
  std::string out;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\' || i + 1 == value.size()) {
      out += value[i];
      continue;
    }
    switch (value[++i]) {
      case 's':
        out += ' ';
        break;
      case 'n':
        out += '\n';
        break;
      case 't':
        out += '\t';
        break;
      case 'r':
        out += '\r';
        break;
      default:
        out += value[i];
    }
  }
  return out;
}

// The keys of the [Desktop Entry] group of a desktop file.
std::optional<MenuItem> ReadDesktopEntry(const fs::path& file) {
  std::ifstream in(file);
  if (!in) return std::nullopt;
  MenuItem item;
  item.desktopFile = file;
  bool inEntry = false;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.starts_with('[')) {
      inEntry = line == "[Desktop Entry]";
      continue;
    }
    const std::size_t equals = line.find('=');
    if (!inEntry || equals == std::string::npos) continue;
    std::string key = line.substr(0, equals);
    while (!key.empty() && key.back() == ' ') key.pop_back();
    std::size_t valueStart = equals + 1;
    while (valueStart < line.size() && line[valueStart] == ' ') ++valueStart;
    const std::string value = line.substr(valueStart);
    if (key == "Name") item.name = UnescapeEntryValue(value);
    if (key == "Exec") item.commandLine = CommandLineOfExec(UnescapeEntryValue(value));
    if (key == "Path") item.folder = UnescapeEntryValue(value);
  }
  return item;
}

fs::path HomeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
  return {};
}

fs::path XdgFolder(const char* variable, const char* fallback) {
  if (const char* value = std::getenv(variable); value && *value == '/') return value;
  const fs::path home = HomeFolder();
  return home.empty() ? fs::path() : home / fallback;
}

}  // namespace

std::string ExecForCommandLine(const std::string& commandLine) {
  std::vector<std::string> arguments;
  std::error_code ec;
  if (fs::is_regular_file(commandLine, ec)) {
    arguments.push_back(commandLine);
  } else {
    std::istringstream words(commandLine);
    for (std::string word; words >> word;) arguments.push_back(word);
  }
  std::string exec;
  for (const std::string& argument : arguments) {
    if (!exec.empty()) exec += ' ';
    exec += '"';
    for (char c : argument) {
      if (c == '"' || c == '`' || c == '$' || c == '\\') exec += '\\';
      if (c == '%') exec += '%';
      exec += c;
    }
    exec += '"';
  }
  return exec;
}

std::string CommandLineOfExec(const std::string& exec) {
  std::vector<std::string> arguments;
  std::string current;
  bool inArgument = false;
  bool quoted = false;
  for (std::size_t i = 0; i < exec.size(); ++i) {
    const char c = exec[i];
    if (quoted) {
      if (c == '\\' && i + 1 < exec.size()) {
        current += exec[++i];
      } else if (c == '"') {
        quoted = false;
      } else {
        current += c;
      }
    } else if (c == ' ' || c == '\t') {
      if (inArgument) arguments.push_back(current);
      current.clear();
      inArgument = false;
    } else {
      inArgument = true;
      if (c == '"') {
        quoted = true;
      } else {
        current += c;
      }
    }
  }
  if (inArgument) arguments.push_back(current);
  std::string line;
  for (std::string argument : arguments) {
    // %f, %U, ... stand for what the desktop passes in; %% is a percent sign.
    if (argument.size() == 2 && argument[0] == '%' && argument[1] != '%') continue;
    for (std::size_t at = argument.find("%%"); at != std::string::npos;
         at = argument.find("%%", at + 1)) {
      argument.erase(at, 1);
    }
    if (!line.empty()) line += ' ';
    line += argument;
  }
  return line;
}

DesktopMenu::DesktopMenu(fs::path configHome, fs::path dataHome)
    : mergedFolder_(configHome.empty() ? fs::path() : configHome / "menus" / "applications-merged"),
      applicationsFolder_(dataHome.empty() ? fs::path() : dataHome / "applications"),
      directoriesFolder_(dataHome.empty() ? fs::path() : dataHome / "desktop-directories") {}

DesktopMenu DesktopMenu::ForUser() {
  return DesktopMenu(XdgFolder("XDG_CONFIG_HOME", ".config"),
                     XdgFolder("XDG_DATA_HOME", ".local/share"));
}

bool DesktopMenu::Usable() const {
  for (const fs::path& folder : {mergedFolder_, applicationsFolder_, directoriesFolder_}) {
    std::error_code ec;
    if (folder.empty()) return false;
    fs::create_directories(folder, ec);
    if (!fs::is_directory(folder, ec) || access(folder.c_str(), W_OK | X_OK) != 0) return false;
  }
  return true;
}

std::vector<DesktopMenu::GroupDefinition> DesktopMenu::ReadDefinitions() const {
  std::vector<fs::path> files;
  std::error_code ec;
  for (fs::directory_iterator it(mergedFolder_, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->path().extension() == ".menu") files.push_back(it->path());
  }
  std::sort(files.begin(), files.end());

  std::vector<GroupDefinition> definitions;
  for (const fs::path& path : files) {
    QFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::ReadOnly)) continue;
    QXmlStreamReader xml(&file);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("Menu")) continue;
    while (xml.readNextStartElement()) {
      if (xml.name() != QLatin1String("Menu")) {
        xml.skipCurrentElement();
        continue;
      }
      GroupDefinition group{{}, path, {}, {}};
      while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("Name")) {
          group.name = xml.readElementText().trimmed().toStdString();
        } else if (xml.name() == QLatin1String("Directory")) {
          group.directory = xml.readElementText().trimmed().toStdString();
        } else if (xml.name() == QLatin1String("Include")) {
          while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("Filename")) {
              group.filenames.push_back(xml.readElementText().trimmed().toStdString());
            } else {
              xml.skipCurrentElement();
            }
          }
        } else {
          xml.skipCurrentElement();
        }
      }
      if (!group.name.empty() && !xml.hasError()) definitions.push_back(std::move(group));
    }
  }
  return definitions;
}

std::vector<std::string> DesktopMenu::Groups() const {
  std::vector<std::string> names;
  for (const GroupDefinition& group : ReadDefinitions()) {
    if (std::none_of(names.begin(), names.end(),
                     [&](const std::string& n) { return SameText(n, group.name); })) {
      names.push_back(group.name);
    }
  }
  return names;
}

std::optional<std::string> DesktopMenu::FindGroup(const std::string& name) const {
  for (const std::string& group : Groups()) {
    if (SameText(group, name)) return group;
  }
  return std::nullopt;
}

fs::path DesktopMenu::GroupFile(const std::string& group) const {
  for (const GroupDefinition& definition : ReadDefinitions()) {
    if (SameText(definition.name, group)) return definition.menuFile;
  }
  return {};
}

std::vector<MenuItem> DesktopMenu::Items(const std::string& group) const {
  std::vector<MenuItem> items;
  for (const GroupDefinition& definition : ReadDefinitions()) {
    if (!SameText(definition.name, group)) continue;
    for (const std::string& filename : definition.filenames) {
      if (std::optional<MenuItem> item = ReadDesktopEntry(applicationsFolder_ / filename)) {
        items.push_back(std::move(*item));
      }
    }
  }
  return items;
}

std::optional<DesktopMenu::GroupDefinition> DesktopMenu::OwnDefinition(
    const std::string& group) const {
  for (GroupDefinition& definition : ReadDefinitions()) {
    if (SameText(definition.name, group) &&
        definition.menuFile.filename().string().starts_with(kOwnPrefix)) {
      return std::move(definition);
    }
  }
  return std::nullopt;
}

bool DesktopMenu::WriteDefinition(const GroupDefinition& definition) const {
  std::string text =
      "<Menu>\n"
      "  <Name>Applications</Name>\n"
      "  <Menu>\n"
      "    <Name>" +
      XmlEscape(definition.name) + "</Name>\n";
  if (!definition.directory.empty()) {
    text += "    <Directory>" + XmlEscape(definition.directory) + "</Directory>\n";
  }
  text += "    <Include>\n";
  for (const std::string& filename : definition.filenames) {
    text += "      <Filename>" + XmlEscape(filename) + "</Filename>\n";
  }
  text += "    </Include>\n  </Menu>\n</Menu>\n";
  return WriteTextFile(definition.menuFile, text);
}

bool DesktopMenu::CreateGroup(const std::string& name) {
  if (FindGroup(name)) return true;
  const std::string base = kOwnPrefix + Slug(name);
  const fs::path directoryFile = FreeName(directoriesFolder_, base, ".directory");
  const std::string entry =
      "[Desktop Entry]\nType=Directory\nName=" + EntryValue(name) + "\nIcon=folder\n";
  if (!WriteTextFile(directoryFile, entry)) return false;
  return WriteDefinition(
      {name, FreeName(mergedFolder_, base, ".menu"), directoryFile.filename().string(), {}});
}

bool DesktopMenu::AddItem(const std::string& group, const std::string& name,
                          const std::string& commandLine, const std::string& folder) {
  const std::optional<std::string> stored = FindGroup(group);
  if (!stored) return false;
  // A group another program made gets a menu file of ours that merges into it.
  GroupDefinition definition = OwnDefinition(*stored).value_or(GroupDefinition{
      *stored, FreeName(mergedFolder_, kOwnPrefix + Slug(*stored), ".menu"), {}, {}});
  const fs::path desktopFile =
      FreeName(applicationsFolder_, kOwnPrefix + Slug(*stored) + "-" + Slug(name), ".desktop");
  std::string entry = "[Desktop Entry]\nType=Application\nVersion=1.0\nName=" + EntryValue(name) +
                      "\nExec=" + EntryValue(ExecForCommandLine(commandLine)) + "\n";
  if (!folder.empty()) entry += "Path=" + EntryValue(folder) + "\n";
  entry += "Icon=application-x-executable\nTerminal=false\n";
  if (!WriteTextFile(desktopFile, entry)) return false;
  definition.filenames.push_back(desktopFile.filename().string());
  if (WriteDefinition(definition)) return true;
  std::error_code ec;
  fs::remove(desktopFile, ec);
  return false;
}

bool DesktopMenu::DeleteItem(const std::string& group, const std::string& name) {
  std::optional<GroupDefinition> definition = OwnDefinition(group);
  if (!definition) return false;
  for (auto it = definition->filenames.begin(); it != definition->filenames.end(); ++it) {
    const std::optional<MenuItem> item = ReadDesktopEntry(applicationsFolder_ / *it);
    if (!item || !SameText(item->name, name)) continue;
    const std::string filename = *it;
    definition->filenames.erase(it);
    if (!WriteDefinition(*definition)) return false;
    std::error_code ec;
    if (filename.starts_with(kOwnPrefix)) fs::remove(applicationsFolder_ / filename, ec);
    return true;
  }
  return false;
}
