// The program among the desktop's: the session guard (SIGTERM, SIGINT,
// SIGHUP, or quitting by another path, write tzone.txt as the close box
// does), the clock window under a dark desktop palette, which keeps its
// designed colours readable, one running copy per data folder, Ctrl+Q and
// About, windows kept on the screen, and the windows in the user's language,
// where every translated caption must fit the designed place of the English one.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtWidgets>
#include <csignal>

#include "app/gui/appicon.h"
#include "app/gui/appwindows.h"
#include "app/gui/sessionguard.h"
#include "app/gui/singleinstance.h"
#include "app/gui/uitranslation.h"
#include "common/gui/widgetutils.h"
#include "countryinfo/gui/countryinfowindow.h"
#include "support/clockfixture.h"
#include "support/referencepicture.h"
#include "worldmap/gui/worldmapwindow.h"

namespace zv {
namespace {

// Checks each caption of a window: its text no wider (or, wrapped, taller)
// than the room its label or button leaves it, inside its parent and clear
// of its siblings' texts. Hidden controls, those placed out of sight and the
// names of the time list (data, cut as designed) aside.
void ExpectCaptionsFit(QWidget* window) {
  std::map<QWidget*, std::vector<QRect>> drawn;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    QWidget* parent = w->parentWidget();
    QString text = w->property("text").toString().remove('&');
    auto* label = qobject_cast<QLabel*>(w);
    if (!w->isVisibleTo(window) || !parent->rect().contains(w->geometry().center()) ||
        w->property("row").isValid() || text.isEmpty() || !(label || w->inherits("QAbstractButton")))
      continue;
    QStyleOptionButton o;
    o.initFrom(w);
    const QRect room =
        label ? w->contentsRect() : w->style()->subElementRect(QStyle::SE_PushButtonContents, &o, w);
    const QSize need = label && label->wordWrap()
                           ? w->fontMetrics().boundingRect(room, Qt::TextWordWrap, text).size()
                           : QSize(w->fontMetrics().horizontalAdvance(text), 1);
    const QRect at(w->pos() + room.topLeft(), need);
    bool fits = room.contains(QRect(room.topLeft(), need)) && parent->rect().contains(at);
    for (const QRect& other : drawn[parent]) fits = fits && !other.intersects(at);
    drawn[parent].push_back(at);
    EXPECT_TRUE(fits) << text.toStdString();
  }
}

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
    window_->StandardOffsetBox()->setText("-4.5");
    InstallSessionGuard(window_.get());
    ASSERT_TRUE(sig ? std::raise(sig) == 0 : QMetaObject::invokeMethod(qApp, "aboutToQuit"));
    // A signal closes the clock window.
    EXPECT_TRUE(QTest::qWaitFor([&] { return window_->isVisible() == !sig; }));
    window_->StandardOffsetBox()->setText("9");  // written once, as they were then
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
  window_->SettingsAction()->trigger();
  EXPECT_TRUE(test::MatchesReference(window_.get(), "tests/clock/reference/dark-desktop-clock.png"));
}

// Ctrl+Q in another window ends the program as Exit does; About names the
// data folder and the version the tz database's tzdata.zi opens with.
TEST_F(DesktopTest, QuitKeyAndAbout) {
  StartClock(test::CountriesBytes(test::EntryTable()));
  data_.Write("tzdata.zi", "# version 2031z\n");
  qputenv("TZDIR", data_.Root().toUtf8());
  window_->findChild<QAction*>("AboutAction")->trigger();
  qunsetenv("TZDIR");
  EXPECT_TRUE(prompts_.messages.join("").contains(":\n" + data_.Root() + "\n\n"));
  EXPECT_TRUE(prompts_.messages.join("").endsWith(" 2031z."));
  window_->show();
  CountryInfo()->show();
  CountryInfo()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(CountryInfo()));
  QTest::keyClick(CountryInfo(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(window_->isVisible());
}

// Rows: a second start, a start after a killed copy left its socket, and a
// start for another data folder. A copy already running for the folder is
// asked to come forward, and the new one ends.
TEST(SingleInstanceTest, OneCopyPerDataFolder) {
  const QTemporaryDir runtime, data, otherData;
  const std::pair<bool, bool> rows[] = {{false, true}, {true, true}, {false, false}};
  for (const auto& [killedCopy, sameFolder] : rows) {
    SCOPED_TRACE(killedCopy + 2 * sameFolder);
    if (killedCopy) QFile(SingleInstance::SocketPath(runtime.path(), data.path())).open(QIODevice::WriteOnly);
    SingleInstance first(runtime.path(), data.path());
    int asked = 0;
    first.OnComeForward([&] { ++asked; });
    const SingleInstance second(runtime.path(), sameFolder ? data.path() : otherData.path());
    EXPECT_EQ(second.IsFirst(), !sameFolder);
    (void)QTest::qWaitFor([&] { return asked > 0; }, 1000);
    EXPECT_EQ(asked, sameFolder);
  }
}

// A window hidden where the user left it opens there again, kept inside the
// free area of the offscreen platform's 800 x 800 screen. Rows: left at x, y,
// the window's width, height, opened at x, y: the title bar above the top
// edge; over the right and bottom edges; larger than the screen.
TEST(WindowPlaceTest, RememberedAndKeptOnTheScreen) {
  QStandardPaths::setTestModeEnabled(true);
  RememberWindowPlaces(true);
  const int rows[][6] = {
      {100, -30, 300, 200, 100, 0}, {700, 700, 300, 200, 500, 600}, {-20, -40, 900, 900, 0, 0}};
  for (const auto& r : rows) {
    QWidget left, again;
    PlaceWindow(&left, {r[2], r[3]}, "w");
    left.move(r[0], r[1]);
    left.show();
    left.hide();
    PlaceWindow(&again, {r[2], r[3]}, "w");
    EXPECT_EQ(again.pos(), QPoint(r[4], r[5]));
  }
}

// The icon has a picture drawn for each size a desktop's icon theme asks
// for, and gives that picture, not another size scaled, when asked; so does
// the window's icon for each size it lists.
TEST(AppIconTest, APictureForEverySize) {
  QStringList widths;
  for (const QIcon& icon : {AppIcon(), WindowIcon()}) {
    for (const QSize& s : icon.availableSizes()) {
      const auto format = QImage::Format_ARGB32_Premultiplied;
      const QImage drawn =
          QImage(QStringLiteral(":/icons/zorvane-%1.png").arg(s.width())).convertToFormat(format);
      widths << QString::number(icon.pixmap(s).width());
      EXPECT_EQ(icon.pixmap(s).toImage().convertToFormat(format), drawn) << s.width();
    }
  }
  EXPECT_EQ(widths.mid(0, 8).join(' '), "16 22 24 32 48 64 128 256");
}

// Each window with its longest captions: the settings panel open and the
// map's figures for a place in the polar night (80 degrees north in
// December).
TEST_F(DesktopTest, EveryCaptionFitsInEveryLanguage) {
  for (const char* language : {"de", "fr", "es"}) {
    UiTranslation translation{QLocale(language)};
    StartClock(test::CountriesBytes(test::EntryTable()));
    // Our words and Qt's own (the buttons of boxes) are both in the language.
    ASSERT_NE(WorldMap()->windowTitle(), "World Map");
    ASSERT_NE(qApp->translate("QPlatformTheme", "&Yes"), "&Yes");
    window_->SettingsAction()->trigger();
    WorldMap()->ShowPointInfo(80, 0);
    for (QWidget* w : std::initializer_list<QWidget*>{window_.get(), CountryInfo(), WorldMap()})
      ExpectCaptionsFit(w);
    TearDown();
  }
}

}  // namespace
}  // namespace zv
