#pragma once
// The ".eka" workbook file: Windows-1250 text, one value per line, CR LF,
// 25,615 lines: ItemTable rows 1..1600 by columns 1..16, then CurrencyName,
// UnitIndex, the company block (6 x label and value) and ShowCompany.
#include <string>

#include "shared_state.h"

namespace morvadel {

inline constexpr int kWorkbookLines = 25615;
inline constexpr int kCurrencyLine = 25601;
inline constexpr int kUnitLine = 25602;
inline constexpr int kShowCompanyLine = 25615;

struct FileError {
  enum class Kind { None, CannotOpen, NotWorkbook, TooShort, BadUnitIndex, BadShowCompany, WriteFailed };
  Kind kind = Kind::None;
  int line = 0;        // the offending line, where there is one
  std::string detail;  // the system's reason, where there is one
  bool ok() const { return kind == Kind::None; }
};

// Writes the workbook to FileName; does nothing when FileName is empty.
FileError SaveDataFile(SharedState& s);

// Writes the 25,615 lines to a temporary file beside FileName and renames it
// over FileName, so a failed write leaves the old file as it was.
FileError WriteDataFile(SharedState& s);

// Reads FileName into the workbook. The whole file is read and checked
// first: on any error nothing in s changes. An empty FileName sets
// NewDocFlag to 7 and only rebuilds ItemValues. After a read every stored
// cell and company entry holds text, UnitText follows UnitIndex and Language,
// and ItemValues is rebuilt.
FileError CitajDatoteku(SharedState& s);

// Empties the stored part of ItemTable (rows 1..1600, columns 1..16).
void BrisiDatoteku(SharedState& s);

// ItemValues(r, c) for r = 2..1600, c = 1..6 from ItemTable: the whole number
// of the cell (ties to even), 0 for an empty cell and for a text that is not
// a number (the text is kept in ItemTable).
void RebuildItemValues(SharedState& s);

// The file's 25,615 lines as they are written (Windows-1250, CR LF).
std::string EncodeWorkbook(const SharedState& s);

// A message for the user naming the file and what is wrong.
std::string DescribeFileError(const FileError& e, const std::string& path, int16_t language);

}  // namespace morvadel
