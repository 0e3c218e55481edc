#pragma once
// A year's daylight-saving columns of the country table for a time zone,
// from the computer's tz database through QTimeZone, by the same method as
// the generator of the shipped file (tools/make_countries.py): the offset at
// 12:00 GMT of every day; the lowest is the normal offset, the highest minus
// the lowest the daylight-saving amount; the start date is the day before the
// first day of the longest stretch at the highest offset, the end date the
// day after its last, so that the clock's rule (strictly between the dates)
// counts every day of the stretch, change days included.

#include <QDate>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

#include "data/datevalue.h"

class QTimeZone;

namespace zv {

// The offsets of one zone over one year, as sampled.
struct YearOffsets {
  int lowSeconds = 0;   // the normal offset
  int highSeconds = 0;  // equal to lowSeconds when the year has no daylight saving
  int offsetCount = 1;  // distinct offsets seen (more than two: a zone that changed its normal time)
  // The longest stretch at the highest offset; its first day lies after its
  // last when it runs over the new year. Invalid dates without daylight saving.
  QDate firstDay, lastDay;
  int stretches = 0;  // stretches at the highest offset, one running over the new year counted once
  // The first and last days of the other stretches at the highest offset,
  // which one pair of dates leaves out.
  std::vector<std::pair<QDate, QDate>> leftOut;
  int DstSeconds() const { return highSeconds - lowSeconds; }
};

// The instant of a day at which its offset is taken: 12:00 GMT.
QDateTime SampleInstant(const QDate& day);

// Nothing when the zone is not valid or the year is out of range (1 to 9999).
[[nodiscard]] std::optional<YearOffsets> SampleYear(const QTimeZone& zone, int year);

// Columns 2, 3 and 4 and the two dates of an entry for a year.
struct YearColumns {
  QString offset;    // column 2, decimal hours (5.5, -3.5, 0)
  QString dstHours;  // column 3
  QString dstUsed;   // column 4, "1" or "0"
  DateValue start = 0;
  DateValue end = 0;
  bool operator==(const YearColumns&) const = default;
};

YearColumns ColumnsFor(const YearOffsets& year);
[[nodiscard]] std::optional<YearColumns> ComputeYearColumns(const QTimeZone& zone, int year);

// The columns of a zone by its id for a year, kept once worked out: the
// clock asks for them at every calculation. Nothing when the computer's
// database lacks the zone (LookupZone) or the year is out of range.
[[nodiscard]] std::optional<YearColumns> DatabaseYearColumns(const QByteArray& zoneId, int year);

// Hours as the table writes them: rounded to two decimals, general form.
QString HoursText(int seconds);

}  // namespace zv
