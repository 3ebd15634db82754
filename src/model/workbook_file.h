#pragma once
// The ".eka" workbook file: Windows-1250 text, one value per line, CR LF,
// 25,615 lines: ItemTable rows 1..1600 by columns 1..16, then CurrencyName,
// UnitIndex, the company block (6 x label and value) and ShowCompany.
#include <string>

#include "file_io.h"
#include "shared_state.h"

namespace morvadel {

inline constexpr int kWorkbookLines = 25615;
inline constexpr int kCurrencyLine = 25601;
inline constexpr int kUnitLine = 25602;
inline constexpr int kCompanyFirstLine = 25603;  // Company(0, 0), then (0, 1), (1, 0) ...
inline constexpr int kShowCompanyLine = 25615;

// Writes the workbook to FileName; does nothing when FileName is empty.
FileError SaveDataFile(SharedState& s);

// Writes the 25,615 lines to FileName in the workbook's encoding
// (FileEncoding; a Windows-1250 workbook holding a letter the code page
// lacks is written in UTF-8 instead, with the mark when it had one or when
// its UTF-8 would read as Windows-1250 without it; a text
// cannot hold a double quote or a line break, so either becomes ' or a
// blank), through WriteWholeFile: a failed write leaves the old file as it
// was, a link is written through.
FileError WriteDataFile(SharedState& s);

// Reads FileName into the workbook. The whole file is read and checked
// first: on any error nothing in s changes. A folder, a pipe or a device is
// refused at once. An empty FileName sets NewDocFlag to 7 and only rebuilds
// ItemValues. A file that is well-formed UTF-8 with letters beyond ASCII, or
// a UTF-8 byte-order mark followed by well-formed UTF-8, is read as UTF-8
// and FileEncoding says so; any other as Windows-1250, a mark in front of it
// kept for the next write (Windows1250WithBom).
//
// Line by line: a quoted line gives the text between its quotes (blanks and
// carriage returns after the closing quote are no part of it); an empty line
// a cell never assigned; any other line a file number (see Cell), written
// back as its characters, quotes inside included. UnitText follows UnitIndex and Language, and
// ItemValues is rebuilt.
FileError CitajDatoteku(SharedState& s);

// Empties the stored part of ItemTable (rows 1..1600, columns 1..16).
void BrisiDatoteku(SharedState& s);

// ItemValues(r, c) for r = 2..1600, c = 1..6 from ItemTable: the whole number
// of the cell (ties to even), 0 for an empty cell and for a cell that is not
// a number or is out of range (the cell is kept in ItemTable).
void RebuildItemValues(SharedState& s);

// The file's 25,615 lines as they are written (CR LF, in FileEncoding, or
// in UTF-8 where Windows-1250 would lose a letter).
std::string EncodeWorkbook(const SharedState& s);

}  // namespace morvadel
