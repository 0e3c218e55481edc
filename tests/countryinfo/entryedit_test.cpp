#include "countryinfo/entryedit.h"

#include <gtest/gtest.h>

#include <tuple>

#include "data/countryfile.h"
#include "support/testsupport.h"

namespace zv {
namespace {

const QString kSedilla = QString::fromUtf8("\u00b8");  // what "," and ";" become

// The boxes of an entry with two dates; `box` holds `text`.
EntryBoxes Boxes(int box = kBoxName, const char* text = "Pakistan") {
  EntryBoxes b;
  b.text[kBoxName] = QStringLiteral("Pakistan");
  b.text[kBoxDstStart] = QStringLiteral("Mar 28");
  b.text[kBoxDstEnd] = QStringLiteral("Oct 05");
  b.text[box] = QString::fromLatin1(text);
  return b;
}

// Rows 1 .. 230 are taken, the dates into the current year; ticked and not
// ticked write 1 and 0, the greyed state keeps what the row held.
TEST(CommitEntry, RowsDatesAndCheckState) {
  // clang-format off
  const std::tuple<int, int, const char*, const char*> rows[] = {{0, 1, "", nullptr},
      {CountryTable::kRows, 1, "", nullptr}, {1, 0, "1", "0"}, {CountryTable::kRows - 1, 1, "0", "1"},
      {5, 2, "7", "7"}, {5, 2, "-1", "-1"}};
  // clang-format on
  for (auto [row, state, before, after] : rows) {
    SCOPED_TRACE(row);
    CountryTable t;
    t.at(row % CountryTable::kRows, kColDstUsed) = QString::fromLatin1(before);
    const CountryTable unchanged = t;
    EntryBoxes b = Boxes();
    b.checkState = state;
    const auto e = CommitEntry(b, 2026, t, row);
    ASSERT_EQ(!e, after != nullptr);
    EXPECT_TRUE(!e || (e->message == "No entry is shown." && t == unchanged));
    if (e) continue;
    EXPECT_EQ(t.at(row, kColDstUsed) + t.at(row, kColName), after + QStringLiteral("Pakistan"));
    EXPECT_EQ(FormatFileDate(t.dstStart[row]) + FormatFileDate(t.dstEnd[row]), "3/28/202610/5/2026");
  }
}

TEST(CommitEntry, NoDateOrALeadingQuoteNamesTheBoxAndChangesNothing) {
  // clang-format off
  const std::tuple<int, const char*, const char*> rows[] = {
      {kBoxDstStart, "Marchish",
       "The box \"from\" holds no date (\"Marchish\"). Enter a date such as Mar 28. The entry was not "
       "taken and its dates are unchanged."},
      {kBoxCapital, " \"Q\"",
       "The box \"Capital\" begins with a double quote, which the country file cannot keep at the "
       "start of a field. The entry was not taken."},
      {kBoxDstStart, "Mar 32", ""}, {kBoxDstEnd, "", ""}, {kBoxName, "\"Q", ""}, {kBoxOffset, "\"5", ""},
      {kBoxDstHours, "\"1", ""}, {kBoxHistory, "\t\"Q", ""}};
  // clang-format on
  for (auto [box, text, message] : rows) {
    SCOPED_TRACE(text);
    CountryTable t;
    const auto e = CommitEntry(Boxes(box, text), 2026, t, 5);
    ASSERT_TRUE(e);
    EXPECT_TRUE(e->box == box && t == CountryTable());
    EXPECT_TRUE(!*message || e->message == message) << e->message.toStdString();
  }
}

// A comma becomes the replacement character in every box, a semicolon too
// from Location on; line breaks and leading blanks go as the file drops them.
TEST(CommitEntry, FieldsAreTakenAsTheFileGivesThemBack) {
  CountryTable t;
  EntryBoxes b = Boxes(kBoxName, "Korea, South;");
  b.text[kBoxOffset] = QStringLiteral(" 5;");
  b.text[kBoxDstHours] = QStringLiteral("1;");
  b.text[kBoxCapital] = QStringLiteral("a;b");
  b.text[kBoxHistory] = QStringLiteral(" \t line one\r\nline two\rthree\nend; x");
  ASSERT_FALSE(CommitEntry(b, 2026, t, 5));
  EXPECT_EQ(t.at(5, kColName) + t.at(5, kColOffset) + t.at(5, kColDstHours) + t.at(5, kColCapital),
            "Korea" + kSedilla + " South;5;1;a" + kSedilla + "b");
  EXPECT_EQ(t.at(5, kColHistory), "line one line two three end" + kSedilla + " x");
}

TEST(EntryEdit, FocusOutCheckStateTitlePicturePathAndEntryChoice) {
  EXPECT_EQ(TextAfterFocusOut("a,b;c", kBoxHistory), "a" + kSedilla + "b" + kSedilla + "c");
  EXPECT_EQ(TextAfterFocusOut("24.5n;", kBoxLatitude), "24.5N" + kSedilla);
  EXPECT_EQ(TextAfterFocusOut("67e", kBoxLongitude) + TextAfterFocusOut("abc", kBoxCapital), "67Eabc");
  const std::tuple<const char*, int> rows[] = {{"0", 0}, {"x", 0}, {"1", 1}, {"0.6", 1}, {"2", 2}, {"-1", 2}};
  for (auto [text, state] : rows) EXPECT_EQ(CheckStateForColumn(QString::fromLatin1(text)), state) << text;
  const std::tuple<const char*, const char*> titles[] = {
      {"Congo (Kinshasa)", "Map of Congo"}, {"Congo(Kinshasa)", "Map of Cong"}, {"(odd)", "Map of (odd)"}};
  for (auto [name, title] : titles) EXPECT_EQ(MapTitle(QString::fromLatin1(name)), title);
  EXPECT_EQ(MapPicturePathFor("M", "p.k"), "M/p.k-map.jpg");
  for (const char* bad : {"../x", "a/b", "a\\b", ".."}) EXPECT_EQ(MapPicturePathFor("M", bad), "") << bad;
  EXPECT_EQ(MapPicturePathFor("M", QString(QChar(0))), "");
  // Above 110 the entry number box goes to the last entry, otherwise to the
  // first; the window's tests cover the rest with 224 entries.
  EXPECT_EQ(ChooseEntry("110", 100).fallback + ChooseEntry("111", 100).fallback, "1100");
  EXPECT_EQ(ChooseEntry("0.9", 224).fallback, "1");
  EXPECT_TRUE(ChooseEntry("1", 224).valid && !ChooseEntry("101", 100).valid);
}

TEST(FirstUnsavableField, FindsTheFirstFieldThatWouldNotReadBackAndSaysWhy) {
  EXPECT_FALSE(FirstUnsavableField(test::EntryTable(), kEntryCount));
  EXPECT_FALSE(FirstUnsavableField(CountryTable(), CountryTable::kRows));
  // clang-format off
  const std::tuple<int, int, const char*, const char*> rows[] = {
      {7, kColCapital, "\"x", "begins with a double quote"}, {1, kColName, "a,b", "holds a comma"},
      {CountryTable::kRows - 1, kColHistory, "a\nb", "holds a line break"},
      {3, kColHistory, "a\rb", "holds a line break"}, {4, kColLanguages, "\tx", "begins with a space"},
      {4, kColLanguages, " x", "begins with a space"}};
  // clang-format on
  for (auto [row, column, text, reason] : rows) {
    CountryTable t;
    t.at(row, column) = QString::fromLatin1(text);
    const auto f = FirstUnsavableField(t, CountryTable::kRows);
    ASSERT_TRUE(f) << text;
    EXPECT_EQ(QString("%1 %2 ").arg(f->row).arg(f->column) + f->reason,
              QString("%1 %2 %3").arg(row).arg(column).arg(reason));
  }
  CountryTable t = test::EntryTable();
  t.at(3, kColHistory) = t.at(9, kColName) = QStringLiteral("a,b");
  EXPECT_FALSE(FirstUnsavableField(t, 2));
  EXPECT_EQ(UnsavableMessage(*FirstUnsavableField(t, kEntryCount), t),
            "The field \"Brief History\" of entry 3 (Entry 3) holds a comma, which the country file "
            "cannot keep. Nothing was saved.");
  EXPECT_EQ(UnwritableMessage(5, kColDstHours, QChar(0x141), t),
            QString::fromUtf8("The field \"daylight saving hours\" of entry 5 (Entry 5) holds the character "
                              "\"\u0141\" (U+0141), which the country file's character set cannot hold. "
                              "Nothing was saved."));
}

}  // namespace
}  // namespace zv
