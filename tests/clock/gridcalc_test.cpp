#include "clock/gridcalc.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

const Rgb kWhite{255, 255, 255};

GridInputs Inputs(const CountryTable& t, const char* local, const char* offset, const char* dst,
                  QDate today = QDate(2026, 6, 1)) {
  GridInputs in;
  in.localTime = QString::fromLatin1(local);
  in.offset = QString::fromLatin1(offset);
  in.dstHours = QString::fromLatin1(dst);
  in.table = &t;
  in.entryCount = kEntryCount;
  in.today = today;
  in.nameColour = kWhite;
  return in;
}

void SetEntry(CountryTable& t, int n, const char* offset, const char* dstHours = "0", const char* used = "0",
              DateValue start = 0, DateValue end = 0) {
  t.at(n, kColName) = QStringLiteral("Entry %1").arg(n);
  t.at(n, kColOffset) = QString::fromLatin1(offset);
  t.at(n, kColDstHours) = QString::fromLatin1(dstHours);
  t.at(n, kColDstUsed) = QString::fromLatin1(used);
  t.dstStart[n] = start;
  t.dstEnd[n] = end;
}

TEST(GridCalc, WorkedExampleNinePm) {
  CountryTable t;
  SetEntry(t, 1, "-5");
  SetEntry(t, 2, "9.5");
  SetEntry(t, 3, "5.5");
  const GridResult r = CalculateGrid(Inputs(t, "9:00 PM", "3", "0"));
  EXPECT_EQ(r.gmtText, "6:00 PM");
  EXPECT_EQ(r.timeText[1], "1:00 PM");
  EXPECT_EQ(r.timeColour[1], kPmColour);
  EXPECT_EQ(r.timeText[2], "3:30 AM");
  EXPECT_EQ(r.timeColour[2], kAmColour);
  EXPECT_EQ(r.timeText[3], "11:30 PM");
  EXPECT_EQ(r.nameColour[1], kWhite);
}

TEST(GridCalc, GmtFromLocalOffsetAndDaylightSaving) {
  CountryTable t;
  EXPECT_EQ(CalculateGrid(Inputs(t, "12:30 AM", "1", "1")).gmtText, "10:30 PM");
  EXPECT_EQ(CalculateGrid(Inputs(t, "9:05 PM", "3.35", "0")).gmtText, "5:44 PM");  // 201 minutes
  EXPECT_EQ(CalculateGrid(Inputs(t, "21:00:59", "0", "0")).gmtText, "9:00 PM");    // seconds dropped
  EXPECT_EQ(CalculateGrid(Inputs(t, "9:00 PM", "abc", "")).gmtText, "9:00 PM");
}

TEST(GridCalc, TextThatIsNoTimeKeepsPreviousGmt) {
  CountryTable t;
  SetEntry(t, 1, "2");
  GridInputs in = Inputs(t, "2:1", "0", "0");
  in.localTime = QStringLiteral("2:");
  in.previousGmt = QStringLiteral("4:10 PM");
  const GridResult r = CalculateGrid(in);
  EXPECT_EQ(r.gmtText, "4:10 PM");
  EXPECT_EQ(r.timeText[1], "6:10 PM");
  in.previousGmt.clear();  // still empty: counts as midnight
  EXPECT_EQ(CalculateGrid(in).timeText[1], "2:00 AM");
}

TEST(GridCalc, EmptyTableShowsGmtEverywhereAndCountsAddUp) {
  CountryTable t;
  const GridResult r = CalculateGrid(Inputs(t, "9:00 AM", "0", "0"));
  for (int n = 1; n <= kEntryCount; ++n) ASSERT_EQ(r.timeText[n], "9:00 AM");
  EXPECT_EQ(r.dstCount, 0);
  EXPECT_EQ(r.amCount, 224);
  EXPECT_EQ(r.pmCount, 0);
  EXPECT_EQ(r.timeText[kRowDstLegend], "0");
  EXPECT_EQ(r.timeText[kRowAmLegend], "224");
  EXPECT_EQ(r.timeText[kRowPmLegend], "0");
  EXPECT_TRUE(r.timeText[kRowSpacer].isEmpty());
}

struct DstCase {
  QDate start, end, today;
  bool inForce;
};

class DstRuleTest : public ::testing::TestWithParam<DstCase> {};

TEST_P(DstRuleTest, Boundaries) {
  CountryTable t;
  SetEntry(t, 1, "-5", "1", "1", DateFromQDate(GetParam().start), DateFromQDate(GetParam().end));
  EXPECT_EQ(DstInForce(t, 1, GetParam().today), GetParam().inForce)
      << GetParam().today.toString(Qt::ISODate).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Dates, DstRuleTest,
    ::testing::Values(
        // northern rule: strictly between the dates
        DstCase{{2004, 3, 28}, {2004, 10, 31}, {2004, 7, 1}, true},
        DstCase{{2004, 3, 28}, {2004, 10, 31}, {2004, 3, 28}, false},
        DstCase{{2004, 3, 28}, {2004, 10, 31}, {2004, 3, 29}, true},
        DstCase{{2004, 3, 28}, {2004, 10, 31}, {2004, 10, 30}, true},
        DstCase{{2004, 3, 28}, {2004, 10, 31}, {2004, 10, 31}, false},
        DstCase{{2004, 3, 28}, {2004, 10, 31}, {2005, 7, 1}, false},  // dates are not repeated yearly
        // end later than start across the new year
        DstCase{{2004, 10, 3}, {2005, 3, 27}, {2004, 10, 4}, true},
        DstCase{{2004, 10, 3}, {2005, 3, 27}, {2005, 3, 26}, true},
        DstCase{{2004, 10, 3}, {2005, 3, 27}, {2004, 10, 3}, false},
        DstCase{{2004, 10, 3}, {2005, 3, 27}, {2005, 3, 27}, false},
        // end earlier than start: after the start or before the end
        DstCase{{2004, 10, 3}, {2004, 3, 27}, {2004, 1, 1}, true},
        DstCase{{2004, 10, 3}, {2004, 3, 27}, {2004, 12, 1}, true},
        DstCase{{2004, 10, 3}, {2004, 3, 27}, {2004, 5, 1}, false},
        DstCase{{2004, 10, 3}, {2004, 3, 27}, {2005, 5, 1}, true},
        DstCase{{2004, 10, 3}, {2004, 3, 27}, {2004, 3, 27}, false},
        DstCase{{2004, 10, 3}, {2004, 3, 27}, {2004, 10, 3}, false},
        // equal dates: never
        DstCase{{2004, 5, 1}, {2004, 5, 1}, {2004, 5, 1}, false},
        DstCase{{2004, 5, 1}, {2004, 5, 1}, {2004, 6, 1}, false}));

TEST(DstRule, NeedsHoursAndFlag) {
  CountryTable t;
  const DateValue s = DateFromYmd(2004, 3, 28), e = DateFromYmd(2004, 10, 31);
  const QDate july(2004, 7, 1);
  SetEntry(t, 1, "0", "0", "1", s, e);
  EXPECT_FALSE(DstInForce(t, 1, july));
  SetEntry(t, 1, "0", "1", "0", s, e);
  EXPECT_FALSE(DstInForce(t, 1, july));
  SetEntry(t, 1, "0", "1", "2", s, e);
  EXPECT_FALSE(DstInForce(t, 1, july));
  SetEntry(t, 1, "0", "0.5", "1", s, e);
  EXPECT_TRUE(DstInForce(t, 1, july));
  // a time of day in the stored dates does not move the boundaries
  SetEntry(t, 1, "0", "1", "1", s + 0.9, e + 0.1);
  EXPECT_FALSE(DstInForce(t, 1, QDate(2004, 3, 28)));
  EXPECT_TRUE(DstInForce(t, 1, QDate(2004, 10, 30)));
}

TEST(GridCalc, DaylightSavingAddsHoursAndColoursTheName) {
  CountryTable t;
  SetEntry(t, 1, "-5", "1", "1", DateFromYmd(2004, 3, 28), DateFromYmd(2004, 10, 31));
  const GridResult in = CalculateGrid(Inputs(t, "9:00 PM", "3", "0", QDate(2004, 7, 1)));
  EXPECT_EQ(in.timeText[1], "2:00 PM");
  EXPECT_EQ(in.nameColour[1], kDstColour);
  EXPECT_EQ(in.dstCount, 1);
  const GridResult out = CalculateGrid(Inputs(t, "9:00 PM", "3", "0", QDate(2004, 3, 28)));
  EXPECT_EQ(out.timeText[1], "1:00 PM");
  EXPECT_EQ(out.nameColour[1], kWhite);
  EXPECT_EQ(out.dstCount, 0);
}

TEST(GridCalc, HighlightsColourListedRowsOnly) {
  CountryTable t;
  GridInputs in = Inputs(t, "9:00 PM", "3", "0");
  in.highlights = {12, 0, 229, -3, 12, 226};
  const GridResult r = CalculateGrid(in);
  EXPECT_EQ(r.nameColour[12], kHighlightColour);
  EXPECT_EQ(r.nameColour[226], kHighlightColour);
  EXPECT_EQ(r.nameColour[11], kWhite);
  EXPECT_EQ(r.nameColour[13], kWhite);
}

TEST(GridCalc, NoonIsPmAndMidnightAm) {
  CountryTable t;
  SetEntry(t, 1, "12");
  SetEntry(t, 2, "-0.0166667");  // one minute before noon... rounded to -1 minute
  const GridResult r = CalculateGrid(Inputs(t, "12:00 AM", "0", "0"));
  EXPECT_EQ(r.timeText[1], "12:00 PM");
  EXPECT_EQ(r.timeColour[1], kPmColour);
  EXPECT_EQ(r.timeText[2], "11:59 PM");
  EXPECT_EQ(r.timeText[3], "12:00 AM");
  EXPECT_EQ(r.timeColour[3], kAmColour);
}

}  // namespace
}  // namespace zv
