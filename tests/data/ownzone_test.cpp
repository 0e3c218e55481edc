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

// The offset and the shift as "offset/shift", "-" for none.
std::string Text(const std::optional<ZoneTexts>& z) {
  return z ? (z->offset + u'/' + z->dstHours).toStdString() : "-";
}

// Clocks go forward at 01:00 GMT on 28 March 2027. Irish winter time is a
// negative shift in the tz database; counted as the country table counts it,
// GMT is normal and summer the shift.
TEST(OwnZone, TheComputersNormalOffsetAndShiftInForce) {
  // clang-format off
  const struct { const char* zone; QDateTime at; const char* texts; } rows[] = {
      {"Europe/Berlin", Utc(2027, 1, 15), "1/0"}, {"Europe/Berlin", Utc(2027, 7, 15), "1/1"},
      {"Europe/Berlin", Utc(2027, 3, 28, 0, 59), "1/0"}, {"Europe/Berlin", Utc(2027, 3, 28, 1, 0), "1/1"},
      {"Asia/Kolkata", Utc(2027, 7, 1), "5.5/0"}, {"Asia/Kathmandu", Utc(2027, 7, 1), "5.75/0"},
      {"America/St_Johns", Utc(2027, 7, 1), "-3.5/1"}, {"Australia/Sydney", Utc(2027, 7, 1), "10/0"},
      {"Australia/Sydney", Utc(2027, 1, 15), "10/1"}, {"Europe/Dublin", Utc(2027, 1, 15), "0/0"},
      {"Europe/Dublin", Utc(2027, 7, 15), "0/1"}, {"", Utc(2027, 7, 1), "-"}};
  // clang-format on
  for (const auto& r : rows) EXPECT_EQ(Text(ComputerZoneTexts(Zone(r.zone), r.at)), r.texts) << r.zone;
}

TEST(OwnZone, AtStartUpFollowsTheComputerOnlyWhereItMatched) {
  const QDateTime jan = Utc(2027, 1, 15), jul = Utc(2027, 7, 15);
  const std::optional<ZoneTexts> none;
  // clang-format off
  const struct { const char* what; const char* zone; std::optional<ZoneTexts> saved; QDateTime savedAt, now; const char* texts; } rows[] = {
      {"first start in July", "Europe/Berlin", none, {}, jul, "1/1"},
      {"first start in January", "Europe/Berlin", none, {}, jan, "1/0"},
      {"first start, zone unknown", "", none, {}, jul, "3/"},
      {"saved in winter as the computer's: summer now", "Europe/Berlin", ZoneTexts{"1", "0"}, jan, jul, "1/1"},
      {"saved in summer as the computer's: winter now", "Europe/Berlin", ZoneTexts{"1", "1"}, jul, jan, "1/0"},
      {"saved in winter with a shift the computer had not", "Europe/Berlin", ZoneTexts{"1", "1"}, jan, jul, "1/1"},
      {"saved another offset", "Europe/Berlin", ZoneTexts{"2", "0"}, jan, jul, "2/0"},
      {"computer at +5:30, saved offset 3", "Asia/Kolkata", ZoneTexts{"3", "0"}, jan, jul, "3/0"},
      {"saved letters", "Europe/Berlin", ZoneTexts{"abc", "0"}, jan, jul, "abc/0"},
      {"saved, zone unknown", "", ZoneTexts{"1", "0"}, jan, jul, "1/0"},
      {"saved, time of saving unknown", "Europe/Berlin", ZoneTexts{"1", "0"}, {}, jul, "1/0"}};
  // clang-format on
  for (const auto& r : rows)
    EXPECT_EQ(Text(StartUpZoneTexts(r.saved, r.savedAt, Zone(r.zone), r.now)), r.texts) << r.what;
}

TEST(OwnZone, MatchedSettingsFollowTheComputersShiftWhileRunning) {
  const QDateTime before = Utc(2027, 3, 28, 0, 59), now = Utc(2027, 3, 28, 1, 0);
  // clang-format off
  const struct { const char* what; const char* zone; const char* offset; const char* dst; QDateTime before, now; const char* texts; } rows[] = {
      {"matched, summer time begins", "Europe/Berlin", "1", "0", before, now, "1/1"},
      {"matched, summer time ends", "Europe/Berlin", "1", "1", Utc(2027, 10, 31, 0, 59), Utc(2027, 10, 31, 1, 0), "1/0"},
      {"matched, empty shift field", "Europe/Berlin", "1", "", before, now, "1/1"},
      {"matched, no change", "Europe/Berlin", "1", "0", Utc(2027, 3, 28, 0, 58), before, "-"},
      {"the user's own shift", "Europe/Berlin", "1", "1", before, now, "-"},
      {"the user's own offset", "Europe/Berlin", "3", "0", before, now, "-"},
      {"zone unknown", "", "1", "0", before, now, "-"}};
  // clang-format on
  for (const auto& r : rows)
    EXPECT_EQ(Text(FollowComputerZone(r.offset, r.dst, Zone(r.zone), r.before, r.now)), r.texts) << r.what;
}

}  // namespace
}  // namespace zv
