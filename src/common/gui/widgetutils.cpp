#include "common/gui/widgetutils.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QSettings>
#include <algorithm>

#include "common/gui/twips.h"

namespace zv {

void CentreAboveMiddle(QWidget* window, const QSize& outerSize) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect s = screen->geometry();
  window->move(s.x() + (s.width() - outerSize.width()) / 2,
               s.y() + (s.height() - outerSize.height()) / 2 - Px(kAboveMiddleTwips));
}

QPoint InsideFreeArea(const QPoint& topLeft, const QSize& outerSize, const QRect& freeArea) {
  // The far edge first, then the near one, which wins for a window too large.
  const int x = std::max(freeArea.left(), std::min(topLeft.x(), freeArea.right() + 1 - outerSize.width()));
  const int y = std::max(freeArea.top(), std::min(topLeft.y(), freeArea.bottom() + 1 - outerSize.height()));
  return {x, y};
}

namespace {

bool g_rememberPlaces = false;

QString PlaceSetting(const QString& key) { return QStringLiteral("windows/%1/position").arg(key); }

// Writes down where a window is each time it hides (closing hides it too).
class PlaceKeeper : public QObject {
 public:
  PlaceKeeper(QWidget* window, const QString& key) : QObject(window), key_(key) {
    window->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Hide && g_rememberPlaces)
      QSettings().setValue(PlaceSetting(key_), static_cast<QWidget*>(watched)->pos());
    return false;
  }

 private:
  QString key_;
};

}  // namespace

void RememberWindowPlaces(bool remember) { g_rememberPlaces = remember; }

void PlaceWindow(QWidget* window, const QSize& outerSize, const QString& key) {
  CentreAboveMiddle(window, outerSize);
  QPoint place = window->pos();
  if (g_rememberPlaces) place = QSettings().value(PlaceSetting(key), place).toPoint();
  QScreen* screen = QGuiApplication::screenAt(place + QPoint(outerSize.width() / 2, 0));
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (screen) window->move(InsideFreeArea(place, outerSize, screen->availableGeometry()));
  new PlaceKeeper(window, key);
}

void FixWindowSize(QWidget* window, const QSize& clientSize) {
  window->setFixedSize(clientSize);
  window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
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
