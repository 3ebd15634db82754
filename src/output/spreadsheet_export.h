#pragma once
// The spreadsheet export: the tables of the run's exports as the sheets of
// one .xlsx workbook, laid out as the analyst knows it: the company lines in
// A1..A3, the title in B5, the heading row 9 in bold, the row labels in
// column A from row 10 and the values right-aligned beside them.
#include <optional>
#include <string>
#include <vector>

#include "output/export_table.h"

namespace morvadel {

// One sheet of the workbook: an export of the run.
struct SpreadsheetSheet {
  int number = 0;  // the export's place in the run, 1 for the first
  ExportTable table;
  std::optional<CompanyLines> company;  // A1..A3 when the company is shown
};

// Writes the sheets in their order, the first one active (the run keeps the
// newest first), into a new .xlsx file at path. Cell texts that read as
// numbers become number cells showing the decimals they had; a text longer
// than a cell holds (32,767 characters) is cut there. Returns 0 or an errno.
int WriteSpreadsheet(const std::string& path, const std::vector<SpreadsheetSheet>& sheets, int16_t language,
                     char decimalMark);

// The spreadsheet name of column n (1 "A", 26 "Z", 27 "AA", 52 "AZ",
// 53 "BA", 702 "ZZ", 703 "AAA"); "" below 1.
std::string ExcelColumnName(int n);

// Where a table goes: the heading row is spreadsheet row 9, grid cell (r, c)
// is row r + 9, column c + 1; the values fill "B10" to the last cell.
inline constexpr int kSheetHeadingRow = 9;
std::string SheetValueRange(int gridRows, int gridCols);  // "B10:G61" for 53 x 7

// Column widths in spreadsheet units (the width of a "0" in the default
// font), fitted to the longest text of each grid column as it shows in the
// sheet's 8-point font, at most 255; 0 for a column without text (the
// default width).
std::vector<double> FittedColumnWidths(const ExportTable& table, char decimalMark);

// The sheet's name: "Sheet<n>" ("List<n>" in Croatian), as the spreadsheet
// program names a new sheet.
std::string SheetName(int number, int16_t language);

}  // namespace morvadel
