// Checks of the pictures compiled into the program: the icon in every size,
// the hand pointer, and the world map at both densities (its places of the
// capitals are checked with the shipped country file).
#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>

#include "app/gui/appicon.h"
#include "common/gui/handcursor.h"
#include "common/gui/resources.h"

namespace zv {
namespace {

// The icon: every size square, transparent in the corners around the round picture,
// with the clock face's white a third of its radius above the hands' pivot
// (the face's centre at 176/256 of the picture); the window icon offers it.
TEST(ShippedPictures, IconInEverySizeAndHandPointer) {
  const QIcon icon = AppIcon();
  for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    SCOPED_TRACE(size);
    const QImage image(QStringLiteral(":/icons/zorvane-%1.png").arg(size));
    EXPECT_EQ(image.size(), QSize(size, size));
    ASSERT_TRUE(image.hasAlphaChannel());
    for (const QPoint corner : {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1)})
      EXPECT_EQ(qAlpha(image.pixel(corner)), 0);
    const QColor face = image.pixelColor(QPoint(size * 176 / 256, size * 150 / 256));
    EXPECT_TRUE(size < 32 || (face.alpha() == 255 && face.lightness() > 200));
    EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size)));
  }

  // The hand pointer: black and white only, with the hot spot on the finger
  // tip's outline and nothing opaque above it.
  const QCursor cursor = HandCursor();
  const QRgb kWhite = qRgb(255, 255, 255);
  const QImage hand(QStringLiteral(":/hand.png"));
  ASSERT_EQ(hand.size(), QSize(32, 32));
  int white = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const QColor c = hand.pixelColor(x, y);
      EXPECT_TRUE(c.alpha() == 0 ||
                  (y >= kHandHotSpot.y() && (c.rgba() == qRgb(0, 0, 0) || c.rgba() == kWhite)))
          << x << "," << y;
      white += c.rgba() == kWhite;
    }
  EXPECT_GT(white, 100);
  EXPECT_EQ(hand.pixelColor(kHandHotSpot).rgba(), qRgb(0, 0, 0));
  EXPECT_EQ(cursor.hotSpot(), kHandHotSpot);
}

// The map is 720 x 320 without transparency, and the large one has its
// shapes at twice the size: wherever a pixel and its eight neighbours have
// one colour (open sea or the inside of a country; a knot of borders may thin
// out), the four pixels of the large one there have it too.
TEST(ShippedPictures, WorldMapAtBothDensities) {
  RegisterResources();
  const QImage map = QImage(QStringLiteral(":/worldmap.png"));
  const QImage large = QImage(QStringLiteral(":/worldmap@2x.png")).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(map.size(), QSize(720, 320));
  EXPECT_FALSE(map.hasAlphaChannel());
  ASSERT_EQ(large.size(), QSize(1440, 640));
  const QRgb sea = map.pixel(250, 140), border = qRgb(70, 70, 80);
  int uniform = 0, land = 0, differing = 0;
  for (int y = 1; y + 1 < 320; ++y)
    for (int x = 1; x + 1 < 720; ++x) {
      const QRgb c = map.pixel(x, y);
      bool same = c != border;
      for (int d = 0; d < 9 && same; ++d) same = map.pixel(x + d % 3 - 1, y + d / 3 - 1) == c;
      if (!same) continue;
      ++uniform;
      land += c != sea;
      for (int d = 0; d < 4; ++d) differing += large.pixel(2 * x + d % 2, 2 * y + d / 2) != c;
    }
  EXPECT_GT(uniform, 720 * 320 / 2);
  EXPECT_GT(land, 720 * 320 / 8);
  EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace zv
