#include "worldmap/nightshade.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "solar/suncalc.h"
#include "solar/vectorstate.h"
#include "worldmap/mapgeometry.h"

namespace zv {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

// Sines of the Sun's altitude where day, civil, nautical and astronomical
// twilight end, in that order.
struct Limits {
  std::array<double, kSkyLights - 1> sines;
  Limits() {
    const double degrees[] = {kSunEventAltitudeDegrees, -6.0, -12.0, -18.0};
    for (int i = 0; i < kSkyLights - 1; ++i) sines[i] = std::sin(degrees[i] * kRadiansPerDegree);
  }
};

const Limits& TwilightLimits() {
  static const Limits limits;
  return limits;
}

double GmtHours(const QDateTime& instant) {
  return instant.toUTC().time().msecsSinceStartOfDay() / 3600000.0;
}

}  // namespace

void ShadeMap(const QDateTime& instant, int width, int height,
              const std::array<std::uint32_t, kSkyLights>& colours, std::uint32_t* pixels,
              std::ptrdiff_t stride) {
  ClearUpperVectorState();
  // sin(altitude) = sin(lat) sin(dec) + cos(lat) cos(dec) cos(hour angle):
  // one term per row, one factor per column.
  const SunPosition sun = SunPositionAt(instant);
  const double gmtHours = GmtHours(instant);
  std::vector<float> cosHourAngle(width);
  for (int x = 0; x < width; ++x) {
    const double lon = PointToLatLon((x + 0.5) * kMapW / width, 0).lon;
    cosHourAngle[x] = static_cast<float>(std::cos(HourAngle(sun, lon, gmtHours)));
  }
  const double sinDec = std::sin(sun.declination), cosDec = std::cos(sun.declination);
  const auto& limits = TwilightLimits().sines;
  for (int y = 0; y < height; ++y) {
    const double phi = PointToLatLon(0, (y + 0.5) * kMapH / height).lat * kRadiansPerDegree;
    const double a = std::sin(phi) * sinDec, b = std::cos(phi) * cosDec;
    // The limits moved to the column factor: below limit i is cos(hour
    // angle) < (limit - a) / b, compared in single precision so that the
    // loop runs on several pixels at once.
    std::array<float, kSkyLights - 1> k;
    for (int i = 0; i < kSkyLights - 1; ++i) k[i] = static_cast<float>((limits[i] - a) / b);
    std::uint32_t* row = pixels + y * stride;
    const float* c = cosHourAngle.data();
    for (int x = 0; x < width; ++x) {
      std::uint32_t colour = colours[0];
      colour = c[x] < k[0] ? colours[1] : colour;
      colour = c[x] < k[1] ? colours[2] : colour;
      colour = c[x] < k[2] ? colours[3] : colour;
      colour = c[x] < k[3] ? colours[4] : colour;
      row[x] = colour;
    }
  }
}

}  // namespace zv
