#include "countryinfo/entryedit.h"

#include <gtest/gtest.h>

#include "data/countryfile.h"

namespace zv {
namespace {

EntryBoxes Boxes() {
  EntryBoxes b;
  b.text[kBoxName] = QStringLiteral("Pakistan");
  b.text[kBoxOffset] = QStringLiteral("5");
  b.text[kBoxDstHours] = QStringLiteral("1");
  b.text[kBoxDstStart] = QStringLiteral("Mar 28");
  b.text[kBoxDstEnd] = QStringLiteral("Oct 05");
  b.checkState = 1;
  return b;
}

TEST(CommitEntry, DatesTakeTheCurrentYearFromTheFirstEntryToTheLast) {
  for (int row : {1, 5, kEntryCount, CountryTable::kRows - 1}) {
    CountryTable t;
    ASSERT_FALSE(CommitEntry(Boxes(), 2026, t, row)) << row;
    EXPECT_EQ(FormatFileDate(t.dstStart[row]), "3/28/2026");
    EXPECT_EQ(FormatFileDate(t.dstEnd[row]), "10/5/2026");
    EXPECT_EQ(t.at(row, kColDstUsed), "1");
    EXPECT_EQ(t.at(row, kColName), "Pakistan");
  }
  for (int row : {0, CountryTable::kRows}) {
    CountryTable t;
    const auto e = CommitEntry(Boxes(), 2026, t, row);
    ASSERT_TRUE(e) << row;
    EXPECT_EQ(e->message, "No entry is shown.");
    EXPECT_EQ(t, CountryTable());
  }
}

TEST(CommitEntry, NoDateFailsNamingTheBoxAndChangesNothing) {
  for (const char* bad : {"", "Mar 32", "Mar 28\xb8 2004", "soon"}) {
    CountryTable t;
    t.dstStart[5] = DateFromYmd(2004, 3, 28);
    t.at(5, kColName) = QStringLiteral("Old");
    EntryBoxes b = Boxes();
    b.text[kBoxDstStart] = QString::fromLatin1(bad);
    const auto e = CommitEntry(b, 2026, t, 5);
    ASSERT_TRUE(e) << bad;
    EXPECT_EQ(e->box, kBoxDstStart);
    EXPECT_TRUE(e->message.contains("\"from\""));
    EXPECT_EQ(t.dstStart[5], DateFromYmd(2004, 3, 28));
    EXPECT_EQ(t.at(5, kColName), "Old");
  }
}

TEST(CommitEntry, GreyedCheckKeepsColumnAndQuotesAreRefused) {
  CountryTable t;
  t.at(5, kColDstUsed) = QStringLiteral("2");
  EntryBoxes b = Boxes();
  b.checkState = 2;
  ASSERT_FALSE(CommitEntry(b, 2026, t, 5));
  EXPECT_EQ(t.at(5, kColDstUsed), "2");
  b.text[kBoxHistory] = QStringLiteral("  \"Quoted\" history");
  const auto e = CommitEntry(b, 2026, t, 5);
  ASSERT_TRUE(e);
  EXPECT_EQ(e->box, kBoxHistory);
}

TEST(CommitEntry, FieldsAreTakenAsTheFileGivesThemBack) {
  CountryTable t;
  EntryBoxes b = Boxes();
  b.text[kBoxName] = QStringLiteral("Korea, South;");
  b.text[kBoxHistory] = QStringLiteral("  line one\nline two; end");
  ASSERT_FALSE(CommitEntry(b, 2026, t, 5));
  EXPECT_EQ(t.at(5, kColName), QString::fromUtf8("Korea\u00b8 South;"));  // the name replaces commas only
  EXPECT_EQ(t.at(5, kColHistory), QString::fromUtf8("line one line two\u00b8 end"));
  for (int n = 1; n <= kEntryCount; ++n) t.at(n, kColName) = QStringLiteral("E%1").arg(n);
  CountryTable back;
  ReadCountriesText(
      QString::fromLatin1(WriteCountriesBytes(t, kEntryCount, QDateTime(QDate(2026, 1, 1), QTime(0, 0)))),
      back, kEntryCount);
  EXPECT_EQ(back, t);
}

TEST(TextAfterFocusOut, ReplacesAndUpperCasesCoordinates) {
  EXPECT_EQ(TextAfterFocusOut("a,b;c", kBoxHistory), QString::fromUtf8("a\u00b8b\u00b8c"));
  EXPECT_EQ(TextAfterFocusOut("24.5n", kBoxLatitude), "24.5N");
  EXPECT_EQ(TextAfterFocusOut("67e", kBoxLongitude), "67E");
  EXPECT_EQ(TextAfterFocusOut("abc", kBoxCapital), "abc");
}

TEST(ChooseEntry, RoundingAndClamping) {
  struct Case {
    const char* text;
    bool valid;
    double entry;
    const char* fallback;
  } cases[] = {{"0", false, 0, "1"},     {"abc", false, 0, "1"},     {"", false, 0, "1"},
               {"300", false, 0, "224"}, {"224.4", false, 0, "224"}, {"-5", false, 0, "1"},
               {"0.5", false, 0, "1"},   {"2.5", true, 2.5, ""},     {"224", true, 224, ""}};
  for (const auto& c : cases) {
    const EntryChoice e = ChooseEntry(QString::fromLatin1(c.text), kEntryCount);
    EXPECT_EQ(e.valid, c.valid) << c.text;
    if (c.valid)
      EXPECT_EQ(e.entry, c.entry);
    else
      EXPECT_EQ(e.fallback, QString::fromLatin1(c.fallback)) << c.text;
  }
}

TEST(MapTitle, CutsBeforeTheBracket) {
  EXPECT_EQ(MapTitle("Congo (Kinshasa)"), "Map of Congo");
  EXPECT_EQ(MapTitle("Congo(Kinshasa)"), "Map of Cong");
  EXPECT_EQ(MapTitle("Pakistan"), "Map of Pakistan");
  EXPECT_EQ(MapTitle("(odd)"), "Map of (odd)");
}

TEST(MapPicturePathFor, StaysInsideTheFolder) {
  EXPECT_EQ(MapPicturePathFor("M", "pk"), "M/pk-map.jpg");
  EXPECT_EQ(MapPicturePathFor("M", ""), "M/-map.jpg");
  for (const char* bad : {"../x", "a/b", "a\\b", ".."})
    EXPECT_TRUE(MapPicturePathFor("M", bad).isEmpty()) << bad;
}

TEST(FirstUnsavableField, FindsFieldsThatWouldNotReadBack) {
  CountryTable t;
  EXPECT_FALSE(FirstUnsavableField(t, kEntryCount));
  t.at(7, kColCapital) = QStringLiteral("\"x");
  const auto f = FirstUnsavableField(t, kEntryCount);
  ASSERT_TRUE(f);
  EXPECT_EQ(f->row, 7);
  EXPECT_EQ(f->column, kColCapital);
  t.at(3, kColName) = QStringLiteral("a,b");
  EXPECT_EQ(FirstUnsavableField(t, kEntryCount)->row, 3);
}

}  // namespace
}  // namespace zv
