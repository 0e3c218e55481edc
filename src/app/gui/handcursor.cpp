#include "app/gui/handcursor.h"

#include <QPixmap>

// The resources live in a static library, whose registration the linker drops
// unless something refers to it; this reference keeps it.
static void RegisterResources() {
  static const bool once = [] {
    Q_INIT_RESOURCE(resources);
    return true;
  }();
  (void)once;
}

namespace zv {

QCursor HandCursor() {
  RegisterResources();
  const QPixmap picture(QStringLiteral(":/hand.png"));
  if (picture.isNull()) return QCursor(Qt::PointingHandCursor);
  return QCursor(picture, kHandHotSpot.x(), kHandHotSpot.y());
}

}  // namespace zv
