// Under a dark desktop palette the windows' designed colours stay readable:
// every designed caption, box and line is checked for contrast against what
// it is drawn on.

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTest>

#include "app/gui/appwindows.h"
#include "clock/gui/clockwindow.h"
#include "common/gui/colours.h"
#include "countryinfo/entryedit.h"
#include "countryinfo/gui/countryinfowindow.h"
#include "support/clockfixture.h"
#include "worldmap/gui/worldmapwindow.h"

namespace zv {
namespace {

// A dark desktop theme of the usual kind: light text on dark grey.
QPalette DarkPalette() {
  QPalette p(QColor(230, 230, 230), QColor(53, 53, 53));
  p.setColor(QPalette::Base, QColor(35, 35, 35));
  p.setColor(QPalette::Text, QColor(230, 230, 230));
  p.setColor(QPalette::ButtonText, QColor(230, 230, 230));
  p.setColor(QPalette::WindowText, QColor(230, 230, 230));
  p.setColor(QPalette::Highlight, QColor(42, 130, 218));
  p.setColor(QPalette::HighlightedText, QColor(20, 20, 20));
  return p;
}

// The contrast ratio of two colours as the web's accessibility guidelines
// define it: 1 for equal colours, 21 for black on white.
double Contrast(const QColor& a, const QColor& b) {
  auto luminance = [](const QColor& c) {
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Text of a widget against the background it is drawn on (its own when it
// fills it, else its parent's).
QColor Ink(const QWidget* w) { return w->palette().color(w->foregroundRole()); }
QColor Paper(const QWidget* w) {
  while (w->parentWidget() && !w->autoFillBackground() && !w->isWindow()) w = w->parentWidget();
  return w->palette().color(w->backgroundRole());
}

// Normal text needs 4.5; lines and large text 3.
constexpr double kTextContrast = 4.5;
constexpr double kLineContrast = 3.0;

class DarkPaletteTest : public test::ClockWindowTest {
 protected:
  DarkPaletteTest() : ClockWindowTest(QDateTime(QDate(2026, 12, 6), QTime(15, 0))) {}
  void SetUp() override {
    saved_ = QApplication::palette();
    QApplication::setPalette(DarkPalette());
    // Entry 1 lies in the open sea of the map picture.
    StartClock(test::CountriesBytes(
        test::EntryTable(QStringLiteral("0"), QStringLiteral("0N"), QStringLiteral("20W"))));
  }
  void TearDown() override {
    ClockWindowTest::TearDown();
    QApplication::setPalette(saved_);
  }
  void ExpectReadable(const QWidget* w, const char* what, double need = kTextContrast) {
    EXPECT_GE(Contrast(Ink(w), Paper(w)), need)
        << what << ": " << Ink(w).name().toStdString() << " on " << Paper(w).name().toStdString();
  }
  QPalette saved_;
};

TEST_F(DarkPaletteTest, SettingsPanelCaptionsAndFields) {
  window_->mnuSettings()->trigger();
  int captions = 0;
  for (const QLabel* l : window_->Picture1()->findChildren<QLabel*>()) {
    ExpectReadable(l, l->text().toLatin1().constData());
    ++captions;
  }
  EXPECT_EQ(captions, 5);
  for (const QLineEdit* e : {window_->Text1(), window_->Text2(), window_->Text3()})
    EXPECT_GE(Contrast(e->palette().color(QPalette::Text), e->palette().color(QPalette::Base)),
              kTextContrast);
  for (const QPushButton* b : {window_->Command1(), window_->Command2()})
    EXPECT_GE(Contrast(b->palette().color(QPalette::ButtonText), b->palette().color(QPalette::Button)),
              kTextContrast);
}

TEST_F(DarkPaletteTest, GridNamesOnTheBlackGrid) {
  for (int row : {1, 100, 224}) ExpectReadable(window_->NameCell(row), "name");
  EXPECT_GE(Contrast(ToQColor(ClockWindow::NameTemplateColour()), Qt::black), kTextContrast);
}

TEST_F(DarkPaletteTest, CountryInformationCaptionsTitleAndBoxes) {
  CountryInfoWindow* info = CountryInfo();
  info->show();
  ExpectReadable(info->DSTMEsg(), "daylight saving message");
  ExpectReadable(info->Label3(), "map title");
  ExpectReadable(info->Label4(), "map link");
  ExpectReadable(info->Hint(), "hint");
  for (int box : {kBoxName, kBoxLocation, kBoxHistory}) {
    const QWidget* b = info->Text1(box);
    EXPECT_GE(Contrast(b->palette().color(QPalette::Text), b->palette().color(QPalette::Base)),
              kTextContrast);
  }
  for (const QLabel* l : info->Frame1()->findChildren<QLabel*>()) ExpectReadable(l, "frame caption");
}

TEST_F(DarkPaletteTest, WorldMapCaptionsAndPointLine) {
  WorldMapWindow* map = WorldMap();
  map->show();
  for (int i : {0, 2, 3, 4, 5}) ExpectReadable(map->Label1(i), "map caption");
  // The cross of a marked place is drawn on the map picture: it stands out
  // from the sea beneath it.
  map->MarkCountry(1);
  const QImage& drawing = map->Drawing();
  const QImage picture = QImage(QStringLiteral(":/worldmap.png")).convertToFormat(QImage::Format_RGB32);
  int drawn = 0, standingOut = 0;
  for (int y = 0; y < drawing.height(); ++y)
    for (int x = 0; x < drawing.width(); ++x) {
      const QRgb px = drawing.pixel(x, y);
      if (qAlpha(px) != 255) continue;
      ++drawn;
      if (Contrast(QColor(px), QColor(picture.pixel(x, y))) >= kLineContrast) ++standingOut;
    }
  EXPECT_GT(drawn, 0);
  EXPECT_EQ(standingOut, drawn) << standingOut << " of " << drawn;
}

}  // namespace
}  // namespace zv
