#include "data/timeofday.h"

#include "data/numtext.h"

namespace zv {

namespace {

struct Cursor {
  const QString& s;
  qsizetype i = 0;
  void SkipSpaces() {
    while (i < s.size() && (s[i] == u' ' || s[i] == u'\t')) ++i;
  }
  // One to two digits; -1 when there is none.
  int Digits(int maxDigits) {
    int v = 0, n = 0;
    while (n < maxDigits && i < s.size() && s[i] >= u'0' && s[i] <= u'9') {
      v = v * 10 + (s[i].unicode() - u'0');
      ++i, ++n;
    }
    return n ? v : -1;
  }
  bool Take(char16_t c) {
    if (i < s.size() && s[i] == c) {
      ++i;
      return true;
    }
    return false;
  }
};

}  // namespace

std::optional<int> ParseTimeOfDay(const QString& text) {
  Cursor c{text};
  c.SkipSpaces();
  const int h = c.Digits(2);
  if (h < 0 || !c.Take(u':')) return std::nullopt;
  const int m = c.Digits(2);
  if (m < 0 || m > 59) return std::nullopt;
  int sec = 0;
  if (c.Take(u':')) {
    sec = c.Digits(2);
    if (sec < 0 || sec > 59) return std::nullopt;
  }
  c.SkipSpaces();
  int hour = h;
  if (c.i < text.size()) {
    const QString rest = text.mid(c.i).trimmed().toUpper();
    if (rest == u"AM") {
      if (h > 12) return std::nullopt;
      hour = h == 12 ? 0 : h;
    } else if (rest == u"PM") {
      if (h > 12) return std::nullopt;
      hour = h == 12 ? 12 : h + 12;
    } else {
      return std::nullopt;
    }
  } else if (h > 23) {
    return std::nullopt;
  }
  return hour * 3600 + m * 60 + sec;
}

int WrapMinutes(long long minutes) {
  long long m = minutes % kMinutesPerDay;
  if (m < 0) m += kMinutesPerDay;
  return static_cast<int>(m);
}

QString FormatTimeForm(int minutesOfDay) {
  const int m = WrapMinutes(minutesOfDay);
  const int h24 = m / 60;
  int h12 = h24 % 12;
  if (h12 == 0) h12 = 12;
  return QStringLiteral("%1:%2 %3")
      .arg(h12)
      .arg(m % 60, 2, 10, QLatin1Char('0'))
      .arg(h24 < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

QString Format24(int minutesOfDay) {
  const int m = WrapMinutes(minutesOfDay);
  return QStringLiteral("%1:%2").arg(m / 60).arg(m % 60, 2, 10, QLatin1Char('0'));
}

QString FormatTimeWithSeconds(int secondsOfDay) {
  int s = secondsOfDay % kSecondsPerDay;
  if (s < 0) s += kSecondsPerDay;
  const int h24 = s / 3600;
  int h12 = h24 % 12;
  if (h12 == 0) h12 = 12;
  return QStringLiteral("%1:%2:%3 %4")
      .arg(h12)
      .arg((s / 60) % 60, 2, 10, QLatin1Char('0'))
      .arg(s % 60, 2, 10, QLatin1Char('0'))
      .arg(h24 < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

int AddMinutes(int minutesOfDay, double minutes) {
  return WrapMinutes(static_cast<long long>(minutesOfDay) % kMinutesPerDay +
                     RoundHalfEven(minutes) % kMinutesPerDay);
}

}  // namespace zv
