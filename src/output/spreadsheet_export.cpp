#include "output/spreadsheet_export.h"

#include <locale.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <map>
#include <utility>

namespace morvadel {

namespace {

constexpr double kSheetFontSize = 8;
constexpr double kTitleFontSize = 14;
constexpr const char* kTitleFont = "Times New Roman";
constexpr double kSmallRowHeight = 11.25;  // points: a row of 8-point text
constexpr double kTitleRowHeight = 18.75;  // the title's row, 14 points
constexpr int kTitleRow = 5, kTitleCol = 2;
constexpr double kDefaultCharPx = 7;       // a "0" of the default font: one width unit
constexpr double kColumnPaddingPx = 5;     // the default font's cell margins
constexpr double kWidestColumn = 255;      // the widest column a spreadsheet takes
constexpr size_t kCellCharacters = 32767;  // the most a cell holds, in UTF-16 units

enum class Style { Plain, Heading, Value, Title };

// The formats of one workbook, made once per style and number of decimals.
class Formats {
 public:
  explicit Formats(lxw_workbook* wb) : wb_(wb) {}
  lxw_format* Get(Style style, int decimals = -1) {
    auto& f = cache_[{style, decimals}];
    if (f) return f;
    f = workbook_add_format(wb_);
    if (style == Style::Title) {
      format_set_font_name(f, kTitleFont);
      format_set_font_size(f, kTitleFontSize);
    } else {
      format_set_font_size(f, kSheetFontSize);
    }
    if (style == Style::Heading) format_set_bold(f);
    if (style == Style::Heading || style == Style::Value) format_set_align(f, LXW_ALIGN_RIGHT);
    if (decimals >= 0) {
      // The number shows as its text did: no grouping, the same decimals.
      std::string mask = "0";
      if (decimals > 0) mask += "." + std::string(static_cast<size_t>(decimals), '0');
      format_set_num_format(f, mask.c_str());
    }
    return f;
  }

 private:
  lxw_workbook* wb_;
  std::map<std::pair<Style, int>, lxw_format*> cache_;
};

// A text as a cell holds it: what XML can carry, cut at the cell's limit
// (a longer text would be refused and the cell left empty).
std::string CellString(std::string_view text) {
  std::string s = WritableText(text);
  size_t units = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    const unsigned char ch = static_cast<unsigned char>(s[i]);
    if ((ch & 0xC0) == 0x80) continue;  // continuation byte of a UTF-8 letter
    units += ch >= 0xF0 ? 2 : 1;        // beyond U+FFFF a letter takes two
    if (units > kCellCharacters) {
      s.resize(i);
      break;
    }
  }
  return s;
}

// A text as the spreadsheet program takes it when it is typed: a number
// becomes a number cell, anything else stays text. Spreadsheet rows and
// columns count from 1 here.
void WriteCell(lxw_worksheet* ws, Formats& formats, int row, int col, const std::string& text, Style style,
               char decimalMark) {
  const auto r = static_cast<lxw_row_t>(row - 1);
  const auto c = static_cast<lxw_col_t>(col - 1);
  if (text.empty()) {
    // An empty cell of the value range is right-aligned all the same, for
    // what the user types there.
    if (style == Style::Value) worksheet_write_blank(ws, r, c, formats.Get(style));
    return;
  }
  if (std::optional<SheetNumber> n = ReadSheetNumber(text, decimalMark)) {
    worksheet_write_number(ws, r, c, n->value, formats.Get(style, n->decimals));
    return;
  }
  worksheet_write_string(ws, r, c, CellString(text).c_str(), formats.Get(style));
}

// Pixels of a text in the sheet's 8-point font, as the default sans-serif
// face draws it; a little wide rather than narrow, so figures never turn
// into "###".
double TextPx(const std::string& text, bool bold) {
  double px = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char ch = static_cast<unsigned char>(text[i]);
    if ((ch & 0xC0) == 0x80) continue;  // continuation byte of a UTF-8 letter
    if (ch == ' ') px += 2.4;
    else if (ch >= '0' && ch <= '9') px += 5.2;
    else if (ch >= 'A' && ch <= 'Z') px += ch == 'M' || ch == 'W' ? 8.2 : 5.9;
    else if (ch >= 'a' && ch <= 'z') px += ch == 'm' || ch == 'w' ? 7.6 : ch == 'i' || ch == 'l' ? 2.2 : 4.8;
    else if (ch >= 0x80) px += 5.2;  // a Croatian or other letter
    else px += 3.4;                  // punctuation
  }
  return bold ? px * 1.08 : px;
}

// libxlsxwriter prints every number of the file (values, widths, heights,
// margins) with the C library's printf, which follows the program's locale:
// Qt sets the desktop's at start-up, and a Croatian one would write "12,5",
// which spreadsheet programs read as 12 or not at all. For the length of a
// write this thread prints its numbers the "C" way; the rest of the
// locale stays.
class CNumbersInThisThread {
 public:
  CNumbersInThisThread() {
    if (locale_t base = ::duplocale(LC_GLOBAL_LOCALE)) {
      numbers_ = ::newlocale(LC_NUMERIC_MASK, "C", base);
      if (!numbers_) ::freelocale(base);
    }
    if (numbers_) previous_ = ::uselocale(numbers_);
  }
  ~CNumbersInThisThread() {
    if (!numbers_) return;
    ::uselocale(previous_);
    ::freelocale(numbers_);
  }
  CNumbersInThisThread(const CNumbersInThisThread&) = delete;
  CNumbersInThisThread& operator=(const CNumbersInThisThread&) = delete;

 private:
  locale_t numbers_ = nullptr;
  locale_t previous_ = nullptr;
};

}  // namespace

std::string ExcelColumnName(int n) {
  std::string name;
  while (n > 0) {
    const int rest = (n - 1) % 26;
    name.insert(name.begin(), static_cast<char>('A' + rest));
    n = (n - 1) / 26;
  }
  return name;
}

std::string SheetValueRange(int gridRows, int gridCols) {
  return "B" + std::to_string(kSheetHeadingRow + 1) + ":" + ExcelColumnName(gridCols) +
         std::to_string(gridRows + kSheetHeadingRow - 1);
}

std::string SheetName(int number, int16_t language) {
  return (language == kCroatian ? "List" : "Sheet") + std::to_string(number);
}

std::vector<double> FittedColumnWidths(const ExportTable& table, char decimalMark) {
  std::vector<double> widths(static_cast<size_t>(table.cols), 0.0);
  for (int c = 0; c < table.cols; ++c) {
    double px = 0;
    for (int r = 0; r < table.rows; ++r) {
      const std::string& text = table.Text(r, c);
      if (text.empty()) continue;
      // A number shows without the blanks around it.
      std::string shown = text;
      if (ReadSheetNumber(text, decimalMark)) {
        const size_t b = shown.find_first_not_of(" \t");
        const size_t e = shown.find_last_not_of(" \t");
        shown = shown.substr(b, e - b + 1);
      }
      px = std::max(px, TextPx(shown, r == 0));
    }
    if (px > 0)
      widths[static_cast<size_t>(c)] =
          std::clamp((px + kColumnPaddingPx) / kDefaultCharPx + 0.6, 1.0, kWidestColumn);
  }
  return widths;
}

int WriteSpreadsheet(const std::string& path, const std::vector<SpreadsheetSheet>& sheets, int16_t language,
                     char decimalMark) {
  const CNumbersInThisThread cNumbers;
  errno = 0;
  lxw_workbook* wb = workbook_new(path.c_str());
  if (!wb) return errno ? errno : ENOMEM;
  Formats formats(wb);
  bool first = true;
  for (const SpreadsheetSheet& sheet : sheets) {
    const ExportTable& t = sheet.table;
    lxw_worksheet* ws = workbook_add_worksheet(wb, SheetName(sheet.number, language).c_str());
    if (!ws) {
      workbook_close(wb);
      return EINVAL;
    }
    if (first) worksheet_activate(ws);
    first = false;

    // Font size 8 in every column; each column of the table as wide as its
    // longest text.
    const std::vector<double> widths = FittedColumnWidths(t, decimalMark);
    for (int c = 0; c < std::max(t.cols, 2); ++c) {
      const double w = c < t.cols && widths[static_cast<size_t>(c)] > 0 ? widths[static_cast<size_t>(c)]
                                                                          : LXW_DEF_COL_WIDTH;
      worksheet_set_column(ws, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), w, formats.Get(Style::Plain));
    }
    worksheet_set_column(ws, static_cast<lxw_col_t>(std::max(t.cols, 2)), LXW_COL_MAX - 1, LXW_DEF_COL_WIDTH,
                         formats.Get(Style::Plain));
    const int lastRow = std::max(t.rows + kSheetHeadingRow - 1, kSheetHeadingRow);
    for (int r = 1; r <= lastRow; ++r) {
      lxw_format* rowFormat = r == kSheetHeadingRow ? formats.Get(Style::Heading) : formats.Get(Style::Plain);
      worksheet_set_row(ws, static_cast<lxw_row_t>(r - 1), r == kTitleRow ? kTitleRowHeight : kSmallRowHeight,
                        r == kTitleRow ? nullptr : rowFormat);
    }

    if (sheet.company) {
      WriteCell(ws, formats, 1, 1, sheet.company->name, Style::Plain, decimalMark);
      WriteCell(ws, formats, 2, 1, sheet.company->city, Style::Plain, decimalMark);
      WriteCell(ws, formats, 3, 1, sheet.company->address, Style::Plain, decimalMark);
    }
    WriteCell(ws, formats, kTitleRow, kTitleCol, t.title, Style::Title, decimalMark);

    for (int r = 0; r < t.rows; ++r)
      for (int c = 0; c < t.cols; ++c) {
        const Style style = r == 0 ? Style::Heading : c == 0 ? Style::Plain : Style::Value;
        WriteCell(ws, formats, r + kSheetHeadingRow, c + 1, t.Text(r, c), style, decimalMark);
      }
  }
  errno = 0;
  const lxw_error e = workbook_close(wb);
  if (e == LXW_NO_ERROR) return 0;
  return errno ? errno : EIO;
}

}  // namespace morvadel
