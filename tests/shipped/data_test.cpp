// The shipped data folder: countries.txt reads whole, and the program's writer
// reproduces it byte for byte below its title line; every entry has all its
// fields, in name order with unique 16-character captions, and data/Maps one
// JPEG picture to each entry, nothing else, whose red capital mark lies where
// the picture's "Zorvane-Frame" comment (left longitude, top latitude, pixels
// per degree across and down) puts the entry's coordinates.
#include <QDir>
#include <QImage>

#include "common/gui/handcursor.h"
#include "common/gui/resources.h"
#include "support/testsupport.h"

namespace zv {
namespace {

double Degrees(const QString& text) {
  return NumberInText(text) * (text.endsWith('S') || text.endsWith('W') ? -1 : 1);
}

TEST(ShippedData, CountriesAndMaps) {
  CountryTable t;
  ASSERT_TRUE(ReadCountriesFile(test::SourcePath("data/countries.txt"), t, kEntryCount).complete);
  const QByteArray file = test::ShippedCountriesBytes();
  EXPECT_TRUE(test::CountriesBytes(t).endsWith(file.mid(file.indexOf('\n'))));
  const QDir maps(test::SourcePath("data/Maps"));
  QStringList stray = maps.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
  for (int n = 1; n <= kEntryCount; ++n) {
    SCOPED_TRACE(t.at(n, kColName).toStdString());
    for (int c = kColName; c <= kColHistory; ++c) EXPECT_FALSE(t.at(n, c).isEmpty()) << c;
    EXPECT_LT(t.at(n - 1, kColName).left(16), t.at(n, kColName).left(16));
    const QString picture = t.at(n, kColMapName) + "-map.jpg";
    ASSERT_TRUE(stray.removeOne(picture));
    const QImage img(maps.filePath(picture), "jpeg");
    const QStringList frame = img.text("Zorvane-Frame").split(' ');
    ASSERT_EQ(frame.size(), 4);
    const double x =
        std::fmod(Degrees(t.at(n, kColLongitude)) - frame[0].toDouble() + 720, 360) * frame[2].toDouble();
    const QColor mark =
        img.pixelColor(x, (frame[1].toDouble() - Degrees(t.at(n, kColLatitude))) * frame[3].toDouble());
    EXPECT_TRUE(mark.red() > 175 && mark.green() < 65 && mark.blue() < 65);
  }
  EXPECT_EQ(stray, QStringList());
}

// The hand pointer's hot spot lies on the finger tip's black outline.
TEST(ShippedData, HandPointer) {
  RegisterResources();
  EXPECT_EQ(QImage(":/hand.png").pixelColor(kHandHotSpot), Qt::black);
}

}  // namespace
}  // namespace zv
