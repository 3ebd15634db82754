#include "output/number_mask.h"

#include <gtest/gtest.h>

namespace morvadel {
namespace {

struct MaskCase {
  const char* text;
  const char* mask;
  char mark;
  const char* expected;
};

TEST(FormatMask, NumberMasksRoundWithoutGroupingAndPassTextUnchanged) {
  const MaskCase cases[] = {
      // Two decimals: at least one digit before the mark, halves away from zero.
      {"12.345", "####0.00", '.', "12.35"},
      {"-12.345", "####0.00", '.', "-12.35"},
      {"12.344", "####0.00", '.', "12.34"},
      {"1.005", "####0.00", '.', "1.01"},  // a half a binary double would lose
      {"0", "####0.00", '.', "0.00"},
      {"0.004", "####0.00", '.', "0.00"},
      {"-0.004", "####0.00", '.', "0.00"},  // no minus sign on a zero
      {".5", "####0.00", '.', "0.50"},
      {"  7 ", "####0.00", '.', "7.00"},
      {"1234567.891", "####0.00", '.', "1234567.89"},  // wider than the mask: whole
      {"99.995", "###0.00", '.', "100.00"},            // the carry reaches the integer part
      {"12,5", "###0.00", ',', "12,50"},               // the locale's decimal mark
      {"1.234,5", "###0.00", ',', "1234,50"},          // and its groups of three
      {"1,234.5", "###0.00", '.', "1234.50"},
      {"12.5", "###0.00", ',', "12.5"},                // no number in Croatian notation
      {"1,5", "###0.00", '.', "1,5"},
      {"1234567", "#######0.00", '.', "1234567.00"},
      {"-0.5", "#######0.00", '.', "-0.50"},
      // Whole numbers.
      {"1234.5", "########", '.', "1235"},
      {"-1234.5", "########", '.', "-1235"},
      {"1234.49", "########", '.', "1234"},
      {"0", "########", '.', ""},
      {"0.4", "########", '.', ""},
      {"-0.4", "########", '.', ""},
      {"0.5", "########", '.', "1"},
      {"2001", "############", '.', "2001"},
      {"123456789012345", "###########", '.', "123456789012345"},
      {"123456789012345678901234567890.5", "#######", '.', "123456789012345678901234567891"},
      {"-007", "#######", '.', "-7"},
      // Nothing, and texts that are not numbers.
      {"", "####0.00", '.', ""},
      {"   ", "########", '.', ""},
      {"Firma d.d.", "############", '.', "Firma d.d."},
      {"2001/2002", "#######", '.', "2001/2002"},
      {"Šibenik", "####0.00", '.', "Šibenik"},
      // A mask of another shape leaves the text as it is.
      {"12.5", "##x", '.', "12.5"},
      {"12.5", "", '.', "12.5"},
  };
  for (const MaskCase& c : cases)
    EXPECT_EQ(FormatMask(c.text, c.mask, c.mark), c.expected) << "'" << c.text << "' " << c.mask << " " << c.mark;
}

TEST(FormatMask, AlignmentMasksRightAlignByCharacters) {
  const MaskCase cases[] = {
      {"12", "@@@@@@@@", '.', "      12"},
      {"", "@@@@@@@@", '.', "        "},
      {"12345678", "@@@@@@@@", '.', "12345678"},
      {"1234567890123", "@@@@@@@@@@@@", '.', "1234567890123"},  // longer: whole
      {"Šibenik", "@@@@@@@@", '.', " Šibenik"},                // seven characters, nine bytes
      {"Čakovec d.o.o.", "@@@@@@@", '.', "Čakovec d.o.o."},
      {"-0.50", "@@@@@@@", '.', "  -0.50"},
  };
  for (const MaskCase& c : cases) EXPECT_EQ(FormatMask(c.text, c.mask, c.mark), c.expected) << c.text;
}

TEST(FormatMask, CellsFormatByTheirExactValue) {
  struct CellCase {
    Cell cell;
    const char* mask;
    const char* expected;
  };
  const CellCase cases[] = {
      {Cell(), "####0.00", ""},
      {Cell(), "@@@@", "    "},
      {Cell::Int32(-1500), "########", "-1500"},
      {Cell::Int16(0), "########", ""},
      {Cell::Int16(0), "###0.00", "0,00"},
      {Cell::Money(Currency::FromRaw(12345)), "####0.00", "1,23"},
      {Cell::Money(Currency::FromRaw(12350)), "####0.00", "1,24"},  // a half: away from zero
      {Cell::Money(Currency::FromRaw(-12350)), "####0.00", "-1,24"},
      {Cell::Money(Currency::FromRaw(525000)), "############", "53"},
      {Cell::Double(0.285), "###0.00", "0,29"},  // the decimal value, not the binary one
      {Cell::Double(-2.5), "########", "-3"},
      {Cell::Text("12,5"), "########", "13"},
      {Cell::Text("Zagreb"), "########", "Zagreb"},
      {Cell::Int32(42), "@@@@@@", "    42"},
  };
  for (const CellCase& c : cases) EXPECT_EQ(FormatMask(c.cell, c.mask, ','), c.expected) << c.expected;
}

TEST(FormatMask, FieldsApplyTheNumberMaskThenTheAlignment) {
  EXPECT_EQ(FormatField(Cell::Text("1234.5"), "########", "@@@@@@@@", '.'), "    1235");
  EXPECT_EQ(FormatField(Cell::Text("0"), "########", "@@@@@@@@", '.'), "        ");
  EXPECT_EQ(FormatField(Currency::FromWhole(52), "############", "@@@@@@@@@@@@", '.'), "          52");
  EXPECT_EQ(FormatField(Currency::FromRaw(15000), "########0.00", "@@@@@@@@@@@@", '.'), "        1.50");
  EXPECT_EQ(FormatField(std::string("Prvo tromjesečje"), "############", "@@@@@@@@@@@@", '.'),
            "Prvo tromjesečje");
}

TEST(IsNilCell, EmptyBlankAndZeroAreNothingButTextIsSomething) {
  EXPECT_TRUE(IsNilCell(Cell(), '.'));
  EXPECT_TRUE(IsNilCell(Cell::Text(""), '.'));
  EXPECT_TRUE(IsNilCell(Cell::Text("  "), '.'));
  EXPECT_TRUE(IsNilCell(Cell::Text("0"), '.'));
  EXPECT_TRUE(IsNilCell(Cell::Text("0,00"), ','));
  EXPECT_TRUE(IsNilCell(Cell::Int32(0), '.'));
  EXPECT_TRUE(IsNilCell(Cell::Double(0.0), '.'));
  EXPECT_FALSE(IsNilCell(Cell::Text("0.001"), '.'));
  EXPECT_FALSE(IsNilCell(Cell::Text("n/a"), '.'));
  EXPECT_FALSE(IsNilCell(Cell::Money(Currency::FromRaw(1)), '.'));
}

}  // namespace
}  // namespace morvadel
