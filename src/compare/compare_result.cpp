#include "compare/compare_result.h"

#include <algorithm>

#include "compare/common_size.h"
#include "compare/industry.h"
#include "model/check.h"
#include "model/number.h"

namespace morvadel {

CompareResult::CompareResult(int sectionBase, int lastRow, int lastColumn)
    : sectionBase_(sectionBase),
      lastRow_(lastRow),
      lastColumn_(lastColumn),
      rows_(static_cast<size_t>(lastRow > 0 ? lastRow : 0)) {
  MORVADEL_CHECK(lastColumn >= 0 && lastColumn <= 10);
}

ResultCell& CompareResult::at(int r, int c) {
  MORVADEL_CHECK(r >= 1 && r <= lastRow_ && c >= 1 && c <= lastColumn_);
  return rows_[static_cast<size_t>(r - 1)][static_cast<size_t>(c)];
}

const ResultCell& CompareResult::at(int r, int c) const {
  MORVADEL_CHECK(r >= 1 && r <= lastRow_ && c >= 1 && c <= lastColumn_);
  return rows_[static_cast<size_t>(r - 1)][static_cast<size_t>(c)];
}

void ApplyCompareResult(SharedState& s, const CompareResult& result) {
  for (int r = 1; r <= result.lastRow(); ++r)
    for (int c = 1; c <= result.lastColumn(); ++c)
      s.ItemTable(result.sectionBase() + r, c) = result.SectionCell(r, c);
}

int64_t RatioHundredths(int32_t numerator, int32_t denominator, bool times100) {
  if (numerator == 0 || denominator == 0) return 0;
  // |100 x n| < 2^39 and the quotient in hundredths < 2^46: always in range.
  Int128 n = times100 ? Int128{numerator} * 100 : Int128{numerator};
  return *RoundQuotient(n, denominator, 2, Rounding::HalfUp);
}

ResultCell ComputeRatioCell(const SharedState& s, int numeratorRow, int denominatorRow, int period,
                            bool times100, int64_t* hundredths) {
  const int32_t n = s.ItemValues(numeratorRow, period);
  const int32_t d = s.ItemValues(denominatorRow, period);
  if (hundredths) *hundredths = 0;
  if (n == 0 || d == 0) return {"", Cell::Int32(0)};
  const int64_t q = RatioHundredths(n, d, times100);
  if (hundredths) *hundredths = q;
  if (q == 0) return {"", Cell::Double(0.0)};
  return {FormatScaled(q, 2, s.DecimalMark), Cell::Double(ScaledToDouble(q, 2))};
}

namespace {

constexpr int kDunBradstreetLocked[] = {1, 2, 3, 20, 21, 25, 26, 33, 34, 40, 41};
constexpr int kPrenticeHallLocked[] = {1, 2, 13, 14, 23, 24};
constexpr int kRobertMorrisLocked[] = {1, 2, 12, 13, 24, 25, 30, 31};

}  // namespace

int LastRowOfView(int reportCode) {
  switch (reportCode) {
    case kDunBradstreetView: return kDunBradstreetLastRow;
    case kPrenticeHallView: return kPrenticeHallLastRow;
    case kRobertMorrisView: return kRobertMorrisLastRow;
    case kCommonSizeBalanceView: return kCommonSizeBalanceLastRow;
    case kCommonSizeIncomeView: return kCommonSizeIncomeLastRow;
    default: return 0;
  }
}

int SectionBaseOfView(int reportCode) {
  switch (reportCode) {
    case kDunBradstreetView: return kDunBradstreetSection;
    case kPrenticeHallView: return kPrenticeHallSection;
    case kRobertMorrisView: return kRobertMorrisSection;
    case kCommonSizeBalanceView: return kCommonSizeBalanceSection;
    case kCommonSizeIncomeView: return kCommonSizeIncomeSection;
    default: return 0;
  }
}

std::span<const int> LockedRowsOfView(int reportCode) {
  switch (reportCode) {
    case kDunBradstreetView: return kDunBradstreetLocked;
    case kPrenticeHallView: return kPrenticeHallLocked;
    case kRobertMorrisView: return kRobertMorrisLocked;
    default: return {};
  }
}

bool IsLockedRow(int reportCode, int row) {
  auto rows = LockedRowsOfView(reportCode);
  return std::find(rows.begin(), rows.end(), row) != rows.end();
}

CompareResult ComputeView(const SharedState& s, int reportCode) {
  switch (reportCode) {
    case kDunBradstreetView: return ComputeDunBradstreetComparison(s);
    case kPrenticeHallView: return ComputePrenticeHallComparison(s);
    case kRobertMorrisView: return ComputeRobertMorrisComparison(s);
    case kCommonSizeBalanceView: return ComputeCommonSizeBalance(s);
    case kCommonSizeIncomeView: return ComputeCommonSizeIncome(s);
    default: return CompareResult(0, 0, 0);
  }
}

}  // namespace morvadel
