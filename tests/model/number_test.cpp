#include "model/number.h"

#include <gtest/gtest.h>

#include <cmath>

namespace morvadel {
namespace {

struct ReadCase {
  const char* text;
  bool ok;
  double value;
};

TEST(ReadNumber, AcceptsCommaOrPointAndRefusesEverythingElse) {
  const ReadCase cases[] = {
      {"12.5", true, 12.5},   {"12,5", true, 12.5},   {"1,0000", true, 1.0}, {".5", true, 0.5},
      {",5", true, 0.5},      {"5.", true, 5.0},      {"  -7  ", true, -7},  {"+3", true, 3},
      {"-0", true, 0},        {"0007", true, 7},      {"\t42\t", true, 42},  {"", false, 0},
      {"   ", false, 0},      {"-", false, 0},        {".", false, 0},       {"1.000,5", false, 0},
      {"1,000,000", false, 0}, {"1 000", false, 0},   {"12a", false, 0},     {"abc", false, 0},
      {"1e5", false, 0},      {"--1", false, 0},      {"- 1", false, 0},     {"1-", false, 0},
      {"0x10", false, 0},
  };
  for (const auto& c : cases) {
    auto d = ReadNumber(c.text);
    ASSERT_EQ(d.has_value(), c.ok) << "'" << c.text << "'";
    if (!c.ok) continue;
    auto scaled = RoundScaled(*d, 4, Rounding::HalfEven);
    ASSERT_TRUE(scaled);
    EXPECT_DOUBLE_EQ(ScaledToDouble(*scaled, 4), c.value) << c.text;
  }
}

TEST(ReadNumber, KeepsEveryDigitExactly) {
  auto d = ReadNumber("123456789012345678901234567890.000000000000000000015");
  ASSERT_TRUE(d);
  EXPECT_FALSE(RoundScaled(*d, 0, Rounding::HalfEven));  // far beyond int64: reported, not wrapped
  auto tiny = ReadNumber("0.500000000000000000000000001");
  ASSERT_TRUE(tiny);
  EXPECT_EQ(*RoundScaled(*tiny, 0, Rounding::HalfEven), 1);  // just above a half
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
