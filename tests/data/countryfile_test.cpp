#include "data/countryfile.h"

#include <gtest/gtest.h>

#include "support/testsupport.h"

namespace zv {
namespace {

const QString kHeader = QStringLiteral("Title\r\n--------------------------------------------------\r\n\r\n");

QString Record(const QString& name, const QString& start = QStringLiteral("#3/28/2004#"),
               const QString& end = QStringLiteral("#10/31/2004#")) {
  return name + QStringLiteral(",1,1,1,") + start + u',' + end +
         QStringLiteral(",Europe,Paris,48.86N,2.35E,French,fr,Long history.\r\n");
}

TEST(FieldReader, FieldRules) {
  FieldReader r(QStringLiteral("  a,\"b,c\" junk,,d\r\n\r\n\te \r\n\"x\ny\",last"));
  EXPECT_EQ(r.ReadText(), "a");
  EXPECT_EQ(r.ReadText(), "b,c");  // quoted: the comma is part of the text
  EXPECT_EQ(r.ReadText(), "");     // two commas in a row
  EXPECT_EQ(r.ReadText(), "d");
  EXPECT_EQ(r.ReadText(), "");      // an empty line is one empty field
  EXPECT_EQ(r.ReadText(), "e ");    // leading blanks skipped, the rest kept
  EXPECT_EQ(r.ReadText(), "x\ny");  // a quoted field may span lines
  EXPECT_EQ(r.ReadText(), "last");  // the last field needs no line end
  EXPECT_FALSE(r.ReadText().has_value());
}

TEST(FieldReader, CommaBeforeLineEndGivesEmptyField) {
  FieldReader r(QStringLiteral("a,\r\nb"));
  EXPECT_EQ(r.ReadText(), "a");
  EXPECT_EQ(r.ReadText(), "");
  EXPECT_EQ(r.ReadText(), "b");
}

struct DateCase {
  const char* field;
  std::optional<double> value;
};

class DateFieldTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(DateFieldTest, Reads) {
  FieldReader r(QString::fromLatin1(GetParam().field));
  const auto v = r.ReadDate();
  ASSERT_EQ(v.has_value(), GetParam().value.has_value()) << GetParam().field;
  if (v) {
    EXPECT_NEAR(*v, *GetParam().value, 1e-9) << GetParam().field;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Forms, DateFieldTest,
    ::testing::Values(DateCase{"#3/28/2004#", 38074}, DateCase{"#2004-03-28#", 38074},
                      DateCase{" #3/28/2004 6:00:00 PM#,x", 38074.75},
                      DateCase{"#2004-03-28 18:00:00#", 38074.75}, DateCase{"#12:00:00 AM#", 0},
                      DateCase{"#6:00:00 AM#", 0.25}, DateCase{"#12/30/1899#", 0},
                      DateCase{"#12/29/1899 6:00:00 AM#", -1.25}, DateCase{"#2/30/2004#", std::nullopt},
                      DateCase{"#13/1/2004#", std::nullopt}, DateCase{"#3/28/04#", std::nullopt},
                      DateCase{"3/28/2004", std::nullopt}, DateCase{"##", std::nullopt},
                      DateCase{"#3/28/2004", std::nullopt}, DateCase{"#hello#", std::nullopt},
                      DateCase{"", std::nullopt}, DateCase{"#25:00#", std::nullopt}));

TEST(ReadCountries, ReadsEveryColumnInRecordOrder) {
  CountryTable t;
  const auto r = ReadCountriesText(kHeader + Record(QStringLiteral("France")), t, 1);
  EXPECT_TRUE(r.complete);
  EXPECT_EQ(t.at(1, kColName), "France");
  EXPECT_EQ(t.at(1, kColOffset), "1");
  EXPECT_EQ(t.at(1, kColDstUsed), "1");
  EXPECT_EQ(t.dstStart[1], 38074);
  EXPECT_EQ(t.dstEnd[1], 38291);
  EXPECT_EQ(t.at(1, kColLocation), "Europe");
  EXPECT_EQ(t.at(1, kColLatitude), "48.86N");
  EXPECT_EQ(t.at(1, kColMapName), "fr");
  EXPECT_EQ(t.at(1, kColHistory), "Long history.");
  EXPECT_TRUE(t.at(1, 0).isEmpty());
  EXPECT_TRUE(t.at(1, 12).isEmpty());
}

TEST(ReadCountries, UnquotedCommaShiftsEveryLaterField) {
  CountryTable t;
  const auto r = ReadCountriesText(kHeader + Record(QStringLiteral("Korea, South")), t, 1);
  // " South" lands in the offset column, and the start date field then holds
  // a text, which stops the read.
  EXPECT_EQ(t.at(1, kColName), "Korea");
  EXPECT_EQ(t.at(1, kColOffset), "South");
  EXPECT_FALSE(r.complete);
  CountryTable q;
  EXPECT_TRUE(ReadCountriesText(kHeader + Record(QStringLiteral("\"Korea, South\"")), q, 1).complete);
  EXPECT_EQ(q.at(1, kColName), "Korea, South");
}

TEST(ReadCountries, HeaderWithCommaShiftsTheFile) {
  CountryTable t;
  ReadCountriesText(QStringLiteral("Title, more\r\n-----\r\n\r\n") + Record(QStringLiteral("France")), t, 1);
  EXPECT_EQ(t.at(1, kColName), "");  // the empty third header line became the name
  EXPECT_EQ(t.at(1, kColOffset), "France");
}

TEST(ReadCountries, StopsAtFirstErrorKeepingCellsRead) {
  CountryTable t;
  t.at(2, kColName) = QStringLiteral("kept");
  t.at(1, kColLocation) = QStringLiteral("old");
  const auto r = ReadCountriesText(kHeader + Record(QStringLiteral("France"), QStringLiteral("#nodate#")) +
                                       Record(QStringLiteral("Spain")),
                                   t, 2);
  EXPECT_FALSE(r.complete);
  EXPECT_EQ(r.entriesRead, 0);
  EXPECT_EQ(t.at(1, kColName), "France");  // read before the error
  EXPECT_EQ(t.at(1, kColDstUsed), "1");
  EXPECT_EQ(t.at(1, kColLocation), "old");  // never reached
  EXPECT_EQ(t.at(2, kColName), "kept");
}

TEST(ReadCountries, LastRecordWithoutLineEndAndExtraRecordsIgnored) {
  QString text = kHeader + Record(QStringLiteral("A")) + Record(QStringLiteral("B"));
  text.chop(2);
  CountryTable t;
  EXPECT_TRUE(ReadCountriesText(text, t, 2).complete);
  EXPECT_EQ(t.at(2, kColHistory), "Long history.");
  CountryTable one;
  EXPECT_TRUE(ReadCountriesText(text, one, 1).complete);
  EXPECT_TRUE(one.at(2, kColName).isEmpty());
}

TEST(ReadCountries, ShortFileLeavesLaterEntriesEmpty) {
  CountryTable t;
  const auto r = ReadCountriesText(kHeader + Record(QStringLiteral("A")), t, kEntryCount);
  EXPECT_FALSE(r.complete);
  EXPECT_EQ(r.entriesRead, 1);
  EXPECT_TRUE(t.at(2, kColName).isEmpty());
}

TEST(ReadCountries, MissingFileChangesNothing) {
  test::DataFolder d;
  CountryTable t;
  const auto r = ReadCountriesFile(d.Path(QStringLiteral("countries.txt")), t, kEntryCount);
  EXPECT_FALSE(r.opened);
  EXPECT_EQ(t, CountryTable{});
}

TEST(ReadCountries, FileIsLatin1) {
  test::DataFolder d;
  QByteArray bytes = kHeader.toLatin1() + Record(QStringLiteral("Cura\xE7"
                                                                "ao"))
                                              .toLatin1();
  bytes.replace("Long history.", "One\xB8 two.");
  d.Write(QStringLiteral("countries.txt"), bytes);
  CountryTable t;
  EXPECT_TRUE(ReadCountriesFile(d.Path(QStringLiteral("countries.txt")), t, 1).complete);
  EXPECT_EQ(t.at(1, kColName), QString::fromUtf8("Cura\u00E7ao"));
  EXPECT_EQ(t.at(1, kColHistory), QString::fromUtf8("One\u00B8 two."));
}

TEST(ReadCountries, EmptyInputIsNotComplete) {
  CountryTable t;
  EXPECT_FALSE(ReadCountriesText(QString(), t, kEntryCount).complete);
}

TEST(WriteCountries, ExactBytesAndReadBack) {
  CountryTable t;
  t.at(1, kColName) = QStringLiteral("Pakistan");
  t.at(1, kColOffset) = QStringLiteral("5");
  t.at(1, kColDstHours) = QStringLiteral("0");
  t.at(1, kColDstUsed) = QStringLiteral("0");
  t.at(1, kColLocation) = QStringLiteral("South Asia");
  t.at(1, kColCapital) = QStringLiteral("Islamabad");
  t.at(1, kColLatitude) = QStringLiteral("33.69N");
  t.at(1, kColLongitude) = QStringLiteral("73.06E");
  t.at(1, kColLanguages) = QStringLiteral("Urdu");
  t.at(1, kColMapName) = QStringLiteral("pk");
  t.at(1, kColHistory) = QStringLiteral("Founded 1947.");
  t.dstStart[1] = 38074;   // 3/28/2004
  t.dstEnd[1] = 38291.75;  // 10/31/2004 6:00 PM
  const QDateTime now(QDate(2026, 12, 5), QTime(18, 47, 12));
  const QByteArray b = WriteCountriesBytes(t, 1, now);
  EXPECT_EQ(b,
            "Country TimeZone w/GMT DayLightSavingHrs  Dec 05  6:47 PM\r\n"
            "--------------------------------------------------\r\n"
            "\r\n"
            "Pakistan,5,0,0,#3/28/2004#,#10/31/2004 6:00:00 PM#,South Asia,Islamabad,33.69N,73.06E,Urdu,pk,"
            "Founded 1947.\r\n");
  CountryTable back;
  EXPECT_TRUE(ReadCountriesText(QString::fromLatin1(b), back, 1).complete);
  EXPECT_EQ(back, t);
}

TEST(WriteCountries, UnsetDateIsMidnightAlone) {
  CountryTable t;
  const QByteArray b = WriteCountriesBytes(t, 1, QDateTime(QDate(2026, 1, 1), QTime(0, 5)));
  EXPECT_TRUE(b.startsWith("Country TimeZone w/GMT DayLightSavingHrs  Jan 01  12:05 AM\r\n"));
  EXPECT_TRUE(b.endsWith(",,,,#12:00:00 AM#,#12:00:00 AM#,,,,,,,\r\n"));
}

TEST(WriteCountries, FindsCharactersLatin1CannotHold) {
  CountryTable t;
  t.at(3, kColCapital) = QString::fromUtf8("Pyongyang \u2013 north");
  const auto bad = FirstUnwritableChar(t, kEntryCount);
  ASSERT_TRUE(bad.has_value());
  EXPECT_EQ(bad->row, 3);
  EXPECT_EQ(bad->column, kColCapital);
  t.at(3, kColCapital) = QString::fromUtf8("S\u00E3o Tom\u00E9");
  EXPECT_FALSE(FirstUnwritableChar(t, kEntryCount).has_value());
}

}  // namespace
}  // namespace zv
