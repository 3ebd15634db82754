#pragma once
// Common-size statements: each balance-sheet item as a percentage of total
// assets (item row 222), each income-statement item as a percentage of net
// sales (item row 303), per period I..VI.
#include "compare/compare_result.h"

namespace morvadel {

inline constexpr int kCommonSizeBalanceLastRow = 52;
inline constexpr int kCommonSizeIncomeLastRow = 32;
inline constexpr int kTotalAssetsRow = 222;
inline constexpr int kNetSalesRow = 303;

// Grid row r of the view is computed from item row 200 + r (300 + r) when the
// row is mapped; the others (period names, blank and heading rows, "Out of
// balance by:") are not.
bool IsCommonSizeBalanceRow(int r);
bool IsCommonSizeIncomeRow(int r);

// One period cell: 100 x numerator / denominator (ComputeRatioCell).
ResultCell ComputeCommonSizeCell(const SharedState& s, int period, int numeratorRow, int denominatorRow);

// Rows 1..52 (1..32), columns 1..6, section 900 (1000). Unmapped rows give ""
// and store "".
CompareResult ComputeCommonSizeBalance(const SharedState& s);
CompareResult ComputeCommonSizeIncome(const SharedState& s);

}  // namespace morvadel
