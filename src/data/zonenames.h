#pragma once
// The IANA time zone of every shipped entry, by its map picture name
// (column 10 of the country table). The table itself is written by
// tools/make_countries.py into zonenames.cpp, beside countries.txt, so that
// the country file keeps its format.

#include <QByteArray>
#include <QString>
#include <span>

namespace zv {

struct MapZone {
  const char* mapName;  // "gb", "us-eastern"
  const char* zoneId;   // "Europe/London", "America/New_York"
};

// Every pair, sorted by map picture name.
std::span<const MapZone> MapZones();

// The zone id for a map picture name; empty when the name has none.
QByteArray ZoneIdForMapName(const QString& mapName);

}  // namespace zv
