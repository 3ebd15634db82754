#pragma once
// Industry comparisons: the company's ratios for periods I..VI beside their
// highest, lowest and average value and the industry figure the user types
// in (Dun and Bradstreet, Prentice Hall, Robert Morris).
#include <cstdint>
#include <optional>
#include <span>

#include "compare/compare_result.h"

namespace morvadel {

inline constexpr int kDunBradstreetLastRow = 44;
inline constexpr int kPrenticeHallLastRow = 30;
inline constexpr int kRobertMorrisLastRow = 47;

// A ratio row of a view: numerator and denominator item rows, the same for
// every period, and whether the ratio is a percentage.
struct IndustryRatioRow {
  int row;
  int numerator;
  int denominator;
  bool times100;
};

// The ratio rows of an industry view (1, 2 or 3), in row order; rows not
// listed (period names, blank and heading rows) have no ratio. Other codes
// give an empty list.
std::span<const IndustryRatioRow> IndustryRatioRows(int reportCode);

// Adds one non-zero period ratio to the running statistics of a row: low is
// the smallest, high the largest, sum the total of the ratios so far.
void AccumulateRowStats(Currency value, int16_t& count, Currency& low, Currency& high, Currency& sum);

// The average of a row: sum / count to currency (four decimals, halves to
// even), then rounded half up to two decimals. nullopt when sum is 0 (the
// average cell stays empty) or count is 0.
std::optional<Currency> RowAverage(Currency sum, int16_t count);

// Rows 1..last of the view, columns 1..10: 1..6 the ratios (see
// ComputeRatioCell; rows without a ratio store the whole number 0), 7 Max,
// 8 Min, 9 Average as currency or "" when there is none, 10 the industry
// figure, the text of ItemTable(section + r, 10) passed on unchanged.
CompareResult ComputeDunBradstreetComparison(const SharedState& s);
CompareResult ComputePrenticeHallComparison(const SharedState& s);
CompareResult ComputeRobertMorrisComparison(const SharedState& s);

}  // namespace morvadel
