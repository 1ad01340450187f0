#include "data/Currency.h"

#include <charconv>
#include <limits>

namespace {

__extension__ typedef __int128 Int128;
__extension__ typedef unsigned __int128 UInt128;

constexpr std::uint64_t kMaxMagnitude =
    static_cast<std::uint64_t>(std::numeric_limits<Currency>::max());
// Exponents are clamped to this size: far beyond any Currency, far below
// any overflow of the arithmetic on them.
constexpr std::int64_t kExponentClamp = 1'000'000'000;

constexpr std::uint64_t Pow10(int n) {
  std::uint64_t p = 1;
  for (int i = 0; i < n; ++i) p *= 10;
  return p;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A plain decimal taken apart: the value is digits × 10^exponent, with the
// digits free of leading and trailing zeros (empty for zero).
struct DecimalParts {
  bool negative = false;
  std::string digits;
  std::int64_t exponent = 0;
};

std::optional<DecimalParts> SplitDecimal(std::string_view text) {
  DecimalParts parts;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    parts.negative = text[i] == '-';
    ++i;
  }
  std::size_t mantissaDigits = 0;
  std::int64_t fractionDigits = 0;
  while (i < text.size() && IsDigit(text[i])) {
    parts.digits += text[i++];
    ++mantissaDigits;
  }
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) {
      parts.digits += text[i++];
      ++mantissaDigits;
      ++fractionDigits;
    }
  }
  if (mantissaDigits == 0) return std::nullopt;

  std::int64_t exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool negativeExponent = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
      negativeExponent = text[i] == '-';
      ++i;
    }
    std::size_t exponentDigits = 0;
    while (i < text.size() && IsDigit(text[i])) {
      if (exponent < kExponentClamp) exponent = exponent * 10 + (text[i] - '0');
      ++i;
      ++exponentDigits;
    }
    if (exponentDigits == 0) return std::nullopt;
    if (exponent > kExponentClamp) exponent = kExponentClamp;
    if (negativeExponent) exponent = -exponent;
  }
  if (i != text.size()) return std::nullopt;

  parts.exponent = exponent - fractionDigits;

  const std::size_t firstNonZero = parts.digits.find_first_not_of('0');
  if (firstNonZero == std::string::npos) {
    parts.digits.clear();
    parts.exponent = 0;
    return parts;
  }
  parts.digits.erase(0, firstNonZero);
  const std::size_t lastNonZero = parts.digits.find_last_not_of('0');
  parts.exponent += static_cast<std::int64_t>(parts.digits.size() - lastNonZero - 1);
  parts.digits.erase(lastNonZero + 1);
  return parts;
}

// digits × 10^shift rounded half to even to a whole number; empty when it
// exceeds kMaxMagnitude.
std::optional<std::uint64_t> RoundDigits(const std::string& digits, std::int64_t shift) {
  if (digits.empty()) return 0;
  const auto length = static_cast<std::int64_t>(digits.size());
  const std::int64_t kept = length + shift;  // digits left of the decimal point
  if (kept > 19) return std::nullopt;        // at least 10^19
  if (kept < 0) return 0;                    // below 0.1: rounds to zero

  UInt128 whole = 0;
  for (std::int64_t k = 0; k < kept; ++k) {
    const char c = k < length ? digits[static_cast<std::size_t>(k)] : '0';
    whole = whole * 10 + static_cast<unsigned>(c - '0');
  }
  if (kept < length) {
    // The dropped digits end in a non-zero digit (no trailing zeros), so they
    // are exactly one half only when they are the single digit 5.
    const char first = digits[static_cast<std::size_t>(kept)];
    const bool exactHalf = first == '5' && kept + 1 == length;
    if (first > '5' || (first == '5' && !exactHalf) || (exactHalf && (whole & 1) != 0)) ++whole;
  }
  if (whole > kMaxMagnitude) return std::nullopt;
  return static_cast<std::uint64_t>(whole);
}

}  // namespace

std::string FormatFixed(Currency value, int decimals, int width) {
  if (decimals < 0) decimals = 0;
  if (decimals > 4) decimals = 4;
  const std::uint64_t magnitude = value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value)
                                            : static_cast<std::uint64_t>(value);
  const std::uint64_t divisor = Pow10(4 - decimals);
  std::uint64_t shown = magnitude / divisor;
  if (divisor > 1 && (magnitude % divisor) * 2 >= divisor) ++shown;  // half away from zero

  const std::uint64_t unit = Pow10(decimals);
  std::string text;
  if (value < 0 && shown != 0) text += '-';
  text += std::to_string(shown / unit);
  if (decimals > 0) {
    std::string fraction = std::to_string(shown % unit);
    text += '.';
    text.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');
    text += fraction;
  }
  if (width > 0 && text.size() < static_cast<std::size_t>(width))
    text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  return text;
}

std::string FormatAmount(Currency value) { return FormatFixed(value, 2, 4); }

std::string FormatRate(Currency value) { return FormatFixed(value, 4, 6); }

bool IsPlainDecimal(std::string_view text) { return SplitDecimal(text).has_value(); }

std::optional<Currency> ParseDecimal(std::string_view text, int decimals) {
  if (decimals < 0 || decimals > 4) return std::nullopt;
  const std::optional<DecimalParts> parts = SplitDecimal(text);
  if (!parts) return std::nullopt;
  const std::optional<std::uint64_t> units = RoundDigits(parts->digits, parts->exponent + decimals);
  if (!units) return std::nullopt;
  const std::uint64_t scale = Pow10(4 - decimals);
  if (*units > kMaxMagnitude / scale) return std::nullopt;
  const auto magnitude = static_cast<Currency>(*units * scale);
  return parts->negative ? -magnitude : magnitude;
}

std::optional<Currency> ParseAmount(std::string_view text) {
  // Counted are the characters after the first period, an exponent included:
  // 12.345 and 1.5e+2 keep four decimals, 1e-3 and 12.5 are rounded to cents.
  const std::size_t period = text.find('.');
  const bool fourDecimals = period != std::string_view::npos && text.size() - period - 1 > 2;
  return ParseDecimal(text, fourDecimals ? 4 : 2);
}

std::optional<std::int32_t> ParseWholeNumber(std::string_view text) {
  const bool hasSign = !text.empty() && (text[0] == '+' || text[0] == '-');
  const std::size_t firstDigit = hasSign ? 1 : 0;
  if (firstDigit == text.size()) return std::nullopt;
  for (std::size_t i = firstDigit; i < text.size(); ++i)
    if (!IsDigit(text[i])) return std::nullopt;

  // from_chars reads a minus sign but not a plus sign.
  const char* first = text.data() + (text[0] == '+' ? 1 : 0);
  const char* last = text.data() + text.size();
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc{} || end != last) return std::nullopt;
  return value;
}

Currency TaxProduct(Currency wage, Currency ratePercent) {
  // wage/10^4 × rate/10^4 / 100, kept in units of 10^-4: wage × rate / 10^6.
  constexpr Int128 kDivisor = 1'000'000;
  const Int128 product = static_cast<Int128>(wage) * ratePercent;
  const bool negative = product < 0;
  const UInt128 magnitude =
      negative ? static_cast<UInt128>(-product) : static_cast<UInt128>(product);
  UInt128 quotient = magnitude / kDivisor;
  const UInt128 remainder = magnitude % kDivisor;
  if (remainder * 2 > kDivisor || (remainder * 2 == kDivisor && (quotient & 1) != 0)) ++quotient;

  if (negative) {
    const UInt128 lowest = UInt128{kMaxMagnitude} + 1;
    return quotient >= lowest ? std::numeric_limits<Currency>::min()
                              : -static_cast<Currency>(quotient);
  }
  return quotient > kMaxMagnitude ? std::numeric_limits<Currency>::max()
                                  : static_cast<Currency>(quotient);
}

std::optional<double> PlainDecimalValue(std::string_view text) {
  const std::optional<DecimalParts> parts = SplitDecimal(text);
  if (!parts) return std::nullopt;
  if (text.front() == '+') text.remove_prefix(1);  // from_chars takes no plus sign
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (end != text.data() + text.size()) return std::nullopt;
  if (error == std::errc::result_out_of_range) {
    // Below the smallest double the number is zero, as the amount rule takes
    // it; above the largest it is none, as for the amount rule.
    const bool belowOne = static_cast<std::int64_t>(parts->digits.size()) + parts->exponent <= 0;
    if (!belowOne) return std::nullopt;
    return parts->negative ? -0.0 : 0.0;
  }
  if (error != std::errc()) return std::nullopt;
  return value;
}
