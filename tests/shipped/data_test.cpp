// Checks of the shipped country file: it reads whole with the program's reader,
// the program's writer reproduces it byte for byte below its title line, names fit the 16-character
// list captions, and every entry's offsets and daylight-saving rule give the
// tz database's local time on every day of the year.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTimeZone>
#include <map>

#include "clock/gridcalc.h"
#include "data/countryfile.h"
#include "data/numtext.h"
#include "support/testsupport.h"

namespace zv {
namespace {

using test::SourcePath;

struct Shipped {
  CountryTable table;
  ReadResult read;
  std::map<QString, QString> zoneOf;  // name -> IANA zone id of the source table
  Shipped() {
    read = ReadCountriesFile(SourcePath("data/countries.txt"), table, kEntryCount);
    const QString src = QString::fromUtf8(test::ReadFileBytes(SourcePath("tools/countries-source.tsv")));
    for (const QString& line : src.split(u'\n')) {
      if (line.isEmpty() || line.startsWith(u'#')) continue;
      const QStringList f = line.split(u'\t');
      if (f.size() >= 2) zoneOf[f[0]] = f[1];
    }
  }
};

const Shipped& Data() {
  static const Shipped s;
  return s;
}

TEST(ShippedCountries, ReadsAll224CompleteRecords) {
  const auto& d = Data();
  ASSERT_TRUE(d.read.opened);
  EXPECT_EQ(d.read.entriesRead, 224);
  EXPECT_TRUE(d.read.complete);
  for (int n = 1; n <= kEntryCount; ++n)
    for (int c = kColName; c <= kColHistory; ++c)
      EXPECT_FALSE(d.table.at(n, c).isEmpty()) << "entry " << n << " column " << c;
  // Nothing is left over after the last record.
  CountryTable bigger;
  const auto more = ReadCountriesFile(SourcePath("data/countries.txt"), bigger, 225);
  EXPECT_EQ(more.entriesRead, 224);
  EXPECT_FALSE(more.complete);
}

TEST(ShippedCountries, WriterReproducesTheFileByteForByte) {
  const auto& d = Data();
  const QByteArray file = test::ReadFileBytes(SourcePath("data/countries.txt"));
  // The generator's title names the year and tz release; the writer's names
  // the moment of saving. The rest is the same byte for byte.
  const QByteArray written =
      WriteCountriesBytes(d.table, kEntryCount, QDateTime(QDate(2026, 1, 1), QTime(0, 0)));
  const auto body = [](const QByteArray& b) { return b.mid(b.indexOf("\r\n")); };
  EXPECT_EQ(body(written).size(), body(file).size());
  EXPECT_TRUE(body(written) == body(file));
  EXPECT_FALSE(file.contains('"'));
}

TEST(ShippedCountries, NamesSortedUniqueIn16CharactersAndZonesAdjacent) {
  const auto& d = Data();
  QSet<QString> captions;
  QSet<QString> searchNames;
  QString previousSearch;
  for (int n = 1; n <= kEntryCount; ++n) {
    const QString name = d.table.at(n, kColName);
    if (n > 1) {
      EXPECT_LT(d.table.at(n - 1, kColName), name);
    }
    const QString caption = name.left(16);
    EXPECT_FALSE(captions.contains(caption)) << caption.toStdString();
    captions.insert(caption);
    // The map's search list: caption without its zone suffix, adjacent
    // duplicates skipped. A name seen again later means the zones of one
    // country are not next to each other.
    QString search = caption;
    const auto paren = search.indexOf(QStringLiteral(" ("));
    if (paren >= 0) search = search.left(paren);
    if (search != previousSearch) {
      EXPECT_FALSE(searchNames.contains(search)) << search.toStdString();
      searchNames.insert(search);
    }
    previousSearch = search;
    // A zone entry's map name is the country code with the zone after it.
    static const QRegularExpression mapForm(QStringLiteral("^[a-z]{2}(-[a-z]+)?$"));
    EXPECT_TRUE(mapForm.match(d.table.at(n, kColMapName)).hasMatch()) << name.toStdString();
    EXPECT_EQ(paren >= 0 || name.contains(u'('), d.table.at(n, kColMapName).contains(u'-'))
        << name.toStdString();
  }
}

TEST(ShippedCountries, CoordinatesHaveTwoDecimalsAndAHemisphereLetter) {
  const auto& d = Data();
  static const QRegularExpression latForm(QStringLiteral("^\\d{1,2}\\.\\d\\d[NS]$"));
  static const QRegularExpression lonForm(QStringLiteral("^\\d{1,3}\\.\\d\\d[EW]$"));
  for (int n = 1; n <= kEntryCount; ++n) {
    const QString lat = d.table.at(n, kColLatitude);
    const QString lon = d.table.at(n, kColLongitude);
    EXPECT_TRUE(latForm.match(lat).hasMatch()) << lat.toStdString();
    EXPECT_TRUE(lonForm.match(lon).hasMatch()) << lon.toStdString();
    EXPECT_LE(NumberInText(lat.chopped(1)), 90.0);
    EXPECT_LE(NumberInText(lon.chopped(1)), 180.0);
  }
}

TEST(ShippedCountries, HistoriesHoldTwoToFourSentences) {
  const auto& d = Data();
  for (int n = 1; n <= kEntryCount; ++n) {
    const QString h = d.table.at(n, kColHistory);
    const auto sentences = h.count(QStringLiteral(". ")) + (h.endsWith(u'.') ? 1 : 0);
    EXPECT_GE(sentences, 2) << d.table.at(n, kColName).toStdString();
    EXPECT_LE(sentences, 4) << d.table.at(n, kColName).toStdString();
  }
}

// Column 4 is exactly "1" or "0"; an entry without daylight saving has 0 hours
// and both dates unset; one with it has a positive amount and two different
// dates of the year, the end before the start south of the equator (the rule
// then runs over the new year). Offsets lie within the world's range.
TEST(ShippedCountries, DaylightSavingColumnsAgree) {
  const auto& d = Data();
  int southern = 0;
  for (int n = 1; n <= kEntryCount; ++n) {
    const std::string name = d.table.at(n, kColName).toStdString();
    const QString used = d.table.at(n, kColDstUsed);
    ASSERT_TRUE(used == u"1" || used == u"0") << name;
    const double hours = NumberInText(d.table.at(n, kColDstHours));
    const double offset = NumberInText(d.table.at(n, kColOffset));
    EXPECT_GE(offset, -12.0) << name;
    EXPECT_LE(offset, 14.0) << name;
    if (used == u"0") {
      EXPECT_EQ(d.table.at(n, kColDstHours), QStringLiteral("0")) << name;
      EXPECT_EQ(d.table.dstStart[n], 0.0) << name;
      EXPECT_EQ(d.table.dstEnd[n], 0.0) << name;
      continue;
    }
    EXPECT_GT(hours, 0.0) << name;
    EXPECT_LE(hours, 2.0) << name;
    const QDate start = QDateFromValue(d.table.dstStart[n]);
    const QDate end = QDateFromValue(d.table.dstEnd[n]);
    EXPECT_NE(start, end) << name;
    if (d.table.at(n, kColLatitude).endsWith(u'S')) {
      EXPECT_LT(end, start) << name;
      ++southern;
    }
  }
  EXPECT_GE(southern, 3);  // Chile, New Zealand and south-east Australia at least
}

// Every day of 2026, the days on which the clocks change included: the
// clock's rule with today's date gives the tz database's offset at 12:00 GMT
// of that day.
TEST(ShippedCountries, OffsetsAndRulesMatchTheTzDatabaseEveryDayOf2026) {
  const auto& d = Data();
  for (int n = 1; n <= kEntryCount; ++n) {
    const QString name = d.table.at(n, kColName);
    ASSERT_TRUE(d.zoneOf.count(name)) << name.toStdString();
    const QTimeZone tz(d.zoneOf.at(name).toLatin1());
    ASSERT_TRUE(tz.isValid()) << d.zoneOf.at(name).toStdString();
    if (NumberInText(d.table.at(n, kColDstUsed)) == 1) {
      // The start date may be 31 December before, the end 1 January after.
      EXPECT_EQ(QDateFromValue(d.table.dstStart[n]).addDays(1).year(), 2026) << name.toStdString();
      EXPECT_EQ(QDateFromValue(d.table.dstEnd[n]).addDays(-1).year(), 2026) << name.toStdString();
    } else {
      EXPECT_EQ(d.table.dstStart[n], 0.0) << name.toStdString();
      EXPECT_EQ(NumberInText(d.table.at(n, kColDstHours)), 0.0) << name.toStdString();
    }
    int mismatches = 0;
    for (QDate day(2026, 1, 1); day.year() == 2026; day = day.addDays(1)) {
      const int tzMinutes = tz.offsetFromUtc(QDateTime(day, QTime(12, 0), QTimeZone::utc())) / 60;
      if (tzMinutes != test::ClockOffsetMinutes(d.table, n, day) && ++mismatches <= 3)
        ADD_FAILURE() << name.toStdString() << " on " << day.toString(Qt::ISODate).toStdString() << ": tz "
                      << tzMinutes << " clock " << test::ClockOffsetMinutes(d.table, n, day);
    }
    EXPECT_EQ(mismatches, 0) << name.toStdString();
  }
}

// The title line says which year and which tz database release the dates
// come from, and stays one field.
TEST(ShippedCountries, TitleNamesTheYearAndTheTzDatabaseRelease) {
  const QByteArray file = test::ReadFileBytes(SourcePath("data/countries.txt"));
  const QByteArray title = file.left(file.indexOf("\r\n"));
  static const QRegularExpression form(
      QStringLiteral("^Country TimeZone w/GMT DayLightSavingHrs  2026 from tz database 20\\d\\d[a-z]$"));
  EXPECT_TRUE(form.match(QString::fromLatin1(title)).hasMatch()) << title.toStdString();
}

}  // namespace
}  // namespace zv
