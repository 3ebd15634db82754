#include "number.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace morvadel {
namespace {

bool IsBlankChar(char c) { return c == ' ' || c == '\t'; }

void Normalize(Decimal& d) {
  size_t lead = d.digits.find_first_not_of('0');
  d.digits.erase(0, lead == std::string::npos ? d.digits.size() : lead);
  while (d.scale > 0 && !d.digits.empty() && d.digits.back() == '0') {
    d.digits.pop_back();
    --d.scale;
  }
  if (d.digits.empty()) {
    d.negative = false;
    d.scale = 0;
  }
}

enum class Remainder { Zero, BelowHalf, Half, AboveHalf };

bool RoundsUp(bool negative, bool lastOdd, Remainder rem, Rounding mode) {
  switch (rem) {
    case Remainder::Zero:
    case Remainder::BelowHalf:
      return false;
    case Remainder::AboveHalf:
      return true;
    case Remainder::Half:
      // Magnitudes: half-even goes to the even neighbour; half-up goes
      // towards plus infinity, which for a negative value is towards zero.
      return mode == Rounding::HalfEven ? lastOdd : !negative;
  }
  return false;
}

// Parses an unsigned run of decimal digits; nullopt beyond int64.
std::optional<uint64_t> ParseDigits(std::string_view digits) {
  uint64_t v = 0;
  for (char c : digits) {
    if (v > (std::numeric_limits<uint64_t>::max() - 9) / 10) return std::nullopt;
    v = v * 10 + static_cast<uint64_t>(c - '0');
  }
  return v;
}

// The most negative value has no positive twin: its magnitude is max + 1.
std::optional<int64_t> Signed(uint64_t magnitude, bool negative) {
  constexpr uint64_t kMax = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
  if (negative && magnitude == kMax + 1) return std::numeric_limits<int64_t>::min();
  if (magnitude > kMax) return std::nullopt;
  int64_t v = static_cast<int64_t>(magnitude);
  return negative ? -v : v;
}

Int128 Pow10(int n) {
  Int128 p = 1;
  for (int i = 0; i < n; ++i) p *= 10;
  return p;
}

}  // namespace

namespace {

bool IsDigitChar(char c) { return c >= '0' && c <= '9'; }

// The reader behind ReadNumber and ReadFileNumber; group '\0' allows no
// group separator.
std::optional<Decimal> Parse(std::string_view text, char mark, char group) {
  size_t b = 0, e = text.size();
  while (b < e && IsBlankChar(text[b])) ++b;
  while (e > b && IsBlankChar(text[e - 1])) --e;
  std::string_view t = text.substr(b, e - b);
  Decimal d;
  size_t i = 0;
  if (i < t.size() && (t[i] == '-' || t[i] == '+')) {
    d.negative = t[i] == '-';
    ++i;
  }
  // Whole part: a run of digits, or grouped digits when a separator comes.
  const size_t wholeStart = i;
  while (i < t.size() && IsDigitChar(t[i])) d.digits.push_back(t[i++]);
  if (group != '\0' && i < t.size() && t[i] == group) {
    const size_t lead = i - wholeStart;
    if (lead < 1 || lead > 3 || t[wholeStart] == '0') return std::nullopt;
    while (i < t.size() && t[i] == group) {
      ++i;
      for (int k = 0; k < 3; ++k, ++i) {
        if (i >= t.size() || !IsDigitChar(t[i])) return std::nullopt;
        d.digits.push_back(t[i]);
      }
    }
    if (i < t.size() && IsDigitChar(t[i])) return std::nullopt;  // a group of four
  }
  bool sawDigit = !d.digits.empty();
  if (i < t.size() && t[i] == mark) {
    ++i;
    while (i < t.size() && IsDigitChar(t[i])) {
      d.digits.push_back(t[i++]);
      ++d.scale;
      sawDigit = true;
    }
  }
  if (i != t.size() || !sawDigit) return std::nullopt;
  Normalize(d);
  return d;
}

}  // namespace

std::optional<Decimal> ReadNumber(std::string_view text, char decimalMark) {
  const char mark = decimalMark == ',' ? ',' : '.';
  return Parse(text, mark, mark == ',' ? '.' : ',');
}

std::optional<Decimal> ReadFileNumber(std::string_view text) { return Parse(text, '.', '\0'); }

std::optional<int64_t> ReadPlainWhole(std::string_view text) {
  size_t b = 0, e = text.size();
  while (b < e && IsBlankChar(text[b])) ++b;
  while (e > b && IsBlankChar(text[e - 1])) --e;
  bool negative = false;
  if (b < e && (text[b] == '-' || text[b] == '+')) negative = text[b++] == '-';
  if (b == e || e - b > 18) return std::nullopt;  // 18 digits always fit
  int64_t v = 0;
  for (size_t i = b; i < e; ++i) {
    if (!IsDigitChar(text[i])) return std::nullopt;
    v = v * 10 + (text[i] - '0');
  }
  return negative ? -v : v;
}

std::string FormatDecimal(const Decimal& value, char mark) {
  if (value.IsZero()) return "0";
  std::string out = value.negative ? "-" : "";
  const size_t scale = static_cast<size_t>(value.scale);
  if (value.digits.size() <= scale) {
    out += '0';
    out += mark;
    out.append(scale - value.digits.size(), '0');
    out += value.digits;
  } else {
    const size_t whole = value.digits.size() - scale;
    out.append(value.digits, 0, whole);
    if (scale > 0) {
      out += mark;
      out.append(value.digits, whole, std::string::npos);
    }
  }
  return out;
}

Decimal DecimalFromDouble(double value) {
  Decimal d;
  if (!std::isfinite(value) || value == 0.0) return d;
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value);
  std::string_view s(buf, static_cast<size_t>(res.ptr - buf));
  size_t i = 0;
  if (s[i] == '-') {
    d.negative = true;
    ++i;
  }
  bool sawMark = false;
  int exponent = 0;
  for (; i < s.size(); ++i) {
    char c = s[i];
    if (c >= '0' && c <= '9') {
      d.digits.push_back(c);
      if (sawMark) ++d.scale;
    } else if (c == '.') {
      sawMark = true;
    } else if (c == 'e') {
      std::from_chars(s.data() + i + 1 + (s[i + 1] == '+' ? 1 : 0), s.data() + s.size(), exponent);
      break;
    }
  }
  d.scale -= exponent;
  if (d.scale < 0) {
    d.digits.append(static_cast<size_t>(-d.scale), '0');
    d.scale = 0;
  }
  Normalize(d);
  return d;
}

Decimal DecimalFromScaled(int64_t scaled, int places) {
  Decimal d;
  d.negative = scaled < 0;
  uint64_t mag = d.negative ? 0 - static_cast<uint64_t>(scaled) : static_cast<uint64_t>(scaled);
  d.digits = std::to_string(mag);
  d.scale = places;
  Normalize(d);
  return d;
}

std::optional<int64_t> RoundScaled(const Decimal& value, int places, Rounding mode) {
  if (value.IsZero()) return 0;
  const int shift = places - value.scale;
  const std::string& digits = value.digits;
  if (shift >= 0) {
    if (digits.size() + static_cast<size_t>(shift) > 19) return std::nullopt;
    auto mag = ParseDigits(digits);
    if (!mag) return std::nullopt;
    uint64_t v = *mag;
    for (int k = 0; k < shift; ++k) {
      if (v > std::numeric_limits<uint64_t>::max() / 10) return std::nullopt;
      v *= 10;
    }
    return Signed(v, value.negative);
  }
  const size_t cut = static_cast<size_t>(-shift);
  std::string_view kept, rest;
  std::string padded;
  if (cut >= digits.size()) {
    padded.assign(cut - digits.size(), '0');
    padded += digits;
    rest = padded;
  } else {
    kept = std::string_view(digits).substr(0, digits.size() - cut);
    rest = std::string_view(digits).substr(digits.size() - cut);
  }
  Remainder rem = Remainder::Zero;
  if (rest.find_first_not_of('0') != std::string_view::npos) {
    if (rest[0] > '5') {
      rem = Remainder::AboveHalf;
    } else if (rest[0] < '5') {
      rem = Remainder::BelowHalf;
    } else {
      rem = rest.find_first_not_of('0', 1) == std::string_view::npos ? Remainder::Half
                                                                      : Remainder::AboveHalf;
    }
  }
  if (kept.size() > 19) return std::nullopt;
  auto mag = ParseDigits(kept);
  if (!mag) return std::nullopt;
  uint64_t q = *mag;
  if (RoundsUp(value.negative, (q & 1) != 0, rem, mode)) ++q;
  if (q == 0) return 0;
  return Signed(q, value.negative);
}

std::optional<int64_t> RoundQuotient(Int128 num, Int128 den, int places, Rounding mode) {
  if (den == 0) return std::nullopt;
  Int128 n = num * Pow10(places);
  bool negative = (n < 0) != (den < 0);
  Int128 a = n < 0 ? -n : n;
  Int128 b = den < 0 ? -den : den;
  Int128 q = a / b;
  Int128 r = a % b;
  Remainder rem = Remainder::Zero;
  if (r != 0) {
    Int128 twice = 2 * r;
    rem = twice < b ? Remainder::BelowHalf : twice == b ? Remainder::Half : Remainder::AboveHalf;
  }
  if (RoundsUp(negative, (q & 1) != 0, rem, mode)) ++q;
  if (q > static_cast<Int128>(std::numeric_limits<uint64_t>::max())) return std::nullopt;
  return Signed(static_cast<uint64_t>(q), negative);
}

double ScaledToDouble(int64_t scaled, int places) {
  constexpr int64_t kExact = int64_t{1} << 53;
  if (places <= 22 && scaled > -kExact && scaled < kExact) {
    double p = 1.0;
    for (int i = 0; i < places; ++i) p *= 10.0;
    return static_cast<double>(scaled) / p;  // one correctly rounded division
  }
  std::string s = std::to_string(scaled) + "e-" + std::to_string(places);
  double v = 0.0;
  std::from_chars(s.data(), s.data() + s.size(), v);
  return v;
}

std::string FormatScaled(int64_t scaled, int places, char mark) {
  return FormatDecimal(DecimalFromScaled(scaled, places), mark);
}

std::string FormatDouble(double value, char mark) {
  if (value == 0.0 || !std::isfinite(value)) return "0";
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
  std::string s(buf, static_cast<size_t>(res.ptr - buf));
  // Trim trailing zeros of the mantissa, exponent forms included.
  size_t ePos = s.find('e');
  std::string mant = s.substr(0, ePos);
  std::string exp = ePos == std::string::npos ? "" : s.substr(ePos);
  if (mant.find('.') != std::string::npos) {
    while (!mant.empty() && mant.back() == '0') mant.pop_back();
    if (!mant.empty() && mant.back() == '.') mant.pop_back();
  }
  for (char& c : mant)
    if (c == '.') c = mark;
  if (!exp.empty()) {
    for (char& c : exp)
      if (c == 'e') c = 'E';
  }
  return mant + exp;
}

double RoundHalfUp(const double& value, const uint8_t& digits) {
  const int places = digits > 9 ? 9 : digits;
  if (!std::isfinite(value)) return value;
  auto r = RoundScaled(DecimalFromDouble(value), places, Rounding::HalfUp);
  if (!r) {
    double f = std::pow(10.0, places);
    return std::floor(value * f + 0.5) / f;
  }
  if (*r == 0) return 0.0;
  return ScaledToDouble(*r, places);
}

}  // namespace morvadel
