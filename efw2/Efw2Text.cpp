#include "efw2/Efw2Text.h"

#include <cstring>

namespace efw2 {

namespace {

// The plain upper-case letters of a Windows-1252 byte from 0x80 up; empty for
// a byte that is no letter.
const char* PlainLetters(unsigned char c) {
  switch (c) {
    case 0x83:
      return "F";  // ƒ
    case 0x8A:
    case 0x9A:
      return "S";  // Š š
    case 0x8C:
    case 0x9C:
      return "OE";  // Œ œ
    case 0x8E:
    case 0x9E:
      return "Z";  // Ž ž
    case 0x9F:
    case 0xDD:
    case 0xFD:
    case 0xFF:
      return "Y";  // Ÿ Ý ý ÿ
    case 0xC6:
    case 0xE6:
      return "AE";  // Æ æ
    case 0xC7:
    case 0xE7:
      return "C";  // Ç ç
    case 0xD0:
    case 0xF0:
      return "D";  // Ð ð
    case 0xD1:
    case 0xF1:
      return "N";  // Ñ ñ
    case 0xD8:
    case 0xF8:
      return "O";  // Ø ø
    case 0xDE:
    case 0xFE:
      return "TH";  // Þ þ
    case 0xDF:
      return "SS";  // ß
    default:
      break;
  }
  // The accented vowels: À-Å, È-Ë, Ì-Ï, Ò-Ö, Ù-Ü and their small forms 0x20 above.
  const unsigned char capital = (c >= 0xE0 && c != 0xF7) ? static_cast<unsigned char>(c - 0x20) : c;
  if (capital >= 0xC0 && capital <= 0xC5) return "A";
  if (capital >= 0xC8 && capital <= 0xCB) return "E";
  if (capital >= 0xCC && capital <= 0xCF) return "I";
  if (capital >= 0xD2 && capital <= 0xD6) return "O";
  if (capital >= 0xD9 && capital <= 0xDC) return "U";
  return "";
}

bool IsUpperAscii(char c) { return c >= 'A' && c <= 'Z'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Keeps the characters `keep` allows, turns the others into blanks, makes
// runs of blanks one and trims the ends.
template <typename Keep>
std::string Squeeze(std::string_view upper, Keep keep) {
  std::string out;
  out.reserve(upper.size());
  for (const char c : upper) {
    const char kept = keep(c) ? c : ' ';
    if (kept == ' ' && (out.empty() || out.back() == ' ')) continue;
    out.push_back(kept);
  }
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

bool AddressCharacter(char c) {
  return IsUpperAscii(c) || IsDigit(c) || c == '-' || c == '/' || c == '#';
}

// The plain form of a Windows-1252 punctuation byte from 0x80 up; null for
// a byte that is no typographic punctuation.
const char* PlainMark(unsigned char c) {
  switch (c) {
    case 0x82:  // single low quote
    case 0x8B:  // single angle quotes
    case 0x9B:
    case 0x91:  // left and right single quotes
    case 0x92:
    case 0xB4:  // acute accent, typed as an apostrophe
      return "'";
    case 0x84:  // double low quote
    case 0x93:  // left and right double quotes
    case 0x94:
    case 0xAB:  // guillemets
    case 0xBB:
      return "\"";
    case 0x85:
      return "...";
    case 0x96:  // en dash
    case 0x97:  // em dash
      return "-";
    case 0xA0:  // no-break space
      return " ";
    case 0xAD:  // soft hyphen
      return "";
    default:
      return nullptr;
  }
}

}  // namespace

std::string PlainPunctuation(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size());
  for (const char c : cp1252) {
    const char* plain = PlainMark(static_cast<unsigned char>(c));
    if (plain)
      out += plain;
    else
      out.push_back(c);
  }
  return out;
}

std::string PlainUpper(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size());
  for (const char c : cp1252) {
    const auto byte = static_cast<unsigned char>(c);
    if (const char* plain = PlainMark(byte)) {
      out += plain;
    } else if (byte >= 'a' && byte <= 'z') {
      out.push_back(static_cast<char>(byte - 'a' + 'A'));
    } else if (byte >= 0x80 && *PlainLetters(byte) != '\0') {
      out += PlainLetters(byte);
    } else {
      out.push_back(c);
    }
  }
  return out;
}

bool CleanName(std::string_view cp1252, std::string& out) {
  const std::string upper = PlainUpper(cp1252);
  bool clean = true;
  std::string kept;
  kept.reserve(upper.size());
  for (const char c : upper) {
    if (c == '.' || c == ',' || c == ' ') {
      kept.push_back(' ');
    } else if (IsUpperAscii(c) || c == '-' || c == '\'') {
      kept.push_back(c);
    } else {
      clean = false;
    }
  }
  out = Squeeze(kept, [](char c) { return c != ' '; });
  return clean;
}

std::string CleanAddress(std::string_view cp1252) {
  return Squeeze(PlainUpper(cp1252), AddressCharacter);
}

std::string CleanCompany(std::string_view cp1252) {
  return Squeeze(PlainUpper(cp1252), [](char c) { return AddressCharacter(c) || c == '&'; });
}

std::string Digits(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    if (c != '-' && c != '(' && c != ')' && c != ' ') out.push_back(c);
  }
  return out;
}

bool SplitPhone(std::string_view text, std::string& number, std::string& extension) {
  number.clear();
  extension.clear();
  const std::string upper = PlainUpper(text);
  std::size_t mark = upper.find("EXT");
  std::size_t markLength = 3;
  if (mark == std::string::npos) {
    mark = upper.find('X');
    markLength = 1;
  }
  const std::string_view all(upper);
  const std::string_view head = all.substr(0, mark);
  const std::string_view tail =
      mark == std::string::npos ? std::string_view() : all.substr(mark + markLength);
  bool ok = true;
  for (const char c : head) {
    if (IsDigit(c))
      number.push_back(c);
    else if (std::strchr(" ()-.+", c) == nullptr)
      ok = false;
  }
  for (const char c : tail) {
    if (IsDigit(c))
      extension.push_back(c);
    else if (c != ' ' && c != '.' && c != ':')
      ok = false;
  }
  return ok;
}

}  // namespace efw2
