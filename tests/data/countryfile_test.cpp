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
      {"#3/28/2004#", 38074}, {" #3/28/2004 6:00:00 PM#,x", 38074.75}, {"#12:00:00 AM#", 0}, {"", {}},
      {"#2/30/2004#", {}}, {"3/28/2004", {}}, {"##", {}}, {"#3/28/2004", {}}, {"#3/28/2004\r\n#", {}}};
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
  EXPECT_EQ(std::tuple(r.complete, r.entriesRead, ReadInPart(r)), std::tuple(true, 2, false));
  // Every column in its place, and the dates.
  EXPECT_TRUE(WriteCountriesBytes(t, 1, {}).endsWith(
      "Cura\xE7"
      "ao,1,1,1,#3/28/2004#,#10/31/2004#,Europe,Paris,48.86N,2.35E,French,fr,One\xB8 two.\r\n"));
  // Extra records and entries are left alone.
  EXPECT_EQ(std::tuple(t.at(2, kColName), t.at(3, kColName)), std::tuple("Korea, South", "kept"));
  CountryTable copy;
  CopyEntries(t, copy, 2);
  EXPECT_EQ(std::tuple(copy.text[1], copy.dstEnd[2], copy.at(3, kColName)),
            std::tuple(t.text[1], t.dstEnd[2], QString()));
  // The last record needs no line end.
  CountryTable c;
  EXPECT_TRUE(ReadCountriesText(FileWith(2).chopped(2), c, 2).complete);
  EXPECT_EQ(c.at(2, kColHistory), "Long history.");
  CountryTable none;
  const ReadResult missing = ReadCountriesFile(d.Path("nothing.txt"), none, kEntryCount);
  // Nothing on disk can be lost.
  EXPECT_EQ(std::tuple(missing.opened, missing.stop, ReadInPart(missing)),
            std::tuple(false, ReadStop::kNoFile, false));
  EXPECT_EQ(none, CountryTable{});
}

// Where and why a read stops, the cells kept, and the message the user gets.
TEST(CountryFile, ReadStopsPartWay) {
  // "Korea, South" unquoted: " South" lands in the offset column, and the
  // daylight-saving used "1" in the start date field. `message` follows
  // "Reading stopped "; names and texts are cut to 40 characters in it.
  const QString n45(45, u'n'), d45 = "#" + QString(45, u'd') + "#";
  // clang-format off
  const struct { QString text; int entriesRead; QString message; } rows[] = {
      {FileWith(200, 100, Record("Bad", "#2/30/2004#")), 99,
       "at entry 100 (\"Bad\"), field 5 (daylight-saving start date): \"#2/30/2004#\""},
      {FileWith(200, 2, Record("Korea, South")), 1,
       "at entry 2 (\"Korea\"), field 5 (daylight-saving start date): \"1\" is not"},
      {FileWith(3, 3, Record("E3").replace("#10/31/2004#", "#x#")), 2,
       "at entry 3 (\"E3\"), field 6 (daylight-saving end date): \"#x#\" is not a date between # signs."},
      {FileWith(200), 200, "at entry 201, field 1 (name): the file ends there."},
      {FileWith(1) + "Last,1,1,1,#3/28/2004#,#3/28/2004#,E,C,1N,2E,L", 1,
       "at entry 2 (\"Last\"), field 12 (map picture name): the file ends there."},
      {FileWith(1) + "Last,1", 1, "at entry 2 (\"Last\"), field 3 (daylight-saving hours): the file ends"},
      {FileWith(1, 1, Record(n45, d45)), 0,
       "at entry 1 (\"" + n45.left(40) + "\"), field 5 (daylight-saving start date): \"" + d45.left(40) +
           '"'},
      {"Title\r\n", 0, "in the three header lines: the file ends there."}};
  // clang-format on
  for (const auto& r : rows) {
    SCOPED_TRACE(r.message.toStdString());
    CountryTable t;
    t.at(r.entriesRead + 2, kColName) = "kept";
    t.at(r.entriesRead + 1, kColName) = "old";  // an earlier read's name: not named for a stop in field 1
    const ReadResult got = ReadCountriesText(r.text, t, kEntryCount);
    EXPECT_TRUE(!got.complete && ReadInPart(got));
    EXPECT_EQ(got.entriesRead, r.entriesRead);
    EXPECT_EQ(t.at(r.entriesRead + 2, kColName), "kept");
    // Until the file reads whole again, the whole table is not written.
    NoteCountriesRead(got);
    EXPECT_TRUE(CountryTableReadInPart());
    EXPECT_EQ(
        WholeTableWriteRefusal(),
        QString("countries.txt was read only in part (reading stopped %1), so saving the whole table "
                "would empty the entries after that point. Nothing was written. Mend the file and start "
                "Zorvane again.")
            .arg(got.stopEntry ? QString("at entry %1").arg(got.stopEntry) : "in its header"));
    const QString m = PartialReadMessage(got, t);
    EXPECT_TRUE(m.startsWith("countries.txt could be read only in part. Reading stopped " + r.message) &&
                m.endsWith(" The entries from there on are empty or incomplete. The file has not been "
                           "changed; saving the table is refused until the file reads whole again."))
        << m.toStdString();
  }
  // Cells read before the stop are kept, the later ones of the entry not reached.
  CountryTable t;
  t.at(1, kColLocation) = "old";
  ReadCountriesText(FileWith(2, 1, Record("France", "#nodate#")), t, 2);
  EXPECT_EQ(std::tuple(t.at(1, kColName), t.at(1, kColDstUsed), t.at(1, kColLocation)),
            std::tuple("France", "1", "old"));
  EXPECT_FALSE(ReadCountriesText(QString(), t, kEntryCount).complete);
  NoteCountriesRead(ReadCountriesText(FileWith(kEntryCount), t, kEntryCount));
  EXPECT_FALSE(CountryTableReadInPart());
  EXPECT_EQ(WholeTableWriteRefusal(), QString());
}

TEST(CountryFile, ExactBytesOfASave) {
  CountryTable t;
  t.text[1] = {"",          "Pakistan", "5",      "0",    "0",  "South Asia",
               "Islamabad", "33.69N",   "73.06E", "Urdu", "pk", "Founded 1947."};
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
    EXPECT_EQ(std::pair(bad->row, bad->column), std::pair(kEntryCount, c));
    EXPECT_FALSE(FirstUnwritableChar(u, kEntryCount - 1).has_value());
  }
}

}  // namespace
}  // namespace zv
