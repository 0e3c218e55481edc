#pragma once
// The palette the windows' designed colours were chosen on: the classic light
// button-face form with black text and white boxes. The windows that draw
// designed colours (dark red and dark blue captions, a blue link, the map's
// black point line) take it whatever the desktop's palette, so that those
// colours stay readable under a dark desktop theme.

class QPalette;

namespace zv {

QPalette FormPalette();

}  // namespace zv
