// Checks of the shipped map pictures in data/Maps: one JPEG per entry of the
// country file, of the size the preview expects, no stray files, the whole set
// small enough to ship, the build's copy beside the program the same, and
// each picture's capital mark and highlighted country where the entry's
// coordinates put them.
//
// Every picture names its projection in a JPEG comment
// "Zorvane-Frame: W N XS YS" (left edge longitude, top edge latitude, pixels
// per degree across and down), which places the capital's coordinates from
// the country file on the picture.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QImageReader>
#include <QSet>
#include <cmath>

#include "data/countryfile.h"
#include "data/numtext.h"
#include "support/testsupport.h"

namespace zv {
namespace {

using test::SourcePath;

// Entries whose land at the capital is smaller than the mark at their
// picture's scale: their picture rings the mark in the highlight colour.
const QSet<QString> kRinged = {"ki", "mc", "mh", "mv", "tv", "va"};

bool Near(QRgb c, int r, int g, int b, int tolerance) {
  return std::abs(qRed(c) - r) <= tolerance && std::abs(qGreen(c) - g) <= tolerance &&
         std::abs(qBlue(c) - b) <= tolerance;
}
// The mark's red and the highlighted country's fill, with room for JPEG's
// colour error.
bool IsMarkRed(QRgb c) { return Near(c, 220, 20, 20, 45); }
bool IsHighlight(QRgb c) { return Near(c, 240, 150, 110, 28); }

TEST(ShippedMaps, OnePictureForEachEntryWithTheCapitalInItsCountry) {
  CountryTable t;
  ASSERT_TRUE(ReadCountriesFile(SourcePath("data/countries.txt"), t, kEntryCount).complete);
  const QDir dir(SourcePath("data/Maps"));
  QSet<QString> files;
  qint64 total = 0;
  for (const QFileInfo& f :
       dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
    files.insert(f.fileName()), total += f.size();
  EXPECT_LT(total, 15 * 1000 * 1000);
  // The build places the pictures beside the program, where it is built next
  // to the test folder.
  const QDir built(QCoreApplication::applicationDirPath() + QStringLiteral("/../Maps"));
  for (int n = 1; n <= kEntryCount; ++n) {
    const QString map = t.at(n, kColMapName), file = map + QStringLiteral("-map.jpg");
    SCOPED_TRACE(file.toStdString());
    ASSERT_TRUE(files.remove(file));  // one picture to each entry
    if (built.exists())
      EXPECT_TRUE(test::ReadFileBytes(built.filePath(file)) == test::ReadFileBytes(dir.filePath(file)));
    QImageReader reader(dir.filePath(file));
    EXPECT_EQ(reader.format(), QByteArray("jpeg"));
    const QImage img = reader.read();
    EXPECT_TRUE(img.width() >= 400 && img.width() <= 700 && img.height() >= 400 && img.height() <= 700);
    const QStringList frame = img.text(QStringLiteral("Zorvane-Frame")).split(u' ');
    ASSERT_EQ(frame.size(), 4);
    const QString la = t.at(n, kColLatitude), lo = t.at(n, kColLongitude);
    const double lat = NumberInText(la.chopped(1)) * (la.endsWith(u'S') ? -1 : 1);
    const double lon = NumberInText(lo.chopped(1)) * (lo.endsWith(u'W') ? -1 : 1);
    const int x =
        static_cast<int>(std::floor(std::fmod(lon - frame[0].toDouble() + 720, 360) * frame[2].toDouble()));
    const int y = static_cast<int>(std::floor((frame[1].toDouble() - lat) * frame[3].toDouble()));
    ASSERT_TRUE(img.rect().adjusted(12, 12, -12, -12).contains(x, y)) << x << "," << y;
    // The mark: its middle red, and small.
    int red = 0;
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) red += IsMarkRed(img.pixel(x + dx, y + dy));
    EXPECT_EQ(red, 9);
    EXPECT_FALSE(IsMarkRed(img.pixel(x + 9, y)) || IsMarkRed(img.pixel(x, y - 9)));
    // The country's fill next to the mark, or a ring around it.
    int nearMark = 0, onRing = 0;
    for (int dy = -16; dy <= 16; ++dy)
      for (int dx = -16; dx <= 16; ++dx) {
        const double r = std::hypot(dx, dy);
        const bool highlight = img.rect().contains(x + dx, y + dy) && IsHighlight(img.pixel(x + dx, y + dy));
        nearMark += r >= 7 && r <= 12 && highlight;
        onRing += r >= 13 && r <= 15 && highlight;
      }
    if (kRinged.contains(map)) {
      EXPECT_GE(onRing, 60);
    } else {
      EXPECT_GE(nearMark, 3);
    }
  }
  EXPECT_TRUE(files.isEmpty()) << "stray " << files.values().join(u' ').toStdString();
}

}  // namespace
}  // namespace zv
