#include "data/ownzone.h"

#include <QCoreApplication>
#include <QTimeZone>

#include "data/numtext.h"
#include "data/yearrule.h"

namespace zv {

namespace {

constexpr int kMinutesPerHour = 60;

int Minutes(const QString& hoursText) { return RoundHalfEven(NumberInText(hoursText) * kMinutesPerHour); }

}  // namespace

std::optional<ZoneTexts> ComputerZoneTexts(const QTimeZone& zone, const QDateTime& at) {
  if (!zone.isValid() || !at.isValid()) return std::nullopt;
  const int offset = zone.offsetFromUtc(at);
  const auto year = SampleYear(zone, at.toUTC().date().year());
  if (!year) return std::nullopt;
  // A zone that changed its normal time during the year may stand below the
  // year's lowest sample; its offset then is all normal time.
  const int normal = std::min(year->lowSeconds, offset);
  return ZoneTexts{HoursText(normal), HoursText(offset - normal)};
}

bool MatchesComputer(const QString& offsetText, const QString& dstText, const ZoneTexts& computer) {
  return Minutes(offsetText) == Minutes(computer.offset) && Minutes(dstText) == Minutes(computer.dstHours);
}

ZoneTexts StartUpZoneTexts(const std::optional<ZoneTexts>& saved, const QDateTime& savedAt,
                           const QTimeZone& zone, const QDateTime& now) {
  const auto current = ComputerZoneTexts(zone, now);
  if (!saved) return current.value_or(ZoneTexts{HoursText(now.offsetFromUtc()), QStringLiteral("0")});
  if (!current) return *saved;
  const auto then = ComputerZoneTexts(zone, savedAt);
  if (then && MatchesComputer(saved->offset, saved->dstHours, *then)) return *current;
  return *saved;
}

QString UnknownZoneText(const ZoneTexts& guess) {
  return QCoreApplication::translate(
             "zv::ClockWindow",
             "This computer's time zone could not be read, so the settings take the offset of its clock: "
             "%1 hours from GMT, without daylight saving time. If that is wrong, correct it in File, "
             "Settings; the settings are saved for the next start only when changed.")
      .arg(guess.offset);
}

std::optional<ZoneTexts> FollowComputerZone(const QString& offsetText, const QString& dstText,
                                            const QTimeZone& zone, const QDateTime& before,
                                            const QDateTime& now) {
  const auto then = ComputerZoneTexts(zone, before);
  const auto current = ComputerZoneTexts(zone, now);
  if (!then || !current || !MatchesComputer(offsetText, dstText, *then)) return std::nullopt;
  if (MatchesComputer(offsetText, dstText, *current)) return std::nullopt;
  return current;
}

}  // namespace zv
