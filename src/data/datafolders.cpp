#include "data/datafolders.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "data/bytenames.h"

namespace zv {

namespace {

const QString kTableFileName = QStringLiteral("countries.txt");

// The XDG base folders: a relative path in XDG_DATA_HOME or XDG_DATA_DIRS
// is ignored, as the rules say, so the data does not move with the working
// folder. Names are taken as the file system's bytes, whatever they hold.
QString UserDataHome() {
  const QByteArray named = qgetenv("XDG_DATA_HOME");
  if (named.startsWith('/')) return FolderPathOfBytes(named);
  const QByteArray home = qgetenv("HOME");
  return (home.isEmpty() ? QDir::homePath() : QDir::cleanPath(FolderPathOfBytes(home))) +
         QStringLiteral("/.local/share");
}

QStringList SystemDataDirs() {
  QStringList dirs;
  const QByteArray named = qgetenv("XDG_DATA_DIRS");
  for (const QByteArray& dir : named.split(':'))
    if (dir.startsWith('/')) dirs << FolderPathOfBytes(dir);
  if (named.isEmpty()) dirs << QStringLiteral("/usr/local/share") << QStringLiteral("/usr/share");
  return dirs;
}

bool HoldsTable(const QString& folder) { return QFileInfo(QDir(folder).filePath(kTableFileName)).isFile(); }

}  // namespace

DataFolders ChooseDataFolders(const DataFolderFacts& facts) {
  if (!facts.named.isEmpty()) return {facts.named, QString()};
  if (facts.executableFolderWritable && HoldsTable(facts.executableFolder))
    return {facts.executableFolder, QString()};
  // Installed. The first installation folder holding the table ships the data;
  // without one, the executable's folder is looked at as before.
  QString shipped = facts.executableFolder;
  for (const QString& folder : facts.installFolders) {
    if (QDir::cleanPath(folder) != QDir::cleanPath(facts.userDataFolder) && HoldsTable(folder)) {
      shipped = folder;
      break;
    }
  }
  return {facts.userDataFolder, shipped};
}

QString ReadPathIn(const DataFolders& folders, const QString& name) {
  const QString own = QDir(folders.user).filePath(name);
  if (folders.shipped.isEmpty() || QFileInfo::exists(own)) return own;
  const QString shipped = QDir(folders.shipped).filePath(name);
  return QFileInfo::exists(shipped) ? shipped : own;
}

DataFolderFacts CurrentDataFolderFacts(const QString& named) {
  DataFolderFacts facts;
  facts.named = named;
  facts.executableFolder = QCoreApplication::applicationDirPath();
  if (facts.executableFolder.contains(QChar::ReplacementCharacter)) {
    // A name that is not UTF-8: the folder by its bytes.
    QByteArray exe(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", exe.data(), static_cast<size_t>(exe.size()));
    if (n > 0 && n < exe.size())
      facts.executableFolder = FolderPathOfBytes(exe.left(exe.lastIndexOf('/', n - 1)));
  }
  facts.executableFolderWritable = QFileInfo(facts.executableFolder).isWritable();
  const QString folderName = QString::fromLatin1(kDataFolderName);
  facts.userDataFolder = QDir(UserDataHome()).filePath(folderName);
  // An installation in any prefix: <prefix>/bin/zorvane beside <prefix>/share/zorvane.
  facts.installFolders << QDir::cleanPath(facts.executableFolder + QStringLiteral("/../share/") + folderName);
  for (const QString& dataDir : SystemDataDirs()) facts.installFolders << QDir(dataDir).filePath(folderName);
  return facts;
}

}  // namespace zv
