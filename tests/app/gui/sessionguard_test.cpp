// The session guard: SIGTERM, SIGINT and SIGHUP write tzone.txt as the close
// box does and close the clock window; quitting the application by any other
// path writes it too.

#include "app/gui/sessionguard.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>
#include <csignal>

#include "support/clockfixture.h"

namespace zv {
namespace {

class SessionGuard : public test::ClockWindowTest {
 protected:
  SessionGuard() : ClockWindowTest(QDateTime(QDate(2026, 12, 5), QTime(18, 47))) {}
};

TEST_F(SessionGuard, SignalsSaveAndClose) {
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(sig);
    StartClock(test::CountriesBytes(test::EntryTable()));
    window_->show();
    window_->Text2()->setText("-4.5");
    window_->Text3()->setText("1");
    InstallSessionGuard(window_.get());
    data_.Write("tzone.txt", "unchanged");
    ASSERT_EQ(std::raise(sig), 0);  // the program would have ended here before
    for (int i = 0; i < 100 && window_->isVisible(); ++i) QTest::qWait(20);
    EXPECT_FALSE(window_->isVisible());
    EXPECT_EQ(data_.Read("tzone.txt"), "-4.5           1 \r\n");
    EXPECT_TRUE(prompts_.messages.isEmpty());
    TearDown();
  }
}

TEST_F(SessionGuard, QuittingByAnotherPathSaves) {
  StartClock(test::CountriesBytes(test::EntryTable()));
  window_->Text2()->setText("5.75");
  InstallSessionGuard(window_.get());
  data_.Write("tzone.txt", "unchanged");
  // As when the last window goes or a library asks the application to quit.
  QMetaObject::invokeMethod(qApp, "aboutToQuit");
  EXPECT_EQ(data_.Read("tzone.txt"), " 5.75          0 \r\n");
}

}  // namespace
}  // namespace zv
