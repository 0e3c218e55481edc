// The grid's calculation without a window: GMT from the settings, each
// entry's time and colour, the daylight-saving rule, the counts.

#include "clock/gridcalc.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

const Rgb kWhite{255, 255, 255}, kAm{224, 224, 224}, kPm{255, 192, 128}, kDst{192, 255, 192}, kRed{255, 0, 0};

GridResult Calculate(const CountryTable& t, const QString& local, const QString& offset, const QString& dst,
                     const QString& previousGmt = {}, QDate today = {2026, 6, 1},
                     std::vector<int> marks = {}) {
  return CalculateGrid({local, offset, dst, previousGmt, &t, kEntryCount, today, std::move(marks), kWhite});
}

TEST(GridCalc, GmtAndEntryTimesWithTheirColours) {
  const struct {
    const char *local, *offset, *dst, *previous, *entryOffset, *gmt, *time;
    bool am;
  } rows[] = {
      {"9:00 PM", "3", "0", "", "-5", "6:00 PM", "1:00 PM", false},
      {"9:00 PM", "3", "0", "", "9.5", "6:00 PM", "3:30 AM", true},
      {"3:00 AM", "3", "0", "", "0", "12:00 AM", "12:00 AM", true},
      {"9:05 PM", "3.35", "0", "", "0", "5:44 PM", "5:44 PM", false},   // 201 minutes
      {"21:00:59", "-0.5", "0", "", "0", "9:30 PM", "9:30 PM", false},  // seconds dropped when written
      {"9:00 PM", "abc", "", "", "0", "9:00 PM", "9:00 PM", false},
      {"2:", "0", "0", "", "2", "", "2:00 AM", true},  // none before: midnight
      {"12:00 AM", "0", "0", "", "12", "12:00 AM", "12:00 PM", false},
      {"11:59 AM", "0", "0", "", "0", "11:59 AM", "11:59 AM", true},
      {"12:00 AM", "0", "0", "", "-0.0166667", "12:00 AM", "11:59 PM", false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.local) + " at " + row.offset + ", entry at " + row.entryOffset);
    CountryTable t;
    t.at(1, kColOffset) = row.entryOffset;
    const GridResult r = Calculate(t, row.local, row.offset, row.dst, row.previous);
    EXPECT_EQ(r.gmtText + " " + r.timeText[1], QString(row.gmt) + " " + row.time);
    EXPECT_TRUE(r.timeColour[1] == (row.am ? kAm : kPm) && r.nameColour[1] == kWhite);
  }
}

TEST(GridCalc, EveryEntryCountsAndHighlightsMarkListedRowsOnly) {
  CountryTable t;
  const GridResult r = Calculate(t, "9:00 AM", "0", "0", {}, {2026, 6, 1}, {1, 228, 0, 229, -3});
  for (int n = 1; n <= kEntryCount; ++n) ASSERT_EQ(r.timeText[n], "9:00 AM") << n;
  EXPECT_EQ(r.timeText[kRowDstLegend] + r.timeText[kRowAmLegend] + "," + r.timeText[kRowPmLegend], "0224,0");
  EXPECT_EQ(r.amCount, 224);
  EXPECT_TRUE(r.timeText[kRowSpacer].isEmpty());
  EXPECT_EQ(r.nameColour[1], kRed);
  EXPECT_EQ(r.nameColour[228], kRed);
  EXPECT_EQ(r.nameColour[2], kWhite);
  EXPECT_EQ(r.nameColour[227], kWhite);
  EXPECT_TRUE(r.nameColourSet[224] && r.nameColourSet[228] && !r.nameColourSet[225]);
}

// The daylight-saving rule: in force strictly between the dates (or outside
// them when the end comes first), with hours and the flag 1; the dates are
// those of one year and are not repeated.
TEST(GridCalc, DaylightSavingRuleBoundaries) {
  const struct {
    QDate start, end, today;
    const char *hours, *used;
    bool inForce;
  } rows[] = {
      {{2004, 3, 28}, {2004, 10, 31}, {2004, 7, 1}, "1", "1", true},
      {{2004, 3, 28}, {2004, 10, 31}, {2004, 3, 28}, "1", "1", false},
      {{2004, 3, 28}, {2004, 10, 31}, {2004, 3, 29}, "1", "1", true},
      {{2004, 3, 28}, {2004, 10, 31}, {2004, 10, 30}, "1", "1", true},
      {{2004, 3, 28}, {2004, 10, 31}, {2004, 10, 31}, "1", "1", false},
      {{2004, 3, 28}, {2004, 10, 31}, {2005, 7, 1}, "1", "1", false},
      {{2004, 3, 28}, {2004, 10, 31}, {2004, 7, 1}, "0", "1", false},
      {{2004, 3, 28}, {2004, 10, 31}, {2004, 7, 1}, "1", "0", false},
      {{2004, 3, 28}, {2004, 10, 31}, {2004, 7, 1}, "1", "2", false},
      {{2004, 3, 28}, {2004, 10, 31}, {2004, 7, 1}, "0.5", "1", true},
      {{2004, 10, 3}, {2004, 3, 27}, {2004, 3, 26}, "1", "1", true},
      {{2004, 10, 3}, {2004, 3, 27}, {2004, 10, 4}, "1", "1", true},
      {{2004, 10, 3}, {2004, 3, 27}, {2004, 5, 1}, "1", "1", false},
      {{2004, 10, 3}, {2004, 3, 27}, {2004, 3, 27}, "1", "1", false},
      {{2004, 10, 3}, {2004, 3, 27}, {2004, 10, 3}, "1", "1", false},
      {{2004, 5, 1}, {2004, 5, 1}, {2004, 6, 1}, "1", "1", false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.today.toString(Qt::ISODate).toStdString() + " hours " + row.hours + " used " + row.used);
    CountryTable t;
    t.at(1, kColOffset) = "-5";
    t.at(1, kColDstHours) = row.hours;
    t.at(1, kColDstUsed) = row.used;
    t.dstStart[1] = DateFromQDate(row.start);
    t.dstEnd[1] = DateFromQDate(row.end);
    EXPECT_EQ(DstInForce(t, 1, row.today), row.inForce);
    const GridResult r = Calculate(t, "9:00 PM", "3", "0", {}, row.today);
    EXPECT_EQ(r.timeText[1], row.inForce ? (row.hours == QString("1") ? "2:00 PM" : "1:30 PM") : "1:00 PM");
    EXPECT_EQ(r.nameColour[1], row.inForce ? kDst : kWhite);
    EXPECT_EQ(r.timeText[kRowDstLegend], row.inForce ? "1" : "0");
  }
}

}  // namespace
}  // namespace zv
