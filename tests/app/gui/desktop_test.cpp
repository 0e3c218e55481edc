// The program among the desktop's: the session guard (SIGTERM, SIGINT,
// SIGHUP, or quitting by another path, write tzone.txt as the close box
// does), and the clock window under a dark desktop palette, which keeps its
// designed colours readable.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <csignal>

#include "app/gui/appicon.h"
#include "app/gui/sessionguard.h"
#include "support/clockfixture.h"
#include "support/referencepicture.h"

namespace zv {
namespace {

class DesktopTest : public test::ClockWindowTest {
 protected:
  DesktopTest() : ClockWindowTest(QDateTime(QDate(2026, 12, 5), QTime(18, 47))) {}
};

// Signal 0 stands for quitting by another path: the last window gone, or a
// library asking the application to quit.
TEST_F(DesktopTest, SignalsAndQuittingSaveTheZone) {
  for (int sig : {SIGTERM, SIGINT, SIGHUP, 0}) {
    StartClock(test::CountriesBytes(test::EntryTable()));
    window_->show();
    window_->Text2()->setText("-4.5");
    InstallSessionGuard(window_.get());
    ASSERT_TRUE(sig ? std::raise(sig) == 0 : QMetaObject::invokeMethod(qApp, "aboutToQuit"));
    // A signal closes the clock window.
    EXPECT_TRUE(QTest::qWaitFor([&] { return window_->isVisible() == !sig; }));
    window_->Text2()->setText("9");  // written once, as they were then
    window_->close();
    EXPECT_EQ(data_.Read("tzone.txt"), "-4.5           0 \r\n");
    TearDown();
  }
}

// A dark desktop: light text on dark grey. The menu bar follows it; the
// list keeps its black, the settings panel its light face and dark captions.
TEST_F(DesktopTest, DarkPalette) {
  QPalette dark(QColor(230, 230, 230), QColor(53, 53, 53));
  dark.setColor(QPalette::Base, QColor(35, 35, 35));
  QApplication::setPalette(dark);
  StartClock(test::CountriesBytes(test::EntryTable()));
  window_->mnuSettings()->trigger();
  EXPECT_TRUE(test::MatchesReference(window_.get(), "tests/clock/reference/dark-desktop-clock.png"));
}

// The icon has a picture drawn for each size a desktop's icon theme asks
// for, and gives that picture, not another size scaled, when asked.
TEST(AppIconTest, APictureForEverySize) {
  QStringList widths;
  for (const QSize& s : AppIcon().availableSizes()) {
    const QImage drawn = QImage(QStringLiteral(":/icons/zorvane-%1.png").arg(s.width()))
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    widths << QString::number(AppIcon().pixmap(s).width());
    EXPECT_EQ(AppIcon().pixmap(s).toImage().convertToFormat(drawn.format()), drawn) << s.width();
  }
  EXPECT_EQ(widths.join(' '), "16 22 24 32 48 64 128 256");
}

}  // namespace
}  // namespace zv
