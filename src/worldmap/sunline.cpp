#include "worldmap/sunline.h"

#include <cmath>
#include <cstdlib>

#include "data/module1.h"
#include "data/timeofday.h"
#include "solar/numberfns.h"
#include "solar/suncalc.h"
#include "solar/vectorstate.h"
#include "worldmap/mapgeometry.h"

namespace zv {

int ReadingMinutes(double reading) {
  // The same minutes as the reading's "H:MM" text: whole hours, then the two
  // decimals rounded as the text rounds them.
  const double h = std::floor(reading);
  return static_cast<int>(h) * 60 + static_cast<int>(std::lround((reading - h) * 100.0));
}

bool IsSunLineHit(SunPass pass, double reading, int gmtMinutes) {
  const double limited = pass == SunPass::Sunrise ? LimitSunrise(reading) : LimitSunset(reading);
  const int t = ReadingMinutes(limited);
  if (std::abs(t - gmtMinutes) >= 15) return false;
  return pass == SunPass::Sunrise || t != 23 * 60 + 59;
}

std::optional<int> TakeGmtMinutes() {
  const std::optional<int> seconds = ParseTimeOfDay(Shared().gmtTimeText);
  if (!seconds) return std::nullopt;
  const int minutes = *seconds / 60;
  Shared().gmtTimeText = Format24(minutes);
  return minutes;
}

QString SunLineTypeMismatch() { return QStringLiteral("13. Type mismatch"); }

SunLineResult RunSunLinePass(SunPass pass, SunLineState& state, const SunLineHitFn& onHit,
                             const SunLineRowFn& onRow) {
  // The GMT time text is rewritten before the first comparison; one that is
  // no time of day makes that comparison fail.
  const std::optional<int> gmtMinutes = TakeGmtMinutes();
  if (!gmtMinutes) return {false, false, SunLineTypeMismatch()};
  return RunSunLinePass(pass, *gmtMinutes, state, onHit, onRow);
}

SunLineResult RunSunLinePasses(SunLineState& state, const SunLineHitFn& onHit, const SunLineRowFn& onRow) {
  const std::optional<int> gmtMinutes = TakeGmtMinutes();
  if (!gmtMinutes) return {false, false, SunLineTypeMismatch()};
  for (SunPass pass : {SunPass::Sunrise, SunPass::Sunset}) {
    const SunLineResult r = RunSunLinePass(pass, *gmtMinutes, state, onHit, onRow);
    if (!r.ok || r.cancelled) return r;
  }
  return {};
}

SunLineResult RunSunLinePass(SunPass pass, int gmtMinutes, SunLineState& state, const SunLineHitFn& onHit,
                             const SunLineRowFn& onRow) {
  state.hitCount = 0;
  SunTimes last;
  bool any = false;
  for (int row = 0; row < kSunLineRows; ++row) {
    ClearUpperVectorState();  // onRow may have run code that left it dirty
    const int lat = -90 + 2 * row;
    for (int lon = -180; lon <= 180; lon += 2) {
      last = ComputeSunTimes(lat, lon, 0);
      any = true;
      if (!IsSunLineHit(pass, pass == SunPass::Sunrise ? last.sunrise : last.sunset, gmtMinutes)) continue;
      ++state.hitCount;
      SunLineHit hit;
      hit.pass = pass;
      hit.lat = lat;
      hit.lon = lon;
      hit.x = SunLineX(lon);
      hit.y = SunLineY(lat);
      hit.hitNumber = state.hitCount;
      hit.previousX = state.previousX;
      hit.dot =
          state.hitCount == 1 || std::fabs(hit.x - state.previousX) > 1000.0 || hit.x == state.previousX;
      if (onHit) onHit(hit);
      state.previousX = hit.x;
      break;
    }
    ++state.rowCount;
    if (onRow && !onRow(state.rowCount)) {
      if (any) {
        Shared().SunriseTime = last.sunrise;
        Shared().SunsetTime = last.sunset;
      }
      return {true, true, {}};
    }
  }
  if (any) {
    Shared().SunriseTime = last.sunrise;
    Shared().SunsetTime = last.sunset;
  }
  return {};
}

}  // namespace zv
