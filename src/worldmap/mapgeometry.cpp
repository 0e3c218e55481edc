#include "worldmap/mapgeometry.h"

#include <QCoreApplication>
#include <cmath>

#include "data/numtext.h"

namespace zv {

namespace {

// y = H / 180 * (90 - lat) * (0.96 - 0.00264 lat) = H / 180 * (a lat^2 - b lat + c).
constexpr double kA = 0.00264, kB = 1.1976, kC = 86.4;

}  // namespace

double LonToX(double lon) { return (lon + 180.0) * kMapW / 360.0; }

double LatToY(double lat) { return ((90.0 - lat) * kMapH / 180.0) * ((0.8 - 0.0022 * lat) * 1.2); }

LatLon PointToLatLon(double x, double y) {
  // The root of a lat^2 - b lat + (c - g) = 0 that lies between the poles
  // (the quadratic falls all the way from lat -90 to 90), written so that
  // nothing cancels near the pole.
  const double g = y * 180.0 / kMapH;
  const double lat = 2.0 * (kC - g) / (kB + std::sqrt(kB * kB - 4.0 * kA * (kC - g)));
  return {lat, x * 360.0 / kMapW - 180.0};
}

double CoordinateFromText(const QString& text, QChar positiveLetter) {
  if (text.size() < 2) return 0.0;
  const double sign = text.back() == positiveLetter ? 1.0 : -1.0;
  return sign * NumberInText(text.left(text.size() - 1));
}

QString LabelTextForName(const QString& name) {
  const qsizetype p = name.indexOf(QLatin1Char('(')) + 1;  // 1-based, 0 if none
  if (p <= 1) return name;
  return name.left(p - 2);
}

QString FindCountryMessage(int count, const QString& answer) {
  if (count == 0)
    return QCoreApplication::translate("zv::WorldMapWindow", "%1* not found").arg(answer.toUpper());
  if (count == 1) return QCoreApplication::translate("zv::WorldMapWindow", "1 country found.");
  return QCoreApplication::translate("zv::WorldMapWindow", "%1 countries found.").arg(count);
}

}  // namespace zv
