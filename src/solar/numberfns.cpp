#include "solar/numberfns.h"

#include <QCoreApplication>
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

// The world map shows these captions; they are translated in its context.
QString Translated(const char* text) { return QCoreApplication::translate("zv::WorldMapWindow", text); }

QString EventCaption(const SunEvent& event, const char* at, const char* none) {
  switch (event.kind) {
    case SunEvent::Kind::Occurs:
      return Translated(at) + SunTimeText(event.Minutes()) + QStringLiteral(" GMT");
    case SunEvent::Kind::UpAllDay:
      return Translated(none) + Translated(QT_TRANSLATE_NOOP("zv::WorldMapWindow", " (up all day)"));
    case SunEvent::Kind::DownAllDay:
      return Translated(none) + Translated(QT_TRANSLATE_NOOP("zv::WorldMapWindow", " (down all day)"));
  }
  return {};
}

}  // namespace

QString LatitudeCaption(double latitude) {
  double copy = latitude;
  return QCoreApplication::translate("zv::WorldMapWindow", "Latitude ") + FormatFixed(copy, 1, 2);
}

QString LongitudeCaption(double longitude) {
  double copy = longitude;
  return QCoreApplication::translate("zv::WorldMapWindow", "Longitude ") + FormatFixed(copy, 1, 2);
}

QString SunriseCaption(const SunEvent& sunrise) {
  return EventCaption(sunrise, QT_TRANSLATE_NOOP("zv::WorldMapWindow", "Sunrise at "),
                      QT_TRANSLATE_NOOP("zv::WorldMapWindow", "No sunrise"));
}

QString SunsetCaption(const SunEvent& sunset) {
  return EventCaption(sunset, QT_TRANSLATE_NOOP("zv::WorldMapWindow", "Sunset at "),
                      QT_TRANSLATE_NOOP("zv::WorldMapWindow", "No sunset"));
}

QString SunDateCaption(QDate date) {
  static const char* const kMonths[] = {
      QT_TRANSLATE_NOOP("zv::WorldMapWindow", "Jan"), QT_TRANSLATE_NOOP("zv::WorldMapWindow", "Feb"),
      QT_TRANSLATE_NOOP("zv::WorldMapWindow", "Mar"), QT_TRANSLATE_NOOP("zv::WorldMapWindow", "Apr"),
      QT_TRANSLATE_NOOP("zv::WorldMapWindow", "May"), QT_TRANSLATE_NOOP("zv::WorldMapWindow", "Jun"),
      QT_TRANSLATE_NOOP("zv::WorldMapWindow", "Jul"), QT_TRANSLATE_NOOP("zv::WorldMapWindow", "Aug"),
      QT_TRANSLATE_NOOP("zv::WorldMapWindow", "Sep"), QT_TRANSLATE_NOOP("zv::WorldMapWindow", "Oct"),
      QT_TRANSLATE_NOOP("zv::WorldMapWindow", "Nov"), QT_TRANSLATE_NOOP("zv::WorldMapWindow", "Dec")};
  return QCoreApplication::translate("zv::WorldMapWindow", "Sun times for %1 %2 %3 GMT")
      .arg(date.day())
      .arg(QCoreApplication::translate("zv::WorldMapWindow", kMonths[date.month() - 1]))
      .arg(date.year());
}

}  // namespace zv
