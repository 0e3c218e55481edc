#include "countryinfo/entryedit.h"

#include <gtest/gtest.h>

#include "data/countryfile.h"
#include "support/testsupport.h"

namespace zv {
namespace {

// Rows 1 .. 230 are taken, the typed dates into the given year, commas and
// line breaks as the file gives them back; a greyed check box keeps column 4.
// No date, or a field that would begin with a double quote, names the box and
// changes nothing.
TEST(CommitEntry, TakesTheBoxesAsTheFileGivesThemBackOrNothing) {
  const std::tuple<int, int, const char*, int> rows[] = {
      {0, kBoxName, "Chile", -1},
      {CountryTable::kRows, kBoxName, "Chile", -1},
      {5, kBoxDstStart, "Marchish", kBoxDstStart},
      {5, kBoxDstEnd, "", kBoxDstEnd},
      {5, kBoxName, " \"Q", kBoxName},
      {5, kBoxOffset, "\"5", kBoxOffset},
      {5, kBoxDstHours, "\"1", kBoxDstHours},
      {5, kBoxHistory, "\t\"Q", kBoxHistory},
      {CountryTable::kRows - 1, kBoxName, "Korea, South;", 99},
      {1, kBoxHistory, " \t one\r\ntwo\rthree\nend; x", 99}};
  for (auto [row, box, text, failed] : rows) {
    SCOPED_TRACE(text);
    CountryTable t;
    t.at(row % CountryTable::kRows, kColDstUsed) = "7";
    const CountryTable before = t;
    EntryBoxes b;
    b.text = {"Chile", "-4", "1", "Sep 06", "Apr 05", "a;b", "", "", "", "", "", ""};
    b.text[box] = text;
    b.checkState = 2;
    const auto e = CommitEntry(b, 2026, t, row);
    EXPECT_EQ(e ? e->box : 99, failed);
    if (e) EXPECT_EQ(t, before);
    if (e) continue;
    QStringList got;
    for (int c : {kColName, kColOffset, kColDstHours, kColDstUsed, kColLocation, kColHistory})
      got << t.at(row, c);
    got << FormatFileDate(t.dstStart[row]) << FormatFileDate(t.dstEnd[row]);
    EXPECT_EQ(got.join("|"),
              QString::fromUtf8(box == kBoxName
                                    ? "Korea\u00b8 South;|-4|1|7|a\u00b8b||9/6/2026|4/5/2026"
                                    : "Chile|-4|1|7|a\u00b8b|one two three end\u00b8 x|9/6/2026|4/5/2026"));
  }
}

TEST(EntryEdit, FocusOutCheckStateTitlePicturePathAndEntryChoice) {
  EXPECT_EQ(TextAfterFocusOut("24.5n;", kBoxLatitude) + TextAfterFocusOut("e,", kBoxLongitude) +
                TextAfterFocusOut("a;b", kBoxCapital),
            QString::fromUtf8("24.5N\u00b8E\u00b8a\u00b8b"));
  QString states;
  for (const char* column : {"0", "x", "1", "0.6", "2", "-1"})
    states += QString::number(CheckStateForColumn(column));
  EXPECT_EQ(states, "001122");
  EXPECT_EQ(MapTitle("Congo (Kinshasa)") + MapTitle("Congo(Kinshasa)") + MapTitle("(odd)"),
            "Map of CongoMap of CongMap of (odd)");
  EXPECT_EQ(MapPicturePathFor("M", "p.k"), "M/p.k-map.jpg");
  for (QString bad : {"../x", "a/b", "a\\b", ".."})
    EXPECT_EQ(MapPicturePathFor("M", bad), "") << bad.toStdString();
  EXPECT_EQ(MapPicturePathFor("M", QChar(0)), "");
  // Above 110 the entry number box goes to the last entry, otherwise to the first.
  EXPECT_EQ(
      ChooseEntry("110", 100).fallback + ChooseEntry("111", 100).fallback + ChooseEntry("0.9", 224).fallback,
      "11001");
  EXPECT_TRUE(ChooseEntry("1", 224).valid && !ChooseEntry("101", 100).valid);
}

TEST(FirstUnsavableField, FindsTheFirstFieldThatWouldNotReadBack) {
  const std::tuple<int, int, const char*, const char*> rows[] = {
      {7, kColCapital, "\"x", "begins with a double quote"},
      {1, kColName, "a,b", "holds a comma"},
      {CountryTable::kRows - 1, kColHistory, "a\nb", "holds a line break"},
      {3, kColHistory, "a\rb", "holds a line break"},
      {4, kColLanguages, "\tx", "begins with a space"},
      {4, kColLanguages, " x", "begins with a space"}};
  for (auto [row, column, text, reason] : rows) {
    CountryTable t = test::EntryTable();
    t.at(row, column) = text;
    const auto f = FirstUnsavableField(t, CountryTable::kRows);
    ASSERT_TRUE(f) << text;
    EXPECT_EQ(QString("%1 %2 ").arg(f->row).arg(f->column) + f->reason,
              QString("%1 %2 %3").arg(row).arg(column).arg(reason));
    EXPECT_FALSE(FirstUnsavableField(t, row - 1)) << text;
  }
  CountryTable t = test::EntryTable();
  t.at(3, kColHistory) = "a,b";
  EXPECT_EQ(UnsavableMessage(*FirstUnsavableField(t, kEntryCount), t),
            "The field \"Brief History\" of entry 3 (Entry 3) holds a comma, which the country file "
            "cannot keep. Nothing was saved.");
}

}  // namespace
}  // namespace zv
