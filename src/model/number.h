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

// The one reader of typed numbers in the program: optional blanks around,
// an optional sign, digits with at most one decimal mark ("," or "."), no
// thousands separators. "1,0000" is one, "12,5" and "12.5" are twelve and a
// half, ".5" is a half. Anything else gives nullopt.
std::optional<Decimal> ReadNumber(std::string_view text);

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
