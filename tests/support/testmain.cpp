#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>

#include "data/seams.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  // The computer's zone is unknown unless a test sets one, so that no test
  // depends on the zone of the machine it runs on.
  zv::SetSystemZone(QTimeZone());
  ::testing::InitGoogleTest(&argc, argv);
  const int rc = RUN_ALL_TESTS();
  // In CI every test must run: a skipped test there is a missing test, so
  // the run fails.
  const int skipped = ::testing::UnitTest::GetInstance()->skipped_test_count();
  if (qEnvironmentVariable("CI") == QLatin1String("true") && skipped > 0) {
    std::fprintf(stderr, "%d test(s) skipped with CI=true: every test must run in CI\n", skipped);
    return 1;
  }
  return rc;
}
