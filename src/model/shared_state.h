#pragma once
// The shared tables and settings through which every window and routine
// works. The program owns one SharedState; model functions take it by
// reference, so each test builds its own.
#include <cstdint>
#include <string>

#include "cell.h"
#include "table.h"

namespace morvadel {

inline constexpr int16_t kFlagOn = 7;  // NewDocFlag, AverageMode, AverageOffered
inline constexpr int16_t kFlagOff = 0;

inline constexpr int16_t kCroatian = 1;
inline constexpr int16_t kEnglish = 2;

// ItemTable columns.
inline constexpr int kLabelColumn = 0;
inline constexpr int kFirstPeriodColumn = 1;
inline constexpr int kLastPeriodColumn = 6;
inline constexpr int kMaxColumn = 7;
inline constexpr int kMinColumn = 8;
inline constexpr int kAverageColumn = 9;
inline constexpr int kIndCompColumn = 10;
inline constexpr int kLabelHrColumn = 15;
inline constexpr int kLabelEnColumn = 16;

// Rows and columns the workbook file stores.
inline constexpr int kFirstStoredRow = 1;
inline constexpr int kLastStoredRow = 1600;
inline constexpr int kFirstStoredColumn = 1;
inline constexpr int kLastStoredColumn = 16;

// How the workbook's file is written: Windows-1250 as the format has it, or
// UTF-8 when it was read so, each with or without the UTF-8 byte-order mark
// the file started with.
enum class TextEncoding : uint8_t { Windows1250, Utf8, Utf8WithBom, Windows1250WithBom };

using ItemTableT = Table<Cell, 1651, 17>;
using ItemValuesT = Table<int32_t, 1651, 17>;

struct SharedState {
  // Tables.
  ItemTableT ItemTable;
  ItemValuesT ItemValues;
  Table<Currency, 1651, 17> ConvWork;
  Table<Cell, 6, 3> Company;
  Table<Currency, 6, 18> RatioPeriods;
  Table<Currency, 6, 18> RealDenominators;
  Table<Currency, 14, 11> ChartValues;
  Table<Cell, 14, 2> ChartLabels;
  Table<int16_t, 6, 6> SelectedAccounts;

  // Settings.
  int16_t Language = 0;
  std::string FileName;
  int16_t NewDocFlag = 0;
  std::string CurrencyName;
  Currency ExchangeRate;
  int16_t UnitIndex = 0;
  std::string UnitText;
  int16_t ShowCompany = 0;
  int16_t ReportCode = 0;
  int16_t SectionBase = 0;
  std::string ReportTitle;
  Cell ReportedBy;
  int16_t PageNumber = 0;
  int16_t PrintRowOffset = 0;
  int16_t PrintRowCount = 0;
  int16_t GridCols = 0;
  int16_t GridRows = 0;
  int16_t GridFixedCols = 0;
  int16_t GridFixedRows = 0;
  int16_t RatioCode = 0;
  int16_t SavedRatioCode = 0;
  int16_t RatioGroup = 0;
  int16_t AverageMode = 0;
  int16_t AverageOffered = 0;
  int16_t SelectedPeriod = 0;
  std::string RatioKindText;
  std::string NumeratorLabelHr;
  std::string DenominatorLabelHr;
  std::string NumeratorLabelEn;
  std::string DenominatorLabelEn;
  Currency CurrencyScratch;
  double RoundArg = 0.0;
  int16_t ExcelExportCount = 0;
  int16_t WordExportCount = 0;
  int16_t WordOrientation = 0;

  // Decimal separator of the user's locale, used where numbers are shown.
  char DecimalMark = '.';
  // The encoding of the file the workbook was read from; a save writes it
  // the same way, so Open followed by Save changes nothing. New sets it back
  // to Windows-1250.
  TextEncoding FileEncoding = TextEncoding::Windows1250;
  // True while the workbook in memory is the one in the file FileName names
  // (after Open or Save As; false after New), so a save never writes a new
  // workbook over the previous workbook's file unasked.
  bool FileBacked = false;
};

// Sets AverageOffered to 7.
void EnableAverageOption(SharedState& s);

// UnitText from UnitIndex and Language; any other combination leaves it.
void ApplyUnitText(SharedState& s);

// True when path names an existing regular file; an empty path or a
// wildcard pattern gives false.
bool FileExists(const std::string& path);

// Text of a cell of ItemTable as the grids show it.
std::string ItemText(const SharedState& s, int row, int col);

}  // namespace morvadel
