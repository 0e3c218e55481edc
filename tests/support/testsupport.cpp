#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "data/countryfile.h"
#include "data/tzonefile.h"

namespace zv::test {

ScriptedPrompter::ScriptedPrompter() { SetPrompter(this); }
ScriptedPrompter::~ScriptedPrompter() { SetPrompter(nullptr); }

void ScriptedPrompter::Message(QWidget*, const QString& text) { messages << text; }

bool ScriptedPrompter::AskYesNo(QWidget*, const QString& text) {
  questions << text;
  if (yesNo.empty()) {
    ADD_FAILURE() << "unexpected question: " << text.toStdString();
    return false;
  }
  const bool a = yesNo.front();
  yesNo.pop_front();
  return a;
}

std::optional<QString> ScriptedPrompter::Input(QWidget*, const QString& title, const QString& prompt,
                                               const QString& offered) {
  asked.push_back({title, prompt, offered});
  if (inputs.empty()) {
    ADD_FAILURE() << "unexpected input box: " << prompt.toStdString();
    return std::nullopt;
  }
  const bool given = inputs.front().has_value();
  const QString text = inputs.front().value_or(QString());
  inputs.pop_front();
  if (!given) return std::nullopt;
  return text;
}

DataFolder::DataFolder() { SetDataFolder(dir_.path()); }
DataFolder::~DataFolder() { SetDataFolder(QString()); }
QString DataFolder::Path(const QString& name) const { return QDir(dir_.path()).filePath(name); }
void DataFolder::Write(const QString& name, const QByteArray& bytes) const {
  QFile f(Path(name));
  if (!f.open(QIODevice::WriteOnly)) ADD_FAILURE() << "cannot write " << name.toStdString();
  f.write(bytes);
}
QByteArray DataFolder::Read(const QString& name) const { return ReadFileBytes(Path(name)); }
bool DataFolder::Exists(const QString& name) const { return QFile::exists(Path(name)); }

CountryTable EntryTable(const QString& offset, const QString& latitude, const QString& longitude) {
  CountryTable t;
  for (int n = 1; n <= kEntryCount; ++n) {
    t.at(n, kColName) = QStringLiteral("Entry %1").arg(n);
    t.at(n, kColOffset) = offset;
    t.at(n, kColDstHours) = QStringLiteral("0");
    t.at(n, kColDstUsed) = QStringLiteral("0");
    t.at(n, kColLatitude) = latitude;
    t.at(n, kColLongitude) = longitude;
  }
  return t;
}

QByteArray CountriesBytes(const CountryTable& table) {
  return WriteCountriesBytes(table, kEntryCount, QDateTime(QDate(2026, 1, 1), QTime(9, 0)));
}

void WriteStartFiles(const DataFolder& data, const QByteArray& countries) {
  data.Write(QStringLiteral("countries.txt"), countries);
  data.Write(QStringLiteral("tzone.txt"), ZoneFileBytes(QStringLiteral("0"), QStringLiteral("0")));
}

QByteArray ReadFileBytes(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

QString SourcePath(const QString& relative) {
  return QDir(QString::fromUtf8(ZORVANE_SOURCE_DIR)).filePath(relative);
}

}  // namespace zv::test
