// The program among the desktop's: the session guard (SIGTERM, SIGINT and
// SIGHUP, or any other way out, write tzone.txt as the close box does), the
// program's icon, and the designed colours staying readable under a dark
// desktop palette.

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <csignal>

#include "app/gui/appicon.h"
#include "app/gui/appwindows.h"
#include "app/gui/sessionguard.h"
#include "clock/gui/clockwindow.h"
#include "countryinfo/entryedit.h"
#include "countryinfo/gui/countryinfowindow.h"
#include "support/clockfixture.h"
#include "worldmap/gui/worldmapwindow.h"

namespace zv {
namespace {

class DesktopTest : public test::ClockWindowTest {
 protected:
  DesktopTest() : ClockWindowTest(QDateTime(QDate(2026, 12, 5), QTime(18, 47))) {}
};

TEST_F(DesktopTest, SignalsAndQuittingSaveTheZone) {
  for (int sig : {SIGTERM, SIGINT, SIGHUP, 0}) {
    SCOPED_TRACE(sig);
    StartClock(test::CountriesBytes(test::EntryTable()));
    window_->show();
    window_->Text2()->setText(sig ? "-4.5" : "5.75");
    window_->Text3()->setText(sig ? "1" : "0");
    InstallSessionGuard(window_.get());
    data_.Write("tzone.txt", "unchanged");
    if (sig == 0) {
      // As when the last window goes or a library asks the application to quit.
      QMetaObject::invokeMethod(qApp, "aboutToQuit");
      EXPECT_EQ(data_.Read("tzone.txt"), " 5.75          0 \r\n");
    } else {
      ASSERT_EQ(std::raise(sig), 0);  // the program would have ended here before
      for (int i = 0; i < 100 && window_->isVisible(); ++i) QTest::qWait(20);
      EXPECT_FALSE(window_->isVisible());
      EXPECT_EQ(data_.Read("tzone.txt"), "-4.5           1 \r\n");
    }
    EXPECT_TRUE(prompts_.messages.isEmpty());
    TearDown();
  }
}

TEST(AppIcon, EverySizeTheDesktopAsksFor) {
  const QList<QSize> sizes = AppIcon().availableSizes();
  QStringList found;
  for (const QSize& s : sizes) found << QString::number(s.width()) + "x" + QString::number(s.height());
  EXPECT_EQ(found.join(' '), "16x16 22x22 24x24 32x32 48x48 64x64 128x128 256x256");
  EXPECT_EQ(AppIcon().pixmap(48).size(), QSize(48, 48));
}

// The contrast ratio of the web's accessibility guidelines: 1 for equal
// colours, 21 for black on white. Text needs 4.5.
double Contrast(const QColor& a, const QColor& b) {
  auto luminance = [](const QColor& c) {
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
constexpr double kTextContrast = 4.5;

// Text against what it is drawn on: its own background when it fills it,
// else its parent's; boxes and buttons by their own roles.
double Legibility(const QWidget* w) {
  const QPalette& p = w->palette();
  if (qobject_cast<const QLineEdit*>(w) || w->inherits("QTextEdit"))
    return Contrast(p.color(QPalette::Text), p.color(QPalette::Base));
  if (qobject_cast<const QPushButton*>(w))
    return Contrast(p.color(QPalette::ButtonText), p.color(QPalette::Button));
  const QColor ink = p.color(w->foregroundRole());
  while (w->parentWidget() && !w->autoFillBackground() && !w->isWindow()) w = w->parentWidget();
  return Contrast(ink, w->palette().color(w->backgroundRole()));
}

TEST_F(DesktopTest, DarkPaletteKeepsTheDesignedColoursReadable) {
  const QPalette saved = QApplication::palette();
  const QColor light(230, 230, 230);
  QPalette dark(light, QColor(53, 53, 53));
  for (auto role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText}) dark.setColor(role, light);
  dark.setColor(QPalette::Base, QColor(35, 35, 35));
  QApplication::setPalette(dark);
  // Entry 1 lies in the open sea of the map picture.
  StartClock(test::CountriesBytes(test::EntryTable("0", "0N", "20W")));
  window_->mnuSettings()->trigger();
  CountryInfoWindow* info = CountryInfo();
  info->show();
  WorldMapWindow* map = WorldMap();
  map->show();
  QList<const QWidget*> texts{window_->Text1(),       window_->Text2(),    window_->Text3(),
                              window_->Command1(),    window_->Command2(), window_->NameCell(1),
                              window_->NameCell(224), info->DSTMEsg(),     info->Label3(),
                              info->Label4(),         info->Hint()};
  for (const QLabel* l : window_->Picture1()->findChildren<QLabel*>()) texts << l;
  for (const QLabel* l : info->Frame1()->findChildren<QLabel*>()) texts << l;
  for (int box : {kBoxName, kBoxLocation, kBoxHistory}) texts << info->Text1(box);
  for (int i : {0, 2, 3, 4, 5}) texts << map->Label1(i);
  EXPECT_EQ(texts.size(), 24 + info->Frame1()->findChildren<QLabel*>().size());
  for (const QWidget* w : texts)
    EXPECT_GE(Legibility(w), kTextContrast)
        << w->metaObject()->className() << " " << w->property("text").toString().toStdString();
  ClockWindowTest::TearDown();
  QApplication::setPalette(saved);
}

}  // namespace
}  // namespace zv
