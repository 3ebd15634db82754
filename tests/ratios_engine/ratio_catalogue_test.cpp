#include "ratios/ratio_catalogue.h"

#include <gtest/gtest.h>

#include <set>

namespace morvadel {
namespace {

struct RowsCase {
  int16_t code;
  int numeratorRow;
  int denominatorRow;
  int decimals;
};

// Every code's item rows and decimals as the catalogue table gives them.
constexpr RowsCase kRows[] = {
    {11, 211, 233, 2}, {12, 51, 233, 2},  {13, 205, 233, 2}, {14, 216, 52, 2},  {21, 240, 222, 2},
    {22, 248, 222, 2}, {23, 240, 248, 2}, {24, 53, 316, 2},  {25, 240, 54, 2},  {26, 248, 216, 2},
    {27, 55, 216, 2},  {31, 303, 222, 2}, {32, 303, 211, 2}, {33, 304, 207, 2}, {34, 102, 56, 0},
    {35, 303, 206, 2}, {36, 102, 57, 0},  {37, 304, 233, 2}, {38, 102, 58, 0},  {39, 0, 0, 2},
    {41, 54, 303, 2},  {42, 306, 303, 2}, {43, 311, 303, 2}, {44, 54, 222, 2},  {45, 306, 222, 2},
    {46, 325, 248, 2}, {51, 332, 222, 2}, {52, 503, 222, 2}, {53, 303, 304, 2}, {54, 318, 319, 2},
    {55, 303, 308, 2}, {56, 315, 316, 2}, {57, 313, 314, 2},
};

TEST(RatioCatalogue, EveryCodeHasItsRowsAndDecimals) {
  ASSERT_EQ(RatioCatalogue().size(), std::size(kRows));
  for (const RowsCase& c : kRows) {
    SCOPED_TRACE(c.code);
    const RatioEntry* e = FindRatio(c.code);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->numeratorRow, c.numeratorRow);
    EXPECT_EQ(e->denominatorRow, c.denominatorRow);
    EXPECT_EQ(e->decimals, c.decimals);
    EXPECT_FALSE(e->nameHr.empty());
    EXPECT_FALSE(e->nameEn.empty());
    EXPECT_FALSE(e->numeratorHr.empty());
    EXPECT_FALSE(e->denominatorEn.empty());
  }
  EXPECT_EQ(FindRatio(15), nullptr);
  EXPECT_EQ(FindRatio(1001), nullptr);
}

struct TextCase {
  int16_t code;
  int16_t language;
  const char* title;
  const char* numerator;
  const char* denominator;
  const char* kind;
  const char* numeratorChart;
};

// Texts with trailing or double blanks, the kind exceptions and defaults,
// and the one chart label that differs from its grid label.
constexpr TextCase kTexts[] = {
    {11, 1, "Koeficijent tekuće likvidnosti", "Tekuća imovina", "Tekuće obveze", "Koeficijent",
     "Tekuća imovina"},
    {11, 2, "Current Ratio", "Current assets ", "Current liabilities", "Current Ratio", "Current assets "},
    {14, 2, "Index of Financial Stability", "Net property ", "Equity+longterm liabilites",
     "Index of Financial Stability", "Net property "},
    {23, 2, "Debt to Equity Ratio", "Total liabilities    ", "Ttl stockholders equity", "Ratio",
     "Total liabilities    "},
    {24, 1, "Pokriće troškova kamata", "Dobit prije por. + kam", "Troškovi kamata", "Pokriće troškova",
     "Dobit prije por. + kam"},
    {27, 1, "Stupanj pokrića (II)", "Vl.kapital+dug.obveze", "Fiksna imovina", "Stupanj pokrića",
     "Vl.kapital+dug.obveze"},
    {27, 2, "Liquidity Ratio (II)", "Net property+Long term liabil", "Net property", "Ratio",
     "Net property+L.term liabilit."},
    {33, 2, "Inventory Turnover Ratio", "Sold goods value", "Total inventory", "Ratio (times)",
     "Sold goods value"},
    {34, 1, "Prosječno vrijeme obrta zaliha", "Trajanje razdoblja dana", "Koef. obrtaja zaliha",
     "Prosj. vrijeme obrta dana", "Trajanje razdoblja dana"},
    {38, 2, "Payables Payment Period", "Period length (Days)", "Payables turnover",
     "Payables Payment Period(Days)", "Period length (Days)"},
    {39, 1, "Ciklus obrta novca", "Naplata+obrt zali.+plać", " ", "Ciklus obrta novca",
     "Naplata+obrt zali.+plać"},
    {39, 2, "Cash Conversion Cycle",
     "Receivables collection period  + Inventory processing period + Payables payment period", " ",
     "Ratio", "Receivables collection period  + Inventory processing period + Payables payment period"},
    {45, 2, "Return on Assets (Gross) - ROA", "Pre-tax profit", "Total assets", "Ratio", "Pre-tax profit"},
    {52, 1, "Reproduktivna sposobnost", "Amortizacija", "Ukupna aktiva", "Reproduktivna sposob.",
     "Amortizacija"},
    {52, 2, "Income-generating Capacity", "Depreciation ", "Total assets", "Ratio", "Depreciation "},
    {57, 1, "Ekonomičnost izvanrednih aktivnosti", "Izvanredni prihodi", "Izvanredni rashodi",
     "Ekonomičnost", "Izvanredni prihodi"},
};

TEST(RatioCatalogue, TextsAreExactInBothLanguages) {
  for (const TextCase& c : kTexts) {
    SCOPED_TRACE(testing::Message() << c.code << "/" << c.language);
    EXPECT_EQ(RatioTitle(c.code, c.language), c.title);
    EXPECT_EQ(NumeratorLabel(c.code, c.language), c.numerator);
    EXPECT_EQ(DenominatorLabel(c.code, c.language), c.denominator);
    EXPECT_EQ(RatioKind(c.code, c.language), c.kind);
    EXPECT_EQ(NumeratorChartLabel(c.code, c.language), c.numeratorChart);
  }
  EXPECT_EQ(RatioTitleHr(31), "Koeficijent obrtaja ukupnih sredstava");
  EXPECT_EQ(RatioTitleEn(31), "Total Assets Turnover Ratio");
  // No language yet, or no such code: nothing to show.
  EXPECT_EQ(RatioTitle(11, 0), "");
  EXPECT_EQ(NumeratorLabel(99, 2), "");
  EXPECT_EQ(RatioKind(99, 1), "");
}

TEST(RatioCatalogue, SelectableCodesAreTheCatalogueWithout39) {
  std::set<int16_t> fromCatalogue;
  for (const RatioEntry& e : RatioCatalogue())
    if (e.code != 39) fromCatalogue.insert(e.code);
  EXPECT_EQ(std::set<int16_t>(kSelectableRatioCodes.begin(), kSelectableRatioCodes.end()), fromCatalogue);
  EXPECT_FALSE(IsSelectableRatio(39));
  EXPECT_TRUE(IsSelectableRatio(38));
}

TEST(RatioNavigation, StepsStopAtTheEndsAndPassOver39) {
  struct Step {
    int16_t from, next, previous;
  };
  const Step steps[] = {
      {11, 12, 11}, {14, 21, 13}, {27, 31, 26}, {38, 41, 37}, {39, 41, 38},
      {41, 42, 38}, {46, 51, 45}, {57, 57, 56},
  };
  for (const Step& st : steps) {
    SCOPED_TRACE(st.from);
    EXPECT_EQ(NextRatioCode(st.from), st.next);
    EXPECT_EQ(PreviousRatioCode(st.from), st.previous);
  }
  // Forward from 11 visits every selectable code once, in order, then stays.
  int16_t code = 11;
  for (size_t i = 1; i < kSelectableRatioCodes.size(); ++i) {
    code = NextRatioCode(code);
    EXPECT_EQ(code, kSelectableRatioCodes[i]);
  }
  EXPECT_EQ(NextRatioCode(code), 57);
}

TEST(RatioNavigation, AveragingIsOfferedOnlyForTheFiveTurnovers) {
  for (int16_t code : kSelectableRatioCodes) {
    const bool expected = code == 31 || code == 32 || code == 33 || code == 35 || code == 37;
    EXPECT_EQ(OffersAverageAfterNavigation(code), expected) << code;
  }
}

}  // namespace
}  // namespace morvadel
