#include "worldmap/sunline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "data/module1.h"
#include "data/timeofday.h"
#include "solar/numberfns.h"
#include "solar/suncalc.h"
#include "worldmap/mapgeometry.h"

namespace zv {
namespace {

struct HitRuleCase {
  SunPass pass;
  double reading;
  const char* gmt;
  bool hit;
};

class HitRuleTest : public ::testing::TestWithParam<HitRuleCase> {};

TEST_P(HitRuleTest, Rule) {
  const HitRuleCase& c = GetParam();
  const int gmt = *ParseTimeOfDay(QLatin1String(c.gmt)) / 60;
  EXPECT_EQ(IsSunLineHit(c.pass, c.reading, gmt), c.hit);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, HitRuleTest,
    ::testing::Values(HitRuleCase{SunPass::Sunrise, 23.55, "0:05", false},  // d = 1430
                      HitRuleCase{SunPass::Sunrise, 0.0, "0:05", true},     // raised to 0:10
                      HitRuleCase{SunPass::Sunrise, 6.14, "6:00", true},    // d = 14
                      HitRuleCase{SunPass::Sunrise, 6.15, "6:00", false},   // d = 15
                      HitRuleCase{SunPass::Sunrise, 5.46, "6:00", true},    // d = -14
                      HitRuleCase{SunPass::Sunrise, 5.45, "6:00", false},   // d = -15
                      HitRuleCase{SunPass::Sunset, 23.59, "23:59", false},  // never 23:59
                      HitRuleCase{SunPass::Sunset, 23.58, "23:59", true},
                      HitRuleCase{SunPass::Sunrise, 23.59, "23:59", true},
                      HitRuleCase{SunPass::Sunset, 0.59, "0:05", true},  // replaced by 0:10
                      HitRuleCase{SunPass::Sunset, 0.59, "0:30", false},
                      HitRuleCase{SunPass::Sunset, 0.6, "0:50", true}));

// At 12:00 GMT the sun rises near 90 W on the equator and sets near 90 E:
// 6 AM and 6 PM local time, give or take the equation of time (up to 4
// degrees) and the 15-minute window (3.75 degrees) that takes the first,
// westmost point of the row. Every row of both passes counts, one hit at
// most per row and pass.
TEST(SunLineTest, AtNoonGmtTheEquatorsHitsLieNearNinetyWestAndEast) {
  ResetShared();
  Shared().gmtTimeText = QStringLiteral("12:00");
  SunLineState state;
  std::vector<SunLineHit> hits;
  std::vector<int> rows;
  const SunLineResult r = RunSunLinePasses(
      state, [&](const SunLineHit& h) { hits.push_back(h); },
      [&](int row) {
        rows.push_back(row);
        return true;
      });
  ASSERT_TRUE(r.ok);
  ASSERT_EQ(rows.size(), 182u);
  for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i], static_cast<int>(i) + 1);
  int equator = 0;
  for (const SunLineHit& h : hits) {
    EXPECT_NEAR(h.x, (h.lon + 180) * kMapW / 360, 1e-9);
    if (h.lat != 0) continue;
    ++equator;
    EXPECT_NEAR(h.lon, h.pass == SunPass::Sunrise ? -90 : 90, 10) << (h.pass == SunPass::Sunrise);
  }
  EXPECT_EQ(equator, 2);
  EXPECT_LE(hits.size(), 182u);
}

TEST(SunLineTest, FirstHitOfEachPassIsADotAndJumpsStartOver) {
  ResetShared();
  Shared().gmtTimeText = QStringLiteral("12:00");
  SunLineState state;
  std::vector<SunLineHit> hits;
  auto onHit = [&](const SunLineHit& h) { hits.push_back(h); };
  RunSunLinePass(SunPass::Sunrise, state, onHit, {});
  ASSERT_FALSE(hits.empty());
  EXPECT_TRUE(hits.front().dot);
  const size_t rise = hits.size();
  RunSunLinePass(SunPass::Sunset, state, onHit, {});
  ASSERT_GT(hits.size(), rise);
  EXPECT_TRUE(hits[rise].dot);
  EXPECT_EQ(hits[rise].hitNumber, 1);
  // The sunset pass starts from the last sunrise x.
  EXPECT_EQ(hits[rise].previousX, hits[rise - 1].x);
  bool sawJoin = false;
  for (size_t i = 1; i < hits.size(); ++i) {
    if (i == rise) continue;
    if (!hits[i].dot) {
      sawJoin = true;
      EXPECT_LE(std::fabs(hits[i].x - hits[i - 1].x), 1000);
      EXPECT_NE(hits[i].x, hits[i - 1].x);
    }
  }
  EXPECT_TRUE(sawJoin);
}

TEST(SunLineTest, TimeTextIsRewrittenInTwentyFourHourForm) {
  ResetShared();
  Shared().gmtTimeText = QStringLiteral("3:45 PM");
  SunLineState state;
  RunSunLinePass(SunPass::Sunrise, state, {}, {});
  EXPECT_EQ(Shared().gmtTimeText, QStringLiteral("15:45"));
  RunSunLinePass(SunPass::Sunset, state, {}, {});
  EXPECT_EQ(Shared().gmtTimeText, QStringLiteral("15:45"));
  Shared().gmtTimeText = QStringLiteral("12:07 AM");
  RunSunLinePass(SunPass::Sunrise, state, {}, {});
  EXPECT_EQ(Shared().gmtTimeText, QStringLiteral("0:07"));
}

TEST(SunLineTest, TextThatIsNoTimeOfDayFailsBeforeAnything) {
  for (const char* bad : {"", "abc", "25:00", "12:61"}) {
    ResetShared();
    Shared().gmtTimeText = QLatin1String(bad);
    SunLineState state;
    int calls = 0;
    const SunLineResult r = RunSunLinePass(
        SunPass::Sunrise, state, [&](const SunLineHit&) { ++calls; },
        [&](int) {
          ++calls;
          return true;
        });
    EXPECT_FALSE(r.ok) << bad;
    EXPECT_EQ(r.failure, QStringLiteral("13. Type mismatch"));
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(state.rowCount, 0);
    EXPECT_EQ(Shared().gmtTimeText, QLatin1String(bad));
  }
}

TEST(SunLineTest, RowCallbackCancels) {
  ResetShared();
  Shared().gmtTimeText = QStringLiteral("6:00");
  SunLineState state;
  const SunLineResult r = RunSunLinePass(SunPass::Sunrise, state, {}, [](int row) { return row < 5; });
  EXPECT_TRUE(r.ok);
  EXPECT_TRUE(r.cancelled);
  EXPECT_EQ(state.rowCount, 5);
}

TEST(SunLineTest, RowsWithoutHitsStillCount) {
  // Sunset readings from 0:00 to 0:59 all show as 0:10, so at 0:40 GMT no
  // point of any row lies within 15 minutes: the sunset pass draws nothing
  // yet counts all 91 rows, after the 91 of the sunrise pass.
  ResetShared();
  Shared().gmtTimeText = QStringLiteral("0:40");
  SunLineState state;
  int riseHits = 0, setHits = 0;
  std::vector<int> rows;
  RunSunLinePass(SunPass::Sunrise, state, [&](const SunLineHit&) { ++riseHits; }, {});
  EXPECT_GT(riseHits, 0);
  RunSunLinePass(
      SunPass::Sunset, state, [&](const SunLineHit&) { ++setHits; },
      [&](int r) {
        rows.push_back(r);
        return true;
      });
  EXPECT_EQ(setHits, 0);
  ASSERT_EQ(rows.size(), 91u);
  EXPECT_EQ(rows.front(), 92);
  EXPECT_EQ(rows.back(), 182);
}

// Both passes of a command use the GMT time read at its start: a tick that
// rewrites the text during the sunrise pass (after the first row, or between
// the passes) changes no hit of either pass, and an unreadable text fails
// before any row.
TEST(SunLinePassesTest, TimeIsReadOnceForBothPasses) {
  const auto hitsOf = [](int tickAtRow) {
    Shared().gmtTimeText = QStringLiteral("6:00 AM");
    std::vector<std::pair<int, int>> hits;
    SunLineState s;
    const SunLineResult r = RunSunLinePasses(
        s, [&](const SunLineHit& h) { hits.emplace_back(h.lat, h.lon); },
        [&](int rows) {
          if (rows == tickAtRow) Shared().gmtTimeText = QStringLiteral("7:30 PM");
          return true;
        });
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(s.rowCount, 2 * kSunLineRows);
    return hits;
  };
  const std::vector<std::pair<int, int>> steady = hitsOf(-1);
  ASSERT_GT(steady.size(), 20u);
  for (int tickAtRow : {1, kSunLineRows}) {
    SCOPED_TRACE(tickAtRow);
    EXPECT_EQ(hitsOf(tickAtRow), steady);
    EXPECT_EQ(Shared().gmtTimeText, "7:30 PM");
  }
  Shared().gmtTimeText = QStringLiteral("later");
  SunLineState s;
  int rows = 0;
  const SunLineResult r = RunSunLinePasses(s, {}, [&](int) { return ++rows, true; });
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.failure, "13. Type mismatch");
  EXPECT_EQ(rows, 0);
  EXPECT_EQ(Shared().gmtTimeText, "later");
}

}  // namespace
}  // namespace zv
