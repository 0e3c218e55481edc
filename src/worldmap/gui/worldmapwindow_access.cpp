// The world map window's keyboard and screen-reader access: the map is a
// control of its own that takes the focus, where the arrow keys move a cross
// (Shift+arrow ten pixels at a time) and Enter or Space reports the point
// under it as a press there does; the name labels follow it in the tab order
// and Enter or Space opens a label's entry; every control carries a name, and
// the tab order follows the screen from the top.
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "common/gui/twips.h"
#include "common/gui/windowrole.h"
#include "solar/numberfns.h"
#include "worldmap/gui/worldmapwindow.h"
#include "worldmap/mapgeometry.h"

namespace zv {

namespace {
const QRect kMapArea(0, 0, 720, 320);  // logical pixels, the whole map picture
constexpr int kBigStep = 10;           // pixels moved by Shift+arrow
constexpr int kCrossArm = 8;           // pixels from the middle of the cross

bool IsActivateKey(const QKeyEvent& key) {
  const auto mods = key.modifiers() & ~Qt::KeypadModifier;
  return mods == Qt::NoModifier &&
         (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter || key.key() == Qt::Key_Space);
}
}  // namespace

// Lies under every other control of the window and lets the mouse through to
// the window, which handles presses on the map.
class MapSurface : public QWidget {
 public:
  explicit MapSurface(WorldMapWindow* window) : QWidget(window), window_(window) {
    setObjectName(QStringLiteral("MapArea"));
    setGeometry(kMapArea);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(WorldMapWindow::tr("World map"));
    MoveCross(kMapArea.center());
  }

  void MoveCross(QPoint to) {
    to.setX(std::clamp(to.x(), kMapArea.left(), kMapArea.right()));
    to.setY(std::clamp(to.y(), kMapArea.top(), kMapArea.bottom()));
    update(CrossRect(cross_));
    cross_ = to;
    update(CrossRect(cross_));
    const LatLon p = PointToLatLon((to.x() + 0.5) * kTwipsPerPixel, (to.y() + 0.5) * kTwipsPerPixel);
    setAccessibleDescription(
        WorldMapWindow::tr("Cross at %1, %2. The arrow keys move it, with Shift in "
                           "bigger steps; Enter shows the sunrise and sunset there.")
            .arg(LatitudeCaption(p.lat).simplified(), LongitudeCaption(p.lon).simplified()));
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (IsActivateKey(*event)) {
      window_->ReportPoint(cross_);
      return;
    }
    const int step = (event->modifiers() & Qt::ShiftModifier) ? kBigStep : 1;
    QPoint move;
    switch (event->key()) {
      case Qt::Key_Left:
        move = {-step, 0};
        break;
      case Qt::Key_Right:
        move = {step, 0};
        break;
      case Qt::Key_Up:
        move = {0, -step};
        break;
      case Qt::Key_Down:
        move = {0, step};
        break;
      default:
        QWidget::keyPressEvent(event);
        return;
    }
    MoveCross(cross_ + move);
  }

  void paintEvent(QPaintEvent*) override {
    if (!hasFocus()) return;
    // The focus: a frame round the map in the highlight colour, and the cross
    // in white edged with black, which shows on sea, land and strokes alike.
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::Highlight), 2));
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    const QPointF c = QPointF(cross_) + QPointF(0.5, 0.5);
    for (const auto& [colour, width] : {std::pair{Qt::black, 3}, std::pair{Qt::white, 1}}) {
      p.setPen(QPen(colour, width));
      p.drawLine(c - QPointF(kCrossArm, 0), c + QPointF(kCrossArm, 0));
      p.drawLine(c - QPointF(0, kCrossArm), c + QPointF(0, kCrossArm));
    }
  }

  void focusInEvent(QFocusEvent*) override { update(); }
  void focusOutEvent(QFocusEvent*) override { update(); }

 private:
  static QRect CrossRect(QPoint at) {
    return QRect(at, QSize(1, 1)).adjusted(-kCrossArm - 2, -kCrossArm - 2, kCrossArm + 2, kCrossArm + 2);
  }

  WorldMapWindow* window_;
  QPoint cross_;
};

namespace {

WorldMapWindow* MapWindowOf(QObject* object) {
  auto* w = qobject_cast<QWidget*>(object);
  return w ? qobject_cast<WorldMapWindow*>(w->parentWidget()) : nullptr;
}

// A map label: a name label is a link that opens its entry; the template and
// the GMT tags are text.
class MapLabelAccessible : public QAccessibleWidget {
 public:
  explicit MapLabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}
  QAccessible::Role role() const override {
    return OpensEntry() ? QAccessible::Link : QAccessible::StaticText;
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return Label()->text();
    return QAccessibleWidget::text(t);
  }
  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (OpensEntry()) names.prepend(pressAction());
    return names;
  }
  void doAction(const QString& action) override {
    // The label's own key handling: a tag or the template opens nothing.
    if (action == pressAction()) {
      QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
      QCoreApplication::sendEvent(Label(), &enter);
      return;
    }
    QAccessibleWidget::doAction(action);
  }

 private:
  QLabel* Label() const { return static_cast<QLabel*>(widget()); }
  bool OpensEntry() const { return Label()->focusPolicy() != Qt::NoFocus; }
};

QAccessibleInterface* MapFactory(const QString& className, QObject* object) {
  if (auto* surface = dynamic_cast<MapSurface*>(object))
    return new QAccessibleWidget(surface, QAccessible::Graphic);
  if (className == QLatin1String(PlateLabel::staticMetaObject.className()) && MapWindowOf(object))
    return new MapLabelAccessible(static_cast<QLabel*>(object));
  return nullptr;
}

}  // namespace

void WorldMapWindow::SetUpAccess() {
  PresentWidgetWindowsAsWindows();
  static const int installed = (QAccessible::installFactory(MapFactory), 0);
  (void)installed;

  mapSurface_ = new MapSurface(this);
  mapSurface_->lower();
  infoLabels_[kLabelGmt]->setBuddy(gmtBox_);
  progressFrame_->setAccessibleName(tr("Progress"));
  progressBar_->setAccessibleName(tr("Progress done"));
  pointMarker_->setAccessibleName(tr("Point shown"));
  legendPlate_->setAccessibleName(tr("Legend"));
  legendLines_[kLegendSunrise]->setAccessibleName(tr("Red line"));
  legendLines_[kLegendSunset]->setAccessibleName(tr("Blue line"));

  // From the top: the map and its name labels, the GMT box and the Night
  // box beside it, then the two rows of buttons.
  QWidget* const order[] = {mapSurface_,
                            gmtBox_,
                            nightBox_,
                            buttons_[kButtonSunriseSunset],
                            buttons_[kButtonDayNight],
                            buttons_[kButtonClose],
                            buttons_[kButtonFind],
                            buttons_[kButtonClear]};
  for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

QWidget* WorldMapWindow::MapArea() const { return mapSurface_; }

void WorldMapWindow::FocusMapAt(QPoint at) {
  mapSurface_->MoveCross(at);
  mapSurface_->setFocus(Qt::MouseFocusReason);
}

void WorldMapWindow::MakeFocusable(QLabel* label) {
  QWidget* before = mapSurface_;
  // The label itself is not focusable yet.
  for (const auto& [index, l] : mapLabels_)
    if (l->focusPolicy() != Qt::NoFocus) before = l;
  label->setFocusPolicy(Qt::TabFocus);
  setTabOrder(before, label);
}

bool WorldMapWindow::MapLabelKey(QLabel* label, const QKeyEvent& key) {
  if (!IsActivateKey(key)) return false;
  for (const auto& [index, l] : mapLabels_) {
    if (l == label) {
      ClickMapLabel(index);
      return true;
    }
  }
  return false;
}

}  // namespace zv
