#include "countryinfo/entryedit.h"

#include <gtest/gtest.h>

#include "data/countryfile.h"
#include "support/testsupport.h"

namespace zv {
namespace {

// Rows 1 .. 230 are taken, the typed dates into the given year, commas and
// line breaks as the file gives them back, semicolons replaced only from the
// location on; a greyed check box keeps column 4.
// No date, or a field that would begin with a double quote, names the box and
// changes nothing.
TEST(CommitEntry, TakesTheBoxesAsTheFileGivesThemBackOrNothing) {
  QString got;
  for (auto [row, box, text] : {std::tuple{0, kBoxName, ""},
                                {CountryTable::kRows, kBoxName, ""},
                                {5, kBoxDstStart, "Marchish"},
                                {5, kBoxDstEnd, ""},
                                {5, kBoxName, " \"Q"},
                                {5, kBoxOffset, "\"5"},
                                {5, kBoxDstHours, "\"1"},
                                {5, kBoxHistory, "\t\"Q"},
                                {230, kBoxName, "Korea, South;"},
                                {1, kBoxHistory, " \t one\r\ntwo\rthree\nend; x"}}) {
    CountryTable t;
    t.at(row % CountryTable::kRows, kColDstUsed) = "7";
    const CountryTable before = t;
    EntryBoxes b{{"Chile", "-4;", "1;", "Sep 06", "Apr 05", "a;b"}, 2};
    b.text[box] = text;
    if (const auto e = CommitEntry(b, 2026, t, row)) {
      got += QString("box %1%2, ").arg(e->box).arg(t == before ? "" : " changed");
      continue;
    }
    for (int c : {kColName, kColOffset, kColDstHours, kColDstUsed, kColLocation, kColHistory})
      got += t.at(row, c) + "|";
    got += FormatFileDate(t.dstStart[row]) + "|" + FormatFileDate(t.dstEnd[row]) + ", ";
  }
  EXPECT_EQ(got, QString::fromUtf8("box -1, box -1, box 3, box 4, box 0, box 1, box 2, box 11, "
                                   "Korea\u00b8 South;|-4;|1;|7|a\u00b8b||9/6/2026|4/5/2026, "
                                   "Chile|-4;|1;|7|a\u00b8b|one two three end\u00b8 x|9/6/2026|4/5/2026, "));
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
  QString found;
  for (auto [row, column, text] : {std::tuple{7, kColCapital, "\"x"},
                                   {1, kColName, "a,b"},
                                   {230, kColHistory, "a\nb"},
                                   {3, kColHistory, "a\rb"},
                                   {4, kColLanguages, "\tx"}}) {
    CountryTable t = test::EntryTable();
    t.at(row, column) = text;
    EXPECT_FALSE(FirstUnsavableField(t, row - 1));
    const auto f = FirstUnsavableField(t, CountryTable::kRows);
    ASSERT_TRUE(f);
    found += UnsavableMessage(*f, t) + "\n";
  }
  EXPECT_EQ(found,
            "The field \"Capital\" of entry 7 (Entry 7) begins with a double quote, which the country file "
            "cannot keep. Nothing was saved: change the field and save again.\n"
            "The field \"Country or Zone\" of entry 1 (a,b) holds a comma, which the country file cannot "
            "keep. Nothing was saved: change the field and save again.\n"
            "The field \"Brief History\" of entry 230 () holds a line break, which the country file cannot "
            "keep. Nothing was saved: change the field and save again.\n"
            "The field \"Brief History\" of entry 3 (Entry 3) holds a line break, which the country file "
            "cannot keep. Nothing was saved: change the field and save again.\n"
            "The field \"Languages\" of entry 4 (Entry 4) begins with a space, which the country file cannot "
            "keep. Nothing was saved: change the field and save again.\n");
}

}  // namespace
}  // namespace zv
