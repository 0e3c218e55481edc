#include "common/gui/enterkey.h"

#include <QApplication>
#include <QPushButton>

namespace zv {

void PressFocusedButtonOr(const QWidget* window, QAbstractButton* fallback) {
  auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
  if (focused && focused->window() == window && focused->isVisible() && focused->isEnabled()) {
    focused->click();
    return;
  }
  if (fallback) fallback->click();
}

}  // namespace zv
