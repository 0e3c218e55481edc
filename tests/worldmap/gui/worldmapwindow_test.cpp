// The world map window as the user drives it: its controls, marks, the
// point information, Find Country, Clear, the label click, and the two long
// commands with what may happen while they run.

#include "worldmap/gui/worldmapwindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>

#include "app/gui/appwindows.h"
#include "clock/gui/clockwindow.h"
#include "common/gui/twips.h"
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
      {map_->Shape2(), {"progress fill", 3555, 4500, 15, 240}},
      {map_->Shape4(), {"legend box", 7785, 4500, 2985, 285}},
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
  // The legend lines run from x1 to x2 at y 4680 twips.
  const struct {
    const char* what;
    QWidget* line;
    double x1, x2;
  } lines[] = {{"red line", map_->Line1(0), 8505, 9135}, {"blue line", map_->Line1(1), 10035, 10665}};
  for (const auto& l : lines) {
    EXPECT_EQ(l.line->x(), Px(l.x1)) << l.what;
    EXPECT_EQ(l.line->x() + l.line->width(), Px(l.x2)) << l.what;
    EXPECT_NEAR(l.line->geometry().center().y(), Px(4680), 1) << l.what;
  }
  // Controls that size themselves: their top left corners.
  const struct {
    const char* what;
    QWidget* widget;
    double left, top;
  } corners[] = {{"GMT", map_->Label1(0), 90, 3690},         {"Latitude", map_->Label1(5), 45, 4860},
                 {"Longitude", map_->Label1(4), 2505, 4860}, {"Sunrise at", map_->Label1(3), 4905, 4860},
                 {"Sunset at", map_->Label1(2), 7830, 4860}, {"point marker", map_->Shape3(), 0, 405},
                 {"GMT label", map_->lblGMT(0), 0, 50}};
  for (const auto& c : corners) EXPECT_EQ(c.widget->pos(), TwipPoint(c.left, c.top)) << c.what;
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
  EXPECT_EQ(label->pos(), TwipPoint(5400 + 150, 2304 - 100));
  const QImage& d = map_->Drawing();
  // Both arms of the cross, through (5400, 2304) twips; nothing far from it.
  EXPECT_NE(qAlpha(d.pixel(Px(5400), Px(2304))), 0);
  EXPECT_NE(qAlpha(d.pixel(Px(5400 - 90), Px(2304))), 0);
  EXPECT_NE(qAlpha(d.pixel(Px(5400), Px(2304 + 90))), 0);
  EXPECT_EQ(qAlpha(d.pixel(Px(5400 + 300), Px(2304))), 0);
  EXPECT_EQ(qAlpha(d.pixel(Px(5400), Px(2304 - 300))), 0);
  // The pen is 2 pixels wide, as the legend lines: across the vertical arm,
  // a little below the centre.
  int across = 0;
  for (int x = Px(5400) - 5; x <= Px(5400) + 5; ++x) across += qAlpha(d.pixel(x, Px(2304) + 4)) != 0;
  EXPECT_EQ(across, 2);
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
      busyDuringMessage = parent->cursor().shape() == Qt::WaitCursor;
      ScriptedPrompter::Message(parent, text);
    }
  } watch;
  map_->Text1()->setText(QStringLiteral("25:99"));
  map_->PlotSunriseSunset();
  ASSERT_EQ(watch.messages.size(), 1);
  EXPECT_FALSE(watch.busyDuringMessage);
}

// Every caption and control keeps the presses made on it; only a press on
// the map itself moves the marker and rewrites the point information. The
// presses go through the window as the platform delivers them, so a caption
// that lets presses through hands them to the window below.
TEST_F(WorldMapTest, PressesOnCaptionsAndControlsStayWithThem) {
  struct Row {
    const char* what;
    std::function<QWidget*(WorldMapWindow*)> widget;
  };
  const Row rows[] = {
      {"Plot Sunrise/Sunset", [](WorldMapWindow* m) { return m->Command4(); }},
      {"Show Day/Night", [](WorldMapWindow* m) { return m->Command1(); }},
      {"Close", [](WorldMapWindow* m) { return m->Command3(); }},
      {"Find Country", [](WorldMapWindow* m) { return m->Command5(); }},
      {"Clear", [](WorldMapWindow* m) { return m->Command2(); }},
      {"GMT box", [](WorldMapWindow* m) { return m->Text1(); }},
      {"GMT", [](WorldMapWindow* m) { return m->Label1(0); }},
      {"Latitude", [](WorldMapWindow* m) { return m->Label1(5); }},
      {"Longitude", [](WorldMapWindow* m) { return m->Label1(4); }},
      {"Sunrise at", [](WorldMapWindow* m) { return m->Label1(3); }},
      {"Sunset at", [](WorldMapWindow* m) { return m->Label1(2); }},
      {"Sun rise", [](WorldMapWindow* m) { return m->Label2(0); }},
      {"Sun set", [](WorldMapWindow* m) { return m->Label2(1); }},
      {"legend box", [](WorldMapWindow* m) { return m->Shape4(); }},
      {"red legend line", [](WorldMapWindow* m) { return m->Line1(0); }},
      {"blue legend line", [](WorldMapWindow* m) { return m->Line1(1); }},
  };
  QWindow* window = map_->windowHandle();
  ASSERT_NE(window, nullptr);
  const QPoint onMap(100, 100);
  QTest::mouseClick(window, Qt::LeftButton, {}, onMap);
  ASSERT_EQ(map_->Shape3()->pos(), onMap);
  const QString latitude = map_->Label1(5)->text();
  ASSERT_TRUE(latitude.startsWith("Latitude ")) << latitude.toStdString();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    QWidget* w = row.widget(map_);
    ASSERT_TRUE(w->isVisible());
    const QPoint at = w->geometry().center();
    EXPECT_FALSE(map_->IsMapPress(at));
    QTest::mousePress(window, Qt::LeftButton, {}, at);
    // Released away from every button, so that none of them runs.
    QTest::mouseRelease(window, Qt::LeftButton, {}, onMap);
    ASSERT_FALSE(map_.isNull());
    EXPECT_EQ(map_->Shape3()->pos(), onMap);
    EXPECT_EQ(map_->Label1(5)->text(), latitude);
  }
  // The strip below the map, clear of the captions, is no map either; the map
  // itself, even under the hidden progress bar, takes the press.
  EXPECT_FALSE(map_->IsMapPress(QPoint(map_->width() - 5, map_->height() - 5)));
  const QPoint underBar = map_->Shape1()->geometry().center();
  QTest::mouseClick(window, Qt::LeftButton, {}, underBar);
  EXPECT_EQ(map_->Shape3()->pos(), underBar);
  EXPECT_NE(map_->Label1(5)->text(), latitude);
}

// While a command runs, its progress bar keeps the presses made on it.
TEST_F(WorldMapTest, PressOnTheProgressBarDuringARunStaysWithIt) {
  Shared().gmtTimeText = QStringLiteral("6:00 AM");
  bool pressed = false;
  QTimer::singleShot(0, map_, [&] {
    pressed = true;
    const QPoint at = map_->Shape1()->geometry().center();
    EXPECT_TRUE(map_->Shape1()->isVisible());
    QTest::mouseClick(map_->windowHandle(), Qt::LeftButton, {}, at);
    EXPECT_NE(map_->Shape3()->pos(), at);
  });
  map_->ShowDayNight();
  EXPECT_TRUE(pressed);
  EXPECT_EQ(map_->Shape3()->pos(), TwipPoint(0, 405));
}

// The busy pointer shows over the world map window only, and the window's
// pointer is put back however the command ends.
TEST_F(WorldMapTest, BusyPointerOverThisWindowOnlyAndRestoredOnEveryPath) {
  enum class End { Done, Failed, Closed };
  struct Row {
    const char* what;
    bool plot;
    const char* time;
    End end;
  };
  const Row rows[] = {
      {"Show Day/Night", false, "6:00 AM", End::Done},
      {"Plot Sunrise/Sunset", true, "6:00 AM", End::Done},
      {"Show Day/Night, no time of day", false, "soon", End::Failed},
      {"Plot Sunrise/Sunset, no time of day", true, "25:99", End::Failed},
      {"Show Day/Night, window closed", false, "6:00 AM", End::Closed},
      {"Plot Sunrise/Sunset, window closed", true, "6:00 AM", End::Closed},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    if (!map_) {
      map_ = new WorldMapWindow();
      map_->show();
      ASSERT_TRUE(QTest::qWaitForWindowExposed(map_));
    }
    Shared().gmtTimeText = QString::fromLatin1(row.time);
    map_->Text1()->setText(QString::fromLatin1(row.time));
    bool busySeen = false;
    // A failed command processes no events, so the probe may never fire; it
    // goes with this row either way.
    QTimer probe;
    probe.setSingleShot(true);
    QObject::connect(&probe, &QTimer::timeout, [&] {
      busySeen = map_->cursor().shape() == Qt::WaitCursor && window_->cursor().shape() == Qt::ArrowCursor &&
                 QGuiApplication::overrideCursor() == nullptr;
      if (row.end == End::Closed) map_->close();
    });
    probe.start(0);
    if (row.plot) {
      map_->PlotSunriseSunset();
    } else {
      map_->ShowDayNight();
    }
    if (row.end != End::Failed) {
      EXPECT_TRUE(busySeen);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(window_->cursor().shape(), Qt::ArrowCursor);
    if (row.end == End::Closed) {
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      EXPECT_TRUE(map_.isNull());
    } else {
      ASSERT_FALSE(map_.isNull());
      EXPECT_EQ(map_->cursor().shape(), Qt::ArrowCursor);
      EXPECT_EQ(prompts_.messages.size(), row.end == End::Failed ? 1 : 0);
    }
    prompts_.messages.clear();
  }
}

}  // namespace
}  // namespace zv
