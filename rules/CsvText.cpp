#include "rules/CsvText.h"

#include <array>

#include "platform/CodePage.h"

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool HasHighBytes(std::string_view text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  return false;
}

bool IsBlankLine(const CsvRow& row) {
  for (const std::string& cell : row)
    for (char c : cell)
      if (c != ' ' && c != '\t') return false;
  return true;
}

}  // namespace

std::string CsvBytesToCp1252(std::string_view bytes, bool& utf8) {
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
    utf8 = true;
    return Utf8ToCp1252(Utf16ToUtf8(bytes.substr(2), bytes[0] == '\xFE'));
  }
  if (bytes.starts_with(kUtf8Bom)) {
    utf8 = true;
    return Utf8ToCp1252(bytes.substr(kUtf8Bom.size()));
  }
  utf8 = HasHighBytes(bytes) && IsValidUtf8(bytes);
  return utf8 ? Utf8ToCp1252(bytes) : std::string(bytes);
}

char GuessCsvSeparator(std::string_view text) {
  constexpr std::array<char, 3> kCandidates = {',', ';', '\t'};
  std::array<int, 3> counts{};
  bool quoted = false;
  for (char c : text) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '\n' || c == '\r') break;
    for (std::size_t k = 0; k < kCandidates.size(); ++k)
      if (c == kCandidates[k]) ++counts[k];
  }
  std::size_t best = 0;
  for (std::size_t k = 1; k < kCandidates.size(); ++k)
    if (counts[k] > counts[best]) best = k;
  return kCandidates[best];
}

CsvTable ReadCsv(std::string_view bytes) {
  CsvTable table;
  const std::string text = CsvBytesToCp1252(bytes, table.Utf8);
  table.Separator = GuessCsvSeparator(text);
  const char sep = table.Separator;

  CsvRow row;
  std::string cell;
  bool quoted = false;
  bool rowHasContent = false;
  int rowNumber = 0;
  auto endRow = [&] {
    row.push_back(std::move(cell));
    cell.clear();
    ++rowNumber;
    if (!IsBlankLine(row)) {
      table.Rows.push_back(std::move(row));
      table.RowNumbers.push_back(rowNumber);
    }
    row.clear();
    rowHasContent = false;
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"') {
        if (i + 1 < text.size() && text[i + 1] == '"') {
          cell += '"';
          ++i;
        } else {
          quoted = false;
        }
      } else {
        // A CR LF inside quotes is one line break, as the spreadsheet meant it.
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        cell += c;
      }
      continue;
    }
    if (c == '"' && cell.empty()) {
      quoted = true;
      rowHasContent = true;
    } else if (c == sep) {
      row.push_back(std::move(cell));
      cell.clear();
      rowHasContent = true;
    } else if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      endRow();
    } else {
      cell += c;
      rowHasContent = true;
    }
  }
  if (rowHasContent || !cell.empty()) endRow();
  return table;
}

std::string CsvField(std::string_view text, char separator) {
  const bool needsQuotes =
      text.find_first_of(std::string{separator, '"', '\r', '\n'}) != std::string_view::npos ||
      (!text.empty() &&
       (text.front() == ' ' || text.back() == ' ' || text.front() == '\t' || text.back() == '\t'));
  if (!needsQuotes) return std::string(text);
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
  return out;
}
