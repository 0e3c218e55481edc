#pragma once
// The sun line search shared by "Show Day/Night" and "Plot Sunrise/Sunset":
// row by row from south to north, the first grid point whose sunrise (or
// sunset) lies within 15 minutes of the GMT time text.

#include <QString>
#include <functional>
#include <optional>

namespace zv {

enum class SunPass { Sunrise, Sunset };

struct SunLineHit {
  SunPass pass = SunPass::Sunrise;
  int lat = 0, lon = 0;  // degrees
  double x = 0, y = 0;   // twips on the map
  int hitNumber = 0;     // 1 for the first hit of the pass
  bool dot = false;      // starts again with a dot rather than a stroke/line
  double previousX = 0;  // x of the hit before (0 before the first)
};

// Counters carried across the two passes of one command.
struct SunLineState {
  int hitCount = 0;      // reset at the start of each pass
  double previousX = 0;  // kept across both passes
  int rowCount = 0;      // rows of both passes
};

struct SunLineResult {
  bool ok = true;
  bool cancelled = false;
  QString failure;  // "number. description" when !ok
};

inline constexpr int kSunLineRows = 91;

using SunLineHitFn = std::function<void(const SunLineHit&)>;
using SunLineRowFn = std::function<bool(int rowCount)>;

// Reads the GMT time text (Shared().gmtTimeText) as minutes since midnight and
// rewrites it in "H:MM" form; nullopt, with the text left as it was, when it
// is no time of day.
[[nodiscard]] std::optional<int> TakeGmtMinutes();

// The failure of a search whose GMT time text is no time of day.
QString SunLineTypeMismatch();

// Runs one pass against the GMT time gmtMinutes. onHit is called for every
// hit, onRow after every row with the row counter; onRow returning false
// cancels the pass.
SunLineResult RunSunLinePass(SunPass pass, int gmtMinutes, SunLineState& state, const SunLineHitFn& onHit,
                             const SunLineRowFn& onRow);

// The same against the GMT time text, read (and rewritten) at the start of
// the pass; a text that is no time of day ends the pass with a failure before
// anything is reported.
SunLineResult RunSunLinePass(SunPass pass, SunLineState& state, const SunLineHitFn& onHit,
                             const SunLineRowFn& onRow);

// Both passes of one command, sunrise then sunset, against the GMT time text
// read once at the start: a clock tick that rewrites the text while the
// search runs changes neither pass.
[[nodiscard]] SunLineResult RunSunLinePasses(SunLineState& state, const SunLineHitFn& onHit,
                                             const SunLineRowFn& onRow);

// Minutes since midnight of a coded reading, as its "H:MM" text shows them.
int ReadingMinutes(double reading);

// Whether a grid point's reading (before the pass's lower limit) is a hit
// against the GMT time: within 15 minutes either way, with no wrap at
// midnight, and in the sunset pass never 23:59.
bool IsSunLineHit(SunPass pass, double reading, int gmtMinutes);

}  // namespace zv
