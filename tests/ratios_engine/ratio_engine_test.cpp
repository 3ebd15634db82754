#include "ratios/ratio_engine.h"

#include <gtest/gtest.h>

#include <cctype>
#include <memory>

#include "model/number.h"
#include "ratios/ratio_catalogue.h"

namespace morvadel {
namespace {

// Six period cells; nullptr leaves a cell unassigned.
using Periods = std::array<const char*, 6>;
constexpr Periods kNone = {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};

std::unique_ptr<SharedState> Workbook(int16_t code, int16_t language = kEnglish) {
  auto s = std::make_unique<SharedState>();
  s->Language = language;
  s->RatioCode = code;
  return s;
}

void PutRow(SharedState& s, int row, const Periods& cells) {
  for (int j = 1; j <= 6; ++j)
    if (const char* c = cells[static_cast<size_t>(j - 1)]) s.ItemTable(row, j) = Cell::Text(c);
}

// Fills the ratio's numerator and denominator rows as the catalogue names them.
void PutRatio(SharedState& s, const Periods& numerators, const Periods& denominators) {
  const RatioEntry* e = FindRatio(s.RatioCode);
  ASSERT_NE(e, nullptr);
  PutRow(s, e->numeratorRow, numerators);
  PutRow(s, e->denominatorRow, denominators);
}

Currency Field(const SharedState& s, int field, int period) { return s.RatioPeriods(field, period); }
std::string Text(Currency c) { return FormatScaled(c.raw, Currency::kPlaces); }

struct GridCase {
  const char* name;
  int16_t code;
  int16_t averageMode;
  Periods numerators;
  Periods denominators;
  // Expected grid rows 2..5, columns 1..6.
  Periods numeratorCells;
  Periods denominatorCells;
  Periods ratioCells;
  Periods dynamicsCells;
};

const GridCase kGridCases[] = {
    {"current ratio 1250 over 1000", 11, kFlagOff,
     {"1250"}, {"1000"},
     {"1250", " ", " ", " ", " ", " "}, {"1000", " ", " ", " ", " ", " "},
     {"1.25", "", "", "", "", ""}, {"100", "", "", "", "", ""}},
    {"two thirds go to currency, then to two decimals", 11, kFlagOff,
     {"2000"}, {"3000"},
     {"2000", " ", " ", " ", " ", " "}, {"3000", " ", " ", " ", " ", " "},
     {"0.67", "", "", "", "", ""}, {"100", "", "", "", "", ""}},
    {"exact decimal halves round up, for both signs", 41, kFlagOff,
     {"125", "-125", "285", "1005", "-285", nullptr}, {"1000", "1000", "1000", "1000", "1000", nullptr},
     {"125", "-125", "285", "1005", "-285", " "}, {"1000", "1000", "1000", "1000", "1000", " "},
     // 0.125, -0.125, 0.285, 1.005, -0.285; dynamics against 0.13.
     {"0.13", "-0.12", "0.29", "1.01", "-0.28", ""}, {"100", "-92.31", "223.08", "776.92", "-215.38", ""}},
    {"a dynamics half rounds up, for both signs", 11, kFlagOff,
     {"32", "1", "-1"}, {"100", "100", "100"},
     {"32", "1", "-1", " ", " ", " "}, {"100", "100", "100", " ", " ", " "},
     {"0.32", "0.01", "-0.01", "", "", ""}, {"100", "3.13", "-3.12", "", "", ""}},
    {"negative ratios and their dynamics", 21, kFlagOff,
     {"-125", "250"}, {"1000", "1000"},
     {"-125", "250", " ", " ", " ", " "}, {"1000", "1000", " ", " ", " ", " "},
     {"-0.12", "0.25", "", "", "", ""}, {"100", "-208.33", "", "", "", ""}},
    {"empty period I: period II is indexed against 1", 11, kFlagOff,
     {nullptr, "1500"}, {nullptr, "1000"},
     {" ", "1500", " ", " ", " ", " "}, {" ", "1000", " ", " ", " ", " "},
     {"", "1.5", "", "", "", ""}, {"100", "150", "", "", "", ""}},
    {"empty cell, empty text, blanks and 0 read alike", 11, kFlagOff,
     {nullptr, "", "0", "  ", "500", nullptr}, {"1000", "1000", "1000", "1000", "1000", "0"},
     {" ", " ", " ", " ", "500", " "}, {"1000", "1000", "1000", "1000", "1000", " "},
     {"", "", "", "", "0.5", ""}, {"100", "", "", "", "50", ""}},
    {"liquidity over six periods with a zero denominator and an empty period", 11, kFlagOff,
     {"1500", "2000", "900", nullptr, "1200", "3000"}, {"1000", "1600", "0", nullptr, "800", "2400"},
     {"1500", "2000", "900", " ", "1200", "3000"}, {"1000", "1600", " ", " ", "800", "2400"},
     {"1.5", "1.25", "", "", "1.5", "1.25"}, {"100", "83.33", "", "", "100", "83.33"}},
    {"turnover on averaged denominators", 31, kFlagOn,
     {"2000", "2400", "1000", "3000", "500", "0"}, {"1000", "1200", "0", "800", "1001", "1002"},
     {"2000", "2400", "1000", "3000", "500", " "}, {"1000", "1100", " ", "400", "901", "1002"},
     {"2", "2.18", "", "7.5", "0.55", ""}, {"100", "109", "", "375", "27.5", ""}},
    {"averaging a zero period I halves period II", 31, kFlagOn,
     {"100", "1000"}, {nullptr, "800"},
     {"100", "1000", " ", " ", " ", " "}, {" ", "400", " ", " ", " ", " "},
     {"", "2.5", "", "", "", ""}, {"100", "250", "", "", "", ""}},
    {"average mode averages the denominators of any ratio", 34, kFlagOn,
     {"365", "365"}, {"7", "9"},
     {"365", "365", " ", " ", " ", " "}, {"7", "8", " ", " ", " ", " "},
     {"52", "46", "", "", "", ""}, {"100", "88.46", "", "", "", ""}},
};

class GridTest : public testing::TestWithParam<GridCase> {};

TEST_P(GridTest, RowsTwoToFiveShowTheValues) {
  const GridCase& c = GetParam();
  auto s = Workbook(c.code);
  s->AverageMode = c.averageMode;
  PutRatio(*s, c.numerators, c.denominators);
  RatioResult r = LoadRatio(*s);
  for (int j = 1; j <= 6; ++j) {
    SCOPED_TRACE(j);
    const auto k = static_cast<size_t>(j - 1);
    EXPECT_EQ(r.cell(2, j), c.numeratorCells[k]);
    EXPECT_EQ(r.cell(3, j), c.denominatorCells[k]);
    EXPECT_EQ(r.cell(4, j), c.ratioCells[k]);
    EXPECT_EQ(r.cell(5, j), c.dynamicsCells[k]);
    // What the grid shows is what RatioPeriods and the charts hold.
    auto shown = [](const char* cell) { return std::string(cell).find_first_not_of(' ') == std::string::npos ? "0" : cell; };
    EXPECT_EQ(Text(Field(*s, kNumeratorField, j)), shown(c.numeratorCells[k]));
    EXPECT_EQ(Text(Field(*s, kDenominatorField, j)), shown(c.denominatorCells[k]));
    EXPECT_EQ(Text(Field(*s, kRatioField, j)), shown(c.ratioCells[k]));
    EXPECT_EQ(r.ratioChart.values[k], shown(c.ratioCells[k]));
    EXPECT_EQ(r.numeratorChart.values[k], shown(c.numeratorCells[k]));
    EXPECT_EQ(r.denominatorChart.values[k], shown(c.denominatorCells[k]));
    if (j > 1) {
      EXPECT_EQ(Text(Field(*s, kDynamicsField, j)), shown(c.dynamicsCells[k]));
    }
  }
  EXPECT_TRUE(r.problems.empty()) << r.ProblemMessage();
}

INSTANTIATE_TEST_SUITE_P(Ratios, GridTest, testing::ValuesIn(kGridCases), [](const auto& info) {
  std::string name;
  for (const char* p = info.param.name; *p != '\0'; ++p)
    if (std::isalnum(static_cast<unsigned char>(*p))) name += *p;
    else if (!name.empty() && name.back() != '_') name += '_';
  return name;
});

TEST(RatioEngine, EmptyPeriodOneIsOnlyADivisorNeverAStoredRatio) {
  auto s = Workbook(11);
  PutRatio(*s, {nullptr, "1500"}, {nullptr, "1000"});
  RatioResult r = LoadRatio(*s);
  EXPECT_EQ(r.cell(5, 2), "150");
  EXPECT_TRUE(Field(*s, kRatioField, 1).IsZero());   // not 1: no ratio for period I
  EXPECT_TRUE(Field(*s, kDynamicsField, 1).IsZero());
  EXPECT_EQ(r.ratioChart.values[0], "0");
  EXPECT_EQ(Field(*s, kDynamicsField, 2), Currency::FromWhole(150));
}

TEST(RatioEngine, DayCountsRoundToWholeDaysFromTheFourDecimalQuotient) {
  for (int16_t code : {34, 36, 38}) {
    SCOPED_TRACE(code);
    auto s = Workbook(code);
    // 365/7 = 52.1429, 365/4 = 91.25, 365/2 = 182.5 (a half, up), 365/8 = 45.625.
    PutRatio(*s, {"365", "365", "365", "365", "365", "365"}, {"7", "4", "2", "0", nullptr, "8"});
    RatioResult r = LoadRatio(*s);
    const Periods ratios = {"52", "91", "183", "", "", "46"};
    const Periods dynamics = {"100", "175", "351.92", "", "", "88.46"};
    for (size_t k = 0; k < 6; ++k) {
      EXPECT_EQ(r.cell(4, static_cast<int>(k) + 1), ratios[k]);
      EXPECT_EQ(r.cell(5, static_cast<int>(k) + 1), dynamics[k]);
    }
    EXPECT_EQ(Field(*s, kRatioField, 1), Currency::FromWhole(52));
  }
}

TEST(RatioEngine, AveragingKeepsTheRealDenominators) {
  auto s = Workbook(31);
  s->AverageMode = kFlagOn;
  PutRatio(*s, {"2000", "2400", "1000", "3000", "500", "0"}, {"1000", "1200", "0", "800", "1001", "1002"});
  LoadRatio(*s);
  const int real[] = {1000, 1200, 0, 800, 1001, 1002};
  const int averaged[] = {1000, 1100, 0, 400, 901, 1002};
  for (int j = 1; j <= 6; ++j) {
    EXPECT_EQ(s->RealDenominators(kDenominatorField, j), Currency::FromWhole(real[j - 1])) << j;
    EXPECT_EQ(Field(*s, kDenominatorField, j), Currency::FromWhole(averaged[j - 1])) << j;
  }
  // The numerators are never averaged.
  EXPECT_EQ(Field(*s, kNumeratorField, 2), Currency::FromWhole(2400));

  // 1001 and 1002 average to 1001.5, rounded half up.
  auto t = Workbook(31);
  t->AverageMode = kFlagOn;
  PutRatio(*t, {nullptr}, {"1001", "1002"});
  RatioResult r = LoadRatio(*t);
  EXPECT_EQ(r.cell(3, 2), "1002");
}

TEST(RatioEngine, ProsAveragesOnePeriod) {
  SharedState s;
  s.RatioPeriods(kDenominatorField, 1) = Currency::FromWhole(1000);
  s.RealDenominators(kDenominatorField, 1) = Currency::FromWhole(1000);
  s.RatioPeriods(kDenominatorField, 2) = Currency::FromWhole(1201);
  ASSERT_TRUE(Pros(s, 2));
  EXPECT_EQ(s.RatioPeriods(kDenominatorField, 2), Currency::FromWhole(1101));  // 1100.5 up
  EXPECT_EQ(s.RealDenominators(kDenominatorField, 1), Currency::FromWhole(1000));
  EXPECT_EQ(s.RealDenominators(kDenominatorField, 2), Currency::FromWhole(1201));
  EXPECT_DOUBLE_EQ(s.RoundArg, 1100.5);
}

TEST(RatioEngine, RatiosWithoutRowsShowOnlyTheIndexHead) {
  for (int16_t code : {39, 99, 0}) {
    SCOPED_TRACE(code);
    auto s = Workbook(code);
    for (int f = 2; f <= 5; ++f)
      for (int j = 1; j <= 6; ++j) s->RatioPeriods(f, j) = Currency::FromWhole(7);  // a previous ratio
    for (int j = 1; j <= 6; ++j) s->ItemTable(0, j) = Cell::Text("123");
    RatioResult r = LoadRatio(*s);
    for (int j = 1; j <= 6; ++j) {
      EXPECT_EQ(r.cell(2, j), " ");
      EXPECT_EQ(r.cell(3, j), " ");
      EXPECT_EQ(r.cell(4, j), "");
      EXPECT_EQ(r.cell(5, j), j == 1 ? "100" : "");
      for (int f = 2; f <= 5; ++f) EXPECT_TRUE(Field(*s, f, j).IsZero()) << f << "," << j;
      EXPECT_EQ(r.ratioChart.values[static_cast<size_t>(j - 1)], "0");
    }
    EXPECT_TRUE(r.problems.empty());
  }
  auto s = Workbook(39, kCroatian);
  RatioResult r = LoadRatio(*s);
  EXPECT_EQ(r.title, "Ciklus obrta novca");
  EXPECT_EQ(r.cell(2, 0), "Naplata+obrt zali.+plać");
  EXPECT_EQ(r.cell(4, 0), "Ciklus obrta novca");
}

TEST(RatioEngine, LabelsTitleAndChartsFollowTheLanguage) {
  auto s = Workbook(27, kEnglish);
  s->NumeratorLabelHr = "kept";
  RatioResult en = LoadRatio(*s);
  EXPECT_EQ(en.title, "Liquidity Ratio (II)");
  EXPECT_EQ(en.cell(2, 0), "Net property+Long term liabil");
  EXPECT_EQ(en.cell(3, 0), "Net property");
  EXPECT_EQ(en.cell(4, 0), "Ratio");
  EXPECT_EQ(en.cell(5, 0), "Dynamics 1st = 100");
  EXPECT_EQ(en.numeratorChart.rowLabel, "Net property+L.term liabilit.");
  EXPECT_EQ(en.denominatorChart.rowLabel, "Net property");
  EXPECT_EQ(en.ratioChart.rowLabel, "Ratio");
  EXPECT_EQ(s->NumeratorLabelEn, "Net property+Long term liabil");
  EXPECT_EQ(s->DenominatorLabelEn, "Net property");
  EXPECT_EQ(s->RatioKindText, "Ratio");
  EXPECT_EQ(s->NumeratorLabelHr, "kept");  // only the current language's pair

  auto h = Workbook(27, kCroatian);
  h->DecimalMark = ',';
  PutRatio(*h, {"1250"}, {"1000"});
  RatioResult hr = LoadRatio(*h);
  EXPECT_EQ(hr.title, "Stupanj pokrića (II)");
  EXPECT_EQ(hr.cell(2, 0), "Vl.kapital+dug.obveze");
  EXPECT_EQ(hr.cell(5, 0), "Dinamika I = 100");
  EXPECT_EQ(hr.numeratorChart.rowLabel, "Vl.kapital+dug.obveze");
  EXPECT_EQ(hr.ratioChart.rowLabel, "Stupanj pokrića");
  EXPECT_EQ(hr.cell(4, 1), "1,25");
  EXPECT_EQ(hr.ratioChart.values[0], "1,25");
  EXPECT_TRUE(h->NumeratorLabelEn.empty());
}

TEST(RatioEngine, ScratchSettingsHoldTheLastValuesHandled) {
  auto s = Workbook(11);
  PutRatio(*s, {"1500", nullptr, nullptr, nullptr, nullptr, "2000"},
           {"1000", nullptr, nullptr, nullptr, nullptr, "3000"});
  LoadRatio(*s);
  EXPECT_EQ(s->CurrencyScratch, Currency::FromWhole(3000));  // period VI's denominator
  // Period VI: 0.6667 rounds to 0.67; its index 44.6667 was handed to the rounding last.
  EXPECT_DOUBLE_EQ(s->RoundArg, 44.6667);
}

TEST(RatioEngine, UnreadableCellsLeaveTheirPeriodWithoutValueAndSayWhere) {
  auto s = Workbook(11, kEnglish);
  PutRatio(*s, {"1500", "2000", "12a", "1000", "99999999999999999", "3000"},
           {"1000", "1600", "1000", "abc", "1000", "2400"});
  RatioResult r = LoadRatio(*s);
  for (int j : {3, 4, 5}) {
    SCOPED_TRACE(j);
    EXPECT_EQ(r.cell(2, j), " ");
    EXPECT_EQ(r.cell(3, j), " ");
    EXPECT_EQ(r.cell(4, j), "");
    EXPECT_EQ(r.cell(5, j), "");
    for (int f = 2; f <= 5; ++f) EXPECT_TRUE(Field(*s, f, j).IsZero());
  }
  EXPECT_EQ(r.cell(4, 6), "1.25");  // the periods after them are computed as usual
  ASSERT_EQ(r.problems.size(), 3u);
  EXPECT_EQ(r.problems[0].kind, RatioProblemKind::NotNumber);
  EXPECT_EQ(r.problems[0].itemRow, 211);
  EXPECT_EQ(r.problems[0].period, 3);
  // Named as the grid names the figure, with the period's name where it has one.
  EXPECT_EQ(r.problems[0].message,
            "Current assets, period III: the entry is not a number. The period is shown without a value.");
  EXPECT_EQ(r.problems[1].itemRow, 233);
  EXPECT_EQ(r.problems[1].period, 4);
  EXPECT_EQ(r.problems[2].kind, RatioProblemKind::OutOfRange);
  EXPECT_EQ(r.problems[2].period, 5);
  EXPECT_EQ(r.ProblemMessage().find("Current liabilities, period IV: the entry is not a number."),
            r.ProblemMessage().find('\n') + 1);
  EXPECT_EQ(r.problems[2].message,
            "Current assets, period V: the number is out of range. The period is shown without a value.");

  auto h = Workbook(11, kCroatian);
  PutRatio(*h, {"x"}, {"1000"});
  h->ItemTable(101, 1) = Cell::Text("Šibenik 2003");
  RatioResult hr = LoadRatio(*h);
  ASSERT_EQ(hr.problems.size(), 1u);
  EXPECT_EQ(hr.problems[0].message,
            "Tekuća imovina, razdoblje I (Šibenik 2003): upisana vrijednost nije broj. Razdoblje je "
            "prikazano bez vrijednosti.");
}

TEST(RatioEngine, ResultsBeyondTheCurrencyRangeLeaveTheirPeriodWithoutValue) {
  auto s = Workbook(11, kEnglish);
  // Period II: the quotient is too big; period III: its index against 0.01 is.
  PutRatio(*s, {"1", "900000000000000", "100000000000"}, {"100", "0.0001", "1"});
  RatioResult r = LoadRatio(*s);
  EXPECT_EQ(r.cell(4, 1), "0.01");
  for (int j : {2, 3}) {
    SCOPED_TRACE(j);
    EXPECT_EQ(r.cell(2, j), " ");
    EXPECT_EQ(r.cell(3, j), " ");
    EXPECT_EQ(r.cell(4, j), "");
    EXPECT_EQ(r.cell(5, j), "");
    for (int f = 2; f <= 5; ++f) EXPECT_TRUE(Field(*s, f, j).IsZero());
  }
  ASSERT_EQ(r.problems.size(), 2u);
  EXPECT_EQ(r.problems[0].kind, RatioProblemKind::ResultOutOfRange);
  EXPECT_EQ(r.problems[0].message,
            "Current Ratio, period II: the result is out of range. The period is shown without a value.");
  EXPECT_EQ(r.problems[1].period, 3);
}

// An unreadable numerator leaves its period's readable denominator as it
// is, so the next period's average is not halved nor its ratio doubled:
// each period's real denominator is kept, and only the unreadable period
// shows no value.
TEST(RatioEngine, AveragingKeepsTheRealDenominatorOfAPeriodWhoseNumeratorCannotBeRead) {
  auto s = Workbook(31);
  s->AverageMode = kFlagOn;
  PutRatio(*s, {"abc", "1800", "x", "1000"}, {"1000", "800", "1200", "800"});
  RatioResult r = LoadRatio(*s);
  const int real[] = {1000, 800, 1200, 800};
  for (int j = 1; j <= 4; ++j)
    EXPECT_EQ(s->RealDenominators(kDenominatorField, j), Currency::FromWhole(real[j - 1])) << j;
  for (int j : {1, 3}) {
    SCOPED_TRACE(j);
    EXPECT_EQ(r.cell(2, j), " ");
    EXPECT_EQ(r.cell(3, j), " ");
    EXPECT_EQ(r.cell(4, j), "");
    for (int f = 2; f <= 5; ++f) EXPECT_TRUE(Field(*s, f, j).IsZero());
  }
  EXPECT_EQ(r.cell(3, 2), "900");   // (1000 + 800) / 2, not 400
  EXPECT_EQ(r.cell(4, 2), "2");     // 1800 / 900
  EXPECT_EQ(r.cell(3, 4), "1000");  // (1200 + 800) / 2
  EXPECT_EQ(r.cell(4, 4), "1");
  ASSERT_EQ(r.problems.size(), 2u);  // the two unreadable periods, nothing else
  EXPECT_EQ(r.problems[0].period, 1);
  EXPECT_EQ(r.problems[1].period, 3);
}

// Without the previous period's real denominator no average can be formed:
// that period shows no value either, and says why.
TEST(RatioEngine, AnUnreadableDenominatorLeavesTheNextAverageWithoutValue) {
  auto s = Workbook(31, kEnglish);
  s->AverageMode = kFlagOn;
  PutRatio(*s, {"100", "1000", "1400"}, {"abc", "800", "600"});
  RatioResult r = LoadRatio(*s);
  EXPECT_EQ(r.cell(3, 1), " ");
  EXPECT_EQ(r.cell(3, 2), " ");
  EXPECT_EQ(r.cell(4, 2), "");
  EXPECT_TRUE(Field(*s, kDenominatorField, 2).IsZero());
  EXPECT_EQ(s->RealDenominators(kDenominatorField, 2), Currency::FromWhole(800));
  EXPECT_EQ(r.cell(3, 3), "700");  // (800 + 600) / 2
  EXPECT_EQ(r.cell(4, 3), "2");
  ASSERT_EQ(r.problems.size(), 2u);
  EXPECT_EQ(r.problems[0].kind, RatioProblemKind::NotNumber);
  EXPECT_EQ(r.problems[1].kind, RatioProblemKind::NoAverage);
  EXPECT_EQ(r.problems[1].period, 2);
  EXPECT_EQ(r.problems[1].message,
            "Total assets, period II: no average can be formed: the denominator of period I could not be read. The "
            "period is shown without a value.");
  auto h = Workbook(31, kCroatian);
  h->AverageMode = kFlagOn;
  PutRatio(*h, {nullptr}, {"abc", "800"});
  EXPECT_EQ(LoadRatio(*h).problems[1].message,
            "Ukupna aktiva, razdoblje II: prosjek nije moguće izračunati: nazivnik za razdoblje I nije moguće "
            "pročitati. Razdoblje je prikazano bez vrijednosti.");
}

TEST(RatioEngine, LegendNamesEveryPeriodBySummaryHeadingNameOrNumeral) {
  auto s = Workbook(11);
  // Period I: both rows; II: only the general data's name; III: only the
  // summary heading; IV: blanks only; V and VI: nothing.
  s->ItemTable(1, 1) = Cell::Text("Plan 2003");
  s->ItemTable(101, 1) = Cell::Text("Šibenik 2003");
  s->ItemTable(101, 2) = Cell::Text("Šibenik 2004");
  s->ItemTable(1, 3) = Cell::Text("2005");
  s->ItemTable(1, 4) = Cell::Text("  ");
  s->ItemTable(101, 4) = Cell::Text(" ");
  const char* want[] = {"Plan 2003", "Šibenik 2004", "2005", "IV", "V", "VI"};
  for (int j = 1; j <= 6; ++j) EXPECT_EQ(RatioLegendText(*s, j), want[j - 1]) << "period " << j;
}

}  // namespace
}  // namespace morvadel
