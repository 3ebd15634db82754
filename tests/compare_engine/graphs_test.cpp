// The graph buffers of the common-size graphs and the value graphs.
#include "compare/graphs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/labels.h"

namespace morvadel {
namespace {

Currency Money(double v) { return Currency::FromRaw(static_cast<int64_t>(v * 10000 + (v < 0 ? -0.5 : 0.5))); }

class GraphsTest : public ::testing::Test {
 protected:
  SharedState s;

  // A common-size percentage as the comparison window leaves it.
  void Percent(int row, int period, double value) { s.ItemTable(row, period) = Cell::Double(value); }
  // A typed figure of a statement.
  void Typed(int row, int period, const std::string& text) { s.ItemTable(row, period) = Cell::Text(text); }
  std::string Label(int row) const { return CellText(s.ChartLabels(row, 0)); }
};

TEST_F(GraphsTest, GroupsHoldTheirItemsTitlesAndSections) {
  struct Case {
    int16_t code, section;
    std::vector<int> items;
    const char *titleHr, *titleEn;
  };
  const Case cases[] = {
      {51, 500, {11, 16, 18, 19, 20}, "Imovina (Aktiva)", "Assets"},
      {52, 500, {5, 6, 7, 8, 9}, "Tekuća imovina", "Current Assets"},
      {53, 500, {13, 14}, "Fiksna imovina", "Net Property"},
      {54, 500, {40, 48}, "Obveze i vlasnička glavnica", "Liabilities And Stockholders Equity"},
      {55, 500, {33, 39}, "Obveze", "Liabilities"},
      {56, 500, {27, 28, 29, 30, 31}, "Tekuće obveze", "Current Liabilities"},
      {57, 500, {35, 36, 37}, "Dugoročne obveze", "Long Term Liabilities"},
      {58, 500, {42, 43, 44, 45}, "Vlasnička glavnica", "Shareholdes Equity"},
      {61, 600, {3, 13, 15}, "Ukupni prihodi", "Total Revenues"},
      {62, 600, {4, 8, 9, 14, 16}, "Ukupni troškovi", "Total Expenses"},
      {63, 600, {30, 31, 32}, "Ukupna dobit", "Earnings"},
  };
  ASSERT_EQ(GraphGroups().size(), std::size(cases));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    const GraphGroup* g = GraphGroupOf(c.code);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->sectionBase, c.section);
    EXPECT_EQ(g->ItemCount(), static_cast<int>(c.items.size()));
    for (size_t k = 0; k < 5; ++k) EXPECT_EQ(g->items[k], k < c.items.size() ? c.items[k] : 0) << k;
    EXPECT_EQ(g->ValueSection(), c.section == 500 ? 900 : 1000);
    for (int16_t language : {kCroatian, kEnglish}) {
      SharedState t;
      t.Language = language;
      SetGraphGroupSettings(t, c.code);
      EXPECT_EQ(t.ReportCode, c.code);
      EXPECT_EQ(t.SectionBase, c.section);
      EXPECT_EQ(t.ReportTitle, language == kCroatian ? c.titleHr : c.titleEn);
      EXPECT_EQ(t.GridCols, 2);
      EXPECT_EQ(t.GridRows, 13);
      EXPECT_EQ(t.GridFixedCols, 1);
      EXPECT_EQ(t.GridFixedRows, 1);
    }
  }
  EXPECT_EQ(GraphGroupOf(59), nullptr);
  s.ReportCode = 9;
  SetGraphGroupSettings(s, 60);  // no group: nothing changes
  EXPECT_EQ(s.ReportCode, 9);
}

TEST_F(GraphsTest, PeriodHeadingsKeepTheirBlanks) {
  const char* headings[] = {"         I   ", "         II  ", "        III  ",
                            "         IV  ", "         V  ",  "         VI  "};
  for (int p = 1; p <= 6; ++p) EXPECT_STREQ(GraphPeriodHeading(p), headings[p - 1]);
  EXPECT_EQ(std::string(GraphPeriodHeading(5)).size() + 1, std::string(GraphPeriodHeading(4)).size());
}

TEST_F(GraphsTest, LoadingAGroupFillsItsSlotsAndClearsTheRest) {
  FillBalanceSheetLabelsEn(s);
  // Leftovers of an earlier load or of the value graphs.
  for (int r = 0; r <= 13; ++r) {
    s.ChartLabels(r, 0) = Cell::Text("old");
    s.ChartValues(r, 1) = Currency::FromWhole(9);
  }
  s.ChartValues(13, 1) = Currency::FromWhole(7);
  s.ChartValues(3, 2) = Currency::FromWhole(8);
  Percent(933, 3, 60.5);   // total current liabilities, period III
  Percent(939, 3, -12.25);  // total long term liabilities
  Percent(933, 2, 1.0);    // another period: not read

  LoadGraphGroup(s, 55, 3);
  EXPECT_EQ(Label(3), "Total current liabilities");
  EXPECT_EQ(Label(4), "Total long term liabilities");
  EXPECT_EQ(s.ChartValues(3, 1), Money(60.5));
  EXPECT_EQ(s.ChartValues(4, 1), Money(-12.25));
  for (int r : {0, 1, 2, 5, 6, 7, 8, 12}) {
    EXPECT_EQ(Label(r), "") << r;
    EXPECT_TRUE(s.ChartValues(r, 1).IsZero()) << r;
  }
  // Row 13 and the other columns are not the window's.
  EXPECT_EQ(s.ChartValues(13, 1), Currency::FromWhole(7));
  EXPECT_EQ(s.ChartValues(3, 2), Currency::FromWhole(8));

  // An income-statement group reads section 1000; an undefined percentage
  // (the whole number 0) and a cell that is no number both count as 0.
  FillIncomeStatementLabelsEn(s);
  s.ItemTable(1003, 1) = Cell::Int32(0);
  s.ItemTable(1013, 1) = Cell::Text("n/a");
  Percent(1015, 1, 2.13);
  LoadGraphGroup(s, 61, 1);
  EXPECT_EQ(Label(3), "Net sales");
  EXPECT_EQ(Label(5), "Interest on income");
  EXPECT_TRUE(s.ChartValues(3, 1).IsZero());
  EXPECT_TRUE(s.ChartValues(4, 1).IsZero());
  EXPECT_EQ(s.ChartValues(5, 1), Money(2.13));

  // A code without a group only clears.
  LoadGraphGroup(s, 59, 1);
  for (int r = 0; r <= 12; ++r) EXPECT_EQ(Label(r), "") << r;
}

// ---- value graphs ------------------------------------------------------------

TEST_F(GraphsTest, CodeToRowTablesFollowTheListsOfTheCatalogue) {
  // With the catalogue's labels loaded, each list shows exactly the rows of
  // its table, in order: a list position and a list code name one account.
  struct Case {
    int list, sheet, first, last;
    std::vector<int> skipped;  // heading rows with a label that no list shows
    size_t count;
  };
  const Case cases[] = {{1, 2, 205, 252, {224}, 33}, {2, 3, 303, 332, {}, 20}, {3, 4, 404, 450, {406, 414, 427, 435}, 31}};
  for (int16_t language : {kCroatian, kEnglish}) {
    SharedState t;
    t.Language = language;
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << "list " << c.list << " language " << language);
      FillStatementLabels(t, c.sheet, language);
      std::vector<int> scanned;
      for (int row = c.first; row <= c.last; ++row) {
        const bool skipped = std::find(c.skipped.begin(), c.skipped.end(), row) != c.skipped.end();
        const Cell& label = t.ItemTable(row, language == kCroatian ? 15 : 16);
        if (!skipped && !label.text().empty()) scanned.push_back(row);
      }
      const auto rows = AccountRows(c.list);
      ASSERT_EQ(rows.size(), c.count);
      EXPECT_EQ(std::vector<int>(rows.begin(), rows.end()), scanned);
      const std::vector<AccountItem> items = AccountListItems(t, c.list);
      ASSERT_EQ(items.size(), c.count);
      for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].position, static_cast<int>(i));
        EXPECT_EQ(items[i].row, rows[i]);
        EXPECT_EQ(MapCodeToRow(ListCodeBase(c.list) + static_cast<int>(i)), rows[i]);
        EXPECT_EQ(items[i].label, t.ItemTable(rows[i], language == kCroatian ? 15 : 16).text());
      }
    }
  }
  EXPECT_EQ(MapCodeToRow(212), 222);
  EXPECT_EQ(MapCodeToRow(232), 252);  // "Out of balance by:" can be picked
  EXPECT_EQ(MapCodeToRow(313), 323);
  EXPECT_EQ(MapCodeToRow(430), 450);
  for (int code : {0, 199, 233, 320, 431, 500, -5}) EXPECT_EQ(MapCodeToRow(code), 0) << code;
}

TEST_F(GraphsTest, ListsOfAStatementWithoutLabelsAreEmpty) {
  s.Language = kEnglish;
  FillIncomeStatementLabelsEn(s);
  EXPECT_TRUE(AccountListItems(s, kBalanceSheetList).empty());
  EXPECT_EQ(AccountListItems(s, kIncomeStatementList).size(), 20u);
  EXPECT_TRUE(AccountListItems(s, kCashFlowList).empty());
  // The Croatian column is read in Croatian: still empty.
  s.Language = kCroatian;
  EXPECT_TRUE(AccountListItems(s, kIncomeStatementList).empty());
  // Before the language is chosen nothing is listed.
  s.Language = 0;
  EXPECT_TRUE(AccountListItems(s, kIncomeStatementList).empty());
}

TEST_F(GraphsTest, AListWithALabelMissingStillPicksTheAccountShown) {
  // A workbook whose file lost one label: the list is one shorter, and the
  // accounts below the gap keep their own rows.
  s.Language = kEnglish;
  FillBalanceSheetLabelsEn(s);
  s.ItemTable(206, kLabelEnColumn) = Cell::Text("");
  const std::vector<AccountItem> items = AccountListItems(s, kBalanceSheetList);
  ASSERT_EQ(items.size(), 32u);
  EXPECT_EQ(items[1].row, 207);
  EXPECT_EQ(items[1].label, "Inventories");
  EXPECT_EQ(MapCodeToRow(ListCodeBase(kBalanceSheetList) + items[1].position), 207);
}

TEST_F(GraphsTest, OkFillsTheSlotsAndBuffers) {
  s.Language = kEnglish;
  FillBalanceSheetLabelsEn(s);
  FillIncomeStatementLabelsEn(s);
  FillCashFlowLabelsEn(s);
  Typed(205, 1, "100");
  Typed(205, 3, "-20.5");
  s.ItemTable(205, 2) = Cell::Text("");  // the empty text counts as empty
  Typed(303, 6, "7");
  s.ItemTable(450, 4) = Cell::Int32(12);
  // Leftovers that the OK clears.
  for (int r = 1; r <= 13; ++r) {
    s.ChartLabels(r, 0) = Cell::Text("old");
    for (int c = 1; c <= 10; ++c) s.ChartValues(r, c) = Currency::FromWhole(3);
  }
  s.ChartValues(0, 4) = Currency::FromWhole(5);
  s.SelectedAccounts(2, 5) = 999;

  const int codes[] = {200, 212, 300, 430};
  AssignAccountSlots(s, codes);
  const ValueGraphFill fill = FillValueGraphBuffers(s);
  EXPECT_EQ(fill.filled, 4);
  EXPECT_TRUE(fill.problems.empty());
  const int rows[] = {205, 222, 303, 450};
  for (int k = 1; k <= 4; ++k) {
    EXPECT_EQ(s.SelectedAccounts(1, k), codes[k - 1]) << k;
    EXPECT_EQ(s.SelectedAccounts(2, k), rows[k - 1]) << k;
  }
  EXPECT_EQ(s.SelectedAccounts(1, 5), 0);
  EXPECT_EQ(s.SelectedAccounts(2, 5), 999);  // an empty slot keeps its row

  EXPECT_EQ(Label(2), "Cash and marketable securities");
  EXPECT_EQ(s.ChartValues(2, 1), Currency::FromWhole(100));
  EXPECT_TRUE(s.ChartValues(2, 2).IsZero());
  EXPECT_EQ(s.ChartValues(2, 3), Money(-20.5));
  // An account whose periods are all empty keeps its slot but no label.
  EXPECT_EQ(Label(3), "");
  for (int p = 1; p <= 6; ++p) EXPECT_TRUE(s.ChartValues(3, p).IsZero()) << p;
  EXPECT_EQ(Label(4), "Net sales");
  EXPECT_EQ(s.ChartValues(4, 6), Currency::FromWhole(7));
  EXPECT_EQ(Label(5), "Cash end of  period");
  EXPECT_EQ(s.ChartValues(5, 4), Currency::FromWhole(12));
  for (int r : {1, 6, 7, 13}) {
    EXPECT_EQ(Label(r), "") << r;
    for (int c = 1; c <= 10; ++c) EXPECT_TRUE(s.ChartValues(r, c).IsZero()) << r << "," << c;
  }
  EXPECT_EQ(s.ChartValues(0, 4), Currency::FromWhole(5));  // row 0 is not the options'

  // Nothing picked: the buffers are cleared and no slot is filled.
  AssignAccountSlots(s, {});
  EXPECT_EQ(FillValueGraphBuffers(s).filled, 0);
  EXPECT_EQ(Label(2), "");
  EXPECT_TRUE(s.ChartValues(2, 1).IsZero());
}

TEST_F(GraphsTest, AtMostFiveSlotsAreAssigned) {
  const int codes[] = {200, 201, 202, 203, 204, 205, 206};
  AssignAccountSlots(s, codes);
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(s.SelectedAccounts(1, k), codes[k - 1]);
}

TEST_F(GraphsTest, UnreadablePeriodCountsAsZeroAndIsNamedByLabelAndPeriod) {
  for (int16_t language : {kCroatian, kEnglish}) {
    SCOPED_TRACE(language);
    s.Language = language;
    FillStatementLabels(s, 2, language);
    FillStatementLabels(s, 3, language);
    s.ItemTable(101, 3) = Cell::Text("2023");
    Typed(207, 1, "10");
    Typed(207, 3, "12a");
    Typed(304, 5, "99999999999999999999");
    const int codes[] = {202, 301};
    AssignAccountSlots(s, codes);
    const ValueGraphFill fill = FillValueGraphBuffers(s);
    ASSERT_EQ(fill.problems.size(), 2u);
    EXPECT_EQ(fill.problems[0].row, 207);
    EXPECT_EQ(fill.problems[0].period, 3);
    EXPECT_EQ(fill.problems[0].status, ConvStatus::NotNumber);
    EXPECT_EQ(fill.problems[1].status, ConvStatus::OutOfRange);
    EXPECT_EQ(s.ChartValues(2, 1), Currency::FromWhole(10));
    EXPECT_TRUE(s.ChartValues(2, 3).IsZero());
    EXPECT_TRUE(s.ChartValues(3, 5).IsZero());
    EXPECT_FALSE(Label(3).empty());  // the cell was not empty: the label stands

    const std::string text = DescribeValueGraphProblems(s, fill);
    const bool hr = language == kCroatian;
    EXPECT_NE(text.find(hr ? "Ukupne zalihe, razdoblje III (2023): upisana vrijednost nije broj"
                           : "Inventories, period III (2023): the entry is not a number"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find(hr ? "Troškovi prodanih proizvoda, razdoblje V: broj je izvan dopuštenog raspona"
                           : "Cost of goods sold, period V: the number is out of range"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("207"), std::string::npos);  // no internal row numbers
  }
  EXPECT_EQ(DescribeValueGraphProblems(s, ValueGraphFill{}), "");
}

TEST_F(GraphsTest, AProblemQuotesAtMostALineOfAHugeLabelOrPeriodName) {
  s.Language = kEnglish;
  FillStatementLabels(s, 2, kEnglish);
  s.ItemTable(207, kLabelEnColumn) = Cell::Text(std::string(100000, 'L') + "\nsecond line");
  s.ItemTable(101, 3) = Cell::Text(std::string(100000, 'P'));
  Typed(207, 3, "12a");
  const int codes[] = {202};
  AssignAccountSlots(s, codes);
  const std::string text = DescribeValueGraphProblems(s, FillValueGraphBuffers(s));
  EXPECT_LT(text.size(), 1000u) << text.size();
  EXPECT_NE(text.find("LLLL"), std::string::npos);
  EXPECT_NE(text.find(", period III (PPPP"), std::string::npos) << text;
  EXPECT_NE(text.find("): the entry is not a number"), std::string::npos) << text;
  EXPECT_EQ(text.find("second line"), std::string::npos);
}

}  // namespace
}  // namespace morvadel
