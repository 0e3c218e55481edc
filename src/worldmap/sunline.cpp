#include "worldmap/sunline.h"

#include <cmath>

#include "data/sharedstate.h"
#include "data/timeofday.h"
#include "solar/suncalc.h"
#include "solar/vectorstate.h"
#include "worldmap/mapgeometry.h"

namespace zv {
namespace {

double Wrap180(double degrees) { return degrees - 360.0 * std::floor((degrees + 180.0) / 360.0); }
double Wrap12(double hours) { return hours - 24.0 * std::floor((hours + 12.0) / 24.0); }

// The longitude in a row where the pass's event falls at gmtMinutes on the
// date, to well within a minute; none where the sun does not rise (or set)
// in that row that day.
std::optional<double> SunLineCrossing(SunPass pass, int lat, int gmtMinutes, QDate date) {
  // The event comes 4 minutes earlier for each degree east: start where that
  // alone puts it, then move by what is left over until it falls on the time.
  // An event found on the day before or after is worked out again for the
  // solar day that puts it on the date, where the Sun stands at that moment.
  const double gmtHours = gmtMinutes / 60.0;
  double lon = 0;
  QDate day = date;
  for (int i = 0; i < 8; ++i) {
    const SunTimes times = ComputeSunTimes(lat, lon, day);
    const SunEvent& event = pass == SunPass::Sunrise ? times.sunrise : times.sunset;
    if (!event.occurs()) return std::nullopt;
    const double early = Wrap12(event.hours - gmtHours);
    if (i > 0 && std::fabs(early) < 0.1 / 60) {
      // Once moved, a time just across midnight stays on the day it moved to.
      if (event.dayOffset == 0 || day != date) return lon;
      day = day.addDays(-event.dayOffset);
      continue;
    }
    lon = Wrap180(lon + 15.0 * early);
  }
  return std::nullopt;
}

}  // namespace

std::optional<int> TakeGmtMinutes() {
  const std::optional<int> seconds = ParseTimeOfDay(Shared().gmtTimeText);
  if (!seconds) return std::nullopt;
  const int minutes = *seconds / 60;
  Shared().gmtTimeText = Format24(minutes);
  return minutes;
}

QString SunLineTypeMismatch() { return QStringLiteral("13. Type mismatch"); }

SunLineResult RunSunLinePasses(QDate date, SunLineState& state, const SunLineHitFn& onHit,
                               const SunLineRowFn& onRow) {
  const std::optional<int> gmtMinutes = TakeGmtMinutes();
  if (!gmtMinutes) return {false, false, SunLineTypeMismatch()};
  for (SunPass pass : {SunPass::Sunrise, SunPass::Sunset}) {
    const SunLineResult r = RunSunLinePass(pass, *gmtMinutes, date, state, onHit, onRow);
    if (!r.ok || r.cancelled) return r;
  }
  return {};
}

SunLineResult RunSunLinePass(SunPass pass, int gmtMinutes, QDate date, SunLineState& state,
                             const SunLineHitFn& onHit, const SunLineRowFn& onRow) {
  std::optional<double> previousX;  // of the row before, if it had a hit
  for (int row = 0; row < kSunLineRows; ++row) {
    ClearUpperVectorState();  // onRow may have run code that left it dirty
    const int lat = -90 + 2 * row;
    const std::optional<double> lon = SunLineCrossing(pass, lat, gmtMinutes, date);
    if (lon) {
      SunLineHit hit;
      hit.pass = pass;
      hit.lat = lat;
      hit.lon = *lon;
      hit.x = LonToX(*lon);
      hit.y = LatToY(lat);
      hit.joined = previousX && std::fabs(hit.x - *previousX) <= kSunLineJoinTwips;
      if (onHit) onHit(hit);
      previousX = hit.x;
    } else {
      previousX.reset();
    }
    ++state.rowCount;
    if (onRow && !onRow(state.rowCount)) return {true, true, {}};
  }
  return {};
}

}  // namespace zv
