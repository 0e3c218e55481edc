#pragma once
// The program's own top-level windows that are plain widgets (not a main
// window) present themselves to screen readers as windows. Qt gives a plain
// QWidget the generic client role, which AT-SPI readers announce as "filler".
// A plain frame inside a window, which Qt gives the role AT-SPI readers
// announce as a window ("frame"), presents itself as a panel.

namespace zv {

// Installs the accessibility factory that does it; later calls do nothing.
void PresentWidgetWindowsAsWindows();

}  // namespace zv
