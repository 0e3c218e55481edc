// countries.txt: its fields, a whole read, a read that stops part-way and
// what the user is told then, and the exact bytes a save writes.

#include "data/countryfile.h"

#include <gtest/gtest.h>

#include "data/module1.h"
#include "data/tableread.h"
#include "support/testsupport.h"

namespace zv {
namespace {

const QString kHeader = QStringLiteral("Title\r\n--------------------------------------------------\r\n\r\n");

QString Record(const QString& name, const QString& start = QStringLiteral("#3/28/2004#")) {
  return name + QStringLiteral(",1,1,1,") + start +
         QStringLiteral(",#10/31/2004#,Europe,Paris,48.86N,2.35E,French,fr,Long history.\r\n");
}

// The header and `count` records, record `bad` replaced by `badRecord`.
QString FileWith(int count, int bad = 0, const QString& badRecord = {}) {
  QString text = kHeader;
  for (int n = 1; n <= count; ++n) text += n == bad ? badRecord : Record(QStringLiteral("Entry %1").arg(n));
  return text;
}

TEST(CountryFile, Fields) {
  FieldReader r(QStringLiteral("  a,\"b,c\" junk,,d\r\n\r\n\te \r\nf,\r\ng\rh\ni\n\"x\ny\",last"));
  for (const char* field : {"a", "b,c", "", "d", "", "e ", "f", "", "g", "h", "i", "x\ny", "last"})
    EXPECT_EQ(r.ReadText(), field);
  EXPECT_FALSE(r.ReadText().has_value());
  // clang-format off
  // The date forms themselves are those of the text form tests.
  const std::pair<const char*, std::optional<double>> dates[] = {
      {"#3/28/2004#", 38074}, {" #3/28/2004 6:00:00 PM#,x", 38074.75}, {"#12:00:00 AM#", 0}, {"#2/30/2004#", {}},
      {"3/28/2004", {}}, {"##", {}}, {"#3/28/2004", {}}, {"", {}}, {"#3/28/2004\r\n#", {}}};
  // clang-format on
  for (const auto& [field, value] : dates)
    EXPECT_EQ(FieldReader(QString::fromLatin1(field)).ReadDate(), value) << field;
}

TEST(CountryFile, ReadsEveryColumnLatin1AndRoundTrips) {
  test::DataFolder d;
  QByteArray bytes =
      (kHeader + Record(QStringLiteral("Cura\xE7") + "ao") + Record("\"Korea, South\"")).toLatin1();
  bytes.replace("Long history.", "One\xB8 two.");
  d.Write("countries.txt", bytes);
  CountryTable t;
  t.at(3, kColName) = "kept";
  const ReadResult r = ReadCountriesFile(d.Path("countries.txt"), t, 2);
  EXPECT_TRUE(r.complete);
  EXPECT_EQ(r.entriesRead, 2);
  EXPECT_FALSE(ReadInPart(r));
  // Every column in its place, and the dates.
  EXPECT_TRUE(WriteCountriesBytes(t, 1, {}).endsWith(
      "Cura\xE7"
      "ao,1,1,1,#3/28/2004#,#10/31/2004#,Europe,Paris,48.86N,2.35E,French,fr,One\xB8 two.\r\n"));
  EXPECT_EQ(t.at(2, kColName), "Korea, South");
  EXPECT_EQ(t.at(3, kColName), "kept");  // extra records and entries are left alone
  CountryTable copy;
  CopyEntries(t, copy, 2);
  EXPECT_EQ(copy.text[1], t.text[1]);
  EXPECT_EQ(copy.dstEnd[2], t.dstEnd[2]);
  EXPECT_TRUE(copy.at(3, kColName).isEmpty());
  // The last record needs no line end.
  CountryTable c;
  EXPECT_TRUE(ReadCountriesText(FileWith(2).chopped(2), c, 2).complete);
  EXPECT_EQ(c.at(2, kColHistory), "Long history.");
  CountryTable none;
  const ReadResult missing = ReadCountriesFile(d.Path("nothing.txt"), none, kEntryCount);
  EXPECT_FALSE(missing.opened);
  EXPECT_EQ(missing.stop, ReadStop::kNoFile);
  EXPECT_FALSE(ReadInPart(missing));  // nothing on disk can be lost
  EXPECT_EQ(none, CountryTable{});
}

// Where and why a read stops, the cells kept, and the message the user gets.
TEST(CountryFile, ReadStopsPartWay) {
  // "Korea, South" unquoted: " South" lands in the offset column, and the
  // daylight-saving used "1" in the start date field. `message` is the part
  // of the message that names the place.
  // clang-format off
  const struct { QString text; int entriesRead, stopEntry, stopField; ReadStop stop; QString found, message; } rows[] = {
      {FileWith(200, 100, Record("Bad", "#2/30/2004#")), 99, 100, 5, ReadStop::kNoDate, "#2/30/2004#",
       "Reading stopped at entry 100 (\"Bad\"), field 5 (daylight-saving start date): \"#2/30/2004#\" is not a date between # signs."},
      {FileWith(200, 2, Record("Korea, South")), 1, 2, 5, ReadStop::kNoDate, "1",
       "Reading stopped at entry 2 (\"Korea\"), field 5 (daylight-saving start date): \"1\" is not a date between # signs."},
      {FileWith(3, 3, Record("E3").replace("#10/31/2004#", "#x#")), 2, 3, 6, ReadStop::kNoDate, "#x#",
       "Reading stopped at entry 3 (\"E3\"), field 6 (daylight-saving end date): \"#x#\""},
      {FileWith(200), 200, 201, 1, ReadStop::kEndOfFile, "", "Reading stopped at entry 201, field 1 (name): the file ends there."},
      {FileWith(1) + "Last,1,1,1,#3/28/2004#,#3/28/2004#,E,C,1N,2E,L", 1, 2, 12, ReadStop::kEndOfFile, "",
       "Reading stopped at entry 2 (\"Last\"), field 12 (map picture name): the file ends there."},
      {FileWith(1) + "Last,1", 1, 2, 3, ReadStop::kEndOfFile, "",
       "Reading stopped at entry 2 (\"Last\"), field 3 (daylight-saving hours): the file ends there."},
      // Names and texts are cut to 40 characters in the message.
      {FileWith(1, 1, Record(QString(45, u'n'), "#" + QString(45, u'd') + "#")), 0, 1, 5, ReadStop::kNoDate, "#" + QString(45, u'd') + "#",
       "Reading stopped at entry 1 (\"" + QString(40, u'n') + "\"), field 5 (daylight-saving start date): \"#" + QString(39, u'd') + "\" is"},
      {"Title\r\n", 0, 0, 2, ReadStop::kEndOfFile, "", "Reading stopped in the three header lines: the file ends there."}};
  // clang-format on
  for (const auto& r : rows) {
    SCOPED_TRACE(r.message.toStdString());
    CountryTable t;
    t.at(r.stopEntry + 1, kColName) = "kept";
    const ReadResult got = ReadCountriesText(r.text, t, kEntryCount);
    EXPECT_FALSE(got.complete);
    EXPECT_TRUE(ReadInPart(got));
    EXPECT_EQ(std::tuple(got.entriesRead, got.stopEntry, got.stopField, got.stop, got.found),
              std::tuple(r.entriesRead, r.stopEntry, r.stopField, r.stop, r.found));
    EXPECT_EQ(t.at(r.stopEntry + 1, kColName), "kept");
    // Until the file reads whole again, the whole table is not written.
    NoteCountriesRead(got);
    EXPECT_TRUE(CountryTableReadInPart());
    EXPECT_EQ(WholeTableWriteRefusal(),
              QString("countries.txt was read only in part (%1), so saving the whole table would empty the "
                      "entries after that point. Nothing was written. Mend the file and start Zorvane again.")
                  .arg(r.stopEntry ? QString("reading stopped at entry %1").arg(r.stopEntry)
                                   : QString("reading stopped in its header")));
    const QString m = PartialReadMessage(got, t);
    EXPECT_TRUE(m.startsWith(QStringLiteral("countries.txt could be read only in part. ") + r.message))
        << m.toStdString();
    EXPECT_TRUE(
        m.endsWith(" The entries from there on are empty or incomplete. The file has not been changed; "
                   "saving the table is "
                   "refused until the file reads whole again."))
        << m.toStdString();
  }
  // Cells read before the stop are kept, the later ones of the entry not reached.
  CountryTable t;
  t.at(1, kColLocation) = "old";
  ReadCountriesText(FileWith(2, 1, Record("France", "#nodate#")), t, 2);
  EXPECT_EQ(t.at(1, kColName), "France");
  EXPECT_EQ(t.at(1, kColDstUsed), "1");
  EXPECT_EQ(t.at(1, kColLocation), "old");
  EXPECT_FALSE(ReadCountriesText(QString(), t, kEntryCount).complete);
  NoteCountriesRead(ReadCountriesText(FileWith(kEntryCount), t, kEntryCount));
  EXPECT_FALSE(CountryTableReadInPart());
  EXPECT_EQ(WholeTableWriteRefusal(), QString());
}

TEST(CountryFile, ExactBytesOfASave) {
  CountryTable t;
  const QStringList row = {"",          "Pakistan", "5",      "0",    "0",  "South Asia",
                           "Islamabad", "33.69N",   "73.06E", "Urdu", "pk", "Founded 1947."};
  for (int c = kColName; c <= kColHistory; ++c) t.at(1, c) = row[c];
  t.dstStart[1] = 38074;   // 3/28/2004
  t.dstEnd[1] = 38291.75;  // 10/31/2004 6:00 PM
  const QByteArray b = WriteCountriesBytes(t, 2, QDateTime(QDate(2026, 12, 5), QTime(18, 47, 12)));
  EXPECT_EQ(b,
            "Country TimeZone w/GMT DayLightSavingHrs  Dec 05  6:47 PM\r\n"
            "--------------------------------------------------\r\n\r\n"
            "Pakistan,5,0,0,#3/28/2004#,#10/31/2004 6:00:00 PM#,South Asia,Islamabad,33.69N,73.06E,Urdu,pk,"
            "Founded 1947.\r\n"
            ",,,,#12:00:00 AM#,#12:00:00 AM#,,,,,,,\r\n");
  CountryTable back;
  EXPECT_TRUE(ReadCountriesText(QString::fromLatin1(b), back, 2).complete);
  EXPECT_EQ(back, t);
  EXPECT_EQ(CountryFileTitle(QDateTime(QDate(2026, 1, 1), QTime(0, 5))),
            "Country TimeZone w/GMT DayLightSavingHrs  Jan 01  12:05 AM");
  // A character Latin-1 cannot hold is found before any save, in any column.
  for (int c : {kColName, kColCapital, kColHistory}) {
    CountryTable u;
    u.at(kEntryCount, c) = QString::fromUtf8("Pyongyang \u2013 north");
    u.at(2, c) = QString::fromUtf8("S\u00E3o Tom\u00E9");
    const auto bad = FirstUnwritableChar(u, kEntryCount);
    ASSERT_TRUE(bad.has_value());
    EXPECT_EQ(bad->row, kEntryCount);
    EXPECT_EQ(bad->column, c);
    EXPECT_FALSE(FirstUnwritableChar(u, kEntryCount - 1).has_value());
  }
}

}  // namespace
}  // namespace zv
