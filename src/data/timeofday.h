#pragma once
// Times of day: reading them from text and writing them in the forms that the
// windows and files use.

#include <QString>
#include <optional>

namespace zv {

constexpr int kMinutesPerDay = 24 * 60;
constexpr int kSecondsPerDay = 24 * 60 * 60;

// Reads a time of day: hours and minutes with optional seconds, separated by
// ":", followed by an optional AM or PM in any letter case; without AM or PM
// the hour runs from 0 to 23, with it from 0 to 12 (12 AM is midnight).
// Surrounding spaces are ignored. Returns the seconds since midnight.
std::optional<int> ParseTimeOfDay(const QString& text);

// "h:mm AM": hour 1 to 12 without a leading zero, two-digit minutes, a space,
// AM or PM. Takes minutes since midnight (any whole number; wraps to a day).
QString FormatTimeForm(int minutesOfDay);

// "H:MM": hour 0 to 23 without a leading zero, two-digit minutes.
QString Format24(int minutesOfDay);

// "h:mm:ss AM", the time form of dates written to the country file.
QString FormatTimeWithSeconds(int secondsOfDay);

// Wraps a count of minutes into 0 .. 1439.
int WrapMinutes(long long minutes);

// A time of day moved by a number of minutes that is first taken to the
// nearest whole number (a half to the even neighbour); wraps at midnight.
int AddMinutes(int minutesOfDay, double minutes);

}  // namespace zv
