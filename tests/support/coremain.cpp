// The main of every core test program: Qt Core only, no window system.

#include <QCoreApplication>

#include "support/testsupport.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  return zv::test::RunAllTests(argc, argv);
}
