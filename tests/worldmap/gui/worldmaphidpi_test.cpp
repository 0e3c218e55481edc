// The world map window on a screen of twice the pixel density: the picture
// made at 1440 x 640, lines drawn at the screen's density, and marks on their
// places there too.
#include "placesonmap.inc"

// Before the application starts: every screen at device pixel ratio 2 (the
// offscreen platform honours it as a real one does).
[[maybe_unused]] static const bool kScaled = qputenv("QT_SCALE_FACTOR", "2");
