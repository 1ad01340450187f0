#include "settings/DesktopRegistration.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <system_error>
#include <vector>

#include "platform/AtomicFile.h"

extern char** environ;

namespace {

constexpr const char* kMimeType = "application/x-quillmar";
constexpr const char* kFileBaseName = "tolvane-quillmar";

// One argument of an Exec line: quoted, with the characters that are special
// inside quotes escaped, "%" doubled, and then the escapes of a desktop-entry
// string applied.
std::string ExecArgument(const std::string& argument) {
  std::string quoted = "\"";
  for (char c : argument) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    if (c == '%') quoted += '%';
    quoted += c;
  }
  quoted += '"';
  std::string escaped;
  for (char c : quoted) {
    switch (c) {
      case '\\':
        escaped += "\\\\";
        break;
      case '\n':
        escaped += "\\n";
        break;
      case '\t':
        escaped += "\\t";
        break;
      case '\r':
        escaped += "\\r";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

// Writes the file unless it already holds exactly `contents`; tells whether
// it was written.
std::optional<bool> WriteIfChanged(const std::filesystem::path& file, const std::string& contents) {
  if (const std::optional<std::string> existing = ReadWholeFile(file);
      existing && *existing == contents) {
    return false;
  }
  std::error_code ec;
  std::filesystem::create_directories(file.parent_path(), ec);
  if (ec || !WriteFileAtomically(file, contents)) return std::nullopt;
  return true;
}

// Runs a cache tool on a folder, quietly; a tool that is not installed is no error.
void RunTool(const char* tool, const std::filesystem::path& folder) {
  posix_spawn_file_actions_t actions;
  if (posix_spawn_file_actions_init(&actions) != 0) return;
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::string program(tool);
  std::string argument = folder.string();
  char* argv[] = {program.data(), argument.data(), nullptr};
  pid_t pid = 0;
  if (posix_spawnp(&pid, tool, &actions, nullptr, argv, environ) == 0) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  }
  posix_spawn_file_actions_destroy(&actions);
}

// The program of a desktop entry's first Exec line: its first word, quotes
// and the escapes inside them undone.
std::string ExecProgram(const std::string& entry) {
  const std::size_t line = entry.find("\nExec=");
  if (line == std::string::npos) return {};
  std::string program;
  std::size_t i = line + 6;
  if (i < entry.size() && entry[i] == '"') {
    for (++i; i < entry.size() && entry[i] != '"' && entry[i] != '\n'; ++i) {
      // A desktop-entry string's "\\" is one backslash, which escapes the next character.
      if (entry.compare(i, 2, "\\\\") == 0) i += 2;
      if (i < entry.size()) program += entry[i];
    }
    return program;
  }
  for (; i < entry.size() && entry[i] != ' ' && entry[i] != '\n'; ++i) program += entry[i];
  return program;
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code ec;
  return std::filesystem::equivalent(a, b, ec) && !ec;
}

// Removes `file` when it holds exactly `contents` (a copy this program wrote);
// tells whether it did.
bool RemoveOwnCopy(const std::filesystem::path& file, const std::string& contents) {
  const std::optional<std::string> existing = ReadWholeFile(file);
  return existing && *existing == contents && ::unlink(file.c_str()) == 0;
}

}  // namespace

bool RegisteredSystemWide(const std::vector<std::string>& systemDataFolders,
                          const std::string& programPath, const std::filesystem::path& dataHome) {
  for (const std::string& folder : systemDataFolders) {
    if (folder.empty() || folder[0] != '/') continue;  // relative entries are ignored
    if (!dataHome.empty() && SameFile(folder, dataHome)) continue;
    const std::filesystem::path base(folder);
    const std::filesystem::path mime =
        base / "mime" / "packages" / (std::string(kFileBaseName) + ".xml");
    const std::optional<std::string> entry =
        ReadWholeFile(base / "applications" / (std::string(kFileBaseName) + ".desktop"));
    if (!entry || !std::filesystem::exists(mime)) continue;
    if (SameFile(ExecProgram(*entry), programPath)) return true;
  }
  return false;
}

std::string QuillmarMimePackage() {
  return std::string(
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
             "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
             "  <mime-type type=\"") +
         kMimeType +
         "\">\n"
         "    <comment>Quillmar</comment>\n"
         "    <glob pattern=\"*.qmr\"/>\n"
         "  </mime-type>\n"
         "</mime-info>\n";
}

std::string QuillmarDesktopEntry(const std::string& programPath) {
  const std::string program = ExecArgument(programPath);
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Version=1.0\n"
         "Name=Quillmar\n"
         "Comment=W-2 wage statements and the W-3 transmittal\n"
         "Exec=" +
         program +
         " %f\n"
         "Icon=tolvane-quillmar\n"
         "MimeType=" +
         kMimeType +
         ";\n"
         "Terminal=false\n"
         "Categories=Office;Finance;\n"
         "Actions=Print;\n"
         "\n"
         "[Desktop Action Print]\n"
         "Name=Print\n"
         "Exec=" +
         program + " /p %f\n";
}

bool RegisterWithDesktop(const std::filesystem::path& dataHome, const std::string& programPath,
                         const std::vector<std::string>& systemDataFolders) {
  if (dataHome.empty() || programPath.empty()) return false;
  const std::filesystem::path mimeFolder = dataHome / "mime";
  const std::filesystem::path applicationsFolder = dataHome / "applications";
  const std::filesystem::path mimeFile =
      mimeFolder / "packages" / (std::string(kFileBaseName) + ".xml");
  const std::filesystem::path entryFile =
      applicationsFolder / (std::string(kFileBaseName) + ".desktop");
  if (RegisteredSystemWide(systemDataFolders, programPath, dataHome)) {
    if (RemoveOwnCopy(mimeFile, QuillmarMimePackage())) RunTool("update-mime-database", mimeFolder);
    if (RemoveOwnCopy(entryFile, QuillmarDesktopEntry(programPath))) {
      RunTool("update-desktop-database", applicationsFolder);
    }
    return true;
  }
  const std::optional<bool> mimeWritten = WriteIfChanged(mimeFile, QuillmarMimePackage());
  const std::optional<bool> entryWritten =
      WriteIfChanged(entryFile, QuillmarDesktopEntry(programPath));
  if (mimeWritten.value_or(false)) RunTool("update-mime-database", mimeFolder);
  if (entryWritten.value_or(false)) RunTool("update-desktop-database", applicationsFolder);
  return mimeWritten.has_value() && entryWritten.has_value();
}
