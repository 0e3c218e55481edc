#include "data/outsideworld.h"

#include <unistd.h>

#include <QDir>
#include <cerrno>
#include <map>

#include "data/datafolders.h"

namespace zv {

namespace {

class SystemClock : public Clock {
 public:
  QDateTime Now() const override { return QDateTime::currentDateTime(); }
};

class SystemFileWriter : public FileWriter {
 public:
  int WriteAll(int fd, const QByteArray& bytes) const override {
    qint64 done = 0;
    const qint64 total = bytes.size();
    while (done < total) {
      const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(total - done));
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return errno;
      if (n == 0) return ENOSPC;
      done += n;
    }
    return 0;
  }
};

const SystemClock g_systemClock;
const SystemFileWriter g_systemFileWriter;
const FileWriter* g_fileWriter = nullptr;
const Clock* g_clock = nullptr;
QString g_dataFolder;
std::optional<QTimeZone> g_systemZone;
ZoneLookup g_zoneLookup;

}  // namespace

const Clock& CurrentClock() { return g_clock ? *g_clock : g_systemClock; }
void SetClock(const Clock* clock) { g_clock = clock; }

const FileWriter& CurrentFileWriter() { return g_fileWriter ? *g_fileWriter : g_systemFileWriter; }
void SetFileWriter(const FileWriter* writer) { g_fileWriter = writer; }

QTimeZone SystemZone() { return g_systemZone ? *g_systemZone : QTimeZone::systemTimeZone(); }
void SetSystemZone(std::optional<QTimeZone> zone) { g_systemZone = std::move(zone); }

QTimeZone LookupZone(const QByteArray& id) {
  if (g_zoneLookup) return g_zoneLookup(id);
  // The clock asks for every entry's zone at every calculation; reading a
  // zone's rules once is enough.
  static std::map<QByteArray, QTimeZone> known;
  const auto found = known.find(id);
  return found != known.end() ? found->second : known.emplace(id, QTimeZone(id)).first->second;
}
void SetZoneLookup(ZoneLookup lookup) { g_zoneLookup = std::move(lookup); }

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
