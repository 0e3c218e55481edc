#pragma once
// The QApplication of a benchmark program, started by the first benchmark
// that needs it. Benchmarks run in the order they are declared, so those
// declared before the first call measure a process that has not started Qt:
// the plain figure to compare an in-application one with.

namespace zv::bench {

// Starts the application on the first call (the offscreen platform unless
// QT_QPA_PLATFORM asks for another); later calls do nothing.
void StartApplication();

// Returns once the display has carried out every request sent to it so far
// (on X11 a round trip to the server; elsewhere at once): a benchmark that
// ends with a repaint calls it so that its wall time includes the server's
// copy of the last picture, as the user waits for it.
void WaitForDisplay();

}  // namespace zv::bench
