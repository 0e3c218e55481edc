#include "app/gui/appicon.h"

#include <QIcon>

#include "common/gui/resources.h"

namespace zv {

QIcon AppIcon() {
  RegisterResources();
  QIcon icon;
  for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/icons/zorvane-%1.png").arg(size), QSize(size, size));
  return icon;
}

}  // namespace zv
