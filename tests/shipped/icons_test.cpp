// Checks of the program's icon as it is compiled in (the window icon) and
// installed: every size present, square, transparent around the round
// picture, with the clock face's white in the middle of its circle.
#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>

#include "app/gui/appicon.h"

namespace zv {
namespace {

TEST(ShippedIcons, EverySizeIsTheRoundPictureOnTransparency) {
  const QIcon icon = AppIcon();
  for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const QImage image(QStringLiteral(":/icons/zorvane-%1.png").arg(size));
    ASSERT_FALSE(image.isNull()) << size;
    EXPECT_EQ(image.size(), QSize(size, size));
    ASSERT_TRUE(image.hasAlphaChannel()) << size;
    // The corners lie outside both circles.
    for (const QPoint corner : {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1)})
      EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << size;
    // The clock face: centre at 176/256 of the picture, its white a third
    // of the radius out (above the hands' pivot).
    const QColor face = image.pixelColor(QPoint(size * 176 / 256, size * 150 / 256));
    if (size >= 32) {
      EXPECT_EQ(face.alpha(), 255) << size;
      EXPECT_GT(face.lightness(), 200) << size;
    }
    // The window icon offers this size.
    EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
  }
}

}  // namespace
}  // namespace zv
