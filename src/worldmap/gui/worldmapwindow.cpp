#include "worldmap/gui/worldmapwindow.h"

namespace zv {

WorldMapWindow::WorldMapWindow(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("World Map"));
}

}  // namespace zv
