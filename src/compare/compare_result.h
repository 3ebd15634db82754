#pragma once
// What the comparison window's calculations produce: the grid texts of the
// view and the cells of its item-table section. The window copies the texts
// into its grid and hands the result to ApplyCompareResult; keeping the
// calculation free of the grid lets it be tested and measured on its own.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/shared_state.h"

namespace morvadel {

// The views of the comparison window, by ReportCode.
inline constexpr int16_t kDunBradstreetView = 1;
inline constexpr int16_t kPrenticeHallView = 2;
inline constexpr int16_t kRobertMorrisView = 3;
inline constexpr int16_t kCommonSizeBalanceView = 9;
inline constexpr int16_t kCommonSizeIncomeView = 10;

inline constexpr int kDunBradstreetSection = 600;
inline constexpr int kPrenticeHallSection = 700;
inline constexpr int kRobertMorrisSection = 800;
inline constexpr int kCommonSizeBalanceSection = 900;
inline constexpr int kCommonSizeIncomeSection = 1000;

// One computed cell: the grid text ("" for an empty cell) and the value the
// section receives.
struct ResultCell {
  std::string text;
  Cell value;
};

// Grid rows 1..lastRow, columns 1..lastColumn (6 for the common-size views,
// 10 for the industry views) of one view. Row 0 and column 0 (headings and
// labels) belong to the window and are not part of the result.
class CompareResult {
 public:
  CompareResult(int sectionBase, int lastRow, int lastColumn);

  int sectionBase() const { return sectionBase_; }
  int lastRow() const { return lastRow_; }
  int lastColumn() const { return lastColumn_; }

  // r = 1..lastRow, c = 1..lastColumn; checked.
  ResultCell& at(int r, int c);
  const ResultCell& at(int r, int c) const;
  const std::string& GridText(int r, int c) const { return at(r, c).text; }
  const Cell& SectionCell(int r, int c) const { return at(r, c).value; }

 private:
  int sectionBase_;
  int lastRow_;
  int lastColumn_;
  std::vector<std::array<ResultCell, 11>> rows_;  // index r - 1, column c
};

// Writes the section cells: ItemTable(sectionBase + r, c) := SectionCell(r, c)
// for every r and c of the result.
void ApplyCompareResult(SharedState& s, const CompareResult& result);

// A ratio of two item rows in period p (1..6), exactly: n / d, or 100 x n / d,
// rounded half up to two decimals on the exact quotient of the whole-number
// operands, so one ratio rounds alike in every view (203 / 800 of total
// assets is 25.38 everywhere). Where n or d is 0 the ratio is not defined:
// text "" and the whole number 0. A ratio that rounds to 0 shows "" and
// stores the double 0. Otherwise the text is the general number format with
// s.DecimalMark and the value the double nearest to the rounded ratio.
// hundredths, when given, receives the rounded ratio x 100 (0 where the cell
// is empty).
ResultCell ComputeRatioCell(const SharedState& s, int numeratorRow, int denominatorRow, int period,
                            bool times100, int64_t* hundredths = nullptr);

// The ratio above in hundredths (0 where not defined or rounded to 0).
int64_t RatioHundredths(int32_t numerator, int32_t denominator, bool times100);

// Facts of each view the window needs besides the calculation. Unknown codes
// give 0, an empty list and false.
int LastRowOfView(int reportCode);      // 44, 30, 47; 52, 32
int SectionBaseOfView(int reportCode);  // 600, 700, 800; 900, 1000
// Rows that take no typed input (industry views; the common-size views lock
// none).
std::span<const int> LockedRowsOfView(int reportCode);
bool IsLockedRow(int reportCode, int row);

// Runs the calculation of the view; an unknown code gives an empty result
// (no rows).
CompareResult ComputeView(const SharedState& s, int reportCode);

}  // namespace morvadel
