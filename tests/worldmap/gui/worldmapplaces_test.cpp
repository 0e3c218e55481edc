// Marks on the 720 x 320 picture, at device pixel ratio 1: their places, and
// the window drawing exactly the picture.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <optional>

#include "data/countryfile.h"
#include "data/module1.h"
#include "support/clockfixture.h"
#include "worldmap/gui/worldmapwindow.h"

namespace zv {
namespace {

#include "placesonmap.inc"

// At ratio 1 the window shows the 720 x 320 picture pixel for pixel.
TEST_F(PlacesOnMapTest, AtRatioOneTheWindowShowsThePictureAsItIs) {
  ASSERT_EQ(map_->devicePixelRatioF(), 1.0);
  const QImage shipped = QImage(QStringLiteral(":/worldmap.png")).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shipped.size(), QSize(720, 320));
  EXPECT_TRUE(SamePixels(map_->MapPicture(), shipped));
  EXPECT_EQ(map_->Drawing().size(), QSize(720, 320));
  // A part of the map with no label or control over it.
  const QRect clear(100, 60, 500, 180);
  const QImage shown = map_->grab(clear).toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_TRUE(SamePixels(shown, shipped.copy(clear)));
}

}  // namespace
}  // namespace zv
