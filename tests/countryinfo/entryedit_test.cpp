#include "countryinfo/entryedit.h"

#include <gtest/gtest.h>

#include "data/countryfile.h"
#include "support/testsupport.h"

namespace zv {
namespace {

const QString kSedilla = QString::fromUtf8("\u00b8");  // what "," and ";" become

EntryBoxes Boxes() {
  EntryBoxes b;
  b.text[kBoxName] = QStringLiteral("Pakistan");
  b.text[kBoxDstStart] = QStringLiteral("Mar 28");
  b.text[kBoxDstEnd] = QStringLiteral("Oct 05");
  b.checkState = 1;
  return b;
}

// The rows of the table are 1 .. 230; the dates take the current year.
TEST(CommitEntry, TakesRowsOneToLastIntoTheCurrentYearAndRefusesOthers) {
  for (int row : {0, 1, CountryTable::kRows - 1, CountryTable::kRows}) {
    SCOPED_TRACE(row);
    CountryTable t;
    const auto e = CommitEntry(Boxes(), 2026, t, row);
    const bool inside = row == 1 || row == CountryTable::kRows - 1;
    ASSERT_EQ(!e, inside);
    if (!inside) {
      EXPECT_EQ(e->message, "No entry is shown.");
      EXPECT_EQ(t, CountryTable());
      continue;
    }
    EXPECT_EQ(FormatFileDate(t.dstStart[row]), "3/28/2026");
    EXPECT_EQ(FormatFileDate(t.dstEnd[row]), "10/5/2026");
    EXPECT_EQ(t.at(row, kColName), "Pakistan");
  }
}

// Ticked and not ticked write 1 and 0; the greyed state keeps what the row
// held, which may be any number.
TEST(CommitEntry, CheckStateWritesColumnFour) {
  const struct {
    int state;
    const char* before;
    const char* after;
  } rows[] = {{0, "1", "0"}, {1, "0", "1"}, {2, "7", "7"}, {2, "-1", "-1"}};
  for (const auto& r : rows) {
    CountryTable t;
    t.at(5, kColDstUsed) = QString::fromLatin1(r.before);
    EntryBoxes b = Boxes();
    b.checkState = r.state;
    ASSERT_FALSE(CommitEntry(b, 2026, t, 5));
    EXPECT_EQ(t.at(5, kColDstUsed), r.after) << r.state << " " << r.before;
  }
}

TEST(CommitEntry, NoDateOrALeadingQuoteNamesTheBoxAndChangesNothing) {
  const struct {
    int box;
    const char* text;
    const char* message;  // empty: not checked
  } rows[] = {{kBoxDstStart, "Marchish",
               "The box \"from\" holds no date (\"Marchish\"). Enter a date such as Mar 28. The entry was "
               "not taken and its dates are unchanged."},
              {kBoxDstStart, "Mar 32", ""},
              {kBoxDstEnd, "", ""},
              {kBoxCapital, " \"Q\"",
               "The box \"Capital\" begins with a double quote, which the country file cannot keep at the "
               "start of a field. The entry was not taken."},
              {kBoxName, "\"Q", ""},
              {kBoxOffset, "\"5", ""},
              {kBoxDstHours, "\"1", ""},
              {kBoxHistory, "\t\"Q", ""}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.text);
    CountryTable t;
    t.at(5, kColName) = QStringLiteral("Old");
    t.dstStart[5] = DateFromYmd(2004, 3, 28);
    const CountryTable before = t;
    EntryBoxes b = Boxes();
    b.text[r.box] = QString::fromLatin1(r.text);
    const auto e = CommitEntry(b, 2026, t, 5);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->box, r.box);
    EXPECT_TRUE(!*r.message || e->message == r.message) << e->message.toStdString();
    EXPECT_EQ(t, before);
  }
}

// A comma becomes the replacement character in every box, a semicolon too
// from Location on; line breaks and leading blanks go as the file drops them.
TEST(CommitEntry, FieldsAreTakenAsTheFileGivesThemBack) {
  CountryTable t = test::EntryTable();
  EntryBoxes b = Boxes();
  b.text[kBoxName] = QStringLiteral("Korea, South;");
  b.text[kBoxOffset] = QStringLiteral(" 5;");
  b.text[kBoxDstHours] = QStringLiteral("1;");
  b.text[kBoxCapital] = QStringLiteral("a;b");
  b.text[kBoxHistory] = QStringLiteral(" \t line one\r\nline two\rthree\nend; x");
  ASSERT_FALSE(CommitEntry(b, 2026, t, 5));
  EXPECT_EQ(t.at(5, kColName), "Korea" + kSedilla + " South;");
  EXPECT_EQ(t.at(5, kColOffset), "5;");
  EXPECT_EQ(t.at(5, kColDstHours), "1;");
  EXPECT_EQ(t.at(5, kColCapital), "a" + kSedilla + "b");
  EXPECT_EQ(t.at(5, kColHistory), "line one line two three end" + kSedilla + " x");
  CountryTable back;
  ReadCountriesText(
      QString::fromLatin1(WriteCountriesBytes(t, kEntryCount, QDateTime(QDate(2026, 1, 1), QTime(0, 0)))),
      back, kEntryCount);
  EXPECT_EQ(back, t);
}

TEST(EntryEdit, SmallRules) {
  EXPECT_EQ(TextAfterFocusOut("a,b;c", kBoxHistory), "a" + kSedilla + "b" + kSedilla + "c");
  EXPECT_EQ(TextAfterFocusOut("24.5n;", kBoxLatitude), "24.5N" + kSedilla);
  EXPECT_EQ(TextAfterFocusOut("67e", kBoxLongitude), "67E");
  EXPECT_EQ(TextAfterFocusOut("abc", kBoxCapital), "abc");
  for (auto [text, state] : {std::pair{"0", 0}, {"x", 0}, {"1", 1}, {"0.6", 1}, {"2", 2}, {"-1", 2}})
    EXPECT_EQ(CheckStateForColumn(QString::fromLatin1(text)), state) << text;
  for (auto [name, title] : {std::pair{"Congo (Kinshasa)", "Map of Congo"},
                             {"Congo(Kinshasa)", "Map of Cong"},
                             {"Pakistan", "Map of Pakistan"},
                             {"(odd)", "Map of (odd)"}})
    EXPECT_EQ(MapTitle(QString::fromLatin1(name)), title);
  EXPECT_EQ(MapPicturePathFor("M", "pk"), "M/pk-map.jpg");
  EXPECT_EQ(MapPicturePathFor("M", "p.k"), "M/p.k-map.jpg");
  for (const char* bad : {"../x", "a/b", "a\\b", ".."}) EXPECT_EQ(MapPicturePathFor("M", bad), "") << bad;
  EXPECT_EQ(MapPicturePathFor("M", QString(QChar(0))), "");
}

// The entry number box: 1 .. the entry count; above 110 the box goes to
// the last entry, otherwise to the first.
TEST(ChooseEntry, RangeAndFallback) {
  const struct {
    const char* text;
    int count;
    bool valid;
    double entry;
    const char* fallback;
  } rows[] = {{"0", 224, false, 0, "1"},   {"abc", 224, false, 0, "1"},     {"-5", 224, false, 0, "1"},
              {"0.9", 224, false, 0, "1"}, {"1", 224, true, 1, ""},         {"2.5", 224, true, 2.5, ""},
              {"224", 224, true, 224, ""}, {"224.4", 224, false, 0, "224"}, {"300", 224, false, 0, "224"},
              {"110", 100, false, 0, "1"}, {"111", 100, false, 0, "100"}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.text);
    const EntryChoice e = ChooseEntry(QString::fromLatin1(r.text), r.count);
    EXPECT_EQ(e.valid, r.valid);
    EXPECT_EQ(e.entry, r.entry);
    EXPECT_EQ(e.fallback, r.fallback);
  }
}

TEST(FirstUnsavableField, FindsTheFirstFieldThatWouldNotReadBackAndSaysWhy) {
  EXPECT_FALSE(FirstUnsavableField(test::EntryTable(), kEntryCount));
  EXPECT_FALSE(FirstUnsavableField(CountryTable(), CountryTable::kRows));
  const struct {
    int row, column;
    const char* text;
    const char* reason;
  } rows[] = {{7, kColCapital, "\"x", "begins with a double quote"},
              {1, kColName, "a,b", "holds a comma"},
              {CountryTable::kRows - 1, kColHistory, "a\nb", "holds a line break"},
              {3, kColHistory, "a\rb", "holds a line break"},
              {4, kColLanguages, "\tx", "begins with a space"},
              {4, kColLanguages, " x", "begins with a space"}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.text);
    CountryTable t;
    t.at(r.row, r.column) = QString::fromLatin1(r.text);
    const auto f = FirstUnsavableField(t, CountryTable::kRows);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->row, r.row);
    EXPECT_EQ(f->column, r.column);
    EXPECT_EQ(f->reason, r.reason);
  }
  CountryTable t = test::EntryTable();
  t.at(3, kColHistory) = QStringLiteral("a,b");
  t.at(9, kColName) = QStringLiteral("a,b");
  EXPECT_FALSE(FirstUnsavableField(t, 2));
  EXPECT_EQ(UnsavableMessage(*FirstUnsavableField(t, kEntryCount), t),
            "The field \"Brief History\" of entry 3 (Entry 3) holds a comma, which the country file cannot "
            "keep. Nothing was saved.");
  EXPECT_EQ(UnwritableMessage(5, kColDstHours, QChar(0x141), t),
            QString::fromUtf8("The field \"daylight saving hours\" of entry 5 (Entry 5) holds the character "
                              "\"\u0141\" (U+0141), which the country file's character set cannot hold. "
                              "Nothing was saved."));
  const struct {
    int column;
    const char* caption;
  } captions[] = {{kColName, "Country or Zone"},
                  {kColOffset, "Time zone relative to GMT"},
                  {kColDstUsed, "daylight saving used"},
                  {kColLocation, "Location"},
                  {kColMapName, "map picture name"},
                  {kColHistory, "Brief History"},
                  {0, ""},
                  {12, ""}};
  for (const auto& c : captions) EXPECT_EQ(ColumnCaption(c.column), c.caption) << c.column;
}

}  // namespace
}  // namespace zv
