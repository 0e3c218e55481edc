#include "data/datafolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace zv {

namespace {

const QString kTableFileName = QStringLiteral("countries.txt");

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
  facts.executableFolderWritable = QFileInfo(facts.executableFolder).isWritable();
  const QString folderName = QString::fromLatin1(kDataFolderName);
  facts.userDataFolder =
      QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(folderName);
  // An installation in any prefix: <prefix>/bin/zorvane beside <prefix>/share/zorvane.
  facts.installFolders << QDir::cleanPath(facts.executableFolder + QStringLiteral("/../share/") + folderName);
  for (const QString& dataDir : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
    facts.installFolders << QDir(dataDir).filePath(folderName);
  return facts;
}

}  // namespace zv
