// countries.txt: its fields, the exact bytes of a save and of a read, a read
// that stops part-way and what the user is told then.

#include "data/tableread.h"
#include "support/testsupport.h"

namespace zv {
namespace {

const QByteArray kHead =
    "Country TimeZone w/GMT DayLightSavingHrs  Dec 05  6:47 PM\r\n" + QByteArray(50, '-') + "\r\n\r\n";
const QByteArray kPakistan =
    "Pakistan,5,0,0,#3/28/2004#,#10/31/2004 6:00:00 PM#,South "
    "Asia,Islamabad,33.69N,73.06E,Urdu,pk,Founded\xB8 1947.\r\n";

TEST(CountryFile, Fields) {
  FieldReader r("  a,\"b,c\" junk,,d\r\n\r\n\te \r\nf\rg\n\"x\ny\",last");
  for (const char* field : {"a", "b,c", "", "d", "", "e ", "f", "g", "x\ny", "last"})
    EXPECT_EQ(r.ReadText(), field);
  EXPECT_FALSE(r.ReadText());
}

TEST(CountryFile, ExactBytesOfASaveAndARead) {
  CountryTable t, read;
  t.text[1] = {"",          "Pakistan", "5",      "0",    "0",  "South Asia",
               "Islamabad", "33.69N",   "73.06E", "Urdu", "pk", "Founded\u00b8 1947."};
  t.dstStart[1] = 38074;
  t.dstEnd[1] = 38291.75;
  EXPECT_EQ(WriteCountriesBytes(t, 2, QDateTime(QDate(2026, 12, 5), QTime(18, 47, 12))),
            kHead + kPakistan + ",,,,#12:00:00 AM#,#12:00:00 AM#,,,,,,,\r\n");
  EXPECT_TRUE(ReadCountriesText(QString::fromLatin1(kHead + kPakistan.chopped(2)), read, 1).complete);
  CopyEntries(CountryTable(), read, 0);  // no entry: nothing changes
  t.dstStartText[1] = "3/28/2004";
  t.dstEndText[1] = "10/31/2004 6:00:00 PM";
  EXPECT_EQ(read, t);
}

// Where and why a read stops, and what the user is told.
TEST(CountryFile, ReadStopsPartWay) {
  test::DataFolder d;
  QFile::link(d.Path("loop"), d.Path("loop"));
  // clang-format off
  const struct { QByteArray text; int entriesRead; QString message; } rows[] = {
      {kHead + kPakistan + "Korea, South" + kPakistan.mid(8), 1,
       "Reading stopped at entry 2 (\"Korea\"), field 5 (daylight-saving start date): \"0\" is not a date between # signs."},
      {kHead + kPakistan.chopped(2), 1, "Reading stopped at entry 2, field 1 (name): the file ends there."},
      {"Title\r\n", 0, "Reading stopped in the three header lines: the file ends there."},
      {{}, 0, "The file could not be read: Too many levels of symbolic links."}};
  // clang-format on
  for (const auto& r : rows) {
    SCOPED_TRACE(r.message.toStdString());
    CountryTable t;
    t.at(r.entriesRead + 1, kColName) = "old";  // an earlier read's name: not named for a stop in field 1
    const ReadResult got =
        r.text.isNull() ? ReadCountriesFile(d.Path("loop"), t, 2) : ReadCountriesText(r.text, t, 2);
    EXPECT_TRUE(ReadInPart(got) && got.entriesRead == r.entriesRead);
    EXPECT_TRUE(
        PartialReadMessage(got, t).startsWith("countries.txt could be read only in part. " + r.message));
    NoteCountriesRead(got);
    EXPECT_TRUE(WholeTableWriteRefusal().startsWith("countries.txt was read only in part (" +
                                                    r.message.left(26).toLower()) ||
                r.entriesRead == 0);
  }
  EXPECT_EQ(
      WholeTableWriteRefusal(),
      "countries.txt was read only in part (it could not be read), so saving the whole table would empty the "
      "entries after that point. Nothing was written. Mend the file and start Zorvane again.");
  EXPECT_TRUE(PartialReadMessage({}, {}).endsWith(
      " The entries from there on are empty or incomplete. The file has not been changed; saving the table "
      "is refused until the file reads whole again."));
  CountryTable t;
  const ReadResult missing = ReadCountriesFile(d.Path("none"), t, 2);
  NoteCountriesRead(missing);
  EXPECT_EQ(std::tuple(missing.stop, WholeTableWriteRefusal(), t),
            std::tuple(ReadStop::kNoFile, "", CountryTable()));
}

}  // namespace
}  // namespace zv
