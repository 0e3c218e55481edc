#include "common/gui/handcursor.h"

#include <QCoreApplication>
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

namespace {

// Made on the first call and shared (a QCursor is a shared value), so the
// picture is decoded once however many cells show it. Released before the
// application closes its display.
QCursor* g_hand = nullptr;

void ReleaseHand() {
  delete g_hand;
  g_hand = nullptr;
}

}  // namespace

QCursor HandCursor() {
  if (!g_hand) {
    RegisterResources();
    const QPixmap picture(QStringLiteral(":/hand.png"));
    g_hand = picture.isNull() ? new QCursor(Qt::PointingHandCursor)
                              : new QCursor(picture, kHandHotSpot.x(), kHandHotSpot.y());
    qAddPostRoutine(ReleaseHand);
  }
  return *g_hand;
}

}  // namespace zv
