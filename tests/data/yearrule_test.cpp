// A year's daylight-saving columns computed from the computer's tz database:
// for 2026 they are the shipped file's, and for later years the clock's rule
// on them gives the tz database's offset at 12:00 GMT of every day, but for
// the days that one stretch of daylight saving cannot express.

#include "data/yearrule.h"

#include <gtest/gtest.h>

#include <QTimeZone>
#include <map>
#include <set>

#include "clock/gridcalc.h"
#include "data/countryfile.h"
#include "data/dstupdate.h"
#include "data/numtext.h"
#include "data/zonenames.h"
#include "support/testsupport.h"

namespace zv {
namespace {

const CountryTable& Shipped() {
  static const CountryTable table = [] {
    CountryTable t;
    EXPECT_TRUE(ReadCountriesFile(test::SourcePath("data/countries.txt"), t, kEntryCount).complete);
    return t;
  }();
  return table;
}

// Map picture name -> zone id, as the hand-written source table pairs them.
std::map<QString, QString> SourceZones() {
  std::map<QString, QString> out;
  const QString src = QString::fromUtf8(test::ReadFileBytes(test::SourcePath("tools/countries-source.tsv")));
  for (const QString& line : src.split(u'\n')) {
    if (line.isEmpty() || line.startsWith(u'#')) continue;
    const QStringList f = line.split(u'\t');
    if (f.size() >= 8) out[f[7]] = f[1];
  }
  return out;
}

TEST(ZoneTable, PairsEveryMapNameOfTheSourceWithItsZoneAndNothingElse) {
  const auto source = SourceZones();
  ASSERT_EQ(source.size(), static_cast<size_t>(kEntryCount));
  EXPECT_EQ(MapZones().size(), source.size());
  for (const auto& [map, zone] : source)
    EXPECT_EQ(ZoneIdForMapName(map), zone.toLatin1()) << map.toStdString();
  for (const QString bad : {"", "GB", "gb ", "g", "zz", "us-eastern-x", "us"})
    EXPECT_TRUE(ZoneIdForMapName(bad).isEmpty()) << bad.toStdString();
}

TEST(YearColumns, For2026ReproduceEveryFieldOfTheShippedFile) {
  const CountryTable& t = Shipped();
  for (int n = 1; n <= kEntryCount; ++n) {
    const QTimeZone zone(ZoneIdForMapName(t.at(n, kColMapName)));
    const auto computed = ComputeYearColumns(zone, 2026);
    ASSERT_TRUE(computed) << t.at(n, kColName).toStdString();
    EXPECT_EQ(ColumnsOf(t, n), *computed) << t.at(n, kColName).toStdString();
  }
}

// Facts of the tz database (2025 releases) for zones whose rules make the
// method's boundaries matter.
struct RuleRow {
  const char* zone;
  int year;
  const char* offset;
  const char* dstHours;
  const char* used;
  QDate start, end;  // null: unset
};

const RuleRow kRules[] = {
    // Clocks go forward at 01:00 GMT on 28 March 2027: 27 March is the last
    // day without summer time, 31 October the first one without.
    {"Europe/London", 2027, "0", "1", "1", QDate(2027, 3, 27), QDate(2027, 10, 31)},
    {"America/New_York", 2027, "-5", "1", "1", QDate(2027, 3, 13), QDate(2027, 11, 7)},
    // Auckland's change at 02:00 NZST on Sunday 26 September 2027 is 14:00
    // GMT on the Saturday: at 12:00 GMT of Saturday it is not yet in force.
    {"Pacific/Auckland", 2027, "12", "1", "1", QDate(2027, 9, 25), QDate(2027, 4, 4)},
    {"America/Santiago", 2027, "-4", "1", "1", QDate(2027, 9, 4), QDate(2027, 4, 4)},
    {"Australia/Sydney", 2028, "10", "1", "1", QDate(2028, 9, 30), QDate(2028, 4, 2)},
    {"Europe/Dublin", 2027, "0", "1", "1", QDate(2027, 3, 27), QDate(2027, 10, 31)},
    {"Asia/Kathmandu", 2027, "5.75", "0", "0", QDate(), QDate()},
    {"Asia/Kolkata", 2030, "5.5", "0", "0", QDate(), QDate()},
    {"America/St_Johns", 2027, "-3.5", "1", "1", QDate(2027, 3, 13), QDate(2027, 11, 7)},
    // Morocco: +1 all year but for a shift back during Ramadan, so +0 is the
    // normal offset and its daylight saving runs over the new year.
    {"Africa/Casablanca", 2027, "0", "1", "1", QDate(2027, 3, 13), QDate(2027, 2, 7)},
    // 2029 holds two stretches; the longest is kept.
    {"Africa/Casablanca", 2029, "0", "1", "1", QDate(2029, 2, 17), QDate(2029, 12, 30)},
};

class RuleRows : public ::testing::TestWithParam<RuleRow> {};

TEST_P(RuleRows, GiveTheseColumns) {
  const RuleRow& r = GetParam();
  const auto c = ComputeYearColumns(QTimeZone(r.zone), r.year);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->offset, QString::fromLatin1(r.offset));
  EXPECT_EQ(c->dstHours, QString::fromLatin1(r.dstHours));
  EXPECT_EQ(c->dstUsed, QString::fromLatin1(r.used));
  EXPECT_EQ(FormatFileDate(c->start),
            r.start.isValid() ? FormatFileDate(DateFromQDate(r.start)) : "12:00:00 AM");
  EXPECT_EQ(FormatFileDate(c->end), r.end.isValid() ? FormatFileDate(DateFromQDate(r.end)) : "12:00:00 AM");
}
INSTANTIATE_TEST_SUITE_P(Zones, RuleRows, ::testing::ValuesIn(kRules));

TEST(YearColumns, NothingForAnUnknownZoneOrAYearOutOfRange) {
  EXPECT_FALSE(ComputeYearColumns(QTimeZone(), 2027));
  EXPECT_FALSE(ComputeYearColumns(QTimeZone("Nowhere/Atlantis"), 2027));
  EXPECT_FALSE(ComputeYearColumns(QTimeZone("Europe/London"), 0));
  EXPECT_FALSE(ComputeYearColumns(QTimeZone("Europe/London"), 10000));
}

// The days that one stretch of daylight saving cannot express, by map name
// and year: Morocco's two stretches of 2029 (1 to 13 January at +1 are left
// out for the longer one from 18 February).
struct Miss {
  const char* map;
  QDate first, last;
};
const Miss kKnownMisses[] = {{"ma", QDate(2029, 1, 1), QDate(2029, 1, 13)}};

TEST(YearColumns, From2027To2030AgreeWithTheTzDatabaseEveryDayButTheKnownMisses) {
  std::set<std::pair<QString, QDate>> expected;
  for (const Miss& m : kKnownMisses)
    for (QDate d = m.first; d <= m.last; d = d.addDays(1)) expected.insert({QString::fromLatin1(m.map), d});
  std::set<std::pair<QString, QDate>> found;
  for (int year = 2027; year <= 2030; ++year) {
    CountryTable t = Shipped();
    const DstTableUpdate u = UpdateDstColumns(t, kEntryCount, year);
    EXPECT_TRUE(u.notUpdated.empty());
    for (int n = 1; n <= kEntryCount; ++n) {
      const QTimeZone zone(ZoneIdForMapName(t.at(n, kColMapName)));
      for (QDate day(year, 1, 1); day.year() == year; day = day.addDays(1)) {
        const int tzMinutes = zone.offsetFromUtc(SampleInstant(day)) / 60;
        if (tzMinutes != test::ClockOffsetMinutes(t, n, day)) found.insert({t.at(n, kColMapName), day});
      }
    }
  }
  for (const auto& [map, day] : found)
    EXPECT_TRUE(expected.count({map, day}))
        << map.toStdString() << " " << day.toString(Qt::ISODate).toStdString();
  EXPECT_EQ(found.size(), expected.size());
}

}  // namespace
}  // namespace zv
