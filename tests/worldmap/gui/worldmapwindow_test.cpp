// The world map window as the user drives it: its controls, marks, the
// point information, Find Country, Clear, the label click, and the two long
// commands with what may happen while they run.

#include "worldmap/gui/worldmapwindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "app/gui/appwindows.h"
#include "app/gui/twips.h"
#include "clock/gui/clockwindow.h"
#include "countryinfo/gui/countryinfowindow.h"
#include "data/countryfile.h"
#include "data/module1.h"
#include "support/clockfixture.h"

namespace zv {
namespace {

QByteArray Countries() {
  CountryTable t = test::EntryTable(QStringLiteral("0"), QStringLiteral("0.00N"), QStringLiteral("0.00E"));
  // Adjacent parts of one country, another match, then the first name again.
  t.at(10, kColName) = QStringLiteral("Ruritania (East)");
  t.at(11, kColName) = QStringLiteral("Ruritania (West)");
  t.at(12, kColName) = QStringLiteral("Rurik");
  t.at(13, kColName) = QStringLiteral("Ruritania (Far)");
  t.at(20, kColName) = QStringLiteral("(Unnamed) Isle");
  return test::CountriesBytes(t);
}

class WorldMapTest : public test::ClockWindowTest {
 protected:
  WorldMapTest() : ClockWindowTest(QDateTime(QDate(2026, 1, 1), QTime(12, 0))) {}
  void SetUp() override {
    StartClock(Countries());
    map_ = new WorldMapWindow();
    map_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(map_));
  }
  void TearDown() override {
    if (map_) map_->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ClockWindowTest::TearDown();
  }
  int DrawnPixels() const {
    const QImage& d = map_->Drawing();
    int n = 0;
    for (int y = 0; y < d.height(); ++y)
      for (int x = 0; x < d.width(); ++x)
        if (qAlpha(d.pixel(x, y)) != 0) ++n;
    return n;
  }

  QPointer<WorldMapWindow> map_;
};

struct Place {
  const char* what;
  double left, top, width, height;
};

TEST_F(WorldMapTest, ControlsAtTheirPlacesWithTheirCaptions) {
  EXPECT_EQ(map_->windowTitle(), "World Map");
  const std::pair<QWidget*, Place> places[] = {
      {map_->Command4(), {"Plot Sunrise/Sunset", 45, 4050, 1635, 350}},
      {map_->Command1(), {"Show Day/Night", 1710, 4050, 1500, 350}},
      {map_->Command3(), {"Close", 45, 4410, 780, 350}},
      {map_->Command5(), {"Find Country", 855, 4410, 1410, 350}},
      {map_->Command2(), {"Clear", 2295, 4410, 915, 350}},
      {map_->Text1(), {"GMT box", 540, 3645, 1140, 330}},
      {map_->Shape1(), {"progress frame", 3555, 4500, 3435, 240}},
  };
  for (const auto& [widget, place] : places) {
    SCOPED_TRACE(place.what);
    EXPECT_EQ(widget->geometry(), TwipRect(place.left, place.top, place.width, place.height));
    if (auto* b = qobject_cast<QPushButton*>(widget)) {
      EXPECT_EQ(b->text(), place.what);
      // The caption fits its button in the window's font.
      EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()), b->width() - 4);
    }
  }
  EXPECT_FALSE(map_->Shape1()->isVisible());
  EXPECT_FALSE(map_->Shape2()->isVisible());
  ASSERT_NE(map_->lblGMT(0), nullptr);
  EXPECT_EQ(map_->lblGMT(0)->text(), "GMT");
  EXPECT_EQ(map_->HighestLabelIndex(), 0);
  // The legend captions are drawn whole, left of their lines.
  for (int i : {0, 1}) {
    QLabel* l = map_->Label2(i);
    EXPECT_EQ(l->pos(), TwipPoint(i == 0 ? 7875 : 9405, 4545)) << i;
    EXPECT_GE(l->width(), l->fontMetrics().horizontalAdvance(l->text())) << i;
    EXPECT_LE(l->geometry().right(), Px(i == 0 ? 8505 : 10035)) << i;
  }
  EXPECT_EQ(map_->Label2(0)->text(), "Sun rise");
  EXPECT_EQ(map_->Label2(1)->text(), "Sun set");
  // The four information labels lie inside the client area, below the map.
  for (int i : {5, 4, 3, 2}) {
    QLabel* l = map_->Label1(i);
    EXPECT_TRUE(map_->rect().contains(l->geometry())) << i;
    EXPECT_GE(l->y(), Px(4800) - 1) << i;
  }
}

TEST_F(WorldMapTest, MarkAtTheOriginDrawsTheCrossAndPlacesTheLabel) {
  map_->MarkCountry(1);
  ASSERT_EQ(map_->HighestLabelIndex(), 1);
  QLabel* label = map_->lblGMT(1);
  EXPECT_EQ(label->text(), "Entry 1");
  EXPECT_TRUE(label->isVisible());
  EXPECT_EQ(label->pos(), TwipPoint(5445 + 150, 2304 - 100));
  const QImage& d = map_->Drawing();
  // Both arms of the cross, through (5445, 2304) twips; nothing far from it.
  EXPECT_NE(qAlpha(d.pixel(Px(5445), Px(2304))), 0);
  EXPECT_NE(qAlpha(d.pixel(Px(5445 - 90), Px(2304))), 0);
  EXPECT_NE(qAlpha(d.pixel(Px(5445), Px(2304 + 90))), 0);
  EXPECT_EQ(qAlpha(d.pixel(Px(5445 + 300), Px(2304))), 0);
  EXPECT_EQ(qAlpha(d.pixel(Px(5445), Px(2304 - 300))), 0);
}

TEST_F(WorldMapTest, NameLabelsCutAtTheZoneButKeepANameStartingWithAParenthesis) {
  map_->MarkCountry(10);
  map_->MarkCountry(20);
  EXPECT_EQ(map_->lblGMT(1)->text(), "Ruritania");
  EXPECT_EQ(map_->lblGMT(2)->text(), "(Unnamed) Isle");
}

TEST_F(WorldMapTest, BadCoordinatesMarkAtZero) {
  for (const char* text : {"", "N", "abcN", "1"}) {
    SCOPED_TRACE(text);
    Shared().working.at(5, kColLatitude) = QString::fromLatin1(text);
    Shared().working.at(5, kColLongitude) = QString::fromLatin1(text);
    map_->ClearMap();
    map_->MarkCountry(5);
    ASSERT_EQ(map_->HighestLabelIndex(), 1);
    EXPECT_EQ(map_->lblGMT(1)->pos(), TwipPoint(5445 + 150, 2304 - 100));
  }
}

TEST_F(WorldMapTest, PointInformationCaptions) {
  map_->ShowSLightInfo(0.5, -0.25);
  EXPECT_TRUE(map_->Label1(5)->text().startsWith("Latitude  0.50")) << map_->Label1(5)->text().toStdString();
  EXPECT_TRUE(map_->Label1(3)->text().startsWith("Sunrise at ")) << map_->Label1(3)->text().toStdString();
  EXPECT_TRUE(map_->Label1(3)->text().endsWith(" GMT"));
  // A press on the map moves the marker there and reports the point.
  QTest::mouseClick(map_, Qt::LeftButton, {}, QPoint(363, 154));
  EXPECT_EQ(map_->Shape3()->pos(), QPoint(363, 154));
  EXPECT_TRUE(map_->Label1(4)->text().startsWith("Longitude")) << map_->Label1(4)->text().toStdString();
  EXPECT_TRUE(map_->Label1(2)->text().startsWith("Sunset at "));
}

TEST_F(WorldMapTest, FindCountryMarksAdjacentPartsOnceAndReports) {
  struct Case {
    const char* answer;
    int marks;
    const char* message;
  };
  const Case cases[] = {
      // East and West share one mark; Far follows Rurik, so it is marked again.
      {"ruri", 3, "3 countries found."},
      {"ruritania", 1, "1 country found."},  // Far repeats the last mark
      {"xyz", 0, "XYZ* not found"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer);
    map_->ClearMap();
    prompts_.messages.clear();
    prompts_.AnswerInput(QString::fromLatin1(c.answer));
    map_->FindCountry();
    EXPECT_EQ(map_->HighestLabelIndex(), c.marks);
    EXPECT_EQ(prompts_.messages, QStringList{c.message});
  }
  // The last search text is offered next time; Cancel marks nothing and says nothing.
  prompts_.messages.clear();
  prompts_.AnswerInput(std::nullopt);
  map_->FindCountry();
  EXPECT_EQ(prompts_.asked.back().offered, "xyz");
  EXPECT_EQ(prompts_.asked.back().prompt, "Enter the partial name of country to locate");
  EXPECT_TRUE(prompts_.messages.isEmpty());
}

TEST_F(WorldMapTest, ClearErasesDrawingsAndLabelsButNotTheTemplate) {
  map_->MarkCountry(1);
  map_->MarkCountry(2);
  ASSERT_GT(DrawnPixels(), 0);
  map_->ClearMap();
  EXPECT_EQ(DrawnPixels(), 0);
  EXPECT_EQ(map_->HighestLabelIndex(), 0);
  EXPECT_EQ(map_->lblGMT(1), nullptr);
  ASSERT_NE(map_->lblGMT(0), nullptr);
  // A new label takes index 1 again.
  map_->MarkCountry(3);
  EXPECT_EQ(map_->HighestLabelIndex(), 1);
}

TEST_F(WorldMapTest, ClickOnANameLabelOpensTheEntry) {
  map_->MarkCountry(11);  // labelled "Ruritania": the first caption holding it is entry 10
  map_->ClickMapLabel(1);
  ASSERT_NE(CountryInfoIfLoaded(), nullptr);
  EXPECT_TRUE(CountryInfo()->isVisible());
  EXPECT_EQ(CountryInfo()->Text2()->text(), "10");
}

TEST_F(WorldMapTest, ShowDayNightDrawsAndEndsWithTheProgressHidden) {
  Shared().gmtTimeText = QStringLiteral("12:00 PM");
  map_->ShowDayNight();
  EXPECT_GT(DrawnPixels(), 1000);
  EXPECT_FALSE(map_->Shape1()->isVisible());
  EXPECT_FALSE(map_->IsRunning());
  EXPECT_DOUBLE_EQ(map_->ProgressWidthTwips(), 3435.0 * 182 / 360);
  // The GMT time text is left in its 24-hour form.
  EXPECT_EQ(Shared().gmtTimeText, "12:00");
  EXPECT_TRUE(prompts_.messages.isEmpty());
}

TEST_F(WorldMapTest, ShowDayNightWithNoTimeOfDaySaysSoAndDrawsNothing) {
  Shared().gmtTimeText = QStringLiteral("soon");
  map_->ShowDayNight();
  EXPECT_EQ(DrawnPixels(), 0);
  ASSERT_EQ(prompts_.messages.size(), 1);
  EXPECT_TRUE(prompts_.messages[0].contains("soon"));
  EXPECT_FALSE(map_->Shape1()->isVisible());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(WorldMapTest, PlotPlacesTheTagInUpperCase) {
  map_->Text1()->setText(QStringLiteral("3:45 pm"));
  map_->PlotSunriseSunset();
  ASSERT_EQ(map_->HighestLabelIndex(), 1);
  QLabel* tag = map_->lblGMT(1);
  EXPECT_EQ(tag->text(), "GMT: 3:45 PM");
  EXPECT_TRUE(tag->isVisible());
  EXPECT_EQ(tag->y(), Px(50));
  EXPECT_EQ(Shared().gmtTimeText, "15:45");
  EXPECT_DOUBLE_EQ(map_->ProgressWidthTwips(), 3435.0 * 182 / 180);
  EXPECT_EQ(map_->Shape2()->Colour(), QColor(255, 0, 0));
  // Red sunrise and blue sunset strokes are on the drawing.
  bool red = false, blue = false;
  const QImage& d = map_->Drawing();
  for (int y = 0; y < d.height(); ++y)
    for (int x = 0; x < d.width(); ++x) {
      const QRgb p = d.pixel(x, y);
      if (qAlpha(p) == 255 && qRed(p) == 255 && qGreen(p) == 0 && qBlue(p) == 0) red = true;
      if (qAlpha(p) == 255 && qRed(p) == 0 && qGreen(p) == 0 && qBlue(p) == 255) blue = true;
    }
  EXPECT_TRUE(red);
  EXPECT_TRUE(blue);
}

TEST_F(WorldMapTest, PlotWithNoTimeOfDayFailsVisiblyAndDrawsNothing) {
  map_->Text1()->setText(QStringLiteral("25:99"));
  map_->PlotSunriseSunset();
  EXPECT_EQ(prompts_.messages, QStringList{"13. Type mismatch"});
  EXPECT_EQ(DrawnPixels(), 0);
  ASSERT_EQ(map_->HighestLabelIndex(), 1);
  EXPECT_FALSE(map_->lblGMT(1)->isVisible());
  EXPECT_FALSE(map_->Shape1()->isVisible());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(WorldMapTest, OtherCommandsAreIgnoredWhileOneRuns) {
  Shared().gmtTimeText = QStringLiteral("6:00 AM");
  bool pressed = false;
  QTimer::singleShot(0, map_, [&] {
    pressed = true;
    EXPECT_TRUE(map_->IsRunning());
    map_->Command4()->click();  // a plot would create a tag label
    map_->Command2()->click();  // a clear would erase what is drawn so far
  });
  map_->ShowDayNight();
  EXPECT_TRUE(pressed);
  EXPECT_EQ(map_->HighestLabelIndex(), 0);
  EXPECT_GT(DrawnPixels(), 1000);
}

TEST_F(WorldMapTest, ClosingTheWindowDuringARunStopsIt) {
  Shared().gmtTimeText = QStringLiteral("6:00 AM");
  QTimer::singleShot(0, map_, [this] { map_->close(); });
  map_->ShowDayNight();  // returns once the window has closed, without a crash
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(map_.isNull());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace zv

namespace zv {
namespace {

// A press on a name label stays with the label: the marker and the point
// information keep what the last press on the map gave them.
TEST_F(WorldMapTest, PressOnANameLabelDoesNotReachTheMap) {
  QTest::mouseClick(map_, Qt::LeftButton, {}, QPoint(100, 100));
  const QPoint marker = map_->Shape3()->pos();
  const QString latitude = map_->Label1(5)->text();
  map_->MarkCountry(3);
  QLabel* label = map_->lblGMT(1);
  QTest::mousePress(label, Qt::LeftButton, {}, QPoint(2, 2));
  QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(2, 2));
  EXPECT_EQ(map_->Shape3()->pos(), marker);
  EXPECT_EQ(map_->Label1(5)->text(), latitude);
}

// The message of a failed command comes with the normal pointer.
TEST_F(WorldMapTest, FailureMessageShowsTheNormalPointer) {
  struct Watch : test::ScriptedPrompter {
    bool busyDuringMessage = true;
    void Message(QWidget* parent, const QString& text) override {
      busyDuringMessage = QGuiApplication::overrideCursor() != nullptr;
      ScriptedPrompter::Message(parent, text);
    }
  } watch;
  map_->Text1()->setText(QStringLiteral("25:99"));
  map_->PlotSunriseSunset();
  ASSERT_EQ(watch.messages.size(), 1);
  EXPECT_FALSE(watch.busyDuringMessage);
}

}  // namespace
}  // namespace zv
