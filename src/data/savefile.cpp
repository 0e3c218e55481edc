#include "data/savefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zv {

namespace {
qint64 g_failAfter = -1;
}

void SetWriteFailureAfterBytesForTests(qint64 bytes) { g_failAfter = bytes; }

QString WriteFileWhole(const QString& path, const QByteArray& bytes, WriteMode mode) {
  QByteArray all;
  if (mode == WriteMode::kAppend && QFileInfo::exists(path)) {
    QFile old(path);
    if (!old.open(QIODevice::ReadOnly)) return old.errorString();
    all = old.readAll();
    old.close();
  }
  all += bytes;

  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return f.errorString();
  qint64 toWrite = all.size();
  bool simulatedFull = false;
  if (g_failAfter >= 0 && g_failAfter < toWrite) {
    toWrite = g_failAfter;
    simulatedFull = true;
  }
  if (f.write(all.constData(), toWrite) != toWrite) {
    const QString why = f.errorString();
    f.cancelWriting();
    return why;
  }
  if (simulatedFull) {
    f.cancelWriting();
    return QStringLiteral("No space left on device");
  }
  if (!f.commit()) return f.errorString();
  return QString();
}

}  // namespace zv
