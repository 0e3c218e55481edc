#include "solar/suncalc.h"

#include <gtest/gtest.h>

#include "data/module1.h"
#include "solar/numberfns.h"

namespace zv {
namespace {

struct SunCase {
  double lat, lon, zone;
  const char* sunrise;
  const char* sunset;
};

class SunTableTest : public ::testing::TestWithParam<SunCase> {};

// Compared as "H:MM" texts so that a reading one minute off is plainly seen.
TEST_P(SunTableTest, ReadingsToTheMinute) {
  const SunCase& c = GetParam();
  ResetShared();
  CalcSunTimes(c.lat, c.lon, c.zone);
  ASSERT_TRUE(Shared().SunriseTime.has_value());
  ASSERT_TRUE(Shared().SunsetTime.has_value());
  EXPECT_EQ(SunTimeText(*Shared().SunriseTime).trimmed(), c.sunrise);
  EXPECT_EQ(SunTimeText(*Shared().SunsetTime).trimmed(), c.sunset);
  const SunTimes pure = ComputeSunTimes(c.lat, c.lon, c.zone);
  EXPECT_EQ(pure.sunrise, *Shared().SunriseTime);
  EXPECT_EQ(pure.sunset, *Shared().SunsetTime);
}

INSTANTIATE_TEST_SUITE_P(
    Places, SunTableTest,
    ::testing::Values(SunCase{0, 0, 0, "5:59", "18:07"}, SunCase{51.5, 0, 0, "8:05", "16:01"},
                      SunCase{40, -74, 0, "12:17", "21:41"}, SunCase{-33.9, 151.2, 0, "18:47", "9:10"},
                      SunCase{60, -180, 0, "21:02", "3:04"}, SunCase{70, 20, 0, "10:43", "10:43"},
                      SunCase{-70, 20, 0, "22:43", "22:43"}, SunCase{90, 0, 0, "12:03", "12:03"},
                      SunCase{-90, 0, 0, "0:03", "0:03"}, SunCase{21.42, 39.82, 3, "6:58", "17:49"}));

TEST(SunCalcTest, InputsAreCutToThousandthsDownward) {
  // 51.49999 acts as 51.499, -51.4999 as -51.5.
  for (double lon : {0.0, 37.3, -120.0}) {
    const SunTimes a = ComputeSunTimes(51.49999, lon, 0);
    const SunTimes b = ComputeSunTimes(51.499, lon, 0);
    EXPECT_EQ(a.sunrise, b.sunrise);
    EXPECT_EQ(a.sunset, b.sunset);
    const SunTimes c = ComputeSunTimes(-51.4999, lon, 0);
    const SunTimes d = ComputeSunTimes(-51.5, lon, 0);
    EXPECT_EQ(c.sunrise, d.sunrise);
    EXPECT_EQ(c.sunset, d.sunset);
  }
  // The longitude is cut too: -0.0001 acts as -0.001, 1.2 minutes of
  // transit away from 0 would not show, but 0.9999 vs 0.999 must agree.
  EXPECT_EQ(ComputeSunTimes(10, 0.9999, 0).sunrise, ComputeSunTimes(10, 0.999, 0).sunrise);
}

TEST(SunCalcTest, EveryGridReadingIsAClockReading) {
  for (int lat = -90; lat <= 90; lat += 2) {
    for (int lon = -180; lon <= 180; lon += 2) {
      const SunTimes t = ComputeSunTimes(lat, lon, 0);
      for (double v : {t.sunrise, t.sunset}) {
        ASSERT_GE(v, 0.0) << lat << "," << lon;
        ASSERT_LE(v, 23.59 + 1e-9) << lat << "," << lon;
        const double minutes = (v - static_cast<int>(v)) * 100;
        ASSERT_LT(minutes, 59.5) << lat << "," << lon;
      }
    }
  }
}

}  // namespace
}  // namespace zv
