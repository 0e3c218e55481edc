#pragma once
// Where the Sun stands at an instant, and the times of sunrise and sunset at a
// point on the Earth for one calendar day, in GMT.

#include <QDate>
#include <QDateTime>

namespace zv {

// The Sun's declination and the equation of time at an instant: together
// with the time of day they give the Sun's place in the sky from any point.
struct SunPosition {
  double declination = 0;          // radians, north positive
  double equationOfTimeHours = 0;  // apparent minus mean solar time
};

// The Julian day of 0 h GMT on a Gregorian calendar date.
double JulianDay(QDate date);
// The position at Julian day jd (a fraction of a day for the time of day).
SunPosition SunPositionAt(double jd);
SunPosition SunPositionAt(const QDateTime& instant);

// The Sun's hour angle at a longitude (degrees east) at a time of day in
// hours GMT, in radians: 0 when the Sun crosses the meridian there.
double HourAngle(const SunPosition& sun, double longitude, double gmtHours);

// The altitude of the Sun's centre at rising and setting, in degrees: the
// upper limb on the horizon, with the refraction there (as almanacs use it).
inline constexpr double kSunEventAltitudeDegrees = -0.8333;

// A sunrise or a sunset: its time in hours GMT (0 <= hours < 24), or none
// when the Sun stays above or below the horizon the whole day.
struct SunEvent {
  enum class Kind { Occurs, UpAllDay, DownAllDay };
  Kind kind = Kind::Occurs;
  double hours = 0;
  int dayOffset = 0;  // -1 or 1 when it falls on the GMT date before or after
  bool occurs() const { return kind == Kind::Occurs; }
  // Minutes after midnight GMT, rounded to the nearest minute (0..1439).
  int Minutes() const;
};

struct SunTimes {
  SunEvent sunrise;
  SunEvent sunset;
};

// The sunrise and the sunset of the solar day whose noon at this longitude
// falls on the GMT date: latitude north positive, longitude east positive,
// both in degrees. Each event is worked out from where the Sun stands at
// that event, so the times hold to the minute at any date and latitude.
SunTimes ComputeSunTimes(double latitude, double longitude, QDate gmtDate);

}  // namespace zv
