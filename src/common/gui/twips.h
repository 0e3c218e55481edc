#pragma once
// Layout positions are kept in twips, 15 to a logical pixel, and converted
// once here.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

namespace zv {

inline constexpr double kTwipsPerPixel = 15.0;

inline int Px(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }
inline double Twips(int px) { return px * kTwipsPerPixel; }
inline QRect TwipRect(double left, double top, double width, double height) {
  return QRect(Px(left), Px(top), Px(width), Px(height));
}
inline QSize TwipSize(double width, double height) { return QSize(Px(width), Px(height)); }
inline QPoint TwipPoint(double x, double y) { return QPoint(Px(x), Px(y)); }

}  // namespace zv
