// Checks of the shipped map pictures in data/Maps: one JPEG per entry of the
// country file, of the size the preview expects, no stray files, the whole set
// small enough to ship, and each picture's capital mark and highlighted
// country where the entry's coordinates put them.
//
// Every picture names its projection in a JPEG comment
// "Zorvane-Frame: W N XS YS" (left edge longitude, top edge latitude, pixels
// per degree across and down), which places the capital's coordinates from
// the country file on the picture.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <cmath>
#include <map>

#include "data/countryfile.h"
#include "data/numtext.h"
#include "support/testsupport.h"

namespace zv {
namespace {

using test::SourcePath;

struct Entry {
  QString name, mapName;
  double lat = 0, lon = 0;
};
void PrintTo(const Entry& e, std::ostream* os) { *os << e.name.toStdString(); }

// Entries whose land at the capital is smaller than the mark at their
// picture's scale (or missing from the shapes): their picture rings the mark
// in the highlight colour instead.
const QSet<QString> kRinged = {QStringLiteral("ki"), QStringLiteral("mc"), QStringLiteral("mh"),
                               QStringLiteral("mv"), QStringLiteral("tv"), QStringLiteral("va")};

std::vector<Entry> Entries() {
  CountryTable t;
  const auto read = ReadCountriesFile(SourcePath("data/countries.txt"), t, kEntryCount);
  EXPECT_TRUE(read.complete);
  std::vector<Entry> out;
  for (int n = 1; n <= read.entriesRead; ++n) {
    const QString la = t.at(n, kColLatitude), lo = t.at(n, kColLongitude);
    out.push_back({t.at(n, kColName), t.at(n, kColMapName),
                   NumberInText(la.chopped(1)) * (la.endsWith(u'S') ? -1 : 1),
                   NumberInText(lo.chopped(1)) * (lo.endsWith(u'W') ? -1 : 1)});
  }
  return out;
}

QString MapPath(const QString& mapName) {
  return SourcePath(QStringLiteral("data/Maps/%1-map.jpg").arg(mapName));
}

bool Near(QRgb c, int r, int g, int b, int tolerance) {
  return std::abs(qRed(c) - r) <= tolerance && std::abs(qGreen(c) - g) <= tolerance &&
         std::abs(qBlue(c) - b) <= tolerance;
}
// The mark's red and the highlighted country's fill, as the pictures use
// them, with room for JPEG's colour error.
bool IsMarkRed(QRgb c) { return Near(c, 220, 20, 20, 45); }
bool IsHighlight(QRgb c) { return Near(c, 240, 150, 110, 28); }

class ShippedMap : public ::testing::TestWithParam<Entry> {};

TEST_P(ShippedMap, IsAJpegOfPreviewableSize) {
  const Entry& e = GetParam();
  QImageReader reader(MapPath(e.mapName));
  ASSERT_TRUE(reader.canRead()) << e.mapName.toStdString();
  EXPECT_EQ(reader.format(), QByteArray("jpeg"));
  const QImage img = reader.read();
  ASSERT_FALSE(img.isNull());
  EXPECT_GE(img.width(), 400);
  EXPECT_LE(img.width(), 700);
  EXPECT_GE(img.height(), 400);
  EXPECT_LE(img.height(), 700);
}

// The capital's coordinates from the country file land on the red mark, and
// the country's highlighted fill lies just around it: the coordinates are in
// the country or at its coast.
TEST_P(ShippedMap, CapitalMarkSitsAtTheEntrysCoordinatesInItsCountry) {
  const Entry& e = GetParam();
  const QImage img(MapPath(e.mapName));
  ASSERT_FALSE(img.isNull());
  const QStringList frame = img.text(QStringLiteral("Zorvane-Frame")).split(u' ');
  ASSERT_EQ(frame.size(), 4) << e.mapName.toStdString();
  const double west = frame[0].toDouble(), north = frame[1].toDouble();
  const double xs = frame[2].toDouble(), ys = frame[3].toDouble();
  const double dLon = std::fmod(e.lon - west + 720, 360);
  const int x = static_cast<int>(std::floor(dLon * xs));
  const int y = static_cast<int>(std::floor((north - e.lat) * ys));
  ASSERT_TRUE(img.rect().adjusted(12, 12, -12, -12).contains(x, y))
      << e.mapName.toStdString() << " " << x << "," << y;
  // The mark: its middle is red, and it is small.
  int red = 0;
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) red += IsMarkRed(img.pixel(x + dx, y + dy));
  EXPECT_EQ(red, 9) << e.name.toStdString();
  EXPECT_FALSE(IsMarkRed(img.pixel(x + 9, y))) << e.name.toStdString();
  EXPECT_FALSE(IsMarkRed(img.pixel(x, y - 9))) << e.name.toStdString();

  int highlighted = 0;
  for (int py = 0; py < img.height(); ++py)
    for (int px = 0; px < img.width(); ++px) highlighted += IsHighlight(img.pixel(px, py));
  int nearMark = 0, onRing = 0;
  for (int dy = -16; dy <= 16; ++dy)
    for (int dx = -16; dx <= 16; ++dx) {
      const double r = std::hypot(dx, dy);
      const QPoint p(x + dx, y + dy);
      if (!img.rect().contains(p)) continue;
      if (r >= 7 && r <= 12) nearMark += IsHighlight(img.pixel(p));
      if (r >= 13 && r <= 15) onRing += IsHighlight(img.pixel(p));
    }
  if (kRinged.contains(e.mapName)) {
    EXPECT_GE(onRing, 60) << e.name.toStdString() << ": a country too small to see has no ring";
  } else {
    EXPECT_GE(highlighted, 40) << e.name.toStdString();
    EXPECT_GE(nearMark, 3) << e.name.toStdString() << ": no highlighted country next to the capital";
  }
}

INSTANTIATE_TEST_SUITE_P(Entries, ShippedMap, ::testing::ValuesIn(Entries()),
                         [](const ::testing::TestParamInfo<Entry>& info) {
                           QString id = info.param.mapName;
                           return id.replace(u'-', u'_').toStdString();
                         });

TEST(ShippedMaps, NoStrayFilesAndTheSetIsUnder15MB) {
  QSet<QString> named;
  for (const Entry& e : Entries()) named.insert(e.mapName + QStringLiteral("-map.jpg"));
  EXPECT_EQ(named.size(), kEntryCount);  // no two entries share a picture
  const QDir dir(SourcePath("data/Maps"));
  ASSERT_TRUE(dir.exists());
  qint64 total = 0;
  int files = 0;
  for (const QFileInfo& f : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
    EXPECT_TRUE(named.contains(f.fileName())) << "stray file " << f.fileName().toStdString();
    total += f.size();
    ++files;
  }
  EXPECT_EQ(files, kEntryCount);
  EXPECT_LT(total, 15 * 1000 * 1000);
  EXPECT_TRUE(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
}

// The build places the pictures (and the country file) beside the program: where the program has
// been built next to the test folder, its Maps folder holds the same files.
TEST(ShippedMaps, BuildCopiesThemBesideTheProgram) {
  const QDir buildDir(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
  if (!QFileInfo::exists(buildDir.filePath(QStringLiteral("zorvane"))))
    GTEST_SKIP() << "no program built beside the tests";
  EXPECT_TRUE(QFileInfo::exists(buildDir.filePath(QStringLiteral("countries.txt"))));
  for (const Entry& e : Entries()) {
    const QString name = e.mapName + QStringLiteral("-map.jpg");
    EXPECT_EQ(test::ReadFileBytes(buildDir.filePath(QStringLiteral("Maps/") + name)),
              test::ReadFileBytes(MapPath(e.mapName)))
        << name.toStdString();
  }
}

}  // namespace
}  // namespace zv
