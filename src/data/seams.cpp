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
std::optional<QTimeZone> g_systemZone;

}  // namespace

const Clock& CurrentClock() { return g_clock ? *g_clock : g_systemClock; }
void SetClock(const Clock* clock) { g_clock = clock; }

QTimeZone SystemZone() { return g_systemZone ? *g_systemZone : QTimeZone::systemTimeZone(); }
void SetSystemZone(std::optional<QTimeZone> zone) { g_systemZone = std::move(zone); }

QString DataFolder() {
  if (!g_dataFolder.isEmpty()) return g_dataFolder;
  return QCoreApplication::applicationDirPath();
}

void SetDataFolder(const QString& folder) { g_dataFolder = folder; }

QString DataPath(const QString& fileName) { return QDir(DataFolder()).filePath(fileName); }

}  // namespace zv
