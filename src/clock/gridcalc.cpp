#include "clock/gridcalc.h"

#include <cmath>

#include "data/dstupdate.h"
#include "data/numtext.h"
#include "data/outsideworld.h"
#include "data/timeofday.h"
#include "data/yearrule.h"
#include "data/zonenames.h"

namespace zv {

bool DstInForce(const CountryTable& table, int n, const QDate& today) {
  if (NumberInText(table.at(n, kColDstHours)) == 0) return false;
  if (NumberInText(table.at(n, kColDstUsed)) != 1) return false;
  const long long t = WholeDays(DateFromQDate(today));
  const long long start = WholeDays(table.dstStart[n]);
  const long long end = WholeDays(table.dstEnd[n]);
  if (end > start) return start < t && t < end;
  if (end < start) return t > start || t < end;
  return false;
}

bool DstInForceAt(const CountryTable& table, int n, const QDateTime& gmt) {
  if (NumberInText(table.at(n, kColDstHours)) == 0) return false;
  if (NumberInText(table.at(n, kColDstUsed)) != 1) return false;
  const int normalMinutes = RoundHalfEven(NumberInText(table.at(n, kColOffset)) * 60);
  const QByteArray zoneId = ZoneIdForMapName(table.at(n, kColMapName));
  const int year = gmt.date().year();
  if (!zoneId.isEmpty()) {
    if (const auto columns = DatabaseYearColumns(zoneId, year); columns && *columns == ColumnsOf(table, n))
      return LookupZone(zoneId).offsetFromUtc(gmt) / 60 > normalMinutes;
  }
  return DstInForce(table, n, gmt.addSecs(normalMinutes * 60LL).date());
}

int GmtMinutes(const QString& gmtText) {
  const auto s = ParseTimeOfDay(gmtText);
  return s ? *s / 60 : 0;
}

GridResult CalculateGrid(const GridInputs& in) {
  GridResult r;
  // GMT = local time - offset - daylight-saving hours, carried in seconds so
  // that a local time with seconds keeps them until it is written. The
  // moment shown is the user's date at that GMT second, the day before or
  // after when the shift crosses midnight; without a local time, the user's
  // date at the GMT time kept.
  r.gmtText = in.previousGmt;
  long long gmtSecs = 0;  // from the start of the user's date, GMT
  if (const auto local = ParseTimeOfDay(in.localTime)) {
    const double shift = -60.0 * NumberInText(in.offset) - 60.0 * NumberInText(in.dstHours);
    gmtSecs = *local + static_cast<long long>(RoundHalfEven(shift)) * 60;
    const long long secs = (gmtSecs % kSecondsPerDay + kSecondsPerDay) % kSecondsPerDay;
    r.gmtText = FormatTimeForm(static_cast<int>(secs / 60));
  } else {
    gmtSecs = GmtMinutes(r.gmtText) * 60LL;
  }
  gmtSecs += in.shiftMinutes * 60LL;
  const QDateTime moment = QDateTime(in.today, QTime(0, 0), QTimeZone::utc()).addSecs(gmtSecs);
  // Whole minutes from the start of the user's date, rounded down.
  const long long gmtMinutes = (gmtSecs - ((gmtSecs % 60 + 60) % 60)) / 60;

  for (int row = 1; row <= kGridRows; ++row) r.nameColour[row] = in.nameColour;
  const int last = std::min(in.entryCount, kGridRows);
  for (int n = 1; n <= last; ++n) {
    long long local = gmtMinutes + RoundHalfEven(60.0 * NumberInText(in.table->at(n, kColOffset)));
    r.nameColourSet[n] = true;
    if (DstInForceAt(*in.table, n, moment)) {
      local += RoundHalfEven(60.0 * NumberInText(in.table->at(n, kColDstHours)));
      r.nameColour[n] = in.dstColour;
      r.dst[n] = true;
      ++r.dstCount;
    }
    const int t = WrapMinutes(local);
    r.dayOffset[n] = static_cast<int>((local - t) / kMinutesPerDay);
    r.timeText[n] = in.twentyFourHour ? Format24(t) : FormatTimeForm(t);
    if (t < 12 * 60) {
      r.timeColour[n] = in.amColour;
      ++r.amCount;
    } else {
      r.timeColour[n] = in.pmColour;
      ++r.pmCount;
    }
  }
  r.timeText[kRowDstLegend] = QString::number(r.dstCount);
  r.timeText[kRowAmLegend] = QString::number(r.amCount);
  r.timeText[kRowPmLegend] = QString::number(r.pmCount);
  for (int v : in.highlights) {
    if (v >= 1 && v <= kGridRows) {
      r.nameColour[v] = in.highlightColour;
      r.nameColourSet[v] = true;
    }
  }
  return r;
}

}  // namespace zv
