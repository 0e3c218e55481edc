#pragma once
// Times of sunrise and sunset for one fixed calendar date, 1 January 2000.

namespace zv {

// Sun event times as coded clock readings: the integer part is the hour,
// the first two decimals are the minutes (6.05 is 06:05).
struct SunTimes {
  double sunrise = 0;
  double sunset = 0;
};

// The calculation itself: latitude north positive, longitude east positive,
// both in degrees; zone in hours east of Greenwich. Depends on nothing but
// its arguments.
SunTimes ComputeSunTimes(double latitude, double longitude, double zone);

// Computes the sun times and leaves them in Shared().SunriseTime and
// Shared().SunsetTime, where the world map window reads them.
void CalcSunTimes(double latitude, double longitude, double zone);

}  // namespace zv
