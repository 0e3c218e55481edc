#pragma once
// Geometry of the world map window: longitude and latitude to positions on
// the map (twips, y down from the top of the map) and a click back to a
// latitude and longitude.

#include <QChar>
#include <QString>

namespace zv {

// Scale values: the width and height of the world map picture, 720 x 320
// pixels. Every mark, line and click is placed by them, so that a point lands
// where the picture's own projection shows it, whatever frame the window
// manager puts around the window.
inline constexpr double kMapW = 10800.0;
inline constexpr double kMapH = 4800.0;

// x of a longitude: (lon + 180) * W / 360.
double LonToX(double lon, double w = kMapW);
// y of an entry mark: ((90 - lat) * H / 180) * (0.8 - 0.0022 lat) * 1.2.
double MarkY(double lat, double h = kMapH);
// x and y of a point of a sun line.
double SunLineX(double lon, double w = kMapW);
double SunLineY(double lat, double h = kMapH);

struct LatLon {
  double lat = 0;
  double lon = 0;
};
// The latitude and longitude reported for a click at (x, y) twips.
LatLon ClickToLatLon(double x, double y, double w = kMapW, double h = kMapH);

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
