#include "compare/common_size.h"

#include <algorithm>
#include <iterator>

namespace morvadel {
namespace {

// Blank, heading and period-name rows carry no item of their own; row 52
// ("Out of balance by:") is a difference, not a share of the assets.
constexpr int kBalanceRows[] = {5,  6,  7,  8,  9,  11, 13, 14, 16, 18, 19, 20, 22, 26, 27, 28,
                                29, 30, 31, 33, 35, 36, 37, 39, 40, 42, 43, 44, 45, 47, 48, 50};
constexpr int kIncomeRows[] = {3, 4, 6, 8, 9, 11, 13, 14, 15, 16, 18, 19, 21, 23, 25, 27, 28, 30, 31, 32};

template <size_t N>
bool Contains(const int (&rows)[N], int r) {
  return std::find(std::begin(rows), std::end(rows), r) != std::end(rows);
}

CompareResult ComputeStatement(const SharedState& s, int section, int lastRow, int itemBase,
                               int denominatorRow, bool (*mapped)(int)) {
  CompareResult result(section, lastRow, 6);
  for (int r = 1; r <= lastRow; ++r) {
    const bool isMapped = mapped(r);
    for (int p = 1; p <= 6; ++p) {
      result.at(r, p) = isMapped ? ComputeCommonSizeCell(s, p, itemBase + r, denominatorRow)
                                 : ResultCell{"", Cell::Text("")};
    }
  }
  return result;
}

}  // namespace

bool IsCommonSizeBalanceRow(int r) { return Contains(kBalanceRows, r); }

bool IsCommonSizeIncomeRow(int r) { return Contains(kIncomeRows, r); }

ResultCell ComputeCommonSizeCell(const SharedState& s, int period, int numeratorRow, int denominatorRow) {
  return ComputeRatioCell(s, numeratorRow, denominatorRow, period, true);
}

CompareResult ComputeCommonSizeBalance(const SharedState& s) {
  return ComputeStatement(s, kCommonSizeBalanceSection, kCommonSizeBalanceLastRow, 200, kTotalAssetsRow,
                          IsCommonSizeBalanceRow);
}

CompareResult ComputeCommonSizeIncome(const SharedState& s) {
  return ComputeStatement(s, kCommonSizeIncomeSection, kCommonSizeIncomeLastRow, 300, kNetSalesRow,
                          IsCommonSizeIncomeRow);
}

}  // namespace morvadel
