#include "solar/numberfns.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

struct FixedCase {
  double value;
  int width, decimals;
  const char* text;  // without the leading blanks
  int blanks;
  double after;
};

class FormatFixedTest : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FormatFixedTest, TextBlanksAndRoundedValue) {
  const FixedCase& c = GetParam();
  double v = c.value;
  const QString text = FormatFixed(v, c.width, c.decimals);
  EXPECT_EQ(text, QString(c.blanks, QLatin1Char(' ')) + QLatin1String(c.text));
  EXPECT_DOUBLE_EQ(v, c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatFixedTest,
    ::testing::Values(FixedCase{0.3, 1, 2, "0.30", 1, 0.3}, FixedCase{51.5, 1, 2, "51.50", 0, 51.5},
                      FixedCase{5, 1, 2, "5.00", 0, 5}, FixedCase{0, 1, 2, "0.00", 0, 0},
                      FixedCase{0.125, 1, 2, "0.12", 1, 0.12}, FixedCase{0.375, 1, 2, "0.38", 1, 0.38},
                      FixedCase{0.456, 1, 2, "0.46", 1, 0.46}, FixedCase{-3.14159, 6, 2, "-3.14", 5, -3.14},
                      FixedCase{1234.5, 1, 2, "1234.50", 0, 1234.5},
                      FixedCase{-0.25, 1, 2, "-0.25", 1, -0.25}, FixedCase{-126, 1, 2, "-126.00", 0, -126},
                      FixedCase{44.352, 1, 2, "44.35", 0, 44.35}, FixedCase{18.47, 1, 2, "18.47", 0, 18.47}));

TEST(ReplaceCharTest, ReplacesEveryOccurrenceAndWritesBack) {
  QString t = QStringLiteral("6.30");
  EXPECT_EQ(ReplaceChar(t, '.', ':'), QStringLiteral("6:30"));
  EXPECT_EQ(t, QStringLiteral("6:30"));

  QString n = QString::number(18.47);
  ReplaceChar(n, '.', ':');
  EXPECT_EQ(n, QStringLiteral("18:47"));

  QString none = QStringLiteral("abc");
  EXPECT_EQ(ReplaceChar(none, '.', ':'), QStringLiteral("abc"));
  QString empty;
  EXPECT_EQ(ReplaceChar(empty, '.', ':'), QString());

  QString commas = QStringLiteral("a,b,c");
  EXPECT_EQ(ReplaceChar(commas, ',', QChar(0xB8)), QStringLiteral("a\u00B8b\u00B8c"));
  // Case-sensitive: only the exact character is replaced.
  QString mixed = QStringLiteral("aAa");
  EXPECT_EQ(ReplaceChar(mixed, 'a', 'x'), QStringLiteral("xAx"));
}

struct CaptionCase {
  double reading;
  bool sunrise;
  const char* caption;
};

class SunCaptionTest : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(SunCaptionTest, Caption) {
  const CaptionCase& c = GetParam();
  EXPECT_EQ(c.sunrise ? SunriseCaption(c.reading) : SunsetCaption(c.reading), QString::fromUtf8(c.caption));
}

INSTANTIATE_TEST_SUITE_P(Readings, SunCaptionTest,
                         ::testing::Values(CaptionCase{6.5, true, "Sunrise at 6:50 GMT"},
                                           CaptionCase{6.05, true, "Sunrise at 6:05 GMT"},
                                           CaptionCase{18.05, false, "Sunset at 18:05 GMT"},
                                           CaptionCase{0.05, true, "Sunrise at  0:10 GMT"},
                                           CaptionCase{0.0, true, "Sunrise at  0:10 GMT"},
                                           CaptionCase{0.1, true, "Sunrise at  0:10 GMT"},
                                           CaptionCase{0.45, true, "Sunrise at  0:45 GMT"},
                                           CaptionCase{0.45, false, "Sunset at  0:10 GMT"},
                                           CaptionCase{0.59, false, "Sunset at  0:10 GMT"},
                                           CaptionCase{1, false, "Sunset at 1:00 GMT"},
                                           CaptionCase{6, true, "Sunrise at 6:00 GMT"}));

TEST(CoordinateCaptionTest, LatitudeAndLongitude) {
  EXPECT_EQ(LatitudeCaption(24.47), QStringLiteral("Latitude 24.47"));
  EXPECT_EQ(LatitudeCaption(0.5), QStringLiteral("Latitude  0.50"));
  EXPECT_EQ(LatitudeCaption(-126), QStringLiteral("Latitude -126.00"));
  EXPECT_EQ(LongitudeCaption(0), QStringLiteral("Longitude 0.00"));
  EXPECT_EQ(LatitudeCaption(51.5), QStringLiteral("Latitude 51.50"));
}

}  // namespace
}  // namespace zv
