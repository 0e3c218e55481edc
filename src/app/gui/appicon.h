#pragma once
// The program's icon, a clock face over a globe, in every size that is
// compiled in (resources/icons, drawn by tools/make_icon.py).

class QIcon;

namespace zv {

QIcon AppIcon();

// The icon a window hands its window manager: the sizes window managers and
// task bars show (16 to 64 pixels). The X11 platform decodes every size an
// icon lists and sends it with the window; other sizes are still drawn,
// from the nearest larger picture.
QIcon WindowIcon();

}  // namespace zv
