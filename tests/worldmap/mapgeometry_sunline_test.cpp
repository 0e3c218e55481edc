// Places on the 10800 x 4800 twip map, clicks read back, coordinate and label
// texts, and the sun line search. Expected values are worked out by hand from
// the map's projection and from published sunrise and sunset times.
#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "data/module1.h"
#include "worldmap/mapgeometry.h"
#include "worldmap/sunline.h"

namespace zv {
namespace {

constexpr SunPass kRise = SunPass::Sunrise, kSet = SunPass::Sunset;

// x = (lon + 180) * 30; mark y = ((90 - lat) * 80 / 3) * (0.8 - 0.0022 lat) * 1.2;
// sun line y = 2400 * (1 - lat / 90) * (0.775 - 0.0047 lat). A click reads
// lon = x * 360 / 10800 - 180 (at most 180) and lat = 1.4 l (l at least -90)
// with l = m (0.775 - 0.0047 m), m = (1 - 2 y / 4800) * 90.
TEST(MapGeometryTest, PlacesClicksAndTexts) {
  const std::tuple<double, double, double, double> places[] = {
      {-90, 2700, 5748.48, 5750.4}, {-45, 4050, 3883.68, 3551.4}, {30, 6300, 1409.28, 1014.4}};
  for (const auto& [deg, x, markY, sunY] : places)
    for (const auto& [got, want] :
         {std::pair(LonToX(deg), x), {SunLineX(deg), x}, {MarkY(deg), markY}, {SunLineY(deg), sunY}})
      EXPECT_NEAR(got, want, 1e-9) << deg;
  const std::tuple<double, double, double, double> clicks[] = {
      {5400, 2400, 0, 0},    {0, 0, 44.352, -180},  {5400, 10000, -126, 0},
      {20000, 2400, 0, 180}, {10800, 2400, 0, 180}, {3090, 1200, 35.5005, -77}};
  for (const auto& [x, y, lat, lon] : clicks)
    EXPECT_LT(std::abs(ClickToLatLon(x, y).lat - lat) + std::abs(ClickToLatLon(x, y).lon - lon), 1e-9)
        << x << "," << y;
  // The last character is the hemisphere letter, whatever it is.
  // clang-format off
  const std::tuple<const char*, char, double> coordinates[] = {
      {"24.47N", 'N', 24.47}, {"33.86S", 'N', -33.86}, {"67.03E", 'E', 67.03}, {"151.2e", 'E', -151.2},
      {"5N", 'N', 5}, {"N", 'N', 0}, {"xyzE", 'E', 0}, {" 5.5 N", 'N', 5.5}, {"305", 'E', -30}};
  // clang-format on
  for (const auto& [text, letter, value] : coordinates)
    EXPECT_DOUBLE_EQ(CoordinateFromText(QString::fromLatin1(text), QLatin1Char(letter)), value) << text;
  // clang-format off
  const char* labels[][2] = {{"Chile (Easter)", "Chile"}, {"France", "France"}, {"A(b)", ""},
                             {"(Zone) X", "(Zone) X"}, {"Ab (x) (y)", "Ab"}};
  // clang-format on
  for (const auto& [name, label] : labels)
    EXPECT_EQ(LabelTextForName(QString::fromLatin1(name)), label) << name;
}

// Sunrise and sunset on 1 January 2000 at longitude 0 by NOAA's formulas (on
// the equator 5:59.6 and 18:07.0 GMT, at 40 N 7:21.8 and 16:44.9), 4 minutes
// earlier for each degree east. Where the sun stays up all day (south of 67 S)
// both are taken at local midnight, where it stays down (north of 67 N) at
// local noon: 0:03.3 and 12:03.3 GMT at longitude 0. A row's hit is its first
// point from the west within 15 minutes of the GMT time; every row below lies
// at least 2 minutes inside the window's edges, and so does the row before it.
// A dot starts a new stroke: the first hit of a pass (at 90 S), one at the
// same x as the hit before, or one jumping more than 1000 twips (33 degrees).
TEST(SunLineTest, HitRuleAndHitsWhereTheSunRisesAndSetsAtTheGmtTime) {
  const char* const times[] = {"12:00", "3:45 PM"};
  // clang-format off
  const std::tuple<int, SunPass, int, int, bool> rows[] = {
      {0, kRise, -90, -180, 1}, {0, kRise, -48, -122, 0}, {0, kRise, 40, -72, 0}, {0, kRise, 66, -26, 0},
      {0, kRise, 68, -2, 0}, {0, kRise, 90, -2, 1}, {0, kSet, -90, -180, 1}, {0, kSet, -40, 110, 0},
      {0, kSet, -6, 92, 1}, {0, kSet, 8, 86, 1}, {0, kSet, 90, -2, 1}, {1, kRise, -90, 122, 1},
      {1, kRise, -56, 170, 0}, {1, kRise, -54, -180, 1}, {1, kRise, -52, -180, 1}, {1, kRise, -48, -178, 0},
      {1, kRise, -6, -152, 1}, {1, kRise, 48, -122, 0}, {1, kRise, 90, -58, 1}, {1, kSet, -40, 54, 0},
      {1, kSet, 12, 28, 1}, {1, kSet, 34, 16, 0}};
  // clang-format on
  for (int time : {0, 1}) {
    ResetShared();
    Shared().gmtTimeText = QLatin1String(times[time]);
    std::map<std::pair<SunPass, int>, SunLineHit> hits;
    int rowCount = 0;
    SunLineState state;
    // Each row sets the GMT time anew, as a clock tick would: it changes no hit.
    const SunLineResult r = RunSunLinePasses(
        state, [&](const SunLineHit& h) { EXPECT_TRUE(hits.emplace(std::pair(h.pass, h.lat), h).second); },
        [&](int row) { return Shared().gmtTimeText = QStringLiteral("7:30 PM"), row == ++rowCount; });
    EXPECT_TRUE(r.ok && !r.cancelled);
    EXPECT_EQ(rowCount, 2 * kSunLineRows);
    EXPECT_TRUE(Shared().SunriseTime && Shared().SunsetTime);
    for (const auto& [gmt, pass, lat, lon, dot] : rows) {
      if (gmt != time) continue;
      SCOPED_TRACE(testing::Message() << times[time] << (pass == kRise ? " sunrise " : " sunset ") << lat);
      ASSERT_TRUE(hits.count({pass, lat}));
      const SunLineHit& h = hits.at({pass, lat});
      EXPECT_EQ(std::tuple(h.lon, h.dot, h.hitNumber == 1), std::tuple(lon, dot, lat == -90));
    }
  }
  // A reading (hours, then minutes as decimals) is a hit within 15 minutes of
  // the GMT time either way, with no wrap at midnight; a sunrise below 0:10 is
  // taken as 0:10, a sunset below 0:60 as 0:10, and no sunset at 23:59 is one.
  // clang-format off
  const std::tuple<SunPass, double, int, bool> limits[] = {
      {kRise, 23.55, 5, 0}, {kRise, 0.0, 5, 1}, {kRise, 6.14, 360, 1}, {kRise, 6.15, 360, 0},
      {kRise, 5.46, 360, 1}, {kRise, 5.45, 360, 0}, {kSet, 23.59, 1439, 0}, {kSet, 23.58, 1439, 1},
      {kRise, 23.59, 1439, 1}, {kSet, 0.59, 5, 1}, {kSet, 0.59, 30, 0}, {kSet, 0.6, 50, 1}};
  // clang-format on
  for (const auto& [pass, reading, gmt, hit] : limits)
    EXPECT_EQ(IsSunLineHit(pass, reading, gmt), hit) << reading << " at " << gmt;
  // A time of day is rewritten as the 24-hour clock shows it; a cancelled
  // pass stops the search; a GMT time that is no time of day fails.
  Shared().gmtTimeText = QStringLiteral("12:07 AM");
  SunLineState state;
  SunLineResult r = RunSunLinePasses(state, {}, [](int row) { return row < 5; });
  EXPECT_TRUE(r.ok && r.cancelled && state.rowCount == 5);  // the sunset pass does not start
  EXPECT_EQ(Shared().gmtTimeText, "0:07");
  EXPECT_TRUE(Shared().SunriseTime);
  for (const char* bad : {"", "abc", "25:00", "12:61"}) {
    Shared().gmtTimeText = QLatin1String(bad);
    SunLineState s;
    int calls = 0;
    r = RunSunLinePasses(
        s, [&](const SunLineHit&) { ++calls; }, [&](int) { return ++calls, true; });
    EXPECT_TRUE(!r.ok && r.failure == "13. Type mismatch" && calls + s.rowCount == 0 &&
                Shared().gmtTimeText == QLatin1String(bad))
        << bad;
    EXPECT_FALSE(RunSunLinePass(kSet, s, {}, {}).ok) << bad;
  }
}

}  // namespace
}  // namespace zv
