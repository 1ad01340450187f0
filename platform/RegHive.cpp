#include "platform/RegHive.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <unordered_set>

#include "platform/AsciiText.h"
#include "platform/CodePage.h"

namespace {

constexpr std::string_view kHeader = "REGEDIT4";
constexpr std::string_view kHeaderVersion5 = "Windows Registry Editor Version 5.00";

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
  }
  return true;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

// True when `path` lies below `parent` ("" is the root, above everything).
bool IsBelow(std::string_view path, std::string_view parent) {
  if (parent.empty()) return !path.empty();
  return path.size() > parent.size() && path[parent.size()] == '\\' &&
         EqualsNoCase(path.substr(0, parent.size()), parent);
}

// The components of a key path, one at a time: Next returns false after the last.
class PathWalk {
 public:
  explicit PathWalk(std::string_view path) : rest_(path), done_(path.empty()) {}
  bool Next(std::string& upperName) {
    if (done_) return false;
    const std::size_t slash = rest_.find('\\');
    const std::string_view name = rest_.substr(0, slash);
    upperName.clear();
    for (char c : name) upperName += UpperAscii(c);
    if (slash == std::string_view::npos) {
      done_ = true;
    } else {
      rest_.remove_prefix(slash + 1);
    }
    return true;
  }

 private:
  std::string_view rest_;
  bool done_;
};

constexpr std::size_t kRootCount = 3;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimRight(std::string_view s) {
  while (!s.empty() && (IsBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

std::string_view TrimLeft(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  return s;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool ParseHexNumber(std::string_view s, std::size_t maxDigits, std::uint32_t& out) {
  if (s.empty() || s.size() > maxDigits) return false;
  std::uint32_t v = 0;
  for (char c : s) {
    const int d = HexDigit(c);
    if (d < 0) return false;
    v = v * 16 + static_cast<std::uint32_t>(d);
  }
  out = v;
  return true;
}

// A quoted text with the escapes \\ and \" starting at s[pos] == '"'; pos ends
// after the closing quote.
bool ParseQuoted(std::string_view s, std::size_t& pos, std::string& out) {
  if (pos >= s.size() || s[pos] != '"') return false;
  ++pos;
  out.clear();
  while (pos < s.size()) {
    const char c = s[pos++];
    if (c == '"') return true;
    if (c == '\\') {
      if (pos >= s.size() || (s[pos] != '\\' && s[pos] != '"')) return false;
      out += s[pos++];
    } else {
      out += c;
    }
  }
  return false;
}

std::string Quote(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  out += '"';
  return out;
}

bool HasLineBreakingCharacter(std::string_view text) {
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

std::string HexBytes(std::string_view bytes) {
  std::string out;
  char buffer[4];
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    std::snprintf(buffer, sizeof buffer, "%02x", static_cast<unsigned char>(bytes[i]));
    if (i > 0) out += ',';
    out += buffer;
  }
  return out;
}

bool ParseHexBytes(std::string_view s, std::string& out) {
  out.clear();
  s = TrimRight(TrimLeft(s));
  if (s.empty()) return true;
  while (true) {
    const std::size_t comma = s.find(',');
    const std::string_view token = TrimRight(TrimLeft(s.substr(0, comma)));
    std::uint32_t byte = 0;
    if (!ParseHexNumber(token, 2, byte)) return false;
    out += static_cast<char>(byte);
    if (comma == std::string_view::npos) return true;
    s = s.substr(comma + 1);
  }
}

// `utf16`: the hive came in UTF-16, so its hex text data is UTF-16 too.
bool ParseValueData(std::string_view s, RegValue& value, bool utf16) {
  std::size_t pos = 0;
  if (!s.empty() && s[0] == '"') {
    if (!ParseQuoted(s, pos, value.data)) return false;
    value.type = RegSz;
    return TrimLeft(s.substr(pos)).empty();
  }
  if (StartsWithNoCase(s, "dword:")) {
    std::uint32_t number = 0;
    if (!ParseHexNumber(TrimRight(s.substr(6)), 8, number)) return false;
    value = RegValue::Dword(value.name, number);
    return true;
  }
  if (!StartsWithNoCase(s, "hex")) return false;
  s.remove_prefix(3);
  std::uint32_t type = RegBinary;
  if (!s.empty() && s[0] == '(') {
    const std::size_t close = s.find(')');
    if (close == std::string_view::npos || !ParseHexNumber(s.substr(1, close - 1), 8, type))
      return false;
    s.remove_prefix(close + 1);
  }
  if (s.empty() || s[0] != ':') return false;
  if (!ParseHexBytes(s.substr(1), value.data)) return false;
  constexpr std::uint32_t kMultiSz = 7;
  if (utf16 && (type == RegSz || type == RegExpandSz || type == kMultiSz) &&
      value.data.size() % 2 == 0) {
    value.data = Utf16ToUtf8(value.data, false);
  }
  if ((type == RegSz || type == RegExpandSz) && !value.data.empty() && value.data.back() == '\0') {
    value.data.pop_back();
  }
  value.type = type;
  return true;
}

// Whether the line is a value whose data is written as hex bytes, the only
// data that may continue on the next line.
bool IsHexValueLine(std::string_view line) {
  std::size_t pos = 0;
  std::string name;
  if (line.empty()) return false;
  if (line[0] == '@') {
    pos = 1;
  } else if (!ParseQuoted(line, pos, name)) {
    return false;
  }
  const std::string_view rest = TrimLeft(line.substr(pos));
  return !rest.empty() && rest[0] == '=' && StartsWithNoCase(TrimLeft(rest.substr(1)), "hex");
}

// A line that carries on the hex data of the line before it: hex digits,
// commas and blanks, perhaps ending in a backslash itself; never an empty line.
bool IsHexContinuation(std::string_view line) {
  line = TrimRight(TrimLeft(line));
  // A blank line ends the value: hex data never has one inside it.
  if (line.empty()) return false;
  if (!line.empty() && line.back() == '\\') line.remove_suffix(1);
  return std::all_of(line.begin(), line.end(),
                     [](char c) { return HexDigit(c) >= 0 || c == ',' || IsBlank(c); });
}

bool ParseValueLine(std::string_view line, RegValue& value, bool utf16) {
  std::string_view s = TrimRight(TrimLeft(line));
  std::size_t pos = 0;
  value = RegValue{};
  if (s.empty()) return false;
  if (s[0] == '@') {
    pos = 1;
  } else if (!ParseQuoted(s, pos, value.name)) {
    return false;
  }
  s = TrimLeft(s.substr(pos));
  if (s.empty() || s[0] != '=') return false;
  return ParseValueData(TrimLeft(s.substr(1)), value, utf16);
}

std::string SerializeValue(const RegValue& value) {
  std::string out = value.name.empty() ? "@" : Quote(value.name);
  out += '=';
  if (value.type == RegSz && !HasLineBreakingCharacter(value.data)) {
    out += Quote(value.data);
  } else if (value.type == RegDword && value.data.size() == 4) {
    std::uint32_t number = 0;
    for (int i = 3; i >= 0; --i) number = (number << 8) | static_cast<unsigned char>(value.data[i]);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "dword:%08x", number);
    out += buffer;
  } else if (value.type == RegBinary) {
    out += "hex:" + HexBytes(value.data);
  } else {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "hex(%x):", value.type);
    std::string bytes = value.data;
    if (value.type == RegSz || value.type == RegExpandSz) bytes += '\0';
    out += buffer + HexBytes(bytes);
  }
  return out;
}

bool EndsInBackslash(std::string_view line) {
  line = TrimRight(line);
  return !line.empty() && line.back() == '\\';
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

}  // namespace

const char* RegRootName(RegRoot root) {
  switch (root) {
    case RegRoot::LocalMachine:
      return "HKEY_LOCAL_MACHINE";
    case RegRoot::CurrentUser:
      return "HKEY_CURRENT_USER";
    case RegRoot::ClassesRoot:
      return "HKEY_CLASSES_ROOT";
  }
  return "";
}

RegHive::RegHive(std::vector<RegRoot> roots) : roots_(std::move(roots)), nodes_(kRootCount) {}

std::size_t RegHive::ChildKeyHash::operator()(const ChildKey& key) const {
  return std::hash<std::string>{}(key.upperName) ^
         (std::hash<const void*>{}(key.parent) * 0x9E3779B97F4A7C15ull);
}

const RegHive::KeyNode* RegHive::FindNode(RegRoot root, std::string_view path) const {
  const KeyNode* node = &nodes_[static_cast<std::size_t>(root)];
  PathWalk walk(path);
  ChildKey key{nullptr, {}};
  while (walk.Next(key.upperName)) {
    key.parent = node;
    const auto it = children_.find(key);
    if (it == children_.end()) return nullptr;
    node = it->second;
  }
  return node;
}

RegHive::KeyNode& RegHive::EnsureNode(RegRoot root, std::string_view path) {
  KeyNode* node = &nodes_[static_cast<std::size_t>(root)];
  PathWalk walk(path);
  ChildKey key{nullptr, {}};
  while (walk.Next(key.upperName)) {
    key.parent = node;
    const auto it = children_.find(key);
    if (it != children_.end()) {
      node = it->second;
      continue;
    }
    KeyNode* child = &nodes_.emplace_back();
    children_.emplace(std::move(key), child);
    key = ChildKey{nullptr, {}};
    node = child;
  }
  return *node;
}

bool RegHive::Holds(RegRoot root) const {
  return std::find(roots_.begin(), roots_.end(), root) != roots_.end();
}

RegHive RegHive::Parse(std::string_view text, std::vector<RegRoot> roots) {
  RegHive hive(std::move(roots));
  std::string decoded;
  const bool utf16 = text.substr(0, 2) == "\xFF\xFE";
  if (utf16) {
    decoded = Utf16ToUtf8(text.substr(2), false);
    text = decoded;
  }
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  const std::vector<std::string_view> lines = SplitLines(text);

  bool headerSeen = false;
  // Pointers into sections_: it grows only at a header, which sets them anew.
  Section* current = nullptr;     // the section the lines belong to; nullptr before the first
  Section* rawSection = nullptr;  // set while inside a header that was not understood
  auto keepRaw = [&](std::vector<std::string> rawLines) {
    if (rawSection) {
      rawSection->entries.push_back({false, {}, std::move(rawLines)});
    } else if (current) {
      current->entries.push_back({false, {}, std::move(rawLines)});
    } else {
      hive.preamble_.push_back({false, {}, std::move(rawLines)});
    }
  };

  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view trimmed = TrimRight(TrimLeft(lines[i]));
    if (trimmed.empty()) continue;
    if (!headerSeen) {
      headerSeen = true;
      if (trimmed == kHeader || trimmed == kHeaderVersion5) continue;
    }
    if (trimmed.front() == '[') {
      // A key: [ROOT\path]
      bool understood = false;
      RegRoot root = RegRoot::LocalMachine;
      std::string path;
      if (trimmed.size() >= 2 && trimmed.back() == ']' && trimmed[1] != '-') {
        const std::string_view inner = trimmed.substr(1, trimmed.size() - 2);
        const std::size_t slash = inner.find('\\');
        const std::string_view rootName = inner.substr(0, slash);
        for (RegRoot candidate : hive.roots_) {
          if (EqualsNoCase(rootName, RegRootName(candidate))) {
            root = candidate;
            understood = true;
          }
        }
        if (understood && slash != std::string_view::npos) {
          path = std::string(inner.substr(slash + 1));
          // Every component must have a name.
          understood = !path.empty() && path.front() != '\\' && path.back() != '\\' &&
                       path.find("\\\\") == std::string::npos;
        }
      }
      if (understood) {
        rawSection = nullptr;
        current = hive.FindSection(root, path);
        if (!current) current = &hive.AddSection(hive.sections_.end(), {true, root, path, {}, {}});
      } else {
        rawSection = &hive.AddSection(
            hive.sections_.end(), {false, RegRoot::LocalMachine, {}, std::string(lines[i]), {}});
        current = nullptr;
      }
      continue;
    }
    // A value, possibly continued over several lines ("hex:..,\"), but
    // never into the next value or key.
    std::vector<std::string> physical{std::string(lines[i])};
    std::string joined(trimmed);
    if (IsHexValueLine(trimmed)) {
      while (!joined.empty() && joined.back() == '\\' && i + 1 < lines.size() &&
             IsHexContinuation(lines[i + 1])) {
        joined.pop_back();
        ++i;
        physical.emplace_back(lines[i]);
        joined += TrimRight(TrimLeft(lines[i]));
      }
    }
    RegValue value;
    if (current && trimmed.front() != ';' && ParseValueLine(joined, value, utf16)) {
      current->entries.push_back({true, std::move(value), {}});
    } else {
      keepRaw(std::move(physical));
    }
  }
  return hive;
}

std::string RegHive::Serialize() const {
  // Kept lines that end in a backslash must not take up kept lines that
  // follow them now (when a blank line between was dropped): a blank line ends them.
  const auto writeEntries = [](std::string& out, const std::vector<Entry>& entries) {
    bool open = false;  // the last line written ends in a backslash
    for (const Entry& entry : entries) {
      if (entry.isValue) {
        out += SerializeValue(entry.value) + "\n";
        open = false;
        continue;
      }
      if (open && !entry.rawLines.empty() && IsHexContinuation(entry.rawLines.front())) {
        out += "\n";
      }
      for (const std::string& line : entry.rawLines) out += line + "\n";
      open = !entry.rawLines.empty() && EndsInBackslash(entry.rawLines.back());
    }
  };
  std::string out(kHeader);
  out += "\n\n";
  writeEntries(out, preamble_);
  if (!preamble_.empty()) out += "\n";
  for (const auto& section : sections_) {
    if (section->parsed) {
      out += '[';
      out += RegRootName(section->root);
      if (!section->path.empty()) out += "\\" + section->path;
      out += "]\n";
    } else {
      out += section->rawHeader + "\n";
    }
    writeEntries(out, section->entries);
    out += "\n";
  }
  return out;
}

RegHive::Section* RegHive::FindSection(RegRoot root, std::string_view path) {
  const KeyNode* node = FindNode(root, path);
  return node ? node->section : nullptr;
}

RegHive::Section& RegHive::AddSection(Sections::iterator at, Section section) {
  Section& added = **sections_.insert(at, std::make_unique<Section>(std::move(section)));
  if (added.parsed) EnsureNode(added.root, added.path).section = &added;
  return added;
}

const RegHive::Section* RegHive::FindSection(RegRoot root, std::string_view path) const {
  return const_cast<RegHive*>(this)->FindSection(root, path);
}

bool RegHive::KeyExists(RegRoot root, std::string_view path) const {
  if (!Holds(root)) return false;
  return path.empty() || FindNode(root, path) != nullptr;
}

void RegHive::CreateKey(RegRoot root, std::string_view path) {
  if (!Holds(root))
    throw std::logic_error(std::string("the hive does not hold ") + RegRootName(root));
  if (path.empty() || FindSection(root, path)) return;
  const std::size_t slash = path.rfind('\\');
  const std::string_view parent =
      slash == std::string_view::npos ? std::string_view() : path.substr(0, slash);
  if (!parent.empty()) CreateKey(root, parent);
  // Place the new key after its parent's other subkeys, so that the file
  // reads as a tree.
  auto insertAt = sections_.end();
  for (auto it = sections_.begin(); it != sections_.end(); ++it) {
    const Section& s = **it;
    if (s.parsed && s.root == root && (EqualsNoCase(s.path, parent) || IsBelow(s.path, parent)))
      insertAt = it + 1;
  }
  AddSection(insertAt, Section{true, root, std::string(path), {}, {}});
}

RegHive::Section& RegHive::EnsureSection(RegRoot root, std::string_view path) {
  CreateKey(root, path);
  if (Section* section = FindSection(root, path)) return *section;
  // The root itself: values directly under it live in a section of its own.
  return AddSection(sections_.end(), Section{true, root, {}, {}, {}});
}

std::vector<std::string> RegHive::SubKeyNames(RegRoot root, std::string_view path) const {
  std::vector<std::string> names;
  std::unordered_set<std::string> seen;
  for (const auto& section : sections_) {
    if (!section->parsed || section->root != root || !IsBelow(section->path, path)) continue;
    std::string_view rest(section->path);
    if (!path.empty()) rest.remove_prefix(path.size() + 1);
    const std::string_view name = rest.substr(0, rest.find('\\'));
    std::string upper;
    for (char c : name) upper += UpperAscii(c);
    if (seen.insert(std::move(upper)).second) names.emplace_back(name);
  }
  return names;
}

std::vector<std::string> RegHive::ValueNames(RegRoot root, std::string_view path) const {
  std::vector<std::string> names;
  const Section* section = FindSection(root, path);
  if (!section) return names;
  for (const Entry& entry : section->entries) {
    if (!entry.isValue) continue;
    const bool known = std::any_of(names.begin(), names.end(), [&](const std::string& n) {
      return EqualsNoCase(n, entry.value.name);
    });
    if (!known) names.push_back(entry.value.name);
  }
  return names;
}

const RegValue* RegHive::FindValue(RegRoot root, std::string_view path,
                                   std::string_view name) const {
  const Section* section = FindSection(root, path);
  if (!section) return nullptr;
  // A name given twice: the later line counts, as when the file is imported.
  for (auto it = section->entries.rbegin(); it != section->entries.rend(); ++it) {
    if (it->isValue && EqualsNoCase(it->value.name, name)) return &it->value;
  }
  return nullptr;
}

void RegHive::SetValue(RegRoot root, std::string_view path, const RegValue& value) {
  Section& section = EnsureSection(root, path);
  for (auto it = section.entries.rbegin(); it != section.entries.rend(); ++it) {
    if (it->isValue && EqualsNoCase(it->value.name, value.name)) {
      it->value.type = value.type;
      it->value.data = value.data;
      return;
    }
  }
  section.entries.push_back({true, value, {}});
}

std::size_t RegHive::UnreadableLineCount() const {
  std::size_t count = 0;
  for (const Entry& entry : preamble_) count += entry.rawLines.size();
  for (const auto& section : sections_) {
    if (!section->parsed) ++count;
    for (const Entry& entry : section->entries) count += entry.rawLines.size();
  }
  return count;
}
