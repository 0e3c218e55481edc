// The map picture preview of the country information window: the scroll set
// up, the pop-up menu with Copy and Open, and the link to the world map.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QUrl>

#include "app/gui/appwindows.h"
#include "common/gui/twips.h"
#include "countryinfo/gui/countryinfowindow.h"
#include "data/countryfile.h"
#include "data/module1.h"
#include "solar/numberfns.h"
#include "support/clockfixture.h"
#include "worldmap/gui/worldmapwindow.h"

namespace zv {
namespace {

// Receives the URLs that QDesktopServices is asked to open, so that no
// desktop program is started.
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> urls;
 public slots:
  void Open(const QUrl& url) { urls << url; }
};

CountryTable Table() {
  CountryTable t = test::EntryTable();
  for (int n = 1; n <= kEntryCount; ++n) t.at(n, kColMapName) = QStringLiteral("none");
  t.at(5, kColName) = QStringLiteral("Pakistan (PK)");
  t.at(5, kColMapName) = QStringLiteral("pk");
  return t;
}

class MapPreviewTest : public test::InfoWindowTest {
 protected:
  MapPreviewTest() : test::InfoWindowTest(QDateTime(QDate(2026, 12, 7), QTime(4, 0)), Table()) {}
  void SetUp() override {
    QDir(data_.Root()).mkpath("Maps");
    QDesktopServices::setUrlHandler("file", &catcher_, "Open");
  }
  void TearDown() override {
    QDesktopServices::unsetUrlHandler("file");
    test::InfoWindowTest::TearDown();
  }
  void Picture(const QString& name, int w, int h) {
    QImage picture(w, h, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(data_.Path("Maps/" + name + "-map.jpg"), "JPG"));
  }

  UrlCatcher catcher_;
};

struct ScrollCase {
  int width, height;
  bool hEnabled, vEnabled;
  int hMax, vMax, hValue, vValue;
  double left, top;  // twips
};

class ScrollSetUpTest : public MapPreviewTest, public ::testing::WithParamInterface<ScrollCase> {};

TEST_P(ScrollSetUpTest, MaximumStartValueAndPosition) {
  const ScrollCase c = GetParam();
  Picture("pk", c.width, c.height);
  CountryInfoWindow* w = CountryInfo();
  w->SetEntryText("5");
  EXPECT_EQ(w->width(), Px(kInfoWideTwips));
  EXPECT_EQ(w->HScroll1()->isEnabled(), c.hEnabled);
  EXPECT_EQ(w->VScroll1()->isEnabled(), c.vEnabled);
  if (c.hEnabled) {
    EXPECT_EQ(w->HScroll1()->maximum(), c.hMax);
  }
  if (c.vEnabled) {
    EXPECT_EQ(w->VScroll1()->maximum(), c.vMax);
  }
  EXPECT_EQ(w->HScroll1()->value(), c.hValue);
  EXPECT_EQ(w->VScroll1()->value(), c.vValue);
  EXPECT_EQ(w->VScroll1()->pageStep(), 5);
  EXPECT_DOUBLE_EQ(w->ImageLeftTwips(), c.left);
  EXPECT_DOUBLE_EQ(w->ImageTopTwips(), c.top);
  EXPECT_EQ(w->Image1()->pos(), TwipPoint(c.left, c.top));
  EXPECT_EQ(w->Image1()->size(), QSize(c.width, c.height));
}

INSTANTIATE_TEST_SUITE_P(Pictures, ScrollSetUpTest,
                         ::testing::Values(
                             // 7500 twips high: (7500 - 5805) / 200 + 2 = 10.475 -> 10, start 5.
                             ScrollCase{300, 500, false, true, 0, 10, 0, 5, 90, -820},
                             // 7500 twips wide: (7500 - 5355) / 200 + 2 = 12.725 -> 13, start 6.5 -> 6.
                             ScrollCase{500, 300, true, false, 13, 0, 6, 0, 90 - 1200, 180},
                             // Exactly the frame's height (387 px = 5805 twips): not scrolled.
                             ScrollCase{357, 387, false, false, 0, 0, 0, 0, 90, 180},
                             // 394 px = 5910 twips: 105 / 200 + 2 = 2.525 -> 3, start 1.5 -> 2.
                             ScrollCase{100, 394, false, true, 0, 3, 0, 2, 90, 180 - 400}));

TEST_F(MapPreviewTest, DraggingMovesOnceByTheTotalAndNextEntryStartsAtHome) {
  Picture("pk", 300, 500);
  CountryInfoWindow* w = CountryInfo();
  w->SetEntryText("5");
  QScrollBar* bar = w->VScroll1();
  bar->setSliderDown(true);
  for (int v : {4, 3, 2, 1, 0}) bar->setSliderPosition(v);  // scroll events, then the change
  bar->setSliderDown(false);
  EXPECT_DOUBLE_EQ(w->ImageTopTwips(), 180);
  bar->setSliderDown(true);
  for (int v : {1, 2, 3}) bar->setSliderPosition(v);
  bar->setSliderDown(false);
  EXPECT_DOUBLE_EQ(w->ImageTopTwips(), 180 - 600);
  // An entry without a picture narrows the window and empties the picture.
  w->SetEntryText("6");
  EXPECT_EQ(w->width(), Px(kInfoNarrowTwips));
  EXPECT_EQ(w->VScroll1()->value(), 0);
  EXPECT_FALSE(w->VScroll1()->isEnabled());
  EXPECT_TRUE(w->Image1()->pixmap().isNull());
  EXPECT_DOUBLE_EQ(w->ImageTopTwips(), 180);
}

TEST_F(MapPreviewTest, WidthFollowsThePictureAndTheWindowIsCentredAgain) {
  Picture("pk", 300, 300);
  CountryInfoWindow* w = CountryInfo();
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const int top = w->y();
  for (const char* entry : {"5", "6", "5"}) {
    w->SetEntryText(entry);
    const int width = Px(QString(entry) == "5" ? kInfoWideTwips : kInfoNarrowTwips);
    EXPECT_EQ(w->width(), width) << entry;
    EXPECT_EQ(w->x(), screen.x() + (screen.width() - width) / 2) << entry;
    EXPECT_EQ(w->y(), top) << entry;
  }
}

class BadMapNameTest : public MapPreviewTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(BadMapNameTest, NameReachingOutsideMapsIsNoPicture) {
  // A picture that the name would reach if it were followed.
  Picture("pk", 300, 300);
  QImage outside(300, 300, QImage::Format_RGB32);
  outside.fill(Qt::red);
  ASSERT_TRUE(outside.save(data_.Path("pk-map.jpg"), "JPG"));
  QDir(data_.Root()).mkpath("Maps/sub");
  ASSERT_TRUE(outside.save(data_.Path("Maps/sub/pk-map.jpg"), "JPG"));
  CountryInfoWindow* w = CountryInfo();
  Shared().working.at(7, kColMapName) = QString::fromUtf8(GetParam());
  w->SetEntryText("7");
  EXPECT_EQ(w->BoxText(kBoxMapName), QString::fromUtf8(GetParam()));
  EXPECT_EQ(w->width(), Px(kInfoNarrowTwips));
  EXPECT_TRUE(w->Image1()->pixmap().isNull());
  EXPECT_TRUE(Shared().mapPicturePath.isEmpty());
  w->OpenPicture();
  EXPECT_TRUE(catcher_.urls.isEmpty());
  w->CopyPicture();
  EXPECT_EQ(prompts_.messages, QStringList{"53 File not found"});
}

INSTANTIATE_TEST_SUITE_P(Names, BadMapNameTest,
                         ::testing::Values("../pk", "../Maps/pk", "sub/pk", "sub\\pk", "..", "/pk"));

TEST_F(MapPreviewTest, RightPressOnPictureOffersCopyAndOpen) {
  Picture("pk", 300, 300);
  CountryInfoWindow* w = CountryInfo();
  w->SetEntryText("5");
  w->show();
  QTest::mousePress(w->Image1(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(w->mnuFile()->isVisible());
  QTest::mousePress(w->Image1(), Qt::RightButton, {}, QPoint(5, 5));
  EXPECT_TRUE(w->mnuFile()->isVisible());
  QStringList items;
  for (QAction* a : w->mnuFile()->actions())
    if (a->isVisible()) items << a->text();
  EXPECT_EQ(items, QStringList({"Copy", "Open"}));
  w->mnuFile()->hide();
}

TEST_F(MapPreviewTest, CopyPutsThePictureOnTheClipboardOrSaysWhy) {
  Picture("pk", 240, 160);
  CountryInfoWindow* w = CountryInfo();
  w->SetEntryText("5");
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->setText("before");
  w->mnuCopy()->trigger();
  EXPECT_EQ(prompts_.messages, QStringList{"Image copied to clipboard."});
  EXPECT_EQ(clipboard->image().size(), QSize(240, 160));
  // The file is gone: the clipboard is emptied and the error told.
  ASSERT_TRUE(QFile::remove(data_.Path("Maps/pk-map.jpg")));
  w->mnuCopy()->trigger();
  ASSERT_EQ(prompts_.messages.size(), 2);
  EXPECT_EQ(prompts_.messages[1], "53 File not found");
  EXPECT_TRUE(clipboard->image().isNull());
  // A file that is no picture.
  data_.Write("Maps/pk-map.jpg", "not a picture");
  w->mnuCopy()->trigger();
  ASSERT_EQ(prompts_.messages.size(), 3);
  EXPECT_EQ(prompts_.messages[2], "481 Invalid picture");
}

TEST_F(MapPreviewTest, OpenAsksTheDesktopForTheFileAndReportsNothing) {
  Picture("pk", 240, 160);
  CountryInfoWindow* w = CountryInfo();
  w->SetEntryText("5");
  w->mnuOpen()->trigger();
  ASSERT_EQ(catcher_.urls.size(), 1);
  EXPECT_EQ(catcher_.urls[0], QUrl::fromLocalFile(data_.Path("Maps/pk-map.jpg")));
  EXPECT_TRUE(prompts_.messages.isEmpty());
}

TEST_F(MapPreviewTest, LinkMarksTheShownEntryOnTheWorldMap) {
  CountryInfoWindow* w = CountryInfo();
  w->SetEntryText("5");
  w->show();
  // The boxes as they stand count, committed or not.
  w->SetBoxText(kBoxLatitude, "0N");
  w->SetBoxText(kBoxLongitude, "0E");
  // The label takes the entry's name from the working copy, not the box.
  w->SetBoxText(kBoxName, "Edited (not committed)");
  QTest::mouseClick(w->Label4(), Qt::LeftButton);
  WorldMapWindow* map = WorldMapIfLoaded();
  ASSERT_NE(map, nullptr);
  EXPECT_TRUE(map->isVisible());
  ASSERT_EQ(map->HighestLabelIndex(), 1);
  QLabel* label = map->lblGMT(1);
  EXPECT_EQ(label->text(), "Pakistan");
  EXPECT_TRUE(label->isVisible());
  // lat 0, lon 0: cross at (5400, 2304), label at (5550, 2204) twips.
  EXPECT_EQ(label->pos(), TwipPoint(5550, 2204));
  const QImage& drawing = map->Drawing();
  EXPECT_GT(qAlpha(drawing.pixel(Px(5400), Px(2304))), 0);
  EXPECT_GT(qAlpha(drawing.pixel(Px(5400 - 90), Px(2304))), 0);
  EXPECT_GT(qAlpha(drawing.pixel(Px(5400), Px(2304 + 90))), 0);
  EXPECT_EQ(qAlpha(drawing.pixel(Px(5400 + 60), Px(2304 + 60))), 0);
  EXPECT_EQ(map->Label1(5)->text(), LatitudeCaption(0));
  // South and west, and a second click on the same place adds a second label.
  w->SetBoxText(kBoxLatitude, "45.5S");
  w->SetBoxText(kBoxLongitude, "67.01W");
  QTest::mouseClick(w->Label4(), Qt::LeftButton);
  QTest::mouseClick(w->Label4(), Qt::LeftButton);
  EXPECT_EQ(map->HighestLabelIndex(), 3);
  EXPECT_EQ(map->lblGMT(2)->pos(), map->lblGMT(3)->pos());
  EXPECT_EQ(map->Label1(5)->text(), LatitudeCaption(-45.5));
  EXPECT_EQ(map->Label1(4)->text(), LongitudeCaption(-67.01));
  // A right click on the link does nothing, nor a press let go elsewhere.
  QTest::mouseClick(w->Label4(), Qt::RightButton);
  QTest::mousePress(w->Label4(), Qt::LeftButton, {}, QPoint(3, 3));
  QTest::mouseRelease(w->Label4(), Qt::LeftButton, {}, QPoint(-40, -40));
  EXPECT_EQ(map->HighestLabelIndex(), 3);
  EXPECT_TRUE(prompts_.messages.isEmpty());
}

struct MissingCoordinate {
  const char* lat;
  const char* lon;
};

class LinkWithoutCoordinateTest : public MapPreviewTest,
                                  public ::testing::WithParamInterface<MissingCoordinate> {};

TEST_P(LinkWithoutCoordinateTest, DrawsNoMarkAndSaysWhy) {
  CountryInfoWindow* w = CountryInfo();
  w->SetEntryText("5");
  w->SetBoxText(kBoxLatitude, QString::fromUtf8(GetParam().lat));
  w->SetBoxText(kBoxLongitude, QString::fromUtf8(GetParam().lon));
  WorldMapWindow* map = WorldMap();
  map->show();
  QTest::mouseClick(w->Label4(), Qt::LeftButton);
  EXPECT_EQ(map->HighestLabelIndex(), 0);
  ASSERT_EQ(prompts_.messages.size(), 1);
  EXPECT_TRUE(prompts_.messages[0].contains("no latitude or longitude"));
  // The point information is left as it was.
  EXPECT_NE(map->Label1(5)->text(), LatitudeCaption(0));
}

INSTANTIATE_TEST_SUITE_P(Boxes, LinkWithoutCoordinateTest,
                         ::testing::Values(MissingCoordinate{"", "20E"}, MissingCoordinate{"10N", ""},
                                           MissingCoordinate{"N", "20E"}, MissingCoordinate{"10N", "   "}));

}  // namespace
}  // namespace zv

#include "mappreview_test.moc"
