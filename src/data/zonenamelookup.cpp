// Looking up the zone of a map picture name in the generated table.

#include <algorithm>

#include "data/zonenames.h"

namespace zv {

QByteArray ZoneIdForMapName(const QString& mapName) {
  const auto zones = MapZones();
  const QByteArray key = mapName.toLatin1();
  const auto it = std::lower_bound(zones.begin(), zones.end(), key,
                                   [](const MapZone& z, const QByteArray& k) { return k > z.mapName; });
  if (it == zones.end() || key != it->mapName) return {};
  return it->zoneId;
}

}  // namespace zv
