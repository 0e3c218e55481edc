#include "common/gui/paintpacer.h"

#include <QScreen>
#include <QWidget>

namespace zv {

namespace {

qint64 FrameNs(const QWidget* window) {
  const QScreen* screen = window->screen();
  const qreal hz = screen && screen->refreshRate() >= 1 ? screen->refreshRate() : 60.0;
  return static_cast<qint64>(1e9 / hz);
}

}  // namespace

PaintPacer::PaintPacer(const QWidget* window) : frameNs_(FrameNs(window)) {}

bool PaintPacer::FrameDue() {
  if (sinceFrame_.isValid() && sinceFrame_.nsecsElapsed() < frameNs_) return false;
  sinceFrame_.start();
  return true;
}

}  // namespace zv
