#include "data/yearrule.h"

#include <QTimeZone>
#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "data/numtext.h"
#include "data/outsideworld.h"

namespace zv {

namespace {

constexpr int kSecondsPerHour = 3600;
constexpr int kFirstYear = 1, kLastYear = 9999;

struct Run {
  int first = 0;
  int last = 0;  // may lie before first for a run over the new year
};

int RunLength(const Run& r, int days) {
  return r.last >= r.first ? r.last - r.first + 1 : days - r.first + r.last + 1;
}

}  // namespace

QDateTime SampleInstant(const QDate& day) { return QDateTime(day, QTime(12, 0), QTimeZone::utc()); }

namespace {

// The zone's offset at each day's sample instant, days from jan1 on. Read
// from the zone's transitions in the year, about twenty times faster than a
// look-up for each day (start-up does this for every zone of the table). A
// few zones' transitions are cut short where the database's own list ends
// (in 2038); a check against a look-up in each month finds those, and they
// are looked up day by day.
std::vector<int> DailyOffsets(const QTimeZone& zone, const QDate& jan1, int days) {
  std::vector<int> offsets(days);
  const QDateTime first = SampleInstant(jan1);
  const QTimeZone::OffsetDataList changes =
      zone.transitions(first.addMSecs(1), SampleInstant(jan1.addDays(days - 1)));
  constexpr qint64 kMsPerDay = 86'400'000;
  int offset = zone.offsetFromUtc(first);
  qsizetype next = 0;
  for (int i = 0; i < days; ++i) {
    const qint64 at = first.toMSecsSinceEpoch() + i * kMsPerDay;
    while (next < changes.size() && changes[next].atUtc.toMSecsSinceEpoch() <= at)
      offset = changes[next++].offsetFromUtc;
    offsets[i] = offset;
  }
  constexpr int kCheckEvery = 30;
  for (int i = kCheckEvery / 2; i < days; i += kCheckEvery) {
    if (offsets[i] != zone.offsetFromUtc(SampleInstant(jan1.addDays(i)))) {
      for (int d = 0; d < days; ++d) offsets[d] = zone.offsetFromUtc(SampleInstant(jan1.addDays(d)));
      break;
    }
  }
  return offsets;
}

}  // namespace

std::optional<YearOffsets> SampleYear(const QTimeZone& zone, int year) {
  if (!zone.isValid() || year < kFirstYear || year > kLastYear) return std::nullopt;
  const QDate jan1(year, 1, 1);
  const int days = jan1.daysInYear();
  const std::vector<int> offsets = DailyOffsets(zone, jan1, days);
  YearOffsets out;
  const auto [lo, hi] = std::minmax_element(offsets.begin(), offsets.end());
  out.lowSeconds = *lo;
  out.highSeconds = *hi;
  std::vector<int> distinct = offsets;
  std::sort(distinct.begin(), distinct.end());
  out.offsetCount = static_cast<int>(std::unique(distinct.begin(), distinct.end()) - distinct.begin());
  if (out.lowSeconds == out.highSeconds) return out;

  std::vector<Run> runs;
  for (int i = 0; i < days; ++i) {
    if (offsets[i] != out.highSeconds) continue;
    int j = i;
    while (j + 1 < days && offsets[j + 1] == out.highSeconds) ++j;
    runs.push_back({i, j});
    i = j;
  }
  if (runs.size() > 1 && runs.front().first == 0 && runs.back().last == days - 1) {
    runs.back().last = runs.front().last;  // the last run goes on into the first
    runs.erase(runs.begin());
  }
  // The longest; of equal ones the earliest, as the generator chooses.
  const Run best = *std::max_element(runs.begin(), runs.end(), [days](const Run& a, const Run& b) {
    const int la = RunLength(a, days), lb = RunLength(b, days);
    return la != lb ? la < lb : a.first > b.first;
  });
  out.stretches = static_cast<int>(runs.size());
  out.firstDay = jan1.addDays(best.first);
  out.lastDay = jan1.addDays(best.last);
  for (const Run& r : runs)
    if (r.first != best.first) out.leftOut.emplace_back(jan1.addDays(r.first), jan1.addDays(r.last));
  return out;
}

QString HoursText(int seconds) {
  const double hours = std::round(static_cast<double>(seconds) / kSecondsPerHour * 100) / 100;
  return GeneralNumberText(hours == 0 ? 0.0 : hours);
}

YearColumns ColumnsFor(const YearOffsets& year) {
  YearColumns c;
  c.offset = HoursText(year.lowSeconds);
  c.dstHours = HoursText(year.DstSeconds());
  const bool used = year.DstSeconds() != 0;
  c.dstUsed = used ? QStringLiteral("1") : QStringLiteral("0");
  if (used) {
    c.start = DateFromQDate(year.firstDay.addDays(-1));
    c.end = DateFromQDate(year.lastDay.addDays(1));
  }
  return c;
}

std::optional<YearColumns> ComputeYearColumns(const QTimeZone& zone, int year) {
  const auto sampled = SampleYear(zone, year);
  if (!sampled) return std::nullopt;
  return ColumnsFor(*sampled);
}

std::optional<YearColumns> DatabaseYearColumns(const QByteArray& zoneId, int year) {
  const QTimeZone zone = LookupZone(zoneId);
  if (!zone.isValid()) return std::nullopt;
  static std::map<std::pair<QByteArray, int>, std::optional<YearColumns>> known;
  const auto key = std::pair(zoneId, year);
  const auto found = known.find(key);
  if (found != known.end()) return found->second;
  return known[key] = ComputeYearColumns(zone, year);
}

}  // namespace zv
