#include "output/export_table.h"

#include <charconv>
#include <string>

#include "model/codepage.h"
#include "model/number.h"

namespace morvadel {

namespace {
// Significant digits a spreadsheet number holds.
constexpr size_t kSheetDigits = 15;
}  // namespace

ExportTable::ExportTable(std::string title_, int rows_, int cols_)
    : title(std::move(title_)),
      rows(rows_ > 0 ? rows_ : 0),
      cols(cols_ > 0 ? cols_ : 0),
      cells(static_cast<size_t>(rows) * cols) {}

std::optional<CompanyLines> CompanyToExport(const SharedState& s) {
  if (s.ShowCompany != 1) return std::nullopt;
  auto value = [&s](int line) { return CellText(s.Company(line, 1), s.DecimalMark); };
  return CompanyLines{value(1), value(5), value(2)};
}

std::string WritableText(std::string_view text) {
  std::string out = ValidUtf8(text);
  // In well-formed UTF-8 these bytes can only be the letters themselves.
  std::erase(out, '\0');
  for (std::string_view nonCharacter : {"\xEF\xBF\xBE", "\xEF\xBF\xBF"})
    for (size_t at = out.find(nonCharacter); at != std::string::npos; at = out.find(nonCharacter, at))
      out.erase(at, nonCharacter.size());
  return out;
}

std::optional<SheetNumber> ReadSheetNumber(std::string_view text, char decimalMark) {
  const std::optional<Decimal> d = ReadNumber(text, decimalMark);
  if (!d) return std::nullopt;
  std::string_view significant = d->digits;
  while (!significant.empty() && significant.back() == '0') significant.remove_suffix(1);
  if (significant.size() > kSheetDigits) return std::nullopt;

  SheetNumber n;
  if (!d->IsZero()) {
    const std::string s = (d->negative ? "-" : "") + d->digits + "e-" + std::to_string(d->scale);
    if (std::from_chars(s.data(), s.data() + s.size(), n.value).ec != std::errc()) return std::nullopt;
  }
  // The decimals as written, trailing zeros included ("12.50" shows two);
  // a group separator comes before the decimal mark, never after it.
  const size_t mark = text.find(decimalMark == ',' ? ',' : '.');
  if (mark != std::string_view::npos)
    for (size_t i = mark + 1; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) ++n.decimals;
  return n;
}

}  // namespace morvadel
