#include "data/seams.h"

#include <QDir>

#include "data/datafolders.h"

namespace zv {

namespace {

class SystemClock : public Clock {
 public:
  QDateTime Now() const override { return QDateTime::currentDateTime(); }
};

const SystemClock g_systemClock;
const Clock* g_clock = nullptr;
QString g_dataFolder;
std::optional<QTimeZone> g_systemZone;

}  // namespace

const Clock& CurrentClock() { return g_clock ? *g_clock : g_systemClock; }
void SetClock(const Clock* clock) { g_clock = clock; }

QTimeZone SystemZone() { return g_systemZone ? *g_systemZone : QTimeZone::systemTimeZone(); }
void SetSystemZone(std::optional<QTimeZone> zone) { g_systemZone = std::move(zone); }

namespace {

DataFolders Folders() { return ChooseDataFolders(CurrentDataFolderFacts(g_dataFolder)); }

}  // namespace

void SetDataFolder(const QString& folder) { g_dataFolder = folder; }

QString DataFolder() { return Folders().user; }

QString DataPath(const QString& fileName) { return ReadPathIn(Folders(), fileName); }

QString WritableDataPath(const QString& fileName) {
  const QString folder = DataFolder();
  QDir().mkpath(folder);
  return QDir(folder).filePath(fileName);
}

}  // namespace zv
