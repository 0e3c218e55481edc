// The main of every test program; window tests get a QApplication, without a
// display unless one is asked for.

#include <QCoreApplication>

#include "support/testsupport.h"

#ifdef ZORVANE_TEST_GUI
#include <QApplication>
using Application = QApplication;
#else
using Application = QCoreApplication;
#endif

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  Application app(argc, argv);
  return zv::test::RunAllTests(argc, argv);
}
