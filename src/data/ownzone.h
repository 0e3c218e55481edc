#pragma once
// The user's own-zone settings taken from the computer's time zone: its
// normal offset (the lowest of the year, as the country table counts it) and
// the daylight-saving shift in force. Settings that match the computer's
// zone follow it when its shift changes; settings that differ are the user's
// choice and stay.

#include <QDateTime>
#include <QString>
#include <optional>

#include "data/tzonefile.h"

class QTimeZone;

namespace zv {

// The computer's offset and shift at a moment, in the fields' text form
// ("1" and "0", "5.5" and "0"); nothing when the zone is not known.
std::optional<ZoneTexts> ComputerZoneTexts(const QTimeZone& zone, const QDateTime& at);

// Whether the two field texts, taken as numbers, are the computer's.
bool MatchesComputer(const QString& offsetText, const QString& dstText, const ZoneTexts& computer);

// The fields at start-up. saved: what tzone.txt holds, nothing when there is
// no file; savedAt: when it was last written. Without a file the computer's
// zone now; with one, the computer's zone now when the saved settings were
// the computer's at savedAt, else the saved settings. An unknown zone leaves
// the saved settings; without a file it gives the offset of the computer's
// clock itself (now's own offset from GMT) and no shift, a guess that
// UnknownZoneText tells and that is not saved unless the user changes it.
ZoneTexts StartUpZoneTexts(const std::optional<ZoneTexts>& saved, const QDateTime& savedAt,
                           const QTimeZone& zone, const QDateTime& now);

// The start-up message for a computer whose zone cannot be read, with the
// settings guessed.
QString UnknownZoneText(const ZoneTexts& guess);

// At a tick: the computer's zone now, when the fields were the computer's at
// the last check (before) and the computer's zone has changed since; nothing
// when the fields stay.
std::optional<ZoneTexts> FollowComputerZone(const QString& offsetText, const QString& dstText,
                                            const QTimeZone& zone, const QDateTime& before,
                                            const QDateTime& now);

}  // namespace zv
