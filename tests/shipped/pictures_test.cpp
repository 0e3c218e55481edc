// Checks of the pictures compiled into the program.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>

#include "common/gui/handcursor.h"
#include "data/countryfile.h"
#include "data/numtext.h"
#include "support/testsupport.h"

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

// Most capitals, placed with the map's mark scale, land on a country rather
// than on the sea colour (small islands may vanish at this scale).
TEST(ShippedPictures, WorldMapIs720By320AndCapitalsLandOnLand) {
  (void)HandCursor();
  const QImage map(QStringLiteral(":/worldmap.png"));
  ASSERT_FALSE(map.isNull());
  EXPECT_EQ(map.size(), QSize(720, 320));
  EXPECT_FALSE(map.hasAlphaChannel());
  CountryTable t;
  ASSERT_TRUE(ReadCountriesFile(test::SourcePath("data/countries.txt"), t, kEntryCount).complete);
  const QRgb seaColour = map.pixel(250, 140);  // the Atlantic off West Africa's bulge
  int onLand = 0;
  for (int n = 1; n <= kEntryCount; ++n) {
    const QString la = t.at(n, kColLatitude), lo = t.at(n, kColLongitude);
    const double lat = NumberInText(la.chopped(1)) * (la.endsWith(u'N') ? 1 : -1);
    const double lon = NumberInText(lo.chopped(1)) * (lo.endsWith(u'E') ? 1 : -1);
    const int x = std::clamp(static_cast<int>((lon + 180) * 2), 0, 719);
    const int y =
        std::clamp(static_cast<int>(((90 - lat) * 320 / 180) * ((0.8 - 0.0022 * lat) * 1.2)), 0, 319);
    bool land = false;
    for (int dy = -2; dy <= 2; ++dy)
      for (int dx = -2; dx <= 2; ++dx)
        if (map.pixel(std::clamp(x + dx, 0, 719), std::clamp(y + dy, 0, 319)) != seaColour) land = true;
    onLand += land;
  }
  EXPECT_GE(onLand, 200);
}

}  // namespace
}  // namespace zv
