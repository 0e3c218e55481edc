// The world map window on a screen of twice the pixel density: the picture
// made at 1440 x 640, the drawing surface at the screen's density, and marks
// on their places there too.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <optional>

#include "data/countryfile.h"
#include "data/module1.h"
#include "support/clockfixture.h"
#include "worldmap/gui/worldmapwindow.h"

namespace {
// Before the application starts: every screen at device pixel ratio 2 (the
// offscreen platform honours it as a real one does).
const bool kScaled = [] {
  qputenv("QT_SCALE_FACTOR", "2");
  return true;
}();
}  // namespace

namespace zv {
namespace {

#include "placesonmap.inc"

constexpr QRgb kSea = qRgb(190, 220, 245);
constexpr QRgb kBorder = qRgb(70, 70, 80);

TEST_F(PlacesOnMapTest, TheWindowDrawsFromTheLargePictureAtTheScreensDensity) {
  ASSERT_TRUE(kScaled);
  ASSERT_EQ(map_->devicePixelRatioF(), 2.0);
  EXPECT_EQ(map_->size(), QSize(720, 342));  // the layout keeps its logical size
  const QImage large = QImage(QStringLiteral(":/worldmap@2x.png")).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(large.size(), QSize(1440, 640));
  QImage picture = map_->MapPicture();
  EXPECT_EQ(picture.devicePixelRatio(), 2.0);
  picture.setDevicePixelRatio(1);
  EXPECT_TRUE(SamePixels(picture, large));
  EXPECT_EQ(map_->Drawing().size(), QSize(1440, 640));
  // On screen, a part of the map with no label or control over it is the
  // large picture pixel for pixel, not the small one enlarged.
  const QRect clear(100, 60, 500, 180);
  QImage shown = map_->grab(clear).toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shown.size(), clear.size() * 2);
  shown.setDevicePixelRatio(1);
  EXPECT_TRUE(SamePixels(shown, large.copy(QRect(clear.topLeft() * 2, clear.size() * 2))));
}

// The large picture has the small one's shapes: wherever a pixel of the
// small picture and its eight neighbours have one colour (open sea or the
// inside of a country), the four pixels of the large one there have it too.
TEST_F(PlacesOnMapTest, TheLargePictureHasTheSmallOnesShapes) {
  const QImage small = QImage(QStringLiteral(":/worldmap.png")).convertToFormat(QImage::Format_RGB32);
  const QImage large = QImage(QStringLiteral(":/worldmap@2x.png")).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(large.size(), small.size() * 2);
  int checked = 0, sea = 0, differing = 0;
  for (int y = 1; y + 1 < small.height(); ++y)
    for (int x = 1; x + 1 < small.width(); ++x) {
      const QRgb c = small.pixel(x, y);
      bool uniform = true;
      for (int dy = -1; dy <= 1 && uniform; ++dy)
        for (int dx = -1; dx <= 1 && uniform; ++dx) uniform = small.pixel(x + dx, y + dy) == c;
      // A 3 x 3 knot of borders, where many meet, may thin out at twice the size.
      if (!uniform || (c & 0xffffff) == (kBorder & 0xffffff)) continue;
      ++checked;
      if ((c & 0xffffff) == (kSea & 0xffffff)) ++sea;
      for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx)
          if (large.pixel(2 * x + dx, 2 * y + dy) != c) ++differing;
    }
  EXPECT_GT(checked, 720 * 320 / 2);
  EXPECT_GT(checked - sea, 720 * 320 / 8);  // land inside countries too
  EXPECT_EQ(differing, 0);
}

// Lines, dots and crosses are drawn at the screen's density: a drawing
// enlarged from one of 720 x 320 pixels would consist of uniform 2 x 2 blocks.
TEST_F(PlacesOnMapTest, LinesAreDrawnAtTheScreensDensity) {
  map_->Text1()->setText(QStringLiteral("6:00 AM"));
  map_->PlotSunriseSunset();
  map_->MarkCountry(15);  // Wellington
  const QImage& d = map_->Drawing();
  ASSERT_EQ(d.size(), QSize(1440, 640));
  int drawn = 0, mixedBlocks = 0;
  for (int y = 0; y + 1 < d.height(); y += 2)
    for (int x = 0; x + 1 < d.width(); x += 2) {
      const QRgb a = d.pixel(x, y);
      if (qAlpha(a) != 0) ++drawn;
      if (d.pixel(x + 1, y) != a || d.pixel(x, y + 1) != a || d.pixel(x + 1, y + 1) != a) ++mixedBlocks;
    }
  EXPECT_GT(drawn, 500);
  EXPECT_GT(mixedBlocks, 50);
}

}  // namespace
}  // namespace zv
