// Currency conversion and inflation adjustment of the summary rows, the
// typed rate and percentages, and the new file name.
#include "model/conversion.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/labels.h"
#include "model/recalc.h"

namespace morvadel {
namespace {

std::unique_ptr<SharedState> State(char mark = '.') {
  auto s = std::make_unique<SharedState>();
  s->DecimalMark = mark;
  return s;
}

Currency Rate(const char* text, char mark = '.') {
  auto s = State(mark);
  auto r = ReadExchangeRate(text, *s);
  EXPECT_TRUE(r.has_value()) << text;
  return r.value_or(Currency{});
}

int64_t Percent(const char* text) {
  auto s = State();
  auto p = ReadPercentage(text, *s);
  EXPECT_TRUE(p.has_value()) << text;
  return p.value_or(0);
}

Cell Whole(int64_t v) { return Cell::Money(Currency::FromWhole(v)); }

TEST(ConversionTest, TypedRatesAndPercentages) {
  struct RateCase {
    const char* text;
    char mark;
    std::optional<int64_t> raw;  // rate x 10,000
  } rates[] = {
      {"1,0000", ',', 10000}, {"1.0000", '.', 10000}, {"7.5", '.', 75000}, {"0,5", ',', 5000},
      {" 2 ", '.', 20000},    {"0.00006", '.', 1},    {"", '.', {}},        {"   ", '.', {}},
      {"abc", '.', {}},       {"0", '.', {}},         {"-1", '.', {}},      {"0.00004", '.', {}},
      {"1e3", '.', {}},       {"99999999999999999999", '.', {}},
  };
  for (const auto& c : rates) {
    SCOPED_TRACE(c.text);
    auto s = State(c.mark);
    auto r = ReadExchangeRate(c.text, *s);
    ASSERT_EQ(r.has_value(), c.raw.has_value());
    if (r) {
      EXPECT_EQ(r->raw, *c.raw);
    }
  }
  struct PercentCase {
    const char* text;
    std::optional<int64_t> scaled;  // percent x 10^9
  } percents[] = {
      {"100", 100'000'000'000}, {"110", 110'000'000'000}, {"0", 0}, {"-0", 0}, {"12.5", 12'500'000'000},
      {"-5", {}},               {"abc", {}},             {"", {}}, {"5%", {}},
  };
  for (const auto& c : percents) {
    SCOPED_TRACE(c.text);
    auto s = State();
    auto p = ReadPercentage(c.text, *s);
    ASSERT_EQ(p.has_value(), c.scaled.has_value());
    if (p) {
      EXPECT_EQ(*p, *c.scaled);
    }
  }
  EXPECT_EQ(DefaultRateText(','), "1,0000");
  EXPECT_EQ(DefaultRateText('.'), "1.0000");
}

TEST(ConversionTest, ConvertsEverySummaryCellToWholeCurrencyUnits) {
  struct Case {
    Cell value;
    const char* rate;
    int64_t expected;
  } cases[] = {
      {Cell::Text("1234"), "7.5", 9255},
      {Cell::Text("3"), "0.5", 2},     // 1.5 rounds half up
      {Cell::Text("-3"), "0.5", -1},   // -1.5 rounds half up
      {Cell(), "1", 0},                // an empty cell is 0
      {Cell::Text(""), "1", 0},
      {Cell::Text("12.5"), "1", 13},
      {Cell::Text("-12.5"), "1", -12},
      {Cell::Int32(100), "1.5", 150},
      {Whole(7), "2", 14},
      {Cell::Double(2.5), "1", 3},
      // The product is currency first (0.49995 to 0.5000), then whole units.
      {Cell::Text("0.9999"), "0.5", 1},
      {Cell::Text("0.9997"), "0.5", 0},
      {Cell::Text("2147483647"), "1", 2147483647},
      {Cell::Text("-2147483648"), "1", -2147483648LL},
      // Summary values are currency: a weak currency may pass the 32-bit range.
      {Cell::Text("3000000"), "1000", 3000000000LL},
      {Cell::Text("-922337203685477"), "1", -922337203685477LL},
      {Cell::Text("461168601842738"), "2", 922337203685476LL},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << CellText(c.value) << " at " << c.rate);
    auto s = State();
    s->ItemTable(14, 3) = c.value;
    ASSERT_TRUE(ConvertSummary(*s, Rate(c.rate)).ok());
    EXPECT_EQ(s->ItemTable(14, 3), Whole(c.expected));
    EXPECT_EQ(s->ConvWork(14, 3), Currency::FromWhole(c.expected));
  }
}

TEST(ConversionTest, RateOneMakesEverySummaryValueAWholeCurrencyCellAndNothingElseChanges) {
  auto s = State();
  s->ItemTable(3, 1) = Cell::Text("500");
  s->ItemTable(27, 6) = Cell::Text("-42");
  for (int r : {1, 2, 28, 101, 205})
    for (int c : {0, 1, 6, 7}) s->ItemTable(r, c) = Cell::Text("9");
  s->ItemTable(3, 0) = Cell::Text("label");
  s->ItemTable(3, 7) = Cell::Text("max");
  s->ItemValues(3, 1) = 77;
  const SharedState before = *s;
  ASSERT_TRUE(ConvertSummary(*s, Rate("1,0000", ',')).ok());
  for (int r = kFirstSummaryMoneyRow; r <= kLastSummaryMoneyRow; ++r)
    for (int c = 1; c <= 6; ++c) {
      const Cell expected = r == 3 && c == 1 ? Whole(500) : r == 27 && c == 6 ? Whole(-42) : Whole(0);
      EXPECT_EQ(s->ItemTable(r, c), expected) << r << "," << c;
    }
  for (int r = 0; r < ItemTableT::kRows; ++r)
    for (int c = 0; c < ItemTableT::kCols; ++c) {
      if (r >= kFirstSummaryMoneyRow && r <= kLastSummaryMoneyRow && c >= 1 && c <= 6) continue;
      ASSERT_EQ(s->ItemTable(r, c), before.ItemTable(r, c)) << r << "," << c;
    }
  EXPECT_EQ(s->ItemValues(3, 1), 77);
}

TEST(ConversionTest, ASummaryValueBeyondThirtyTwoBitsBlocksNoLaterSum) {
  auto s = State();
  s->ItemTable(3, 1) = Cell::Text("3000000");
  s->ItemTable(205, 1) = Cell::Text("10");
  ASSERT_TRUE(ConvertSummary(*s, Rate("1000")).ok());
  ASSERT_EQ(s->ItemTable(3, 1), Whole(3000000000LL));
  // No formula reads the summary rows: Sum goes on and leaves the value.
  ASSERT_TRUE(RecalculateStatements(*s).ok());
  EXPECT_EQ(s->ItemTable(3, 1), Whole(3000000000LL));
  EXPECT_EQ(s->ItemValues(211, 1), 10);
  EXPECT_TRUE(FindUnreadableAmounts(*s).empty());
}

TEST(ConversionTest, AdjustsEachPeriodByItsPercentage) {
  struct Case {
    int period;
    Cell value;
    const char* percent;
    int64_t expected;
  } cases[] = {
      {2, Cell::Text("1000"), "110", 1100},
      {2, Cell::Text("5"), "110", 6},    // 5.5 rounds half up
      {2, Cell::Text("-5"), "110", -5},  // -5.5 rounds half up
      {1, Cell::Text("12.5"), "100", 13},
      {3, Cell::Text("300"), "33.333", 100},
      {4, Cell::Text("999"), "0", 0},
      {6, Cell(), "250", 0},
      // 0.15 exactly: never a binary neighbour below the half.
      {5, Cell::Text("1.5"), "10", 0},
      {5, Cell::Text("5"), "10", 1},  // 0.5 rounds half up
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << CellText(c.value) << " at " << c.percent << "%");
    auto s = State();
    s->ItemTable(9, c.period) = c.value;
    s->ItemTable(9, c.period == 1 ? 2 : 1) = Cell::Text("8");
    Percentages p;
    p.fill(Percent("100"));
    p[static_cast<size_t>(c.period - 1)] = Percent(c.percent);
    ASSERT_TRUE(AdjustSummary(*s, p).ok());
    EXPECT_EQ(s->ItemTable(9, c.period), Whole(c.expected));
    EXPECT_EQ(s->ItemTable(9, c.period == 1 ? 2 : 1), Whole(8));  // its period at 100
  }
}

TEST(ConversionTest, ABadSummaryCellChangesNothing) {
  struct Case {
    int row, period;
    Cell bad;
    const char* rate;
    RestateError::Kind kind;
  } cases[] = {
      {14, 3, Cell::Text("abc"), "2", RestateError::Kind::NotNumber},
      {3, 1, Cell::Text("12-5"), "1", RestateError::Kind::NotNumber},
      {27, 6, Cell::Text("500000000000000"), "2", RestateError::Kind::OutOfRange},
      {10, 2, Cell::Text("-461168601842739"), "2", RestateError::Kind::OutOfRange},
      {7, 3, Cell::Text("922337203685477.5"), "1", RestateError::Kind::OutOfRange},
      {5, 4, Cell::Text("99999999999999999999999"), "1", RestateError::Kind::OutOfRange},
      {20, 5, Cell::Double(1e300), "1", RestateError::Kind::OutOfRange},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.row << "," << c.period);
    auto s = State();
    for (int r = kFirstSummaryMoneyRow; r <= kLastSummaryMoneyRow; ++r)
      for (int col = 1; col <= 6; ++col) s->ItemTable(r, col) = Cell::Text(std::to_string(r * 10 + col));
    s->ItemTable(c.row, c.period) = c.bad;
    s->ConvWork(3, 1) = Currency::FromWhole(5);
    const SharedState before = *s;
    const RestateError e = ConvertSummary(*s, Rate(c.rate));
    EXPECT_EQ(e.kind, c.kind);
    EXPECT_EQ(e.row, c.row);
    EXPECT_EQ(e.period, c.period);
    for (int r = kFirstSummaryMoneyRow; r <= kLastSummaryMoneyRow; ++r)
      for (int col = 1; col <= 6; ++col) {
        ASSERT_EQ(s->ItemTable(r, col), before.ItemTable(r, col));
        ASSERT_EQ(s->ConvWork(r, col), before.ConvWork(r, col));
      }
    Percentages p;
    p.fill(Percent("200"));
    EXPECT_EQ(AdjustSummary(*s, p).kind, c.kind);
    EXPECT_EQ(s->ItemTable(3, 1), before.ItemTable(3, 1));
  }
  // The first fault in row order is the one reported.
  auto s = State();
  s->ItemTable(12, 6) = Cell::Text("x");
  s->ItemTable(13, 1) = Cell::Text("y");
  const RestateError e = ConvertSummary(*s, Rate("1"));
  EXPECT_EQ(e.row, 12);
  EXPECT_EQ(e.period, 6);
}

TEST(ConversionTest, MessagesNameTheFieldOrTheRowsLabelAndPeriod) {
  auto s = State();
  s->ItemTable(3, 2) = Cell::Text("abc");
  FillBalanceSheetLabelsEn(*s);  // the scratch list holds the balance sheet's labels, not the summary's
  EXPECT_EQ(DescribeRestateError({RestateError::Kind::NotNumber, 3, 2}, *s, kEnglish),
            "Cash and marketable securities, period II: the entry \"abc\" is not a number. Nothing was changed.");
  EXPECT_EQ(DescribeRestateError({RestateError::Kind::NotNumber, 3, 2}, *s, kCroatian),
            "Novac i utržive vrijednosnice, razdoblje II: upisani tekst \"abc\" nije broj. Ništa nije promijenjeno.");
  EXPECT_EQ(DescribeRestateError({RestateError::Kind::OutOfRange, 27, 6}, *s, kEnglish),
            "Retained earnings, period VI: the amount is outside the allowed range (-922337203685477 to 922337203685477). "
            "Nothing was changed.");
  EXPECT_EQ(DescribeRestateError({RestateError::Kind::OutOfRange, 27, 6}, *s, kCroatian),
            "Zadržana dobit, razdoblje VI: iznos je izvan dopuštenog raspona (od -922337203685477 do 922337203685477). "
            "Ništa nije promijenjeno.");
  EXPECT_EQ(DescribeRestateError({}, *s, kEnglish), "");
  // A period the general data name is named by that name too.
  s->ItemTable(101, 2) = Cell::Text("Šibenik 2004");
  EXPECT_EQ(DescribeRestateError({RestateError::Kind::NotNumber, 3, 2}, *s, kEnglish),
            "Cash and marketable securities, period II (Šibenik 2004): the entry \"abc\" is not a number. "
            "Nothing was changed.");
  EXPECT_EQ(DescribeBadRate("x", kEnglish), "Exchange rate per unit: \"x\" is not a positive number. Nothing was changed.");
  EXPECT_EQ(DescribeBadRate("", kCroatian), "Tečaj: \"\" nije pozitivan broj. Ništa nije promijenjeno.");
  EXPECT_EQ(DescribeBadPercentage("-5", 3, kEnglish),
            "Percentage of period III: \"-5\" is not a number of zero or more. Nothing was changed.");
  EXPECT_EQ(DescribeBadPercentage("-5", 3, kCroatian),
            "Postotak razdoblja III: \"-5\" nije broj jednak nuli ili veći od nule. Ništa nije promijenjeno.");
  // A number of the right sign that is only too large says so.
  EXPECT_TRUE(RateTooLarge("922337203685478", *s));
  EXPECT_FALSE(RateTooLarge("922337203685477", *s));
  EXPECT_FALSE(RateTooLarge("-922337203685478", *s));
  EXPECT_FALSE(RateTooLarge("x", *s));
  EXPECT_TRUE(PercentageTooLarge("9223372037", *s));
  EXPECT_FALSE(PercentageTooLarge("9223372036", *s));
  // A positive rate that is 0 at the four decimals a rate holds is too small,
  // not "no positive number".
  struct FaultCase {
    const char* text;
    char mark;
    RateFault fault;
  } faults[] = {
      {"0.00004", '.', RateFault::TooSmall},      {"0,00004", ',', RateFault::TooSmall},
      {"0.00005", '.', RateFault::TooSmall},      {"0.000000001", '.', RateFault::TooSmall},
      {"0", '.', RateFault::NotPositive},         {"-0.00001", '.', RateFault::NotPositive},
      {"x", '.', RateFault::NotPositive},         {"", '.', RateFault::NotPositive},
      {"1000000000000000", '.', RateFault::TooLarge},
  };
  for (const auto& c : faults) {
    auto st = State(c.mark);
    EXPECT_EQ(RateRefusal(c.text, *st), c.fault) << c.text;
    EXPECT_FALSE(ReadExchangeRate(c.text, *st).has_value()) << c.text;
  }
  EXPECT_EQ(DescribeBadRate("0.00004", kEnglish, RateFault::TooSmall),
            "Exchange rate per unit: \"0.00004\" is below the smallest rate the program holds (0.0001). "
            "Nothing was changed.");
  EXPECT_EQ(DescribeBadRate("0,00004", kCroatian, RateFault::TooSmall, ','),
            "Tečaj: \"0,00004\" je manji od najmanjeg koji program prima (najmanje 0,0001). Ništa nije promijenjeno.");
  EXPECT_EQ(DescribeBadRate("1e20", kCroatian, RateFault::TooLarge),
            "Tečaj: \"1e20\" je veći od najvećeg koji program prima (najviše 922337203685477). Ništa nije promijenjeno.");
  EXPECT_EQ(DescribeBadPercentage("99999999999", 2, kCroatian, true),
            "Postotak razdoblja II: \"99999999999\" je veći od najvećeg koji program prima (najviše 9223372036). "
            "Ništa nije promijenjeno.");
  // At most a line of a text is quoted.
  s->ItemTable(3, 2) = Cell::Text(std::string(100000, '9') + "x");
  EXPECT_EQ(DescribeRestateError({RestateError::Kind::NotNumber, 3, 2}, *s, kEnglish),
            "Cash and marketable securities, period II (Šibenik 2004): the entry \"" + std::string(40, '9') +
                "…\" is not a number. Nothing was changed.");
  EXPECT_EQ(DescribeBadRate("7\n5", kEnglish), "Exchange rate per unit: \"7…\" is not a positive number. Nothing was changed.");
}

TEST(ConversionTest, NewFileNameLiesBesideTheWorkbook) {
  EXPECT_EQ(DefaultStem("/data/firm.eka", kConversionSuffix), "firm-conv");
  EXPECT_EQ(DefaultStem("firm.eka", kInflationSuffix), "firm-infl");
  EXPECT_EQ(DefaultStem("/data/firm 2024.v2.eka", kConversionSuffix), "firm 2024.v2-conv");
  struct Case {
    const char* fileName;
    const char* typed;
    std::optional<std::string> path;
  } cases[] = {
      {"/data/firm.eka", "firm-conv", "/data/firm-conv.eka"},
      {"/data/firm.eka", "x.eka", "/data/x.eka"},
      {"/data/firm.eka", "X.EKA", "/data/X.EKA"},
      {"/data/firm.eka", "x.ekab", "/data/x.ekab.eka"},
      {"/data/firm.eka", "/other/y", "/other/y.eka"},
      {"/data/firm.eka", "sub/y", "/data/sub/y.eka"},
      {"/data/firm.eka", " y ", "/data/ y .eka"},
      {"firm.eka", "y", "y.eka"},  // a workbook in the current folder
      {"/data/firm.eka", "", {}},
      {"/data/firm.eka", "   ", {}},
      {"/data/firm.eka", ".eka", {}},
      {"/data/firm.eka", "  .EKA", {}},
      {"/data/firm.eka", "/other/", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    EXPECT_EQ(RestatedFilePath(c.fileName, c.typed), c.path);
  }
}

}  // namespace
}  // namespace morvadel
