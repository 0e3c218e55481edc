#include <QApplication>

#include "app/gui/appwindows.h"
#include "clock/gui/clockwindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zorvane"));
  zv::ClockWindow clock;
  zv::SetTheClock(&clock);
  clock.StartUp();
  clock.show();
  const int rc = app.exec();
  zv::SetTheClock(nullptr);
  return rc;
}
