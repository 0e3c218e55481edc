#include "data/datevalue.h"

#include <QStringList>
#include <cmath>

#include "data/timeofday.h"

namespace zv {

namespace {

const QDate kBase(1899, 12, 30);

const char* const kMonths[12] = {"January", "February", "March",     "April",   "May",      "June",
                                 "July",    "August",   "September", "October", "November", "December"};

constexpr int kFebruary = 2;
constexpr int kLeapDay = 29;

std::optional<DateValue> CheckedDate(int year, int month, int day) {
  if (year < 100 || year > 9999 || !QDate::isValid(year, month, day)) return std::nullopt;
  return DateFromYmd(year, month, day);
}

// A month and day that take the current year: 29 February becomes 28
// February in a year without it, so that a date read from the file (and
// shown as such) can always be committed in the current year.
std::optional<DateValue> InCurrentYear(int year, int month, int day) {
  if (month == kFebruary && day == kLeapDay && !QDate::isLeapYear(year)) day = kLeapDay - 1;
  return CheckedDate(year, month, day);
}

// Month number from a name or its three-letter abbreviation, 0 when none.
int MonthFromName(const QString& word) {
  if (word.size() < 3) return 0;
  for (int m = 0; m < 12; ++m) {
    const QString full = QString::fromLatin1(kMonths[m]);
    if (word.compare(full, Qt::CaseInsensitive) == 0 || word.compare(full.left(3), Qt::CaseInsensitive) == 0)
      return m + 1;
  }
  return 0;
}

bool AllDigits(const QString& s) {
  if (s.isEmpty() || s.size() > 4) return false;
  for (QChar c : s)
    if (c < u'0' || c > u'9') return false;
  return true;
}

// month/day/year (four-digit year), or year-month-day.
std::optional<DateValue> ParseNumericDate(const QString& s, bool allowNoYear, int currentYear) {
  if (s.contains(u'/')) {
    const QStringList p = s.split(u'/');
    if (p.size() < 2 || p.size() > 3) return std::nullopt;
    for (const QString& x : p)
      if (!AllDigits(x)) return std::nullopt;
    if (p.size() == 2) {
      if (!allowNoYear) return std::nullopt;
      return InCurrentYear(currentYear, p[0].toInt(), p[1].toInt());
    }
    if (p[2].size() != 4) return std::nullopt;
    return CheckedDate(p[2].toInt(), p[0].toInt(), p[1].toInt());
  }
  const QStringList p = s.split(u'-');
  if (p.size() != 3 || p[0].size() != 4) return std::nullopt;
  for (const QString& x : p)
    if (!AllDigits(x)) return std::nullopt;
  return CheckedDate(p[0].toInt(), p[1].toInt(), p[2].toInt());
}

}  // namespace

DateValue DateFromYmd(int year, int month, int day) {
  return static_cast<DateValue>(kBase.daysTo(QDate(year, month, day)));
}

DateValue DateFromQDate(const QDate& date) { return static_cast<DateValue>(kBase.daysTo(date)); }

long long WholeDays(DateValue value) {
  if (!std::isfinite(value)) return 0;
  // Before the base date the fraction counts away from zero: -1.25 is the day
  // -1 at 6:00 AM.
  return static_cast<long long>(std::trunc(value));
}

QDate QDateFromValue(DateValue value) { return kBase.addDays(WholeDays(value)); }

int SecondsOfDay(DateValue value) {
  if (!std::isfinite(value)) return 0;
  const double frac = std::fabs(value - std::trunc(value));
  int s = static_cast<int>(std::lround(frac * kSecondsPerDay));
  return s >= kSecondsPerDay ? kSecondsPerDay - 1 : s;
}

DateValue CombineDateTime(long long days, int secondsOfDay) {
  const double frac = static_cast<double>(secondsOfDay) / kSecondsPerDay;
  return days < 0 ? static_cast<double>(days) - frac : static_cast<double>(days) + frac;
}

std::optional<DateValue> ParseFileDate(const QString& raw) {
  const QString text = raw.trimmed();
  if (text.isEmpty()) return std::nullopt;
  const qsizetype space = text.indexOf(u' ');
  const QString first = space < 0 ? text : text.left(space);
  if (first.contains(u':')) {  // a time of day alone
    const auto t = ParseTimeOfDay(text);
    if (!t) return std::nullopt;
    return CombineDateTime(0, *t);
  }
  const auto date = ParseNumericDate(first, false, 0);
  if (!date) return std::nullopt;
  if (space < 0) return date;
  const auto t = ParseTimeOfDay(text.mid(space + 1));
  if (!t) return std::nullopt;
  return CombineDateTime(static_cast<long long>(*date), *t);
}

QString FormatFileDate(DateValue value) {
  const long long days = WholeDays(value);
  const int secs = SecondsOfDay(value);
  if (days == 0) return FormatTimeWithSeconds(secs);
  const QDate d = kBase.addDays(days);
  QString s = QStringLiteral("%1/%2/%3").arg(d.month()).arg(d.day()).arg(d.year(), 4, 10, QChar(u'0'));
  if (secs != 0) s += u' ' + FormatTimeWithSeconds(secs);
  return s;
}

QString FormatMonthDay(DateValue value) {
  const QDate d = QDateFromValue(value);
  if (!d.isValid()) return QString();
  return QStringLiteral("%1 %2")
      .arg(QString::fromLatin1(kMonths[d.month() - 1]).left(3))
      .arg(d.day(), 2, 10, QLatin1Char('0'));
}

QString FormatMonthDayIn(DateValue value, int year) {
  const QDate d = QDateFromValue(value);
  if (d.isValid() && d.month() == kFebruary && d.day() == kLeapDay && !QDate::isLeapYear(year))
    return FormatMonthDay(DateFromYmd(d.year(), kFebruary, kLeapDay - 1));
  return FormatMonthDay(value);
}

std::optional<DateValue> ParsePersonDate(const QString& raw, int currentYear) {
  const QString text = raw.simplified();
  if (text.isEmpty()) return std::nullopt;
  const QStringList words = text.split(u' ');
  if (words.size() == 1) return ParseNumericDate(words[0], true, currentYear);
  if (words.size() > 3) return std::nullopt;
  // Month name and day, or day and month name, with an optional year.
  int month = MonthFromName(words[0]);
  QString dayText = words[1];
  if (!month) {
    month = MonthFromName(words[1]);
    dayText = words[0];
  }
  if (!month || !AllDigits(dayText) || dayText.size() > 2) return std::nullopt;
  if (words.size() == 3) {
    if (!AllDigits(words[2]) || words[2].size() != 4) return std::nullopt;
    return CheckedDate(words[2].toInt(), month, dayText.toInt());
  }
  return InCurrentYear(currentYear, month, dayText.toInt());
}

}  // namespace zv
