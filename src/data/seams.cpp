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

}  // namespace

const Clock& CurrentClock() { return g_clock ? *g_clock : g_systemClock; }
void SetClock(const Clock* clock) { g_clock = clock; }

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
