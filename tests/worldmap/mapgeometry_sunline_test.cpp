// The map picture's projection and its inverse, the sun line search and the
// light of the night shade.
#include <gtest/gtest.h>

#include "data/sharedstate.h"
#include "solar/suncalc.h"
#include "worldmap/mapgeometry.h"
#include "worldmap/nightshade.h"
#include "worldmap/sunline.h"

namespace zv {
namespace {

// The projection of tools/make_worldmap.js, in pixels of the 720 x 320
// picture, 15 twips each; a point of the map read back is the same point.
TEST(MapGeometryTest, PictureProjection) {
  for (double lat = -68; lat <= 90; lat += 0.25)
    for (double lon = -180; lon <= 180; lon += 7.5) {
      const double x = (lon + 180) * 2, y = ((90 - lat) * 320 / 180) * ((0.8 - 0.0022 * lat) * 1.2);
      ASSERT_NEAR(LonToX(lon) + LatToY(lat), (x + y) * 15, 1e-9);
      const LatLon p = PointToLatLon(x * 15, y * 15);
      ASSERT_LT(std::abs(p.lat - lat) + std::abs(p.lon - lon), 1e-9) << lat << "," << lon;
    }
}

// Coordinates as the table holds them: a number and its hemisphere letter.
TEST(MapGeometryTest, CoordinateTexts) {
  const std::pair<const char*, double> rows[] = {{"5S", -5}, {"33.45N", 33.45}, {"S", 0}};
  for (const auto& [text, value] : rows) EXPECT_EQ(CoordinateFromText(text, QLatin1Char('N')), value) << text;
}

// On 21 June 2027 the sun rises at 3:43 GMT in London (51.5 N, 0.13 W) and at
// 9:25 in New York (40.7 N, 74.0 W); north of about 66 N it does not set.
TEST(SunLineTest, WhereTheSunRisesAndSetsAtTheGmtTime) {
  const QDate june(2027, 6, 21);
  const std::tuple<const char*, int, int, double> rows[] = {{"3:43", 223, 52, -0.13},
                                                            {"9:25 AM", 565, 40, -74.0}};
  for (const auto& [time, gmt, lat, lon] : rows) {
    Shared().gmtTimeText = QLatin1String(time);
    SunLineState state;
    std::map<std::pair<SunPass, int>, SunLineHit> hits;
    int rows = 0;
    const SunLineResult r = RunSunLinePasses(
        june, state,
        [&](const SunLineHit& h) {
          hits[{h.pass, h.lat}] = h;
        },
        [&](int row) { return Shared().gmtTimeText = "1:00", row == ++rows; });
    ASSERT_TRUE(r.ok && !r.cancelled && rows == 2 * kSunLineRows);
    ASSERT_TRUE(hits.count({SunPass::Sunrise, lat}));
    EXPECT_LT(std::abs(hits[{SunPass::Sunrise, lat}].lon - lon), 1.0) << time;
    for (const auto& [key, h] : hits) {
      // Every hit lies where its event falls on the time.
      const SunTimes t = ComputeSunTimes(h.lat, h.lon, june);
      const int minutes = (key.first == SunPass::Sunrise ? t.sunrise : t.sunset).Minutes();
      EXPECT_TRUE(std::abs(minutes - gmt) <= 1 && h.lat < 66) << h.lat;
    }
  }
  // A cancelled pass stops the search; a GMT time that is no time of day fails.
  Shared().gmtTimeText = QStringLiteral("12:07 AM");
  SunLineState state;
  SunLineResult r = RunSunLinePasses(june, state, {}, [](int row) { return row < 5; });
  EXPECT_TRUE(r.ok && r.cancelled && state.rowCount == 5 && Shared().gmtTimeText == "0:07");
  Shared().gmtTimeText = QStringLiteral("25:00");
  r = RunSunLinePasses(june, state, {}, {});
  EXPECT_TRUE(!r.ok && r.failure == "13. Type mismatch" && state.rowCount == 5);
}

// Light 0 to 4: day, civil, nautical and astronomical twilight, night.
// Midsummer's midnight in GMT: London in astronomical twilight (the sun 15
// degrees down), Tromso in daylight, Sydney at 10 in the morning; the equator
// at Greenwich in the night of the March equinox, Quito in its civil twilight
// at 23:35 GMT, 10 minutes after sunset.
TEST(NightShadeTest, LightOfThePlaceAtTheTime) {
  const QDateTime june(QDate(2027, 6, 21), QTime(0, 0), Qt::UTC),
      march(QDate(2027, 3, 20), QTime(0, 0), Qt::UTC);
  const std::tuple<QDateTime, double, double, int> rows[] = {{june, 51.5, 0, 3},
                                                             {june, 69.6, 19, 0},
                                                             {june, -33.9, 151.2, 0},
                                                             {march, 0, 0, 4},
                                                             {march.addSecs(1415 * 60), -0.2, -78.5, 1}};
  for (const auto& [at, lat, lon, light] : rows) {
    std::vector<std::uint32_t> shade(1440 * 640);  // the picture of twice the density
    ShadeMap(at, 1440, 640, {0, 1, 2, 3, 4}, shade.data(), 1440);
    EXPECT_EQ(shade[int(LatToY(lat) / 7.5) * 1440 + int(LonToX(lon) / 7.5)], light) << lat;
  }
}

}  // namespace
}  // namespace zv
