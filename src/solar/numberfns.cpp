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

QString SunTimeText(double reading) {
  double copy = reading;
  QString text = FormatFixed(copy, 1, 2);
  return ReplaceChar(text, QLatin1Char('.'), QLatin1Char(':'));
}

double LimitSunrise(double reading) { return reading < 0.1 ? 0.1 : reading; }
double LimitSunset(double reading) { return reading < 0.6 ? 0.1 : reading; }

QString LatitudeCaption(double latitude) {
  double copy = latitude;
  return QStringLiteral("Latitude ") + FormatFixed(copy, 1, 2);
}

QString LongitudeCaption(double longitude) {
  double copy = longitude;
  return QStringLiteral("Longitude ") + FormatFixed(copy, 1, 2);
}

QString SunriseCaption(double sunriseReading) {
  return QStringLiteral("Sunrise at ") + SunTimeText(LimitSunrise(sunriseReading)) + QStringLiteral(" GMT");
}

QString SunsetCaption(double sunsetReading) {
  return QStringLiteral("Sunset at ") + SunTimeText(LimitSunset(sunsetReading)) + QStringLiteral(" GMT");
}

}  // namespace zv
