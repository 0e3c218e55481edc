// The clock window's hot paths as the user meets them: one calculation of
// every entry (highlight file read included), the same with the grid's
// repaint, the timer's minute tick, and start-up to the window shown.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/gui/appwindows.h"
#include "benchapp.h"
#include "clock/gui/clockgrid.h"
#include "clock/gui/clockwindow.h"
#include "data/outsideworld.h"

namespace {

// A data folder with the shipped countries.txt and a short highlight list;
// with saved zone settings the window starts without its settings panel, as
// every run after the first does.
class BenchData {
 public:
  explicit BenchData(bool zoneSaved = false) {
    zv::bench::StartApplication();
    QFile::copy(QStringLiteral(ZORVANE_SOURCE_DIR "/data/countries.txt"), dir_.filePath("countries.txt"));
    QFile h(dir_.filePath("highlight.txt"));
    if (h.open(QIODevice::WriteOnly)) h.write("12\r\n45\r\n101\r\n200\r\n");
    QFile zone(dir_.filePath("tzone.txt"));
    if (zoneSaved && zone.open(QIODevice::WriteOnly)) zone.write(" 1            0 \r\n");
    zv::SetDataFolder(dir_.path());
  }
  ~BenchData() { zv::SetDataFolder(QString()); }

 private:
  QTemporaryDir dir_;
};

void BM_Calculate(benchmark::State& state) {
  BenchData data;
  zv::ClockWindow clock;
  clock.StartUp();
  for (auto _ : state) clock.Calculate();
}
BENCHMARK(BM_Calculate)->Unit(benchmark::kMicrosecond);

void BM_CalculateAndRepaint(benchmark::State& state) {
  BenchData data;
  zv::ClockWindow clock;
  clock.StartUp();
  clock.show();
  QApplication::processEvents();
  for (auto _ : state) {
    clock.Calculate();
    clock.Grid()->repaint();
  }
}
BENCHMARK(BM_CalculateAndRepaint)->Unit(benchmark::kMillisecond);

// A clock that moves one minute on at each reading of "now".
class MinuteSteps : public zv::Clock {
 public:
  QDateTime Now() const override {
    at_ = at_.addSecs(60);
    return at_;
  }

 private:
  mutable QDateTime at_{QDate(2026, 3, 1), QTime(8, 0), Qt::UTC};
};

// What the window does once a minute while the user does nothing: the
// timer's refresh with a new minute, then the repaint of what changed, as
// the event loop paints it.
void BM_MinuteTick(benchmark::State& state) {
  BenchData data(true);
  MinuteSteps clock;
  zv::SetClock(&clock);
  {
    zv::ClockWindow window;
    window.StartUp();
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
      window.Refresh();
      QApplication::processEvents();
    }
  }
  zv::SetClock(nullptr);
}
BENCHMARK(BM_MinuteTick)->Unit(benchmark::kMillisecond);

void BM_StartUpToShown(benchmark::State& state) {
  BenchData data;
  for (auto _ : state) {
    zv::ClockWindow clock;
    clock.StartUp();
    clock.show();
    clock.repaint();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_StartUpToShown)->Unit(benchmark::kMillisecond);

}  // namespace
