// Checks of the pictures compiled into the program.
#include <gtest/gtest.h>

#include <QImage>

#include "app/gui/handcursor.h"

namespace zv {
namespace {

TEST(ShippedPictures, HandIsTwoColoursWithTheFingerTipAsHotSpot) {
  const QCursor cursor = HandCursor();  // also registers the resources
  const QImage hand(QStringLiteral(":/hand.png"));
  ASSERT_FALSE(hand.isNull());
  EXPECT_EQ(hand.size(), QSize(32, 32));
  ASSERT_TRUE(hand.hasAlphaChannel());
  int white = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const QColor c = hand.pixelColor(x, y);
      if (c.alpha() == 0) continue;
      EXPECT_EQ(c.alpha(), 255);
      const bool black = c.rgb() == qRgb(0, 0, 0);
      EXPECT_TRUE(black || c.rgb() == qRgb(255, 255, 255)) << x << "," << y;
      if (!black) ++white;
    }
  EXPECT_GT(white, 100);
  // The hot spot is on the finger's outline and nothing opaque lies above it.
  EXPECT_EQ(hand.pixelColor(kHandHotSpot).rgb(), qRgb(0, 0, 0));
  for (int y = 0; y < kHandHotSpot.y(); ++y)
    for (int x = 0; x < 32; ++x) EXPECT_EQ(hand.pixelColor(x, y).alpha(), 0);
  EXPECT_EQ(cursor.hotSpot(), kHandHotSpot);
  EXPECT_FALSE(cursor.pixmap().isNull());
}

}  // namespace
}  // namespace zv
