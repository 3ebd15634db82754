#include "cell.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "number.h"

namespace morvadel {

double Currency::ToDouble() const { return ScaledToDouble(raw, kPlaces); }

Cell Cell::Text(std::string text) {
  Cell c;
  c.v_ = std::move(text);
  return c;
}
Cell Cell::Int16(int16_t value) {
  Cell c;
  c.v_ = value;
  return c;
}
Cell Cell::Int32(int32_t value) {
  Cell c;
  c.v_ = value;
  return c;
}
Cell Cell::Money(Currency value) {
  Cell c;
  c.v_ = value;
  return c;
}
Cell Cell::Double(double value) {
  Cell c;
  c.v_ = value;
  return c;
}
Cell Cell::FileNumber(std::string chars) {
  Cell c;
  c.v_ = FileNumberChars{std::move(chars)};
  return c;
}

bool Cell::IsBlank() const {
  if (IsEmpty()) return true;
  const std::string* t = std::get_if<std::string>(&v_);
  if (const auto* f = std::get_if<FileNumberChars>(&v_)) t = &f->chars;
  return t != nullptr && t->find_first_not_of(" \t") == std::string::npos;
}

const std::string& Cell::text() const {
  static const std::string kNone;
  if (const auto* t = std::get_if<std::string>(&v_)) return *t;
  return kNone;
}

const std::string& Cell::fileChars() const {
  static const std::string kNone;
  if (const auto* f = std::get_if<FileNumberChars>(&v_)) return f->chars;
  return kNone;
}

namespace {

template <class T>
Converted<T> Fail(ConvStatus s) {
  return Converted<T>{s, T{}};
}

// The exact decimal value, and whether a failure means "not a number"
// (a text) rather than "out of range" (a double beyond every decimal).
std::optional<Decimal> DecimalOf(const Cell& cell, char decimalMark, bool& notNumber) {
  auto d = CellDecimal(cell, decimalMark);
  notNumber = !d && (cell.kind() == CellKind::Text || cell.kind() == CellKind::FileNumber);
  return d;
}

}  // namespace

std::optional<Decimal> CellDecimal(const Cell& cell, char decimalMark) {
  switch (cell.kind()) {
    case CellKind::Empty:
      return Decimal{};
    case CellKind::Text:
      if (cell.IsBlank()) return Decimal{};
      return ReadNumber(cell.text(), decimalMark);
    case CellKind::FileNumber:
      if (cell.IsBlank()) return Decimal{};
      return ReadFileNumber(cell.fileChars());
    case CellKind::Int16:
      return DecimalFromScaled(cell.int16(), 0);
    case CellKind::Int32:
      return DecimalFromScaled(cell.int32(), 0);
    case CellKind::Currency:
      return DecimalFromScaled(cell.money().raw, Currency::kPlaces);
    case CellKind::Double:
      if (!std::isfinite(cell.dbl())) return std::nullopt;
      return DecimalFromDouble(cell.dbl());
  }
  return std::nullopt;
}

Converted<int32_t> ToWhole(const Cell& cell, char decimalMark) {
  // Most cells of a workbook are empty or plain whole numbers: those are
  // read at once, every other text by the full reader.
  if (cell.IsBlank()) return {ConvStatus::Ok, 0};
  const std::string* chars = cell.IsText() ? &cell.text() : cell.kind() == CellKind::FileNumber ? &cell.fileChars() : nullptr;
  if (chars != nullptr)
    if (const auto v = ReadPlainWhole(*chars)) {
      if (*v < std::numeric_limits<int32_t>::min() || *v > std::numeric_limits<int32_t>::max())
        return Fail<int32_t>(ConvStatus::OutOfRange);
      return {ConvStatus::Ok, static_cast<int32_t>(*v)};
    }
  bool notNumber = false;
  auto d = DecimalOf(cell, decimalMark, notNumber);
  if (!d) return Fail<int32_t>(notNumber ? ConvStatus::NotNumber : ConvStatus::OutOfRange);
  auto v = RoundScaled(*d, 0, Rounding::HalfEven);
  if (!v || *v < std::numeric_limits<int32_t>::min() || *v > std::numeric_limits<int32_t>::max())
    return Fail<int32_t>(ConvStatus::OutOfRange);
  return {ConvStatus::Ok, static_cast<int32_t>(*v)};
}

Converted<Currency> ToCurrency(const Cell& cell, char decimalMark) {
  bool notNumber = false;
  auto d = DecimalOf(cell, decimalMark, notNumber);
  if (!d) return Fail<Currency>(notNumber ? ConvStatus::NotNumber : ConvStatus::OutOfRange);
  auto v = RoundScaled(*d, Currency::kPlaces, Rounding::HalfEven);
  if (!v) return Fail<Currency>(ConvStatus::OutOfRange);
  return {ConvStatus::Ok, Currency::FromRaw(*v)};
}

Converted<double> ToDouble(const Cell& cell, char decimalMark) {
  switch (cell.kind()) {
    case CellKind::Double:
      return {ConvStatus::Ok, cell.dbl()};
    case CellKind::Int16:
      return {ConvStatus::Ok, static_cast<double>(cell.int16())};
    case CellKind::Int32:
      return {ConvStatus::Ok, static_cast<double>(cell.int32())};
    case CellKind::Currency:
      return {ConvStatus::Ok, cell.money().ToDouble()};
    default:
      break;
  }
  bool notNumber = false;
  auto d = DecimalOf(cell, decimalMark, notNumber);
  if (!d) return Fail<double>(ConvStatus::NotNumber);
  if (d->IsZero()) return {ConvStatus::Ok, 0.0};
  std::string s = (d->negative ? "-" : "") + d->digits + "e-" + std::to_string(d->scale);
  double v = 0.0;
  auto res = std::from_chars(s.data(), s.data() + s.size(), v);
  if (res.ec != std::errc()) return Fail<double>(ConvStatus::OutOfRange);
  return {ConvStatus::Ok, v};
}

std::string CellText(const Cell& cell, char decimalMark) {
  switch (cell.kind()) {
    case CellKind::Empty:
      return "";
    case CellKind::Text:
      return cell.text();
    case CellKind::Int16:
      return std::to_string(cell.int16());
    case CellKind::Int32:
      return std::to_string(cell.int32());
    case CellKind::Currency:
      return FormatScaled(cell.money().raw, Currency::kPlaces, decimalMark);
    case CellKind::Double:
      return FormatDouble(cell.dbl(), decimalMark);
    case CellKind::FileNumber: {
      std::string chars = cell.fileChars();
      if (decimalMark != '.' && ReadFileNumber(chars)) {
        for (char& ch : chars)
          if (ch == '.') ch = decimalMark;
      }
      return chars;
    }
  }
  return "";
}

}  // namespace morvadel
