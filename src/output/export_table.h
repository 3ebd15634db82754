#pragma once
// What the exporters take from a window: the title, the grid's texts in the
// export's size, and the company lines. Plain data, so every exporter can be
// called without a window.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/shared_state.h"

namespace morvadel {

struct ExportTable {
  std::string title;  // the caption of the window's title label
  int rows = 0;       // GridRows: grid row 0 is the heading row
  int cols = 0;       // GridCols: grid column 0 holds the row labels
  std::vector<std::string> cells;  // rows x cols texts, row by row (UTF-8)

  ExportTable() = default;
  ExportTable(std::string title, int rows, int cols);
  const std::string& Text(int r, int c) const { return cells[static_cast<size_t>(r) * cols + c]; }
  std::string& Text(int r, int c) { return cells[static_cast<size_t>(r) * cols + c]; }
};

// The company name, city and address line 1, exported when ShowCompany is 1.
struct CompanyLines {
  std::string name, city, address;
};
std::optional<CompanyLines> CompanyToExport(const SharedState& s);

// A text as a file of another program can hold it: well-formed UTF-8 (a
// byte that starts no UTF-8 letter becomes '?', as the workbook reader
// does), without NUL and without U+FFFE and U+FFFF, which no XML file may
// contain and which end a C string early.
std::string WritableText(std::string_view text);

// A number as the spreadsheet takes it from a cell text: the value and the
// decimals the text shows.
struct SheetNumber {
  double value = 0;
  int decimals = 0;
};
// The cell text read with the program's number reader; nullopt for a text
// that is not a number, for an empty one, and for a number of more digits
// than a spreadsheet number keeps (it would come out as another number).
std::optional<SheetNumber> ReadSheetNumber(std::string_view text, char decimalMark);

}  // namespace morvadel
