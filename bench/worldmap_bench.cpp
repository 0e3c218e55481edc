// The sun calculator, the sun line search and whole "Show Day/Night" and
// "Plot Sunrise/Sunset" runs. The calculator and the search run twice: first
// in a process that has not started Qt, then inside a started application,
// where a dirty vector state would slow them (solar/vectorstate.h).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>

#include "benchapp.h"
#include "data/module1.h"
#include "data/seams.h"
#include "solar/suncalc.h"
#include "solar/vectorstate.h"
#include "worldmap/gui/worldmapwindow.h"
#include "worldmap/sunline.h"

namespace {

void BM_CalcSunTimes(benchmark::State& state) {
  double lat = -60;
  for (auto _ : state) {
    zv::CalcSunTimes(lat, 73.06, 0);
    benchmark::DoNotOptimize(zv::Shared().SunriseTime);
    lat = lat > 60 ? -60 : lat + 0.37;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CalcSunTimes);

// The same calculation without storing its results in the shared values.
void BM_ComputeSunTimes(benchmark::State& state) {
  double lat = -60;
  for (auto _ : state) {
    benchmark::DoNotOptimize(zv::ComputeSunTimes(lat, 73.06, 0));
    lat = lat > 60 ? -60 : lat + 0.37;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ComputeSunTimes);

// Both passes at a GMT time that hits on most rows: a typical search.
void BM_SunLineSearchTypical(benchmark::State& state) {
  int hits = 0;
  for (auto _ : state) {
    zv::Shared().gmtTimeText = QStringLiteral("12:00");
    zv::SunLineState s;
    for (zv::SunPass pass : {zv::SunPass::Sunrise, zv::SunPass::Sunset})
      zv::RunSunLinePass(
          pass, s, [&](const zv::SunLineHit&) { ++hits; }, [](int) { return true; });
  }
  benchmark::DoNotOptimize(hits);
}
BENCHMARK(BM_SunLineSearchTypical)->Unit(benchmark::kMillisecond);

// The work of both passes when no row hits: every one of the 91 x 181 grid
// points calculated twice, with the hit test that rejects it.
void BM_SunLineSearchNoHits(benchmark::State& state) {
  int hits = 0;
  for (auto _ : state) {
    for (zv::SunPass pass : {zv::SunPass::Sunrise, zv::SunPass::Sunset})
      for (int lat = -90; lat <= 90; lat += 2)
        for (int lon = -180; lon <= 180; lon += 2) {
          zv::CalcSunTimes(lat, lon, 0);
          const double r = pass == zv::SunPass::Sunrise ? zv::Shared().SunriseTime.value_or(0)
                                                        : zv::Shared().SunsetTime.value_or(0);
          // A GMT time no reading can come within 15 minutes of.
          if (zv::IsSunLineHit(pass, r, -1000)) ++hits;
        }
  }
  benchmark::DoNotOptimize(hits);
}
BENCHMARK(BM_SunLineSearchNoHits)->Unit(benchmark::kMillisecond);

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

// The search as the program runs it: close to BM_SunLineSearchTypical.
void BM_SunLineSearchTypicalInApp(benchmark::State& state) {
  zv::bench::StartApplication();
  BM_SunLineSearchTypical(state);
}
BENCHMARK(BM_SunLineSearchTypicalInApp)->Unit(benchmark::kMillisecond);

void BM_ShowDayNightRun(benchmark::State& state) {
  zv::bench::StartApplication();
  QTemporaryDir dir;
  zv::SetDataFolder(dir.path());
  zv::WorldMapWindow map;
  map.show();
  QApplication::processEvents();
  for (auto _ : state) {
    zv::Shared().gmtTimeText = QStringLiteral("6:00 AM");
    map.ShowDayNight();
    state.PauseTiming();
    map.ClearMap();
    state.ResumeTiming();
  }
  zv::SetDataFolder(QString());
}
BENCHMARK(BM_ShowDayNightRun)->Unit(benchmark::kMillisecond);

// A whole "Plot Sunrise/Sunset" run at the same time: both lines and the tag.
void BM_PlotRun(benchmark::State& state) {
  zv::bench::StartApplication();
  QTemporaryDir dir;
  zv::SetDataFolder(dir.path());
  zv::WorldMapWindow map;
  map.show();
  QApplication::processEvents();
  map.Text1()->setText(QStringLiteral("6:00 AM"));
  for (auto _ : state) {
    map.PlotSunriseSunset();
    state.PauseTiming();
    map.ClearMap();
    state.ResumeTiming();
  }
  zv::SetDataFolder(QString());
}
BENCHMARK(BM_PlotRun)->Unit(benchmark::kMillisecond);

}  // namespace
