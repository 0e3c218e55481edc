#include "worldmap/mapgeometry.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

TEST(MapGeometryTest, EquatorAndPrimeMeridian) {
  EXPECT_DOUBLE_EQ(LonToX(0), 5400);
  EXPECT_DOUBLE_EQ(MarkY(0), 2304);
  EXPECT_DOUBLE_EQ(LonToX(-180), 0);
  EXPECT_DOUBLE_EQ(LonToX(180), 10800);
  EXPECT_DOUBLE_EQ(SunLineX(0), 5400);
  for (int lon = -180; lon <= 180; lon += 2) EXPECT_NEAR(SunLineX(lon), LonToX(lon), 1e-9);
}

TEST(MapGeometryTest, MarkScaleLimits) {
  EXPECT_DOUBLE_EQ(MarkY(90), 0);
  EXPECT_NEAR(MarkY(-90), 1.1976 * kMapH, 1e-9);
}

TEST(MapGeometryTest, SunLineScaleLimits) {
  EXPECT_NEAR(SunLineY(0), 0.3875 * kMapH, 1e-9);
  EXPECT_NEAR(SunLineY(90), 0, 1e-9);
  EXPECT_NEAR(SunLineY(-90), 1.198 * kMapH, 1e-9);
}

struct ClickCase {
  double x, y, lat, lon;
};

class ClickScaleTest : public ::testing::TestWithParam<ClickCase> {};

TEST_P(ClickScaleTest, LatLon) {
  const ClickCase& c = GetParam();
  const LatLon p = ClickToLatLon(c.x, c.y);
  EXPECT_NEAR(p.lat, c.lat, 1e-9);
  EXPECT_NEAR(p.lon, c.lon, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(Edges, ClickScaleTest,
                         ::testing::Values(ClickCase{5400, 2400, 0, 0},       // centre
                                           ClickCase{0, 0, 44.352, -180},     // top left
                                           ClickCase{5400, 10000, -126, 0},   // far below
                                           ClickCase{20000, 2400, 0, 180},    // beyond right
                                           ClickCase{10800, 2400, 0, 180}));  // right edge

struct CoordCase {
  const char* text;
  char letter;
  double value;
};

class CoordinateTest : public ::testing::TestWithParam<CoordCase> {};

TEST_P(CoordinateTest, Value) {
  const CoordCase& c = GetParam();
  EXPECT_DOUBLE_EQ(CoordinateFromText(QString::fromUtf8(c.text), QLatin1Char(c.letter)), c.value);
}

INSTANTIATE_TEST_SUITE_P(Texts, CoordinateTest,
                         ::testing::Values(CoordCase{"24.47N", 'N', 24.47}, CoordCase{"33.86S", 'N', -33.86},
                                           CoordCase{"67.03E", 'E', 67.03}, CoordCase{"151.2e", 'E', -151.2},
                                           CoordCase{"12.5n", 'N', -12.5}, CoordCase{"", 'N', 0},
                                           CoordCase{"N", 'N', 0}, CoordCase{"7", 'E', 0},
                                           CoordCase{"xyzE", 'E', 0}, CoordCase{" 5.5 N", 'N', 5.5},
                                           CoordCase{"10W", 'E', -10}));

struct LabelCase {
  const char* name;
  const char* label;
};

class LabelTextTest : public ::testing::TestWithParam<LabelCase> {};

TEST_P(LabelTextTest, Text) {
  EXPECT_EQ(LabelTextForName(QString::fromUtf8(GetParam().name)), QString::fromUtf8(GetParam().label));
}

INSTANTIATE_TEST_SUITE_P(Names, LabelTextTest,
                         ::testing::Values(LabelCase{"United States (Eastern)", "United States"},
                                           LabelCase{"France", "France"},
                                           LabelCase{"United States (E", "United States"},
                                           LabelCase{"A(b)", ""},  // second character "("
                                           LabelCase{"(Zone) X", "(Zone) X"}, LabelCase{"", ""},
                                           LabelCase{"Ab (x) (y)", "Ab"}));

TEST(FindCountryMessageTest, Forms) {
  EXPECT_EQ(FindCountryMessage(0, QStringLiteral("xyz")), QStringLiteral("XYZ* not found"));
  EXPECT_EQ(FindCountryMessage(1, QStringLiteral("fr")), QStringLiteral("1 country found."));
  EXPECT_EQ(FindCountryMessage(2, QStringLiteral("u")), QStringLiteral("2 countries found."));
  EXPECT_EQ(FindCountryMessage(3, QStringLiteral("u")), QStringLiteral("3 countries found."));
}

// A press on a mark's x reports the mark's longitude: marks and clicks share
// the width of the picture, 2 pixels (30 twips) to a degree.
TEST(MapGeometryTest, PressOnAMarkGivesItsLongitude) {
  for (double lon : {-180.0, -77.04, -21.94, 0.0, 139.69, 174.78, 180.0}) {
    SCOPED_TRACE(lon);
    EXPECT_NEAR(LonToX(lon) - LonToX(lon - 1), 30.0, 1e-9);
    EXPECT_NEAR(ClickToLatLon(LonToX(lon), 2400).lon, lon, 1e-3);
  }
}

}  // namespace
}  // namespace zv
