#include "solar/numberfns.h"

#include <cmath>

#include "data/numtext.h"

namespace zv {

QString FormatFixed(double& value, int width, int decimals) {
  const int d = decimals;
  value = RoundDecimalsHalfEven(value, d);
  const double ip = std::floor(std::fabs(value));
  // A tiny nudge frees the fraction from representation noise (0.3 - 0).
  const double fr = RoundDecimalsHalfEven(std::fabs(value) - ip + 0.000000001, d);
  const int nInt = GeneralNumberText(ip).size();
  const int nFrac = GeneralNumberText(fr).size() - 2;
  int blanks = width - nInt;
  if (ip == 0 && fr != 0) ++blanks;

  QString text;
  if (blanks > 0) text.fill(QLatin1Char(' '), blanks);
  text += GeneralNumberText(value);
  if (fr == 0) {
    text += QLatin1Char('.');
    text += QString(d > 0 ? d : 0, QLatin1Char('0'));
  } else if (d - nFrac > 0) {
    text += QString(d - nFrac, QLatin1Char('0'));
  }
  return text;
}

QString ReplaceChar(QString& text, QChar find, QChar replacement) {
  for (QChar& c : text) {
    if (c == find) c = replacement;
  }
  return text;
}

QString SunTimeText(int minutes) {
  return QString::number(minutes / 60) + QLatin1Char(':') +
         QString::number(minutes % 60).rightJustified(2, u'0');
}

namespace {

QString EventCaption(const SunEvent& event, const char* at, const char* none) {
  switch (event.kind) {
    case SunEvent::Kind::Occurs:
      return QLatin1String(at) + SunTimeText(event.Minutes()) + QStringLiteral(" GMT");
    case SunEvent::Kind::UpAllDay:
      return QLatin1String(none) + QStringLiteral(" (up all day)");
    case SunEvent::Kind::DownAllDay:
      return QLatin1String(none) + QStringLiteral(" (down all day)");
  }
  return {};
}

}  // namespace

QString LatitudeCaption(double latitude) {
  double copy = latitude;
  return QStringLiteral("Latitude ") + FormatFixed(copy, 1, 2);
}

QString LongitudeCaption(double longitude) {
  double copy = longitude;
  return QStringLiteral("Longitude ") + FormatFixed(copy, 1, 2);
}

QString SunriseCaption(const SunEvent& sunrise) { return EventCaption(sunrise, "Sunrise at ", "No sunrise"); }

QString SunsetCaption(const SunEvent& sunset) { return EventCaption(sunset, "Sunset at ", "No sunset"); }

QString SunDateCaption(QDate date) {
  static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  return QStringLiteral("Sun times for %1 %2 %3 GMT")
      .arg(date.day())
      .arg(QLatin1String(kMonths[date.month() - 1]))
      .arg(date.year());
}

}  // namespace zv
