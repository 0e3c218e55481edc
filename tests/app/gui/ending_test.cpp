// Ended from outside while a box of the information window is open: no
// crash, the zone saved, the unsaved edit kept beside the table.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <csignal>

#include "app/gui/appwindows.h"
#include "app/gui/sessionguard.h"
#include "countryinfo/gui/countryinfowindow.h"
#include "support/clockfixture.h"

namespace zv {
namespace {

class EndingTest : public test::ClockWindowTest {
 protected:
  EndingTest() : ClockWindowTest(QDateTime(QDate(2026, 12, 5), QTime(18, 47))) {}
};

TEST_F(EndingTest, ASignalUnderARealBoxEndsCleanly) {
  StartClock(test::CountriesBytes(test::EntryTable()));
  window_->show();
  window_->StandardOffsetBox()->setText("-4.5");
  InstallSessionGuard(window_.get());
  CountryInfoWindow* info = CountryInfo();
  info->show();
  QTest::mouseDClick(info->LineBox(kBoxCapital), Qt::LeftButton);
  info->LineBox(kBoxCapital)->setText("Q");
  SetPrompter(nullptr);
  QTimer::singleShot(200, [] { std::raise(SIGTERM); });
  info->ButtonAt(CountryInfoWindow::kButtonSave)->click();
  for (int i = 0; i < 100 && window_->isVisible(); ++i) QTest::qWait(20);
  EXPECT_FALSE(window_->isVisible());
  EXPECT_EQ(data_.Read("tzone.txt"), "-4.5           0 \r\n");
  EXPECT_EQ(data_.Read("countries.txt"), test::CountriesBytes(test::EntryTable()));  // the box said No
  EXPECT_TRUE(
      data_.Read("countries.txt.unsaved").contains("\r\nEntry 1,0,0,0,#12:00:00 AM#,#12:00:00 AM#,,Q,"));
}

}  // namespace
}  // namespace zv
