// The program among the desktop's: the session guard (SIGTERM, SIGINT,
// SIGHUP, or quitting by another path, write tzone.txt as the close box
// does), the clock window under a dark desktop palette, which keeps its
// designed colours readable, one running copy per data folder, Ctrl+Q and
// About, and windows kept on the screen.

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "app/gui/appicon.h"
#include "app/gui/appwindows.h"
#include "app/gui/sessionguard.h"
#include "app/gui/singleinstance.h"
#include "common/gui/widgetutils.h"
#include "countryinfo/gui/countryinfowindow.h"
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

// Ctrl+Q in another window ends the program as Exit does; About names the
// data folder and the version the tz database's tzdata.zi opens with.
TEST_F(DesktopTest, QuitKeyAndAbout) {
  StartClock(test::CountriesBytes(test::EntryTable()));
  data_.Write("tzdata.zi", "# version 2031z\n# Rule...\n");
  qputenv("TZDIR", data_.Root().toUtf8());
  window_->findChild<QAction*>("mnuAbout")->trigger();
  qunsetenv("TZDIR");
  ASSERT_EQ(prompts_.messages.size(), 1);
  EXPECT_TRUE(prompts_.messages[0].contains("\n" + data_.Root() + "\n"));
  EXPECT_TRUE(prompts_.messages[0].contains("version 2031z."));
  window_->show();
  CountryInfo()->show();
  CountryInfo()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(CountryInfo()));
  QTest::keyClick(CountryInfo(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(window_->isVisible());
  EXPECT_FALSE(CountryInfoIfLoaded());
}

// A start for a data folder that a running copy holds asks that copy to come
// forward and ends; a socket left by a killed copy is taken over; another
// data folder has a copy of its own.
TEST(SingleInstanceTest, OneCopyPerDataFolder) {
  const QTemporaryDir runtime, data, otherData;
  const struct {
    const char* what;
    bool killedCopy, sameFolder;
  } rows[] = {
      {"a second start", false, true}, {"after a killed copy", true, true}, {"another folder", false, false}};
  for (const auto& [what, killedCopy, sameFolder] : rows) {
    SCOPED_TRACE(what);
    if (killedCopy) {
      sockaddr_un address{AF_UNIX, {}};
      qstrncpy(address.sun_path, qPrintable(SingleInstance::SocketPath(runtime.path(), data.path())), 100);
      const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
      ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
      ::close(fd);
    }
    SingleInstance first(runtime.path(), data.path());
    int asked = 0;
    first.OnComeForward([&] { ++asked; });
    const SingleInstance second(runtime.path(), sameFolder ? data.path() : otherData.path());
    EXPECT_EQ(std::pair(first.IsFirst(), second.IsFirst()), std::pair(true, !sameFolder));
    (void)QTest::qWaitFor([&] { return asked > 0; }, 1000);
    EXPECT_EQ(asked, sameFolder);
  }
}

// At scale 2 a 1920 x 1080 screen is 960 x 540 pixels, here less a panel of
// 27 at the top.
TEST(WindowPlaceTest, KeptInsideTheFreeArea) {
  const struct {
    QPoint meant;
    QSize size;
    QPoint placed;
  } rows[] = {{{100, 50}, {600, 400}, {100, 50}},
              {{100, -30}, {600, 400}, {100, 27}},
              {{500, 300}, {600, 400}, {360, 140}},
              {{130, -40}, {1000, 600}, {0, 27}}};
  for (const auto& [meant, size, placed] : rows)
    EXPECT_EQ(InsideFreeArea(meant, size, QRect(0, 27, 960, 513)), placed);
}

// The icon has a picture drawn for each size a desktop's icon theme asks for.
TEST(AppIconTest, APictureForEverySize) {
  QStringList widths;
  for (const QSize& s : AppIcon().availableSizes()) widths << QString::number(AppIcon().pixmap(s).width());
  EXPECT_EQ(widths.join(' '), "16 22 24 32 48 64 128 256");
}

}  // namespace
}  // namespace zv
