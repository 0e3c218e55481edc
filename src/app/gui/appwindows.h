#pragma once
// The program's three windows and how they find one another. The clock
// window lives from start-up to exit; the other two are loaded on first use
// and discarded when closed.

#include <QString>

namespace zv {

class ClockWindow;
class CountryInfoWindow;
class WorldMapWindow;

// The clock window, or nullptr before start-up.
ClockWindow* TheClock();
// Called by ClockWindow itself: its constructor registers it, its destructor
// clears the entry (when it is still the registered one).
void SetTheClock(ClockWindow* clock);

// The country information window, loaded (hidden) first if it is not.
CountryInfoWindow* CountryInfo();
// The country information window if it is loaded, else nullptr.
CountryInfoWindow* CountryInfoIfLoaded();

// The world map window, loaded (hidden) first if it is not.
WorldMapWindow* WorldMap();
WorldMapWindow* WorldMapIfLoaded();

// Closes and discards the country information and world map windows.
void CloseOtherWindows();

}  // namespace zv
