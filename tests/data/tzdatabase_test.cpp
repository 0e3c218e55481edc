// What the computer's time-zone database gives: every entry's time at every
// hour of a year, the own-zone settings (at start-up with and without
// tzone.txt, and matched settings following a change of shift while the
// program runs), and the update of the country file's daylight-saving
// columns: when it is offered, which entries change, what cannot be updated
// and why, the file left untouched whenever the update cannot be whole, and
// the command line's output and exit status.

#include <gtest/gtest.h>

#include <QTextStream>
#include <QTimeZone>

#include "clock/gridcalc.h"
#include "data/countryfile.h"
#include "data/dstupdate.h"
#include "data/ownzone.h"
#include "data/zonenames.h"
#include "support/testsupport.h"

namespace zv {
namespace {

CountryTable Read(const QByteArray& bytes) {
  CountryTable t;
  EXPECT_TRUE(ReadCountriesText(QString::fromLatin1(bytes), t, kEntryCount).complete);
  return t;
}

QDateTime Utc(int y, int m, int d, int h = 12, int min = 0) {
  return QDateTime(QDate(y, m, d), QTime(h, min), QTimeZone::utc());
}

// A computer whose database lacks one zone.
void Lacking(const QByteArray& missing) {
  SetZoneLookup([missing](const QByteArray& id) { return id == missing ? QTimeZone() : QTimeZone(id); });
}

// Every entry at every hour of a year, the shipped table updated for that
// year and a user in Auckland whose settings follow the computer: each time
// shown is the tz database's, changing at the instant its zone changes; and
// at 12:00 GMT the dates alone, as the file keeps them, say the same. In 2038
// the database's list of some zones' changes ends early.
TEST(TzDatabase, EveryEntryAtEveryHourOf2027And2038) {
  for (const int year : {2027, 2038}) {
    CountryTable t = Read(test::ShippedCountriesBytes());
    UpdateDstColumns(t, kEntryCount, year);
    std::vector<QTimeZone> zones = {QTimeZone("Pacific/Auckland")};
    for (int n = 1; n <= kEntryCount; ++n) zones.emplace_back(ZoneIdForMapName(t.at(n, kColMapName)));
    QStringList wrong;
    for (QDateTime gmt = Utc(year, 1, 1, 0); gmt.date().year() == year; gmt = gmt.addSecs(3600)) {
      const QDateTime user = gmt.toTimeZone(zones[0]);
      const auto texts = ComputerZoneTexts(zones[0], gmt);
      const GridResult r = CalculateGrid({user.time().toString("hh:mm"),
                                          texts->offset,
                                          texts->dstHours,
                                          {},
                                          &t,
                                          kEntryCount,
                                          user.date(),
                                          {},
                                          {}});
      for (int n = 1; n <= kEntryCount; ++n) {
        const int offset = zones[n].offsetFromUtc(gmt);
        if (r.timeText[n] != gmt.addSecs(offset).time().toString("h:mm AP") ||
            (gmt.time().hour() == 12 && test::ClockOffsetMinutes(t, n, gmt.date()) != offset / 60))
          wrong << t.at(n, kColName) + gmt.toString(" MM-dd hh");
      }
    }
    EXPECT_EQ(wrong.join(u','), "") << year;
  }
}

// The update is offered at start-up and at the first tick of a new year when
// the dates in use are of an earlier year: the earliest in which an entry's
// daylight saving begins (the day after its start date), over the entries
// with a zone on this computer and their rule on. The last entry edited to
// start on 31 December of a year, with a map name; '0' its flag off, '-' its
// zone missing.
TEST(DstUpdate, OfferedAtStartUpAndAtANewYearForDatesOfAnEarlierYear) {
  const QDateTime jan1 = Utc(2027, 1, 1, 0);
  // clang-format off
  const struct { int startYear; const char* map; char edit; QDateTime last, now; int offer; } rows[] = {
      {0, "", ' ', {}, jan1, 2026}, {0, "", ' ', Utc(2026, 12, 31, 23), jan1, 2026},
      {0, "", ' ', jan1, jan1.addSecs(60), 0}, {2024, "de", ' ', {}, jan1, 2025}, {2024, "xx", ' ', {}, jan1, 2026},
      {2024, "de", '0', {}, jan1, 2026}, {2024, "de", '-', {}, jan1, 2026}};
  // clang-format on
  for (const auto& r : rows) {
    CountryTable t = Read(test::ShippedCountriesBytes());
    if (r.startYear) {
      t.at(kEntryCount, kColMapName) = r.map;
      t.at(kEntryCount, kColDstUsed) = r.edit == '0' ? "0" : "1";
      t.at(kEntryCount, kColDstHours) = "1";
      t.dstStart[kEntryCount] = DateFromYmd(r.startYear, 12, 31);
    }
    if (r.edit == '-') Lacking("Europe/Berlin");
    EXPECT_EQ(DstOfferDue(t, kEntryCount, r.last, r.now).value_or(0), r.offer) << r.map << r.edit;
    SetZoneLookup({});
  }
}

// The command: its output, messages and exit status. The clock says 2026,
// the year of the shipped dates: by default nothing changes. Whenever the
// update cannot be whole, the file keeps its bytes and the message says why.
// Morocco's 2029 has two stretches at +1: 1 to 13 January, and the longer
// one from 18 February.
TEST(DstUpdate, CommandPrintsOneLinePerChangeAndExitsWithTheStatus) {
  const test::FixedClock clock(QDateTime(QDate(2026, 12, 7), QTime(9, 0)));
  SetClock(&clock);
  // file: 's' the shipped one ('l' on a computer lacking Europe/London), 'h' its first half, 'f' the shipped
  // one on a disk that fails after 100 bytes, '-' none.
  // clang-format off
  const struct { char file; const char* year; int status; const char* out; const char* err = ""; } rows[] = {
      {'l', "2027", 0, "Germany: 1,1,1,#3/28/2026#,#10/25/2026# -> 1,1,1,#3/27/2027#,#10/31/2027#\n",
       "zorvane: Entries not updated, their time zone is missing from this computer's time-zone database: "
       "United Kingdom (Europe/London).\n"},
      {'s', "", 0, "", ""}, {'s', "1899", 2, "", "zorvane: \"1899\" is not a year from 1900 to 9999.\n"},
      {'s', "1900", 0, "United Kingdom: 0,1,1,#3/28/2026#,#10/25/2026# -> "},
      {'s', "9999", 0, "United Kingdom: 0,1,1,#3/28/2026#,#10/25/2026# -> 0,1,1,#3/"},
      {'s', "2029", 0, "Morocco: 0,1,1,#3/21/2026#,#2/15/2026# -> 0,1,1,#2/17/2029#,#12/30/2029#\n",
       "zorvane: Morocco: 2029 has 2 daylight saving stretches; its dates keep the longest and leave out "
       "1/1/2029 to 1/13/2029.\n"},
      {'-', "2027", 1, "", "countries.txt does not exist"},
      {'h', "2027", 1, "", "countries.txt could be read only as far as entry "},
      {'f', "2027", 1, "", "countries.txt could not be saved: "}};
  // clang-format on
  for (const auto& c : rows) {
    const test::DataFolder data;
    const QByteArray bytes = test::ShippedCountriesBytes().left(c.file == 'h' ? 16000 : 99999);
    if (c.file != '-') data.Write("countries.txt", bytes);
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    test::FailWritesAfter(c.file == 'f' ? 100 : -1);
    if (c.file == 'l') Lacking("Europe/London");
    EXPECT_EQ(RunUpdateDstDates(c.year, outStream, errStream), c.status);
    test::FailWritesAfter(-1);
    SetZoneLookup({});
    EXPECT_TRUE(*c.out ? out.contains(c.out) : out.isEmpty()) << c.year;
    EXPECT_TRUE(*c.err ? err.contains(c.err) : err.isEmpty()) << err.toStdString();
    EXPECT_EQ(c.file != '-' && data.Read("countries.txt") != bytes, c.status == 0 && *c.year) << c.year;
  }
  SetClock(nullptr);
}

// Own-zone settings at start-up ('s'; offset null: no tzone.txt) follow the
// computer's zone only where they matched it when saved; while running
// ('r') matched settings follow its change of shift. Clocks go forward at
// 01:00 GMT on 28 March 2027. A computer whose zone is unknown (null) gives
// the offset of its clock.
TEST(OwnZone, SettingsFollowTheComputerOnlyWhereTheyMatchedIt) {
  const QDateTime jan = Utc(2027, 1, 15), jul = Utc(2027, 7, 15), before = Utc(2027, 3, 28, 0, 59),
                  now = Utc(2027, 3, 28, 1, 0);
  // clang-format off
  const struct { char when; const char* zone; const char *offset, *dst; QDateTime t1, t2; const char* texts; } rows[] = {
      {'s', nullptr, nullptr, nullptr, {}, jul.toOffsetFromUtc(-12600), "-3.5/0"}, {'s', "Europe/Berlin", "1", "0", jan, jul, "1/1"},
      {'s', "Europe/Berlin", "1", "1", jan, jan, "1/1"}, {'r', "Europe/Berlin", "1", "0", before, now, "1/1"},
      {'r', "Europe/Berlin", "1", "0", before.addSecs(-60), before, "-"}, {'r', "Europe/Berlin", "1", "1", before, now, "-"}};
  // clang-format on
  for (const auto& r : rows) {
    const QTimeZone zone = r.zone ? QTimeZone(r.zone) : QTimeZone();  // QTimeZone("") is the system's
    const auto saved = r.offset ? std::optional(ZoneTexts{r.offset, r.dst}) : std::nullopt;
    const auto texts = r.when == 's' ? StartUpZoneTexts(saved, r.t1, zone, r.t2)
                                     : FollowComputerZone(r.offset, r.dst, zone, r.t1, r.t2);
    EXPECT_EQ(texts ? texts->offset + u'/' + texts->dstHours : "-", r.texts) << r.when << r.zone << r.offset;
  }
}

}  // namespace
}  // namespace zv
