#pragma once
// Exact decimal numbers: reading typed numbers, rounding and formatting.
// Money and ratios are rounded on their decimal value, never on the nearest
// binary double, so a decimal half always rounds the way the rule says.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace morvadel {

__extension__ typedef __int128 Int128;

// value = (negative ? -1 : 1) * digits * 10^-scale; digits has no leading
// zeros and is empty for zero.
struct Decimal {
  bool negative = false;
  std::string digits;
  int scale = 0;
  bool IsZero() const { return digits.empty(); }
};

// The one reader of typed numbers, in the user's regional format: optional
// blanks around, an optional sign, digits with at most one decimal mark
// (decimalMark, '.' or ','; any other value counts as '.'). The other of the
// two marks is the group separator, taken only between groups of exactly
// three digits before the decimal mark, the first group starting with a
// digit other than 0: with ',' as the decimal mark "1.234.567" and
// "1.234,5" read, with '.' "1,234,567" and "1,234.5". ".5" and "5." read.
// Any other use of the marks ("1.5" or "0.123" with ',', "1,5" with '.',
// "1.23.4" with either), exponents, inner blanks and every other character
// give nullopt: a text is never guessed into another value.
std::optional<Decimal> ReadNumber(std::string_view text, char decimalMark);

// A number as the program writes it itself, whatever the locale: optional
// blanks around, an optional sign, digits with at most one point as the
// decimal mark, no group separators ("12.5", "-0.5", ".5", "1234").
std::optional<Decimal> ReadFileNumber(std::string_view text);

// A text that is a whole number in plain digits and nothing else (blanks
// around, an optional sign, at most 18 digits): its value, the same that
// ReadNumber with either mark and ReadFileNumber give it. nullopt for any
// other text, which is then for those readers to judge. The short way for
// the many figures of a workbook.
std::optional<int64_t> ReadPlainWhole(std::string_view text);

// The text of a decimal with the given mark: no grouping, no trailing
// zeros, a leading zero before the mark ("1234", "-0.5", "12,5").
std::string FormatDecimal(const Decimal& value, char mark);

// The shortest decimal that reads back as the same double (0.285 -> "0.285").
Decimal DecimalFromDouble(double value);
Decimal DecimalFromScaled(int64_t scaled, int places);

enum class Rounding {
  HalfEven,  // conversions to whole numbers and to currency
  HalfUp,    // RoundHalfUp: ties towards plus infinity (-2.5 gives -2)
};

// value * 10^places rounded to a whole number; nullopt outside int64.
std::optional<int64_t> RoundScaled(const Decimal& value, int places, Rounding mode);

// num / den * 10^places rounded to a whole number; den must not be 0;
// nullopt outside int64.
std::optional<int64_t> RoundQuotient(Int128 num, Int128 den, int places, Rounding mode);

// The double nearest to scaled / 10^places.
double ScaledToDouble(int64_t scaled, int places);

// Shortest text of scaled / 10^places: no grouping, no trailing zeros,
// the given decimal mark ("1.5", "-0.25", "3").
std::string FormatScaled(int64_t scaled, int places, char mark = '.');

// General number format of a double: up to 15 significant digits, no
// grouping, no trailing zeros.
std::string FormatDouble(double value, char mark = '.');

// The largest whole number not greater than value x 10^digits + 0.5, over
// 10^digits, taken on the decimal value of the double: 0.285 gives 0.29,
// 2.5 gives 3, -2.5 gives -2. digits is 0..9.
double RoundHalfUp(const double& value, const uint8_t& digits);

}  // namespace morvadel
