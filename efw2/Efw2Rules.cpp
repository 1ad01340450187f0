#include "efw2/Efw2Rules.h"

#include <algorithm>
#include <array>
#include <utility>

namespace efw2 {

namespace {

bool NineDigits(std::string_view text) {
  return text.size() == 9 &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The household thresholds of the SSA from 1998, in dollars, a year apart.
// Unverified: the figures of 2013 and of 2020 to 2022.
constexpr std::int32_t kFirstHouseholdYear = 1998;
constexpr std::array<std::int64_t, 29> kHouseholdThresholds = {
    1100, 1100, 1200, 1300, 1300,                    // 1998-2002
    1400, 1400, 1400, 1500, 1500, 1600, 1700, 1700,  // 2003-2010
    1700, 1800, 1800, 1900, 1900, 2000, 2000, 2100,  // 2011-2018
    2100, 2200, 2300, 2400, 2600, 2700, 2800, 3000,  // 2019-2026
};

struct CodePlace {
  std::string_view code;
  Box12Place place;
};

constexpr Box12Place OnRw(RwAmount amount) { return {Box12Place::Rw, amount}; }
constexpr Box12Place OnRo(RoAmount amount) { return {Box12Place::Ro, amount}; }
constexpr Box12Place NotReported() { return {Box12Place::NotReported, 0}; }

constexpr std::array<CodePlace, 33> kCodePlaces = {{
    {"A", OnRo(kCodeAB)},
    {"B", OnRo(kCodeAB)},
    {"C", OnRw(kCodeC)},
    {"D", OnRw(kCodeD)},
    {"E", OnRw(kCodeE)},
    {"F", OnRw(kCodeF)},
    {"G", OnRw(kCodeG)},
    {"H", OnRw(kCodeH)},
    {"J", NotReported()},
    {"K", NotReported()},
    {"L", NotReported()},
    {"M", OnRo(kCodeM)},
    {"N", OnRo(kCodeN)},
    {"P", NotReported()},
    {"Q", OnRw(kCodeQ)},
    {"R", OnRo(kCodeR)},
    {"S", OnRo(kCodeS)},
    {"T", OnRo(kCodeT)},
    {"V", OnRw(kCodeV)},
    {"W", OnRw(kCodeW)},
    {"Y", OnRw(kCodeY)},
    {"Z", OnRo(kCodeZ)},
    {"AA", OnRw(kCodeAA)},
    {"BB", OnRw(kCodeBB)},
    {"DD", OnRw(kCodeDD)},
    {"EE", OnRo(kCodeEE)},
    {"FF", OnRw(kCodeFF)},
    {"GG", OnRo(kCodeGG)},
    {"HH", OnRo(kCodeHH)},
    {"II", OnRo(kCodeII)},
    // The codes of the 2026 form; their fields are not yet published.
    {"TA", {Box12Place::NoPlaceKnown, 0}},
    {"TP", {Box12Place::NoPlaceKnown, 0}},
    {"TT", {Box12Place::NoPlaceKnown, 0}},
}};

}  // namespace

bool IsSsaValidSsn(std::string_view digits) {
  if (!NineDigits(digits)) return false;
  const std::string_view area = digits.substr(0, 3);
  if (area == "000" || area == "666" || area[0] == '9') return false;
  if (digits.substr(3, 2) == "00" || digits.substr(5, 4) == "0000") return false;
  if (digits == "123456789") return false;
  return !std::all_of(digits.begin(), digits.end(), [&](char c) { return c == digits[0]; });
}

bool IsSsaValidEin(std::string_view digits) {
  if (!NineDigits(digits)) return false;
  static constexpr std::array<std::string_view, 15> kRejected = {
      "00", "07", "08", "09", "17", "18", "19", "28", "29", "49", "69", "70", "78", "79", "89"};
  return std::find(kRejected.begin(), kRejected.end(), digits.substr(0, 2)) == kRejected.end();
}

std::optional<char> EmploymentCode(std::int32_t kindOfPayer) {
  static constexpr std::array<char, 7> kCodes = {'R', 'M', 'A', 'X', 'H', 'Q', 'F'};
  if (kindOfPayer < 0 || kindOfPayer >= static_cast<std::int32_t>(kCodes.size()))
    return std::nullopt;
  return kCodes[static_cast<std::size_t>(kindOfPayer)];
}

int KindOfEmployerOf(const W3Record& w3) { return w3.KindOfEmployer; }

std::optional<char> KindOfEmployerLetter(int kind) {
  static constexpr std::array<char, 5> kLetters = {'N', 'T', 'S', 'Y', 'F'};
  if (kind < 1 || kind > 5) return std::nullopt;
  return kLetters[static_cast<std::size_t>(kind - 1)];
}

std::optional<char> ThirdPartySickPayIndicator(std::int32_t tpSickPayKind) {
  // Unverified: the publication calls RE 221 only the "third-party sick pay
  // indicator". Both kinds of W-3 with third-party sick pay set it; confirm
  // with AccuWage.
  switch (tpSickPayKind) {
    case 0:
      return '0';
    case 1:
    case 2:
      return '1';
    default:
      return std::nullopt;
  }
}

std::string Box12Code(const Box12Entry& line) {
  if (line.Code == ' ' || line.Code == '\0') return {};
  std::string code(1, line.Code);
  // Two-letter codes keep their second letter in the byte after the first.
  const char second = static_cast<char>(line.Code2);
  if (second != '\0') code.push_back(second);
  return code;
}

Box12Place PlaceOfBox12Code(std::string_view code) {
  for (const CodePlace& entry : kCodePlaces) {
    if (entry.code == code) return entry.place;
  }
  return {Box12Place::Unknown, 0};
}

std::optional<Currency> HouseholdThreshold(std::int32_t taxYear) {
  const std::int64_t index = static_cast<std::int64_t>(taxYear) - kFirstHouseholdYear;
  if (index < 0 || index >= static_cast<std::int64_t>(kHouseholdThresholds.size()))
    return std::nullopt;
  return kHouseholdThresholds[static_cast<std::size_t>(index)] * kCurrencyScale;
}

}  // namespace efw2
