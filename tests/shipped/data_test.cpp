// Checks of the shipped country file: it reads whole, the program's writer
// reproduces it byte for byte below its title line, its fields have their
// forms, names fit the 16-character list captions, and every entry's offset
// and daylight-saving rule give the tz database's local time on every day of
// the year.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>
#include <QTimeZone>

#include "data/countryfile.h"
#include "data/numtext.h"
#include "support/testsupport.h"

namespace zv {
namespace {

using test::SourcePath;

TEST(ShippedCountries, ReadsWholeAndWritesBackByteForByte) {
  CountryTable t;
  const ReadResult read = ReadCountriesFile(SourcePath("data/countries.txt"), t, kEntryCount);
  EXPECT_TRUE(read.opened && read.complete);
  EXPECT_EQ(read.entriesRead, kEntryCount);
  // The generator's title names the year and the tz release, the writer's the
  // moment of saving; the rest is the same.
  const QByteArray file = test::ReadFileBytes(SourcePath("data/countries.txt"));
  const QByteArray written = WriteCountriesBytes(t, kEntryCount, QDateTime(QDate(2026, 1, 1), QTime(0, 0)));
  const auto body = [](const QByteArray& b) { return b.mid(b.indexOf("\r\n")); };
  EXPECT_TRUE(body(written) == body(file));
  const QString title = QString::fromLatin1(file.left(file.indexOf("\r\n")));
  EXPECT_TRUE(
      QRegularExpression(
          QStringLiteral("^Country TimeZone w/GMT DayLightSavingHrs  2026 from tz database 20\\d\\d[a-z]$"))
          .match(title)
          .hasMatch())
      << title.toStdString();
}

// Every field filled; coordinates with two decimals and a hemisphere letter;
// names sorted, their 16-character captions unique, the zones of one country
// next to each other with a map name "cc-zone"; histories of two to four
// sentences; no daylight saving without its dates and hours, and with it an
// end before the start south of the equator (the rule runs over the new
// year). Every day of 2026 the clock's rule gives the tz database's offset at
// 12:00 GMT for the entry's zone in the generator's source table.
TEST(ShippedCountries, EveryEntryHasItsFormsAndTheTzDatabasesTimes) {
  CountryTable t;
  ASSERT_TRUE(ReadCountriesFile(SourcePath("data/countries.txt"), t, kEntryCount).complete);
  QHash<QString, QByteArray> zoneOf;
  for (const QByteArray& line : test::ReadFileBytes(SourcePath("tools/countries-source.tsv")).split('\n'))
    if (!line.startsWith('#') && line.contains('\t'))
      zoneOf[QString::fromUtf8(line.split('\t')[0])] = line.split('\t')[1];
  const QRegularExpression latForm(QStringLiteral("^\\d{1,2}\\.\\d\\d[NS]$")),
      lonForm(QStringLiteral("^\\d{1,3}\\.\\d\\d[EW]$")), mapForm(QStringLiteral("^[a-z]{2}(-[a-z]+)?$"));
  QSet<QString> captions, countries;
  QString previous;
  int southern = 0;
  for (int n = 1; n <= kEntryCount; ++n) {
    const QString name = t.at(n, kColName);
    SCOPED_TRACE(name.toStdString());
    for (int c = kColName; c <= kColHistory; ++c) EXPECT_FALSE(t.at(n, c).isEmpty()) << c;
    EXPECT_TRUE(latForm.match(t.at(n, kColLatitude)).hasMatch() &&
                lonForm.match(t.at(n, kColLongitude)).hasMatch());
    EXPECT_LE(NumberInText(t.at(n, kColLatitude)), 90.0);
    EXPECT_LE(NumberInText(t.at(n, kColLongitude)), 180.0);
    EXPECT_TRUE(n == 1 || t.at(n - 1, kColName) < name);
    EXPECT_FALSE(captions.contains(name.left(16)));
    captions.insert(name.left(16));
    const QString country = name.left(16).section(QStringLiteral(" ("), 0, 0);
    EXPECT_TRUE(country == previous || !countries.contains(country));
    countries.insert(previous = country);
    EXPECT_TRUE(mapForm.match(t.at(n, kColMapName)).hasMatch());
    EXPECT_EQ(name.contains(u'('), t.at(n, kColMapName).contains(u'-'));
    const QString history = t.at(n, kColHistory);
    const qsizetype sentences = history.count(QStringLiteral(". ")) + history.endsWith(u'.');
    EXPECT_TRUE(sentences >= 2 && sentences <= 4) << sentences;
    const bool dst = t.at(n, kColDstUsed) == u"1";
    EXPECT_TRUE(dst || t.at(n, kColDstUsed) == u"0");
    if (!dst) {
      EXPECT_TRUE(t.at(n, kColDstHours) == u"0" && t.dstStart[n] == 0.0 && t.dstEnd[n] == 0.0);
    } else {
      const double hours = NumberInText(t.at(n, kColDstHours));
      EXPECT_TRUE(hours > 0 && hours <= 2) << hours;
      // The start may be 31 December before, the end 1 January after.
      const QDate start = QDateFromValue(t.dstStart[n]), end = QDateFromValue(t.dstEnd[n]);
      EXPECT_TRUE(start.addDays(1).year() == 2026 && end.addDays(-1).year() == 2026 && start != end);
      if (t.at(n, kColLatitude).endsWith(u'S')) {
        EXPECT_LT(end, start);
        ++southern;
      }
    }
    const QTimeZone tz(zoneOf.value(name));
    ASSERT_TRUE(tz.isValid());
    int mismatches = 0;
    for (QDate day(2026, 1, 1); day.year() == 2026; day = day.addDays(1)) {
      const int tzMinutes = tz.offsetFromUtc(QDateTime(day, QTime(12, 0), QTimeZone::utc())) / 60;
      if (tzMinutes != test::ClockOffsetMinutes(t, n, day) && ++mismatches == 1)
        ADD_FAILURE() << day.toString(Qt::ISODate).toStdString() << ": tz " << tzMinutes;
    }
  }
  EXPECT_GE(southern, 3);  // Chile, New Zealand and south-east Australia at least
}

}  // namespace
}  // namespace zv
