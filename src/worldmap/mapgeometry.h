#pragma once
// Geometry of the world map window: the projection of the world map picture
// (tools/make_worldmap.js), which places every mark, label and sun line, and
// its exact inverse, which turns a press back into a latitude and longitude.
// Positions are in twips, y down from the top of the map.

#include <QChar>
#include <QString>

namespace zv {

// The size of the world map picture, 720 x 320 pixels, in twips.
inline constexpr double kMapW = 10800.0;
inline constexpr double kMapH = 4800.0;

// The picture's projection: x = (lon + 180) * W / 360 and
// y = ((90 - lat) * H / 180) * (0.8 - 0.0022 lat) * 1.2, which puts the north
// pole on the top edge and about 68 degrees south on the bottom one.
double LonToX(double lon);
double LatToY(double lat);

struct LatLon {
  double lat = 0;
  double lon = 0;
};
// The exact inverse: the latitude and longitude shown at (x, y) twips.
LatLon PointToLatLon(double x, double y);

// A coordinate text such as 24.47N or 67.03E: the last character equal to
// positiveLetter gives +, any other -; the number is read from the rest.
// Empty or one-character texts give 0.
double CoordinateFromText(const QString& text, QChar positiveLetter);

// The text written on the map for an entry name: the name up to two
// characters before its first "(" (United States (Eastern) gives United
// States), else the whole name. A name that begins with "(" is used whole.
QString LabelTextForName(const QString& name);

// The message after "Find Country" marked count entries for the answer.
QString FindCountryMessage(int count, const QString& answer);

}  // namespace zv
