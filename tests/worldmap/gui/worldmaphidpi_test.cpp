// The world map window on a screen of twice the pixel density: the picture
// made at 1440 x 640, lines drawn at the screen's density, and marks on their
// places there too.
#include "placesonmap.inc"

namespace zv {
namespace {

// Before the application starts: every screen at device pixel ratio 2 (the
// offscreen platform honours it as a real one does).
const bool kScaled = qputenv("QT_SCALE_FACTOR", "2");

// A drawing enlarged from one of 720 x 320 pixels would consist of uniform
// 2 x 2 blocks.
TEST_F(WorldMapTest, LinesAreDrawnAtTheScreensDensity) {
  ASSERT_TRUE(kScaled);
  ASSERT_EQ(map_->devicePixelRatioF(), 2.0);
  map_->Text1()->setText(QStringLiteral("6:00 AM"));
  map_->PlotSunriseSunset();
  map_->MarkCountry(15);  // Wellington
  const QImage& d = map_->Drawing();
  int mixedBlocks = 0;
  for (int y = 0; y + 1 < d.height(); y += 2)
    for (int x = 0; x + 1 < d.width(); x += 2)
      mixedBlocks += d.pixel(x + 1, y) != d.pixel(x, y) || d.pixel(x, y + 1) != d.pixel(x, y) ||
                     d.pixel(x + 1, y + 1) != d.pixel(x, y);
  EXPECT_GT(Drawn(), 2000);
  EXPECT_GT(mixedBlocks, 50);
}

}  // namespace
}  // namespace zv
