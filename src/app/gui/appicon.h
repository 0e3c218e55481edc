#pragma once
// The program's icon, a clock face over a globe, in every size that is
// compiled in (resources/icons, drawn by tools/make_icon.py).

class QIcon;

namespace zv {

QIcon AppIcon();

}  // namespace zv
