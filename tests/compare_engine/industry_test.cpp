#include "compare/industry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <span>
#include <vector>

#include "engine_fixture.h"

namespace morvadel {
namespace {

using Industry = CompareEngineTest;

struct Pair {
  int row, numerator, denominator;
  bool times100;
};

// Every ratio row of the three views; the rest of each view has no ratio.
const Pair kDunBradstreet[] = {
    {4, 205, 222, true},  {5, 206, 222, true},  {6, 207, 222, true},  {7, 81, 222, true},
    {8, 211, 222, true},  {9, 216, 222, true},  {10, 61, 222, true},  {11, 222, 222, true},
    {12, 228, 222, true}, {13, 62, 222, true},  {14, 63, 222, true},  {15, 233, 222, true},
    {16, 64, 222, true},  {17, 236, 222, true}, {18, 84, 222, true},  {19, 250, 222, true},
    {22, 303, 303, true}, {23, 306, 303, true}, {24, 325, 303, true}, {27, 75, 233, false},
    {28, 211, 233, false}, {29, 233, 84, true}, {30, 233, 207, true}, {31, 240, 84, true},
    {32, 216, 84, true},  {35, 206, 65, false}, {36, 303, 207, false}, {37, 222, 303, true},
    {38, 303, 67, false}, {39, 228, 303, true}, {42, 325, 303, true}, {43, 325, 222, true},
    {44, 325, 84, true},
};
const Pair kPrenticeHall[] = {
    {3, 304, 303, true},   {4, 513, 303, true},   {5, 512, 303, true},   {6, 316, 303, true},
    {7, 71, 303, true},    {8, 72, 303, true},    {9, 73, 303, true},    {10, 511, 303, true},
    {11, 325, 303, true},  {12, 74, 303, true},   {15, 211, 233, false}, {16, 75, 233, false},
    {17, 303, 76, false},  {18, 77, 316, false},  {19, 303, 222, false}, {20, 303, 207, false},
    {21, 303, 206, false}, {22, 240, 78, false},  {25, 240, 222, true},  {26, 79, 222, true},
    {27, 325, 78, true},   {28, 70, 248, true},   {29, 321, 303, true},  {30, 325, 303, true},
};
const Pair kRobertMorris[] = {
    {3, 205, 222, true},   {4, 206, 222, true},   {5, 207, 222, true},   {6, 81, 222, true},
    {7, 211, 222, true},   {8, 216, 222, true},   {9, 220, 222, true},   {10, 82, 222, true},
    {11, 222, 222, true},  {14, 226, 222, true},  {15, 227, 222, true},  {16, 228, 222, true},
    {17, 230, 222, true},  {18, 231, 222, true},  {19, 233, 222, true},  {20, 235, 222, true},
    {21, 83, 222, true},   {22, 84, 222, true},   {23, 250, 222, true},  {26, 303, 303, false},
    {27, 306, 303, false}, {28, 85, 303, false},  {29, 321, 303, false}, {32, 211, 233, false},
    {33, 86, 233, false},  {34, 303, 206, false}, {35, 304, 207, false}, {36, 304, 228, false},
    {37, 303, 76, false},  {38, 88, 316, false},  {39, 89, 227, false},  {40, 216, 90, false},
    {41, 240, 90, false},  {42, 321, 90, true},   {43, 321, 222, true},  {44, 303, 216, false},
    {45, 303, 222, false}, {46, 91, 303, true},   {47, 511, 303, true},
};

struct View {
  int code;
  CompareResult (*compute)(const SharedState&);
  std::span<const Pair> pairs;
  int lastRow, section;
};
const View kViews[] = {
    {kDunBradstreetView, ComputeDunBradstreetComparison, kDunBradstreet, 44, 600},
    {kPrenticeHallView, ComputePrenticeHallComparison, kPrenticeHall, 30, 700},
    {kRobertMorrisView, ComputeRobertMorrisComparison, kRobertMorris, 47, 800},
};

TEST_F(Industry, EveryRowDividesItsOwnPairInItsOwnUnit) {
  // A distinct figure in every item row, growing by period, so a wrong row,
  // a swapped pair or a wrong factor of 100 shows.
  for (int row = 1; row <= 600; ++row)
    for (int p = 1; p <= 6; ++p) s->ItemValues(row, p) = 100 + 7 * row + 3 * p * (row % 5 + 1);
  for (const View& v : kViews) {
    SCOPED_TRACE(v.code);
    CompareResult r = v.compute(*s);
    ASSERT_EQ(r.lastRow(), v.lastRow);
    ASSERT_EQ(r.lastColumn(), 10);
    EXPECT_EQ(r.sectionBase(), v.section);
    EXPECT_EQ(IndustryRatioRows(v.code).size(), v.pairs.size());
    for (int row = 1; row <= v.lastRow; ++row) {
      SCOPED_TRACE(row);
      const Pair* pair = nullptr;
      for (const Pair& q : v.pairs)
        if (q.row == row) pair = &q;
      double high = -1e300, low = 1e300;
      for (int p = 1; p <= 6; ++p) {
        const Cell& c = r.SectionCell(row, p);
        if (!pair) {
          EXPECT_TRUE(IsUndefined(c));
          EXPECT_EQ(r.GridText(row, p), "");
          continue;
        }
        const double want = (pair->times100 ? 100.0 : 1.0) * s->ItemValues(pair->numerator, p) /
                            s->ItemValues(pair->denominator, p);
        ASSERT_EQ(c.kind(), CellKind::Double);
        EXPECT_NEAR(c.dbl(), want, 0.005 + 1e-9);
        high = std::max(high, c.dbl());
        low = std::min(low, c.dbl());
      }
      if (pair) {
        EXPECT_NEAR(r.SectionCell(row, kMaxColumn).money().ToDouble(), high, 1e-9);
        EXPECT_NEAR(r.SectionCell(row, kMinColumn).money().ToDouble(), low, 1e-9);
        EXPECT_EQ(r.SectionCell(row, kAverageColumn).kind(), CellKind::Currency);
      } else {
        for (int c = kMaxColumn; c <= kAverageColumn; ++c) EXPECT_TRUE(IsEmptyText(r.SectionCell(row, c)));
      }
    }
  }
}

TEST_F(Industry, OpenRowsFollowTheUnitsOfTheirLabels) {
  SetAll(303, 400);
  SetAll(325, 50);
  SetAll(206, 300);
  SetAll(65, 10);
  SetAll(67, 160);
  SetAll(222, 800);
  SetAll(240, 300);
  SetAll(316, 25);
  SetAll(88, 100);
  SetAll(90, 200);
  SetAll(321, 60);
  CompareResult db = ComputeDunBradstreetComparison(*s);
  EXPECT_EQ(db.GridText(24, 1), "12.5");  // Net profit after tax, % of sales
  EXPECT_EQ(db.GridText(35, 1), "30");    // Collection period (days)
  EXPECT_EQ(db.GridText(38, 1), "2.5");   // Sales to NWC (times)
  EXPECT_EQ(db.GridText(37, 1), "200");   // Assets to sales (%)
  EXPECT_EQ(db.GridText(43, 1), "6.25");  // Return on assets (%)
  CompareResult ph = ComputePrenticeHallComparison(*s);
  EXPECT_EQ(ph.GridText(25, 1), "37.5");  // Debt ratio, under "Selected financial %"
  EXPECT_EQ(ph.GridText(30, 1), "12.5");
  CompareResult rm = ComputeRobertMorrisComparison(*s);
  EXPECT_EQ(rm.GridText(34, 1), "1.33");  // Sales/receivables (times)
  EXPECT_EQ(rm.GridText(38, 1), "4");     // EBIT/interest (times)
  EXPECT_EQ(rm.GridText(42, 1), "30");    // % Pre-tax profit/tang NW
  EXPECT_EQ(rm.GridText(43, 1), "7.5");   // % Pre-tax profit/assets
  EXPECT_EQ(rm.GridText(26, 1), "1");     // the income block stays unscaled
}

TEST_F(Industry, SalesToWorkingCapitalDividesByWorkingCapital) {
  Set(303, {1000, 1000});
  Set(76, {200, 0});   // current assets less current liabilities
  Set(87, {800, 500}); // current assets plus current liabilities
  CompareResult rm = ComputeRobertMorrisComparison(*s);
  EXPECT_EQ(rm.GridText(37, 1), "5");
  EXPECT_EQ(rm.GridText(37, 2), "");
  EXPECT_TRUE(IsUndefined(rm.SectionCell(37, 2)));
}

TEST_F(Industry, PreTaxProfitMarginUsesPreTaxIncome) {
  SetAll(303, 1000);
  SetAll(321, 100);  // pre-tax income
  SetAll(79, 70);    // after 30 of tax
  SetAll(325, 70);
  CompareResult ph = ComputePrenticeHallComparison(*s);
  EXPECT_EQ(ph.GridText(29, 1), "10");
  EXPECT_EQ(ph.GridText(30, 1), "7");
  EXPECT_EQ(ph.GridText(26, 1), "");  // 79 over total assets 0
}

TEST_F(Industry, CollectionPeriodIsReceivablesOverSalesPerDay) {
  Set(206, {250, 250});
  Set(65, {10, 0});  // no period length: no sales per day
  CompareResult db = ComputeDunBradstreetComparison(*s);
  EXPECT_EQ(db.GridText(35, 1), "25");
  EXPECT_EQ(db.GridText(35, 2), "");
}

TEST_F(Industry, WorkingCapitalOfZeroLeavesThePeriodEmpty) {
  Set(303, {400, 400});
  Set(67, {160, 0});
  Set(76, {160, 0});
  CompareResult db = ComputeDunBradstreetComparison(*s);
  CompareResult ph = ComputePrenticeHallComparison(*s);
  EXPECT_EQ(db.GridText(38, 1), "2.5");
  EXPECT_EQ(ph.GridText(17, 1), "2.5");
  EXPECT_EQ(db.GridText(38, 2), "");
  EXPECT_EQ(ph.GridText(17, 2), "");
  EXPECT_TRUE(IsUndefined(db.SectionCell(38, 2)));
  EXPECT_TRUE(IsUndefined(ph.SectionCell(17, 2)));
  EXPECT_EQ(db.GridText(38, kAverageColumn), "2.5");  // one period only
}

struct StatsCase {
  const char* name;
  std::array<int32_t, 6> currentAssets;  // over current liabilities of 100
  const char* max;
  const char* min;
  const char* average;
  std::optional<int64_t> averageRaw;  // nullopt: the empty text
};

TEST_F(Industry, MaxMinAndAverageOverThePeriodsWithARatio) {
  const StatsCase cases[] = {
      {"periods I and III only", {150, 0, 250, 0, 0, 0}, "2.5", "1.5", "2", 20000},
      {"all negative", {-150, -50, -300, 0, 0, 0}, "-0.5", "-3", "-1.67", -16700},
      {"sum exactly 0", {150, -150, 0, 0, 0, 0}, "1.5", "-1.5", "", std::nullopt},
      {"1.00, 1.00, 1.01", {100, 100, 101, 0, 0, 0}, "1.01", "1", "1", 10000},
      {"positive, then negative", {50, 200, -100, 0, 0, 0}, "2", "-1", "0.5", 5000},
      {"mean of exactly a half", {1, 2, 0, 0, 0, 0}, "0.02", "0.01", "0.02", 200},
      {"negative half", {-1, -2, 0, 0, 0, 0}, "-0.01", "-0.02", "-0.01", -100},
      {"mean rounding to 0", {1, -2, 2, 0, 0, 0}, "0.02", "-0.02", "0", 0},
      {"six periods", {101, 102, 103, 104, 105, 106}, "1.06", "1.01", "1.04", 10400},  // 1.035
      {"none", {0, 0, 0, 0, 0, 0}, "", "", "", std::nullopt},
  };
  SetAll(233, 100);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (int p = 1; p <= 6; ++p) s->ItemValues(211, p) = c.currentAssets[static_cast<size_t>(p - 1)];
    CompareResult db = ComputeDunBradstreetComparison(*s);
    const int row = 28;  // "Current ratio (times)"
    EXPECT_EQ(db.GridText(row, kMaxColumn), c.max);
    EXPECT_EQ(db.GridText(row, kMinColumn), c.min);
    EXPECT_EQ(db.GridText(row, kAverageColumn), c.average);
    if (*c.max) {
      EXPECT_EQ(db.SectionCell(row, kMaxColumn).kind(), CellKind::Currency);
      EXPECT_EQ(db.SectionCell(row, kMinColumn).kind(), CellKind::Currency);
    } else {
      EXPECT_TRUE(IsEmptyText(db.SectionCell(row, kMaxColumn)));
      EXPECT_TRUE(IsEmptyText(db.SectionCell(row, kMinColumn)));
    }
    if (c.averageRaw)
      EXPECT_TRUE(IsMoney(db.SectionCell(row, kAverageColumn), *c.averageRaw));
    else
      EXPECT_TRUE(IsEmptyText(db.SectionCell(row, kAverageColumn)));
  }
}

TEST_F(Industry, ARatioRoundingToZeroCountsAsNone) {
  Set(211, {1, 150});
  SetAll(233, 1000);  // 0.001, then 0.15
  CompareResult db = ComputeDunBradstreetComparison(*s);
  EXPECT_EQ(db.GridText(28, 1), "");
  EXPECT_TRUE(IsDouble(db.SectionCell(28, 1), 0.0));
  EXPECT_EQ(db.GridText(28, kMinColumn), "0.15");
  EXPECT_EQ(db.GridText(28, kAverageColumn), "0.15");
}

TEST(AccumulateRowStats, KeepsLowHighSumAndCount) {
  int16_t count = 0;
  Currency low, high, sum;
  for (int64_t v : {-20000, 15000, -30000}) AccumulateRowStats(Currency::FromRaw(v), count, low, high, sum);
  EXPECT_EQ(count, 3);
  EXPECT_EQ(low.raw, -30000);
  EXPECT_EQ(high.raw, 15000);
  EXPECT_EQ(sum.raw, -35000);
  EXPECT_FALSE(RowAverage(Currency{}, 3));
  EXPECT_FALSE(RowAverage(Currency::FromRaw(100), 0));
  EXPECT_EQ(RowAverage(Currency::FromRaw(30100), 3)->raw, 10000);
}

TEST_F(Industry, TotalsAreAHundredInEveryPeriodWithATotal) {
  Set(222, {800, 0, 123, 5, 7, 9});
  Set(303, {50, 60, 0, 70, 80, 90});
  CompareResult db = ComputeDunBradstreetComparison(*s);
  for (int row : {11, 22}) {
    for (int c = kMaxColumn; c <= kAverageColumn; ++c) {
      EXPECT_EQ(db.GridText(row, c), "100");
      EXPECT_TRUE(IsMoney(db.SectionCell(row, c), 1000000));
    }
  }
  EXPECT_EQ(db.GridText(11, 1), "100");
  EXPECT_EQ(db.GridText(11, 2), "");
  EXPECT_EQ(db.GridText(22, 3), "");
}

TEST_F(Industry, EmptyWorkbook) {
  for (const View& v : kViews) {
    SCOPED_TRACE(v.code);
    CompareResult r = v.compute(*s);
    for (int row = 1; row <= v.lastRow; ++row) {
      for (int p = 1; p <= 6; ++p) {
        EXPECT_EQ(r.GridText(row, p), "");
        EXPECT_TRUE(IsUndefined(r.SectionCell(row, p)));
      }
      for (int c = kMaxColumn; c <= kIndCompColumn; ++c) {
        EXPECT_EQ(r.GridText(row, c), "");
        EXPECT_TRUE(IsEmptyText(r.SectionCell(row, c)));
      }
    }
  }
}

TEST_F(Industry, TheIndustryFigurePassesThroughCharacterForCharacter) {
  const char* figures[] = {"12.50", " 3,5 ", "0.10", "n/a", "-7", ""};
  for (const View& v : kViews) {
    SCOPED_TRACE(v.code);
    for (int i = 0; i < 6; ++i) s->ItemTable(v.section + 3 + i, kIndCompColumn) = Cell::Text(figures[i]);
    s->ItemTable(v.section + 1, kIndCompColumn) = Cell::Text("x");  // even on a locked row
    s->ItemTable(v.section + v.lastRow + 1, kIndCompColumn) = Cell::Text("beyond");
    CompareResult r = v.compute(*s);
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(r.GridText(3 + i, kIndCompColumn), figures[i]);
      EXPECT_EQ(r.SectionCell(3 + i, kIndCompColumn), Cell::Text(figures[i]));
    }
    EXPECT_EQ(r.GridText(1, kIndCompColumn), "x");
    ApplyCompareResult(*s, r);
    EXPECT_EQ(s->ItemTable(v.section + 3, kIndCompColumn), Cell::Text("12.50"));
    EXPECT_EQ(s->ItemTable(v.section + v.lastRow + 1, kIndCompColumn), Cell::Text("beyond"));
  }
}

TEST_F(Industry, ReturnFiguresSurviveLeavingAndReopening) {
  SetAll(325, 30);
  SetAll(222, 600);
  SetAll(84, 200);
  CompareResult first = ComputeDunBradstreetComparison(*s);
  ApplyCompareResult(*s, first);
  // What the write-back on leaving leaves: the grid texts, the typed figures.
  for (int c = 1; c <= 10; ++c) {
    s->ItemTable(643, c) = Cell::Text(first.GridText(43, c));
    s->ItemTable(644, c) = Cell::Text(first.GridText(44, c));
  }
  s->ItemTable(643, kIndCompColumn) = Cell::Text("4.8");
  s->ItemTable(644, kIndCompColumn) = Cell::Text("15.25");
  CompareResult again = ComputeDunBradstreetComparison(*s);
  EXPECT_EQ(again.GridText(43, 1), "5");
  EXPECT_EQ(again.GridText(44, 1), "15");
  EXPECT_TRUE(IsDouble(again.SectionCell(43, 1), 5.0));  // numbers again, not the texts
  EXPECT_EQ(again.GridText(43, kIndCompColumn), "4.8");
  EXPECT_EQ(again.GridText(44, kIndCompColumn), "15.25");
}

TEST_F(Industry, ApplyWritesTheWholeSectionAndNothingElse) {
  SetAll(211, 150);
  SetAll(233, 100);
  s->ItemTable(628, 0) = Cell::Text("Current ratio (times)");
  s->ItemTable(601, 3) = Cell::Text("Period III");
  s->ItemTable(628, 11) = Cell::Text("keep");
  CompareResult db = ComputeDunBradstreetComparison(*s);
  ApplyCompareResult(*s, db);
  EXPECT_TRUE(IsDouble(s->ItemTable(628, 1), 1.5));
  EXPECT_TRUE(IsMoney(s->ItemTable(628, kAverageColumn), 15000));
  EXPECT_TRUE(IsUndefined(s->ItemTable(601, 3)));
  EXPECT_TRUE(IsEmptyText(s->ItemTable(601, kMaxColumn)));
  EXPECT_EQ(s->ItemTable(628, 0), Cell::Text("Current ratio (times)"));
  EXPECT_EQ(s->ItemTable(628, 11), Cell::Text("keep"));
}

TEST_F(Industry, NumbersUseTheDecimalMarkOfTheLocale) {
  s->DecimalMark = ',';
  Set(211, {150, 101});
  SetAll(233, 100);
  CompareResult db = ComputeDunBradstreetComparison(*s);
  EXPECT_EQ(db.GridText(28, 1), "1,5");
  EXPECT_EQ(db.GridText(28, kMaxColumn), "1,5");
  EXPECT_EQ(db.GridText(28, kMinColumn), "1,01");
  EXPECT_EQ(db.GridText(28, kAverageColumn), "1,26");  // 1.255
}

TEST(CompareViews, ShapeSectionAndLockedRowsOfEachView) {
  EXPECT_EQ(LastRowOfView(kDunBradstreetView), 44);
  EXPECT_EQ(LastRowOfView(kPrenticeHallView), 30);
  EXPECT_EQ(LastRowOfView(kRobertMorrisView), 47);
  EXPECT_EQ(LastRowOfView(kCommonSizeBalanceView), 52);
  EXPECT_EQ(LastRowOfView(kCommonSizeIncomeView), 32);
  EXPECT_EQ(LastRowOfView(4), 0);
  EXPECT_EQ(SectionBaseOfView(kPrenticeHallView), 700);
  EXPECT_EQ(SectionBaseOfView(kCommonSizeIncomeView), 1000);
  EXPECT_EQ(SectionBaseOfView(20), 0);

  const std::vector<int> db{1, 2, 3, 20, 21, 25, 26, 33, 34, 40, 41};
  const std::vector<int> ph{1, 2, 13, 14, 23, 24};
  const std::vector<int> rm{1, 2, 12, 13, 24, 25, 30, 31};
  auto asVector = [](std::span<const int> v) { return std::vector<int>(v.begin(), v.end()); };
  EXPECT_EQ(asVector(LockedRowsOfView(kDunBradstreetView)), db);
  EXPECT_EQ(asVector(LockedRowsOfView(kPrenticeHallView)), ph);
  EXPECT_EQ(asVector(LockedRowsOfView(kRobertMorrisView)), rm);
  EXPECT_TRUE(LockedRowsOfView(kCommonSizeBalanceView).empty());
  EXPECT_TRUE(IsLockedRow(kDunBradstreetView, 40));
  EXPECT_FALSE(IsLockedRow(kDunBradstreetView, 42));
  EXPECT_FALSE(IsLockedRow(kCommonSizeBalanceView, 1));

  // The locked rows are exactly the rows without a ratio.
  for (int code : {kDunBradstreetView, kPrenticeHallView, kRobertMorrisView}) {
    for (int row = 1; row <= LastRowOfView(code); ++row) {
      bool hasRatio = false;
      for (const auto& q : IndustryRatioRows(code)) hasRatio |= q.row == row;
      EXPECT_NE(hasRatio, IsLockedRow(code, row)) << code << " row " << row;
    }
  }

  SharedState s;
  for (int code : {1, 2, 3, 9, 10}) {
    CompareResult r = ComputeView(s, code);
    EXPECT_EQ(r.lastRow(), LastRowOfView(code));
    EXPECT_EQ(r.sectionBase(), SectionBaseOfView(code));
    EXPECT_EQ(r.lastColumn(), code <= 3 ? 10 : 6);
  }
  EXPECT_EQ(ComputeView(s, 51).lastRow(), 0);
}

}  // namespace
}  // namespace morvadel
