#pragma once
// The sun line search shared by "Show Day/Night" and "Plot Sunrise/Sunset":
// row by row from south to north, the longitude where the sun rises (or
// sets) at the GMT time on the GMT date.

#include <QDate>
#include <QString>
#include <functional>
#include <optional>

namespace zv {

enum class SunPass { Sunrise, Sunset };

struct SunLineHit {
  SunPass pass = SunPass::Sunrise;
  int lat = 0;          // degrees, the row
  double lon = 0;       // degrees
  double x = 0, y = 0;  // twips on the map, by the picture's projection
  // Whether the hit continues the line of the row before: that row had a
  // hit, no more than kSunLineJoinTwips away across the map.
  bool joined = false;
};

inline constexpr double kSunLineJoinTwips = 1000;

// The rows of both passes of one command searched so far.
struct SunLineState {
  int rowCount = 0;
};

struct SunLineResult {
  bool ok = true;
  bool cancelled = false;
  QString failure;  // "number. description" when !ok
};

inline constexpr int kSunLineRows = 91;  // latitudes -90, -88, ..., 90

using SunLineHitFn = std::function<void(const SunLineHit&)>;
using SunLineRowFn = std::function<bool(int rowCount)>;

// Reads the GMT time text (Shared().gmtTimeText) as minutes since midnight and
// rewrites it in "H:MM" form; nullopt, with the text left as it was, when it
// is no time of day.
[[nodiscard]] std::optional<int> TakeGmtMinutes();

// The failure of a search whose GMT time text is no time of day.
QString SunLineTypeMismatch();

// Runs one pass. onHit is called for every hit, onRow after every row with
// the row counter; onRow returning false cancels the pass.
SunLineResult RunSunLinePass(SunPass pass, int gmtMinutes, QDate date, SunLineState& state,
                             const SunLineHitFn& onHit, const SunLineRowFn& onRow);

// Both passes of one command, sunrise then sunset, against the GMT time text
// read once at the start: a clock tick that rewrites the text while the
// search runs changes neither pass. A text that is no time of day ends the
// search with a failure before anything is reported.
[[nodiscard]] SunLineResult RunSunLinePasses(QDate date, SunLineState& state, const SunLineHitFn& onHit,
                                             const SunLineRowFn& onRow);

}  // namespace zv
