#pragma once
// Ends the program as its close box does (tzone.txt written from the
// settings panel, then every window closed) when the desktop ends it in
// another way: SIGTERM, SIGINT or SIGHUP (a logout, a kill, Ctrl+C, a closed
// terminal), the session manager's request to save its data, the
// application quitting by any other path, the main window destroyed from
// outside, and the display going away.

namespace zv {

class ClockWindow;

// Installs the guard for the program's clock window, after the window is
// made. A later call (tests) only names another clock window.
void InstallSessionGuard(ClockWindow* clock);

}  // namespace zv
