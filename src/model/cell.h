#pragma once
#include <cstdint>
#include <compare>
#include <optional>
#include <string>
#include <variant>

#include "number.h"

namespace morvadel {

// Fixed-point money with four decimals, held as value x 10,000.
struct Currency {
  int64_t raw = 0;
  static constexpr int64_t kScale = 10000;
  static constexpr int kPlaces = 4;
  static constexpr Currency FromRaw(int64_t r) { return Currency{r}; }
  static constexpr Currency FromWhole(int64_t w) { return Currency{w * kScale}; }
  double ToDouble() const;
  bool IsZero() const { return raw == 0; }
  friend constexpr bool operator==(Currency, Currency) = default;
  friend constexpr auto operator<=>(Currency, Currency) = default;
};

// FileNumber: an unquoted value line of the workbook file, kept as its
// characters so that it is written back exactly as it was read. Its number
// is read with a point as the decimal mark and no grouping, whatever the
// user's locale (ReadFileNumber), and shown with the user's decimal mark;
// characters that do not form such a number are no number at all.
enum class CellKind { Empty, Text, Int16, Int32, Currency, Double, FileNumber };

struct FileNumberChars {
  std::string chars;
  friend bool operator==(const FileNumberChars&, const FileNumberChars&) = default;
};

// A variant cell of the item table and of the other shared tables.
class Cell {
 public:
  Cell() = default;
  static Cell Text(std::string text);
  static Cell Int16(int16_t value);
  static Cell Int32(int32_t value);
  static Cell Money(Currency value);
  static Cell Double(double value);
  static Cell FileNumber(std::string chars);

  CellKind kind() const { return static_cast<CellKind>(v_.index()); }
  bool IsEmpty() const { return kind() == CellKind::Empty; }  // never assigned
  // Empty, or a text or file number of nothing but blanks: counts as the
  // number 0.
  bool IsBlank() const;
  bool IsText() const { return kind() == CellKind::Text; }
  // The text of a text cell; "" for every other kind.
  const std::string& text() const;
  // The characters of a file-number cell; "" for every other kind.
  const std::string& fileChars() const;
  int16_t int16() const { return std::get<int16_t>(v_); }
  int32_t int32() const { return std::get<int32_t>(v_); }
  Currency money() const { return std::get<Currency>(v_); }
  double dbl() const { return std::get<double>(v_); }

  friend bool operator==(const Cell&, const Cell&) = default;

 private:
  std::variant<std::monostate, std::string, int16_t, int32_t, Currency, double, FileNumberChars> v_;
};

enum class ConvStatus { Ok, NotNumber, OutOfRange };

template <class T>
struct Converted {
  ConvStatus status = ConvStatus::Ok;
  T value{};
  bool ok() const { return status == ConvStatus::Ok; }
};

// Conversions of a cell to a number. A blank cell gives 0; a text must read
// as a number in the user's format, decimalMark being the user's decimal
// mark (ReadNumber); a file number reads with a point whatever the mark
// (ReadFileNumber). Whole numbers round halves to even (2.5 gives 2) and
// report a value outside the 32-bit range; currency rounds to four
// decimals, halves to even, and reports a value outside its range.
Converted<int32_t> ToWhole(const Cell& cell, char decimalMark);
Converted<Currency> ToCurrency(const Cell& cell, char decimalMark);
Converted<double> ToDouble(const Cell& cell, char decimalMark);

// The exact decimal value of a cell, read as the conversions above read it
// (a blank cell is 0); nullopt when it is no number.
std::optional<Decimal> CellDecimal(const Cell& cell, char decimalMark);

// The text a cell shows: a text as it is, a number in the general number
// format with the given decimal mark, a file number as its characters with
// its point turned into the given mark, an empty cell as "".
std::string CellText(const Cell& cell, char decimalMark = '.');

}  // namespace morvadel
