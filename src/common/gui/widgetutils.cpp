#include "common/gui/widgetutils.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>

#include "common/gui/twips.h"

namespace zv {

void CentreAboveMiddle(QWidget* window, const QSize& outerSize) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect s = screen->geometry();
  window->move(s.x() + (s.width() - outerSize.width()) / 2,
               s.y() + (s.height() - outerSize.height()) / 2 - Px(kAboveMiddleTwips));
}

void SetTextColour(QWidget* widget, const QColor& colour) {
  QPalette p = widget->palette();
  if (p.color(QPalette::WindowText) == colour) return;
  p.setColor(QPalette::WindowText, colour);
  widget->setPalette(p);
}

BusyPointer::BusyPointer() : overProgram_(true) { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }

BusyPointer::BusyPointer(QWidget* window)
    : window_(window), hadOwn_(window->testAttribute(Qt::WA_SetCursor)), previous_(window->cursor()) {
  window->setCursor(Qt::WaitCursor);
}

BusyPointer::~BusyPointer() {
  if (overProgram_) {
    QGuiApplication::restoreOverrideCursor();
    return;
  }
  if (!window_) return;
  if (hadOwn_) {
    window_->setCursor(previous_);
  } else {
    window_->unsetCursor();
  }
}

}  // namespace zv
