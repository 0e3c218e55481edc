// The program among the desktop's: the session guard (SIGTERM, SIGINT and
// SIGHUP, or any other way out, write tzone.txt as the close box does), and
// the designed colours staying readable under a dark desktop palette.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <cmath>
#include <csignal>

#include "app/gui/appwindows.h"
#include "app/gui/sessionguard.h"
#include "clock/gui/clockwindow.h"
#include "countryinfo/gui/countryinfowindow.h"
#include "support/clockfixture.h"
#include "worldmap/gui/worldmapwindow.h"

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
    SCOPED_TRACE(sig);
    StartClock(test::CountriesBytes(test::EntryTable()));
    window_->show();
    window_->Text2()->setText("-4.5");
    window_->Text3()->setText("1");
    InstallSessionGuard(window_.get());
    ASSERT_TRUE(sig ? std::raise(sig) == 0 : QMetaObject::invokeMethod(qApp, "aboutToQuit"));
    for (int i = 0; i < 100 && sig && window_->isVisible(); ++i) QTest::qWait(20);
    EXPECT_EQ(window_->isVisible(), sig == 0);  // a signal closes the clock window
    window_->Text2()->setText("9");             // written once, as they were then
    window_->close();
    EXPECT_EQ(data_.Read("tzone.txt"), "-4.5           1 \r\n");
    EXPECT_TRUE(prompts_.messages.isEmpty());
    TearDown();
  }
}

// The relative luminance of the web's accessibility guidelines, plus their
// 0.05 for flare: the contrast ratio of two colours is the lighter's over the
// darker's, 1 for equal colours, 21 for black on white. Text needs 4.5.
double Luminance(const QColor& c) {
  auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
  return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF()) + 0.05;
}
constexpr double kTextContrast = 4.5;

// Text against what it is drawn on: its own background when it fills it,
// else its parent's; boxes and buttons by their own roles.
double Legibility(const QWidget* w) {
  const double ink = Luminance(w->palette().color(w->foregroundRole()));
  while (w->backgroundRole() == QPalette::Window && !w->autoFillBackground() && !w->isWindow())
    w = w->parentWidget();
  const double paper = Luminance(w->palette().color(w->backgroundRole()));
  return std::max(ink, paper) / std::min(ink, paper);
}

TEST_F(DesktopTest, DarkPaletteKeepsTheDesignedColoursReadable) {
  const QPalette saved = QApplication::palette();
  const QColor light(230, 230, 230);
  QPalette dark(light, QColor(53, 53, 53));
  for (auto role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText}) dark.setColor(role, light);
  dark.setColor(QPalette::Base, QColor(35, 35, 35));
  QApplication::setPalette(dark);
  StartClock(test::CountriesBytes(test::EntryTable()));
  window_->show();
  window_->mnuSettings()->trigger();
  CountryInfo()->show();
  WorldMap()->show();
  // Every enabled caption, box and button of the clock and country windows,
  // the grid's names and times too, and the world map's captions.
  QList<QWidget*> shown = window_->findChildren<QWidget*>() + CountryInfo()->findChildren<QWidget*>();
  for (int i : {0, 2, 3, 4, 5}) shown << WorldMap()->Label1(i);
  int checked = 0;
  for (const QWidget* w : shown) {
    const QString text = w->property("text").toString() + w->property("plainText").toString();
    if (!w->isVisible() || !w->isEnabled() || text.isEmpty()) continue;
    ++checked;
    EXPECT_GE(Legibility(w), kTextContrast) << w->metaObject()->className() << " " << text.toStdString();
  }
  EXPECT_GT(checked, 470);
  ClockWindowTest::TearDown();
  QApplication::setPalette(saved);
}

}  // namespace
}  // namespace zv
