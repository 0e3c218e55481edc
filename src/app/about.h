#pragma once
// What Help > About tells: the program's version, the folder of the user's
// files and the version of the time-zone database the dates come from.

#include <QString>

namespace zv {

// The version of the tz database in zoneinfoFolder, from the "# version"
// line that opens its tzdata.zi; empty when the folder does not say.
QString TzDatabaseVersion(const QString& zoneinfoFolder);

// The folder of this computer's tz database: $TZDIR, else /usr/share/zoneinfo.
QString ZoneinfoFolder();

// The About box's text: this build's version, the folder of the user's
// files and the tz database's version (TzDatabaseVersion).
QString AboutText(const QString& dataFolder, const QString& tzVersion);

}  // namespace zv
