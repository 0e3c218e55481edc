// The clock window's commands driven through their menu items and the mouse,
// as the user reaches them, and the windows that they join.

#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "app/gui/appwindows.h"
#include "clock/gui/clockwindow.h"
#include "common/gui/twips.h"
#include "countryinfo/gui/countryinfowindow.h"
#include "data/countryfile.h"
#include "data/module1.h"
#include "data/savefile.h"
#include "solar/numberfns.h"
#include "support/clockfixture.h"
#include "worldmap/gui/worldmapwindow.h"
#include "worldmap/mapgeometry.h"

namespace zv {
namespace {

QByteArray Countries() {
  CountryTable t = test::EntryTable();
  t.at(3, kColName) = QStringLiteral("Japan");
  t.at(3, kColOffset) = QStringLiteral("9");
  t.at(3, kColLatitude) = QStringLiteral("35.68N");
  t.at(3, kColLongitude) = QStringLiteral("139.69E");
  t.at(8, kColName) = QStringLiteral("Chile (Easter Island)");
  t.at(8, kColLatitude) = QString();
  t.at(8, kColLongitude) = QStringLiteral("109.35W");
  return test::CountriesBytes(t);
}

class MenusTest : public test::ClockWindowTest {
 protected:
  MenusTest() : ClockWindowTest(QDateTime(QDate(2026, 12, 6), QTime(15, 0))) {}
  void SetUp() override {
    StartClock(Countries());
    window_->show();
  }
  QString Tip(int row) {
    QLabel* cell = window_->NameCell(row);
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), cell->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(cell, &help);
    return cell->toolTip();
  }
};

TEST_F(MenusTest, SunlightMapShowsTheWorldMapBesideTheClock) {
  EXPECT_EQ(WorldMapIfLoaded(), nullptr);
  window_->mnuSunClock()->trigger();
  WorldMapWindow* map = WorldMapIfLoaded();
  ASSERT_NE(map, nullptr);
  EXPECT_TRUE(map->isVisible());
  EXPECT_TRUE(map->isWindow());
  EXPECT_EQ(map->windowModality(), Qt::NonModal);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(map->HighestLabelIndex(), 0);  // showing marks nothing
}

TEST_F(MenusTest, ShortcutKeysRunTheirCommands) {
  prompts_.AnswerInput(QStringLiteral("japan"));
  window_->mnuFind()->trigger();
  ASSERT_EQ(window_->NameColour(3), kFindColour);
  window_->Text1()->setText("2:15 AM");
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  // F5: the computer's time back and the green gone.
  QTest::keyClick(window_.get(), Qt::Key_F5);
  EXPECT_EQ(window_->Text1()->text(), "3:00 PM");
  EXPECT_EQ(window_->NameColour(3), ClockWindow::NameTemplateColour());
  // Ctrl+S: the world map.
  QTest::keyClick(window_.get(), Qt::Key_S, Qt::ControlModifier);
  ASSERT_NE(WorldMapIfLoaded(), nullptr);
  EXPECT_TRUE(WorldMapIfLoaded()->isVisible());
}

TEST_F(MenusTest, ExitWritesTheZoneFileAndClosesTheOtherWindows) {
  window_->mnuSunClock()->trigger();
  PressName(4, Qt::LeftButton);
  ASSERT_NE(CountryInfoIfLoaded(), nullptr);
  window_->Text2()->setText("5.5");
  window_->mnuExit()->trigger();
  EXPECT_FALSE(window_->isVisible());
  EXPECT_EQ(data_.Read("tzone.txt"), " 5.5           0 \r\n");
  EXPECT_EQ(CountryInfoIfLoaded(), nullptr);
  EXPECT_EQ(WorldMapIfLoaded(), nullptr);
}

TEST_F(MenusTest, LocateMarksTheSelectedEntryAsMarkCountryDoes) {
  Select(3);
  window_->mnuLocate()->trigger();
  WorldMapWindow* map = WorldMapIfLoaded();
  ASSERT_NE(map, nullptr);
  EXPECT_TRUE(map->isVisible());
  ASSERT_EQ(map->HighestLabelIndex(), 1);
  EXPECT_EQ(map->lblGMT(1)->text(), "Japan");
  EXPECT_EQ(map->lblGMT(1)->pos(), TwipPoint(LonToX(139.69) + 150, MarkY(35.68) - 100));
  EXPECT_EQ(map->Label1(5)->text(), LatitudeCaption(35.68));
  EXPECT_EQ(map->Label1(4)->text(), LongitudeCaption(139.69));
  // An empty latitude marks the equator, and the name loses its bracket.
  Select(8);
  window_->mnuLocate()->trigger();
  ASSERT_EQ(map->HighestLabelIndex(), 2);
  EXPECT_EQ(map->lblGMT(2)->text(), "Chile");
  EXPECT_EQ(map->lblGMT(2)->pos(), TwipPoint(LonToX(-109.35) + 150, MarkY(0) - 100));
  EXPECT_EQ(map->Label1(5)->text(), LatitudeCaption(0));
  EXPECT_EQ(map->Label1(4)->text(), LongitudeCaption(-109.35));
  EXPECT_TRUE(prompts_.messages.isEmpty());
}

TEST_F(MenusTest, ClearThatCannotWriteIsToldOnceAndColoursFollowTheFile) {
  data_.Write("highlight.txt", " 12 \r\n 40 \r\n");
  window_->Calculate();
  Select(12);
  test::FailWritesAfter(0);
  window_->mnuNormalize()->trigger();
  test::FailWritesAfter(-1);
  ASSERT_EQ(prompts_.messages.size(), 1);
  EXPECT_TRUE(prompts_.messages[0].contains("highlight.txt"));
  EXPECT_EQ(data_.Read("highlight.txt"), " 12 \r\n 40 \r\n");
  // The file still holds 12, and the grid says so.
  EXPECT_EQ(window_->NameColour(12), kHighlightColour);
  EXPECT_EQ(window_->NameColour(40), kHighlightColour);
  EXPECT_EQ(window_->NameColour(13), ClockWindow::NameTemplateColour());
  // The grid goes on working.
  prompts_.AnswerInput(QStringLiteral("japan"));
  window_->mnuFind()->trigger();
  EXPECT_EQ(window_->NameColour(3), kFindColour);
  EXPECT_EQ(prompts_.messages.size(), 1);
}

TEST_F(MenusTest, TipsFollowThePointerAndTheShownTime) {
  EXPECT_EQ(Tip(3), "Japan  12:00 AM  ");
  EXPECT_EQ(Tip(226), "Daylight saving time active in 0 countries/zones");
  EXPECT_TRUE(Tip(227).isEmpty());
  EXPECT_TRUE(Tip(228).isEmpty());
  // The tip reads the time cell as it stands, shifted times included.
  Select(3);
  prompts_.AnswerInput(QStringLiteral("2:30 AM"));
  window_->mnuChange()->trigger();
  EXPECT_EQ(Tip(3), "Japan  2:30 AM  ");
  EXPECT_EQ(Tip(4), "Entry 4  5:30 PM  ");
  // A time cell has no tip.
  EXPECT_TRUE(window_->TimeCell(3)->toolTip().isEmpty());
}

TEST_F(MenusTest, LeftPressOnALegendNameShowsTheLastEntry) {
  CountryInfoWindow* info = CountryInfo();
  const int beeps = info->BeepCount();
  PressName(226, Qt::LeftButton);
  EXPECT_EQ(Shared().selectedEntry, "226");
  EXPECT_TRUE(info->isVisible());
  EXPECT_EQ(info->BeepCount(), beeps + 1);
  EXPECT_EQ(info->Text2()->text(), "224");
  EXPECT_EQ(info->parentWidget(), nullptr);
}

TEST_F(MenusTest, ModalInfoWindowLeavesTheWorldMapUsableAndBlocksTheClock) {
  Select(3);
  window_->mnuEditItem()->trigger();
  CountryInfoWindow* info = CountryInfoIfLoaded();
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(QApplication::activeModalWidget(), info);
  EXPECT_EQ(info->Text2()->text(), "3");
  // The link brings up the world map window, a window of its own.
  QTest::mouseClick(info->Label4(), Qt::LeftButton);
  WorldMapWindow* map = WorldMapIfLoaded();
  ASSERT_NE(map, nullptr);
  EXPECT_TRUE(map->isVisible());
  EXPECT_TRUE(map->isWindow());
  EXPECT_EQ(map->lblGMT(1)->text(), "Japan");
  // It takes the user's clicks while the information window stays modal.
  // The presses go through the window system, which holds back input from
  // windows that a modal window blocks.
  const QPoint at(360, 160);
  QTest::mousePress(map->windowHandle(), Qt::LeftButton, {}, at);
  QTest::mouseRelease(map->windowHandle(), Qt::LeftButton, {}, at);
  EXPECT_EQ(map->Shape3()->pos(), at);
  EXPECT_EQ(map->Label1(4)->text(), LongitudeCaption(ClickToLatLon(Twips(at.x()), Twips(at.y())).lon));
  EXPECT_TRUE(info->isVisible());
  EXPECT_EQ(QApplication::activeModalWidget(), info);
  // The clock window itself does not: its names do not select.
  const QPoint name5 = window_->NameCell(5)->mapTo(window_.get(), QPoint(2, 2));
  QTest::mousePress(window_->windowHandle(), Qt::RightButton, {}, name5);
  QTest::mouseRelease(window_->windowHandle(), Qt::RightButton, {}, name5);
  EXPECT_EQ(Shared().selectedEntry, "3");
  EXPECT_FALSE(window_->mnuFunc()->isVisible());
  // Closed, the information window sets the clock free again.
  info->Command1(4)->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(CountryInfoIfLoaded(), nullptr);
  QTest::mousePress(window_->windowHandle(), Qt::RightButton, {}, name5);
  QTest::mouseRelease(window_->windowHandle(), Qt::RightButton, {}, name5);
  EXPECT_EQ(Shared().selectedEntry, "5");
  window_->mnuFunc()->hide();
  // The next left press opens a fresh window, not modal and without an owner.
  PressName(6, Qt::LeftButton);
  ASSERT_NE(CountryInfoIfLoaded(), nullptr);
  EXPECT_EQ(CountryInfoIfLoaded()->windowModality(), Qt::NonModal);
  EXPECT_EQ(CountryInfoIfLoaded()->parentWidget(), nullptr);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace zv
