// The grid's calculation without a window: GMT from the settings, an entry's
// time and colour, and the date rule of daylight-saving dates set by hand.
// Every entry at every hour of a year is checked against the tz database in
// tests/data/tzdatabase_test.cpp.

#include "clock/gridcalc.h"

#include <gtest/gtest.h>

#include "clock/hourclock.h"

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

// The day there, for a user in Berlin (GMT+1 in December) on either side of
// midnight: Kiribati (+14), Honolulu (-10) and Kabul (+4.5), in 12 and 24
// hours; "Change to..." two hours on counts and colours as a calculation.
TEST(GridCalc, TheDayThereAcrossTheUsersMidnight) {
  // clang-format off
  const struct { const char* local; int day; const char* entry; int shift; const char *t12, *t24; int days; } rows[] = {
      {"11:59 PM", 7, "14", 0, "12:59 PM", "12:59", 1}, {"0:00", 8, "14", 0, "1:00 PM", "13:00", 0},
      {"12:00 AM", 8, "-10", 0, "1:00 PM", "13:00", -1}, {"23:59", 7, "-10", 0, "12:59 PM", "12:59", 0},
      {"11:59 PM", 7, "4.5", 0, "3:29 AM", "3:29", 1}, {"11:59 PM", 7, "0", 120, "12:59 AM", "0:59", 1},
      {"12:00 AM", 8, "0", -120, "9:00 PM", "21:00", -1}};
  // clang-format on
  for (const auto& row : rows) {
    CountryTable t;
    t.at(1, kColOffset) = row.entry;
    for (bool h24 : {false, true}) {
      GridInputs in{row.local, "1", "0", {}, &t, 1, {2026, 12, row.day}, {}, kWhite};
      in.twentyFourHour = h24;
      in.shiftMinutes = row.shift;
      const GridResult r = CalculateGrid(in);
      const bool am = QString(row.t12).endsWith("AM");
      EXPECT_EQ(r.timeText[1], h24 ? row.t24 : row.t12) << row.local << row.entry;
      EXPECT_TRUE(r.dayOffset[1] == row.days && r.amCount == am && r.pmCount == !am &&
                  r.timeColour[1] == (am ? kAm : kPm) &&
                  r.gmtText == (row.day == 7 ? "10:59 PM" : "11:00 PM"))
          << row.local << row.entry;
    }
  }
}

// 24 hours where the desktop's language writes times so, unless chosen.
TEST(GridCalc, HoursFollowTheDesktopUnlessChosen) {
  // clang-format off
  const struct { const char* locale; HourClock choice; bool h24; } rows[] = {
      {"en_US", HourClock::kDesktop, false}, {"de_DE", HourClock::kDesktop, true}, {"en_GB", HourClock::kDesktop, true},
      {"en_US", HourClock::kTwentyFour, true}, {"de_DE", HourClock::kTwelve, false}};
  // clang-format on
  for (const auto& row : rows)
    EXPECT_EQ(UsesTwentyFourHours(row.choice, QLocale(row.locale)), row.h24) << row.locale;
}

}  // namespace
}  // namespace zv
