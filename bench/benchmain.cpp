// The main of every benchmark program: the benchmarks, with a QApplication
// started by the first one that needs it (bench/benchapp.h).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#ifdef ZORVANE_BENCH_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <cstdlib>
#endif

#include "benchapp.h"

namespace {

int g_argc = 0;
char** g_argv = nullptr;
std::unique_ptr<QApplication> g_app;

}  // namespace

void zv::bench::StartApplication() {
  if (g_app) return;
  if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
  g_app = std::make_unique<QApplication>(g_argc, g_argv);
}

void zv::bench::WaitForDisplay() {
#if defined(ZORVANE_BENCH_XCB) && QT_CONFIG(xcb)
  auto* x11 = g_app ? g_app->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (!x11) return;
  xcb_connection_t* connection = x11->connection();
  std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
#endif
}

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  g_argc = argc;
  g_argv = argv;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  g_app.reset();
  return 0;
}
