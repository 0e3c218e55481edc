#include "worldmap/mapgeometry.h"

#include "data/numtext.h"

namespace zv {

double LonToX(double lon, double w) { return (lon + 180.0) * w / 360.0; }

double MarkY(double lat, double h) {
  const double k = (-0.0022 * lat + 0.8) * 1.2;
  return ((90.0 - lat) * h / 180.0) * k;
}

double SunLineX(double lon, double w) { return (1.0 + lon / 180.0) * w / 2.0; }

double SunLineY(double lat, double h) { return (h / 2.0) * (1.0 - lat / 90.0) * (0.775 - 0.0047 * lat); }

LatLon ClickToLatLon(double x, double y, double w, double h) {
  // The product is held in single precision before the division, as the
  // window's readings were calibrated that way.
  const float product = static_cast<float>(x * 360.0);
  double lon = static_cast<double>(product) / w - 180.0;
  const double lat0 = (1.0 - 2.0 * y / h) * 90.0;
  double lat1 = lat0 * (0.775 - 0.0047 * lat0);
  if (lon > 180.0) lon = 180.0;
  if (lat1 < -90.0) lat1 = -90.0;
  return {1.4 * lat1, lon};
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
  if (count == 0) return answer.toUpper() + QStringLiteral("* not found");
  if (count == 1) return QStringLiteral("1 country found.");
  return QString::number(count) + QStringLiteral(" countries found.");
}

}  // namespace zv
