#include "model/number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace morvadel {
namespace {

struct ReadCase {
  const char* text;
  char mark;  // the user's decimal mark
  bool ok;
  double value;
};

void ExpectReads(const ReadCase& c, std::optional<Decimal> d) {
  ASSERT_EQ(d.has_value(), c.ok) << "'" << c.text << "' with mark '" << c.mark << "'";
  if (!c.ok) return;
  auto scaled = RoundScaled(*d, 4, Rounding::HalfEven);
  ASSERT_TRUE(scaled) << c.text;
  EXPECT_DOUBLE_EQ(ScaledToDouble(*scaled, 4), c.value) << "'" << c.text << "' with mark '" << c.mark << "'";
}

TEST(ReadNumber, FollowsTheUsersDecimalMarkAndGroupsOfThree) {
  const ReadCase cases[] = {
      // Croatian notation: a comma for decimals, points between thousands.
      {"1.234", ',', true, 1234},        {"1.234.567", ',', true, 1234567}, {"1.234,5", ',', true, 1234.5},
      {"12,5", ',', true, 12.5},         {"1,0000", ',', true, 1},          {",5", ',', true, 0.5},
      {"5,", ',', true, 5},              {"-1.234,56", ',', true, -1234.56}, {"999.999", ',', true, 999999},
      {"1.5", ',', false, 0},            {"12.34", ',', false, 0},          {"1.2345", ',', false, 0},
      {"1234.567", ',', false, 0},       {"0.123", ',', false, 0},          {".5", ',', false, 0},
      {"1.234,5.6", ',', false, 0},      {"1,234.5", ',', false, 0},        {"1.23.4", ',', false, 0},
      {"1..234", ',', false, 0},         {"1.", ',', false, 0},             {"12,5,0", ',', false, 0},
      // English and C notation: a point for decimals, commas between thousands.
      {"1,234", '.', true, 1234},        {"1,234,567", '.', true, 1234567}, {"1,234.5", '.', true, 1234.5},
      {"12.5", '.', true, 12.5},         {".5", '.', true, 0.5},            {"5.", '.', true, 5},
      {"1,000", '.', true, 1000},        {"1,5", '.', false, 0},            {"1,000.000.5", '.', false, 0},
      {"1.234,5", '.', false, 0},        {"1.23.4", '.', false, 0},         {",5", '.', false, 0},
      {"1,23", '.', false, 0},           {"12,3456", '.', false, 0},        {"0,123", '.', false, 0},
      // The same everywhere.
      {"  -7  ", ',', true, -7},         {"+3", '.', true, 3},              {"-0", ',', true, 0},
      {"0007", '.', true, 7},            {"\t42\t", ',', true, 42},         {"", '.', false, 0},
      {"   ", ',', false, 0},            {"-", '.', false, 0},              {".", '.', false, 0},
      {",", ',', false, 0},              {"1 000", ',', false, 0},          {"12a", '.', false, 0},
      {"abc", ',', false, 0},            {"1e5", '.', false, 0},            {"--1", ',', false, 0},
      {"- 1", '.', false, 0},            {"1-", ',', false, 0},             {"0x10", '.', false, 0},
      {"1.234", 'x', true, 1.234},  // an unknown mark counts as a point
  };
  for (const auto& c : cases) ExpectReads(c, ReadNumber(c.text, c.mark));
}

TEST(ReadNumber, FileNumbersReadWithAPointInEveryLocale) {
  const ReadCase cases[] = {
      {"12.5", '.', true, 12.5}, {"-0.5", '.', true, -0.5}, {".5", '.', true, 0.5},  {"1234", '.', true, 1234},
      {" 7 ", '.', true, 7},     {"1,5", '.', false, 0},    {"1,234", '.', false, 0}, {"1.234.5", '.', false, 0},
      {"abc", '.', false, 0},    {"1e308", '.', false, 0},  {"", '.', false, 0},
  };
  for (const auto& c : cases) ExpectReads(c, ReadFileNumber(c.text));
  // What a file written in one locale holds reads alike in the other.
  EXPECT_EQ(FormatDecimal(*ReadFileNumber("1234.5"), ','), "1234,5");
  EXPECT_EQ(FormatDecimal(*ReadNumber("1.234,5", ','), '.'), "1234.5");
  EXPECT_EQ(FormatDecimal(*ReadNumber("-,05", ','), '.'), "-0.05");
  EXPECT_EQ(FormatDecimal(*ReadNumber("0007,00", ','), '.'), "7");
}

TEST(ReadNumber, KeepsEveryDigitExactly) {
  auto d = ReadNumber("123456789012345678901234567890.000000000000000000015", '.');
  ASSERT_TRUE(d);
  EXPECT_FALSE(RoundScaled(*d, 0, Rounding::HalfEven));  // far beyond int64: reported, not wrapped
  auto tiny = ReadNumber("0,500000000000000000000000001", ',');
  ASSERT_TRUE(tiny);
  EXPECT_EQ(*RoundScaled(*tiny, 0, Rounding::HalfEven), 1);  // just above a half
}

TEST(ReadNumber, TheWholeSixtyFourBitRangeReads) {
  EXPECT_EQ(*RoundScaled(*ReadNumber("-922337203685477,5808", ','), 4, Rounding::HalfEven),
            std::numeric_limits<int64_t>::min());
  EXPECT_EQ(*RoundScaled(*ReadNumber("922,337,203,685,477.5807", '.'), 4, Rounding::HalfEven),
            std::numeric_limits<int64_t>::max());
  EXPECT_FALSE(RoundScaled(*ReadNumber("922337203685477.5808", '.'), 4, Rounding::HalfEven));
  EXPECT_FALSE(RoundScaled(*ReadNumber("-922337203685477.5809", '.'), 4, Rounding::HalfEven));
  EXPECT_EQ(*RoundQuotient(std::numeric_limits<int64_t>::min(), 1, 0, Rounding::HalfUp),
            std::numeric_limits<int64_t>::min());
  EXPECT_EQ(FormatScaled(std::numeric_limits<int64_t>::min(), 4), "-922337203685477.5808");
}

struct RoundCase {
  double value;
  int digits;
  double expected;
};

TEST(RoundHalfUp, HalvesGoUpForBothSigns) {
  const RoundCase cases[] = {
      // Exact halves that binary doubles cannot hold exactly.
      {0.285, 2, 0.29}, {1.005, 2, 1.01}, {-0.035, 2, -0.03}, {2.675, 2, 2.68}, {-1.005, 2, -1.0},
      // Whole numbers.
      {2.5, 0, 3}, {-2.5, 0, -2}, {-2.51, 0, -3}, {0.5, 0, 1}, {1.5, 0, 2},
      {-0.5, 0, 0}, {-1.5, 0, -1}, {-1.51, 0, -2}, {7.4999, 0, 7},
      // Two decimals.
      {12.344, 2, 12.34}, {12.346, 2, 12.35}, {-0.004, 2, 0}, {0, 2, 0}, {0.125, 2, 0.13},
      {-0.125, 2, -0.12}, {12.125, 2, 12.13}, {-12.125, 2, -12.12}, {25.375, 2, 25.38},
  };
  for (const auto& c : cases) {
    const double v = c.value;
    const uint8_t d = static_cast<uint8_t>(c.digits);
    EXPECT_EQ(RoundHalfUp(v, d), c.expected) << c.value << " to " << c.digits;
  }
}

TEST(RoundHalfUp, NeverGivesNegativeZero) {
  const double v = -0.004;
  const uint8_t d = 2;
  EXPECT_FALSE(std::signbit(RoundHalfUp(v, d)));
}

struct QuotientCase {
  long long num, den;
  int places;
  Rounding mode;
  long long expected;
};

TEST(RoundQuotient, RoundsTheExactQuotient) {
  const QuotientCase cases[] = {
      {203 * 100, 800, 2, Rounding::HalfUp, 2538},    // 25.375 -> 25.38
      {-97, 800, 4, Rounding::HalfUp, -1212},         // -0.12125 -> -0.1212 (half up)
      {-97, 800, 4, Rounding::HalfEven, -1212},       // -0.12125 -> -0.1212 (to even)
      {15, 2, 0, Rounding::HalfEven, 8},              // 7.5 -> 8
      {13, 2, 0, Rounding::HalfEven, 6},              // 6.5 -> 6
      {-13, 2, 0, Rounding::HalfEven, -6},
      {-5, 2, 0, Rounding::HalfUp, -2},
      {5, -2, 0, Rounding::HalfUp, -2},
      {2000, 3000, 4, Rounding::HalfEven, 6667},
      {1, 3, 0, Rounding::HalfUp, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(*RoundQuotient(c.num, c.den, c.places, c.mode), c.expected) << c.num << "/" << c.den;
  EXPECT_FALSE(RoundQuotient(1, 0, 0, Rounding::HalfUp));
}

TEST(Format, ShortestTextWithTheGivenMark) {
  EXPECT_EQ(FormatScaled(15000, 4), "1.5");
  EXPECT_EQ(FormatScaled(30000, 4), "3");
  EXPECT_EQ(FormatScaled(-2500, 4), "-0.25");
  EXPECT_EQ(FormatScaled(6667, 4, ','), "0,6667");
  EXPECT_EQ(FormatScaled(0, 4), "0");
  EXPECT_EQ(FormatDouble(25.38), "25.38");
  EXPECT_EQ(FormatDouble(0.1 + 0.2), "0.3");
  EXPECT_EQ(FormatDouble(-12.12, ','), "-12,12");
  EXPECT_EQ(FormatDouble(100), "100");
  EXPECT_EQ(FormatDouble(-0.0), "0");
}

}  // namespace
}  // namespace morvadel
