#pragma once
// The font the windows' buttons, boxes and captions are laid out for.

#include <QFont>

namespace zv {

// MS Sans Serif 8.25. Where it is missing, Liberation Sans stands in: its
// captions keep within their designed places, where fontconfig's default
// stand-in (a wider face) would overflow them.
inline QFont FormFont() {
  static const bool substituted = [] {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    return true;
  }();
  (void)substituted;
  QFont f(QStringLiteral("MS Sans Serif"));
  f.setPointSizeF(8.25);
  return f;
}

}  // namespace zv
