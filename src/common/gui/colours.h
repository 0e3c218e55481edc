#pragma once
// Colours between the core's Rgb and Qt, and the designed colours that more
// than one window draws.

#include <QColor>

#include "data/rgb.h"

namespace zv {

inline QColor ToQColor(const Rgb& c) { return QColor(c.r, c.g, c.b); }
inline Rgb ToRgb(const QColor& c) { return Rgb{c.red(), c.green(), c.blue()}; }

// The dark red of the clock's settings captions and the world map's
// information captions.
inline const QColor kCaptionColour(128, 0, 0);

}  // namespace zv
