// What the computer's time-zone database gives: the own-zone settings (the
// normal offset and shift at a moment, at start-up with and without
// tzone.txt, and matched settings following a change of shift while the
// program runs), a year's daylight-saving columns (for 2026 the shipped
// file's; for later years the clock's rule on them gives the tz database's
// offset at 12:00 GMT of every day, but for the days that one stretch cannot
// express), and the update of the country file with them: which entries
// change, the entries that cannot be updated, the file left untouched
// whenever the update cannot be whole, and the command line's output and
// exit status.

#include <gtest/gtest.h>

#include <QTextStream>
#include <QTimeZone>

#include "clock/gridcalc.h"
#include "data/countryfile.h"
#include "data/dstupdate.h"
#include "data/ownzone.h"
#include "data/savefile.h"
#include "data/yearrule.h"
#include "data/zonenames.h"
#include "support/testsupport.h"

namespace zv {
namespace {

CountryTable Read(const QByteArray& bytes) {
  CountryTable t;
  EXPECT_TRUE(ReadCountriesText(QString::fromLatin1(bytes), t, kEntryCount).complete);
  return t;
}

int Row(const CountryTable& t, const QString& name) {
  for (int n = 1; n <= kEntryCount; ++n)
    if (t.at(n, kColName) == name) return n;
  ADD_FAILURE() << "no entry " << name.toStdString();
  return 0;
}

TEST(DstUpdate, DatesYearIsTheEarliestOfAnEntryWithAZoneAndARule) {
  // Germany's start date and columns edited; a stretch from 1 January has its
  // start date on 31 December before. "*": the rule off in every entry.
  // clang-format off
  const struct { DateValue start; const char* mapName; const char* used; std::optional<int> year; } rows[] = {
      {-1, "de", "1", 2026}, {DateFromYmd(2025, 12, 31), "de", "1", 2026}, {1, "xx", "1", 2026},
      {1, "de", "0", 2026}, {DateFromYmd(2025, 3, 29), "de", "1", 2025}, {0, "de", "1", 1899},
      {-1, "de", "*", std::nullopt}};
  // clang-format on
  for (const auto& r : rows) {
    CountryTable t = Read(test::ShippedCountriesBytes());
    const int n = Row(t, "Germany");
    if (r.start >= 0) t.dstStart[n] = r.start;
    t.at(n, kColMapName) = r.mapName;
    t.at(n, kColDstUsed) = r.used;
    if (*r.used == '*')
      for (auto& row : t.text) row[kColDstUsed] = "0";
    EXPECT_EQ(DstDatesYear(t, kEntryCount), r.year) << r.start << r.mapName << r.used;
  }
  CountryTable t = Read(test::ShippedCountriesBytes());  // the last entry alone holds the earliest year
  t.at(kEntryCount, kColMapName) = "de";
  t.at(kEntryCount, kColDstUsed) = t.at(kEntryCount, kColDstHours) = "1";
  t.dstStart[kEntryCount] = DateFromYmd(2025, 3, 29);
  EXPECT_EQ(DstDatesYear(t, kEntryCount), 2025);
}

// The shipped file with entries edited by hand, updated for 2027: only the
// daylight-saving columns of entries with daylight saving change.
TEST(DstUpdate, For2027ChangesTheDstColumnsOnlyAndNamesTheEntriesItCannotUpdate) {
  const test::DataFolder data;
  const QString path = data.Path("countries.txt");
  CountryTable t = Read(test::ShippedCountriesBytes());
  const int uk = Row(t, "United Kingdom"), de = Row(t, "Germany"), nz = Row(t, "New Zealand"),
            in = Row(t, "India");
  t.at(uk, kColMapName) = "xx";               // no zone: listed, untouched
  t.at(de, kColName) = "Deutschland";         // renamed: found by its map name
  t.dstStart[nz] = t.dstEnd[nz] = 0;          // dates cleared: filled again
  t.at(in, kColMapName) = "";                 // empty map name: listed
  t.at(in, kColHistory) = "Edited by hand.";  // kept
  t.at(kEntryCount, kColOffset) = "3";        // the last entry's offset mistyped: mended
  data.Write("countries.txt", test::CountriesBytes(t));
  const DstFileUpdate r =
      UpdateDstFile(path, path, kEntryCount, 2027, QDateTime(QDate(2027, 7, 1), QTime(12, 0)));
  ASSERT_TRUE(r.ok()) << r.error.toStdString();
  const CountryTable after = Read(data.Read("countries.txt"));
  EXPECT_TRUE(after == r.table);
  EXPECT_TRUE(data.Read("countries.txt")
                  .startsWith("Country TimeZone w/GMT DayLightSavingHrs  Jul 01  12:00 PM\r\n"));
  QStringList lines;
  for (const EntryChange& c : r.update.changes) lines << ChangeLine(r.table, c);
  for (const char* line :
       {"Deutschland: 1,1,1,#3/28/2026#,#10/25/2026# -> 1,1,1,#3/27/2027#,#10/31/2027#",
        "New Zealand: 12,1,1,#12:00:00 AM#,#12:00:00 AM# -> 12,1,1,#9/25/2027#,#4/4/2027#",
        "Zimbabwe: 3,0,0,#12:00:00 AM#,#12:00:00 AM# -> 2,0,0,#12:00:00 AM#,#12:00:00 AM#"})
    EXPECT_TRUE(lines.contains(line)) << line;
  EXPECT_EQ(r.update.notUpdated, (std::vector<int>{in, uk}));
  const QString head = "Daylight saving dates updated for 2027 from this computer's time-zone database: ";
  EXPECT_EQ(DstUpdatedText(r, 2027), head +
                                         "68 entries changed.\n\nEntries not updated, no time zone known "
                                         "for their map picture name: India (empty), United Kingdom (xx).");
  CountryTable expected = t;
  for (const EntryChange& c : r.update.changes) SetColumns(expected, c.entry, c.after);
  EXPECT_TRUE(after == expected);  // nothing else moved
  DstFileUpdate none;
  EXPECT_EQ(DstUpdatedText(none, 2027), head + "no entry changed.");
  none.update.changes.resize(1);
  EXPECT_EQ(DstUpdatedText(none, 2027), head + "1 entry changed.");
}

// The command: its output, messages and exit status. The clock says 2026,
// the year of the shipped dates: by default nothing changes, and the file
// keeps its bytes, title included. Whenever the update cannot be whole, the
// file is left as it was and the message says why (the system's own reason
// follows, in the user's language).
TEST(DstUpdate, CommandPrintsOneLinePerChangeAndExitsWithTheStatus) {
  const test::FixedClock clock(QDateTime(QDate(2026, 12, 7), QTime(9, 0)));
  SetClock(&clock);
  // file: 's' the shipped one, 'h' its first half, 'f' the shipped one on a disk
  // that fails after 100 bytes, '-' none.
  // clang-format off
  const struct { char file; const char* year; int status; const char* out; const char* err = ""; } rows[] = {
      {'s', "2027", 0, "United Kingdom: 0,1,1,#3/28/2026#,#10/25/2026# -> 0,1,1,#3/27/2027#,#10/31/2027#\n"},
      {'s', "", 0, "", ""}, {'s', "abc", 2, "", "zorvane: \"abc\" is not a year from 1900 to 9999.\n"},
      {'s', "2027x", 2, "", "is not a year"}, {'s', "1899", 2, "", "is not a year"},
      {'s', "10000", 2, "", "is not a year"},
      {'s', "1900", 0, "United Kingdom: 0,1,1,#3/28/2026#,#10/25/2026# -> "},
      {'s', "9999", 0, "United Kingdom: 0,1,1,#3/28/2026#,#10/25/2026# -> 0,1,1,#3/"},
      {'-', "2027", 1, "", "zorvane: The country file %1 does not exist"},
      {'h', "2027", 1, "", "zorvane: The country file %1 could be read only as far as entry 1"},
      {'f', "2027", 1, "", "zorvane: The country file %1 could not be saved: "}};
  // clang-format on
  for (const auto& c : rows) {
    SCOPED_TRACE(std::string(c.year) + " " + c.err);
    const test::DataFolder data;
    const QByteArray bytes =
        c.file == 'h' ? test::ShippedCountriesBytes().left(test::ShippedCountriesBytes().size() / 2)
                      : test::ShippedCountriesBytes();
    if (c.file != '-') data.Write("countries.txt", bytes);
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    test::FailWritesAfter(c.file == 'f' ? 100 : -1);
    EXPECT_EQ(RunUpdateDstDates(c.year, outStream, errStream), c.status);
    test::FailWritesAfter(-1);
    EXPECT_TRUE(*c.out ? out.contains(c.out) : out.isEmpty()) << out.toStdString();
    const QString expectedErr = QString(c.err).replace("%1", data.Path("countries.txt"));
    EXPECT_TRUE(*c.err ? err.contains(expectedErr) : err.isEmpty()) << err.toStdString();
    EXPECT_EQ(data.Exists("countries.txt"), c.file != '-');
    EXPECT_EQ(c.file != '-' && data.Read("countries.txt") != bytes, c.status == 0 && *c.year);
    // One line per changed entry, each naming the old and the new columns.
    for (const QString& line : out.split(u'\n', Qt::SkipEmptyParts)) EXPECT_TRUE(line.contains(" -> "));
  }
  SetClock(nullptr);
}

// Facts of the tz database (2025 releases) for zones whose rules make the
// method's boundaries matter.
// Clocks go forward at 01:00 GMT on 28 March 2027: 27 March is the last
// day without summer time, 31 October the first one without.
// Auckland's change at 02:00 NZST on Sunday 26 September 2027 is 14:00
// GMT on the Saturday: at 12:00 GMT of Saturday it is not yet in force.
// Morocco: +1 all year but for a shift back during Ramadan, so +0 is the
// normal offset and its daylight saving runs over the new year.
// 2029 holds two stretches; the longest is kept.
TEST(YearColumns, FollowTheRulesOfTheseZones) {
  // clang-format off
  const struct { const char* zone; int year; const char* columns; } rows[] = {
      {"Europe/Dublin", 2027, "0,1,1,3/27/2027,10/31/2027"},
      {"Pacific/Auckland", 2027, "12,1,1,9/25/2027,4/4/2027"},
      {"America/New_York", 2027, "-5,1,1,3/13/2027,11/7/2027"},
      {"Australia/Sydney", 2028, "10,1,1,9/30/2028,4/2/2028"},
      {"Asia/Kathmandu", 2027, "5.75,0,0,12:00:00 AM,12:00:00 AM"},
      {"America/St_Johns", 2027, "-3.5,1,1,3/13/2027,11/7/2027"},
      {"Africa/Casablanca", 2027, "0,1,1,3/13/2027,2/7/2027"},
      {"Africa/Casablanca", 2029, "0,1,1,2/17/2029,12/30/2029"}};
  // clang-format on
  for (const auto& r : rows) {
    const auto c = ComputeYearColumns(QTimeZone(r.zone), r.year);
    ASSERT_TRUE(c) << r.zone;
    const QStringList got = {c->offset, c->dstHours, c->dstUsed, FormatFileDate(c->start),
                             FormatFileDate(c->end)};
    EXPECT_EQ(got.join(u','), r.columns) << r.zone << " " << r.year;
  }
  for (const auto& [zone, year] :
       {std::pair("Nowhere/Atlantis", 2027), {"Europe/London", 0}, {"Europe/London", 10000}})
    EXPECT_FALSE(ComputeYearColumns(QTimeZone(zone), year)) << zone << year;
  EXPECT_EQ(ComputeYearColumns(QTimeZone("Europe/London"), 9999)->dstUsed, "1");
  EXPECT_EQ(ComputeYearColumns(QTimeZone("Europe/London"), 1)->dstUsed, "0");
}

// For 2026 the columns are those of the shipped file. Every day agrees with
// the tz database but for the days that one stretch of daylight saving cannot
// express: Morocco's two stretches of 2029 (1 to 13 January at +1 are left
// out for the longer one from 18 February).
TEST(YearColumns, From2026To2030AgreeWithTheTzDatabaseEveryDayButTheKnownMisses) {
  EXPECT_EQ(MapZones().size(), 224u);  // one zone for each map name, and no other
  for (const QString bad : {"", "GB", "gb ", "g", "zz", "us-eastern-x", "us", "zzz"})
    EXPECT_TRUE(ZoneIdForMapName(bad).isEmpty()) << bad.toStdString();
  QStringList expected, found;
  for (QDate d(2029, 1, 1); d <= QDate(2029, 1, 13); d = d.addDays(1))
    expected << "ma " + d.toString(Qt::ISODate);
  for (int year = 2026; year <= 2030; ++year) {
    CountryTable t = Read(test::ShippedCountriesBytes());
    const DstTableUpdate u = UpdateDstColumns(t, kEntryCount, year);
    EXPECT_TRUE(u.notUpdated.empty());
    EXPECT_TRUE(year > 2026 || u.changes.empty());  // 2026: every field of the shipped file
    for (int n = 1; n <= kEntryCount; ++n) {
      const QTimeZone zone(ZoneIdForMapName(t.at(n, kColMapName)));
      for (QDate day(year, 1, 1); day.year() == year; day = day.addDays(1)) {
        const int tzMinutes = zone.offsetFromUtc(SampleInstant(day)) / 60;
        if (tzMinutes != test::ClockOffsetMinutes(t, n, day))
          found << t.at(n, kColMapName) + " " + day.toString(Qt::ISODate);
      }
    }
  }
  EXPECT_EQ(found.join(u' ').toStdString(), expected.join(u' ').toStdString());
}

// A zone by id; "" for a computer whose zone is not known.
QTimeZone Zone(const char* id) { return *id ? QTimeZone(QByteArray(id)) : QTimeZone(); }

QDateTime Utc(int y, int m, int d, int h = 12, int min = 0) {
  return QDateTime(QDate(y, m, d), QTime(h, min), QTimeZone::utc());
}

// The offset and the shift as "offset/shift", "-" for none.
std::string Text(const std::optional<ZoneTexts>& z) {
  return z ? (z->offset + u'/' + z->dstHours).toStdString() : "-";
}

// Clocks go forward at 01:00 GMT on 28 March 2027. Irish winter time is a
// negative shift in the tz database; counted as the country table counts it,
// GMT is normal and summer the shift.
TEST(OwnZone, TheComputersNormalOffsetAndShiftInForce) {
  // clang-format off
  const struct { const char* zone; QDateTime at; const char* texts; } rows[] = {
      {"Europe/Berlin", Utc(2027, 3, 28, 0, 59), "1/0"}, {"Europe/Berlin", Utc(2027, 3, 28, 1, 0), "1/1"},
      {"Asia/Kathmandu", Utc(2027, 7, 1), "5.75/0"}, {"America/St_Johns", Utc(2027, 7, 1), "-3.5/1"},
      {"Australia/Sydney", Utc(2027, 7, 1), "10/0"}, {"Australia/Sydney", Utc(2027, 1, 15), "10/1"},
      {"Europe/Dublin", Utc(2027, 1, 15), "0/0"}, {"Europe/Dublin", Utc(2027, 7, 15), "0/1"},
      {"", Utc(2027, 7, 1), "-"}, {"Europe/Berlin", QDateTime(), "-"}};
  // clang-format on
  for (const auto& r : rows) EXPECT_EQ(Text(ComputerZoneTexts(Zone(r.zone), r.at)), r.texts) << r.zone;
}

// At start-up ('s'; offset null: no saved settings) the saved settings follow
// the computer only where they matched it; while running ('r') matched
// settings follow the computer's change of shift.
TEST(OwnZone, SavedSettingsFollowTheComputerOnlyWhereTheyMatched) {
  const QDateTime jan = Utc(2027, 1, 15), jul = Utc(2027, 7, 15);
  const QDateTime before = Utc(2027, 3, 28, 0, 59), now = Utc(2027, 3, 28, 1, 0);
  const char* const de = "Europe/Berlin";
  // clang-format off
  const struct { const char* what; char when; const char* zone; const char *offset, *dst; QDateTime t1, t2;
                 const char* texts; } rows[] = {
      {"first start in July", 's', de, nullptr, nullptr, {}, jul, "1/1"},
      {"first start, zone unknown", 's', "", nullptr, nullptr, {}, jul, "3/"},
      {"saved in winter as the computer's: summer now", 's', de, "1", "0", jan, jul, "1/1"},
      {"saved in summer as the computer's: winter now", 's', de, "1", "1", jul, jan, "1/0"},
      {"saved in winter with a shift the computer had not", 's', de, "1", "1", jan, jul, "1/1"},
      {"saved another offset", 's', de, "2", "0", jan, jul, "2/0"},
      {"saved, zone unknown", 's', "", "1", "0", jan, jul, "1/0"},
      {"saved, time of saving unknown", 's', de, "1", "0", {}, jul, "1/0"},
      {"matched, summer time begins", 'r', de, "1", "0", before, now, "1/1"},
      {"matched, summer ends", 'r', de, "1", "1", Utc(2027, 10, 31, 0, 59), Utc(2027, 10, 31, 1, 0), "1/0"},
      {"matched, empty shift field", 'r', de, "1", "", before, now, "1/1"},
      {"matched, no change", 'r', de, "1", "0", Utc(2027, 3, 28, 0, 58), before, "-"},
      {"the user's own shift", 'r', de, "1", "1", before, now, "-"},
      {"the user's own offset", 'r', de, "3", "0", before, now, "-"},
      {"zone unknown", 'r', "", "1", "0", before, now, "-"},
      {"time unknown", 'r', de, "1", "0", before, {}, "-"}};
  // clang-format on
  for (const auto& r : rows) {
    const auto saved = r.offset ? std::optional(ZoneTexts{r.offset, r.dst}) : std::nullopt;
    EXPECT_EQ(Text(r.when == 's' ? StartUpZoneTexts(saved, r.t1, Zone(r.zone), r.t2)
                                 : FollowComputerZone(r.offset, r.dst, Zone(r.zone), r.t1, r.t2)),
              r.texts)
        << r.what;
  }
}

}  // namespace
}  // namespace zv
