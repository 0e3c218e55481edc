// Sunrise and sunset: the readings to the minute at places of every kind,
// the inputs cut to thousandths, and the captions and fixed-point texts,
// which keep the "." under a locale that writes decimals with a comma.

#include <gtest/gtest.h>

#include "data/module1.h"
#include "solar/numberfns.h"
#include "solar/suncalc.h"
#include "support/testsupport.h"

namespace zv {
namespace {

const bool kCommaLocale = test::RunUnderDecimalCommaLocale();

// Compared as "H:MM" texts so that a reading one minute off is plainly seen.
TEST(Sun, ReadingsToTheMinute) {
  // clang-format off
  const struct { double lat, lon, zone; const char* sunrise; const char* sunset; } rows[] = {
      {0, 0, 0, "5:59", "18:07"}, {51.5, 0, 0, "8:05", "16:01"}, {40, -74, 0, "12:17", "21:41"},
      {-33.9, 151.2, 0, "18:47", "9:10"}, {60, -180, 0, "21:02", "3:04"}, {70, 20, 0, "10:43", "10:43"},
      {-70, 20, 0, "22:43", "22:43"}, {90, 0, 0, "12:03", "12:03"}, {-90, 0, 0, "0:03", "0:03"},
      {21.42, 39.82, 3, "6:58", "17:49"},
      {-14, -171, 0, "16:58", "5:55"}};  // near Apia: just short of 16:59, so a small error shows
  // clang-format on
  for (const auto& r : rows) {
    SCOPED_TRACE(r.lat);
    ResetShared();
    CalcSunTimes(r.lat, r.lon, r.zone);
    ASSERT_TRUE(Shared().SunriseTime && Shared().SunsetTime);
    EXPECT_EQ(SunTimeText(*Shared().SunriseTime).trimmed(), r.sunrise);
    EXPECT_EQ(SunTimeText(*Shared().SunsetTime).trimmed(), r.sunset);
    EXPECT_EQ(ComputeSunTimes(r.lat, r.lon, r.zone).sunrise, *Shared().SunriseTime);
  }
  // Inputs are cut to thousandths downward: 51.49999 acts as 51.499, -51.4999 as -51.5.
  for (double lon : {0.0, 37.3, -120.0}) {
    EXPECT_EQ(ComputeSunTimes(51.49999, lon, 0).sunrise, ComputeSunTimes(51.499, lon, 0).sunrise);
    EXPECT_EQ(ComputeSunTimes(-51.4999, lon, 0).sunset, ComputeSunTimes(-51.5, lon, 0).sunset);
  }
  EXPECT_EQ(ComputeSunTimes(10, 0.9999, 0).sunrise, ComputeSunTimes(10, 0.999, 0).sunrise);
  // Every reading of a grid over the globe is a clock reading.
  for (int lat = -90; lat <= 90; lat += 2)
    for (int lon = -180; lon <= 180; lon += 2)
      for (double v : {ComputeSunTimes(lat, lon, 0).sunrise, ComputeSunTimes(lat, lon, 0).sunset})
        ASSERT_TRUE(v >= 0 && v <= 23.59 + 1e-9 && (v - static_cast<int>(v)) * 100 < 59.5)
            << lat << "," << lon;
}

TEST(Sun, CaptionsAndFixedTexts) {
  if (!test::DecimalCommaInForce()) GTEST_SKIP() << "no de_DE locale (scripts/setup.sh generates it)";
  // after: the value, rounded to the decimals shown
  // clang-format off
  const struct { double value; int width; const char* text; double after; } fixed[] = {
      {0.3, 1, " 0.30", 0.3}, {51.5, 1, "51.50", 51.5}, {5, 1, "5.00", 5}, {0, 1, "0.00", 0},
      {0.125, 1, " 0.12", 0.12}, {0.375, 1, " 0.38", 0.38}, {-3.14159, 6, "     -3.14", -3.14},
      {-0.25, 1, " -0.25", -0.25}, {-126, 1, "-126.00", -126}, {44.352, 1, "44.35", 44.35}};
  // clang-format on
  for (const auto& r : fixed) {
    double v = r.value;
    EXPECT_EQ(FormatFixed(v, r.width, 2), r.text) << r.value;
    EXPECT_DOUBLE_EQ(v, r.after);
  }
  // clang-format off
  const std::pair<QString, const char*> captions[] = {
      {SunriseCaption(6.5), "Sunrise at 6:50 GMT"}, {SunriseCaption(6.05), "Sunrise at 6:05 GMT"},
      {SunriseCaption(6), "Sunrise at 6:00 GMT"}, {SunriseCaption(0.05), "Sunrise at  0:10 GMT"},
      {SunriseCaption(0.1), "Sunrise at  0:10 GMT"}, {SunriseCaption(0.45), "Sunrise at  0:45 GMT"},
      {SunsetCaption(0.59), "Sunset at  0:10 GMT"}, {SunsetCaption(1), "Sunset at 1:00 GMT"},
      {LatitudeCaption(24.47), "Latitude 24.47"}, {LatitudeCaption(0.5), "Latitude  0.50"},
      {LongitudeCaption(0), "Longitude 0.00"}};
  // clang-format on
  for (const auto& [caption, text] : captions) EXPECT_EQ(caption, text);
  QString t = QStringLiteral("a.A.");
  EXPECT_EQ(ReplaceChar(t, 'a', QChar(0xB8)), "\u00B8.A.");
  EXPECT_EQ(t, "\u00B8.A.");  // written back
}

}  // namespace
}  // namespace zv
