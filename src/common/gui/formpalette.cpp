#include "common/gui/formpalette.h"

#include <QPalette>

namespace zv {

QPalette FormPalette() {
  const QColor face(240, 240, 240);
  const QColor black(0, 0, 0);
  const QColor white(255, 255, 255);
  const QColor grey(120, 120, 120);
  QPalette p(black, face, white, QColor(160, 160, 160), QColor(160, 160, 160), black, white);
  p.setColor(QPalette::Base, white);
  p.setColor(QPalette::AlternateBase, QColor(233, 231, 227));
  p.setColor(QPalette::Window, face);
  p.setColor(QPalette::Button, face);
  p.setColor(QPalette::ButtonText, black);
  p.setColor(QPalette::WindowText, black);
  p.setColor(QPalette::Text, black);
  p.setColor(QPalette::Highlight, QColor(0, 120, 215));
  p.setColor(QPalette::HighlightedText, white);
  p.setColor(QPalette::Link, QColor(0, 0, 255));
  p.setColor(QPalette::LinkVisited, QColor(128, 0, 128));
  p.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
  p.setColor(QPalette::ToolTipText, black);
  p.setColor(QPalette::PlaceholderText, grey);
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    p.setColor(QPalette::Disabled, role, grey);
  p.setColor(QPalette::Disabled, QPalette::Base, face);
  return p;
}

}  // namespace zv
