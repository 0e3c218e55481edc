#include "solar/suncalc.h"

#include <cmath>
#include <numbers>

namespace zv {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

double Reduce360(double degrees) { return degrees - 360.0 * std::floor(degrees / 360.0); }

}  // namespace

double JulianDay(QDate date) {
  double y = date.year(), m = date.month();
  if (m <= 2) {
    y -= 1;
    m += 12;
  }
  const double a = std::floor(y / 100.0);
  const double b = 2.0 - a + std::floor(a / 4.0);
  return std::floor(365.25 * y) + std::floor(30.6001 * (m + 1)) + date.day() + 1720994.5 + b;
}

// The low-precision solar coordinates with the 1900 epoch published by
// Meeus, and Smart's series for the equation of time: within a few seconds
// of time over this century, well inside a minute.
SunPosition SunPositionAt(double jd) {
  const double t = (jd - 2415020.0) / 36525.0;
  const double t2 = t * t, t3 = t2 * t;
  const double r = kRadiansPerDegree;

  const double m = Reduce360(358.47583 + 35999.04975 * t - 0.000150 * t2 - 0.0000033 * t3) * r;
  const double l0 = Reduce360(279.69668 + 36000.76892 * t + 0.0003025 * t2) * r;
  const double c = ((1.91946 - 0.004789 * t - 0.000014 * t2) * std::sin(m) +
                    (0.020094 - 0.0001 * t) * std::sin(2 * m) + 0.000293 * std::sin(3 * m)) *
                   r;
  const double omega = Reduce360(259.183275 - 1934.142 * t + 0.002078 * t2 + 0.0000022 * t3) * r;
  const double epsilon = (23.452294 - 0.0130125 * t - 0.00000164 * t2 + 0.000000503 * t3) * r;
  const double epsilonApparent = epsilon + 0.00256 * std::cos(omega) * r;
  const double lambda = l0 + c - (0.00569 + 0.00479 * std::sin(omega)) * r;
  const double e = 0.01675104 - 0.0000418 * t - 0.000000126 * t2;

  const double ty = std::tan(epsilon / 2);
  const double y = ty * ty;
  const double eot = y * std::sin(2 * l0) - 2 * e * std::sin(m) + 4 * e * y * std::sin(m) * std::cos(2 * l0) -
                     0.5 * y * y * std::sin(4 * l0) - 1.25 * e * e * std::sin(2 * m);
  return {std::asin(std::sin(lambda) * std::sin(epsilonApparent)), eot / r / 15.0};
}

SunPosition SunPositionAt(const QDateTime& instant) {
  const QDateTime utc = instant.toUTC();
  return SunPositionAt(JulianDay(utc.date()) + utc.time().msecsSinceStartOfDay() / 86400000.0);
}

double HourAngle(const SunPosition& sun, double longitude, double gmtHours) {
  return (gmtHours - 12.0 + sun.equationOfTimeHours) * 15.0 * kRadiansPerDegree +
         longitude * kRadiansPerDegree;
}

int SunEvent::Minutes() const { return static_cast<int>(std::lround(hours * 60.0)) % 1440; }

namespace {

// One event (sign -1 for the sunrise, +1 for the sunset): first from where
// the Sun stands at local noon, then again from where it stands at the time
// found, until the time holds.
SunEvent SolveEvent(double sinLat, double cosLat, double longitude, double jd0, double sign) {
  const double sinEvent = std::sin(kSunEventAltitudeDegrees * kRadiansPerDegree);
  double t = 12.0 - longitude / 15.0;
  for (int i = 0; i < 4; ++i) {
    const SunPosition sun = SunPositionAt(jd0 + t / 24.0);
    const double noon = 12.0 - longitude / 15.0 - sun.equationOfTimeHours;
    const double c = (sinEvent - sinLat * std::sin(sun.declination)) / (cosLat * std::cos(sun.declination));
    if (c >= 1) return {SunEvent::Kind::DownAllDay, 0};
    if (c <= -1) return {SunEvent::Kind::UpAllDay, 0};
    t = noon + sign * std::acos(c) / kRadiansPerDegree / 15.0;
  }
  const double day = std::floor(t / 24.0);
  return {SunEvent::Kind::Occurs, t - 24.0 * day, static_cast<int>(day)};
}

}  // namespace

SunTimes ComputeSunTimes(double latitude, double longitude, QDate gmtDate) {
  const double phi = latitude * kRadiansPerDegree;
  const double jd0 = JulianDay(gmtDate);
  return {SolveEvent(std::sin(phi), std::cos(phi), longitude, jd0, -1),
          SolveEvent(std::sin(phi), std::cos(phi), longitude, jd0, +1)};
}

}  // namespace zv
