#include "compare/common_size.h"

#include <algorithm>
#include <iterator>

#include "compare/industry.h"
#include "engine_fixture.h"
#include "model/workbook_file.h"

namespace morvadel {
namespace {

using CommonSize = CompareEngineTest;

struct RatioCase {
  int32_t n, d;
  bool times100;
  const char* text;
  double value;  // stored double; ignored where undefined
  bool defined;
};

TEST_F(CommonSize, RatioCellRoundsTheExactQuotientHalfUp) {
  const RatioCase cases[] = {
      {97, 800, true, "12.13", 12.13, true},     // 12.125 exactly
      {-97, 800, true, "-12.12", -12.12, true},  // halves towards plus infinity
      {203, 800, true, "25.38", 25.38, true},    // 25.375
      {-203, 800, true, "-25.37", -25.37, true},
      {1, 3, true, "33.33", 33.33, true},
      {2, 3, true, "66.67", 66.67, true},
      {800, 800, true, "100", 100.0, true},
      {1, 20000, true, "0.01", 0.01, true},  // 0.005
      {-1, 20000, true, "", 0.0, true},      // -0.005 rounds to 0
      {1, 30000, true, "", 0.0, true},       // tiny: shown empty, stored as 0
      {3, 2, false, "1.5", 1.5, true},
      {5, 2000, false, "", 0.0, true},  // 0.0025
      {5, 1000, false, "0.01", 0.01, true},
      {2147483647, 1, true, "214748364700", 214748364700.0, true},
      {0, 800, true, "", 0, false},
      {97, 0, true, "", 0, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.n) + "/" + std::to_string(c.d));
    s->ItemValues(205, 2) = c.n;
    s->ItemValues(222, 2) = c.d;
    ResultCell cell = ComputeRatioCell(*s, 205, 222, 2, c.times100);
    EXPECT_EQ(cell.text, c.text);
    if (c.defined)
      EXPECT_TRUE(IsDouble(cell.value, c.value));
    else
      EXPECT_TRUE(IsUndefined(cell.value));
  }
}

TEST_F(CommonSize, OneRatioRoundsAlikeInTheCommonSizeAndTheIndustryView) {
  SetAll(205, 203);
  SetAll(222, 800);
  CompareResult cs = ComputeCommonSizeBalance(*s);
  CompareResult db = ComputeDunBradstreetComparison(*s);
  CompareResult rm = ComputeRobertMorrisComparison(*s);
  for (int p = 1; p <= 6; ++p) {
    EXPECT_EQ(cs.GridText(5, p), "25.38");
    EXPECT_EQ(db.GridText(4, p), "25.38");  // "Cash"
    EXPECT_EQ(rm.GridText(3, p), "25.38");  // "Cash & equivalents"
    EXPECT_TRUE(IsDouble(cs.SectionCell(5, p), 25.38));
    EXPECT_EQ(cs.SectionCell(5, p), db.SectionCell(4, p));
  }
  EXPECT_TRUE(IsMoney(db.SectionCell(4, kAverageColumn), 253800));
}

TEST_F(CommonSize, BalanceSheetPeriodsRowsAndKinds) {
  // Period I: a normal sheet; II: total assets 0; III: assets but no cash.
  Set(222, {800, 0, 800});
  Set(205, {97, 50, 0});
  Set(206, {-97, 30, 400});
  Set(201, {7, 7, 7});    // row 1 is the period-name row, never a percentage
  Set(210, {3, 3, 3});    // blank row
  Set(252, {5, 5, 5});    // "Out of balance by:"
  Set(214, {-8, 0, 0});   // accumulated depreciation may be negative
  s->ItemTable(901, 1) = Cell::Text("Period I");  // left by the last write-back
  s->ItemTable(905, 0) = Cell::Text("Cash and marketable securities");

  CompareResult r = ComputeCommonSizeBalance(*s);
  ASSERT_EQ(r.lastRow(), 52);
  ASSERT_EQ(r.lastColumn(), 6);
  EXPECT_EQ(r.sectionBase(), 900);

  EXPECT_EQ(r.GridText(5, 1), "12.13");
  EXPECT_EQ(r.GridText(6, 1), "-12.12");
  EXPECT_EQ(r.GridText(14, 1), "-1");
  EXPECT_EQ(r.GridText(22, 1), "100");
  EXPECT_TRUE(IsDouble(r.SectionCell(22, 1), 100.0));
  EXPECT_EQ(r.GridText(22, 3), "100");
  EXPECT_EQ(r.GridText(6, 3), "50");
  EXPECT_EQ(r.GridText(5, 3), "");
  EXPECT_TRUE(IsUndefined(r.SectionCell(5, 3)));
  for (int row = 1; row <= 52; ++row) {
    SCOPED_TRACE(row);
    // A period without total assets is empty throughout.
    EXPECT_EQ(r.GridText(row, 2), "");
    if (IsCommonSizeBalanceRow(row))
      EXPECT_TRUE(IsUndefined(r.SectionCell(row, 2)));
    else
      EXPECT_TRUE(IsEmptyText(r.SectionCell(row, 2)));
  }
  for (int p = 1; p <= 6; ++p) {
    for (int row : {1, 10, 52}) {
      EXPECT_EQ(r.GridText(row, p), "");
      EXPECT_TRUE(IsEmptyText(r.SectionCell(row, p)));
    }
  }

  ApplyCompareResult(*s, r);
  EXPECT_TRUE(IsEmptyText(s->ItemTable(901, 1)));
  EXPECT_TRUE(IsDouble(s->ItemTable(905, 1), 12.13));
  EXPECT_TRUE(IsUndefined(s->ItemTable(905, 2)));
  EXPECT_EQ(s->ItemTable(905, 0), Cell::Text("Cash and marketable securities"));  // labels are the window's
  EXPECT_TRUE(s->ItemTable(905, 7).IsEmpty());                                   // only columns 1..6
}

TEST_F(CommonSize, ExactlyTheStatementRowsAreMapped) {
  const int balance[] = {5,  6,  7,  8,  9,  11, 13, 14, 16, 18, 19, 20, 22, 26, 27, 28,
                         29, 30, 31, 33, 35, 36, 37, 39, 40, 42, 43, 44, 45, 47, 48, 50};
  const int income[] = {3, 4, 6, 8, 9, 11, 13, 14, 15, 16, 18, 19, 21, 23, 25, 27, 28, 30, 31, 32};
  for (int r = 1; r <= 52; ++r) SetAll(200 + r, 1000 + r);
  for (int r = 1; r <= 32; ++r) SetAll(300 + r, 2000 + r);
  SetAll(222, 1000);
  SetAll(303, 2000);

  CompareResult b = ComputeCommonSizeBalance(*s);
  for (int r = 1; r <= 52; ++r) {
    SCOPED_TRACE(r);
    const bool mapped = std::find(std::begin(balance), std::end(balance), r) != std::end(balance);
    EXPECT_EQ(IsCommonSizeBalanceRow(r), mapped);
    for (int p = 1; p <= 6; ++p) {
      if (mapped)
        EXPECT_TRUE(IsDouble(b.SectionCell(r, p), r == 22 ? 100.0 : (1000.0 + r) / 10));
      else
        EXPECT_TRUE(IsEmptyText(b.SectionCell(r, p)));
    }
  }
  CompareResult i = ComputeCommonSizeIncome(*s);
  ASSERT_EQ(i.lastRow(), 32);
  EXPECT_EQ(i.sectionBase(), 1000);
  for (int r = 1; r <= 32; ++r) {
    SCOPED_TRACE(r);
    const bool mapped = std::find(std::begin(income), std::end(income), r) != std::end(income);
    EXPECT_EQ(IsCommonSizeIncomeRow(r), mapped);
    for (int p = 1; p <= 6; ++p) {
      if (!mapped) {
        EXPECT_TRUE(IsEmptyText(i.SectionCell(r, p)));
        continue;
      }
      // (2000 + r) / 20: at most two decimals, so nothing to round.
      EXPECT_TRUE(IsDouble(i.SectionCell(r, p), r == 3 ? 100.0 : (2000.0 + r) / 20));
    }
  }
}

TEST_F(CommonSize, IncomeStatementAsShareOfNetSales) {
  Set(303, {800, 0});
  Set(304, {-97, 10});
  Set(306, {97});
  Set(323, {1});     // income tax: mapped although its label has none
  Set(305, {400});   // blank row
  Set(332, {-800});  // the last row
  CompareResult r = ComputeCommonSizeIncome(*s);
  EXPECT_EQ(r.GridText(3, 1), "100");
  EXPECT_EQ(r.GridText(4, 1), "-12.12");
  EXPECT_EQ(r.GridText(6, 1), "12.13");
  EXPECT_EQ(r.GridText(23, 1), "0.13");  // 0.125
  EXPECT_EQ(r.GridText(32, 1), "-100");
  EXPECT_TRUE(IsEmptyText(r.SectionCell(5, 1)));
  EXPECT_EQ(r.GridText(4, 2), "");
  EXPECT_TRUE(IsUndefined(r.SectionCell(4, 2)));
}

TEST_F(CommonSize, UsesTheDecimalMarkOfTheLocale) {
  s->DecimalMark = ',';
  Set(205, {97});
  Set(222, {800});
  EXPECT_EQ(ComputeCommonSizeBalance(*s).GridText(5, 1), "12,13");
  EXPECT_EQ(ComputeCommonSizeCell(*s, 1, 205, 222).text, "12,13");
}

TEST_F(CommonSize, FromTypedFiguresThroughTheWholeNumberTwin) {
  s->ItemTable(205, 1) = Cell::Text("97");
  s->ItemTable(222, 1) = Cell::Text("800");
  s->ItemTable(206, 1) = Cell::Text("12.5");  // a whole number of 12 (ties to even)
  RebuildItemValues(*s);
  CompareResult r = ComputeCommonSizeBalance(*s);
  EXPECT_EQ(r.GridText(5, 1), "12.13");
  EXPECT_EQ(r.GridText(6, 1), "1.5");
}

TEST_F(CommonSize, EmptyWorkbook) {
  for (CompareResult r : {ComputeCommonSizeBalance(*s), ComputeCommonSizeIncome(*s)}) {
    for (int row = 1; row <= r.lastRow(); ++row)
      for (int p = 1; p <= 6; ++p) {
        EXPECT_EQ(r.GridText(row, p), "");
        const bool mapped = r.sectionBase() == 900 ? IsCommonSizeBalanceRow(row) : IsCommonSizeIncomeRow(row);
        EXPECT_TRUE(mapped ? IsUndefined(r.SectionCell(row, p)) : IsEmptyText(r.SectionCell(row, p)));
      }
  }
}

}  // namespace
}  // namespace morvadel
