#pragma once
// The fonts the windows' buttons, boxes and captions are laid out for.

#include <QFont>
#include <QString>

namespace zv {

inline constexpr char kFormFontFamily[] = "MS Sans Serif";
inline constexpr double kFormFontPoints = 8.25;

// A font of the named family at a size in points, as the design gives it.
inline QFont DesignFont(const char* family, double points) {
  QFont f(QString::fromLatin1(family));
  f.setPointSizeF(points);
  return f;
}

// MS Sans Serif 8.25. Where it is missing, Liberation Sans stands in: its
// captions keep within their designed places, where fontconfig's default
// stand-in (a wider face) would overflow them.
inline QFont FormFont() {
  static const bool substituted = [] {
    QFont::insertSubstitution(QString::fromLatin1(kFormFontFamily), QStringLiteral("Liberation Sans"));
    return true;
  }();
  (void)substituted;
  return DesignFont(kFormFontFamily, kFormFontPoints);
}

}  // namespace zv
