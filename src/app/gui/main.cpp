#include <QApplication>

#include "app/gui/appwindows.h"
#include "app/gui/sessionguard.h"
#include "clock/gui/clockwindow.h"
#include "data/seams.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zorvane"));
  // ZORVANE_DATA_DIR, when set, names the folder of the data files instead of
  // the executable's own (used by the real-window smoke test).
  const QString dataDir = qEnvironmentVariable("ZORVANE_DATA_DIR");
  if (!dataDir.isEmpty()) zv::SetDataFolder(dataDir);
  zv::ClockWindow clock;
  zv::SetTheClock(&clock);
  zv::InstallSessionGuard(&clock);
  clock.StartUp();
  clock.show();
  const int rc = app.exec();
  zv::SetTheClock(nullptr);
  return rc;
}
