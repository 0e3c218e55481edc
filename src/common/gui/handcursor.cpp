#include "common/gui/handcursor.h"

#include <QPixmap>

#include "common/gui/resources.h"

// Q_INIT_RESOURCE declares a function of the global namespace, so it is
// called from here.
static void InitResources() { Q_INIT_RESOURCE(resources); }

namespace zv {

void RegisterResources() {
  static const bool once = [] {
    InitResources();
    return true;
  }();
  (void)once;
}

QCursor HandCursor() {
  RegisterResources();
  const QPixmap picture(QStringLiteral(":/hand.png"));
  if (picture.isNull()) return QCursor(Qt::PointingHandCursor);
  return QCursor(picture, kHandHotSpot.x(), kHandHotSpot.y());
}

}  // namespace zv
