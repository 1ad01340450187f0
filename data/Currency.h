#pragma once
// Money amounts and rates: a signed 64-bit integer holding the value × 10000
// (four implied decimals), as the records store them. 12.34 is 123400.
//
// Everything here works on the integer and on decimal digits: no double, no
// C locale. A German desktop still shows and reads 1234.50.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

using Currency = std::int64_t;

inline constexpr Currency kCurrencyScale = 10000;

// printf "%<width>.<decimals>f" of the amount, for decimals 0 to 4: rounded
// half away from zero to the shown decimals, right-aligned with blanks in at
// least `width` characters, no thousands separator. A value that rounds to
// zero shows without a minus sign.
std::string FormatFixed(Currency value, int decimals, int width);

// Whether an amount is nearer to zero than half a cent (below 50 either way):
// a form leaves its box blank, and it counts as no amount.
constexpr bool BelowHalfCent(Currency value) { return value > -50 && value < 50; }

// An amount as the screens and forms show it ("%4.2f"): 1234.50, -3.00, 0.00.
std::string FormatAmount(Currency value);

// A rate percentage as the rates screen shows it ("%6.4f"): 6.2000, 1.4500.
std::string FormatRate(Currency value);

// True when the text is a plain decimal number: an optional sign, digits with
// an optional decimal point (at least one digit in all), then optionally an
// exponent (e or E, an optional sign, digits). Nothing else: no blanks, no
// thousands separators, no currency signs, no "inf", "nan" or hex.
bool IsPlainDecimal(std::string_view text);

// The value of a plain decimal text as a double, for comparisons and
// plausibility warnings (never for stored amounts); empty when the text is
// not a plain decimal. The text is taken as it is: trim it first.
std::optional<double> PlainDecimalValue(std::string_view text);

// The plain decimal number of the text, converted exactly from its digits and
// rounded to `decimals` (0 to 4) places, ties to even. Empty when the text is
// not a plain decimal or its value does not fit a Currency.
std::optional<Currency> ParseDecimal(std::string_view text, int decimals);

// A typed amount: kept to four decimals when the text has a period and more
// than two characters follow the first one, otherwise rounded to cents; ties
// to even. Empty when the text is not a plain decimal or its value does not
// fit a Currency. The text is taken as is (the entry rules trim it first).
std::optional<Currency> ParseAmount(std::string_view text);

// A whole number: an optional sign and decimal digits within the 32-bit range.
// Empty for anything else.
std::optional<std::int32_t> ParseWholeNumber(std::string_view text);

// wage × ratePercent / 100 (ratePercent is a percentage such as 6.2000),
// computed exactly and rounded half to even to 0.0001. A product beyond the
// Currency range gives the nearest end of the range.
Currency TaxProduct(Currency wage, Currency ratePercent);
