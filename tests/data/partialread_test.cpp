// A country file read only in part: where and why the reader stopped, the
// message the user gets, and the state that refuses whole-table writes.

#include <gtest/gtest.h>

#include "data/countryfile.h"
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

// A file of 200 records in which record `bad` is replaced by `badRecord`.
QString FileWith(int bad, const QString& badRecord) {
  QString text = kHeader;
  for (int n = 1; n <= 200; ++n) text += n == bad ? badRecord : Record(QStringLiteral("Entry %1").arg(n));
  return text;
}

struct StopCase {
  const char* what;
  QString text;
  int entriesRead;
  int stopEntry;
  int stopField;
  ReadStop stop;
  const char* found;
  const char* message;  // the part of the message that names the place
};

class PartialRead : public ::testing::TestWithParam<StopCase> {};

TEST_P(PartialRead, SaysWhereAndWhy) {
  const StopCase& c = GetParam();
  CountryTable t;
  const ReadResult r = ReadCountriesText(c.text, t, kEntryCount);
  EXPECT_FALSE(r.complete);
  EXPECT_TRUE(ReadInPart(r));
  EXPECT_EQ(r.entriesRead, c.entriesRead);
  EXPECT_EQ(r.stopEntry, c.stopEntry);
  EXPECT_EQ(r.stopField, c.stopField);
  EXPECT_EQ(r.stop, c.stop);
  EXPECT_EQ(r.found, QString::fromLatin1(c.found));
  const QString m = PartialReadMessage(r, t);
  EXPECT_TRUE(m.startsWith(QStringLiteral("countries.txt could be read only in part. ") +
                           QString::fromLatin1(c.message)))
      << m.toStdString();
  EXPECT_TRUE(m.endsWith(QStringLiteral(
      "The entries from there on are empty or incomplete. The file has not been changed; saving the table is "
      "refused until the file reads whole again.")))
      << m.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PartialRead,
    ::testing::Values(
        StopCase{"bad date in entry 100",
                 FileWith(100, Record(QStringLiteral("Bad"), QStringLiteral("#2/30/2004#"))), 99, 100, 5,
                 ReadStop::kNoDate, "#2/30/2004#",
                 "Reading stopped at entry 100 (\"Bad\"), field 5 (daylight-saving start date): "
                 "\"#2/30/2004#\" is "
                 "not a date between # signs."},
        // "Korea, South" unquoted: "South" becomes the offset, "1" the
        // daylight-saving used, and the daylight-saving used "1" lands in the
        // start date field.
        StopCase{
            "unquoted comma in entry 100", FileWith(100, Record(QStringLiteral("Korea, South"))), 99, 100, 5,
            ReadStop::kNoDate, "1",
            "Reading stopped at entry 100 (\"Korea\"), field 5 (daylight-saving start date): \"1\" is not a "
            "date between # signs."},
        StopCase{"file ends in entry 201", FileWith(0, QString()), 200, 201, 1, ReadStop::kEndOfFile, "",
                 "Reading stopped at entry 201, field 1 (name): the file ends there."},
        StopCase{"file ends in the header", QStringLiteral("Title\r\n"), 0, 0, 2, ReadStop::kEndOfFile, "",
                 "Reading stopped in the three header lines: the file ends there."}),
    [](const auto& info) {
      std::string n = info.param.what;
      for (char& ch : n)
        if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
      return n;
    });

TEST(PartialRead, WholeFileAndMissingFileAreNotInPart) {
  QString text = kHeader;
  for (int n = 1; n <= kEntryCount; ++n) text += Record(QStringLiteral("E%1").arg(n));
  CountryTable t;
  const ReadResult whole = ReadCountriesText(text, t, kEntryCount);
  EXPECT_TRUE(whole.complete);
  EXPECT_EQ(whole.stop, ReadStop::kNone);
  EXPECT_FALSE(ReadInPart(whole));

  test::DataFolder d;
  const ReadResult missing = ReadCountriesFile(d.Path(QStringLiteral("countries.txt")), t, kEntryCount);
  EXPECT_EQ(missing.stop, ReadStop::kNoFile);
  EXPECT_FALSE(ReadInPart(missing));  // nothing on disk can be lost
}

TEST(PartialRead, SharedStateRefusesWholeTableWritesUntilReadWhole) {
  ResetShared();
  EXPECT_EQ(WholeTableWriteRefusal(), QString());
  CountryTable t;
  NoteCountriesRead(ReadCountriesText(FileWith(100, Record(QStringLiteral("X"), QStringLiteral("#0/0/0#"))),
                                      t, kEntryCount));
  EXPECT_TRUE(CountryTableReadInPart());
  EXPECT_EQ(WholeTableWriteRefusal(),
            QStringLiteral(
                "countries.txt was read only in part (reading stopped at entry 100), so saving the whole "
                "table would empty the entries after that point. Nothing was written. Mend the file and "
                "start Zorvane again."));
  QString whole = kHeader;
  for (int n = 1; n <= kEntryCount; ++n) whole += Record(QStringLiteral("E%1").arg(n));
  NoteCountriesRead(ReadCountriesText(whole, t, kEntryCount));
  EXPECT_FALSE(CountryTableReadInPart());
  EXPECT_EQ(WholeTableWriteRefusal(), QString());
  ResetShared();
}

}  // namespace
}  // namespace zv
