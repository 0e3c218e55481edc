#pragma once
#include <QColor>

#include "data/rgb.h"

namespace zv {
inline QColor ToQColor(const Rgb& c) { return QColor(c.r, c.g, c.b); }
inline Rgb ToRgb(const QColor& c) { return Rgb{c.red(), c.green(), c.blue()}; }
}  // namespace zv
