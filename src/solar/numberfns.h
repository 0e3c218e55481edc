#pragma once
// Small text functions that the windows use to turn numbers into captions.

#include <QChar>
#include <QDate>
#include <QString>

#include "solar/suncalc.h"

namespace zv {

// The value with a fixed count of decimals, blank-filled on the left to a
// minimum width of the integer part (one more blank for a value whose whole
// part is 0). The caller's value is rounded to that count of decimals, ties
// to the even last digit.
QString FormatFixed(double& value, int width, int decimals);

// Replaces every occurrence of find in text by replacement; text holds the
// result afterwards, which is also returned.
QString ReplaceChar(QString& text, QChar find, QChar replacement);

// "H:MM" of a time in minutes after midnight: 6:05, 18:47, 0:55.
QString SunTimeText(int minutes);

// Captions of the world map window's four information labels.
QString LatitudeCaption(double latitude);
QString LongitudeCaption(double longitude);
// "Sunrise at 6:05 GMT", or where the sun does not rise that day "No sunrise
// (up all day)" or "No sunrise (down all day)"; the same for sunset.
QString SunriseCaption(const SunEvent& sunrise);
QString SunsetCaption(const SunEvent& sunset);
// The GMT date of the sun times shown: "Sun times for 7 Dec 2026 GMT", the
// month's name in English whatever the locale.
QString SunDateCaption(QDate date);

}  // namespace zv
