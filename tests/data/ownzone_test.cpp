// The own-zone settings from the computer's time zone: its normal offset and
// shift at a moment, the settings at start-up with and without tzone.txt, and
// matched settings following a change of shift while the program runs.

#include "data/ownzone.h"

#include <gtest/gtest.h>

#include <QTimeZone>

namespace zv {
namespace {

// A zone by id; "" for a computer whose zone is not known.
QTimeZone Zone(const char* id) { return *id ? QTimeZone(QByteArray(id)) : QTimeZone(); }

QDateTime Utc(int y, int m, int d, int h = 12, int min = 0) {
  return QDateTime(QDate(y, m, d), QTime(h, min), QTimeZone::utc());
}

struct ComputerRow {
  const char* zone;
  QDateTime at;
  const char* offset;  // nullptr: not known
  const char* dst;
};

// Clocks go forward at 01:00 GMT on 28 March 2027.
// Irish winter time is a negative shift in the tz database; counted as
// the country table counts it, GMT is normal and summer the shift.
// clang-format off
const ComputerRow kComputer[] = {
    {"Europe/Berlin", Utc(2027, 1, 15), "1", "0"}, {"Europe/Berlin", Utc(2027, 7, 15), "1", "1"},
    {"Europe/Berlin", Utc(2027, 3, 28, 0, 59), "1", "0"}, {"Europe/Berlin", Utc(2027, 3, 28, 1, 0), "1", "1"},
    {"Asia/Kolkata", Utc(2027, 7, 1), "5.5", "0"}, {"Asia/Kathmandu", Utc(2027, 7, 1), "5.75", "0"},
    {"America/St_Johns", Utc(2027, 7, 1), "-3.5", "1"}, {"Australia/Sydney", Utc(2027, 7, 1), "10", "0"},
    {"Australia/Sydney", Utc(2027, 1, 15), "10", "1"}, {"Europe/Dublin", Utc(2027, 1, 15), "0", "0"},
    {"Europe/Dublin", Utc(2027, 7, 15), "0", "1"}, {"", Utc(2027, 7, 1), nullptr, nullptr}};
// clang-format on

TEST(ComputerZone, NormalOffsetAndShiftInForce) {
  for (const ComputerRow& r : kComputer) {
    SCOPED_TRACE(std::string(r.zone) + " " + r.at.toString(Qt::ISODate).toStdString());
    const auto z = ComputerZoneTexts(Zone(r.zone), r.at);
    ASSERT_EQ(z.has_value(), r.offset != nullptr);
    if (!z) continue;
    EXPECT_EQ(z->offset, QString::fromLatin1(r.offset));
    EXPECT_EQ(z->dstHours, QString::fromLatin1(r.dst));
  }
}

struct StartRow {
  const char* what;
  const char* zone;
  std::optional<ZoneTexts> saved;
  QDateTime savedAt;
  QDateTime now;
  ZoneTexts expected;
};

const QDateTime kJanuary = Utc(2027, 1, 15), kJuly = Utc(2027, 7, 15);

// clang-format off
const StartRow kStarts[] = {
    {"first start in Berlin in July", "Europe/Berlin", std::nullopt, {}, kJuly, {"1", "1"}},
    {"first start in Berlin in January", "Europe/Berlin", std::nullopt, {}, kJanuary, {"1", "0"}},
    {"first start, zone unknown", "", std::nullopt, {}, kJuly, {"3", ""}},
    {"saved in winter as the computer's: summer now", "Europe/Berlin", ZoneTexts{"1", "0"}, kJanuary, kJuly, {"1", "1"}},
    {"saved in summer as the computer's: winter now", "Europe/Berlin", ZoneTexts{"1", "1"}, kJuly, kJanuary, {"1", "0"}},
    {"saved in winter with a shift the computer had not: kept", "Europe/Berlin", ZoneTexts{"1", "1"}, kJanuary, kJuly, {"1", "1"}},
    {"saved another offset: kept", "Europe/Berlin", ZoneTexts{"2", "0"}, kJanuary, kJuly, {"2", "0"}},
    {"computer at +5:30, saved offset 3: kept", "Asia/Kolkata", ZoneTexts{"3", "0"}, kJanuary, kJuly, {"3", "0"}},
    {"saved letters: kept", "Europe/Berlin", ZoneTexts{"abc", "0"}, kJanuary, kJuly, {"abc", "0"}},
    {"saved, zone unknown: kept", "", ZoneTexts{"1", "0"}, kJanuary, kJuly, {"1", "0"}},
    {"saved, time of saving unknown: kept", "Europe/Berlin", ZoneTexts{"1", "0"}, {}, kJuly, {"1", "0"}}};
// clang-format on

TEST(OwnZoneAtStartUp, FollowsTheComputerOnlyWhereItMatched) {
  for (const StartRow& r : kStarts) {
    SCOPED_TRACE(r.what);
    const ZoneTexts z = StartUpZoneTexts(r.saved, r.savedAt, Zone(r.zone), r.now);
    EXPECT_EQ(z.offset, r.expected.offset);
    EXPECT_EQ(z.dstHours, r.expected.dstHours);
  }
}

struct FollowRow {
  const char* what;
  const char* zone;
  const char* offset;
  const char* dst;
  QDateTime before, now;
  std::optional<ZoneTexts> expected;
};

// clang-format off
const FollowRow kFollows[] = {
    {"matched, summer time begins", "Europe/Berlin", "1", "0", Utc(2027, 3, 28, 0, 59), Utc(2027, 3, 28, 1, 0), ZoneTexts{"1", "1"}},
    {"matched, summer time ends", "Europe/Berlin", "1", "1", Utc(2027, 10, 31, 0, 59), Utc(2027, 10, 31, 1, 0), ZoneTexts{"1", "0"}},
    {"matched, empty shift field", "Europe/Berlin", "1", "", Utc(2027, 3, 28, 0, 59), Utc(2027, 3, 28, 1, 0), ZoneTexts{"1", "1"}},
    {"matched, no change", "Europe/Berlin", "1", "0", Utc(2027, 3, 28, 0, 58), Utc(2027, 3, 28, 0, 59), std::nullopt},
    {"the user's own shift", "Europe/Berlin", "1", "1", Utc(2027, 3, 28, 0, 59), Utc(2027, 3, 28, 1, 0), std::nullopt},
    {"the user's own offset", "Europe/Berlin", "3", "0", Utc(2027, 3, 28, 0, 59), Utc(2027, 3, 28, 1, 0), std::nullopt},
    {"zone unknown", "", "1", "0", Utc(2027, 3, 28, 0, 59), Utc(2027, 3, 28, 1, 0), std::nullopt}};
// clang-format on

TEST(OwnZoneAtTick, MatchedSettingsFollowTheComputersShift) {
  for (const FollowRow& r : kFollows) {
    SCOPED_TRACE(r.what);
    const auto z = FollowComputerZone(QString::fromLatin1(r.offset), QString::fromLatin1(r.dst), Zone(r.zone),
                                      r.before, r.now);
    ASSERT_EQ(z.has_value(), r.expected.has_value());
    if (!z) continue;
    EXPECT_EQ(z->offset, r.expected->offset);
    EXPECT_EQ(z->dstHours, r.expected->dstHours);
  }
}

}  // namespace
}  // namespace zv
