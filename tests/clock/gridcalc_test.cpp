// The grid's calculation without a window: GMT from the settings, an entry's
// time and colour, and the date rule of daylight-saving dates set by hand.
// Every entry at every hour of a year is checked against the tz database in
// tests/data/tzdatabase_test.cpp.

#include "clock/gridcalc.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

const Rgb kWhite{255, 255, 255}, kAm{224, 224, 224}, kPm{255, 192, 128}, kDst{192, 255, 192}, kRed{255, 0, 0};

// Without a GMT time before, a partial local time counts as midnight. The
// first and the last row are highlighted; 0 in the highlights is no row.
TEST(GridCalc, GmtAndEntryTimesWithTheirColours) {
  // clang-format off
  const struct { const char *local, *offset, *entryOffset, *gmt, *time; } rows[] = {
      {"9:05 PM", "3.35", "0", "5:44 PM", "5:44 PM"}, {"2:", "0", "2", "", "2:00 AM"},
      {"12:00 AM", "0", "12", "12:00 AM", "12:00 PM"}};
  // clang-format on
  for (const auto& row : rows) {
    CountryTable t;
    t.at(1, kColOffset) = row.entryOffset;
    const GridResult r =
        CalculateGrid({row.local, row.offset, "0", {}, &t, kEntryCount, {2026, 6, 1}, {0, 1, 228}, kWhite});
    EXPECT_EQ(r.gmtText + " " + r.timeText[1], QString(row.gmt) + " " + row.time);
    EXPECT_EQ(r.timeColour[1], QString(row.time).endsWith("AM") ? kAm : kPm);
    EXPECT_TRUE(r.nameColour[1] == kRed && r.nameColour[228] == kRed && r.nameColourSet[228] &&
                !r.nameColourSet[0]);
  }
}

// Dates set by hand keep the date rule, strictly between the dates (or
// outside them when the end comes first), with hours and the flag 1, on the
// entry's own date: at 6:00 PM GMT on 28 March 2004, the start date, it is
// 3:00 AM on the 29th at offset 9. The rule's boundaries on real dates are
// checked against the tz database.
TEST(GridCalc, HandSetDatesKeepTheDateRuleOnTheEntrysOwnDate) {
  // clang-format off
  const struct { const char *hours, *used; int endMonth, endDay; const char* time; bool dst; } rows[] = {
      {"1", "1", 10, 31, "4:00 AM", 1}, {"1", "2", 10, 31, "3:00 AM", 0}, {"0.5", "1", 10, 31, "3:30 AM", 1},
      {"0", "1", 10, 31, "3:00 AM", 0}, {"1", "1", 3, 28, "3:00 AM", 0}, {"1", "1", 3, 27, "4:00 AM", 1}};
  // clang-format on
  for (const auto& row : rows) {
    CountryTable t;
    t.at(1, kColOffset) = "9";
    t.at(1, kColDstHours) = row.hours;
    t.at(1, kColDstUsed) = row.used;
    t.at(1, kColMapName) = "jp";  // a zone whose dates these are not
    t.dstStart[1] = DateFromYmd(2004, 3, 28);
    t.dstEnd[1] = DateFromYmd(2004, row.endMonth, row.endDay);
    const GridResult r = CalculateGrid({"9:00 PM", "3", "0", {}, &t, kEntryCount, {2004, 3, 28}, {}, kWhite});
    EXPECT_EQ(r.timeText[1], row.time) << row.hours << row.used;
    EXPECT_TRUE(r.nameColour[1] == (row.dst ? kDst : kWhite) && r.dstCount == row.dst);
  }
}

}  // namespace
}  // namespace zv
