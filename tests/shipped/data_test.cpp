// Checks of the shipped data folder: countries.txt reads whole, the program's
// writer reproduces it byte for byte below its title line, every entry has
// its forms and the tz database's local time on every day of the year, and
// data/Maps holds one JPEG for each entry, of the size the preview expects,
// with the capital's mark and highlighted country where the entry's
// coordinates put them; nothing else, and small enough to ship. The
// pictures compiled into the program: the world map at both densities, the
// icon in every size and the hand pointer.
#include <gtest/gtest.h>

#include <QDir>
#include <QIcon>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QTimeZone>
#include <algorithm>
#include <cmath>

#include "app/gui/appicon.h"
#include "common/gui/handcursor.h"
#include "common/gui/resources.h"
#include "data/countryfile.h"
#include "data/numtext.h"
#include "support/testsupport.h"

namespace zv {
namespace {

using test::SourcePath;

// Every field filled; coordinates with two decimals and a hemisphere letter;
// names sorted, their 16-character captions unique, the zones of one country
// next to each other with a map name "cc-zone"; histories of two to four
// sentences; no daylight-saving dates or hours without daylight saving.
// Every day of 2026 the clock's rule gives the tz database's offset at 12:00
// GMT for the entry's zone in the generator's source table.
//
// Most capitals, placed with the world map's projection (x = (lon + 180) * 2,
// y = ((90 - lat) * 320 / 180) * (0.8 - 0.0022 lat) * 1.2), land on a country
// of the world map rather than the sea (small islands may vanish there).
//
// Every map picture names its projection in a JPEG comment "Zorvane-Frame:
// W N XS YS" (left edge longitude, top edge latitude, pixels per degree across
// and down), which places the entry's coordinates on it: there lies the red
// mark (220, 20, 20), small, and the country's fill (240, 150, 110) next to
// it, or, for a country smaller than the mark, a ring around it.
//
// The map is 720 x 320 without transparency, and the large one has its
// shapes at twice the size: wherever a pixel and its eight neighbours have
// one colour (open sea or the inside of a country; a knot of borders may thin
// out), the four pixels of the large one there have it too.
TEST(ShippedData, CountriesMapsAndPictures) {
  CountryTable t;
  const ReadResult read = ReadCountriesFile(SourcePath("data/countries.txt"), t, kEntryCount);
  ASSERT_TRUE(read.complete && read.entriesRead == kEntryCount);
  // The generator's title names the year and the tz release, the writer's the
  // moment of saving; the rest is the same.
  const QByteArray file = test::ShippedCountriesBytes();
  const QByteArray written = WriteCountriesBytes(t, kEntryCount, QDateTime(QDate(2026, 1, 1), QTime(0, 0)));
  EXPECT_TRUE(written.mid(written.indexOf("\r\n")) == file.mid(file.indexOf("\r\n")));
  const QRegularExpression titleForm(
      "^Country TimeZone w/GMT DayLightSavingHrs  2026 from tz database 20\\d\\d[a-z]\r\n");
  EXPECT_TRUE(titleForm.match(QString::fromLatin1(file)).hasMatch()) << file.left(80).toStdString();
  QHash<QString, QByteArray> zoneOf;
  for (const QByteArray& line : test::ReadFileBytes(SourcePath("tools/countries-source.tsv")).split('\n'))
    if (!line.startsWith('#') && line.contains('\t'))
      zoneOf[QString::fromUtf8(line.split('\t')[0])] = line.split('\t')[1];
  const QRegularExpression latForm("^\\d{1,2}\\.\\d\\d[NS]$"), lonForm("^\\d{1,3}\\.\\d\\d[EW]$"),
      mapForm("^[a-z]{2}(-[a-z]+)?$");
  const QSet<QString> ringed = {"ki", "mc", "mh", "mv", "tv", "va"};
  const auto near = [](QRgb c, int r, int g, int b, int d) {
    return std::abs(qRed(c) - r) <= d && std::abs(qGreen(c) - g) <= d && std::abs(qBlue(c) - b) <= d;
  };
  const QDir maps(SourcePath("data/Maps"));
  QSet<QString> captions, countries, files;
  qint64 bytes = 0;
  for (const QFileInfo& f :
       maps.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
    files.insert(f.fileName()), bytes += f.size();
  EXPECT_LT(bytes, 15 * 1000 * 1000);
  RegisterResources();
  const QImage world(":/worldmap.png");
  const QImage large = QImage(QStringLiteral(":/worldmap@2x.png")).convertToFormat(QImage::Format_RGB32);
  ASSERT_TRUE(world.size() == QSize(720, 320) && large.size() == QSize(1440, 640) &&
              !world.hasAlphaChannel());
  const QRgb sea = world.pixel(250, 140), border = qRgb(70, 70, 80);  // the Atlantic off West Africa
  int uniform = 0, land = 0, differing = 0;
  for (int y = 1; y + 1 < 320; ++y)
    for (int x = 1; x + 1 < 720; ++x) {
      const QRgb c = world.pixel(x, y);
      bool same = c != border;
      for (int d = 0; d < 9 && same; ++d) same = world.pixel(x + d % 3 - 1, y + d / 3 - 1) == c;
      uniform += same;
      land += same && c != sea;
      for (int d = 0; d < 4 && same; ++d) differing += large.pixel(2 * x + d % 2, 2 * y + d / 2) != c;
    }
  EXPECT_TRUE(uniform > 720 * 320 / 2 && land > 720 * 320 / 8 && differing == 0) << land << " " << differing;
  int onLand = 0;
  QString previous;
  for (int n = 1; n <= kEntryCount; ++n) {
    const QString name = t.at(n, kColName), la = t.at(n, kColLatitude), lo = t.at(n, kColLongitude);
    SCOPED_TRACE(name.toStdString());
    for (int c = kColName; c <= kColHistory; ++c) EXPECT_FALSE(t.at(n, c).isEmpty()) << c;
    EXPECT_TRUE(latForm.match(la).hasMatch() && lonForm.match(lo).hasMatch());
    const double lat = NumberInText(la.chopped(1)) * (la.endsWith(u'S') ? -1 : 1);
    const double lon = NumberInText(lo.chopped(1)) * (lo.endsWith(u'W') ? -1 : 1);
    const int wx = (lon + 180) * 2, wy = ((90 - lat) * 320 / 180) * (0.8 - 0.0022 * lat) * 1.2;
    for (int i = 0, hit = 0; i < 25 && !hit; ++i)
      onLand += hit =
          world.pixel(std::clamp(wx + i % 5 - 2, 0, 719), std::clamp(wy + i / 5 - 2, 0, 319)) != sea;
    EXPECT_TRUE((n == 1 || t.at(n - 1, kColName) < name) && !captions.contains(name.left(16)));
    captions.insert(name.left(16));
    const QString country = name.left(16).section(QStringLiteral(" ("), 0, 0);
    EXPECT_TRUE(country == previous || !countries.contains(country));
    countries.insert(previous = country);
    const QString map = t.at(n, kColMapName);
    EXPECT_TRUE(mapForm.match(map).hasMatch() && name.contains(u'(') == map.contains(u'-'));
    const qsizetype sentences = t.at(n, kColHistory).count(". ") + t.at(n, kColHistory).endsWith(u'.');
    EXPECT_TRUE(sentences >= 2 && sentences <= 4) << sentences;
    EXPECT_TRUE(
        t.at(n, kColDstUsed) == u"1" ||
        (t.at(n, kColDstUsed) == u"0" && t.at(n, kColDstHours) == u"0" && !t.dstStart[n] && !t.dstEnd[n]));
    const QTimeZone tz(zoneOf.value(name));
    ASSERT_TRUE(tz.isValid());
    for (QDate day(2026, 1, 1); day.year() == 2026; day = day.addDays(1))
      ASSERT_EQ(test::ClockOffsetMinutes(t, n, day),
                tz.offsetFromUtc(QDateTime(day, QTime(12, 0), QTimeZone::utc())) / 60)
          << day.toString(Qt::ISODate).toStdString();

    const QString picture = map + "-map.jpg";
    ASSERT_TRUE(files.remove(picture)) << picture.toStdString();  // one picture to each entry
    const QImage img(maps.filePath(picture));
    const QStringList frame = img.text("Zorvane-Frame").split(u' ');
    ASSERT_TRUE(QImageReader::imageFormat(maps.filePath(picture)) == "jpeg" && frame.size() == 4 &&
                img.width() >= 400 && img.width() <= 700 && img.height() >= 400 && img.height() <= 700);
    const int x = std::floor(std::fmod(lon - frame[0].toDouble() + 720, 360) * frame[2].toDouble());
    const int y = std::floor((frame[1].toDouble() - lat) * frame[3].toDouble());
    ASSERT_TRUE(img.rect().adjusted(12, 12, -12, -12).contains(x, y)) << x << "," << y;
    int red = 0, nearMark = 0, onRing = 0;
    for (int dy = -16; dy <= 16; ++dy)
      for (int dx = -16; dx <= 16; ++dx) {
        const QRgb c = img.rect().contains(x + dx, y + dy) ? img.pixel(x + dx, y + dy) : 0;
        const double r = std::hypot(dx, dy);
        red += near(c, 220, 20, 20, 45) && (r < 1.5 || r == 9);
        nearMark += r >= 7 && r <= 12 && near(c, 240, 150, 110, 28);
        onRing += r >= 13 && r <= 15 && near(c, 240, 150, 110, 28);
      }
    EXPECT_EQ(red, 9);  // the middle 3 x 3 of the mark, none 9 pixels out
    EXPECT_TRUE(ringed.contains(map) ? onRing >= 60 : nearMark >= 3) << nearMark << " " << onRing;
  }
  EXPECT_GE(onLand, 200);
  EXPECT_TRUE(files.isEmpty()) << "stray " << files.values().join(u' ').toStdString();

  // The icon: every size square, transparent in the corners around the round picture,
  // with the clock face's white a third of its radius above the hands' pivot
  // (the face's centre at 176/256 of the picture); the window icon offers it.
  for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    SCOPED_TRACE(size);
    const QImage image(QStringLiteral(":/icons/zorvane-%1.png").arg(size));
    EXPECT_TRUE(image.size() == QSize(size, size) && image.hasAlphaChannel() &&
                AppIcon().availableSizes().contains(QSize(size, size)));
    EXPECT_EQ(qAlpha(image.pixel(0, 0) | image.pixel(size - 1, 0) | image.pixel(0, size - 1)), 0);
    const QColor face = image.pixelColor(QPoint(size * 176 / 256, size * 150 / 256));
    EXPECT_TRUE(size < 32 || (face.alpha() == 255 && face.lightness() > 200));
  }

  // The hand pointer: black and white only, with the hot spot on the finger
  // tip's outline and nothing opaque above it.
  const QImage hand(QStringLiteral(":/hand.png"));
  ASSERT_EQ(hand.size(), QSize(32, 32));
  int white = 0, wrong = 0;
  for (int i = 0; i < 32 * 32; ++i) {
    const QColor c = hand.pixelColor(i % 32, i / 32);
    wrong += c.alpha() != 0 &&
             (i / 32 < kHandHotSpot.y() || (c.rgba() != qRgb(0, 0, 0) && c.rgba() != qRgb(255, 255, 255)));
    white += c.rgba() == qRgb(255, 255, 255);
  }
  EXPECT_TRUE(wrong == 0 && white > 100) << wrong << " " << white;
  EXPECT_TRUE(hand.pixelColor(kHandHotSpot).rgba() == qRgb(0, 0, 0) &&
              HandCursor().hotSpot() == kHandHotSpot);
}

}  // namespace
}  // namespace zv
