#pragma once
// Date values: a double count of days since midnight, 30 December 1899,
// whose fraction is the time of day. An unset date is 0.

#include <QDate>
#include <QString>
#include <optional>

namespace zv {

using DateValue = double;

DateValue DateFromYmd(int year, int month, int day);
DateValue DateFromQDate(const QDate& date);
// The calendar date of the whole days of a value.
QDate QDateFromValue(DateValue value);
// The whole days of a value (the date without its time of day).
long long WholeDays(DateValue value);
// The time of day of a value, in seconds since midnight (rounded).
int SecondsOfDay(DateValue value);
// A value from whole days and a time of day; days before the base date keep
// their time of day as a positive amount of the day, as the format expects.
DateValue CombineDateTime(long long days, int secondsOfDay);

// The text between the "#" of a date field of the country file:
// month/day/year or year-month-day, with or without a time of day after a
// space, or a time of day alone. Nothing else is a date.
std::optional<DateValue> ParseFileDate(const QString& text);

// The country file's form of a date: 3/28/2004, a time of day after a space
// when there is one (3/28/2004 6:30:00 PM), a time alone when there are no
// whole days (12:00:00 AM for 0).
QString FormatFileDate(DateValue value);

// "MMM DD": the English month abbreviation and the two-digit day (Mar 28).
QString FormatMonthDay(DateValue value);

// The same as a date box shows it in the given year: 29 February, which the
// box's text would take into that year, shows as Feb 28 when the year has no
// 29 February.
QString FormatMonthDayIn(DateValue value, int year);

// A date typed by a person: a month name or its three-letter abbreviation and
// a day (Mar 28, March 28, 28 Mar), which take the given year unless a year
// follows; month/day/year or month/day; year-month-day. Returns nothing when
// the text holds no valid date. 29 February without a year, in a year
// without one, is taken as 28 February.
std::optional<DateValue> ParsePersonDate(const QString& text, int currentYear);

}  // namespace zv
