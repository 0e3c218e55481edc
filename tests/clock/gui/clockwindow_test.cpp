#include "clock/gui/clockwindow.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "app/gui/appwindows.h"
#include "common/gui/twips.h"
#include "countryinfo/gui/countryinfowindow.h"
#include "data/countryfile.h"
#include "data/module1.h"
#include "support/scriptedprompter.h"
#include "support/testsupport.h"

namespace zv {
namespace {

// A country file with three real-looking entries and the rest unnamed.
QByteArray SampleCountries() {
  CountryTable t;
  auto set = [&](int n, const char* name, const char* offset, const char* dst, const char* used, DateValue s,
                 DateValue e) {
    t.at(n, kColName) = QString::fromLatin1(name);
    t.at(n, kColOffset) = QString::fromLatin1(offset);
    t.at(n, kColDstHours) = QString::fromLatin1(dst);
    t.at(n, kColDstUsed) = QString::fromLatin1(used);
    t.dstStart[n] = s;
    t.dstEnd[n] = e;
  };
  set(1, "United States (Eastern)", "-5", "1", "1", DateFromYmd(2026, 3, 8), DateFromYmd(2026, 11, 1));
  set(2, "India", "5.5", "0", "0", 0, 0);
  set(3, "Australia (Eastern)", "10", "1", "1", DateFromYmd(2026, 10, 4), DateFromYmd(2026, 4, 5));
  return test::CountriesBytes(t);
}

class ClockWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetShared();
    SetClock(&clock_);
  }
  void TearDown() override {
    CloseOtherWindows();
    SetClock(nullptr);
  }
  void Start(ClockWindow& w) { w.StartUp(); }
  test::FixedClock clock_{QDateTime(QDate(2026, 7, 1), QTime(21, 0, 30))};
  test::DataFolder data_;
  test::ScriptedPrompter prompts_;
};

TEST_F(ClockWindowTest, StartUpFillsFieldsGridAndLoadsInfoWindowHidden) {
  data_.Write(QStringLiteral("countries.txt"), SampleCountries());
  data_.Write(QStringLiteral("tzone.txt"), " 3              0 \r\n");
  ClockWindow w;
  Start(w);
  EXPECT_EQ(w.windowTitle(), "Zorvane");
  EXPECT_EQ(Shared().entryCount, 224);
  EXPECT_EQ(w.Text2()->text(), "3");
  EXPECT_EQ(w.Text3()->text(), "0");
  EXPECT_EQ(w.Text1()->text(), "9:00 PM");
  EXPECT_EQ(Shared().gmtTimeText, "6:00 PM");
  // 9:00 PM at offset 3 is 6:00 PM GMT: Eastern in daylight saving 2:00 PM,
  // India 11:30 PM, Australia (Eastern, southern rule, July) 4:00 AM.
  EXPECT_EQ(w.TimeText(1), "2:00 PM");
  EXPECT_EQ(w.NameColour(1), kDstColour);
  EXPECT_EQ(w.TimeText(2), "11:30 PM");
  EXPECT_EQ(w.TimeText(3), "4:00 AM");
  EXPECT_EQ(w.NameColour(3), ClockWindow::NameTemplateColour());
  EXPECT_EQ(w.TimeText(224), "6:00 PM");            // unnamed entries show GMT
  EXPECT_EQ(w.NameCaption(1), "United States (E");  // first 16 characters
  EXPECT_EQ(w.NameCaption(226), "DST in");
  EXPECT_EQ(w.NameCaption(227), "AM in");
  EXPECT_EQ(w.NameCaption(228), "PM in");
  EXPECT_EQ(w.TimeText(226), "1");
  EXPECT_EQ(w.TimeText(227).toInt() + w.TimeText(228).toInt(), 224);
  EXPECT_EQ(w.TimeText(227), "1");
  EXPECT_TRUE(w.TimeText(225).isEmpty());
  EXPECT_EQ(w.NameColour(227), kAmColour);
  EXPECT_EQ(w.NameColour(228), kPmColour);
  ASSERT_NE(CountryInfoIfLoaded(), nullptr);
  EXPECT_FALSE(CountryInfoIfLoaded()->isVisible());
  EXPECT_TRUE(w.Timer1()->isActive());
  EXPECT_EQ(w.Timer1()->interval(), 60000);
}

TEST_F(ClockWindowTest, MissingFilesStillStart) {
  ClockWindow w;
  Start(w);
  EXPECT_EQ(w.Text2()->text(), "3");
  EXPECT_EQ(w.Text3()->text(), "");
  for (int n = 1; n <= 224; ++n) {
    ASSERT_TRUE(w.NameCaption(n).isEmpty());
    ASSERT_EQ(w.TimeText(n), "6:00 PM");
  }
  EXPECT_EQ(w.TimeText(226), "0");
  EXPECT_EQ(w.TimeText(227), "0");
  EXPECT_EQ(w.TimeText(228), "224");
}

struct CellPlace {
  int row;
  double left, top;  // twips
};

class GridGeometryTest : public ClockWindowTest, public ::testing::WithParamInterface<CellPlace> {};

TEST_P(GridGeometryTest, CellsAtTheirTwipPositions) {
  ClockWindow w;
  Start(w);
  const CellPlace p = GetParam();
  const QLabel* name = w.NameCell(p.row);
  const QLabel* time = w.TimeCell(p.row);
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->pos(), QPoint(qRound(p.left / 15), qRound(p.top / 15)));
  EXPECT_EQ(time->pos(), QPoint(qRound((p.left + 1200) / 15), qRound(p.top / 15)));
  EXPECT_TRUE(name->isVisibleTo(&w));
  EXPECT_EQ(name->font().family(), "Arial Narrow");
  EXPECT_DOUBLE_EQ(name->font().pointSizeF(), 8.25);
}

// Row k of column c: left (c - 1) x 1900 + 100, top -120 + k x 191.25.
INSTANTIATE_TEST_SUITE_P(
    Rows, GridGeometryTest,
    ::testing::Values(CellPlace{1, 100, 71.25}, CellPlace{38, 100, 7147.5}, CellPlace{39, 2000, 71.25},
                      CellPlace{76, 2000, 7147.5}, CellPlace{100, 3900, -120 + 24 * 191.25},
                      CellPlace{150, 5800, -120 + 36 * 191.25}, CellPlace{191, 9600, 71.25},
                      CellPlace{224, 9600, -120 + 34 * 191.25}, CellPlace{228, 9600, 7147.5}));

TEST_F(ClockWindowTest, WindowSizeAndPlace) {
  ClockWindow w;
  Start(w);
  const QRect s = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(w.pos(), QPoint((s.width() - 800) / 2, (s.height() - 560) / 2 - 20));
  EXPECT_EQ(w.size(), QSize(792, 529));
  EXPECT_EQ(w.Grid()->palette().color(QPalette::Window), QColor(Qt::black));
}

TEST_F(ClockWindowTest, OnlyLocalTimeAndOffsetRecalculateAtOnce) {
  ClockWindow w;
  Start(w);
  w.Text3()->setText(QStringLiteral("1"));
  EXPECT_EQ(w.TimeText(1), "6:00 PM");  // unchanged until Enter
  w.show();
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  QTest::keyClick(&w, Qt::Key_Return);
  EXPECT_EQ(w.TimeText(1), "5:00 PM");
  w.Text1()->setText(QStringLiteral("2:15 PM"));
  EXPECT_EQ(w.TimeText(1), "10:15 AM");
  w.Text2()->setText(QStringLiteral("-5"));
  EXPECT_EQ(w.TimeText(1), "6:15 PM");
  w.Text1()->setText(QStringLiteral("2:"));  // a partial time keeps GMT
  EXPECT_EQ(w.TimeText(1), "6:15 PM");
  clock_.Set(QDateTime(QDate(2026, 7, 1), QTime(8, 5)));
  w.Command2()->click();  // Refresh puts the computer's time back
  EXPECT_EQ(w.Text1()->text(), "8:05 AM");
  EXPECT_EQ(w.TimeText(1), "12:05 PM");
}

// The settings panel as designed: each control's place in twips (the panel
// on the grid, the rest inside the frame "Settings"), and its caption.
TEST_F(ClockWindowTest, PanelControlsAtTheirDesignedPlaces) {
  ClockWindow w;
  Start(w);
  auto* frame = w.Picture1()->findChild<QGroupBox*>();
  ASSERT_NE(frame, nullptr);
  const struct {
    const char* what;
    QWidget* widget;
    QRect place;
  } rows[] = {
      {"Picture1", w.Picture1(), TwipRect(1560, 1020, 3690, 2955)},
      {"Settings", frame, TwipRect(120, 120, 3435, 2655)},
      {"0:0 AM", w.Text1(), TwipRect(1800, 300, 1000, 285)},
      {"0", w.Text3(), TwipRect(1800, 780, 1000, 285)},
      {"3.35", w.Text2(), TwipRect(1800, 1320, 1000, 285)},
      {"&Close", w.Command1(), TwipRect(600, 2100, 945, 345)},
      {"&Refresh", w.Command2(), TwipRect(2040, 2100, 945, 345)},
      {"Calculate", w.Command3(), TwipRect(6300, -500, 350, 350)},
  };
  for (const auto& row : rows) EXPECT_EQ(row.widget->geometry(), row.place) << row.what;
  EXPECT_EQ(frame->title(), "Settings");
  // The captions, found by their text: one-line ones by their top left.
  const struct {
    const char* text;
    int left, top, width, height;  // width 0: one line, sized to the text
  } captions[] = {
      {"Local time", 240, 360, 0, 0},
      {"Includes a daylight saving time of", 240, 780, 1425, 390},
      {"Normal timezone relative to GMT", 240, 1320, 1455, 390},
  };
  for (const auto& c : captions) {
    QLabel* found = nullptr;
    for (QLabel* l : frame->findChildren<QLabel*>())
      if (l->text() == c.text) found = l;
    ASSERT_NE(found, nullptr) << c.text;
    if (c.width) {
      EXPECT_EQ(found->geometry(), TwipRect(c.left, c.top, c.width, c.height)) << c.text;
      // Too wide for one line, the caption shows whole on two.
      EXPECT_GT(found->fontMetrics().horizontalAdvance(found->text()), found->width()) << c.text;
      EXPECT_GE(found->heightForWidth(found->width()), 2 * found->fontMetrics().lineSpacing()) << c.text;
    } else {
      EXPECT_EQ(found->pos(), TwipPoint(c.left, c.top)) << c.text;
    }
  }
  QList<QPoint> hrs;
  for (QLabel* l : frame->findChildren<QLabel*>())
    if (l->text() == "hrs") hrs << l->pos();
  EXPECT_EQ(hrs.size(), 2);
  EXPECT_TRUE(hrs.contains(TwipPoint(2900, 900)));
  EXPECT_TRUE(hrs.contains(TwipPoint(2900, 1380)));
}

TEST_F(ClockWindowTest, PanelButtonsAndKeys) {
  ClockWindow w;
  Start(w);
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  EXPECT_EQ(w.Command1()->text(), "&Close");
  EXPECT_EQ(w.Command2()->text(), "&Refresh");
  EXPECT_EQ(w.Command3()->text(), "Calculate");
  EXPECT_FALSE(w.Command3()->visibleRegion().boundingRect().intersects(w.Command3()->rect()) &&
               w.Command3()->geometry().intersects(w.Command3()->parentWidget()->rect()));
  QTest::keyClick(&w, Qt::Key_Escape);
  EXPECT_FALSE(w.Picture1()->isVisible());
  QTest::keyClick(&w, Qt::Key_Escape);  // nothing more when hidden
  EXPECT_FALSE(w.Picture1()->isVisible());
  // Keyboard order: Text2, Command2, Text1, Text3, Command1.
  EXPECT_EQ(w.Text2()->nextInFocusChain(), w.Command2());
  EXPECT_EQ(w.Command2()->nextInFocusChain(), w.Text1());
  EXPECT_EQ(w.Text1()->nextInFocusChain(), w.Text3());
  EXPECT_EQ(w.Text3()->nextInFocusChain(), w.Command1());
}

TEST_F(ClockWindowTest, HighlightFileColoursNamesAtEveryCalculation) {
  data_.Write(QStringLiteral("highlight.txt"), " 2 \r\n,3\r\n\r\n 0 \r\n 999 \r\n");
  data_.Write(QStringLiteral("countries.txt"), SampleCountries());
  ClockWindow w;
  Start(w);
  EXPECT_EQ(w.NameColour(2), kHighlightColour);
  EXPECT_EQ(w.NameColour(3), kHighlightColour);
  EXPECT_EQ(w.NameColour(1), kDstColour);
  EXPECT_EQ(w.NameColour(4), ClockWindow::NameTemplateColour());
  data_.Write(QStringLiteral("highlight.txt"), "");
  w.Calculate();
  EXPECT_EQ(w.NameColour(2), ClockWindow::NameTemplateColour());
  EXPECT_TRUE(prompts_.messages.isEmpty());
}

TEST_F(ClockWindowTest, MissingZoneFileIsWrittenAsThreeAndZero) {
  ClockWindow w;
  Start(w);
  w.close();
  EXPECT_EQ(data_.Read(QStringLiteral("tzone.txt")), " 3             0 \r\n");
  EXPECT_TRUE(prompts_.messages.isEmpty());
}

// The panel floats over the grid: at its middle the panel, not a cell, takes
// the mouse and is drawn. It comes up only while no zone file exists.
TEST_F(ClockWindowTest, PanelLiesAboveTheCellsAndShowsOnFirstRunOnly) {
  {
    ClockWindow w;
    Start(w);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ASSERT_TRUE(w.Picture1()->isVisible());
    QWidget* grid = w.Picture1()->parentWidget();
    const QPoint middle = w.Picture1()->geometry().center();
    QWidget* hit = grid->childAt(middle);
    ASSERT_NE(hit, nullptr);
    EXPECT_TRUE(hit == w.Picture1() || w.Picture1()->isAncestorOf(hit));
  }
  data_.Write(QStringLiteral("tzone.txt"), " 3.35          0 \r\n");
  ClockWindow again;
  Start(again);
  again.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&again));
  EXPECT_FALSE(again.Picture1()->isVisible());
  EXPECT_EQ(again.Text2()->text(), "3.35");
}

// The panel's captions are drawn in dark red: the darkest pixel of each
// caption, grabbed as shown, is red with no green or blue.
TEST_F(ClockWindowTest, PanelCaptionsAreDrawnInDarkRed) {
  ClockWindow w;
  Start(w);
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  int captions = 0;
  for (QLabel* l : w.Picture1()->findChildren<QLabel*>()) {
    const QRect place(l->mapTo(w.Picture1(), QPoint(0, 0)), l->size());
    const QImage shot = w.Picture1()->grab(place).toImage();
    QColor darkest = Qt::white;
    for (int y = 0; y < shot.height(); ++y)
      for (int x = 0; x < shot.width(); ++x) {
        const QColor c = shot.pixelColor(x, y);
        if (c.lightness() < darkest.lightness()) darkest = c;
      }
    EXPECT_GT(darkest.red(), darkest.green() + 40) << l->text().toStdString();
    EXPECT_LT(darkest.blue(), 60) << l->text().toStdString();
    ++captions;
  }
  EXPECT_EQ(captions, 5);
}

}  // namespace
}  // namespace zv
