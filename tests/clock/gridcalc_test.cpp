// The grid's calculation without a window: GMT from the settings, each
// entry's time and colour, the daylight-saving rule, the counts.

#include "clock/gridcalc.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

const Rgb kWhite{255, 255, 255}, kAm{224, 224, 224}, kPm{255, 192, 128}, kDst{192, 255, 192}, kRed{255, 0, 0};

GridResult Calculate(const CountryTable& t, const QString& local, const QString& offset, const QString& dst,
                     QDate today = {2026, 6, 1}, std::vector<int> marks = {}) {
  return CalculateGrid({local, offset, dst, {}, &t, kEntryCount, today, std::move(marks), kWhite});
}

// Without a GMT time before, a partial local time counts as midnight. Real
// offsets at every hour are checked against the tz database.
TEST(GridCalc, GmtAndEntryTimesWithTheirColours) {
  // clang-format off
  const struct { const char *local, *offset, *dst, *entryOffset, *gmt, *time; } rows[] = {
      {"9:05 PM", "3.35", "0", "0", "5:44 PM", "5:44 PM"}, {"21:00:59", "-0.5", "0", "0", "9:30 PM", "9:30 PM"},
      {"9:00 PM", "abc", "", "0", "9:00 PM", "9:00 PM"}, {"2:", "0", "0", "2", "", "2:00 AM"},
      {"12:00 AM", "0", "0", "12", "12:00 AM", "12:00 PM"}, {"11:59 AM", "0", "0", "0", "11:59 AM", "11:59 AM"},
      {"12:00 AM", "0", "0", "-0.0166667", "12:00 AM", "11:59 PM"}};
  // clang-format on
  for (const auto& row : rows) {
    CountryTable t;
    t.at(1, kColOffset) = row.entryOffset;
    const GridResult r = Calculate(t, row.local, row.offset, row.dst);
    EXPECT_EQ(r.gmtText + " " + r.timeText[1], QString(row.gmt) + " " + row.time);
    EXPECT_EQ(r.timeColour[1], QString(row.time).endsWith("AM") ? kAm : kPm) << row.local;
    EXPECT_EQ(r.nameColour[1], kWhite);
  }
}

TEST(GridCalc, EveryEntryCountsAndHighlightsMarkListedRowsOnly) {
  CountryTable t;
  const GridResult r = Calculate(t, "9:00 AM", "0", "0", {2026, 6, 1}, {1, 228, 0, 229, -3});
  EXPECT_EQ(r.timeText[kRowDstLegend] + r.timeText[kRowAmLegend] + "," + r.timeText[kRowPmLegend], "0224,0");
  EXPECT_TRUE(r.amCount == 224 && r.timeText[kRowSpacer].isEmpty() && r.timeText[kEntryCount] == "9:00 AM");
  for (const auto& [row, colour] : {std::pair{1, kRed}, {228, kRed}, {2, kWhite}, {227, kWhite}})
    EXPECT_EQ(r.nameColour[row], colour) << row;
  EXPECT_TRUE(r.nameColourSet[224] && r.nameColourSet[228] && !r.nameColourSet[225]);
}

// Dates set by hand keep the date rule, strictly between the dates (or
// outside them when the end comes first), with hours and the flag 1, on the
// entry's own date: at 6:00 PM GMT on 28 March 2004 it is 3:00 AM on the 29th
// at offset 9. The rule on real dates is checked against the tz database.
TEST(GridCalc, HandSetDatesKeepTheDateRuleOnTheEntrysOwnDate) {
  // clang-format off
  const struct { const char *offset, *hours, *used; int endMonth, endDay; const char* time; bool dst; } rows[] = {
      {"-5", "1", "1", 10, 31, "1:00 PM", 0}, {"9", "1", "1", 10, 31, "4:00 AM", 1},
      {"9", "1", "2", 10, 31, "3:00 AM", 0}, {"9", "0.5", "1", 10, 31, "3:30 AM", 1},
      {"9", "0", "1", 10, 31, "3:00 AM", 0}, {"9", "1", "1", 3, 28, "3:00 AM", 0},
      {"9", "1", "1", 3, 27, "4:00 AM", 1}, {"9", "1", "1", 3, 29, "3:00 AM", 0}};
  // clang-format on
  for (const auto& row : rows) {
    CountryTable t;
    t.at(1, kColOffset) = row.offset;
    t.at(1, kColDstHours) = row.hours;
    t.at(1, kColDstUsed) = row.used;
    t.at(1, kColMapName) = "gb";  // dates that are not the zone's
    t.dstStart[1] = DateFromYmd(2004, 3, 28);
    t.dstEnd[1] = DateFromYmd(2004, row.endMonth, row.endDay);
    const GridResult r = Calculate(t, "9:00 PM", "3", "0", {2004, 3, 28});
    EXPECT_EQ(r.timeText[1], row.time) << row.offset << row.hours << row.used << row.endDay;
    EXPECT_TRUE(r.nameColour[1] == (row.dst ? kDst : kWhite) && r.dstCount == row.dst);
  }
}

}  // namespace
}  // namespace zv
