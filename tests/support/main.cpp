// The main of every test program; window tests get a QApplication.

#include <QCoreApplication>
#include <QTemporaryDir>

#include "support/testsupport.h"

#ifdef ZORVANE_TEST_GUI
#include <QApplication>
using Application = QApplication;
#else
using Application = QCoreApplication;
#endif

int main(int argc, char** argv) {
  // The desktop's clock is 12-hour, as under en_US, whatever the machine's.
  qputenv("LC_TIME", "en_US.UTF-8");
  // Settings of this run only, so that test programs running side by side
  // never read what another one chose.
  const QTemporaryDir settings;
  qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
  Application app(argc, argv);
  return zv::test::RunAllTests(argc, argv);
}
