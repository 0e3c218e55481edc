// The main of every test program; window tests get a QApplication.

#include <QCoreApplication>

#include "support/testsupport.h"

#ifdef ZORVANE_TEST_GUI
#include <QApplication>
using Application = QApplication;
#else
using Application = QCoreApplication;
#endif

int main(int argc, char** argv) {
  Application app(argc, argv);
  return zv::test::RunAllTests(argc, argv);
}
