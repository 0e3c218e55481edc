#pragma once
// The QApplication of a benchmark program, started by the first benchmark
// that needs it. Benchmarks run in the order they are declared, so those
// declared before the first call measure a process that has not started Qt:
// the plain figure to compare an in-application one with.

namespace zv::bench {

// Starts the application on the first call (the offscreen platform unless
// QT_QPA_PLATFORM asks for another); later calls do nothing.
void StartApplication();

}  // namespace zv::bench
