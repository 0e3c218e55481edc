#include "app/about.h"

#include <QCoreApplication>
#include <QDir>

#include "app/version.h"
#include "data/datafileio.h"

namespace zv {

QString TzDatabaseVersion(const QString& zoneinfoFolder) {
  // The compact form of the database that zic reads; its first line is
  // "# version 2025b". Only the first line is needed.
  constexpr qint64 kFirstLineBytes = 64;
  const DataFileRead file =
      ReadDataFile(QDir(zoneinfoFolder).filePath(QStringLiteral("tzdata.zi")), kFirstLineBytes);
  const QByteArray line = file.bytes.left(file.bytes.indexOf('\n'));
  constexpr char kPrefix[] = "# version ";
  if (!line.startsWith(kPrefix)) return QString();
  return QString::fromLatin1(line.mid(sizeof kPrefix - 1)).trimmed();
}

QString ZoneinfoFolder() {
  const QString named = qEnvironmentVariable("TZDIR");
  return named.isEmpty() ? QStringLiteral("/usr/share/zoneinfo") : named;
}

QString AboutText(const QString& dataFolder, const QString& tzVersion) {
  const QString tz =
      tzVersion.isEmpty()
          ? QCoreApplication::translate("About",
                                        "The daylight-saving dates come from this computer's time-zone "
                                        "database, which does not name its version.")
          : QCoreApplication::translate("About",
                                        "The daylight-saving dates come from this computer's time-zone "
                                        "database, version %1.")
                .arg(tzVersion);
  return QCoreApplication::translate("About", "Zorvane %1").arg(QString::fromLatin1(ZORVANE_VERSION)) +
         QStringLiteral("\n\n") +
         QCoreApplication::translate("About",
                                     "A world clock: the local time of every country and time zone, with a "
                                     "country information window and a world map of day and night.") +
         QStringLiteral("\n\n") +
         QCoreApplication::translate("About",
                                     "Your files (countries.txt, tzone.txt, highlight.txt) are in:") +
         QStringLiteral("\n") + QDir::toNativeSeparators(dataFolder) + QStringLiteral("\n\n") + tz;
}

}  // namespace zv
