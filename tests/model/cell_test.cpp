#include "model/cell.h"

#include <gtest/gtest.h>

#include <limits>

namespace morvadel {
namespace {

TEST(Cell, EmptyEmptyTextAndBlanksCountAsZero) {
  for (const Cell& c : {Cell(), Cell::Text(""), Cell::Text("   "), Cell::Int32(0)}) {
    for (char mark : {'.', ','}) {
      EXPECT_EQ(ToWhole(c, mark).value, 0);
      EXPECT_TRUE(ToWhole(c, mark).ok());
      EXPECT_TRUE(ToCurrency(c, mark).ok());
      EXPECT_EQ(ToCurrency(c, mark).value.raw, 0);
      EXPECT_EQ(ToDouble(c, mark).value, 0.0);
    }
  }
  EXPECT_TRUE(Cell().IsEmpty());
  EXPECT_FALSE(Cell::Text("").IsEmpty());
  EXPECT_TRUE(Cell::Text("").IsBlank());
}

struct WholeCase {
  Cell cell;
  char mark;
  ConvStatus status;
  int32_t value;
};

TEST(Cell, WholeNumbersRoundHalvesToEvenAndReportOverflow) {
  const WholeCase cases[] = {
      {Cell::Text("12.5"), '.', ConvStatus::Ok, 12},
      {Cell::Text("13,5"), ',', ConvStatus::Ok, 14},
      {Cell::Text("-2.5"), '.', ConvStatus::Ok, -2},
      {Cell::Text("1.234"), ',', ConvStatus::Ok, 1234},  // not 1: the point groups thousands
      {Cell::Text("1.234"), '.', ConvStatus::Ok, 1},
      {Cell::Text("1,000"), '.', ConvStatus::Ok, 1000},
      {Cell::Text("1,000"), ',', ConvStatus::Ok, 1},
      {Cell::Text("1.5"), ',', ConvStatus::NotNumber, 0},
      {Cell::Text("1,5"), '.', ConvStatus::NotNumber, 0},
      {Cell::Double(3.5), ',', ConvStatus::Ok, 4},
      {Cell::Double(2.5), '.', ConvStatus::Ok, 2},
      {Cell::Money(Currency::FromRaw(75000)), ',', ConvStatus::Ok, 8},
      {Cell::Money(Currency::FromRaw(65000)), '.', ConvStatus::Ok, 6},
      {Cell::Int16(-7), ',', ConvStatus::Ok, -7},
      {Cell::Text("2147483647"), '.', ConvStatus::Ok, 2147483647},
      {Cell::Text("-2.147.483.648"), ',', ConvStatus::Ok, -2147483647 - 1},
      {Cell::Text("2147483648"), ',', ConvStatus::OutOfRange, 0},
      {Cell::Text("2147483647.5"), '.', ConvStatus::OutOfRange, 0},
      {Cell::Double(1e12), '.', ConvStatus::OutOfRange, 0},
      {Cell::Text("Firma d.d."), ',', ConvStatus::NotNumber, 0},
      {Cell::Text("1.000,00"), '.', ConvStatus::NotNumber, 0},
      {Cell::Text("1.000,00"), ',', ConvStatus::Ok, 1000},
      // File numbers read with a point whatever the user's mark.
      {Cell::FileNumber("12.5"), ',', ConvStatus::Ok, 12},
      {Cell::FileNumber("13.5"), '.', ConvStatus::Ok, 14},
      {Cell::FileNumber("1.234"), ',', ConvStatus::Ok, 1},
      {Cell::FileNumber("1,234"), '.', ConvStatus::NotNumber, 0},
      {Cell::FileNumber("1e308"), ',', ConvStatus::NotNumber, 0},
      {Cell::FileNumber("2147483648"), ',', ConvStatus::OutOfRange, 0},
      // Plain digits, the figures of most cells, read alike with either mark.
      {Cell::Text(" +7\t"), ',', ConvStatus::Ok, 7},
      {Cell::Text("-0"), '.', ConvStatus::Ok, 0},
      {Cell::FileNumber("0042"), ',', ConvStatus::Ok, 42},
      {Cell::Text("-2147483648"), '.', ConvStatus::Ok, -2147483647 - 1},
      {Cell::FileNumber("-2147483649"), ',', ConvStatus::OutOfRange, 0},
      {Cell::Text("999999999999999999"), '.', ConvStatus::OutOfRange, 0},
      {Cell::Text("99999999999999999999"), ',', ConvStatus::OutOfRange, 0},
      {Cell::FileNumber("0000000000000000000000007"), '.', ConvStatus::Ok, 7},
      {Cell::Text("-"), '.', ConvStatus::NotNumber, 0},
      {Cell::FileNumber("+"), ',', ConvStatus::NotNumber, 0},
      {Cell::Text("1 2"), ',', ConvStatus::NotNumber, 0},
      {Cell::FileNumber("12\"3"), '.', ConvStatus::NotNumber, 0},
  };
  for (const auto& c : cases) {
    auto r = ToWhole(c.cell, c.mark);
    EXPECT_EQ(r.status, c.status) << CellText(c.cell) << " with mark " << c.mark;
    if (c.status == ConvStatus::Ok) {
      EXPECT_EQ(r.value, c.value) << CellText(c.cell) << " with mark " << c.mark;
    }
  }
}

TEST(Cell, CurrencyRoundsToFourDecimalsHalvesToEven) {
  EXPECT_EQ(ToCurrency(Cell::Text("1.00005"), '.').value.raw, 10000);
  EXPECT_EQ(ToCurrency(Cell::Text("1,00015"), ',').value.raw, 10002);
  EXPECT_EQ(ToCurrency(Cell::Text("-1.00015"), '.').value.raw, -10002);
  EXPECT_EQ(ToCurrency(Cell::Double(0.6667), ',').value.raw, 6667);
  EXPECT_EQ(ToCurrency(Cell::Int32(1234), '.').value.raw, 12340000);
  EXPECT_EQ(ToCurrency(Cell::FileNumber("-0.5"), ',').value.raw, -5000);
  EXPECT_EQ(ToCurrency(Cell::Text("x"), '.').status, ConvStatus::NotNumber);
  EXPECT_EQ(ToCurrency(Cell::Text("99999999999999999"), '.').status, ConvStatus::OutOfRange);
  // The whole currency range reads, its most negative amount included.
  EXPECT_EQ(ToCurrency(Cell::Text("-922337203685477.5808"), '.').value.raw, std::numeric_limits<int64_t>::min());
  EXPECT_EQ(ToCurrency(Cell::Text("-922.337.203.685.477,5808"), ',').value.raw,
            std::numeric_limits<int64_t>::min());
  EXPECT_EQ(ToCurrency(Cell::Text("-922337203685477.5809"), '.').status, ConvStatus::OutOfRange);
  EXPECT_EQ(ToDouble(Cell::Text("1.234,5"), ',').value, 1234.5);
  EXPECT_EQ(ToDouble(Cell::Text("1.234,5"), '.').status, ConvStatus::NotNumber);
  EXPECT_EQ(ToDouble(Cell::FileNumber("1234.5"), ',').value, 1234.5);
}

TEST(Cell, TextShowsNumbersInTheGeneralFormat) {
  EXPECT_EQ(CellText(Cell()), "");
  EXPECT_EQ(CellText(Cell::Text("abc")), "abc");
  EXPECT_EQ(CellText(Cell::Int32(-56)), "-56");
  EXPECT_EQ(CellText(Cell::Money(Currency::FromRaw(15000))), "1.5");
  EXPECT_EQ(CellText(Cell::Double(12.5), ','), "12,5");
  // A file number shows its own characters with the user's decimal mark.
  EXPECT_EQ(CellText(Cell::FileNumber("-0.50"), ','), "-0,50");
  EXPECT_EQ(CellText(Cell::FileNumber("-0.50"), '.'), "-0.50");
  EXPECT_EQ(CellText(Cell::FileNumber("1.2.3"), ','), "1.2.3");  // no number: as it stands
  EXPECT_TRUE(Cell::FileNumber(" ").IsBlank());
  EXPECT_FALSE(Cell::FileNumber("0").IsBlank());
}

}  // namespace
}  // namespace morvadel
