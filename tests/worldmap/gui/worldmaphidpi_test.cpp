// The world map window's pictures on a screen of twice the pixel density.
#include "worldmapfixture.inc"

// Before the application starts: every screen at device pixel ratio 2 (the
// offscreen platform honours it as a real one does).
[[maybe_unused]] static const bool kScaled = qputenv("QT_SCALE_FACTOR", "2");
