#include "solar/suncalc.h"

#include <cmath>

#include "data/module1.h"

namespace zv {
namespace {

constexpr double kPi = 3.1415926535;  // the value the readings are fitted to
constexpr double kRho = 180.0 / kPi;  // degrees per radian
constexpr double kElevationMetres = 5.0;
constexpr double kEarthRadiusMetres = 6378160.0;
constexpr double kEventAltitudeDegrees = 0.83311;  // refraction + semidiameter
constexpr double kClampMargin = 0.000001;
constexpr double kMinuteIncrement = 0.0066;

double Reduce360(double degrees) { return degrees - 360.0 * std::floor(degrees / 360.0); }

double JulianDay(int year, int month, int day) {
  double y = year, m = month;
  if (month <= 2) {
    y -= 1;
    m += 12;
  }
  const double a = std::floor(y / 100.0);
  const double b = 2.0 - a + std::floor(a / 4.0);
  return std::floor(365.25 * y) + std::floor(30.6001 * (m + 1)) + day + 1720994.5 + b;
}

// The parts of the calculation that depend only on the date. The date is
// fixed, so they are worked out once, by the same arithmetic as always.
struct DateTerms {
  double sinDelta = 0, cosDelta = 0;  // the Sun's declination
  double equationOfTimeHours = 0;
  double s0 = 0;  // sine of the Sun's altitude at rising and setting
};

DateTerms ComputeDateTerms(int year, int month, int day) {
  const double jd = JulianDay(year, month, day);
  const double t = (jd - 2415020.0) / 36525.0;
  const double t2 = t * t, t3 = t2 * t;

  const double m = Reduce360(358.47583 + 35999.04975 * t - 0.000150 * t2 - 0.0000033 * t3) / kRho;
  const double l0 = Reduce360(279.69668 + 36000.76892 * t + 0.0003025 * t2) / kRho;
  const double c = ((1.91946 - 0.004789 * t - 0.000014 * t2) * std::sin(m) +
                    (0.020094 - 0.0001 * t) * std::sin(2 * m) + 0.000293 * std::sin(3 * m)) /
                   kRho;
  const double omega = Reduce360(259.183275 - 1934.142 * t + 0.002078 * t2 + 0.0000022 * t3) / kRho;
  const double theta = l0 + c;
  const double epsilon = (23.452294 - 0.0130125 * t - 0.00000164 * t2 + 0.000000503 * t3) / kRho;
  const double epsilonApparent = epsilon + 0.00256 * std::cos(omega) / kRho;
  const double lambda = theta - 0.00569 / kRho - 0.00479 * std::sin(omega) / kRho;
  const double s = std::sin(lambda) * std::sin(epsilonApparent);
  const double delta = std::atan(s / std::sqrt(1 - s * s));
  const double e = 0.01675104 - 0.0000418 * t - 0.000000126 * t2;

  const double ty = std::tan(epsilon / 2);
  const double y = ty * ty;
  const double eot = y * std::sin(2 * l0) - 2 * e * std::sin(m) + 4 * e * y * std::sin(m) * std::cos(2 * l0) -
                     0.5 * y * y * std::sin(4 * l0) - 1.25 * e * e * std::sin(2 * m);

  DateTerms terms;
  terms.sinDelta = std::sin(delta);
  terms.cosDelta = std::cos(delta);
  terms.equationOfTimeHours = eot * kRho / 15.0;
  const double dip = std::sqrt(2 * kElevationMetres / kEarthRadiusMetres);
  terms.s0 = -std::sin(kEventAltitudeDegrees / kRho) - dip;
  return terms;
}

const DateTerms& FixedDateTerms() {
  static const DateTerms terms = ComputeDateTerms(2000, 1, 1);
  return terms;
}

double CutToThousandths(double x) { return std::floor(x * 1000.0) / 1000.0; }

// A time in hours as a coded clock reading, whole minutes.
double CodeReading(double t) {
  if (t <= 0.01) t += 24;
  t += kMinuteIncrement;
  const double h = std::floor(t);
  const double mm = std::floor((t - h) * 60.0);
  double v = h + mm / 100.0;
  if (v > 23.59) v -= 24;
  return v;
}

}  // namespace

SunTimes ComputeSunTimes(double latitude, double longitude, double zone) {
  const DateTerms& d = FixedDateTerms();
  const double lat = CutToThousandths(latitude) / kRho;
  const double lon = CutToThousandths(longitude);

  const double transit = 12.0 + zone - lon / 15.0 - d.equationOfTimeHours;
  double c = (d.s0 - std::sin(lat) * d.sinDelta) / (std::cos(lat) * d.cosDelta);
  if (c >= 1) {
    c = 1 - kClampMargin;
  } else if (c <= -1) {
    c = -1 + kClampMargin;
  }
  const double h0 = (kPi / 2 - std::atan(c / std::sqrt(1 - c * c))) * kRho / 15.0;
  return {CodeReading(transit - h0), CodeReading(transit + h0)};
}

void CalcSunTimes(double latitude, double longitude, double zone) {
  const SunTimes times = ComputeSunTimes(latitude, longitude, zone);
  Shared().SunriseTime = times.sunrise;
  Shared().SunsetTime = times.sunset;
}

}  // namespace zv
