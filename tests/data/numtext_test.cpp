#include "data/numtext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zv {
namespace {

struct NumberCase {
  const char* text;
  double value;
};

class NumberInTextTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberInTextTest, TakesTheLeadingNumber) {
  EXPECT_DOUBLE_EQ(NumberInText(QString::fromLatin1(GetParam().text)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, NumberInTextTest,
                         ::testing::Values(NumberCase{"3.35", 3.35}, NumberCase{"  -4.5", -4.5},
                                           NumberCase{"5.5 hours", 5.5}, NumberCase{"abc", 0},
                                           NumberCase{"", 0}, NumberCase{"+2", 2}, NumberCase{".5", 0.5},
                                           NumberCase{"7.", 7}, NumberCase{"-", 0}, NumberCase{"1e5", 1},
                                           NumberCase{"24.47N", 24.47}, NumberCase{"\t9", 9},
                                           NumberCase{"1,5", 1}));

TEST(NumberInText, TooLargeCountsAsZero) { EXPECT_EQ(NumberInText(QString(400, u'9')), 0); }

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(224.4), 224);
  EXPECT_EQ(RoundHalfEven(201.00000000000003), 201);
  EXPECT_EQ(RoundHalfEven(1e300), std::numeric_limits<int>::max());
}

TEST(GeneralNumberText, FifteenSignificantDigitsNoExponent) {
  EXPECT_EQ(GeneralNumberText(3.35), "3.35");
  EXPECT_EQ(GeneralNumberText(0), "0");
  EXPECT_EQ(GeneralNumberText(-4.5), "-4.5");
  EXPECT_EQ(GeneralNumberText(0.1 + 0.2), "0.3");
  EXPECT_EQ(GeneralNumberText(0.25), "0.25");
  EXPECT_EQ(GeneralNumberText(-0.25), "-0.25");
  EXPECT_EQ(GeneralNumberText(1234.5), "1234.5");
  EXPECT_EQ(GeneralNumberText(1e20), "100000000000000000000");
  // Past 15 integer digits the rest are zeros, not the double's expansion.
  EXPECT_EQ(GeneralNumberText(1.23456789012345678e20), "123456789012346000000");
  EXPECT_EQ(GeneralNumberText(-9007199254740993.0), "-9007199254740990");
  EXPECT_EQ(GeneralNumberText(999999999999999.4), "999999999999999");
  EXPECT_EQ(GeneralNumberText(999999999999999.6), "1000000000000000");
  EXPECT_EQ(GeneralNumberText(0.000001), "0.000001");
}

// At the ends of the double range the 15-digit text must still read back as
// a number near the value (found by fuzzing: the largest doubles used to
// round out of range, and the text came from an undefined conversion).
TEST(GeneralNumberText, EndsOfTheRangeReadBack) {
  const double big = std::numeric_limits<double>::max();
  const double tiny = std::numeric_limits<double>::denorm_min();
  for (double v : {big, -big, std::nextafter(big, 0.0), 1.79769313486231e308, tiny, -tiny,
                   std::numeric_limits<double>::min(), 1e-300}) {
    const QString g = GeneralNumberText(v);
    EXPECT_FALSE(g.contains(u'e')) << g.toStdString();
    EXPECT_NE(g, "0") << v;
    EXPECT_LE(std::fabs(NumberInText(g) - v), 1e-14 * std::fabs(v)) << g.toStdString();
  }
  EXPECT_EQ(GeneralNumberText(big).size(), 309);
  EXPECT_EQ(GeneralNumberText(-big).left(15), "-17976931348623");
}

}  // namespace
}  // namespace zv
