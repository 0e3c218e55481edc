#pragma once
// Small text functions that the windows use to turn numbers into captions.

#include <QChar>
#include <QString>

namespace zv {

// The value with a fixed count of decimals, blank-filled on the left to a
// minimum width of the integer part (one more blank for a value whose whole
// part is 0). The caller's value is rounded to that count of decimals, ties
// to the even last digit.
QString FormatFixed(double& value, int width, int decimals);

// Replaces every occurrence of find in text by replacement; text holds the
// result afterwards, which is also returned.
QString ReplaceChar(QString& text, QChar find, QChar replacement);

// "H:MM" of a coded clock reading (6.05 gives 6:05, 0.1 gives " 0:10").
QString SunTimeText(double reading);

// Lower limits of the readings shown and compared: a sunrise below 0.1 is
// taken as 0.1; a sunset below 0.6 is taken as 0.1.
double LimitSunrise(double reading);
double LimitSunset(double reading);

// Captions of the world map window's four information labels.
QString LatitudeCaption(double latitude);
QString LongitudeCaption(double longitude);
QString SunriseCaption(double sunriseReading);  // applies the lower limit
QString SunsetCaption(double sunsetReading);    // applies the lower limit

}  // namespace zv
