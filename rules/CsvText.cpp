#include "rules/CsvText.h"

#include <array>

#include "platform/CodePage.h"

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto c = static_cast<unsigned char>(text[i]);
    std::size_t extra = 0;
    unsigned min = 0;
    unsigned code = 0;
    if (c < 0x80) {
      ++i;
      continue;
    }
    if (c >= 0xC2 && c <= 0xDF) {
      extra = 1;
      min = 0x80;
      code = c & 0x1Fu;
    } else if (c >= 0xE0 && c <= 0xEF) {
      extra = 2;
      min = 0x800;
      code = c & 0x0Fu;
    } else if (c >= 0xF0 && c <= 0xF4) {
      extra = 3;
      min = 0x10000;
      code = c & 0x07u;
    } else {
      return false;
    }
    if (i + extra >= text.size()) return false;
    for (std::size_t k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0u) != 0x80u) return false;
      code = (code << 6) | (next & 0x3Fu);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += extra + 1;
  }
  return true;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// UTF-16 (a spreadsheet's "Unicode text") after its byte order mark, as
// UTF-8; an unpaired surrogate becomes U+FFFD (and so "?" in Windows-1252).
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
  std::string out;
  auto unit = [&](std::size_t i) {
    const auto a = static_cast<unsigned char>(bytes[i]);
    const auto b = static_cast<unsigned char>(bytes[i + 1]);
    return static_cast<char32_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
  };
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    char32_t cp = unit(i);
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 &&
        unit(i + 2) <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
      i += 2;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;
    }
    AppendUtf8(out, cp);
  }
  return out;
}

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
