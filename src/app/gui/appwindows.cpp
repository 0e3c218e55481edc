#include "app/gui/appwindows.h"

#include <QPointer>

#include "clock/gui/clockwindow.h"
#include "countryinfo/gui/countryinfowindow.h"
#include "worldmap/gui/worldmapwindow.h"

namespace zv {

namespace {
ClockWindow* g_clock = nullptr;
QPointer<CountryInfoWindow> g_info;
QPointer<WorldMapWindow> g_map;
}  // namespace

ClockWindow* TheClock() { return g_clock; }
void SetTheClock(ClockWindow* clock) { g_clock = clock; }

CountryInfoWindow* CountryInfo() {
  if (!g_info) g_info = new CountryInfoWindow();
  return g_info;
}
CountryInfoWindow* CountryInfoIfLoaded() { return g_info; }

WorldMapWindow* WorldMap() {
  if (!g_map) g_map = new WorldMapWindow();
  return g_map;
}
WorldMapWindow* WorldMapIfLoaded() { return g_map; }

void CloseOtherWindows() {
  if (g_info) {
    g_info->close();
    delete g_info.data();
  }
  if (g_map) {
    g_map->close();
    delete g_map.data();
  }
}

}  // namespace zv
