#include "output/number_mask.h"

#include <optional>

#include "model/number.h"

namespace morvadel {

size_t CharCount(std::string_view utf8) {
  size_t n = 0;
  for (unsigned char c : utf8)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

namespace {

// The one place that reads a number text for the masks.
std::optional<Decimal> ReadMaskedNumber(std::string_view text, char decimalMark) {
  return ReadNumber(text, decimalMark);
}

bool IsBlank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

struct NumberMask {
  int minIntegerDigits = 0;  // the "0" before the decimal point
  int decimals = 0;
};

// "#" and "0", then optionally "." and "0"s; nullopt for any other shape.
std::optional<NumberMask> ParseNumberMask(std::string_view mask) {
  NumberMask m;
  size_t i = 0;
  for (; i < mask.size() && (mask[i] == '#' || mask[i] == '0'); ++i)
    if (mask[i] == '0') ++m.minIntegerDigits;
  if (i == 0 && (mask.empty() || mask[0] != '.')) return std::nullopt;
  if (i < mask.size() && mask[i] == '.') {
    for (++i; i < mask.size() && mask[i] == '0'; ++i) ++m.decimals;
  }
  if (i != mask.size()) return std::nullopt;
  return m;
}

bool IsAlignMask(std::string_view mask) {
  return !mask.empty() && mask.find_first_not_of('@') == std::string_view::npos;
}

// Adds one to a run of decimal digits ("199" -> "200", "99" -> "100").
void Increment(std::string& digits) {
  for (size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return;
    }
    digits[i] = '0';
  }
  digits.insert(digits.begin(), '1');
}

// Rounds on the decimal digits themselves, so no value is too large and no
// half is lost to binary floating point.
std::string FormatNumber(const Decimal& value, const NumberMask& mask, char decimalMark) {
  // All digits of the value scaled to mask.decimals places, before rounding.
  std::string digits = value.digits;
  if (value.scale <= mask.decimals) {
    digits.append(static_cast<size_t>(mask.decimals - value.scale), '0');
  } else {
    const size_t cut = static_cast<size_t>(value.scale - mask.decimals);
    if (digits.size() < cut + 1) digits.insert(0, cut + 1 - digits.size(), '0');
    const bool up = digits[digits.size() - cut] >= '5';
    digits.resize(digits.size() - cut);
    if (up) Increment(digits);
  }
  const size_t decimals = static_cast<size_t>(mask.decimals);
  if (digits.size() < decimals) digits.insert(0, decimals - digits.size(), '0');
  std::string integer = digits.substr(0, digits.size() - decimals);
  const std::string fraction = digits.substr(digits.size() - decimals);
  const size_t lead = integer.find_first_not_of('0');
  integer.erase(0, lead == std::string::npos ? integer.size() : lead);
  const bool zero = integer.empty() && fraction.find_first_not_of('0') == std::string::npos;
  if (integer.size() < static_cast<size_t>(mask.minIntegerDigits))
    integer.insert(0, static_cast<size_t>(mask.minIntegerDigits) - integer.size(), '0');

  std::string out;
  if (value.negative && !zero) out += '-';
  out += integer;
  if (decimals > 0) {
    out += decimalMark;
    out += fraction;
  }
  if (integer.empty() && decimals == 0) return "";  // "#" masks show zero as nothing
  return out;
}

std::string Align(std::string_view text, size_t width) {
  const size_t n = CharCount(text);
  std::string out;
  if (n < width) out.assign(width - n, ' ');
  out += text;
  return out;
}

std::string FormatDecimal(const Decimal& value, std::string_view mask, char decimalMark, std::string_view asText) {
  if (IsAlignMask(mask)) return Align(asText, mask.size());
  const auto m = ParseNumberMask(mask);
  if (!m) return std::string(asText);
  return FormatNumber(value, *m, decimalMark);
}

}  // namespace

std::string FormatMask(std::string_view text, std::string_view mask, char decimalMark) {
  if (IsAlignMask(mask)) return Align(text, mask.size());
  const auto m = ParseNumberMask(mask);
  if (!m || IsBlank(text)) return m ? std::string() : std::string(text);
  const auto value = ReadMaskedNumber(text, decimalMark);
  if (!value) return std::string(text);
  return FormatNumber(*value, *m, decimalMark);
}

std::string FormatMask(const Cell& cell, std::string_view mask, char decimalMark) {
  if (!cell.IsBlank())
    if (const auto value = CellDecimal(cell, decimalMark))
      return FormatDecimal(*value, mask, decimalMark, CellText(cell, decimalMark));
  return FormatMask(CellText(cell, decimalMark), mask, decimalMark);
}

std::string FormatMask(Currency value, std::string_view mask, char decimalMark) {
  return FormatMask(Cell::Money(value), mask, decimalMark);
}

bool IsNilCell(const Cell& cell, char decimalMark) {
  const auto value = CellDecimal(cell, decimalMark);
  return value && value->IsZero();
}

}  // namespace morvadel
