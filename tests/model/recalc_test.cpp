#include "model/recalc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/labels.h"
#include "model/message_parts.h"

namespace morvadel {
namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

using Inputs = std::map<int, std::string>;  // item row -> typed text

std::unique_ptr<SharedState> NewState() { return std::make_unique<SharedState>(); }

void Type(SharedState& s, int col, const Inputs& in) {
  for (const auto& [row, text] : in) s.ItemTable(row, col) = Cell::Text(text);
}

// The cell as the grids show it after a recalculation.
std::string Shown(const SharedState& s, int row, int col) { return CellText(s.ItemTable(row, col)); }

void ExpectTablesEqual(const SharedState& a, const SharedState& b) {
  for (int r = 0; r < ItemTableT::kRows; ++r)
    for (int c = 0; c < ItemTableT::kCols; ++c) {
      ASSERT_EQ(a.ItemTable(r, c), b.ItemTable(r, c)) << "ItemTable row " << r << " col " << c;
      ASSERT_EQ(a.ItemValues(r, c), b.ItemValues(r, c)) << "ItemValues row " << r << " col " << c;
    }
}

// A complete balance sheet, income statement and the expense rows the
// industry rows read, period I; the other periods use multiples of it.
const Inputs kFullStatements = {
    {102, "365"},
    // Balance sheet.
    {205, "1000"}, {206, "2500"}, {207, "3000"}, {208, "150"}, {209, "350"},
    {213, "20000"}, {214, "6000"}, {218, "1200"}, {219, "300"}, {220, "500"},
    {226, "800"}, {227, "400"}, {228, "1900"}, {229, "600"}, {230, "250"}, {231, "50"},
    {235, "5000"}, {236, "700"}, {237, "300"},
    {242, "1000"}, {243, "6000"}, {244, "5500"}, {245, "500"},
    // Income statement.
    {303, "36500"}, {304, "21000"}, {308, "4000"}, {309, "3000"},
    {313, "600"}, {314, "400"}, {315, "200"}, {316, "900"}, {323, "2000"},
    // Expense details.
    {503, "100"}, {504, "1500"}, {505, "50"}, {506, "30"}, {507, "7000"},
    {509, "800"}, {510, "400"}, {511, "1200"}, {514, "250"}, {515, "70"},
};

// Hand-computed results of kFullStatements (linear rows only; the division
// rows are checked separately because they do not scale).
const std::map<int, int> kFullLinearResults = {
    // Totals.
    {211, 7000}, {216, 14000}, {222, 23000}, {233, 4000}, {239, 6000}, {240, 10000},
    {247, 12000}, {248, 13000}, {250, 23000}, {252, 0},
    {306, 15500}, {311, 8500}, {318, 37300}, {319, 29300}, {321, 8000}, {325, 6000},
    // Ratio window rows.
    {51, 3500}, {52, 19000}, {53, 8900}, {54, 6900}, {55, 19000},
    // Industry rows.
    {81, 500}, {82, 1500}, {83, 1000}, {84, 12500}, {85, 7500}, {86, 3500}, {87, 11000},
    {88, 8900}, {89, 7650}, {90, 12000}, {91, 1650}, {70, 6900}, {71, 1650}, {72, 1200},
    {73, 7350}, {74, 7200}, {75, 3500}, {76, 3000}, {77, 8900}, {78, 12500}, {79, 6000},
    {61, 2000}, {62, 1200}, {63, 300}, {64, 5300}, {67, 3000},
};

TEST(RecalculateStatements, FullStatementsGiveEveryTotalAndDerivedRow) {
  auto s = NewState();
  Type(*s, 1, kFullStatements);
  Inputs tripled;
  for (const auto& [row, text] : kFullStatements) tripled[row] = std::to_string(std::stoi(text) * (row == 102 ? 1 : 3));
  Type(*s, 4, tripled);
  // Rows outside every formula keep what was typed.
  for (int row : {66, 68, 69, 80}) s->ItemTable(row, 1) = Cell::Text(std::to_string(row));

  ASSERT_TRUE(RecalculateStatements(*s).ok());

  for (const auto& [row, want] : kFullLinearResults) {
    EXPECT_EQ(s->ItemValues(row, 1), want) << "row " << row;
    EXPECT_EQ(s->ItemValues(row, 4), 3 * want) << "row " << row << " period IV";
    if (want == 0)
      EXPECT_EQ(s->ItemTable(row, 1), Cell::Text("")) << "row " << row;
    else
      EXPECT_EQ(s->ItemTable(row, 1), Cell::Int32(want)) << "row " << row;
  }
  // 21000 / 3000, 36500 / 2500 = 14.6, 21000 / 4000 = 5.25, 36500 / 365.
  const std::map<int, std::pair<int, int>> division = {
      {56, {7, 7}}, {57, {15, 15}}, {58, {5, 5}}, {65, {100, 300}}};
  for (const auto& [row, want] : division) {
    EXPECT_EQ(s->ItemValues(row, 1), want.first) << "row " << row;
    EXPECT_EQ(s->ItemValues(row, 4), want.second) << "row " << row << " period IV";
  }
  for (int row : {66, 68, 69, 80}) EXPECT_EQ(s->ItemTable(row, 1), Cell::Int32(row));
  // Typed figures come back as whole-number cells; untouched periods stay empty.
  EXPECT_EQ(s->ItemTable(205, 1), Cell::Int32(1000));
  EXPECT_EQ(s->ItemTable(102, 4), Cell::Int32(365));
  for (int c : {2, 3, 5, 6})
    for (int row : {211, 222, 51, 56, 65, 67, 76, 87}) EXPECT_EQ(s->ItemTable(row, c), Cell::Text("")) << row;
}

TEST(RecalculateStatements, EmptyWorkbookStaysEmptyAndClearsStaleValues) {
  auto s = NewState();
  s->ItemValues.Fill(77);  // left over from an earlier workbook
  ASSERT_TRUE(RecalculateStatements(*s).ok());
  for (int r = 2; r <= 1600; ++r)
    for (int c = 1; c <= 6; ++c) {
      ASSERT_EQ(s->ItemTable(r, c), Cell::Text("")) << r << "," << c;
      ASSERT_EQ(s->ItemValues(r, c), 0) << r << "," << c;
    }
  // Outside the range nothing is touched.
  EXPECT_TRUE(s->ItemTable(1, 1).IsEmpty());
  EXPECT_TRUE(s->ItemTable(205, 7).IsEmpty());
  EXPECT_EQ(s->ItemValues(1, 1), 77);
  EXPECT_EQ(s->ItemValues(205, 7), 77);
}

TEST(RecalculateStatements, ClearedCellCountsZeroAndTotalsDrop) {
  auto s = NewState();
  Type(*s, 2, {{205, "100"}, {206, "50"}});
  ASSERT_TRUE(RecalculateStatements(*s).ok());
  EXPECT_EQ(s->ItemTable(211, 2), Cell::Int32(150));
  s->ItemTable(205, 2) = Cell::Text("");
  s->ItemTable(206, 2) = Cell();  // never assigned counts the same
  ASSERT_TRUE(RecalculateStatements(*s).ok());
  for (int row : {205, 206, 211, 222, 51, 86, 75, 252}) {
    EXPECT_EQ(s->ItemTable(row, 2), Cell::Text("")) << row;
    EXPECT_EQ(s->ItemValues(row, 2), 0) << row;
  }
}

struct Case {
  const char* name;
  Inputs in;
  std::map<int, std::string> want;  // item row -> shown text ("" = empty)
};

class RecalcCases : public testing::TestWithParam<Case> {};

TEST_P(RecalcCases, GivesTheExpectedRows) {
  const Case& k = GetParam();
  auto s = NewState();
  Type(*s, 3, k.in);
  ASSERT_TRUE(RecalculateStatements(*s).ok());
  for (const auto& [row, text] : k.want) EXPECT_EQ(Shown(*s, row, 3), text) << "row " << row;
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, RecalcCases,
    testing::Values(
        Case{"CurrentAssetsOnly",
             {{205, "100"}, {206, "50"}, {207, "30"}},
             {{211, "180"}, {222, "180"}, {51, "150"}, {86, "150"}, {75, "150"}, {252, "180"},
              {250, ""}, {76, "180"}, {67, ""}, {87, "180"}}},
        Case{"Row56HalfToEvenDown", {{304, "10"}, {207, "4"}}, {{56, "2"}}},
        Case{"Row56HalfToEvenUp", {{304, "14"}, {207, "4"}}, {{56, "4"}}},
        Case{"Row56NoInventory", {{304, "14"}}, {{56, ""}}},
        Case{"Row56NegativeHalves", {{304, "-10"}, {207, "4"}}, {{56, "-2"}}},
        Case{"Row56NegativeHalvesUp", {{304, "-14"}, {207, "4"}}, {{56, "-4"}}},
        Case{"Row56QuotientBelowHalf", {{304, "1"}, {207, "3"}}, {{56, ""}}},
        Case{"Row56LargeHalf", {{304, "2147483647"}, {207, "2"}}, {{56, "1073741824"}}},
        Case{"Row57HalfToEven", {{303, "7"}, {206, "2"}}, {{57, "4"}}},
        Case{"Row58FromComputedTotal", {{304, "5"}, {226, "1"}, {231, "1"}}, {{58, "2"}, {233, "2"}}},
        Case{"Row58NoCurrentLiabilities", {{304, "5"}}, {{58, ""}}},
        Case{"Row67NeedsBothSides", {{205, "500"}}, {{67, ""}, {76, "500"}}},
        Case{"Row67WithBothSides", {{205, "500"}, {228, "200"}}, {{67, "300"}, {76, "300"}, {87, "700"}}},
        Case{"Row67NoCurrentAssets", {{228, "200"}}, {{67, ""}, {76, "-200"}}},
        Case{"Row65SalesPerDay", {{303, "730"}, {102, "73"}}, {{65, "10"}}},
        Case{"Row65NoDays", {{303, "730"}}, {{65, ""}}},
        Case{"Row65NoSales", {{102, "365"}}, {{65, ""}}},
        Case{"Row65HalfToEven", {{303, "5"}, {102, "2"}}, {{65, "2"}}},
        Case{"BalancedSheetIsEmpty", {{205, "300"}, {243, "300"}}, {{222, "300"}, {250, "300"}, {252, ""}}},
        Case{"FractionsHalfToEven",
             {{205, "12.5"}, {206, "13.5"}, {207, "1,012.5"}, {208, "-2.5"}, {209, "0.4"}},
             {{205, "12"}, {206, "14"}, {207, "1012"}, {208, "-2"}, {209, ""}, {211, "1036"}}},
        Case{"BlankTextCountsZero", {{205, "   "}, {206, "0"}}, {{205, ""}, {206, ""}, {211, ""}}},
        Case{"SumsNearTheLimitFit",
             {{205, "2147483646"}, {206, "1"}},
             {{211, "2147483647"}, {51, "2147483647"}}},
        Case{"NegativeLimitFits", {{213, "-2147483648"}}, {{216, "-2147483648"}, {222, "-2147483648"}}}),
    [](const testing::TestParamInfo<Case>& i) { return std::string(i.param.name); });

TEST(RecalculateStatements, NumericCellKindsConvertHalfToEven) {
  auto s = NewState();
  s->ItemTable(205, 1) = Cell::Double(2.5);
  s->ItemTable(206, 1) = Cell::Money(Currency::FromRaw(35000));  // 3.5
  s->ItemTable(207, 1) = Cell::Int16(-7);
  ASSERT_TRUE(RecalculateStatements(*s).ok());
  EXPECT_EQ(s->ItemTable(205, 1), Cell::Int32(2));
  EXPECT_EQ(s->ItemTable(206, 1), Cell::Int32(4));
  EXPECT_EQ(s->ItemTable(207, 1), Cell::Int32(-7));
  EXPECT_EQ(s->ItemTable(211, 1), Cell::Int32(-1));
}

TEST(RecalculateStatements, NamesInHeadingRowsSurviveAsText) {
  auto s = NewState();
  s->DecimalMark = ',';
  s->ItemTable(101, 1) = Cell::Text("Firma d.d.");
  s->ItemTable(101, 2) = Cell::Text("2024");
  s->ItemTable(101, 3) = Cell::Text("  ");
  s->ItemTable(101, 4) = Cell::Text("12,5");
  s->ItemTable(201, 1) = Cell::Text("Firma d.d.");  // copied there by the page header
  s->ItemTable(301, 2) = Cell::Text("Q1/2024");
  s->ItemTable(801, 6) = Cell::Text("Ind. prosjek");
  s->ItemTable(1501, 5) = Cell::Text("Zadnji");
  s->ItemTable(205, 1) = Cell::Text("40");
  s->ItemValues(101, 1) = 99;

  ASSERT_TRUE(RecalculateStatements(*s).ok());

  EXPECT_EQ(s->ItemTable(101, 1), Cell::Text("Firma d.d."));
  EXPECT_EQ(s->ItemValues(101, 1), 0);
  EXPECT_EQ(s->ItemTable(101, 2), Cell::Int32(2024));
  EXPECT_EQ(s->ItemValues(101, 2), 2024);
  EXPECT_EQ(s->ItemTable(101, 3), Cell::Text(""));
  EXPECT_EQ(s->ItemTable(101, 4), Cell::Text("12,5"));
  EXPECT_EQ(s->ItemTable(201, 1), Cell::Text("Firma d.d."));
  EXPECT_EQ(s->ItemTable(301, 2), Cell::Text("Q1/2024"));
  EXPECT_EQ(s->ItemTable(801, 6), Cell::Text("Ind. prosjek"));
  EXPECT_EQ(s->ItemTable(1501, 5), Cell::Text("Zadnji"));
  const std::pair<int, int> names[] = {{201, 1}, {301, 2}, {801, 6}, {1501, 5}};
  for (auto [row, col] : names) EXPECT_EQ(s->ItemValues(row, col), 0) << row;
  EXPECT_EQ(s->ItemTable(211, 1), Cell::Int32(40));
  // Names survive a second run as well.
  ASSERT_TRUE(RecalculateStatements(*s).ok());
  EXPECT_EQ(s->ItemTable(101, 1), Cell::Text("Firma d.d."));
}

// "2019." (a year as Croatian writes it) became 2019, "1.5" became 2 and
// ".5" vanished: only an optional sign and digits convert, in every locale.
TEST(RecalculateStatements, OnlyANameOfSignAndDigitsConverts) {
  struct NameCase {
    Cell name;
    Cell after;  // what the heading cell holds after Sum
    int32_t value;
  } cases[] = {
      {Cell::Text("2019."), Cell::Text("2019."), 0},
      {Cell::Text("1.5"), Cell::Text("1.5"), 0},
      {Cell::Text("1,5"), Cell::Text("1,5"), 0},
      {Cell::Text(".5"), Cell::Text(".5"), 0},
      {Cell::Text("1.000"), Cell::Text("1.000"), 0},
      {Cell::Text("2019/20"), Cell::Text("2019/20"), 0},
      {Cell::FileNumber("2019.5"), Cell::FileNumber("2019.5"), 0},
      {Cell::Text("2019"), Cell::Int32(2019), 2019},
      {Cell::Text(" -7 "), Cell::Int32(-7), -7},
      {Cell::Text("+0"), Cell::Text(""), 0},
      {Cell::FileNumber("2020"), Cell::Int32(2020), 2020},
      {Cell::Int32(2021), Cell::Int32(2021), 2021},
  };
  for (char mark : {',', '.'}) {
    for (const NameCase& c : cases) {
      SCOPED_TRACE(testing::Message() << "'" << CellText(c.name) << "' with mark " << mark);
      auto s = NewState();
      s->DecimalMark = mark;
      s->ItemTable(101, 3) = c.name;
      s->ItemTable(401, 3) = c.name;
      ASSERT_TRUE(RecalculateStatements(*s).ok());
      EXPECT_EQ(s->ItemTable(101, 3), c.after);
      EXPECT_EQ(s->ItemTable(401, 3), c.after);
      EXPECT_EQ(s->ItemValues(101, 3), c.value);
    }
  }
}

// A text typed over a common-size percentage ("1.2.3") blocked every Sum
// with a message about a row the user cannot see. Only the amounts the
// formulas read can stop a recalculation.
TEST(RecalculateStatements, AStrayTextInAResultSectionBlocksNothing) {
  auto s = NewState();
  Type(*s, 1, {{205, "100"}, {222, "400"}});
  s->ItemTable(905, 1) = Cell::Text("1.2.3");         // typed over a percentage
  s->ItemTable(1003, 2) = Cell::Text("abc");
  s->ItemTable(604, 3) = Cell::Double(1e12);          // beyond the 32-bit range
  s->ItemTable(55, 1) = Cell::Text("x");              // a derived row the formulas write
  s->ItemTable(30, 1) = Cell::Text("y");              // a row nothing writes
  const RecalcError e = RecalculateStatements(*s);
  ASSERT_TRUE(e.ok()) << DescribeRecalcError(e, *s, kEnglish);
  EXPECT_EQ(s->ItemTable(211, 1), Cell::Int32(100));
  EXPECT_EQ(s->ItemTable(905, 1), Cell::Text("1.2.3"));  // left for the view to compute again
  EXPECT_EQ(s->ItemValues(905, 1), 0);
  EXPECT_EQ(s->ItemTable(1003, 2), Cell::Text("abc"));
  EXPECT_EQ(s->ItemTable(604, 3), Cell::Double(1e12));
  EXPECT_EQ(s->ItemValues(604, 3), 0);
  EXPECT_EQ(s->ItemTable(55, 1), Cell::Text(""));         // written by its formula
  EXPECT_EQ(s->ItemTable(30, 1), Cell::Text("y"));
  // The amounts themselves still stop it.
  s->ItemTable(514, 4) = Cell::Text("1.2.3");
  EXPECT_EQ(RecalculateStatements(*s).row, 514);
}

// Typed figures follow the user's regional format: a point groups thousands
// in Croatian notation and a comma in English notation; any other use of the
// two marks is reported, never guessed.
TEST(RecalculateStatements, TypedFiguresFollowTheUsersNotation) {
  struct NotationCase {
    char mark;
    const char* typed;
    RecalcError::Kind kind;
    const char* total;  // row 211 as shown after Sum
  } cases[] = {
      {',', "1.234", RecalcError::Kind::None, "1234"},
      {',', "1.234.567", RecalcError::Kind::None, "1234567"},
      {',', "1.234,5", RecalcError::Kind::None, "1234"},
      {',', "12,5", RecalcError::Kind::None, "12"},
      {',', "1.5", RecalcError::Kind::NotNumber, ""},
      {',', "1,234.5", RecalcError::Kind::NotNumber, ""},
      {'.', "1,000", RecalcError::Kind::None, "1000"},
      {'.', "1,234,567", RecalcError::Kind::None, "1234567"},
      {'.', "1,234.5", RecalcError::Kind::None, "1234"},
      {'.', "1,5", RecalcError::Kind::NotNumber, ""},
      {'.', "1.23.4", RecalcError::Kind::NotNumber, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "'" << c.typed << "' with mark " << c.mark);
    auto s = NewState();
    s->DecimalMark = c.mark;
    s->ItemTable(205, 1) = Cell::Text(c.typed);
    const RecalcError e = RecalculateStatements(*s);
    EXPECT_EQ(e.kind, c.kind);
    if (e.ok()) {
      EXPECT_EQ(Shown(*s, 211, 1), c.total);
    } else {
      EXPECT_EQ(e.row, 205);
      EXPECT_EQ(s->ItemTable(205, 1), Cell::Text(c.typed));  // left as typed
    }
  }
}

struct FaultCase {
  const char* name;
  int col;
  Inputs in;
  RecalcError::Kind kind;
  int row;
};

class RecalcFaults : public testing::TestWithParam<FaultCase> {};

TEST_P(RecalcFaults, ReportTheFaultAndChangeNothing) {
  const FaultCase& k = GetParam();
  auto s = NewState();
  // A workbook recalculated once, then edited: the edits must stay as typed.
  Type(*s, 1, kFullStatements);
  s->ItemTable(101, 1) = Cell::Text("Firma");
  ASSERT_TRUE(RecalculateStatements(*s).ok());
  s->ItemTable(205, 1) = Cell::Text("1000.5");
  Type(*s, k.col, k.in);
  const SharedState before = *s;

  RecalcError e = RecalculateStatements(*s);

  EXPECT_EQ(e.kind, k.kind);
  EXPECT_EQ(e.row, k.row);
  EXPECT_EQ(e.period, k.col);
  EXPECT_FALSE(e.ok());
  ExpectTablesEqual(*s, before);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, RecalcFaults,
    testing::Values(
        FaultCase{"TextInAmount", 2, {{305, "12a"}}, RecalcError::Kind::NotNumber, 305},
        FaultCase{"TextInDays", 6, {{102, "godina"}}, RecalcError::Kind::NotNumber, 102},
        FaultCase{"FirstBadCellInRowOrder", 5, {{402, "x"}, {230, "y"}}, RecalcError::Kind::NotNumber, 230},
        FaultCase{"TextInSecondRowOfSection", 3, {{202, "Aktiva"}}, RecalcError::Kind::NotNumber, 202},
        FaultCase{"TypedAmountTooLarge", 2, {{205, "3000000000"}}, RecalcError::Kind::Overflow, 205},
        FaultCase{"TotalTooLarge", 3, {{205, "2147483647"}, {206, "1"}}, RecalcError::Kind::Overflow, 211},
        FaultCase{"IntermediateSumTooLarge", 3, {{205, "2147483647"}, {206, "1"}, {207, "-5"}},
                  RecalcError::Kind::Overflow, 211},
        FaultCase{"DifferenceTooLarge", 2, {{213, "-2147483648"}, {214, "1"}}, RecalcError::Kind::Overflow, 216},
        FaultCase{"BracketedSumTooLarge", 6, {{304, "2147483647"}, {308, "1"}}, RecalcError::Kind::Overflow, 311},
        FaultCase{"TotalOfEditedFiguresTooLarge", 1, {{228, "2147483647"}}, RecalcError::Kind::Overflow, 233},
        FaultCase{"DerivedRowTooLarge", 5, {{503, "2147483647"}, {504, "1"}}, RecalcError::Kind::Overflow, 89},
        FaultCase{"QuotientTooLarge", 4, {{303, "-2147483648"}, {206, "-1"}}, RecalcError::Kind::Overflow, 57}),
    [](const testing::TestParamInfo<FaultCase>& i) { return std::string(i.param.name); });

TEST(RecalculateStatements, ANameOfTooManyDigitsStaysAsTyped) {
  auto s = NewState();
  Type(*s, 4, {{101, "12345678901"}, {205, "7"}});
  ASSERT_TRUE(RecalculateStatements(*s).ok());
  EXPECT_EQ(s->ItemTable(101, 4), Cell::Text("12345678901"));
  EXPECT_EQ(s->ItemValues(101, 4), 0);
  EXPECT_EQ(s->ItemTable(211, 4), Cell::Int32(7));
  // Outside the name rows such a number is still an amount out of range.
  Type(*s, 4, {{205, "12345678901"}});
  EXPECT_EQ(RecalculateStatements(*s).kind, RecalcError::Kind::Overflow);
}

TEST(RecalculateStatements, FaultInOnePeriodLeavesEveryPeriodUnchanged) {
  auto s = NewState();
  Type(*s, 1, {{205, "10"}});
  Type(*s, 6, {{205, std::to_string(kMax)}, {206, "1"}});
  const SharedState before = *s;
  RecalcError e = RecalculateStatements(*s);
  EXPECT_EQ(e.kind, RecalcError::Kind::Overflow);
  EXPECT_EQ(e.row, 211);
  EXPECT_EQ(e.period, 6);
  ExpectTablesEqual(*s, before);
  EXPECT_EQ(s->ItemTable(211, 1), Cell());  // period I was not written either
}

TEST(DescribeRecalcError, NamesTheRowByItsLabelAndThePeriodByItsName) {
  auto s = NewState();
  s->ItemTable(205, 2) = Cell::Text("abc");
  RecalcError bad = RecalculateStatements(*s);
  ASSERT_EQ(bad.kind, RecalcError::Kind::NotNumber);

  struct Want {
    RecalcError e;
    int16_t language;
    std::string text;
  };
  const RecalcError overflow{RecalcError::Kind::Overflow, 211, 3};
  const std::vector<Want> cases = {
      {bad, kEnglish,
       "Cash and marketable securities (Balance Sheet), period II: the entry \"abc\" is not a number. "
       "Nothing was recalculated."},
      {bad, kCroatian,
       "Novac i utržive vrijednosnice (Bruto bilanca), razdoblje II: upisani tekst \"abc\" nije broj. "
       "Ništa nije preračunato."},
      {overflow, kEnglish,
       "Total current assets (Balance Sheet), period III: the amount is outside the allowed range "
       "(-2147483648 to 2147483647). Nothing was recalculated."},
      {overflow, kCroatian,
       "Ukupna tekuća imovina (Bruto bilanca), razdoblje III: iznos je izvan dopuštenog raspona "
       "(od -2147483648 do 2147483647). Ništa nije preračunato."},
      // A derived amount has no label of its own; it is named by what it is.
      {{RecalcError::Kind::Overflow, 89, 6}, kEnglish,
       "An amount computed for the analyses, period VI: the amount is outside the allowed range "
       "(-2147483648 to 2147483647). Nothing was recalculated."},
      // A row of a sheet without a label is named by its place on the
      // sheet; a stored amount that no sheet shows, by its statement.
      {{RecalcError::Kind::Overflow, 307, 2}, kEnglish,
       "Row 7 without a label (Income Statement), period II: the amount is outside the allowed range "
       "(-2147483648 to 2147483647). Nothing was recalculated."},
      {{RecalcError::Kind::Overflow, 110, 1}, kCroatian,
       "Redak 10 bez naziva (Opći podaci), razdoblje I: iznos je izvan dopuštenog raspona (od -2147483648 do "
       "2147483647). Ništa nije preračunato."},
      {{RecalcError::Kind::Overflow, 515, 4}, kCroatian,
       "Iznos koji list ne prikazuje (Troškovi), razdoblje IV: iznos je izvan dopuštenog raspona (od -2147483648 do "
       "2147483647). Ništa nije preračunato."},
      {{RecalcError::Kind::Overflow, 400, 3}, kEnglish,
       "An amount no sheet shows (Cash Flow - Indirect Method), period III: the amount is outside the allowed "
       "range (-2147483648 to 2147483647). Nothing was recalculated."},
      {{RecalcError::Kind::Overflow, 102, 5}, kEnglish,
       "Period length in days (General Data), period V: the amount is outside the allowed range "
       "(-2147483648 to 2147483647). Nothing was recalculated."},
  };
  for (const Want& w : cases) {
    const std::string text = DescribeRecalcError(w.e, *s, w.language);
    EXPECT_EQ(text, w.text);
    EXPECT_EQ(text.find(std::to_string(w.e.row)), std::string::npos) << "no internal row number: " << text;
  }
  EXPECT_EQ(DescribeRecalcError(RecalcError{}, *s, kEnglish), "");

  // Once the general data name the periods, the message says the name too.
  s->ItemTable(101, 2) = Cell::Text("Šibenik 2004");
  EXPECT_EQ(DescribeRecalcError(bad, *s, kEnglish).rfind(
                "Cash and marketable securities (Balance Sheet), period II (Šibenik 2004): ", 0),
            0u);
  EXPECT_EQ(DescribeRecalcError(bad, *s, kCroatian).rfind(
                "Novac i utržive vrijednosnice (Bruto bilanca), razdoblje II (Šibenik 2004): ", 0),
            0u);
}

TEST(DescribeRecalcError, FallsBackToTheRowsOwnLabelColumn) {
  auto s = NewState();
  s->ItemTable(605, kLabelHrColumn) = Cell::Text("Brza likvidnost");
  s->ItemTable(605, kLabelEnColumn) = Cell::Text("Quick ratio");
  s->ItemTable(210, kLabelEnColumn) = Cell::Text("typed note");  // empty in the catalogue
  const RecalcError e{RecalcError::Kind::NotNumber, 605, 1};
  s->ItemTable(605, 1) = Cell::Text("n/a");
  EXPECT_EQ(DescribeRecalcError(e, *s, kEnglish),
            "Quick ratio, period I: the entry \"n/a\" is not a number. Nothing was recalculated.");
  EXPECT_EQ(DescribeRecalcError(e, *s, kCroatian),
            "Brza likvidnost, razdoblje I: upisani tekst \"n/a\" nije broj. Ništa nije preračunato.");
  EXPECT_EQ(DescribeRecalcError({RecalcError::Kind::Overflow, 210, 2}, *s, kEnglish).rfind("typed note, period II:", 0), 0u);
}

}  // namespace
}  // namespace morvadel

namespace morvadel {
namespace {

// A hand-edited workbook's amounts that are no numbers or out of range are
// found, in row order, and reported once by their labels and periods; the
// names of heading rows and the result sections are no amounts.
TEST(UnreadableAmounts, AreFoundAndReportedByLabelAndPeriod) {
  auto s = NewState();
  s->DecimalMark = ',';
  s->ItemTable(205, 2) = Cell::FileNumber("abc");
  s->ItemTable(206, 1) = Cell::FileNumber("1e308");
  s->ItemTable(303, 6) = Cell::FileNumber("2147483648");
  s->ItemTable(102, 3) = Cell::Text("1.5");          // no number in Croatian notation
  s->ItemTable(207, 1) = Cell::FileNumber("12.5");   // the file's own numbers read
  s->ItemTable(101, 1) = Cell::Text("Firma d.d.");   // a name
  s->ItemTable(905, 1) = Cell::Text("x");            // a result section
  s->ItemTable(55, 1) = Cell::Text("x");             // a derived row
  const auto found = FindUnreadableAmounts(*s);
  ASSERT_EQ(found.size(), 4u);
  EXPECT_EQ(found[0].row, 102);
  EXPECT_EQ(found[1].row, 205);
  EXPECT_EQ(found[1].period, 2);
  EXPECT_EQ(found[2].row, 206);
  EXPECT_EQ(found[3].row, 303);
  EXPECT_EQ(found[3].status, ConvStatus::OutOfRange);

  EXPECT_EQ(DescribeUnreadableAmounts(found, *s, kEnglish),
            "The workbook was opened, but some of its amounts are not numbers or are out of range. They count as 0, "
            "and Sum stops at them until they are corrected:\n"
            "Period length in days (General Data), period III: \"1.5\" (not a number)\n"
            "Cash and marketable securities (Balance Sheet), period II: \"abc\" (not a number)\n"
            "Accounts receivables (Balance Sheet), period I (Firma d.d.): \"1e308\" (not a number)\n"
            "Net sales (Income Statement), period VI: \"2147483648\" (out of range)");
  const std::string hr = DescribeUnreadableAmounts(found, *s, kCroatian);
  EXPECT_EQ(hr.rfind("Radna knjiga je otvorena", 0), 0u) << hr;
  EXPECT_NE(hr.find("\nNovac i utržive vrijednosnice (Bruto bilanca), razdoblje II: \"abc\" (nije broj)"),
            std::string::npos)
      << hr;
  EXPECT_NE(hr.find("razdoblje VI: \"2147483648\" (izvan raspona)"), std::string::npos) << hr;
  EXPECT_EQ(DescribeUnreadableAmounts({}, *s, kEnglish), "");

  // Only the first few are listed.
  for (int c = 1; c <= 6; ++c) s->ItemTable(210, c) = Cell::Text("?");
  const auto many = FindUnreadableAmounts(*s);
  ASSERT_EQ(many.size(), 10u);
  const std::string text = DescribeUnreadableAmounts(many, *s, kEnglish);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 6) << text;
  EXPECT_NE(text.find("\n… and 5 more."), std::string::npos) << text;
  EXPECT_NE(DescribeUnreadableAmounts(many, *s, kCroatian).find("\n… i još 5."), std::string::npos);
}

// A message quotes at most a line of a cell's text: a 10 MB entry makes no
// 10 MB message.
TEST(DescribeRecalcError, QuotesAtMostALineOfTheEntry) {
  auto s = NewState();
  std::string huge(10 * 1024 * 1024, 'x');
  s->ItemTable(205, 1) = Cell::Text(huge);
  const RecalcError e = RecalculateStatements(*s);
  ASSERT_EQ(e.kind, RecalcError::Kind::NotNumber);
  const std::string msg = DescribeRecalcError(e, *s, kEnglish);
  EXPECT_LT(msg.size(), 300u);
  EXPECT_NE(msg.find("\"" + std::string(kQuotedChars, 'x') + "…\""), std::string::npos) << msg;
  s->ItemTable(205, 1) = Cell::Text("abc\r\nsecond line");
  EXPECT_NE(DescribeRecalcError(RecalculateStatements(*s), *s, kCroatian).find("\"abc…\""), std::string::npos);
  s->ItemTable(205, 1) = Cell::Text("čćđšž ČĆĐŠŽ čćđšž ČĆĐŠŽ čćđšž ČĆĐŠŽ čćđšž ČĆĐŠŽ čćđ");
  EXPECT_NE(DescribeRecalcError(RecalculateStatements(*s), *s, kCroatian)
                .find("\"čćđšž ČĆĐŠŽ čćđšž ČĆĐŠŽ čćđšž ČĆĐŠŽ čćđš…\""),
            std::string::npos);
}

// The period's name is a cell's text too: a name of a hand-edited file
// that runs to thousands of characters or several lines shows as one line.
TEST(DescribeRecalcError, NamesThePeriodByAtMostALineOfItsName) {
  auto s = NewState();
  s->ItemTable(101, 1) = Cell::Text(std::string(20000, 'X'));
  s->ItemTable(101, 2) = Cell::Text("Zagreb\r\nsecond line");
  s->ItemTable(205, 1) = Cell::Text("abc");
  s->ItemTable(206, 2) = Cell::FileNumber("abc");
  const std::string longName = "period I (" + std::string(kQuotedChars, 'X') + "…): ";
  const std::string msg = DescribeRecalcError(RecalculateStatements(*s), *s, kEnglish);
  EXPECT_LT(msg.size(), 300u);
  EXPECT_NE(msg.find(longName), std::string::npos) << msg.substr(0, 300);
  const std::string opened = DescribeUnreadableAmounts(FindUnreadableAmounts(*s), *s, kEnglish);
  EXPECT_LT(opened.size(), 500u);
  EXPECT_NE(opened.find(longName), std::string::npos) << opened.substr(0, 500);
  EXPECT_NE(opened.find("period II (Zagreb…): \"abc\""), std::string::npos) << opened.substr(0, 500);
}

// A row without a label of the sheet is named by its own label columns,
// which the file stores: a hand-edited one shows as one line as well.
TEST(DescribeRecalcError, NamesARowByAtMostALineOfItsStoredLabel) {
  auto s = NewState();
  s->ItemTable(515, kLabelEnColumn) = Cell::Text(std::string(20000, 'L'));
  s->ItemTable(515, kLabelHrColumn) = Cell::Text("Ostalo\r\ndrugi redak");
  s->ItemTable(515, 1) = Cell::Text("abc");
  const RecalcError e = RecalculateStatements(*s);
  ASSERT_EQ(e.row, 515);
  const std::string msg = DescribeRecalcError(e, *s, kEnglish);
  EXPECT_LT(msg.size(), 300u);
  EXPECT_EQ(msg.rfind(std::string(kQuotedChars, 'L') + "…, period I: ", 0), 0u) << msg.substr(0, 300);
  EXPECT_EQ(DescribeRecalcError(e, *s, kCroatian).rfind("Ostalo…, razdoblje I: ", 0), 0u);
  const std::string opened = DescribeUnreadableAmounts(FindUnreadableAmounts(*s), *s, kEnglish);
  EXPECT_LT(opened.size(), 500u);
}

}  // namespace
}  // namespace morvadel
