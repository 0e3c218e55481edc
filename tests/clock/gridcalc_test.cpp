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

// Without a GMT time before, a partial local time counts as midnight.
TEST(GridCalc, GmtAndEntryTimesWithTheirColours) {
  // clang-format off
  const struct { const char *local, *offset, *dst, *entryOffset, *gmt, *time; } rows[] = {
      {"9:00 PM", "3", "0", "-5", "6:00 PM", "1:00 PM"}, {"9:00 PM", "3", "0", "9.5", "6:00 PM", "3:30 AM"},
      {"3:00 AM", "3", "0", "0", "12:00 AM", "12:00 AM"}, {"9:05 PM", "3.35", "0", "0", "5:44 PM", "5:44 PM"},
      {"21:00:59", "-0.5", "0", "0", "9:30 PM", "9:30 PM"}, {"9:00 PM", "abc", "", "0", "9:00 PM", "9:00 PM"},
      {"2:", "0", "0", "2", "", "2:00 AM"}, {"12:00 AM", "0", "0", "12", "12:00 AM", "12:00 PM"},
      {"11:59 AM", "0", "0", "0", "11:59 AM", "11:59 AM"},
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

// The daylight-saving rule: in force strictly between the dates (or outside
// them when the end comes first), with hours and the flag 1; the
// dates are those of one year (2004) and are not repeated.
TEST(GridCalc, DaylightSavingRuleBoundaries) {
  // Dates of kind 0 north, 1 south, 2 a start equal to the end.
  // clang-format off
  const struct { int kind, month, day; const char *hours, *used; bool inForce; int year = 2004; } rows[] = {
      {0, 7, 1, "1", "1", 1}, {0, 3, 28, "1", "1", 0}, {0, 3, 29, "1", "1", 1}, {0, 10, 30, "1", "1", 1},
      {0, 10, 31, "1", "1", 0}, {0, 7, 1, "1", "1", 0, 2005}, {0, 7, 1, "0", "1", 0}, {0, 7, 1, "1", "0", 0},
      {0, 7, 1, "1", "2", 0}, {0, 7, 1, "0.5", "1", 1}, {1, 3, 26, "1", "1", 1}, {1, 10, 4, "1", "1", 1},
      {1, 5, 1, "1", "1", 0}, {1, 3, 27, "1", "1", 0}, {1, 10, 3, "1", "1", 0}, {2, 6, 1, "1", "1", 0}};
  // clang-format on
  const DateValue starts[] = {DateFromYmd(2004, 3, 28), DateFromYmd(2004, 10, 3), DateFromYmd(2004, 5, 1)},
                  ends[] = {DateFromYmd(2004, 10, 31), DateFromYmd(2004, 3, 27), DateFromYmd(2004, 5, 1)};
  for (const auto& row : rows) {
    const QDate today(row.year, row.month, row.day);
    SCOPED_TRACE(today.toString(Qt::ISODate).toStdString() + " hours " + row.hours + " used " + row.used);
    CountryTable t;
    t.at(1, kColOffset) = "-5";
    t.at(1, kColDstHours) = row.hours;
    t.at(1, kColDstUsed) = row.used;
    t.dstStart[1] = starts[row.kind];
    t.dstEnd[1] = ends[row.kind];
    const GridResult r = Calculate(t, "9:00 PM", "3", "0", today);
    EXPECT_EQ(r.timeText[1], row.inForce ? (row.hours == QString("1") ? "2:00 PM" : "1:30 PM") : "1:00 PM");
    EXPECT_TRUE(r.nameColour[1] == (row.inForce ? kDst : kWhite) &&
                r.timeText[kRowDstLegend] == (row.inForce ? "1" : "0"));
  }
}

}  // namespace
}  // namespace zv
