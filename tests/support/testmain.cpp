// The main of every window test program: a QApplication without a display.

#include <QApplication>

#include "support/testsupport.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  return zv::test::RunAllTests(argc, argv);
}
