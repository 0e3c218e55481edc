#include "data/seams.h"

#include <QCoreApplication>
#include <QDir>

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

QString DataFolder() {
  if (!g_dataFolder.isEmpty()) return g_dataFolder;
  return QCoreApplication::applicationDirPath();
}

void SetDataFolder(const QString& folder) { g_dataFolder = folder; }

QString DataPath(const QString& fileName) { return QDir(DataFolder()).filePath(fileName); }

}  // namespace zv
