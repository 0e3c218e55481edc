// The sun calculator, the sun line search, the night shade and whole "Show
// Day/Night" and "Plot Sunrise/Sunset" runs. The calculator, the search and
// the shade run twice: first in a process that has not started Qt, then
// inside a started application, where a dirty vector state would slow them
// (solar/vectorstate.h).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>

#include "benchapp.h"
#include "data/outsideworld.h"
#include "data/sharedstate.h"
#include "solar/suncalc.h"
#include "solar/vectorstate.h"
#include "worldmap/gui/worldmapwindow.h"
#include "worldmap/nightshade.h"
#include "worldmap/sunline.h"

namespace {

void BM_ComputeSunTimes(benchmark::State& state) {
  double lat = -60;
  const QDate date(2027, 6, 21);
  for (auto _ : state) {
    benchmark::DoNotOptimize(zv::ComputeSunTimes(lat, 73.06, date));
    lat = lat > 60 ? -60 : lat + 0.37;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ComputeSunTimes);

// The date and GMT time of the search, and of the whole runs measured
// against it: the cost of a search depends on both.
const QDate kSearchDate(2027, 6, 21);
const char* const kSearchTime = "12:00";

// Both passes of the sun line search at a time that finds a point in most
// rows.
void BM_SunLineSearch(benchmark::State& state) {
  int hits = 0;
  for (auto _ : state) {
    zv::Shared().gmtTimeText = QString::fromLatin1(kSearchTime);
    zv::SunLineState s;
    (void)zv::RunSunLinePasses(
        kSearchDate, s, [&](const zv::SunLineHit&) { ++hits; }, [](int) { return true; });
  }
  benchmark::DoNotOptimize(hits);
}
// Before the application starts the process has this one thread, so its CPU
// time is the process's, as the whole runs measured against it report.
BENCHMARK(BM_SunLineSearch)->Unit(benchmark::kMillisecond);

// The night shade of the 1440 x 640 picture for screens of twice the
// density, into the window's picture format; it must stay within 5 ms.
void BM_NightShade1440x640(benchmark::State& state) {
  QImage shade(1440, 640, QImage::Format_ARGB32_Premultiplied);
  const std::array<std::uint32_t, zv::kSkyLights> colours = {0, 0x10000020, 0x20000040, 0x30000060,
                                                             0x40000080};
  QDateTime at(QDate(2027, 6, 21), QTime(6, 0), Qt::UTC);
  for (auto _ : state) {
    zv::ShadeMap(at, shade.width(), shade.height(), colours, reinterpret_cast<std::uint32_t*>(shade.bits()),
                 shade.bytesPerLine() / 4);
    benchmark::ClobberMemory();
    at = at.addSecs(60);
  }
}
BENCHMARK(BM_NightShade1440x640)->Unit(benchmark::kMillisecond);

// Inside a started application from here on.

// The calculator in a loop that does not clear the vector state first: what
// the program's hot loops would pay without clearing it.
void BM_ComputeSunTimesInAppUncleared(benchmark::State& state) {
  zv::bench::StartApplication();
  BM_ComputeSunTimes(state);
}
BENCHMARK(BM_ComputeSunTimesInAppUncleared);

// The calculator in a loop that clears the state at its entry, as the
// program's hot loops do: within a few per cent of BM_ComputeSunTimes.
void BM_ComputeSunTimesInApp(benchmark::State& state) {
  zv::bench::StartApplication();
  zv::ClearUpperVectorState();
  BM_ComputeSunTimes(state);
}
BENCHMARK(BM_ComputeSunTimesInApp);

// The search as the program runs it: close to BM_SunLineSearch.
void BM_SunLineSearchInApp(benchmark::State& state) {
  zv::bench::StartApplication();
  BM_SunLineSearch(state);
}
BENCHMARK(BM_SunLineSearchInApp)->Unit(benchmark::kMillisecond);

// The shade as the window draws it: close to BM_NightShade1440x640.
void BM_NightShade1440x640InApp(benchmark::State& state) {
  zv::bench::StartApplication();
  BM_NightShade1440x640(state);
}
BENCHMARK(BM_NightShade1440x640InApp)->Unit(benchmark::kMillisecond);

// The search's date, at noon GMT, as the window's clock.
class SearchDay : public zv::Clock {
 public:
  SearchDay() { zv::SetClock(this); }
  ~SearchDay() override { zv::SetClock(nullptr); }
  QDateTime Now() const override { return QDateTime(kSearchDate, QTime(12, 0), Qt::UTC); }
};

// A whole "Show Day/Night" run as the user sees it, on the search's day and
// time: the search, the strokes and the repaints of the run, its last
// picture included. The map cleared between runs, and its repaint, are left
// out. CPU time is the process's (Qt's X11 event thread included), and the
// wall time runs until the display has drawn the last picture: what a click
// costs.
void BM_ShowDayNightRun(benchmark::State& state) {
  zv::bench::StartApplication();
  QTemporaryDir dir;
  zv::SetDataFolder(dir.path());
  SearchDay day;
  zv::WorldMapWindow map;
  map.show();
  QApplication::processEvents();
  for (auto _ : state) {
    zv::Shared().gmtTimeText = QString::fromLatin1(kSearchTime);
    map.ShowDayNight();
    QApplication::processEvents();
    zv::bench::WaitForDisplay();
    state.PauseTiming();
    map.ClearMap();
    QApplication::processEvents();
    // The screen settles before the next click, as it does between a
    // user's clicks: the X server has drawn the cleared map and said so.
    zv::bench::WaitForDisplay();
    QApplication::processEvents();
    state.ResumeTiming();
  }
  zv::SetDataFolder(QString());
}
BENCHMARK(BM_ShowDayNightRun)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// A whole "Plot Sunrise/Sunset" run at the same time: both lines and the tag.
void BM_PlotRun(benchmark::State& state) {
  zv::bench::StartApplication();
  QTemporaryDir dir;
  zv::SetDataFolder(dir.path());
  SearchDay day;
  zv::WorldMapWindow map;
  map.show();
  QApplication::processEvents();
  map.GmtBox()->setText(QString::fromLatin1(kSearchTime));
  for (auto _ : state) {
    map.PlotSunriseSunset();
    QApplication::processEvents();
    zv::bench::WaitForDisplay();
    state.PauseTiming();
    map.ClearMap();
    QApplication::processEvents();
    // The screen settles before the next click, as it does between a
    // user's clicks: the X server has drawn the cleared map and said so.
    zv::bench::WaitForDisplay();
    QApplication::processEvents();
    state.ResumeTiming();
  }
  zv::SetDataFolder(QString());
}
BENCHMARK(BM_PlotRun)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

}  // namespace
