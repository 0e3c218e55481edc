#include <gtest/gtest.h>

#include <QApplication>

#include "data/seams.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  // The computer's zone is unknown unless a test sets one, so that no test
  // depends on the zone of the machine it runs on.
  zv::SetSystemZone(QTimeZone());
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
